<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>toevane::ReferAFriendForm</name>
    <message>
        <source>Refer A Friend</source>
        <extracomment>The frame of the form; fits in 455 pixels at 9.75 pt bold.</extracomment>
        <translation>أخبر صديقًا</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <extracomment>Fits in 217 pixels at 8.25 pt bold.</extracomment>
        <translation>أخبر &amp;صديقًا الآن</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>لا يمكن أن يحتوي عنوان البريد الإلكتروني على مسافات.</translation>
    </message>
</context>
<context>
    <name>toevane::Shell</name>
    <message>
        <source>Application is already running</source>
        <translation>البرنامج قيد التشغيل بالفعل.</translation>
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
        <translation>لا ترتاح كثيرًا لمشاركة مشاعرك مع الآخرين.</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>كبيرة</translation>
    </message>
    <message>
        <source>This toe indicates a high level of energy.</source>
        <translation>يدل هذا الإصبع على مستوى عالٍ من الطاقة.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>قصيرة</translation>
    </message>
    <message>
        <source>This toe indicates that you are controlled and not very expressive.</source>
        <translation>يدل هذا الإصبع على أنك متحفظ ولا تعبر عن نفسك كثيرًا.</translation>
    </message>
    <message>
        <source>Pointed</source>
        <translation>مدببة</translation>
    </message>
    <message>
        <source>This toe indicates that you are prone to sudden bursts of energy.</source>
        <translation>يدل هذا الإصبع على أنك عرضة لنوبات مفاجئة من الطاقة.</translation>
    </message>
    <message>
        <source>Rounded</source>
        <translation>مستديرة</translation>
    </message>
    <message>
        <source>You are vulnerable but also diplomatic.</source>
        <translation>أنت سريع التأثر، لكنك دبلوماسي أيضًا.</translation>
    </message>
    <message>
        <source>Spatulate</source>
        <translation>ملعقية الشكل</translation>
    </message>
    <message>
        <source>This toe indicates a lot of energy that can be powerful if used the right way. </source>
        <translation>يدل هذا الإصبع على طاقة كبيرة قد تصبح قوة هائلة إذا استُخدمت بالطريقة الصحيحة.</translation>
    </message>
    <message>
        <source>Rectangular</source>
        <translation>مستطيلة</translation>
    </message>
    <message>
        <source>This toe signifies a practical and down-to-earth nature.</source>
        <translation>يرمز هذا الإصبع إلى طبيعة عملية وواقعية.</translation>
    </message>
    <message>
        <source>Bent towards Big Toe</source>
        <translation>منحنية نحو الإبهام</translation>
    </message>
    <message>
        <source>This means that you still think about past happenings.</source>
        <translation>هذا يعني أنك ما زلت تفكر في أحداث الماضي.</translation>
    </message>
    <message>
        <source>Bent towards Little Toe</source>
        <translation>منحنية نحو الخنصر</translation>
    </message>
    <message>
        <source>You are in a hurry to face the unknown future.</source>
        <translation>أنت مستعجل لمواجهة المستقبل المجهول.</translation>
    </message>
    <message>
        <source>Large Big Toe</source>
        <translation>إبهام كبير</translation>
    </message>
    <message>
        <source>You may talk too much on the verge of boastfulness and not implement all your ideas but you may also be rational. This also indicates wealth and prosperity. </source>
        <translation>قد تكثر الكلام حتى تقترب من التباهي ولا تنفذ كل أفكارك، لكنك قد تكون عقلانيًا أيضًا. ويدل هذا كذلك على الثراء والرخاء.</translation>
    </message>
    <message>
        <source>Small Big Toe</source>
        <translation>إبهام صغير</translation>
    </message>
    <message>
        <source>You may not be very dependable by nature.</source>
        <translation>قد لا تكون بطبعك شخصًا يُعتمد عليه كثيرًا.</translation>
    </message>
    <message>
        <source>Rounded Big Toe </source>
        <translation>إبهام مستدير</translation>
    </message>
    <message>
        <source>You are very clever and can go to great heights in life.</source>
        <translation>أنت ذكي جدًا ويمكنك أن تبلغ مراتب عالية في الحياة.</translation>
    </message>
    <message>
        <source>Painful Big Toe</source>
        <translation>إبهام مؤلم</translation>
    </message>
    <message>
        <source>You may have to face sorrows in life.</source>
        <translation>قد تضطر إلى مواجهة الأحزان في حياتك.</translation>
    </message>
    <message>
        <source>Standalone Big Toe</source>
        <translation>إبهام منفصل عن الأصابع</translation>
    </message>
    <message>
        <source>Second Toe Larger than the Big Toe</source>
        <translation>الإصبع الثاني أطول من الإبهام</translation>
    </message>
    <message>
        <source>You may have a dominating nature. But you can be a leader if you take life positively.</source>
        <translation>قد تكون ذا طبيعة متسلطة. لكن يمكنك أن تصبح قائدًا إذا نظرت إلى الحياة بإيجابية.</translation>
    </message>
    <message>
        <source>Second Toe Smaller than the Big Toe</source>
        <translation>الإصبع الثاني أقصر من الإبهام</translation>
    </message>
    <message>
        <source>You will have an average lifestyle with enough money but never more. </source>
        <translation>ستعيش حياة متوسطة بمال يكفيك، لكن لا أكثر من ذلك.</translation>
    </message>
    <message>
        <source>Webbed Second Toe</source>
        <translation>إصبع ثانٍ بغشاء جلدي</translation>
    </message>
    <message>
        <source>Your career means everything to you.</source>
        <translation>مسيرتك المهنية تعني لك كل شيء.</translation>
    </message>
    <message>
        <source>High Arches</source>
        <translation>قوس مرتفع</translation>
    </message>
    <message>
        <source>You are very logical by nature and a thinker at heart. You may tend to dream a lot.</source>
        <translation>أنت منطقي جدًا بطبعك ومفكر في أعماقك. وقد تميل إلى الأحلام كثيرًا.</translation>
    </message>
    <message>
        <source>Low Arches or Flat Feet</source>
        <translation>قوس منخفض أو قدم مسطحة</translation>
    </message>
    <message>
        <source>You are very practical by nature.</source>
        <translation>أنت عملي جدًا بطبعك.</translation>
    </message>
    <message>
        <source>Swollen Feet</source>
        <translation>قدمان متورمتان</translation>
    </message>
    <message>
        <source>Twisted</source>
        <translation>ملتوية</translation>
    </message>
    <message>
        <source>You may tend to run away from the truth and need encouragement from others.</source>
        <translation>قد تميل إلى الهروب من الحقيقة وتحتاج إلى تشجيع الآخرين.</translation>
    </message>
    <message>
        <source>Bent</source>
        <translation>منحنية</translation>
    </message>
    <message>
        <source>You may scared to bear responsibility and very unsure of yourself</source>
        <translation>قد تخشى تحمل المسؤولية وتكون غير واثق من نفسك إطلاقًا.</translation>
    </message>
    <message>
        <source>Crooked</source>
        <translation>معوجة</translation>
    </message>
    <message>
        <source>You may change your thinking to please others.</source>
        <translation>قد تغير طريقة تفكيرك لإرضاء الآخرين.</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>أسود</translation>
    </message>
    <message>
        <source>You may not have a very dependable nature.</source>
        <translation>قد لا تكون طبيعتك جديرة بالثقة كثيرًا.</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>أزرق</translation>
    </message>
    <message>
        <source>You are well liked and respected.</source>
        <translation>أنت محبوب ومحترم.</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>أصفر</translation>
    </message>
    <message>
        <source>You may become wealthy.</source>
        <translation>قد تصبح ثريًا.</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>نحاسي</translation>
    </message>
    <message>
        <source>You will lead a royal life.</source>
        <translation>ستعيش حياة الملوك.</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>عمودية</translation>
    </message>
    <message>
        <source>You may go to all extent to support your opinions</source>
        <translation>قد تبذل كل ما في وسعك لتدافع عن آرائك.</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>أفقية</translation>
    </message>
    <message>
        <source>You may feel emotional unstable.</source>
        <translation>قد تشعر بعدم الاستقرار العاطفي.</translation>
    </message>
    <message>
        <source>Toe Appearance</source>
        <translation>مظهر أصابع القدم</translation>
    </message>
    <message>
        <source>Inclination of Toes</source>
        <translation>ميل أصابع القدم</translation>
    </message>
    <message>
        <source>Big Toe</source>
        <translation>إبهام القدم</translation>
    </message>
    <message>
        <source>Second Toe</source>
        <translation>الإصبع الثاني</translation>
    </message>
    <message>
        <source>Foot Arches </source>
        <translation>أقواس القدم</translation>
    </message>
    <message>
        <source>Foot Arches</source>
        <translation>أقواس القدم</translation>
    </message>
    <message>
        <source>Toe Shape</source>
        <translation>شكل أصابع القدم</translation>
    </message>
    <message>
        <source>Color of Nails</source>
        <translation>لون الأظافر</translation>
    </message>
    <message>
        <source>Ridges on Toe Nails</source>
        <translation>خطوط أظافر القدم</translation>
    </message>
    <message>
        <source>&amp;Analyze My Toes</source>
        <extracomment>The last page&apos;s button; fits in 132 pixels at 8.25 pt bold.</extracomment>
        <translation>حلل أصابع &amp;قدمي</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <extracomment>Fits in 132 pixels at 8.25 pt bold.</extracomment>
        <translation>ا&amp;لتالي</translation>
    </message>
