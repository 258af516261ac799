<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>toevane::ReferAFriendForm</name>
    <message>
        <source>Refer A Friend</source>
        <extracomment>The frame of the form; fits in 455 pixels at 9.75 pt bold.</extracomment>
        <translation>Recomiéndaselo a un amigo</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <extracomment>Fits in 217 pixels at 8.25 pt bold.</extracomment>
        <translation>&amp;Recomendar ahora</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>La dirección de correo no puede contener espacios</translation>
    </message>
</context>
<context>
    <name>toevane::Shell</name>
    <message>
        <source>Application is already running</source>
        <translation>La aplicación ya se está ejecutando</translation>
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
        <translation>Te cuesta compartir tus sentimientos con los demás.</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grandes</translation>
    </message>
    <message>
        <source>This toe indicates a high level of energy.</source>
        <translation>Estos dedos indican un alto nivel de energía.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Cortos</translation>
    </message>
    <message>
        <source>This toe indicates that you are controlled and not very expressive.</source>
        <translation>Estos dedos indican que eres una persona contenida y poco expresiva.</translation>
    </message>
    <message>
        <source>Pointed</source>
        <translation>Puntiagudos</translation>
    </message>
    <message>
        <source>This toe indicates that you are prone to sudden bursts of energy.</source>
        <translation>Estos dedos indican que tiendes a tener arranques repentinos de energía.</translation>
    </message>
    <message>
        <source>Rounded</source>
        <translation>Redondeados</translation>
    </message>
    <message>
        <source>You are vulnerable but also diplomatic.</source>
        <translation>Eres una persona vulnerable, pero también diplomática.</translation>
    </message>
    <message>
        <source>Spatulate</source>
        <translation>Espatulados</translation>
    </message>
    <message>
        <source>This toe indicates a lot of energy that can be powerful if used the right way. </source>
        <translation>Estos dedos indican mucha energía, que puede ser muy poderosa si la usas bien.</translation>
    </message>
    <message>
        <source>Rectangular</source>
        <translation>Rectangulares</translation>
    </message>
    <message>
        <source>This toe signifies a practical and down-to-earth nature.</source>
        <translation>Estos dedos revelan un carácter práctico y con los pies en la tierra.</translation>
    </message>
    <message>
        <source>Bent towards Big Toe</source>
        <translation>Inclinados hacia el dedo gordo</translation>
    </message>
    <message>
        <source>This means that you still think about past happenings.</source>
        <translation>Significa que todavía le das vueltas a cosas del pasado.</translation>
    </message>
    <message>
        <source>Bent towards Little Toe</source>
        <translation>Inclinados hacia el meñique</translation>
    </message>
    <message>
        <source>You are in a hurry to face the unknown future.</source>
        <translation>Tienes prisa por afrontar lo que te depare el futuro.</translation>
    </message>
    <message>
        <source>Large Big Toe</source>
        <translation>Dedo gordo grande</translation>
    </message>
    <message>
        <source>You may talk too much on the verge of boastfulness and not implement all your ideas but you may also be rational. This also indicates wealth and prosperity. </source>
        <translation>Quizá hables demasiado, rozando la fanfarronería, y no lleves a cabo todas tus ideas, pero también sabes ser racional. Además, indica riqueza y prosperidad.</translation>
    </message>
    <message>
        <source>Small Big Toe</source>
        <translation>Dedo gordo pequeño</translation>
    </message>
    <message>
        <source>You may not be very dependable by nature.</source>
        <translation>Puede que por naturaleza no seas muy de fiar.</translation>
    </message>
    <message>
        <source>Rounded Big Toe </source>
        <translation>Dedo gordo redondeado</translation>
    </message>
    <message>
        <source>You are very clever and can go to great heights in life.</source>
        <translation>Eres muy inteligente y puedes llegar muy lejos en la vida.</translation>
    </message>
    <message>
        <source>Painful Big Toe</source>
        <translation>Dedo gordo dolorido</translation>
    </message>
    <message>
        <source>You may have to face sorrows in life.</source>
        <translation>Puede que tengas que afrontar penas en la vida.</translation>
    </message>
    <message>
        <source>Standalone Big Toe</source>
        <translation>Dedo gordo separado</translation>
    </message>
    <message>
        <source>Second Toe Larger than the Big Toe</source>
        <translation>Segundo dedo mayor que el gordo</translation>
    </message>
    <message>
        <source>You may have a dominating nature. But you can be a leader if you take life positively.</source>
        <translation>Puede que tengas un carácter dominante, pero si te tomas la vida con optimismo, puedes llegar a ser líder.</translation>
    </message>
    <message>
        <source>Second Toe Smaller than the Big Toe</source>
        <translation>Segundo dedo menor que el gordo</translation>
    </message>
    <message>
        <source>You will have an average lifestyle with enough money but never more. </source>
        <translation>Tendrás un nivel de vida medio, con dinero suficiente, pero nunca de sobra.</translation>
    </message>
    <message>
        <source>Webbed Second Toe</source>
        <translation>Segundo dedo palmeado</translation>
    </message>
    <message>
        <source>Your career means everything to you.</source>
        <translation>Tu carrera profesional lo es todo para ti.</translation>
    </message>
    <message>
        <source>High Arches</source>
        <translation>Arcos altos</translation>
    </message>
    <message>
        <source>You are very logical by nature and a thinker at heart. You may tend to dream a lot.</source>
        <translation>Tienes una mente muy lógica y en el fondo eres una persona reflexiva. Puede que tiendas a soñar mucho.</translation>
    </message>
    <message>
        <source>Low Arches or Flat Feet</source>
        <translation>Arcos bajos o pies planos</translation>
    </message>
    <message>
        <source>You are very practical by nature.</source>
        <translation>Eres una persona muy práctica por naturaleza.</translation>
    </message>
    <message>
        <source>Swollen Feet</source>
        <translation>Pies hinchados</translation>
    </message>
    <message>
        <source>Twisted</source>
        <translation>Retorcidos</translation>
    </message>
    <message>
        <source>You may tend to run away from the truth and need encouragement from others.</source>
        <translation>Puede que tiendas a huir de la verdad y necesites el ánimo de los demás.</translation>
    </message>
    <message>
        <source>Bent</source>
        <translation>Doblados</translation>
    </message>
    <message>
        <source>You may scared to bear responsibility and very unsure of yourself</source>
        <translation>Puede que te dé miedo asumir responsabilidades y tengas poca confianza en ti.</translation>
    </message>
    <message>
        <source>Crooked</source>
        <translation>Desviados</translation>
    </message>
    <message>
        <source>You may change your thinking to please others.</source>
        <translation>Puede que cambies de opinión para agradar a los demás.</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negras</translation>
    </message>
    <message>
        <source>You may not have a very dependable nature.</source>
        <translation>Puede que tu carácter no sea muy fiable.</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azules</translation>
    </message>
    <message>
        <source>You are well liked and respected.</source>
        <translation>Caes bien y la gente te respeta.</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillas</translation>
    </message>
    <message>
        <source>You may become wealthy.</source>
        <translation>Puede que llegues a hacer fortuna.</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Cobrizas</translation>
    </message>
    <message>
        <source>You will lead a royal life.</source>
        <translation>Llevarás una vida de reyes.</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticales</translation>
    </message>
    <message>
        <source>You may go to all extent to support your opinions</source>
        <translation>Puede que hagas lo que sea por defender tus opiniones.</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontales</translation>
    </message>
    <message>
        <source>You may feel emotional unstable.</source>
        <translation>Puede que te sientas emocionalmente inestable.</translation>
    </message>
    <message>
        <source>Toe Appearance</source>
        <translation>Aspecto de los dedos</translation>
    </message>
    <message>
        <source>Inclination of Toes</source>
        <translation>Inclinación de los dedos</translation>
    </message>
    <message>
        <source>Big Toe</source>
        <translation>Dedo gordo</translation>
    </message>
    <message>
        <source>Second Toe</source>
        <translation>Segundo dedo</translation>
    </message>
    <message>
        <source>Foot Arches </source>
        <translation>Arcos del pie</translation>
    </message>
    <message>
        <source>Foot Arches</source>
        <translation>Arcos del pie</translation>
    </message>
    <message>
        <source>Toe Shape</source>
        <translation>Forma de los dedos</translation>
    </message>
    <message>
        <source>Color of Nails</source>
        <translation>Color de las uñas</translation>
    </message>
    <message>
        <source>Ridges on Toe Nails</source>
        <translation>Estrías en las uñas</translation>
    </message>
    <message>
        <source>&amp;Analyze My Toes</source>
        <extracomment>The last page&apos;s button; fits in 132 pixels at 8.25 pt bold.</extracomment>
        <translation>Analizar &amp;mis dedos</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <extracomment>Fits in 132 pixels at 8.25 pt bold.</extracomment>
        <translation>Si&amp;guiente</translation>
    </message>
