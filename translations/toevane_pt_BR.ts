<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>toevane::ReferAFriendForm</name>
    <message>
        <source>Refer A Friend</source>
        <extracomment>The frame of the form; fits in 455 pixels at 9.75 pt bold.</extracomment>
        <translation>Indique para um amigo</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <extracomment>Fits in 217 pixels at 8.25 pt bold.</extracomment>
        <translation>&amp;Indicar agora</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>O endereço de e-mail não pode conter espaços</translation>
    </message>
</context>
<context>
    <name>toevane::Shell</name>
    <message>
        <source>Application is already running</source>
        <translation>O aplicativo já está em execução</translation>
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
        <translation>Você não se sente muito à vontade para compartilhar seus sentimentos com os outros.</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grandes</translation>
    </message>
    <message>
        <source>This toe indicates a high level of energy.</source>
        <translation>Estes dedos indicam um alto nível de energia.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Curtos</translation>
    </message>
    <message>
        <source>This toe indicates that you are controlled and not very expressive.</source>
        <translation>Estes dedos indicam que você é uma pessoa contida e pouco expressiva.</translation>
    </message>
    <message>
        <source>Pointed</source>
        <translation>Pontudos</translation>
    </message>
    <message>
        <source>This toe indicates that you are prone to sudden bursts of energy.</source>
        <translation>Estes dedos indicam que você costuma ter explosões repentinas de energia.</translation>
    </message>
    <message>
        <source>Rounded</source>
        <translation>Arredondados</translation>
    </message>
    <message>
        <source>You are vulnerable but also diplomatic.</source>
        <translation>Você é uma pessoa vulnerável, mas também diplomática.</translation>
    </message>
    <message>
        <source>Spatulate</source>
        <translation>Espatulados</translation>
    </message>
    <message>
        <source>This toe indicates a lot of energy that can be powerful if used the right way. </source>
        <translation>Estes dedos indicam muita energia, que pode ser poderosa se for bem usada.</translation>
    </message>
    <message>
        <source>Rectangular</source>
        <translation>Retangulares</translation>
    </message>
    <message>
        <source>This toe signifies a practical and down-to-earth nature.</source>
        <translation>Estes dedos revelam uma natureza prática e com os pés no chão.</translation>
    </message>
    <message>
        <source>Bent towards Big Toe</source>
        <translation>Inclinados para o dedão</translation>
    </message>
    <message>
        <source>This means that you still think about past happenings.</source>
        <translation>Isso significa que você ainda pensa em coisas do passado.</translation>
    </message>
    <message>
        <source>Bent towards Little Toe</source>
        <translation>Inclinados para o dedo mínimo</translation>
    </message>
    <message>
        <source>You are in a hurry to face the unknown future.</source>
        <translation>Você tem pressa de encarar o futuro desconhecido.</translation>
    </message>
    <message>
        <source>Large Big Toe</source>
        <translation>Dedão grande</translation>
    </message>
    <message>
        <source>You may talk too much on the verge of boastfulness and not implement all your ideas but you may also be rational. This also indicates wealth and prosperity. </source>
        <translation>Talvez você fale demais, quase se gabando, e não ponha em prática todas as suas ideias, mas também pode ser racional. Isso também indica riqueza e prosperidade.</translation>
    </message>
    <message>
        <source>Small Big Toe</source>
        <translation>Dedão pequeno</translation>
    </message>
    <message>
        <source>You may not be very dependable by nature.</source>
        <translation>Talvez você não seja muito confiável por natureza.</translation>
    </message>
    <message>
        <source>Rounded Big Toe </source>
        <translation>Dedão arredondado</translation>
    </message>
    <message>
        <source>You are very clever and can go to great heights in life.</source>
        <translation>Você é muito inteligente e pode chegar longe na vida.</translation>
    </message>
    <message>
        <source>Painful Big Toe</source>
        <translation>Dedão dolorido</translation>
    </message>
    <message>
        <source>You may have to face sorrows in life.</source>
        <translation>Talvez você tenha que enfrentar tristezas na vida.</translation>
    </message>
    <message>
        <source>Standalone Big Toe</source>
        <translation>Dedão separado</translation>
    </message>
    <message>
        <source>Second Toe Larger than the Big Toe</source>
        <translation>Segundo dedo maior que o dedão</translation>
    </message>
    <message>
        <source>You may have a dominating nature. But you can be a leader if you take life positively.</source>
        <translation>Talvez você tenha uma natureza dominadora. Mas pode ser líder se encarar a vida de forma positiva.</translation>
    </message>
    <message>
        <source>Second Toe Smaller than the Big Toe</source>
        <translation>Segundo dedo menor que o dedão</translation>
    </message>
    <message>
        <source>You will have an average lifestyle with enough money but never more. </source>
        <translation>Você terá um padrão de vida mediano, com dinheiro suficiente, mas nunca mais que isso.</translation>
    </message>
    <message>
        <source>Webbed Second Toe</source>
        <translation>Segundo dedo palmado</translation>
    </message>
    <message>
        <source>Your career means everything to you.</source>
        <translation>Sua carreira é tudo para você.</translation>
    </message>
    <message>
        <source>High Arches</source>
        <translation>Arcos altos</translation>
    </message>
    <message>
        <source>You are very logical by nature and a thinker at heart. You may tend to dream a lot.</source>
        <translation>Você tem uma mente muito lógica e, no fundo, é uma pessoa pensativa. Talvez tenda a sonhar muito.</translation>
    </message>
    <message>
        <source>Low Arches or Flat Feet</source>
        <translation>Arcos baixos ou pés chatos</translation>
    </message>
    <message>
        <source>You are very practical by nature.</source>
        <translation>Você é uma pessoa muito prática por natureza.</translation>
    </message>
    <message>
        <source>Swollen Feet</source>
        <translation>Pés inchados</translation>
    </message>
    <message>
        <source>Twisted</source>
        <translation>Retorcidos</translation>
    </message>
    <message>
        <source>You may tend to run away from the truth and need encouragement from others.</source>
        <translation>Talvez você tenda a fugir da verdade e precise do incentivo dos outros.</translation>
    </message>
    <message>
        <source>Bent</source>
        <translation>Dobrados</translation>
    </message>
    <message>
        <source>You may scared to bear responsibility and very unsure of yourself</source>
        <translation>Talvez você tenha medo de assumir responsabilidades e tenha pouca autoconfiança.</translation>
    </message>
    <message>
        <source>Crooked</source>
        <translation>Tortos</translation>
    </message>
    <message>
        <source>You may change your thinking to please others.</source>
        <translation>Talvez você mude de opinião para agradar aos outros.</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Pretas</translation>
    </message>
    <message>
        <source>You may not have a very dependable nature.</source>
        <translation>Talvez seu caráter não seja muito confiável.</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azuis</translation>
    </message>
    <message>
        <source>You are well liked and respected.</source>
        <translation>Você é uma pessoa querida e respeitada.</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarelas</translation>
    </message>
    <message>
        <source>You may become wealthy.</source>
        <translation>Talvez você faça fortuna.</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Acobreadas</translation>
    </message>
    <message>
        <source>You will lead a royal life.</source>
        <translation>Você vai levar uma vida de rei.</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticais</translation>
    </message>
    <message>
        <source>You may go to all extent to support your opinions</source>
        <translation>Talvez você faça de tudo para defender suas opiniões.</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontais</translation>
    </message>
    <message>
        <source>You may feel emotional unstable.</source>
        <translation>Talvez você se sinta emocionalmente instável.</translation>
    </message>
    <message>
        <source>Toe Appearance</source>
        <translation>Aparência dos dedos</translation>
    </message>
    <message>
        <source>Inclination of Toes</source>
        <translation>Inclinação dos dedos</translation>
    </message>
    <message>
        <source>Big Toe</source>
        <translation>Dedão</translation>
    </message>
    <message>
        <source>Second Toe</source>
        <translation>Segundo dedo</translation>
    </message>
    <message>
        <source>Foot Arches </source>
        <translation>Arcos dos pés</translation>
    </message>
    <message>
        <source>Foot Arches</source>
        <translation>Arcos dos pés</translation>
    </message>
    <message>
        <source>Toe Shape</source>
        <translation>Formato dos dedos</translation>
    </message>
    <message>
        <source>Color of Nails</source>
        <translation>Cor das unhas</translation>
    </message>
    <message>
        <source>Ridges on Toe Nails</source>
        <translation>Estrias nas unhas</translation>
    </message>
    <message>
        <source>&amp;Analyze My Toes</source>
        <extracomment>The last page&apos;s button; fits in 132 pixels at 8.25 pt bold.</extracomment>
        <translation>Ana&amp;lisar dedos</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <extracomment>Fits in 132 pixels at 8.25 pt bold.</extracomment>
        <translation>&amp;Próximo</translation>
    </message>