</context>
<context>
    <name>toevane::frmAbout</name>
    <message>
        <source>&amp;OK</source>
        <extracomment>Fits in 80 pixels at 8.25 pt bold.</extracomment>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <extracomment>Three lines of 383 pixels at 8.25 pt bold.</extracomment>
        <translation>فرصة عمل من المنزل. ابدأ مشروعك الخاص واربح المال عبر الإنترنت. احصل على هذا البرنامج بعلامة موقعك التجارية بالكامل.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>انقر هنا لمزيد من التفاصيل</translation>
    </message>
    <message>
        <source>Toevane is a divination software based on the shape and looks of a person&apos;s feet and the personality characteristics they reveal. The toes of our feet can tell us more about ourselves and the problems that we may be about to face in life. Copyright © Starwell Softwares. All rights reserved.</source>
        <extracomment>Five lines of 383 pixels at 8.25 pt.</extracomment>
        <translation>يعتمد برنامج العرافة Toevane على شكل قدمي الشخص ومظهرهما، وعلى سمات الشخصية التي تكشفها. فأصابع أقدامنا تخبرنا بالمزيد عن أنفسنا وعن المشكلات التي قد نواجهها في الحياة. حقوق النشر © Starwell Softwares. جميع الحقوق محفوظة.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the forum&apos;s address. One line of 383 pixels at 8.25 pt bold.</extracomment>
        <translation>انقر هنا لزيارة %1</translation>
    </message>
