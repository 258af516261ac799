<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>toevane::ReferAFriendForm</name>
    <message>
        <source>Refer A Friend</source>
        <extracomment>The frame of the form; fits in 455 pixels at 9.75 pt bold.</extracomment>
        <translation>Consiglia a un amico</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <extracomment>Fits in 217 pixels at 8.25 pt bold.</extracomment>
        <translation>Consiglialo &amp;ora</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>L’indirizzo email non può contenere spazi.</translation>
    </message>
</context>
<context>
    <name>toevane::Shell</name>
    <message>
        <source>Application is already running</source>
        <translation>L’applicazione è già in esecuzione.</translation>
    </message>
</context>
<context>
    <name>toevane::catalogue</name>
    <message>
        <source></source>
        <comment>The questionnaire&apos;s pages and the reading. Titles: the caption of a page and of a frame of the reading, one line of 267 pixels at 8.25 pt bold. Answers: an option of a page, and the reading&apos;s underlined answer, one line of 273 pixels at 8.25 pt bold. Texts: at most four lines of 273 pixels at 8.25 pt bold. A trailing blank in the English text plays no part.</comment>
        <translation></translation>
    </message>
    <message>
        <source>You are not very comfortable with sharing your feelings with others.</source>
        <translation>Non ti è facile condividere i tuoi sentimenti con gli altri.</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grandi</translation>
    </message>
    <message>
        <source>This toe indicates a high level of energy.</source>
        <translation>Queste dita indicano un alto livello di energia.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Corte</translation>
    </message>
    <message>
        <source>This toe indicates that you are controlled and not very expressive.</source>
        <translation>Queste dita indicano autocontrollo e poca espansività.</translation>
    </message>
    <message>
        <source>Pointed</source>
        <translation>Appuntite</translation>
    </message>
    <message>
        <source>This toe indicates that you are prone to sudden bursts of energy.</source>
        <translation>Queste dita indicano una tendenza a improvvisi slanci di energia.</translation>
    </message>
    <message>
        <source>Rounded</source>
        <translation>Arrotondate</translation>
    </message>
    <message>
        <source>You are vulnerable but also diplomatic.</source>
        <translation>Hai un animo vulnerabile, ma anche diplomatico.</translation>
    </message>
    <message>
        <source>Spatulate</source>
        <translation>A spatola</translation>
    </message>
    <message>
        <source>This toe indicates a lot of energy that can be powerful if used the right way. </source>
        <translation>Queste dita indicano molta energia, che può diventare una grande forza se usata nel modo giusto.</translation>
    </message>
    <message>
        <source>Rectangular</source>
        <translation>Rettangolari</translation>
    </message>
    <message>
        <source>This toe signifies a practical and down-to-earth nature.</source>
        <translation>Queste dita denotano una natura pratica e con i piedi per terra.</translation>
    </message>
    <message>
        <source>Bent towards Big Toe</source>
        <translation>Piegate verso l’alluce</translation>
    </message>
    <message>
        <source>This means that you still think about past happenings.</source>
        <translation>Significa che ripensi ancora a fatti del passato.</translation>
    </message>
    <message>
        <source>Bent towards Little Toe</source>
        <translation>Piegate verso il mignolo</translation>
    </message>
    <message>
        <source>You are in a hurry to face the unknown future.</source>
        <translation>Hai fretta di affrontare il futuro ignoto.</translation>
    </message>
    <message>
        <source>Large Big Toe</source>
        <translation>Alluce grande</translation>
    </message>
    <message>
        <source>You may talk too much on the verge of boastfulness and not implement all your ideas but you may also be rational. This also indicates wealth and prosperity. </source>
        <translation>Forse parli troppo, quasi vantandoti, e non realizzi tutte le tue idee, ma sai anche essere razionale. Indica inoltre ricchezza e prosperità.</translation>
    </message>
    <message>
        <source>Small Big Toe</source>
        <translation>Alluce piccolo</translation>
    </message>
    <message>
        <source>You may not be very dependable by nature.</source>
        <translation>Per natura potresti non essere molto affidabile.</translation>
    </message>
    <message>
        <source>Rounded Big Toe </source>
        <translation>Alluce arrotondato</translation>
    </message>
    <message>
        <source>You are very clever and can go to great heights in life.</source>
        <translation>Hai una mente brillante e nella vita puoi arrivare molto in alto.</translation>
    </message>
    <message>
        <source>Painful Big Toe</source>
        <translation>Alluce dolorante</translation>
    </message>
    <message>
        <source>You may have to face sorrows in life.</source>
        <translation>Nella vita potresti dover affrontare dei dispiaceri.</translation>
    </message>
    <message>
        <source>Standalone Big Toe</source>
        <translation>Alluce distanziato</translation>
    </message>
    <message>
        <source>Second Toe Larger than the Big Toe</source>
        <translation>Secondo dito più grande dell’alluce</translation>
    </message>
    <message>
        <source>You may have a dominating nature. But you can be a leader if you take life positively.</source>
        <translation>Potresti avere un carattere dominante. Ma se prendi la vita in modo positivo, puoi essere un leader.</translation>
    </message>
    <message>
        <source>Second Toe Smaller than the Big Toe</source>
        <translation>Secondo dito più piccolo dell’alluce</translation>
    </message>
    <message>
        <source>You will have an average lifestyle with enough money but never more. </source>
        <translation>Avrai un tenore di vita nella media, con abbastanza soldi ma mai di più.</translation>
    </message>
    <message>
        <source>Webbed Second Toe</source>
        <translation>Secondo dito palmato</translation>
    </message>
    <message>
        <source>Your career means everything to you.</source>
        <translation>Per te la carriera è tutto.</translation>
    </message>
    <message>
        <source>High Arches</source>
        <translation>Arco plantare alto</translation>
    </message>
    <message>
        <source>You are very logical by nature and a thinker at heart. You may tend to dream a lot.</source>
        <translation>Hai una mente molto logica e un animo riflessivo. Forse tendi a sognare molto.</translation>
    </message>
    <message>
        <source>Low Arches or Flat Feet</source>
        <translation>Arco basso o piedi piatti</translation>
    </message>
    <message>
        <source>You are very practical by nature.</source>
        <translation>Hai un’indole molto pratica.</translation>
    </message>
    <message>
        <source>Swollen Feet</source>
        <translation>Piedi gonfi</translation>
    </message>
    <message>
        <source>Twisted</source>
        <translation>Ritorte</translation>
    </message>
    <message>
        <source>You may tend to run away from the truth and need encouragement from others.</source>
        <translation>Forse tendi a fuggire dalla verità e hai bisogno dell’incoraggiamento degli altri.</translation>
    </message>
    <message>
        <source>Bent</source>
        <translation>Piegate</translation>
    </message>
    <message>
        <source>You may scared to bear responsibility and very unsure of yourself</source>
        <translation>Forse temi di assumerti responsabilità e hai poca fiducia in te.</translation>
    </message>
    <message>
        <source>Crooked</source>
        <translation>Storte</translation>
    </message>
    <message>
        <source>You may change your thinking to please others.</source>
        <translation>Potresti cambiare idea per compiacere gli altri.</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Nere</translation>
    </message>
    <message>
        <source>You may not have a very dependable nature.</source>
        <translation>Potresti non avere un carattere molto affidabile.</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>You are well liked and respected.</source>
        <translation>Godi di simpatia e rispetto.</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gialle</translation>
    </message>
    <message>
        <source>You may become wealthy.</source>
        <translation>Potresti fare fortuna.</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Color rame</translation>
    </message>
    <message>
        <source>You will lead a royal life.</source>
        <translation>Farai una vita da re.</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticali</translation>
    </message>
    <message>
        <source>You may go to all extent to support your opinions</source>
        <translation>Potresti spingerti fino in fondo pur di difendere le tue opinioni.</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Orizzontali</translation>
    </message>
    <message>
        <source>You may feel emotional unstable.</source>
        <translation>Potresti sentirti emotivamente instabile.</translation>
    </message>
    <message>
        <source>Toe Appearance</source>
        <translation>Aspetto delle dita</translation>
    </message>
    <message>
        <source>Inclination of Toes</source>
        <translation>Inclinazione delle dita</translation>
    </message>
    <message>
        <source>Big Toe</source>
        <translation>Alluce</translation>
    </message>
    <message>
        <source>Second Toe</source>
        <translation>Secondo dito</translation>
    </message>
    <message>
        <source>Foot Arches </source>
        <translation>Arco plantare</translation>
    </message>
    <message>
        <source>Foot Arches</source>
        <translation>Arco plantare</translation>
    </message>
    <message>
        <source>Toe Shape</source>
        <translation>Forma delle dita</translation>
    </message>
    <message>
        <source>Color of Nails</source>
        <translation>Colore delle unghie</translation>
    </message>
    <message>
        <source>Ridges on Toe Nails</source>
        <translation>Striature sulle unghie dei piedi</translation>
    </message>
    <message>
        <source>&amp;Analyze My Toes</source>
        <extracomment>The last page&apos;s button; fits in 132 pixels at 8.25 pt bold.</extracomment>
        <translation>A&amp;nalizza le mie dita</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <extracomment>Fits in 132 pixels at 8.25 pt bold.</extracomment>
        <translation>A&amp;vanti</translation>
    </message>