</context>
<context>
    <name>toevane::frmAbout</name>
    <message>
        <source>&amp;OK</source>
        <extracomment>Fits in 80 pixels at 8.25 pt bold.</extracomment>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <extracomment>Three lines of 383 pixels at 8.25 pt bold.</extracomment>
        <translation>Oportunidade de negócio em casa. Abra seu próprio negócio na internet e ganhe dinheiro on-line. Tenha este programa com a marca do seu site.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Clique aqui para mais detalhes</translation>
    </message>
    <message>
        <source>Toevane is a divination software based on the shape and looks of a person&apos;s feet and the personality characteristics they reveal. The toes of our feet can tell us more about ourselves and the problems that we may be about to face in life. Copyright © Starwell Softwares. All rights reserved.</source>
        <extracomment>Five lines of 383 pixels at 8.25 pt.</extracomment>
        <translation>Toevane é um programa de adivinhação baseado no formato e na aparência dos pés e nos traços de personalidade que eles revelam. Os dedos dos pés podem nos contar mais sobre nós mesmos e sobre os problemas que talvez estejamos prestes a enfrentar. Copyright © Starwell Softwares. Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the forum&apos;s address. One line of 383 pixels at 8.25 pt bold.</extracomment>
        <translation>Clique aqui para visitar %1</translation>
    </message>