</context>
<context>
    <name>toevane::frmDisplay</name>
    <message>
        <source>You are not selected this type of Toe.</source>
        <extracomment>Said in place of the Toe Shape answer that was skipped; at most four lines of 273 pixels at 8.25 pt bold.</extracomment>
        <translation>لم تختر هذا الشكل من أصابع القدم.</translation>
    </message>
    <message>
        <source>Toevane Interpretation</source>
        <translation>تفسير Toevane</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>Fits in 68 pixels at 8.25 pt bold.</extracomment>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Fits in 68 pixels at 8.25 pt bold.</extracomment>
        <translation>ر&amp;جوع</translation>
    </message>
    <message>
        <source>Toevane reading %1</source>
        <extracomment>The name a saved reading is offered under; %1 is the date, 2026-12-08.</extracomment>
        <translation>تفسير Toevane %1</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>The reading&apos;s right-click menu.</extracomment>
        <translation>&amp;نسخ</translation>
    </message>
    <message>
        <source>&amp;Save Reading As…</source>
        <extracomment>The reading&apos;s right-click menu.</extracomment>
        <translation>حفظ التفسير با&amp;سم…</translation>
    </message>
    <message>
        <source>Save Reading As</source>
        <translation>حفظ التفسير باسم</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1 because a folder has that name.</source>
        <translation>تعذّر حفظ التفسير باسم %1 لأن مجلدًا يحمل هذا الاسم.</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1 because its folder does not exist.</source>
        <translation>تعذّر حفظ التفسير باسم %1 لأن مجلده غير موجود.</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1 because you have no permission to write there.</source>
        <translation>تعذّر حفظ التفسير باسم %1 لأنه ليس لديك إذن بالكتابة هناك.</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1 because the disk is full.</source>
        <translation>تعذّر حفظ التفسير باسم %1 لأن القرص ممتلئ.</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1.</source>
        <translation>تعذّر حفظ التفسير باسم %1.</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>مستند PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>صورة PNG (*.png)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>نص عادي (*.txt)</translation>
    </message>