</context>
<context>
    <name>toevane::frmAbout</name>
    <message>
        <source>&amp;OK</source>
        <extracomment>Fits in 80 pixels at 8.25 pt bold.</extracomment>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <extracomment>Three lines of 383 pixels at 8.25 pt bold.</extracomment>
        <translation>Oportunidad de negocio desde casa. Crea tu propio negocio en Internet y gana dinero en línea. Consigue este programa con la marca de tu web.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Haz clic aquí para más detalles</translation>
    </message>
    <message>
        <source>Toevane is a divination software based on the shape and looks of a person&apos;s feet and the personality characteristics they reveal. The toes of our feet can tell us more about ourselves and the problems that we may be about to face in life. Copyright © Starwell Softwares. All rights reserved.</source>
        <extracomment>Five lines of 383 pixels at 8.25 pt.</extracomment>
        <translation>Toevane es un programa de adivinación basado en la forma y el aspecto de los pies de una persona y en los rasgos de personalidad que revelan. Los dedos de los pies pueden contarnos más sobre nosotros mismos y sobre los problemas que quizá nos esperan en la vida. Copyright © Starwell Softwares. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the forum&apos;s address. One line of 383 pixels at 8.25 pt bold.</extracomment>
        <translation>Haz clic aquí para visitar %1</translation>
    </message>