</context>
<context>
    <name>toevane::frmAbout</name>
    <message>
        <source>&amp;OK</source>
        <extracomment>Fits in 80 pixels at 8.25 pt bold.</extracomment>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <extracomment>Three lines of 383 pixels at 8.25 pt bold.</extracomment>
        <translation>Lavoro da casa: avvia la tua attività su Internet e guadagna online. Ottieni questo software personalizzato con il marchio del tuo sito.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Clicca qui per maggiori dettagli</translation>
    </message>
    <message>
        <source>Toevane is a divination software based on the shape and looks of a person&apos;s feet and the personality characteristics they reveal. The toes of our feet can tell us more about ourselves and the problems that we may be about to face in life. Copyright © Starwell Softwares. All rights reserved.</source>
        <extracomment>Five lines of 383 pixels at 8.25 pt.</extracomment>
        <translation>Toevane è un software di divinazione basato sulla forma e sull’aspetto dei piedi di una persona e sui tratti della personalità che rivelano. Le dita dei piedi possono dirci di più su noi stessi e sui problemi che potremmo dover affrontare nella vita. Copyright © Starwell Softwares. Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the forum&apos;s address. One line of 383 pixels at 8.25 pt bold.</extracomment>
        <translation>Clicca qui per visitare %1</translation>
    </message>
