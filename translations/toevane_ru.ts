<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>toevane::ReferAFriendForm</name>
    <message>
        <source>Refer A Friend</source>
        <extracomment>The frame of the form; fits in 455 pixels at 9.75 pt bold.</extracomment>
        <translation>Порекомендуйте нас другу</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <extracomment>Fits in 217 pixels at 8.25 pt bold.</extracomment>
        <translation>&amp;Порекомендовать</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Адрес электронной почты не может содержать пробелы</translation>
    </message>
</context>
<context>
    <name>toevane::Shell</name>
    <message>
        <source>Application is already running</source>
        <translation>Приложение уже запущено</translation>
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
        <translation>Вам нелегко делиться своими чувствами с другими.</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Крупные</translation>
    </message>
    <message>
        <source>This toe indicates a high level of energy.</source>
        <translation>Такие пальцы говорят о высоком уровне энергии.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Короткие</translation>
    </message>
    <message>
        <source>This toe indicates that you are controlled and not very expressive.</source>
        <translation>Такие пальцы говорят о том, что вы сдержанный и не очень открытый человек.</translation>
    </message>
    <message>
        <source>Pointed</source>
        <translation>Заострённые</translation>
    </message>
    <message>
        <source>This toe indicates that you are prone to sudden bursts of energy.</source>
        <translation>Такие пальцы говорят о склонности к внезапным всплескам энергии.</translation>
    </message>
    <message>
        <source>Rounded</source>
        <translation>Округлые</translation>
    </message>
    <message>
        <source>You are vulnerable but also diplomatic.</source>
        <translation>Вы ранимы, но при этом дипломатичны.</translation>
    </message>
    <message>
        <source>Spatulate</source>
        <translation>Лопатообразные</translation>
    </message>
    <message>
        <source>This toe indicates a lot of energy that can be powerful if used the right way. </source>
        <translation>Такие пальцы говорят о большом запасе энергии, которая станет мощной силой, если направить её в нужное русло.</translation>
    </message>
    <message>
        <source>Rectangular</source>
        <translation>Прямоугольные</translation>
    </message>
    <message>
        <source>This toe signifies a practical and down-to-earth nature.</source>
        <translation>Такие пальцы говорят о практичном и приземлённом характере.</translation>
    </message>
    <message>
        <source>Bent towards Big Toe</source>
        <translation>Наклонены к большому пальцу</translation>
    </message>
    <message>
        <source>This means that you still think about past happenings.</source>
        <translation>Это значит, что вы всё ещё думаете о прошлом.</translation>
    </message>
    <message>
        <source>Bent towards Little Toe</source>
        <translation>Наклонены к мизинцу</translation>
    </message>
    <message>
        <source>You are in a hurry to face the unknown future.</source>
        <translation>Вы спешите навстречу неизвестному будущему.</translation>
    </message>
    <message>
        <source>Large Big Toe</source>
        <translation>Крупный большой палец</translation>
    </message>
    <message>
        <source>You may talk too much on the verge of boastfulness and not implement all your ideas but you may also be rational. This also indicates wealth and prosperity. </source>
        <translation>Возможно, вы много говорите, порой до хвастовства, и не воплощаете все свои идеи, но можете быть рассудительны. Это также знак богатства и процветания.</translation>
    </message>
    <message>
        <source>Small Big Toe</source>
        <translation>Маленький большой палец</translation>
    </message>
    <message>
        <source>You may not be very dependable by nature.</source>
        <translation>Возможно, по натуре вы не очень надёжный человек.</translation>
    </message>
    <message>
        <source>Rounded Big Toe </source>
        <translation>Округлый большой палец</translation>
    </message>
    <message>
        <source>You are very clever and can go to great heights in life.</source>
        <translation>Вы очень умны и можете многого добиться в жизни.</translation>
    </message>
    <message>
        <source>Painful Big Toe</source>
        <translation>Больной большой палец</translation>
    </message>
    <message>
        <source>You may have to face sorrows in life.</source>
        <translation>Возможно, в жизни вас ждут огорчения.</translation>
    </message>
    <message>
        <source>Standalone Big Toe</source>
        <translation>Отстоящий большой палец</translation>
    </message>
    <message>
        <source>Second Toe Larger than the Big Toe</source>
        <translation>Второй палец крупнее большого</translation>
    </message>
    <message>
        <source>You may have a dominating nature. But you can be a leader if you take life positively.</source>
        <translation>Возможно, у вас властный характер. Но если вы смотрите на жизнь позитивно, то можете стать лидером.</translation>
    </message>
    <message>
        <source>Second Toe Smaller than the Big Toe</source>
        <translation>Второй палец меньше большого</translation>
    </message>
    <message>
        <source>You will have an average lifestyle with enough money but never more. </source>
        <translation>У вас будет средний достаток: денег хватит, но не более того.</translation>
    </message>
    <message>
        <source>Webbed Second Toe</source>
        <translation>Второй палец с перепонкой</translation>
    </message>
    <message>
        <source>Your career means everything to you.</source>
        <translation>Карьера для вас — это всё.</translation>
    </message>
    <message>
        <source>High Arches</source>
        <translation>Высокий свод</translation>
    </message>
    <message>
        <source>You are very logical by nature and a thinker at heart. You may tend to dream a lot.</source>
        <translation>По натуре вы очень логичны, а в душе — мыслитель. Возможно, вы склонны много мечтать.</translation>
    </message>
    <message>
        <source>Low Arches or Flat Feet</source>
        <translation>Низкий свод или плоскостопие</translation>
    </message>
    <message>
        <source>You are very practical by nature.</source>
        <translation>По натуре вы очень практичны.</translation>
    </message>
    <message>
        <source>Swollen Feet</source>
        <translation>Отёкшие стопы</translation>
    </message>
    <message>
        <source>Twisted</source>
        <translation>Скрученные</translation>
    </message>
    <message>
        <source>You may tend to run away from the truth and need encouragement from others.</source>
        <translation>Возможно, вы склонны убегать от правды и нуждаетесь в поддержке окружающих.</translation>
    </message>
    <message>
        <source>Bent</source>
        <translation>Согнутые</translation>
    </message>
    <message>
        <source>You may scared to bear responsibility and very unsure of yourself</source>
        <translation>Возможно, вы боитесь брать на себя ответственность и очень не уверены в себе.</translation>
    </message>
    <message>
        <source>Crooked</source>
        <translation>Кривые</translation>
    </message>
    <message>
        <source>You may change your thinking to please others.</source>
        <translation>Возможно, вы меняете своё мнение, чтобы угодить другим.</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Чёрные</translation>
    </message>
    <message>
        <source>You may not have a very dependable nature.</source>
        <translation>Возможно, у вас не очень надёжный характер.</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синие</translation>
    </message>
    <message>
        <source>You are well liked and respected.</source>
        <translation>Вас любят и уважают.</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Жёлтые</translation>
    </message>
    <message>
        <source>You may become wealthy.</source>
        <translation>Возможно, вы разбогатеете.</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Медные</translation>
    </message>
    <message>
        <source>You will lead a royal life.</source>
        <translation>Вы будете жить по-королевски.</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Вертикальные</translation>
    </message>
    <message>
        <source>You may go to all extent to support your opinions</source>
        <translation>Возможно, вы готовы на всё, чтобы отстоять своё мнение.</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Горизонтальные</translation>
    </message>
    <message>
        <source>You may feel emotional unstable.</source>
        <translation>Возможно, вы эмоционально неустойчивы.</translation>
    </message>
    <message>
        <source>Toe Appearance</source>
        <translation>Вид пальцев</translation>
    </message>
    <message>
        <source>Inclination of Toes</source>
        <translation>Наклон пальцев</translation>
    </message>
    <message>
        <source>Big Toe</source>
        <translation>Большой палец</translation>
    </message>
    <message>
        <source>Second Toe</source>
        <translation>Второй палец</translation>
    </message>
    <message>
        <source>Foot Arches </source>
        <translation>Своды стопы</translation>
    </message>
    <message>
        <source>Foot Arches</source>
        <translation>Своды стопы</translation>
    </message>
    <message>
        <source>Toe Shape</source>
        <translation>Форма пальцев</translation>
    </message>
    <message>
        <source>Color of Nails</source>
        <translation>Цвет ногтей</translation>
    </message>
    <message>
        <source>Ridges on Toe Nails</source>
        <translation>Бороздки на ногтях</translation>
    </message>
    <message>
        <source>&amp;Analyze My Toes</source>
        <extracomment>The last page&apos;s button; fits in 132 pixels at 8.25 pt bold.</extracomment>
        <translation>&amp;Анализ пальцев</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <extracomment>Fits in 132 pixels at 8.25 pt bold.</extracomment>
        <translation>&amp;Далее</translation>
    </message>
