<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>toevane::ReferAFriendForm</name>
    <message>
        <source>Refer A Friend</source>
        <extracomment>The frame of the form; fits in 455 pixels at 9.75 pt bold.</extracomment>
        <translation>Recommander à un ami</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <extracomment>Fits in 217 pixels at 8.25 pt bold.</extracomment>
        <translation>&amp;Recommander maintenant</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>L’adresse e-mail ne peut pas contenir d’espace.</translation>
    </message>
</context>
<context>
    <name>toevane::Shell</name>
    <message>
        <source>Application is already running</source>
        <translation>L’application est déjà en cours d’exécution.</translation>
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
        <translation>Vous n’êtes pas très à l’aise pour partager vos sentiments avec les autres.</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grands</translation>
    </message>
    <message>
        <source>This toe indicates a high level of energy.</source>
        <translation>Ces orteils révèlent un haut niveau d’énergie.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Courts</translation>
    </message>
    <message>
        <source>This toe indicates that you are controlled and not very expressive.</source>
        <translation>Ces orteils révèlent que vous vous maîtrisez et que vous vous livrez peu.</translation>
    </message>
    <message>
        <source>Pointed</source>
        <translation>Pointus</translation>
    </message>
    <message>
        <source>This toe indicates that you are prone to sudden bursts of energy.</source>
        <translation>Ces orteils révèlent une tendance aux brusques regains d’énergie.</translation>
    </message>
    <message>
        <source>Rounded</source>
        <translation>Arrondis</translation>
    </message>
    <message>
        <source>You are vulnerable but also diplomatic.</source>
        <translation>Vous êtes vulnérable, mais aussi diplomate.</translation>
    </message>
    <message>
        <source>Spatulate</source>
        <translation>En spatule</translation>
    </message>
    <message>
        <source>This toe indicates a lot of energy that can be powerful if used the right way. </source>
        <translation>Ces orteils révèlent beaucoup d’énergie, qui peut devenir une vraie force si vous l’utilisez à bon escient.</translation>
    </message>
    <message>
        <source>Rectangular</source>
        <translation>Rectangulaires</translation>
    </message>
    <message>
        <source>This toe signifies a practical and down-to-earth nature.</source>
        <translation>Ces orteils sont le signe d’un esprit pratique qui garde les pieds sur terre.</translation>
    </message>
    <message>
        <source>Bent towards Big Toe</source>
        <translation>Courbés vers le gros orteil</translation>
    </message>
    <message>
        <source>This means that you still think about past happenings.</source>
        <translation>Cela signifie que vous repensez encore aux événements du passé.</translation>
    </message>
    <message>
        <source>Bent towards Little Toe</source>
        <translation>Courbés vers le petit orteil</translation>
    </message>
    <message>
        <source>You are in a hurry to face the unknown future.</source>
        <translation>Vous avez hâte d’affronter l’avenir inconnu.</translation>
    </message>
    <message>
        <source>Large Big Toe</source>
        <translation>Gros orteil imposant</translation>
    </message>
    <message>
        <source>You may talk too much on the verge of boastfulness and not implement all your ideas but you may also be rational. This also indicates wealth and prosperity. </source>
        <translation>Vous parlez peut-être trop, jusqu’à la vantardise, sans réaliser toutes vos idées, mais savez aussi faire preuve de raison. C’est aussi un signe de richesse.</translation>
    </message>
    <message>
        <source>Small Big Toe</source>
        <translation>Gros orteil de petite taille</translation>
    </message>
    <message>
        <source>You may not be very dependable by nature.</source>
        <translation>Vous n’êtes peut-être pas très fiable de nature.</translation>
    </message>
    <message>
        <source>Rounded Big Toe </source>
        <translation>Gros orteil arrondi</translation>
    </message>
    <message>
        <source>You are very clever and can go to great heights in life.</source>
        <translation>Vous avez l’esprit vif et pouvez aller très loin dans la vie.</translation>
    </message>
    <message>
        <source>Painful Big Toe</source>
        <translation>Gros orteil douloureux</translation>
    </message>
    <message>
        <source>You may have to face sorrows in life.</source>
        <translation>La vie vous réserve peut-être quelques chagrins.</translation>
    </message>
    <message>
        <source>Standalone Big Toe</source>
        <translation>Gros orteil écarté</translation>
    </message>
    <message>
        <source>Second Toe Larger than the Big Toe</source>
        <translation>Deuxième orteil plus grand que le gros</translation>
    </message>
    <message>
        <source>You may have a dominating nature. But you can be a leader if you take life positively.</source>
        <translation>Vous avez peut-être un caractère dominateur. Mais vous pouvez devenir un meneur si vous prenez la vie du bon côté.</translation>
    </message>
    <message>
        <source>Second Toe Smaller than the Big Toe</source>
        <translation>Deuxième orteil plus petit que le gros</translation>
    </message>
    <message>
        <source>You will have an average lifestyle with enough money but never more. </source>
        <translation>Vous aurez un train de vie moyen, avec assez d’argent, mais jamais plus.</translation>
    </message>
    <message>
        <source>Webbed Second Toe</source>
        <translation>Deuxième orteil palmé</translation>
    </message>
    <message>
        <source>Your career means everything to you.</source>
        <translation>Votre carrière est tout pour vous.</translation>
    </message>
    <message>
        <source>High Arches</source>
        <translation>Voûte plantaire haute</translation>
    </message>
    <message>
        <source>You are very logical by nature and a thinker at heart. You may tend to dream a lot.</source>
        <translation>Vous avez un esprit très logique et une âme de penseur. Vous avez peut-être tendance à beaucoup rêver.</translation>
    </message>
    <message>
        <source>Low Arches or Flat Feet</source>
        <translation>Voûte basse ou pieds plats</translation>
    </message>
    <message>
        <source>You are very practical by nature.</source>
        <translation>Vous êtes de nature très pratique.</translation>
    </message>
    <message>
        <source>Swollen Feet</source>
        <translation>Pieds enflés</translation>
    </message>
    <message>
        <source>Twisted</source>
        <translation>Tordus</translation>
    </message>
    <message>
        <source>You may tend to run away from the truth and need encouragement from others.</source>
        <translation>Vous avez peut-être tendance à fuir la vérité et avez besoin des encouragements des autres.</translation>
    </message>
    <message>
        <source>Bent</source>
        <translation>Courbés</translation>
    </message>
    <message>
        <source>You may scared to bear responsibility and very unsure of yourself</source>
        <translation>Vous avez peut-être peur des responsabilités et manquez beaucoup d’assurance.</translation>
    </message>
    <message>
        <source>Crooked</source>
        <translation>De travers</translation>
    </message>
    <message>
        <source>You may change your thinking to please others.</source>
        <translation>Vous changez peut-être d’avis pour plaire aux autres.</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noirs</translation>
    </message>
    <message>
        <source>You may not have a very dependable nature.</source>
        <translation>Vous n’avez peut-être pas un caractère très fiable.</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleus</translation>
    </message>
    <message>
        <source>You are well liked and respected.</source>
        <translation>On vous apprécie et on vous respecte.</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaunes</translation>
    </message>
    <message>
        <source>You may become wealthy.</source>
        <translation>Vous deviendrez peut-être riche.</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Cuivrés</translation>
    </message>
    <message>
        <source>You will lead a royal life.</source>
        <translation>Vous mènerez une vie de roi.</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticales</translation>
    </message>
    <message>
        <source>You may go to all extent to support your opinions</source>
        <translation>Vous pourriez aller très loin pour défendre vos opinions.</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontales</translation>
    </message>
    <message>
        <source>You may feel emotional unstable.</source>
        <translation>Vous vous sentez peut-être instable sur le plan émotionnel.</translation>
    </message>
    <message>
        <source>Toe Appearance</source>
        <translation>Aspect des orteils</translation>
    </message>
    <message>
        <source>Inclination of Toes</source>
        <translation>Inclinaison des orteils</translation>
    </message>
    <message>
        <source>Big Toe</source>
        <translation>Gros orteil</translation>
    </message>
    <message>
        <source>Second Toe</source>
        <translation>Deuxième orteil</translation>
    </message>
    <message>
        <source>Foot Arches </source>
        <translation>Voûte plantaire</translation>
    </message>
    <message>
        <source>Foot Arches</source>
        <translation>Voûte plantaire</translation>
    </message>
    <message>
        <source>Toe Shape</source>
        <translation>Forme des orteils</translation>
    </message>
    <message>
        <source>Color of Nails</source>
        <translation>Couleur des ongles</translation>
    </message>
    <message>
        <source>Ridges on Toe Nails</source>
        <translation>Stries sur les ongles des pieds</translation>
    </message>
    <message>
        <source>&amp;Analyze My Toes</source>
        <extracomment>The last page&apos;s button; fits in 132 pixels at 8.25 pt bold.</extracomment>
        <translation>A&amp;nalyser mes orteils</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <extracomment>Fits in 132 pixels at 8.25 pt bold.</extracomment>
        <translation>&amp;Suivant</translation>
    </message>