</context>
<context>
    <name>toevane::frmDisplay</name>
    <message>
        <source>You are not selected this type of Toe.</source>
        <extracomment>Said in place of the Toe Shape answer that was skipped; at most four lines of 273 pixels at 8.25 pt bold.</extracomment>
        <translation>Non hai scelto una forma delle dita.</translation>
    </message>
    <message>
        <source>Toevane Interpretation</source>
        <translation>Interpretazione Toevane</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>Fits in 68 pixels at 8.25 pt bold.</extracomment>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Fits in 68 pixels at 8.25 pt bold.</extracomment>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>Toevane reading %1</source>
        <extracomment>The name a saved reading is offered under; %1 is the date, 2026-12-08.</extracomment>
        <translation>Interpretazione Toevane %1</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>The reading&apos;s right-click menu.</extracomment>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Save Reading As…</source>
        <extracomment>The reading&apos;s right-click menu.</extracomment>
        <translation>&amp;Salva interpretazione con nome…</translation>
    </message>
    <message>
        <source>Save Reading As</source>
        <translation>Salva interpretazione con nome</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1 because a folder has that name.</source>
        <translation>Impossibile salvare l’interpretazione come %1 perché una cartella ha questo nome.</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1 because its folder does not exist.</source>
        <translation>Impossibile salvare l’interpretazione come %1 perché la sua cartella non esiste.</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1 because you have no permission to write there.</source>
        <translation>Impossibile salvare l’interpretazione come %1 perché non hai il permesso di scrivere lì.</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1 because the disk is full.</source>
        <translation>Impossibile salvare l’interpretazione come %1 perché il disco è pieno.</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1.</source>
        <translation>Impossibile salvare l’interpretazione come %1.</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Immagine PNG (*.png)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Testo semplice (*.txt)</translation>
    </message>