</context>
<context>
    <name>toevane::frmDisplay</name>
    <message>
        <source>You are not selected this type of Toe.</source>
        <extracomment>Said in place of the Toe Shape answer that was skipped; at most four lines of 273 pixels at 8.25 pt bold.</extracomment>
        <translation>No has seleccionado ninguna forma de los dedos.</translation>
    </message>
    <message>
        <source>Toevane Interpretation</source>
        <translation>Interpretación de Toevane</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>Fits in 68 pixels at 8.25 pt bold.</extracomment>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Fits in 68 pixels at 8.25 pt bold.</extracomment>
        <translation>A&amp;trás</translation>
    </message>
    <message>
        <source>Toevane reading %1</source>
        <extracomment>The name a saved reading is offered under; %1 is the date, 2026-12-08.</extracomment>
        <translation>Interpretación de Toevane %1</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>The reading&apos;s right-click menu.</extracomment>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Save Reading As…</source>
        <extracomment>The reading&apos;s right-click menu.</extracomment>
        <translation>&amp;Guardar la interpretación como…</translation>
    </message>
    <message>
        <source>Save Reading As</source>
        <translation>Guardar la interpretación como</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1 because a folder has that name.</source>
        <translation>No se pudo guardar la interpretación como %1 porque una carpeta tiene ese nombre.</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1 because its folder does not exist.</source>
        <translation>No se pudo guardar la interpretación como %1 porque su carpeta no existe.</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1 because you have no permission to write there.</source>
        <translation>No se pudo guardar la interpretación como %1 porque no tienes permiso para escribir allí.</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1 because the disk is full.</source>
        <translation>No se pudo guardar la interpretación como %1 porque el disco está lleno.</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1.</source>
        <translation>No se pudo guardar la interpretación como %1.</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Texto sin formato (*.txt)</translation>
    </message>
</context>
<context>
    <name>toevane::frmMain</name>
    <message>
        <source>Toevane is a feet divination software. Know what your toes reveal about your personality with this simple tool. Just choose the right options that stand true for you and get your answers! </source>
        <extracomment>Four lines of 464 pixels at 8.25 pt bold.</extracomment>
        <translation>Toevane es un programa de adivinación por los pies. Descubre lo que tus dedos revelan sobre tu personalidad con esta sencilla herramienta. ¡Solo tienes que elegir las opciones que encajan contigo y obtendrás tus respuestas!</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>Fits in 92 pixels at 8.25 pt bold.</extracomment>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Fits in 84 pixels at 8.25 pt bold.</extracomment>
        <translation>A&amp;trás</translation>
    </message>
    <message>
        <source>Do you want to select this option ?</source>
        <translation>¿Quieres seleccionar una opción?</translation>
    </message>
    <message>
        <source>Please select an option</source>
        <translation>Selecciona una opción</translation>
    </message>