</context>
<context>
    <name>toevane::frmAbout</name>
    <message>
        <source>&amp;OK</source>
        <extracomment>Fits in 80 pixels at 8.25 pt bold.</extracomment>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <extracomment>Three lines of 383 pixels at 8.25 pt bold.</extracomment>
        <translation>Travail à domicile&#xa0;: lancez votre propre entreprise sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel aux couleurs de votre site.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Cliquez ici pour en savoir plus</translation>
    </message>
    <message>
        <source>Toevane is a divination software based on the shape and looks of a person&apos;s feet and the personality characteristics they reveal. The toes of our feet can tell us more about ourselves and the problems that we may be about to face in life. Copyright © Starwell Softwares. All rights reserved.</source>
        <extracomment>Five lines of 383 pixels at 8.25 pt.</extracomment>
        <translation>Toevane est un logiciel de divination fondé sur la forme et l’aspect des pieds d’une personne et sur les traits de caractère qu’ils révèlent. Nos orteils peuvent nous en apprendre davantage sur nous-mêmes et sur les difficultés que la vie nous réserve peut-être. Copyright © Starwell Softwares. Tous droits réservés.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the forum&apos;s address. One line of 383 pixels at 8.25 pt bold.</extracomment>
        <translation>Cliquez ici pour visiter %1</translation>
    </message>