</context>
<context>
    <name>toevane::frmMain</name>
    <message>
        <source>Toevane is a feet divination software. Know what your toes reveal about your personality with this simple tool. Just choose the right options that stand true for you and get your answers! </source>
        <extracomment>Four lines of 464 pixels at 8.25 pt bold.</extracomment>
        <translation>إن Toevane برنامج للعرافة بقراءة الأقدام. اكتشف ما تكشفه أصابع قدميك عن شخصيتك بهذه الأداة البسيطة. ما عليك سوى اختيار الإجابات التي تنطبق عليك لتحصل على النتيجة!</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>Fits in 92 pixels at 8.25 pt bold.</extracomment>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Fits in 84 pixels at 8.25 pt bold.</extracomment>
        <translation>ر&amp;جوع</translation>
    </message>
    <message>
        <source>Do you want to select this option ?</source>
        <translation>هل تريد اختيار إجابة لهذا السؤال؟</translation>
    </message>
    <message>
        <source>Please select an option</source>
        <translation>يُرجى اختيار أحد الخيارات.</translation>
    </message>
</context>
<context>
    <name>toevane::frmNagScreen2</name>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Fits in 75 pixels at 8.25 pt.</extracomment>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>Download Starwell Softwares</source>
        <extracomment>Fits in 233 pixels at 9.75 pt bold.</extracomment>
        <translation>تنزيل برامج Starwell Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Starwell Softwares</source>
        <extracomment>Fits in 239 pixels at 9 pt bold.</extracomment>
        <translation>انقر هنا لزيارة Starwell Softwares</translation>
    </message>
    <message>
        <source>Starwell Softwares like this one can be created and maintained only with your support. The best way to support Starwell Board is to visit %1 regularly and take part in its discussions and activities.</source>
        <extracomment>%1 is the forum&apos;s address. The four promotions: at most four lines of 465 pixels at 9.75 pt bold.</extracomment>
        <translation>لا يمكن إنشاء برامج Starwell Softwares مثل هذا البرنامج وصيانتها إلا بدعمك. وأفضل طريقة لدعم Starwell Board هي أن تزور %1 بانتظام وتشارك في نقاشاته وأنشطته.</translation>
    </message>
    <message>
        <source>Please visit %1 regularly and support it by taking part in the discussions and other activities. These programs cannot be supported and maintained without you visiting the site regularly.</source>
        <translation>يُرجى زيارة %1 بانتظام ودعمه بالمشاركة في النقاشات والأنشطة الأخرى. لا يمكن دعم هذه البرامج وصيانتها دون زياراتك المنتظمة للموقع.</translation>
    </message>
    <message>
        <source>%1 is a FREE online discussion forum for all esoteric subjects. To help the site develop and maintain this program, please visit it regularly.</source>
        <translation>الموقع %1 منتدى نقاش مجاني تمامًا على الإنترنت لكل المواضيع الباطنية. ولمساعدة الموقع على تطوير هذا البرنامج وصيانته، يُرجى زيارته بانتظام.</translation>
    </message>
    <message>
        <source>%1 needs your help! All you have to do is visit it regularly and take part in its various discussions and activities, to help maintain and develop more Starwell Softwares.</source>
        <translation>يحتاج %1 إلى مساعدتك! كل ما عليك هو أن تزوره بانتظام وتشارك في نقاشاته وأنشطته المتنوعة، لتساعد في صيانة المزيد من برامج Starwell Softwares وتطويرها.</translation>
    </message>
    <message>
        <source>Click To Visit %1</source>
        <extracomment>%1 is the forum&apos;s address. Fits in 471 pixels at 14.25 pt.</extracomment>
        <translation>انقر لزيارة %1</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Starwell Softwares. From a single software, we have now grown to become the world’s largest resource of starwell softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first paragraph; with the second, at most 257 pixels high in 233 pixels at 9 pt.</extracomment>
        <translation>إذا أعجبك هذا البرنامج فستهتم بالتأكيد ببرامج Starwell Softwares الأخرى. بدأنا ببرنامج واحد، وأصبحنا اليوم أكبر مصدر لبرامج Starwell Softwares في العالم. سواء أكان التنجيم أم الحدس الروحاني أم التاروت أم علم الأعداد أم الغيبيات، لدينا برامج في كل المجالات، مما يمنح مستخدمينا خيارات واسعة حسب اهتماماتهم.</translation>
    </message>
    <message>
        <source>All the programs in the Starwell Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <extracomment>The second paragraph.</extracomment>
        <translation>جميع برامج مجموعة Starwell Softwares بسيطة وسهلة الاستخدام، وهي ليست ممتعة فحسب بل مفيدة جدًا أيضًا. جربها اليوم وشارك تجربتك مع أصدقائك وعائلتك.</translation>
    </message>