</context>
<context>
    <name>toevane::frmDisplay</name>
    <message>
        <source>You are not selected this type of Toe.</source>
        <extracomment>Said in place of the Toe Shape answer that was skipped; at most four lines of 273 pixels at 8.25 pt bold.</extracomment>
        <translation>Você não selecionou nenhum formato de dedo.</translation>
    </message>
    <message>
        <source>Toevane Interpretation</source>
        <translation>Interpretação do Toevane</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>Fits in 68 pixels at 8.25 pt bold.</extracomment>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Fits in 68 pixels at 8.25 pt bold.</extracomment>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>Toevane reading %1</source>
        <extracomment>The name a saved reading is offered under; %1 is the date, 2026-12-08.</extracomment>
        <translation>Interpretação do Toevane %1</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>The reading&apos;s right-click menu.</extracomment>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Save Reading As…</source>
        <extracomment>The reading&apos;s right-click menu.</extracomment>
        <translation>&amp;Salvar interpretação como…</translation>
    </message>
    <message>
        <source>Save Reading As</source>
        <translation>Salvar interpretação como</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1 because a folder has that name.</source>
        <translation>Não foi possível salvar a interpretação como %1 porque uma pasta tem esse nome.</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1 because its folder does not exist.</source>
        <translation>Não foi possível salvar a interpretação como %1 porque a pasta não existe.</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1 because you have no permission to write there.</source>
        <translation>Não foi possível salvar a interpretação como %1 porque você não tem permissão para gravar nesse local.</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1 because the disk is full.</source>
        <translation>Não foi possível salvar a interpretação como %1 porque o disco está cheio.</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1.</source>
        <translation>Não foi possível salvar a interpretação como %1.</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Texto simples (*.txt)</translation>
    </message>
</context>
<context>
    <name>toevane::frmMain</name>
    <message>
        <source>Toevane is a feet divination software. Know what your toes reveal about your personality with this simple tool. Just choose the right options that stand true for you and get your answers! </source>
        <extracomment>Four lines of 464 pixels at 8.25 pt bold.</extracomment>
        <translation>Toevane é um programa de adivinhação pelos pés. Descubra o que seus dedos revelam sobre a sua personalidade com esta ferramenta simples. É só escolher as opções que combinam com você e receber suas respostas!</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>Fits in 92 pixels at 8.25 pt bold.</extracomment>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Fits in 84 pixels at 8.25 pt bold.</extracomment>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>Do you want to select this option ?</source>
        <translation>Deseja selecionar uma opção?</translation>
    </message>
    <message>
        <source>Please select an option</source>
        <translation>Selecione uma opção</translation>
    </message>
