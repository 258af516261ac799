<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>toevane::ReferAFriendForm</name>
    <message>
        <source>Refer A Friend</source>
        <extracomment>The frame of the form; fits in 455 pixels at 9.75 pt bold.</extracomment>
        <translation>Einem Freund empfehlen</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <extracomment>Fits in 217 pixels at 8.25 pt bold.</extracomment>
        <translation>Jetzt &amp;weiterempfehlen</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Die E-Mail-Adresse darf keine Leerzeichen enthalten.</translation>
    </message>
</context>
<context>
    <name>toevane::Shell</name>
    <message>
        <source>Application is already running</source>
        <translation>Das Programm läuft bereits.</translation>
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
        <translation>Es fällt dir nicht leicht, deine Gefühle mit anderen zu teilen.</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>This toe indicates a high level of energy.</source>
        <translation>Solche Zehen zeugen von viel Energie.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Kurz</translation>
    </message>
    <message>
        <source>This toe indicates that you are controlled and not very expressive.</source>
        <translation>Solche Zehen zeigen, dass du beherrscht bist und wenig von dir preisgibst.</translation>
    </message>
    <message>
        <source>Pointed</source>
        <translation>Spitz</translation>
    </message>
    <message>
        <source>This toe indicates that you are prone to sudden bursts of energy.</source>
        <translation>Solche Zehen zeigen, dass du zu plötzlichen Energieschüben neigst.</translation>
    </message>
    <message>
        <source>Rounded</source>
        <translation>Rund</translation>
    </message>
    <message>
        <source>You are vulnerable but also diplomatic.</source>
        <translation>Du bist verletzlich, aber auch diplomatisch.</translation>
    </message>
    <message>
        <source>Spatulate</source>
        <translation>Spatelförmig</translation>
    </message>
    <message>
        <source>This toe indicates a lot of energy that can be powerful if used the right way. </source>
        <translation>Solche Zehen zeugen von einer Energie, die viel bewirken kann, wenn du sie richtig einsetzt.</translation>
    </message>
    <message>
        <source>Rectangular</source>
        <translation>Rechteckig</translation>
    </message>
    <message>
        <source>This toe signifies a practical and down-to-earth nature.</source>
        <translation>Solche Zehen stehen für ein praktisches, bodenständiges Wesen.</translation>
    </message>
    <message>
        <source>Bent towards Big Toe</source>
        <translation>Zum großen Zeh gebogen</translation>
    </message>
    <message>
        <source>This means that you still think about past happenings.</source>
        <translation>Das bedeutet, dass du noch oft an Vergangenes denkst.</translation>
    </message>
    <message>
        <source>Bent towards Little Toe</source>
        <translation>Zum kleinen Zeh gebogen</translation>
    </message>
    <message>
        <source>You are in a hurry to face the unknown future.</source>
        <translation>Du kannst es kaum erwarten, der unbekannten Zukunft zu begegnen.</translation>
    </message>
    <message>
        <source>Large Big Toe</source>
        <translation>Kräftiger großer Zeh</translation>
    </message>
    <message>
        <source>You may talk too much on the verge of boastfulness and not implement all your ideas but you may also be rational. This also indicates wealth and prosperity. </source>
        <translation>Vielleicht redest du zu viel, fast schon prahlerisch, und setzt nicht alle Ideen um, kannst aber auch vernünftig sein. Das deutet auch auf Wohlstand hin.</translation>
    </message>
    <message>
        <source>Small Big Toe</source>
        <translation>Zierlicher großer Zeh</translation>
    </message>
    <message>
        <source>You may not be very dependable by nature.</source>
        <translation>Von Natur aus bist du vielleicht nicht sehr zuverlässig.</translation>
    </message>
    <message>
        <source>Rounded Big Toe </source>
        <translation>Runder großer Zeh</translation>
    </message>
    <message>
        <source>You are very clever and can go to great heights in life.</source>
        <translation>Du bist sehr klug und kannst es im Leben weit bringen.</translation>
    </message>
    <message>
        <source>Painful Big Toe</source>
        <translation>Schmerzender großer Zeh</translation>
    </message>
    <message>
        <source>You may have to face sorrows in life.</source>
        <translation>Vielleicht steht dir im Leben mancher Kummer bevor.</translation>
    </message>
    <message>
        <source>Standalone Big Toe</source>
        <translation>Abstehender großer Zeh</translation>
    </message>
    <message>
        <source>Second Toe Larger than the Big Toe</source>
        <translation>Zweiter Zeh größer als der große</translation>
    </message>
    <message>
        <source>You may have a dominating nature. But you can be a leader if you take life positively.</source>
        <translation>Vielleicht hast du ein dominantes Wesen. Doch wenn du das Leben positiv angehst, kannst du andere gut führen.</translation>
    </message>
    <message>
        <source>Second Toe Smaller than the Big Toe</source>
        <translation>Zweiter Zeh kleiner als der große</translation>
    </message>
    <message>
        <source>You will have an average lifestyle with enough money but never more. </source>
        <translation>Du wirst ein durchschnittliches Leben führen, mit genug Geld, aber nie mehr.</translation>
    </message>
    <message>
        <source>Webbed Second Toe</source>
        <translation>Zweiter Zeh mit Schwimmhaut</translation>
    </message>
    <message>
        <source>Your career means everything to you.</source>
        <translation>Deine Karriere bedeutet dir alles.</translation>
    </message>
    <message>
        <source>High Arches</source>
        <translation>Hohes Fußgewölbe</translation>
    </message>
    <message>
        <source>You are very logical by nature and a thinker at heart. You may tend to dream a lot.</source>
        <translation>Du bist von Natur aus sehr logisch und ein Denker durch und durch. Vielleicht träumst du gern und viel.</translation>
    </message>
    <message>
        <source>Low Arches or Flat Feet</source>
        <translation>Flaches Gewölbe oder Plattfüße</translation>
    </message>
    <message>
        <source>You are very practical by nature.</source>
        <translation>Du bist von Natur aus sehr praktisch veranlagt.</translation>
    </message>
    <message>
        <source>Swollen Feet</source>
        <translation>Geschwollene Füße</translation>
    </message>
    <message>
        <source>Twisted</source>
        <translation>Verdreht</translation>
    </message>
    <message>
        <source>You may tend to run away from the truth and need encouragement from others.</source>
        <translation>Vielleicht läufst du gern vor der Wahrheit davon und brauchst die Ermutigung anderer.</translation>
    </message>
    <message>
        <source>Bent</source>
        <translation>Gebogen</translation>
    </message>
    <message>
        <source>You may scared to bear responsibility and very unsure of yourself</source>
        <translation>Vielleicht scheust du Verantwortung und bist dir deiner selbst sehr unsicher.</translation>
    </message>
    <message>
        <source>Crooked</source>
        <translation>Krumm</translation>
    </message>
    <message>
        <source>You may change your thinking to please others.</source>
        <translation>Vielleicht änderst du deine Meinung, um anderen zu gefallen.</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>You may not have a very dependable nature.</source>
        <translation>Vielleicht bist du kein besonders verlässlicher Mensch.</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>You are well liked and respected.</source>
        <translation>Du bist beliebt und geachtet.</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>You may become wealthy.</source>
        <translation>Vielleicht wirst du reich.</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Kupferfarben</translation>
    </message>
    <message>
        <source>You will lead a royal life.</source>
        <translation>Du wirst ein königliches Leben führen.</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Senkrecht</translation>
    </message>
    <message>
        <source>You may go to all extent to support your opinions</source>
        <translation>Vielleicht gehst du für deine Überzeugungen bis zum Äußersten.</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Waagerecht</translation>
    </message>
    <message>
        <source>You may feel emotional unstable.</source>
        <translation>Vielleicht fühlst du dich emotional unausgeglichen.</translation>
    </message>
    <message>
        <source>Toe Appearance</source>
        <translation>Aussehen der Zehen</translation>
    </message>
    <message>
        <source>Inclination of Toes</source>
        <translation>Neigung der Zehen</translation>
    </message>
    <message>
        <source>Big Toe</source>
        <translation>Großer Zeh</translation>
    </message>
    <message>
        <source>Second Toe</source>
        <translation>Zweiter Zeh</translation>
    </message>
    <message>
        <source>Foot Arches </source>
        <translation>Fußgewölbe</translation>
    </message>
    <message>
        <source>Foot Arches</source>
        <translation>Fußgewölbe</translation>
    </message>
    <message>
        <source>Toe Shape</source>
        <translation>Zehenform</translation>
    </message>
    <message>
        <source>Color of Nails</source>
        <translation>Farbe der Nägel</translation>
    </message>
    <message>
        <source>Ridges on Toe Nails</source>
        <translation>Rillen auf den Zehennägeln</translation>
    </message>
    <message>
        <source>&amp;Analyze My Toes</source>
        <extracomment>The last page&apos;s button; fits in 132 pixels at 8.25 pt bold.</extracomment>
        <translation>Zehen &amp;analysieren</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <extracomment>Fits in 132 pixels at 8.25 pt bold.</extracomment>
        <translation>&amp;Weiter</translation>
    </message>