</context>
<context>
    <name>toevane::frmNagScreen2</name>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Fits in 75 pixels at 8.25 pt.</extracomment>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Download Starwell Softwares</source>
        <extracomment>Fits in 233 pixels at 9.75 pt bold.</extracomment>
        <translation>Descarga Starwell Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Starwell Softwares</source>
        <extracomment>Fits in 239 pixels at 9 pt bold.</extracomment>
        <translation>Visita Starwell Softwares</translation>
    </message>
    <message>
        <source>Starwell Softwares like this one can be created and maintained only with your support. The best way to support Starwell Board is to visit %1 regularly and take part in its discussions and activities.</source>
        <extracomment>%1 is the forum&apos;s address. The four promotions: at most four lines of 465 pixels at 9.75 pt bold.</extracomment>
        <translation>Programas como este de Starwell Softwares solo pueden crearse y mantenerse con tu apoyo. La mejor forma de apoyar a Starwell Board es visitar %1 a menudo y participar en sus debates y actividades.</translation>
    </message>
    <message>
        <source>Please visit %1 regularly and support it by taking part in the discussions and other activities. These programs cannot be supported and maintained without you visiting the site regularly.</source>
        <translation>Visita %1 a menudo y apóyalo participando en los debates y demás actividades. Sin tus visitas habituales al sitio no podemos mantener estos programas.</translation>
    </message>
    <message>
        <source>%1 is a FREE online discussion forum for all esoteric subjects. To help the site develop and maintain this program, please visit it regularly.</source>
        <translation>%1 es un foro de debate en línea GRATUITO sobre todos los temas esotéricos. Para ayudar al sitio a crecer y a mantener este programa, visítalo a menudo.</translation>
    </message>
    <message>
        <source>%1 needs your help! All you have to do is visit it regularly and take part in its various discussions and activities, to help maintain and develop more Starwell Softwares.</source>
        <translation>¡%1 necesita tu ayuda! Solo tienes que visitarlo a menudo y participar en sus debates y actividades para ayudar a mantener y crear más programas de Starwell Softwares.</translation>
    </message>
    <message>
        <source>Click To Visit %1</source>
        <extracomment>%1 is the forum&apos;s address. Fits in 471 pixels at 14.25 pt.</extracomment>
        <translation>Visita %1</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Starwell Softwares. From a single software, we have now grown to become the world’s largest resource of starwell softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first paragraph; with the second, at most 257 pixels high in 233 pixels at 9 pt.</extracomment>
        <translation>Si te ha gustado este programa, seguro que te interesan nuestros otros programas de Starwell Softwares. Empezamos con uno solo y hoy somos la mayor colección del mundo de programas de este tipo. Astrología, videncia, tarot, numerología u ocultismo: tenemos programas de todo tipo para que cada cual elija según sus intereses.</translation>
    </message>
    <message>
        <source>All the programs in the Starwell Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <extracomment>The second paragraph.</extracomment>
        <translation>Todos los programas de Starwell Softwares son sencillos y fáciles de usar. No solo son divertidos, sino también muy instructivos. Pruébalos hoy mismo y comparte tu experiencia con tus amigos y familiares.</translation>
    </message>
</context>
<context>
    <name>toevane::menus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>A&amp;trás</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visítanos en la web</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <extracomment>The questionnaire&apos;s item.</extracomment>
        <translation>Buscar act&amp;ualizaciones</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <extracomment>The results window&apos;s item.</extracomment>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Acerca del programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <extracomment>A menu of the menu bar, whose four menus share 484 pixels at 8.25 pt.</extracomment>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <extracomment>The menu bar&apos;s last menu, always greyed out; the four menus share 484 pixels at 8.25 pt.</extracomment>
        <translation>Ganar dinero en &amp;línea</translation>
    </message>
</context>
<context>
    <name>toevane::modHelp</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Puede que haya una actualización disponible para este programa.</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>¿Quieres buscar actualizaciones?</translation>
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
        <translation>Introduce dos direcciones de correo distintas</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Introduce una dirección de correo válida</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Introduce tu nombre</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Introduce tu dirección de correo</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Introduce tu mensaje</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Introduce el nombre de tu amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Introduce la dirección de correo de tu amigo</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Tu dirección de correo</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nombre de tu amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Dirección de correo de tu amigo</translation>
    </message>
</context>
<context>
    <name>toevane::promo</name>
    <message>
        <source>The Most Popular Online Discussion Board On Esoteric Subjects. The Best Resource For All Things Esoteric. Visit %1 Now!</source>
        <extracomment>%1 is the forum&apos;s host name. At most two lines of 468 pixels at 9 pt bold.</extracomment>
        <translation>El foro de debate en línea más popular sobre temas esotéricos. El mejor recurso para todo lo esotérico. ¡Visita %1 ya!</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <extracomment>&quot;&amp;&amp;&quot; shows as one &quot;&amp;&quot;. At most three lines of 399 pixels at 8.25 pt bold (the results window; four lines of 311 pixels in the questionnaire).</extracomment>
        <translation>Pon la marca de tu web en este programa. Gana fidelidad y tráfico. Pon aquí el nombre y el enlace de tu web. Más detalles en «Ayuda». Haz clic aquí para saber más.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <extracomment>At most three lines of 399 pixels at 8.25 pt bold (the results window; four lines of 311 pixels in the questionnaire).</extracomment>
        <translation>Oportunidad de negocio desde casa. Crea tu propio negocio en Internet y gana dinero en línea. Consigue este programa con la marca de tu web. Haz clic aquí para más detalles.</translation>
    </message>
</context>
</TS>