</context>
<context>
    <name>toevane::frmMain</name>
    <message>
        <source>Toevane is a feet divination software. Know what your toes reveal about your personality with this simple tool. Just choose the right options that stand true for you and get your answers! </source>
        <extracomment>Four lines of 464 pixels at 8.25 pt bold.</extracomment>
        <translation>Toevane è un software di divinazione basata sui piedi. Scopri cosa rivelano le dita dei tuoi piedi sulla tua personalità con questo semplice strumento. Scegli le risposte giuste per te e ottieni la tua interpretazione!</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>Fits in 92 pixels at 8.25 pt bold.</extracomment>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Fits in 84 pixels at 8.25 pt bold.</extracomment>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>Do you want to select this option ?</source>
        <translation>Vuoi scegliere una risposta in questa pagina?</translation>
    </message>
    <message>
        <source>Please select an option</source>
        <translation>Scegli una risposta.</translation>
    </message>
</context>
<context>
    <name>toevane::frmNagScreen2</name>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Fits in 75 pixels at 8.25 pt.</extracomment>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Download Starwell Softwares</source>
        <extracomment>Fits in 233 pixels at 9.75 pt bold.</extracomment>
        <translation>Scarica Starwell Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Starwell Softwares</source>
        <extracomment>Fits in 239 pixels at 9 pt bold.</extracomment>
        <translation>Visita Starwell Softwares</translation>
    </message>
    <message>
        <source>Starwell Softwares like this one can be created and maintained only with your support. The best way to support Starwell Board is to visit %1 regularly and take part in its discussions and activities.</source>
        <extracomment>%1 is the forum&apos;s address. The four promotions: at most four lines of 465 pixels at 9.75 pt bold.</extracomment>
        <translation>I programmi come questo possono nascere e crescere solo con il tuo sostegno. Il modo migliore per sostenere Starwell Board è visitare regolarmente %1 e partecipare alle sue discussioni e attività.</translation>
    </message>
    <message>
        <source>Please visit %1 regularly and support it by taking part in the discussions and other activities. These programs cannot be supported and maintained without you visiting the site regularly.</source>
        <translation>Visita regolarmente %1 e sostienilo partecipando alle discussioni e alle altre attività. Senza le tue visite regolari al sito, questi programmi non possono essere mantenuti.</translation>
    </message>
    <message>
        <source>%1 is a FREE online discussion forum for all esoteric subjects. To help the site develop and maintain this program, please visit it regularly.</source>
        <translation>%1 è un forum di discussione online GRATUITO su tutti gli argomenti esoterici. Per aiutare il sito a sviluppare e mantenere questo programma, visitalo regolarmente.</translation>
    </message>
    <message>
        <source>%1 needs your help! All you have to do is visit it regularly and take part in its various discussions and activities, to help maintain and develop more Starwell Softwares.</source>
        <translation>%1 ha bisogno del tuo aiuto! Ti basta visitarlo regolarmente e partecipare alle sue discussioni e attività per aiutarci a mantenere e creare altri programmi Starwell Softwares.</translation>
    </message>
    <message>
        <source>Click To Visit %1</source>
        <extracomment>%1 is the forum&apos;s address. Fits in 471 pixels at 14.25 pt.</extracomment>
        <translation>Visita %1</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Starwell Softwares. From a single software, we have now grown to become the world’s largest resource of starwell softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first paragraph; with the second, at most 257 pixels high in 233 pixels at 9 pt.</extracomment>
        <translation>Se questo programma ti è piaciuto, ti interesseranno sicuramente anche gli altri programmi Starwell Softwares. Partiti da un solo programma, oggi offriamo la più grande raccolta al mondo di software di questo genere. Astrologia, veggenza, tarocchi, numerologia o occultismo: abbiamo programmi in ogni campo, per offrire a tutti un’ampia scelta secondo i propri interessi.</translation>
    </message>
    <message>
        <source>All the programs in the Starwell Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <extracomment>The second paragraph.</extracomment>
        <translation>Tutti i programmi della serie Starwell Softwares sono semplici da usare. Sono divertenti e anche molto istruttivi. Provali subito e condividi la tua esperienza con amici e parenti.</translation>
    </message>