</context>
<context>
    <name>toevane::frmNagScreen2</name>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Fits in 75 pixels at 8.25 pt.</extracomment>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Download Starwell Softwares</source>
        <extracomment>Fits in 233 pixels at 9.75 pt bold.</extracomment>
        <translation>Baixe da Starwell Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Starwell Softwares</source>
        <extracomment>Fits in 239 pixels at 9 pt bold.</extracomment>
        <translation>Visite a Starwell Softwares</translation>
    </message>
    <message>
        <source>Starwell Softwares like this one can be created and maintained only with your support. The best way to support Starwell Board is to visit %1 regularly and take part in its discussions and activities.</source>
        <extracomment>%1 is the forum&apos;s address. The four promotions: at most four lines of 465 pixels at 9.75 pt bold.</extracomment>
        <translation>Programas da Starwell Softwares como este só podem ser criados e mantidos com o seu apoio. A melhor forma de apoiar o Starwell Board é visitar %1 com frequência e participar das discussões e atividades.</translation>
    </message>
    <message>
        <source>Please visit %1 regularly and support it by taking part in the discussions and other activities. These programs cannot be supported and maintained without you visiting the site regularly.</source>
        <translation>Visite %1 com frequência e apoie o site participando das discussões e de outras atividades. Sem as suas visitas frequentes ao site, não é possível manter estes programas.</translation>
    </message>
    <message>
        <source>%1 is a FREE online discussion forum for all esoteric subjects. To help the site develop and maintain this program, please visit it regularly.</source>
        <translation>%1 é um fórum de discussão on-line GRATUITO sobre todos os assuntos esotéricos. Para ajudar o site a crescer e a manter este programa, visite-o com frequência.</translation>
    </message>
    <message>
        <source>%1 needs your help! All you have to do is visit it regularly and take part in its various discussions and activities, to help maintain and develop more Starwell Softwares.</source>
        <translation>%1 precisa da sua ajuda! Basta visitá-lo com frequência e participar das discussões e atividades para ajudar a manter e criar mais programas da Starwell Softwares.</translation>
    </message>
    <message>
        <source>Click To Visit %1</source>
        <extracomment>%1 is the forum&apos;s address. Fits in 471 pixels at 14.25 pt.</extracomment>
        <translation>Visite %1</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Starwell Softwares. From a single software, we have now grown to become the world’s largest resource of starwell softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first paragraph; with the second, at most 257 pixels high in 233 pixels at 9 pt.</extracomment>
        <translation>Se você gostou deste programa, com certeza vai se interessar pelos outros programas da Starwell Softwares. Começamos com um só programa e hoje somos a maior coleção do mundo de programas desse tipo. Astrologia, vidência, tarô, numerologia ou ocultismo: temos programas de todo tipo, para cada um escolher conforme seus interesses.</translation>
    </message>
    <message>
        <source>All the programs in the Starwell Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <extracomment>The second paragraph.</extracomment>
        <translation>Todos os programas da Starwell Softwares são simples e fáceis de usar. Além de divertidos, são muito informativos. Experimente hoje mesmo e conte sua experiência para amigos e familiares.</translation>
    </message>
</context>
<context>
    <name>toevane::menus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ajuda &amp;on-line</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visite nosso site</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <extracomment>The questionnaire&apos;s item.</extracomment>
        <translation>Buscar &amp;atualizações</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <extracomment>The results window&apos;s item.</extracomment>
        <translation>&amp;Buscar atualizações</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Sobre o programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <extracomment>A menu of the menu bar, whose four menus share 484 pixels at 8.25 pt.</extracomment>
        <translation>&amp;Doar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <extracomment>The menu bar&apos;s last menu, always greyed out; the four menus share 484 pixels at 8.25 pt.</extracomment>
        <translation>Ganhar dinheiro &amp;on-line</translation>
    </message>
</context>
<context>
    <name>toevane::modHelp</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Talvez haja uma atualização disponível para este programa.</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Deseja buscar atualizações?</translation>
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
        <translation>Digite dois endereços de e-mail diferentes</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Digite um endereço de e-mail válido</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Digite seu nome</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Digite seu e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Digite sua mensagem</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Digite o nome do seu amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Digite o e-mail do seu amigo</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Seu endereço de e-mail</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome do amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Endereço de e-mail do amigo</translation>
    </message>
</context>
<context>
    <name>toevane::promo</name>
    <message>
        <source>The Most Popular Online Discussion Board On Esoteric Subjects. The Best Resource For All Things Esoteric. Visit %1 Now!</source>
        <extracomment>%1 is the forum&apos;s host name. At most two lines of 468 pixels at 9 pt bold.</extracomment>
        <translation>O fórum de discussão on-line mais popular sobre esoterismo. O melhor recurso para tudo o que é esotérico. Visite %1 agora!</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <extracomment>&quot;&amp;&amp;&quot; shows as one &quot;&amp;&quot;. At most three lines of 399 pixels at 8.25 pt bold (the results window; four lines of 311 pixels in the questionnaire).</extracomment>
        <translation>Coloque a marca do seu site neste programa. Ganhe fidelidade e tráfego. Coloque aqui o nome e o link do seu site. Veja “Ajuda”. Clique aqui para saber mais.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <extracomment>At most three lines of 399 pixels at 8.25 pt bold (the results window; four lines of 311 pixels in the questionnaire).</extracomment>
        <translation>Oportunidade de negócio em casa. Abra seu próprio negócio na internet e ganhe dinheiro on-line. Tenha este programa com a marca do seu site. Clique aqui para mais detalhes.</translation>
    </message>
</context>
</TS>