</context>
<context>
    <name>toevane::frmDisplay</name>
    <message>
        <source>You are not selected this type of Toe.</source>
        <extracomment>Said in place of the Toe Shape answer that was skipped; at most four lines of 273 pixels at 8.25 pt bold.</extracomment>
        <translation>Vous n’avez pas choisi de forme d’orteils.</translation>
    </message>
    <message>
        <source>Toevane Interpretation</source>
        <translation>Interprétation Toevane</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>Fits in 68 pixels at 8.25 pt bold.</extracomment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Fits in 68 pixels at 8.25 pt bold.</extracomment>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>Toevane reading %1</source>
        <extracomment>The name a saved reading is offered under; %1 is the date, 2026-12-08.</extracomment>
        <translation>Interprétation Toevane %1</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>The reading&apos;s right-click menu.</extracomment>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Save Reading As…</source>
        <extracomment>The reading&apos;s right-click menu.</extracomment>
        <translation>&amp;Enregistrer l’interprétation sous…</translation>
    </message>
    <message>
        <source>Save Reading As</source>
        <translation>Enregistrer l’interprétation sous</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1 because a folder has that name.</source>
        <translation>L’interprétation n’a pas pu être enregistrée sous %1, car un dossier porte ce nom.</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1 because its folder does not exist.</source>
        <translation>L’interprétation n’a pas pu être enregistrée sous %1, car son dossier n’existe pas.</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1 because you have no permission to write there.</source>
        <translation>L’interprétation n’a pas pu être enregistrée sous %1, car vous n’avez pas le droit d’écrire à cet endroit.</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1 because the disk is full.</source>
        <translation>L’interprétation n’a pas pu être enregistrée sous %1, car le disque est plein.</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1.</source>
        <translation>L’interprétation n’a pas pu être enregistrée sous %1.</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Texte brut (*.txt)</translation>
    </message>
</context>
<context>
    <name>toevane::frmMain</name>
    <message>
        <source>Toevane is a feet divination software. Know what your toes reveal about your personality with this simple tool. Just choose the right options that stand true for you and get your answers! </source>
        <extracomment>Four lines of 464 pixels at 8.25 pt bold.</extracomment>
        <translation>Toevane est un logiciel de divination par les pieds. Découvrez ce que vos orteils révèlent de votre personnalité grâce à cet outil tout simple. Choisissez les réponses qui vous correspondent et obtenez votre interprétation&#xa0;!</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>Fits in 92 pixels at 8.25 pt bold.</extracomment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Fits in 84 pixels at 8.25 pt bold.</extracomment>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>Do you want to select this option ?</source>
        <translation>Voulez-vous choisir une réponse sur cette page&#xa0;?</translation>
    </message>
    <message>
        <source>Please select an option</source>
        <translation>Veuillez choisir une réponse.</translation>
    </message>