</context>
<context>
    <name>toevane::frmAbout</name>
    <message>
        <source>&amp;OK</source>
        <extracomment>Fits in 80 pixels at 8.25 pt bold.</extracomment>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <extracomment>Three lines of 383 pixels at 8.25 pt bold.</extracomment>
        <translation>Geld verdienen von zu Hause: Starte dein eigenes Internetgeschäft. Hol dir diese Software mit dem Namen deiner Website.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Hier klicken für mehr Details</translation>
    </message>
    <message>
        <source>Toevane is a divination software based on the shape and looks of a person&apos;s feet and the personality characteristics they reveal. The toes of our feet can tell us more about ourselves and the problems that we may be about to face in life. Copyright © Starwell Softwares. All rights reserved.</source>
        <extracomment>Five lines of 383 pixels at 8.25 pt.</extracomment>
        <translation>Toevane ist ein Wahrsageprogramm, das aus Form und Aussehen der Füße eines Menschen seine Charakterzüge herausliest. Unsere Zehen können uns mehr über uns selbst verraten und über die Probleme, die uns im Leben bevorstehen könnten. Copyright © Starwell Softwares. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the forum&apos;s address. One line of 383 pixels at 8.25 pt bold.</extracomment>
        <translation>Hier geht’s zu %1</translation>
    </message>