</context>
<context>
    <name>toevane::menus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Guida in linea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visita il nostro sito</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <extracomment>The questionnaire&apos;s item.</extracomment>
        <translation>Cerca &amp;aggiornamenti</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <extracomment>The results window&apos;s item.</extracomment>
        <translation>&amp;Cerca aggiornamenti</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Informazioni sul programma</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <extracomment>A menu of the menu bar, whose four menus share 484 pixels at 8.25 pt.</extracomment>
        <translation>&amp;Dona</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <extracomment>The menu bar&apos;s last menu, always greyed out; the four menus share 484 pixels at 8.25 pt.</extracomment>
        <translation>Guadagna &amp;online</translation>
    </message>
</context>
<context>
    <name>toevane::modHelp</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Potrebbe essere disponibile un aggiornamento di questo software.</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Vuoi cercare aggiornamenti?</translation>
    </message>
</context>
<context>
    <name>toevane::modTellAFriend</name>
    <message>
        <source></source>
        <comment>The refer-a-friend form&apos;s placeholders: each fits in a box of 221 pixels at 8.25 pt. The refusals are message boxes.</comment>
        <translation></translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Inserisci due indirizzi email diversi.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Inserisci un indirizzo email valido.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Inserisci il tuo nome.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Inserisci il tuo indirizzo email.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Inserisci il tuo messaggio.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Inserisci il nome del tuo amico.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Inserisci l’indirizzo email del tuo amico.</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Il tuo indirizzo email</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome del tuo amico</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Indirizzo email del tuo amico</translation>
    </message>
</context>
<context>
    <name>toevane::promo</name>
    <message>
        <source>The Most Popular Online Discussion Board On Esoteric Subjects. The Best Resource For All Things Esoteric. Visit %1 Now!</source>
        <extracomment>%1 is the forum&apos;s host name. At most two lines of 468 pixels at 9 pt bold.</extracomment>
        <translation>Il forum di discussione esoterico più popolare del Web. La migliore risorsa sull’esoterismo. Visita subito %1!</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <extracomment>&quot;&amp;&amp;&quot; shows as one &quot;&amp;&quot;. At most three lines of 399 pixels at 8.25 pt bold (the results window; four lines of 311 pixels in the questionnaire).</extracomment>
        <translation>Personalizza questo software con il marchio del tuo sito. Più fedeltà e più traffico. Nome &amp;&amp; link del tuo sito qui. Vedi «Aiuto» per i dettagli. Clicca qui per saperne di più sul co-branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <extracomment>At most three lines of 399 pixels at 8.25 pt bold (the results window; four lines of 311 pixels in the questionnaire).</extracomment>
        <translation>Lavoro da casa: avvia la tua attività su Internet e guadagna online. Ottieni questo software personalizzato con il marchio del tuo sito. Clicca qui per maggiori dettagli.</translation>
    </message>
</context>
</TS>