</context>
<context>
    <name>toevane::frmAbout</name>
    <message>
        <source>&amp;OK</source>
        <extracomment>Fits in 80 pixels at 8.25 pt bold.</extracomment>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <extracomment>Three lines of 383 pixels at 8.25 pt bold.</extracomment>
        <translation>Бизнес на дому. Откройте своё интернет-дело и зарабатывайте онлайн. Получите эту программу с символикой вашего сайта.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Нажмите, чтобы узнать больше</translation>
    </message>
    <message>
        <source>Toevane is a divination software based on the shape and looks of a person&apos;s feet and the personality characteristics they reveal. The toes of our feet can tell us more about ourselves and the problems that we may be about to face in life. Copyright © Starwell Softwares. All rights reserved.</source>
        <extracomment>Five lines of 383 pixels at 8.25 pt.</extracomment>
        <translation>Toevane — программа для гадания по форме и виду стоп человека и по чертам характера, которые они раскрывают. Пальцы ног могут многое рассказать о нас самих и о трудностях, которые, возможно, ждут нас в жизни. Copyright © Starwell Softwares. Все права защищены.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the forum&apos;s address. One line of 383 pixels at 8.25 pt bold.</extracomment>
        <translation>Посетите %1</translation>
    </message>
</context>
<context>
    <name>toevane::frmDisplay</name>
    <message>
        <source>You are not selected this type of Toe.</source>
        <extracomment>Said in place of the Toe Shape answer that was skipped; at most four lines of 273 pixels at 8.25 pt bold.</extracomment>
        <translation>Вы не выбрали форму пальцев.</translation>
    </message>
    <message>
        <source>Toevane Interpretation</source>
        <translation>Толкование Toevane</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>Fits in 68 pixels at 8.25 pt bold.</extracomment>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Fits in 68 pixels at 8.25 pt bold.</extracomment>
        <translation>&amp;Назад</translation>
    </message>
    <message>
        <source>Toevane reading %1</source>
        <extracomment>The name a saved reading is offered under; %1 is the date, 2026-12-08.</extracomment>
        <translation>Толкование Toevane %1</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>The reading&apos;s right-click menu.</extracomment>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>&amp;Save Reading As…</source>
        <extracomment>The reading&apos;s right-click menu.</extracomment>
        <translation>&amp;Сохранить толкование как…</translation>
    </message>
    <message>
        <source>Save Reading As</source>
        <translation>Сохранить толкование как</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1 because a folder has that name.</source>
        <translation>Не удалось сохранить толкование как %1: так называется папка.</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1 because its folder does not exist.</source>
        <translation>Не удалось сохранить толкование как %1: такой папки нет.</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1 because you have no permission to write there.</source>
        <translation>Не удалось сохранить толкование как %1: нет прав на запись в эту папку.</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1 because the disk is full.</source>
        <translation>Не удалось сохранить толкование как %1: диск заполнен.</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1.</source>
        <translation>Не удалось сохранить толкование как %1.</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Документ PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Изображение PNG (*.png)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Обычный текст (*.txt)</translation>
    </message>