</context>
<context>
    <name>toevane::frmDisplay</name>
    <message>
        <source>You are not selected this type of Toe.</source>
        <extracomment>Said in place of the Toe Shape answer that was skipped; at most four lines of 273 pixels at 8.25 pt bold.</extracomment>
        <translation>Du hast keine Zehenform gewählt.</translation>
    </message>
    <message>
        <source>Toevane Interpretation</source>
        <translation>Toevane-Deutung</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>Fits in 68 pixels at 8.25 pt bold.</extracomment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Fits in 68 pixels at 8.25 pt bold.</extracomment>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Toevane reading %1</source>
        <extracomment>The name a saved reading is offered under; %1 is the date, 2026-12-08.</extracomment>
        <translation>Toevane-Deutung %1</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>The reading&apos;s right-click menu.</extracomment>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Save Reading As…</source>
        <extracomment>The reading&apos;s right-click menu.</extracomment>
        <translation>Deutung &amp;speichern unter…</translation>
    </message>
    <message>
        <source>Save Reading As</source>
        <translation>Deutung speichern unter</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1 because a folder has that name.</source>
        <translation>Die Deutung konnte nicht als %1 gespeichert werden, weil ein Ordner so heißt.</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1 because its folder does not exist.</source>
        <translation>Die Deutung konnte nicht als %1 gespeichert werden, weil der Ordner nicht existiert.</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1 because you have no permission to write there.</source>
        <translation>Die Deutung konnte nicht als %1 gespeichert werden, weil du dort nicht schreiben darfst.</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1 because the disk is full.</source>
        <translation>Die Deutung konnte nicht als %1 gespeichert werden, weil der Datenträger voll ist.</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1.</source>
        <translation>Die Deutung konnte nicht als %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Textdatei (*.txt)</translation>
    </message>
</context>
<context>
    <name>toevane::frmMain</name>
    <message>
        <source>Toevane is a feet divination software. Know what your toes reveal about your personality with this simple tool. Just choose the right options that stand true for you and get your answers! </source>
        <extracomment>Four lines of 464 pixels at 8.25 pt bold.</extracomment>
        <translation>Toevane ist ein Programm zum Fußlesen. Finde mit diesem einfachen Werkzeug heraus, was deine Zehen über deine Persönlichkeit verraten. Wähle einfach die Antworten, die auf dich zutreffen, und erhalte deine Deutung!</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>Fits in 92 pixels at 8.25 pt bold.</extracomment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Fits in 84 pixels at 8.25 pt bold.</extracomment>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Do you want to select this option ?</source>
        <translation>Möchtest du auf dieser Seite eine Antwort wählen?</translation>
    </message>
    <message>
        <source>Please select an option</source>
        <translation>Bitte wähle eine Antwort aus.</translation>
    </message>