</context>
<context>
    <name>toevane::menus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;رجوع</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>خرو&amp;ج</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>تعليما&amp;ت</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>تعليما&amp;ت عبر الإنترنت</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;زرنا على الإنترنت</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <extracomment>The questionnaire&apos;s item.</extracomment>
        <translation>التحقق من &amp;وجود تحديث للبرنامج</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <extracomment>The results window&apos;s item.</extracomment>
        <translation>التحقق من وجو&amp;د تحديث للبرنامج</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;حول البرنامج</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <extracomment>A menu of the menu bar, whose four menus share 484 pixels at 8.25 pt.</extracomment>
        <translation>تبر&amp;ع</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <extracomment>The menu bar&apos;s last menu, always greyed out; the four menus share 484 pixels at 8.25 pt.</extracomment>
        <translation>ا&amp;ربح المال عبر الإنترنت</translation>
    </message>
</context>
<context>
    <name>toevane::modHelp</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>قد يتوفر تحديث لهذا البرنامج.</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>هل تريد البحث عن تحديث؟</translation>
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
        <translation>يُرجى إدخال عنوانين مختلفين للبريد الإلكتروني.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>يُرجى إدخال عنوان بريد إلكتروني صحيح.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>يُرجى إدخال اسمك.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>يُرجى إدخال بريدك الإلكتروني.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>يُرجى إدخال رسالتك.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>يُرجى إدخال اسم صديقك.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>يُرجى إدخال البريد الإلكتروني لصديقك.</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>اسمك</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>عنوان بريدك الإلكتروني</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>اسم صديقك</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>عنوان بريد صديقك الإلكتروني</translation>
    </message>
</context>
<context>
    <name>toevane::promo</name>
    <message>
        <source>The Most Popular Online Discussion Board On Esoteric Subjects. The Best Resource For All Things Esoteric. Visit %1 Now!</source>
        <extracomment>%1 is the forum&apos;s host name. At most two lines of 468 pixels at 9 pt bold.</extracomment>
        <translation>أشهر منتدى نقاش على الإنترنت للمواضيع الباطنية. أفضل مصدر لكل ما هو باطني. زر %1 الآن!</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <extracomment>&quot;&amp;&amp;&quot; shows as one &quot;&amp;&quot;. At most three lines of 399 pixels at 8.25 pt bold (the results window; four lines of 311 pixels in the questionnaire).</extracomment>
        <translation>اجعل هذا البرنامج يحمل علامة موقعك. زد ولاء زوارك وعدد زيارات موقعك. ضع اسم موقعك ورابطه هنا. راجع «تعليمات» لمعرفة التفاصيل. انقر هنا لمزيد من المعلومات عن العلامة المشتركة.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <extracomment>At most three lines of 399 pixels at 8.25 pt bold (the results window; four lines of 311 pixels in the questionnaire).</extracomment>
        <translation>فرصة عمل من المنزل. ابدأ مشروعك الخاص واربح المال عبر الإنترنت. احصل على هذا البرنامج بعلامة موقعك التجارية بالكامل. انقر هنا لمزيد من التفاصيل.</translation>
    </message>
</context>
</TS>