</context>
<context>
    <name>toevane::frmMain</name>
    <message>
        <source>Toevane is a feet divination software. Know what your toes reveal about your personality with this simple tool. Just choose the right options that stand true for you and get your answers! </source>
        <extracomment>Four lines of 464 pixels at 8.25 pt bold.</extracomment>
        <translation>Toevane — программа для гадания по стопам. Узнайте с помощью этого простого инструмента, что пальцы ног говорят о вашем характере. Просто выберите подходящие вам варианты и получите ответы!</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>Fits in 92 pixels at 8.25 pt bold.</extracomment>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Fits in 84 pixels at 8.25 pt bold.</extracomment>
        <translation>&amp;Назад</translation>
    </message>
    <message>
        <source>Do you want to select this option ?</source>
        <translation>Хотите выбрать вариант ответа?</translation>
    </message>
    <message>
        <source>Please select an option</source>
        <translation>Выберите вариант ответа</translation>
    </message>
</context>
<context>
    <name>toevane::frmNagScreen2</name>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Fits in 75 pixels at 8.25 pt.</extracomment>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Download Starwell Softwares</source>
        <extracomment>Fits in 233 pixels at 9.75 pt bold.</extracomment>
        <translation>Скачать Starwell Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Starwell Softwares</source>
        <extracomment>Fits in 239 pixels at 9 pt bold.</extracomment>
        <translation>Посетите Starwell Softwares</translation>
    </message>
    <message>
        <source>Starwell Softwares like this one can be created and maintained only with your support. The best way to support Starwell Board is to visit %1 regularly and take part in its discussions and activities.</source>
        <extracomment>%1 is the forum&apos;s address. The four promotions: at most four lines of 465 pixels at 9.75 pt bold.</extracomment>
        <translation>Такие программы Starwell Softwares, как эта, живут только благодаря вашей поддержке. Лучше всего поддержать Starwell Board, регулярно посещая %1 и участвуя в обсуждениях.</translation>
    </message>
    <message>
        <source>Please visit %1 regularly and support it by taking part in the discussions and other activities. These programs cannot be supported and maintained without you visiting the site regularly.</source>
        <translation>Регулярно посещайте %1 и поддерживайте его, участвуя в обсуждениях и других делах форума. Без ваших посещений сайта эти программы не смогут развиваться.</translation>
    </message>
    <message>
        <source>%1 is a FREE online discussion forum for all esoteric subjects. To help the site develop and maintain this program, please visit it regularly.</source>
        <translation>%1 — это БЕСПЛАТНЫЙ форум обо всём эзотерическом. Чтобы помочь сайту развиваться и поддерживать эту программу, заходите на него регулярно.</translation>
    </message>
    <message>
        <source>%1 needs your help! All you have to do is visit it regularly and take part in its various discussions and activities, to help maintain and develop more Starwell Softwares.</source>
        <translation>Сайту %1 нужна ваша помощь! Просто заходите на него регулярно и участвуйте в обсуждениях — так вы поможете развивать программы Starwell Softwares.</translation>
    </message>
    <message>
        <source>Click To Visit %1</source>
        <extracomment>%1 is the forum&apos;s address. Fits in 471 pixels at 14.25 pt.</extracomment>
        <translation>Посетите %1</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Starwell Softwares. From a single software, we have now grown to become the world’s largest resource of starwell softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first paragraph; with the second, at most 257 pixels high in 233 pixels at 9 pt.</extracomment>
        <translation>Если вам понравилась эта программа, вас наверняка заинтересуют и другие программы Starwell Softwares. Начав с одной программы, мы стали крупнейшей в мире коллекцией подобных программ. Астрология, ясновидение, таро, нумерология, оккультизм — у нас есть программы на любой вкус.</translation>
    </message>
    <message>
        <source>All the programs in the Starwell Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <extracomment>The second paragraph.</extracomment>
        <translation>Все программы Starwell Softwares просты и удобны. Они не только увлекательны, но и познавательны. Попробуйте их уже сегодня и поделитесь впечатлениями с друзьями и близкими.</translation>
    </message>