</context>
<context>
    <name>toevane::frmNagScreen2</name>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Fits in 75 pixels at 8.25 pt.</extracomment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Download Starwell Softwares</source>
        <extracomment>Fits in 233 pixels at 9.75 pt bold.</extracomment>
        <translation>Starwell Softwares laden</translation>
    </message>
    <message>
        <source>Click Here To Visit Starwell Softwares</source>
        <extracomment>Fits in 239 pixels at 9 pt bold.</extracomment>
        <translation>Besuche Starwell Softwares</translation>
    </message>
    <message>
        <source>Starwell Softwares like this one can be created and maintained only with your support. The best way to support Starwell Board is to visit %1 regularly and take part in its discussions and activities.</source>
        <extracomment>%1 is the forum&apos;s address. The four promotions: at most four lines of 465 pixels at 9.75 pt bold.</extracomment>
        <translation>Programme wie dieses gibt es nur dank deiner Unterstützung. Am besten unterstützt du das Starwell Board, indem du regelmäßig %1 besuchst und bei den Diskussionen und Aktivitäten mitmachst.</translation>
    </message>
    <message>
        <source>Please visit %1 regularly and support it by taking part in the discussions and other activities. These programs cannot be supported and maintained without you visiting the site regularly.</source>
        <translation>Besuche bitte regelmäßig %1 und unterstütze die Seite, indem du bei den Diskussionen und anderen Aktivitäten mitmachst. Ohne deine regelmäßigen Besuche können diese Programme nicht gepflegt werden.</translation>
    </message>
    <message>
        <source>%1 is a FREE online discussion forum for all esoteric subjects. To help the site develop and maintain this program, please visit it regularly.</source>
        <translation>%1 ist ein KOSTENLOSES Online-Forum für alle esoterischen Themen. Besuche es bitte regelmäßig, damit die Seite dieses Programm weiterentwickeln und pflegen kann.</translation>
    </message>
    <message>
        <source>%1 needs your help! All you have to do is visit it regularly and take part in its various discussions and activities, to help maintain and develop more Starwell Softwares.</source>
        <translation>%1 braucht deine Hilfe! Besuche die Seite einfach regelmäßig und mach bei ihren Diskussionen und Aktivitäten mit – so hilfst du, weitere Programme von Starwell Softwares zu entwickeln.</translation>
    </message>
    <message>
        <source>Click To Visit %1</source>
        <extracomment>%1 is the forum&apos;s address. Fits in 471 pixels at 14.25 pt.</extracomment>
        <translation>Besuche %1</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Starwell Softwares. From a single software, we have now grown to become the world’s largest resource of starwell softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first paragraph; with the second, at most 257 pixels high in 233 pixels at 9 pt.</extracomment>
        <translation>Wenn dir dieses Programm gefallen hat, interessieren dich sicher auch unsere anderen Programme von Starwell Softwares. Aus einem einzigen Programm ist die weltweit größte Sammlung solcher Programme geworden. Ob Astrologie, Hellsehen, Tarot, Numerologie oder Okkultes – wir haben Programme für alle Bereiche und bieten so eine große Auswahl für jedes Interesse.</translation>
    </message>
    <message>
        <source>All the programs in the Starwell Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <extracomment>The second paragraph.</extracomment>
        <translation>Alle Programme von Starwell Softwares sind einfach zu bedienen. Sie machen Spaß und sind zugleich sehr informativ. Probiere sie noch heute aus und erzähle Freunden und Familie davon.</translation>
    </message>
</context>
<context>
    <name>toevane::menus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Unsere &amp;Website besuchen</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <extracomment>The questionnaire&apos;s item.</extracomment>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <extracomment>The results window&apos;s item.</extracomment>
        <translation>&amp;Nach Updates suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Ü&amp;ber die Software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <extracomment>A menu of the menu bar, whose four menus share 484 pixels at 8.25 pt.</extracomment>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <extracomment>The menu bar&apos;s last menu, always greyed out; the four menus share 484 pixels at 8.25 pt.</extracomment>
        <translation>Geld &amp;online verdienen</translation>
    </message>
</context>
<context>
    <name>toevane::modHelp</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Möglicherweise gibt es ein Update für dieses Programm.</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Möchtest du nach einem Update suchen?</translation>
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
        <translation>Bitte gib zwei verschiedene E-Mail-Adressen ein.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Bitte gib eine gültige E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte gib deinen Namen ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Bitte gib deine E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Bitte gib deine Nachricht ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Bitte gib den Namen deines Freundes ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Bitte gib die E-Mail-Adresse deines Freundes ein.</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Deine E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Name deines Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-Mail-Adresse deines Freundes</translation>
    </message>
</context>
<context>
    <name>toevane::promo</name>
    <message>
        <source>The Most Popular Online Discussion Board On Esoteric Subjects. The Best Resource For All Things Esoteric. Visit %1 Now!</source>
        <extracomment>%1 is the forum&apos;s host name. At most two lines of 468 pixels at 9 pt bold.</extracomment>
        <translation>Das beliebteste Online-Forum für Esoterik. Die beste Quelle für alles Esoterische. Besuche jetzt %1!</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <extracomment>&quot;&amp;&amp;&quot; shows as one &quot;&amp;&quot;. At most three lines of 399 pixels at 8.25 pt bold (the results window; four lines of 311 pixels in the questionnaire).</extracomment>
        <translation>Co-Branding für deine Website: mehr Treue und mehr Besucher. Name &amp;&amp; Link deiner Website hier. Siehe „Hilfe“. Hier klicken für mehr Infos zum Co-Branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <extracomment>At most three lines of 399 pixels at 8.25 pt bold (the results window; four lines of 311 pixels in the questionnaire).</extracomment>
        <translation>Geld verdienen von zu Hause: Starte dein eigenes Internetgeschäft. Hol dir diese Software mit dem Namen deiner Website. Hier klicken für mehr Details.</translation>
    </message>
</context>
</TS>
