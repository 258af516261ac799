<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>toevane::ReferAFriendForm</name>
    <message>
        <source>Refer A Friend</source>
        <extracomment>The frame of the form; fits in 455 pixels at 9.75 pt bold.</extracomment>
        <translation>推荐给朋友</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <extracomment>Fits in 217 pixels at 8.25 pt bold.</extracomment>
        <translation>立即推荐给朋友(&amp;N)</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>电子邮件地址不能包含空格。</translation>
    </message>
</context>
<context>
    <name>toevane::Shell</name>
    <message>
        <source>Application is already running</source>
        <translation>程序已经在运行。</translation>
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
        <translation>你不太习惯与别人分享自己的感受。</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>粗大</translation>
    </message>
    <message>
        <source>This toe indicates a high level of energy.</source>
        <translation>这种脚趾表示你精力十分充沛。</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>短小</translation>
    </message>
    <message>
        <source>This toe indicates that you are controlled and not very expressive.</source>
        <translation>这种脚趾表示你很克制，不太善于表达自己。</translation>
    </message>
    <message>
        <source>Pointed</source>
        <translation>尖细</translation>
    </message>
    <message>
        <source>This toe indicates that you are prone to sudden bursts of energy.</source>
        <translation>这种脚趾表示你常会突然爆发出能量。</translation>
    </message>
    <message>
        <source>Rounded</source>
        <translation>圆润</translation>
    </message>
    <message>
        <source>You are vulnerable but also diplomatic.</source>
        <translation>你内心脆弱，但也很懂得圆融处事。</translation>
    </message>
    <message>
        <source>Spatulate</source>
        <translation>铲形</translation>
    </message>
    <message>
        <source>This toe indicates a lot of energy that can be powerful if used the right way. </source>
        <translation>这种脚趾表示你精力旺盛，只要用对地方，就能化为强大的力量。</translation>
    </message>
    <message>
        <source>Rectangular</source>
        <translation>方形</translation>
    </message>
    <message>
        <source>This toe signifies a practical and down-to-earth nature.</source>
        <translation>这种脚趾代表务实、脚踏实地的性格。</translation>
    </message>
    <message>
        <source>Bent towards Big Toe</source>
        <translation>弯向大脚趾</translation>
    </message>
    <message>
        <source>This means that you still think about past happenings.</source>
        <translation>这表示你仍会常常回想过去发生的事。</translation>
    </message>
    <message>
        <source>Bent towards Little Toe</source>
        <translation>弯向小脚趾</translation>
    </message>
    <message>
        <source>You are in a hurry to face the unknown future.</source>
        <translation>你迫不及待地想迎接未知的未来。</translation>
    </message>
    <message>
        <source>Large Big Toe</source>
        <translation>大脚趾粗大</translation>
    </message>
    <message>
        <source>You may talk too much on the verge of boastfulness and not implement all your ideas but you may also be rational. This also indicates wealth and prosperity. </source>
        <translation>你可能话太多，近乎吹嘘，也未必能把想法都付诸实践，但你也可能很理性。这还象征着财富与兴旺。</translation>
    </message>
    <message>
        <source>Small Big Toe</source>
        <translation>大脚趾短小</translation>
    </message>
    <message>
        <source>You may not be very dependable by nature.</source>
        <translation>你天生可能不太靠得住。</translation>
    </message>
    <message>
        <source>Rounded Big Toe </source>
        <translation>大脚趾圆润</translation>
    </message>
    <message>
        <source>You are very clever and can go to great heights in life.</source>
        <translation>你非常聪明，人生中能取得很高的成就。</translation>
    </message>
    <message>
        <source>Painful Big Toe</source>
        <translation>大脚趾疼痛</translation>
    </message>
    <message>
        <source>You may have to face sorrows in life.</source>
        <translation>你在人生中可能要面对一些悲伤。</translation>
    </message>
    <message>
        <source>Standalone Big Toe</source>
        <translation>大脚趾与其他脚趾分开</translation>
    </message>
    <message>
        <source>Second Toe Larger than the Big Toe</source>
        <translation>第二脚趾比大脚趾长</translation>
    </message>
    <message>
        <source>You may have a dominating nature. But you can be a leader if you take life positively.</source>
        <translation>你的控制欲可能很强。但只要积极面对人生，你就能成为领导者。</translation>
    </message>
    <message>
        <source>Second Toe Smaller than the Big Toe</source>
        <translation>第二脚趾比大脚趾短</translation>
    </message>
    <message>
        <source>You will have an average lifestyle with enough money but never more. </source>
        <translation>你会过着普通的生活，钱够用，但不会更多。</translation>
    </message>
    <message>
        <source>Webbed Second Toe</source>
        <translation>第二脚趾有蹼</translation>
    </message>
    <message>
        <source>Your career means everything to you.</source>
        <translation>事业就是你的一切。</translation>
    </message>
    <message>
        <source>High Arches</source>
        <translation>高足弓</translation>
    </message>
    <message>
        <source>You are very logical by nature and a thinker at heart. You may tend to dream a lot.</source>
        <translation>你天生很有逻辑，骨子里是个思想家。你可能常常爱幻想。</translation>
    </message>
    <message>
        <source>Low Arches or Flat Feet</source>
        <translation>低足弓或扁平足</translation>
    </message>
    <message>
        <source>You are very practical by nature.</source>
        <translation>你天生非常务实。</translation>
    </message>
    <message>
        <source>Swollen Feet</source>
        <translation>脚部浮肿</translation>
    </message>
    <message>
        <source>Twisted</source>
        <translation>扭曲</translation>
    </message>
    <message>
        <source>You may tend to run away from the truth and need encouragement from others.</source>
        <translation>你可能习惯逃避真相，需要别人的鼓励。</translation>
    </message>
    <message>
        <source>Bent</source>
        <translation>弯曲</translation>
    </message>
    <message>
        <source>You may scared to bear responsibility and very unsure of yourself</source>
        <translation>你可能害怕承担责任，而且对自己很没把握。</translation>
    </message>
    <message>
        <source>Crooked</source>
        <translation>歪斜</translation>
    </message>
    <message>
        <source>You may change your thinking to please others.</source>
        <translation>你可能会为了讨好别人而改变自己的想法。</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>You may not have a very dependable nature.</source>
        <translation>你的性格可能不太可靠。</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>You are well liked and respected.</source>
        <translation>你很受欢迎，也受人尊敬。</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>You may become wealthy.</source>
        <translation>你可能会变得富有。</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>铜色</translation>
    </message>
    <message>
        <source>You will lead a royal life.</source>
        <translation>你将过上帝王般的生活。</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>竖纹</translation>
    </message>
    <message>
        <source>You may go to all extent to support your opinions</source>
        <translation>你可能会不惜一切来坚持自己的观点。</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>横纹</translation>
    </message>
    <message>
        <source>You may feel emotional unstable.</source>
        <translation>你的情绪可能不太稳定。</translation>
    </message>
    <message>
        <source>Toe Appearance</source>
        <translation>脚趾外观</translation>
    </message>
    <message>
        <source>Inclination of Toes</source>
        <translation>脚趾倾斜</translation>
    </message>
    <message>
        <source>Big Toe</source>
        <translation>大脚趾</translation>
    </message>
    <message>
        <source>Second Toe</source>
        <translation>第二脚趾</translation>
    </message>
    <message>
        <source>Foot Arches </source>
        <translation>足弓</translation>
    </message>
    <message>
        <source>Foot Arches</source>
        <translation>足弓</translation>
    </message>
    <message>
        <source>Toe Shape</source>
        <translation>脚趾形状</translation>
    </message>
    <message>
        <source>Color of Nails</source>
        <translation>趾甲颜色</translation>
    </message>
    <message>
        <source>Ridges on Toe Nails</source>
        <translation>趾甲纹路</translation>
    </message>
    <message>
        <source>&amp;Analyze My Toes</source>
        <extracomment>The last page&apos;s button; fits in 132 pixels at 8.25 pt bold.</extracomment>
        <translation>分析我的脚趾(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <extracomment>Fits in 132 pixels at 8.25 pt bold.</extracomment>
        <translation>下一步(&amp;N)</translation>
    </message>
</context>
<context>
    <name>toevane::frmAbout</name>
    <message>
        <source>&amp;OK</source>
        <extracomment>Fits in 80 pixels at 8.25 pt bold.</extracomment>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <extracomment>Three lines of 383 pixels at 8.25 pt bold.</extracomment>
        <translation>在家创业好机会！开创你自己的网上生意，在线赚钱。让本软件完全换上你网站的品牌。</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>点击此处了解详情</translation>
    </message>
    <message>
        <source>Toevane is a divination software based on the shape and looks of a person&apos;s feet and the personality characteristics they reveal. The toes of our feet can tell us more about ourselves and the problems that we may be about to face in life. Copyright © Starwell Softwares. All rights reserved.</source>
        <extracomment>Five lines of 383 pixels at 8.25 pt.</extracomment>
        <translation>Toevane 是一款占卜软件，根据一个人双脚的形状和外观，解读其中透露的性格特征。我们的脚趾能让我们更了解自己，以及人生中可能即将面对的问题。版权所有 © Starwell Softwares。保留所有权利。</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the forum&apos;s address. One line of 383 pixels at 8.25 pt bold.</extracomment>
        <translation>点击此处访问 %1</translation>
    </message>
</context>
<context>
    <name>toevane::frmDisplay</name>
    <message>
        <source>You are not selected this type of Toe.</source>
        <extracomment>Said in place of the Toe Shape answer that was skipped; at most four lines of 273 pixels at 8.25 pt bold.</extracomment>
        <translation>你没有选择这种脚趾形状。</translation>
    </message>
    <message>
        <source>Toevane Interpretation</source>
        <translation>Toevane 解读结果</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>Fits in 68 pixels at 8.25 pt bold.</extracomment>
        <translation>退出(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Fits in 68 pixels at 8.25 pt bold.</extracomment>
        <translation>返回(&amp;B)</translation>
    </message>
    <message>
        <source>Toevane reading %1</source>
        <extracomment>The name a saved reading is offered under; %1 is the date, 2026-12-08.</extracomment>
        <translation>Toevane 解读结果 %1</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>The reading&apos;s right-click menu.</extracomment>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save Reading As…</source>
        <extracomment>The reading&apos;s right-click menu.</extracomment>
        <translation>将解读结果另存为(&amp;S)…</translation>
    </message>
    <message>
        <source>Save Reading As</source>
        <translation>将解读结果另存为</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1 because a folder has that name.</source>
        <translation>无法将解读结果保存为 %1，因为已有同名的文件夹。</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1 because its folder does not exist.</source>
        <translation>无法将解读结果保存为 %1，因为所在的文件夹不存在。</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1 because you have no permission to write there.</source>
        <translation>无法将解读结果保存为 %1，因为你没有在那里写入的权限。</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1 because the disk is full.</source>
        <translation>无法将解读结果保存为 %1，因为磁盘已满。</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1.</source>
        <translation>无法将解读结果保存为 %1。</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 图像 (*.png)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>纯文本 (*.txt)</translation>
    </message>
</context>
<context>
    <name>toevane::frmMain</name>
    <message>
        <source>Toevane is a feet divination software. Know what your toes reveal about your personality with this simple tool. Just choose the right options that stand true for you and get your answers! </source>
        <extracomment>Four lines of 464 pixels at 8.25 pt bold.</extracomment>
        <translation>Toevane 是一款足相占卜软件。用这个简单的小工具，看看你的脚趾透露了你怎样的性格。只需选出符合你情况的选项，就能得到答案！</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>Fits in 92 pixels at 8.25 pt bold.</extracomment>
        <translation>退出(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Fits in 84 pixels at 8.25 pt bold.</extracomment>
        <translation>返回(&amp;B)</translation>
    </message>
    <message>
        <source>Do you want to select this option ?</source>
        <translation>要为这一题选择一个选项吗？</translation>
    </message>
    <message>
        <source>Please select an option</source>
        <translation>请选择一个选项。</translation>
    </message>
</context>
<context>
    <name>toevane::frmNagScreen2</name>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Fits in 75 pixels at 8.25 pt.</extracomment>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Download Starwell Softwares</source>
        <extracomment>Fits in 233 pixels at 9.75 pt bold.</extracomment>
        <translation>下载 Starwell Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Starwell Softwares</source>
        <extracomment>Fits in 239 pixels at 9 pt bold.</extracomment>
        <translation>点击此处访问 Starwell Softwares</translation>
    </message>
    <message>
        <source>Starwell Softwares like this one can be created and maintained only with your support. The best way to support Starwell Board is to visit %1 regularly and take part in its discussions and activities.</source>
        <extracomment>%1 is the forum&apos;s address. The four promotions: at most four lines of 465 pixels at 9.75 pt bold.</extracomment>
        <translation>像本软件这样的 Starwell Softwares 只有在你的支持下才能开发和维护。支持 Starwell Board 的最好方式，就是经常访问 %1，参与其中的讨论和活动。</translation>
    </message>
    <message>
        <source>Please visit %1 regularly and support it by taking part in the discussions and other activities. These programs cannot be supported and maintained without you visiting the site regularly.</source>
        <translation>请经常访问 %1，参与讨论和其他活动来支持它。没有你经常访问该网站，这些软件就无法得到支持和维护。</translation>
    </message>
    <message>
        <source>%1 is a FREE online discussion forum for all esoteric subjects. To help the site develop and maintain this program, please visit it regularly.</source>
        <translation>%1 是一个完全免费的在线论坛，可以讨论各种神秘学话题。为了帮助网站开发和维护本软件，请经常访问。</translation>
    </message>
    <message>
        <source>%1 needs your help! All you have to do is visit it regularly and take part in its various discussions and activities, to help maintain and develop more Starwell Softwares.</source>
        <translation>%1 需要你的帮助！你只需经常访问，参与各种讨论和活动，就能帮助维护和开发更多 Starwell Softwares。</translation>
    </message>
    <message>
        <source>Click To Visit %1</source>
        <extracomment>%1 is the forum&apos;s address. Fits in 471 pixels at 14.25 pt.</extracomment>
        <translation>点击访问 %1</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Starwell Softwares. From a single software, we have now grown to become the world’s largest resource of starwell softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first paragraph; with the second, at most 257 pixels high in 233 pixels at 9 pt.</extracomment>
        <translation>如果你喜欢这款软件，一定也会对我们的其他 Starwell Softwares 感兴趣。我们从一款软件起步，如今已成长为全球最大的 Starwell Softwares 资源库。无论是占星、通灵、塔罗、数字命理还是神秘学，我们在各个领域都有软件，用户可以按自己的兴趣自由选择。</translation>
    </message>
    <message>
        <source>All the programs in the Starwell Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <extracomment>The second paragraph.</extracomment>
        <translation>Starwell Softwares 系列的所有软件都简单易用，不仅好玩，而且内容丰富。今天就来试试，和亲朋好友分享你的体验吧。</translation>
    </message>
</context>
<context>
    <name>toevane::menus</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>返回(&amp;B)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>在线帮助(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>访问我们的网站(&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <extracomment>The questionnaire&apos;s item.</extracomment>
        <translation>检查软件更新(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <extracomment>The results window&apos;s item.</extracomment>
        <translation>检查软件更新(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>关于本软件(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <extracomment>A menu of the menu bar, whose four menus share 484 pixels at 8.25 pt.</extracomment>
        <translation>捐赠(&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <extracomment>The menu bar&apos;s last menu, always greyed out; the four menus share 484 pixels at 8.25 pt.</extracomment>
        <translation>在线赚钱(&amp;O)</translation>
    </message>
</context>
<context>
    <name>toevane::modHelp</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>本软件可能有可用的更新。</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>要检查更新吗？</translation>
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
        <translation>请输入两个不同的电子邮件地址。</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>请输入正确的电子邮件地址。</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>请输入你的姓名。</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>请输入你的电子邮件地址。</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>请输入你的留言。</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>请输入朋友的姓名。</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>请输入朋友的电子邮件地址。</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>你的姓名</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>你的电子邮件地址</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>朋友的姓名</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>朋友的电子邮件地址</translation>
    </message>
</context>
<context>
    <name>toevane::promo</name>
    <message>
        <source>The Most Popular Online Discussion Board On Esoteric Subjects. The Best Resource For All Things Esoteric. Visit %1 Now!</source>
        <extracomment>%1 is the forum&apos;s host name. At most two lines of 468 pixels at 9 pt bold.</extracomment>
        <translation>最受欢迎的神秘学在线论坛。一切神秘学话题的最佳资源。立即访问 %1！</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <extracomment>&quot;&amp;&amp;&quot; shows as one &quot;&amp;&quot;. At most three lines of 399 pixels at 8.25 pt bold (the results window; four lines of 311 pixels in the questionnaire).</extracomment>
        <translation>让本软件与你的网站联合冠名，提升网站的用户黏性和访问量。在这里放上你网站的名称和链接。详情请参阅“帮助”。点击此处了解联合冠名的更多信息。</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <extracomment>At most three lines of 399 pixels at 8.25 pt bold (the results window; four lines of 311 pixels in the questionnaire).</extracomment>
        <translation>在家创业好机会！开创你自己的网上生意，在线赚钱。让本软件完全换上你网站的品牌。点击此处了解详情。</translation>
    </message>
</context>
</TS>