</context>
<context>
    <name>toevane::menus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Назад</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Справка в &amp;интернете</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Посетить наш сайт</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <extracomment>The questionnaire&apos;s item.</extracomment>
        <translation>Проверить о&amp;бновления</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <extracomment>The results window&apos;s item.</extracomment>
        <translation>Про&amp;верить обновления</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <extracomment>A menu of the menu bar, whose four menus share 484 pixels at 8.25 pt.</extracomment>
        <translation>&amp;Пожертвовать</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <extracomment>The menu bar&apos;s last menu, always greyed out; the four menus share 484 pixels at 8.25 pt.</extracomment>
        <translation>Заработать в &amp;интернете</translation>
    </message>
</context>
<context>
    <name>toevane::modHelp</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Возможно, для этой программы вышло обновление.</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Проверить наличие обновлений?</translation>
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
        <translation>Введите разные адреса электронной почты</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Введите правильный адрес электронной почты</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Введите своё имя</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Введите свой адрес электронной почты</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Введите сообщение</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Введите имя друга</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Введите адрес электронной почты друга</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ваше имя</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ваш адрес эл. почты</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Имя друга</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Адрес эл. почты друга</translation>
    </message>
</context>
<context>
    <name>toevane::promo</name>
    <message>
        <source>The Most Popular Online Discussion Board On Esoteric Subjects. The Best Resource For All Things Esoteric. Visit %1 Now!</source>
        <extracomment>%1 is the forum&apos;s host name. At most two lines of 468 pixels at 9 pt bold.</extracomment>
        <translation>Самый популярный форум об эзотерике. Лучший ресурс обо всём эзотерическом. Заходите на %1!</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <extracomment>&quot;&amp;&amp;&quot; shows as one &quot;&amp;&quot;. At most three lines of 399 pixels at 8.25 pt bold (the results window; four lines of 311 pixels in the questionnaire).</extracomment>
        <translation>Разместите в программе символику своего сайта и привлеките посетителей. Здесь могут быть название и ссылка вашего сайта. Подробнее — в «Справке» или здесь.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <extracomment>At most three lines of 399 pixels at 8.25 pt bold (the results window; four lines of 311 pixels in the questionnaire).</extracomment>
        <translation>Бизнес на дому. Откройте своё интернет-дело и зарабатывайте онлайн. Получите эту программу с символикой вашего сайта. Нажмите, чтобы узнать больше.</translation>
    </message>
</context>
</TS>