</context>
<context>
    <name>toevane::frmNagScreen2</name>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Fits in 75 pixels at 8.25 pt.</extracomment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Download Starwell Softwares</source>
        <extracomment>Fits in 233 pixels at 9.75 pt bold.</extracomment>
        <translation>Télécharger Starwell Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Starwell Softwares</source>
        <extracomment>Fits in 239 pixels at 9 pt bold.</extracomment>
        <translation>Visitez Starwell Softwares</translation>
    </message>
    <message>
        <source>Starwell Softwares like this one can be created and maintained only with your support. The best way to support Starwell Board is to visit %1 regularly and take part in its discussions and activities.</source>
        <extracomment>%1 is the forum&apos;s address. The four promotions: at most four lines of 465 pixels at 9.75 pt bold.</extracomment>
        <translation>Les logiciels comme celui-ci ne peuvent exister et évoluer qu’avec votre soutien. Pour soutenir Starwell Board, le mieux est de visiter régulièrement %1 et de participer à ses discussions et activités.</translation>
    </message>
    <message>
        <source>Please visit %1 regularly and support it by taking part in the discussions and other activities. These programs cannot be supported and maintained without you visiting the site regularly.</source>
        <translation>Visitez régulièrement %1 et soutenez-le en participant aux discussions et aux autres activités. Sans vos visites régulières sur le site, ces programmes ne peuvent pas être maintenus.</translation>
    </message>
    <message>
        <source>%1 is a FREE online discussion forum for all esoteric subjects. To help the site develop and maintain this program, please visit it regularly.</source>
        <translation>%1 est un forum de discussion en ligne GRATUIT consacré à tous les sujets ésotériques. Pour aider le site à développer et à maintenir ce programme, visitez-le régulièrement.</translation>
    </message>
    <message>
        <source>%1 needs your help! All you have to do is visit it regularly and take part in its various discussions and activities, to help maintain and develop more Starwell Softwares.</source>
        <translation>%1 a besoin de vous&#xa0;! Il vous suffit de le visiter régulièrement et de participer à ses discussions et activités pour aider à maintenir et à créer d’autres logiciels Starwell Softwares.</translation>
    </message>
    <message>
        <source>Click To Visit %1</source>
        <extracomment>%1 is the forum&apos;s address. Fits in 471 pixels at 14.25 pt.</extracomment>
        <translation>Visitez %1</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Starwell Softwares. From a single software, we have now grown to become the world’s largest resource of starwell softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first paragraph; with the second, at most 257 pixels high in 233 pixels at 9 pt.</extracomment>
        <translation>Si ce logiciel vous a plu, nos autres logiciels Starwell Softwares vous intéresseront sûrement. Partis d’un seul logiciel, nous proposons aujourd’hui la plus grande collection de logiciels de ce genre au monde. Astrologie, voyance, tarot, numérologie ou occultisme&#xa0;: nous avons des programmes dans tous les domaines, pour offrir à chacun un large choix selon ses centres d’intérêt.</translation>
    </message>
    <message>
        <source>All the programs in the Starwell Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <extracomment>The second paragraph.</extracomment>
        <translation>Tous les programmes de la gamme Starwell Softwares sont simples à utiliser. Ils sont amusants et très instructifs. Essayez-les dès aujourd’hui et partagez votre expérience avec vos proches.</translation>
    </message>
</context>
<context>
    <name>toevane::menus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Aide en ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visiter notre site</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <extracomment>The questionnaire&apos;s item.</extracomment>
        <translation>Rechercher une &amp;mise à jour</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <extracomment>The results window&apos;s item.</extracomment>
        <translation>&amp;Rechercher une mise à jour</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <extracomment>A menu of the menu bar, whose four menus share 484 pixels at 8.25 pt.</extracomment>
        <translation>Faire un &amp;don</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <extracomment>The menu bar&apos;s last menu, always greyed out; the four menus share 484 pixels at 8.25 pt.</extracomment>
        <translation>Gagner de l’argent en &amp;ligne</translation>
    </message>
</context>
<context>
    <name>toevane::modHelp</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Une mise à jour de ce logiciel est peut-être disponible.</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Voulez-vous rechercher une mise à jour&#xa0;?</translation>
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
        <translation>Veuillez saisir deux adresses e-mail différentes.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Veuillez saisir une adresse e-mail valide.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Veuillez saisir votre nom.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Veuillez saisir votre adresse e-mail.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Veuillez saisir votre message.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Veuillez saisir le nom de votre ami.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Veuillez saisir l’adresse e-mail de votre ami.</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nom de votre ami</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Adresse e-mail de votre ami</translation>
    </message>
</context>
<context>
    <name>toevane::promo</name>
    <message>
        <source>The Most Popular Online Discussion Board On Esoteric Subjects. The Best Resource For All Things Esoteric. Visit %1 Now!</source>
        <extracomment>%1 is the forum&apos;s host name. At most two lines of 468 pixels at 9 pt bold.</extracomment>
        <translation>Le forum de discussion ésotérique le plus populaire. La meilleure source sur l’ésotérisme. Visitez vite %1&#xa0;!</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <extracomment>&quot;&amp;&amp;&quot; shows as one &quot;&amp;&quot;. At most three lines of 399 pixels at 8.25 pt bold (the results window; four lines of 311 pixels in the questionnaire).</extracomment>
        <translation>Personnalisez ce logiciel aux couleurs de votre site. Fidélisez vos visiteurs et gagnez du trafic. Nom &amp;&amp; lien de votre site ici. Voir «&#xa0;Aide&#xa0;». Cliquez ici pour en savoir plus sur le co-branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <extracomment>At most three lines of 399 pixels at 8.25 pt bold (the results window; four lines of 311 pixels in the questionnaire).</extracomment>
        <translation>Travail à domicile&#xa0;: lancez votre propre entreprise sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel aux couleurs de votre site. Cliquez ici pour en savoir plus.</translation>
    </message>
</context>
</TS>
