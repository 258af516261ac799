<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>toevane::ReferAFriendForm</name>
    <message>
        <source>Refer A Friend</source>
        <extracomment>The frame of the form; fits in 455 pixels at 9.75 pt bold.</extracomment>
        <translation>友だちに紹介</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <extracomment>Fits in 217 pixels at 8.25 pt bold.</extracomment>
        <translation>今すぐ友だちに紹介(&amp;N)</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>メールアドレスにスペースは使えません。</translation>
    </message>
</context>
<context>
    <name>toevane::Shell</name>
    <message>
        <source>Application is already running</source>
        <translation>このアプリケーションはすでに起動しています。</translation>
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
        <translation>自分の気持ちを人に打ち明けるのは、あまり得意ではありません。</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>大きい</translation>
    </message>
    <message>
        <source>This toe indicates a high level of energy.</source>
        <translation>この足指は、エネルギーに満ちあふれていることを示しています。</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>短い</translation>
    </message>
    <message>
        <source>This toe indicates that you are controlled and not very expressive.</source>
        <translation>この足指は、自制心が強く、感情をあまり表に出さないことを示しています。</translation>
    </message>
    <message>
        <source>Pointed</source>
        <translation>とがっている</translation>
    </message>
    <message>
        <source>This toe indicates that you are prone to sudden bursts of energy.</source>
        <translation>この足指は、突然エネルギーを爆発させやすいことを示しています。</translation>
    </message>
    <message>
        <source>Rounded</source>
        <translation>丸い</translation>
    </message>
    <message>
        <source>You are vulnerable but also diplomatic.</source>
        <translation>傷つきやすい反面、人当たりがよく如才ないところもあります。</translation>
    </message>
    <message>
        <source>Spatulate</source>
        <translation>へら形（先が平たく広い）</translation>
    </message>
    <message>
        <source>This toe indicates a lot of energy that can be powerful if used the right way. </source>
        <translation>この足指は、あふれるエネルギーを示しています。上手に使えば大きな力になります。</translation>
    </message>
    <message>
        <source>Rectangular</source>
        <translation>四角い</translation>
    </message>
    <message>
        <source>This toe signifies a practical and down-to-earth nature.</source>
        <translation>この足指は、現実的で地に足のついた性格を表しています。</translation>
    </message>
    <message>
        <source>Bent towards Big Toe</source>
        <translation>親指側に曲がっている</translation>
    </message>
    <message>
        <source>This means that you still think about past happenings.</source>
        <translation>過去の出来事を、今でも考えてしまうことを意味しています。</translation>
    </message>
    <message>
        <source>Bent towards Little Toe</source>
        <translation>小指側に曲がっている</translation>
    </message>
    <message>
        <source>You are in a hurry to face the unknown future.</source>
        <translation>まだ見ぬ未来に早く向き合いたくて、うずうずしています。</translation>
    </message>
    <message>
        <source>Large Big Toe</source>
        <translation>大きな親指</translation>
    </message>
    <message>
        <source>You may talk too much on the verge of boastfulness and not implement all your ideas but you may also be rational. This also indicates wealth and prosperity. </source>
        <translation>ついしゃべりすぎて自慢話っぽくなったり、アイデアを全部は実行しなかったりしがちですが、理性的な一面もありそうです。富と繁栄のしるしでもあります。</translation>
    </message>
    <message>
        <source>Small Big Toe</source>
        <translation>小さな親指</translation>
    </message>
    <message>
        <source>You may not be very dependable by nature.</source>
        <translation>生まれつき、あまり頼りにならないところがあるかもしれません。</translation>
    </message>
    <message>
        <source>Rounded Big Toe </source>
        <translation>丸い親指</translation>
    </message>
    <message>
        <source>You are very clever and can go to great heights in life.</source>
        <translation>とても賢く、人生で大きな成功を収めることができます。</translation>
    </message>
    <message>
        <source>Painful Big Toe</source>
        <translation>痛む親指</translation>
    </message>
    <message>
        <source>You may have to face sorrows in life.</source>
        <translation>人生で悲しみに向き合わなければならないことがあるかもしれません。</translation>
    </message>
    <message>
        <source>Standalone Big Toe</source>
        <translation>ほかの指から離れた親指</translation>
    </message>
    <message>
        <source>Second Toe Larger than the Big Toe</source>
        <translation>人差し指が親指より長い</translation>
    </message>
    <message>
        <source>You may have a dominating nature. But you can be a leader if you take life positively.</source>
        <translation>人を支配したがる性格かもしれません。でも、人生を前向きにとらえれば、リーダーになれます。</translation>
    </message>
    <message>
        <source>Second Toe Smaller than the Big Toe</source>
        <translation>人差し指が親指より短い</translation>
    </message>
    <message>
        <source>You will have an average lifestyle with enough money but never more. </source>
        <translation>お金に困ることはないものの、それ以上にはならない、ほどほどの暮らしを送るでしょう。</translation>
    </message>
    <message>
        <source>Webbed Second Toe</source>
        <translation>水かきのある人差し指</translation>
    </message>
    <message>
        <source>Your career means everything to you.</source>
        <translation>あなたにとって、仕事こそがすべてです。</translation>
    </message>
    <message>
        <source>High Arches</source>
        <translation>土踏まずが高い</translation>
    </message>
    <message>
        <source>You are very logical by nature and a thinker at heart. You may tend to dream a lot.</source>
        <translation>生まれつきとても論理的で、根っからの思索家です。夢見がちなところもあるかもしれません。</translation>
    </message>
    <message>
        <source>Low Arches or Flat Feet</source>
        <translation>土踏まずが低い、または扁平足</translation>
    </message>
    <message>
        <source>You are very practical by nature.</source>
        <translation>生まれつき、とても現実的です。</translation>
    </message>
    <message>
        <source>Swollen Feet</source>
        <translation>むくんだ足</translation>
    </message>
    <message>
        <source>Twisted</source>
        <translation>ねじれている</translation>
    </message>
    <message>
        <source>You may tend to run away from the truth and need encouragement from others.</source>
        <translation>真実から目をそらしがちで、人からの励ましを必要としているのかもしれません。</translation>
    </message>
    <message>
        <source>Bent</source>
        <translation>曲がっている</translation>
    </message>
    <message>
        <source>You may scared to bear responsibility and very unsure of yourself</source>
        <translation>責任を負うのが怖く、自分にまったく自信が持てないのかもしれません。</translation>
    </message>
    <message>
        <source>Crooked</source>
        <translation>ゆがんでいる</translation>
    </message>
    <message>
        <source>You may change your thinking to please others.</source>
        <translation>人に気に入られようとして、自分の考えを変えてしまうかもしれません。</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黒</translation>
    </message>
    <message>
        <source>You may not have a very dependable nature.</source>
        <translation>あまり頼りがいのある性格ではないかもしれません。</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>You are well liked and respected.</source>
        <translation>みんなから好かれ、尊敬されています。</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>You may become wealthy.</source>
        <translation>お金持ちになれるかもしれません。</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>銅色</translation>
    </message>
    <message>
        <source>You will lead a royal life.</source>
        <translation>王様のような暮らしを送るでしょう。</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>縦筋</translation>
    </message>
    <message>
        <source>You may go to all extent to support your opinions</source>
        <translation>自分の意見を通すためなら、どんなことでもするかもしれません。</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>横筋</translation>
    </message>
    <message>
        <source>You may feel emotional unstable.</source>
        <translation>気持ちが不安定になりやすいかもしれません。</translation>
    </message>
    <message>
        <source>Toe Appearance</source>
        <translation>足指の見た目</translation>
    </message>
    <message>
        <source>Inclination of Toes</source>
        <translation>足指の傾き</translation>
    </message>
    <message>
        <source>Big Toe</source>
        <translation>足の親指</translation>
    </message>
    <message>
        <source>Second Toe</source>
        <translation>足の人差し指</translation>
    </message>
    <message>
        <source>Foot Arches </source>
        <translation>土踏まず</translation>
    </message>
    <message>
        <source>Foot Arches</source>
        <translation>土踏まず</translation>
    </message>
    <message>
        <source>Toe Shape</source>
        <translation>足指の形</translation>
    </message>
    <message>
        <source>Color of Nails</source>
        <translation>爪の色</translation>
    </message>
    <message>
        <source>Ridges on Toe Nails</source>
        <translation>足の爪の筋</translation>
    </message>
    <message>
        <source>&amp;Analyze My Toes</source>
        <extracomment>The last page&apos;s button; fits in 132 pixels at 8.25 pt bold.</extracomment>
        <translation>足指を診断(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <extracomment>Fits in 132 pixels at 8.25 pt bold.</extracomment>
        <translation>次へ(&amp;N)</translation>
    </message>
</context>
<context>
    <name>toevane::frmAbout</name>
    <message>
        <source>&amp;OK</source>
        <extracomment>Fits in 80 pixels at 8.25 pt bold.</extracomment>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <extracomment>Three lines of 383 pixels at 8.25 pt bold.</extracomment>
        <translation>在宅ビジネスのチャンス！&#x3000;自分のインターネットビジネスを始めて、オンラインで稼ぎましょう。このソフトを、あなたの Web サイトのブランドで丸ごと提供できます。</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>詳しくはこちらをクリック</translation>
    </message>
    <message>
        <source>Toevane is a divination software based on the shape and looks of a person&apos;s feet and the personality characteristics they reveal. The toes of our feet can tell us more about ourselves and the problems that we may be about to face in life. Copyright © Starwell Softwares. All rights reserved.</source>
        <extracomment>Five lines of 383 pixels at 8.25 pt.</extracomment>
        <translation>Toevane は、足の形や見た目と、そこに表れる性格の特徴をもとにした占いソフトです。足の指は、私たち自身のことや、これから人生で出会うかもしれない問題について、多くのことを教えてくれます。Copyright © Starwell Softwares. 無断転載を禁じます。</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the forum&apos;s address. One line of 383 pixels at 8.25 pt bold.</extracomment>
        <translation>ここをクリックして %1 へ</translation>
    </message>
</context>
<context>
    <name>toevane::frmDisplay</name>
    <message>
        <source>You are not selected this type of Toe.</source>
        <extracomment>Said in place of the Toe Shape answer that was skipped; at most four lines of 273 pixels at 8.25 pt bold.</extracomment>
        <translation>この足指の形は選ばれていません。</translation>
    </message>
    <message>
        <source>Toevane Interpretation</source>
        <translation>Toevane の診断結果</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>Fits in 68 pixels at 8.25 pt bold.</extracomment>
        <translation>終了(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Fits in 68 pixels at 8.25 pt bold.</extracomment>
        <translation>戻る(&amp;B)</translation>
    </message>
    <message>
        <source>Toevane reading %1</source>
        <extracomment>The name a saved reading is offered under; %1 is the date, 2026-12-08.</extracomment>
        <translation>Toevane の診断結果 %1</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>The reading&apos;s right-click menu.</extracomment>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save Reading As…</source>
        <extracomment>The reading&apos;s right-click menu.</extracomment>
        <translation>診断結果を名前を付けて保存(&amp;S)…</translation>
    </message>
    <message>
        <source>Save Reading As</source>
        <translation>診断結果を名前を付けて保存</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1 because a folder has that name.</source>
        <translation>同じ名前のフォルダーがあるため、診断結果を %1 として保存できませんでした。</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1 because its folder does not exist.</source>
        <translation>フォルダーが存在しないため、診断結果を %1 として保存できませんでした。</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1 because you have no permission to write there.</source>
        <translation>書き込みの権限がないため、診断結果を %1 として保存できませんでした。</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1 because the disk is full.</source>
        <translation>ディスクがいっぱいのため、診断結果を %1 として保存できませんでした。</translation>
    </message>
    <message>
        <source>The reading could not be saved as %1.</source>
        <translation>診断結果を %1 として保存できませんでした。</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF 文書 (*.pdf)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>テキスト (*.txt)</translation>
    </message>
</context>
<context>
    <name>toevane::frmMain</name>
    <message>
        <source>Toevane is a feet divination software. Know what your toes reveal about your personality with this simple tool. Just choose the right options that stand true for you and get your answers! </source>
        <extracomment>Four lines of 464 pixels at 8.25 pt bold.</extracomment>
        <translation>Toevane は足相占いソフトです。足の指があなたの性格について何を語っているのか、このシンプルなツールで調べてみましょう。当てはまる選択肢を選ぶだけで、答えがわかります！</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <extracomment>Fits in 92 pixels at 8.25 pt bold.</extracomment>
        <translation>終了(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>Fits in 84 pixels at 8.25 pt bold.</extracomment>
        <translation>戻る(&amp;B)</translation>
    </message>
    <message>
        <source>Do you want to select this option ?</source>
        <translation>この質問の答えを選びますか？</translation>
    </message>
    <message>
        <source>Please select an option</source>
        <translation>選択肢を選んでください。</translation>
    </message>
</context>
<context>
    <name>toevane::frmNagScreen2</name>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Fits in 75 pixels at 8.25 pt.</extracomment>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Download Starwell Softwares</source>
        <extracomment>Fits in 233 pixels at 9.75 pt bold.</extracomment>
        <translation>Starwell Softwares を入手</translation>
    </message>
    <message>
        <source>Click Here To Visit Starwell Softwares</source>
        <extracomment>Fits in 239 pixels at 9 pt bold.</extracomment>
        <translation>Starwell Softwares のサイトへ</translation>
    </message>
    <message>
        <source>Starwell Softwares like this one can be created and maintained only with your support. The best way to support Starwell Board is to visit %1 regularly and take part in its discussions and activities.</source>
        <extracomment>%1 is the forum&apos;s address. The four promotions: at most four lines of 465 pixels at 9.75 pt bold.</extracomment>
        <translation>このような Starwell Softwares は、あなたの応援があってこそ作り続けられます。Starwell Board へのいちばんの応援は、%1 を定期的に訪れ、ディスカッションや活動に参加することです。</translation>
    </message>
    <message>
        <source>Please visit %1 regularly and support it by taking part in the discussions and other activities. These programs cannot be supported and maintained without you visiting the site regularly.</source>
        <translation>%1 を定期的に訪れ、ディスカッションやさまざまな活動に参加して応援してください。あなたが定期的にサイトを訪れてくださらなければ、これらのソフトのサポートや保守は続けられません。</translation>
    </message>
    <message>
        <source>%1 is a FREE online discussion forum for all esoteric subjects. To help the site develop and maintain this program, please visit it regularly.</source>
        <translation>%1 は、精神世界のあらゆるテーマを語り合える完全無料のオンライン掲示板です。サイトがこのソフトを開発・保守していけるよう、ぜひ定期的にお越しください。</translation>
    </message>
    <message>
        <source>%1 needs your help! All you have to do is visit it regularly and take part in its various discussions and activities, to help maintain and develop more Starwell Softwares.</source>
        <translation>%1 はあなたの助けを必要としています！&#x3000;定期的に訪れて、さまざまなディスカッションや活動に参加するだけで、Starwell Softwares の保守と新しいソフトの開発を支えることができます。</translation>
    </message>
    <message>
        <source>Click To Visit %1</source>
        <extracomment>%1 is the forum&apos;s address. Fits in 471 pixels at 14.25 pt.</extracomment>
        <translation>クリックで %1 へ</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Starwell Softwares. From a single software, we have now grown to become the world’s largest resource of starwell softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first paragraph; with the second, at most 257 pixels high in 233 pixels at 9 pt.</extracomment>
        <translation>このソフトを楽しんでいただけたなら、ほかの Starwell Softwares にもきっと興味を持っていただけるはずです。たった一本のソフトから始まった私たちは、今では世界最大の Starwell Softwares の提供元に成長しました。占星術、霊感、タロット、数秘術、オカルトなど、あらゆる分野のソフトをそろえ、興味に合わせて幅広く選んでいただけます。</translation>
    </message>
    <message>
        <source>All the programs in the Starwell Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <extracomment>The second paragraph.</extracomment>
        <translation>Starwell Softwares のソフトはどれもシンプルで使いやすく、楽しいだけでなく役に立つ情報も満載です。今すぐ試して、友だちや家族と感想をシェアしましょう。</translation>
    </message>
</context>
<context>
    <name>toevane::menus</name>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>戻る(&amp;B)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>オンラインヘルプ(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Web サイトを開く(&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <extracomment>The questionnaire&apos;s item.</extracomment>
        <translation>ソフトウェアの更新を確認(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <extracomment>The results window&apos;s item.</extracomment>
        <translation>ソフトウェアの更新を確認(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <extracomment>A menu of the menu bar, whose four menus share 484 pixels at 8.25 pt.</extracomment>
        <translation>寄付(&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <extracomment>The menu bar&apos;s last menu, always greyed out; the four menus share 484 pixels at 8.25 pt.</extracomment>
        <translation>ネットで稼ぐ(&amp;O)</translation>
    </message>
</context>
<context>
    <name>toevane::modHelp</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>このソフトウェアの更新版が公開されているかもしれません。</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>更新を確認しますか？</translation>
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
        <translation>異なるメールアドレスを入力してください。</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>正しいメールアドレスを入力してください。</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>あなたの名前を入力してください。</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>あなたのメールアドレスを入力してください。</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>メッセージを入力してください。</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>友だちの名前を入力してください。</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>友だちのメールアドレスを入力してください。</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>あなたの名前</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>あなたのメールアドレス</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>友だちの名前</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>友だちのメールアドレス</translation>
    </message>
</context>
<context>
    <name>toevane::promo</name>
    <message>
        <source>The Most Popular Online Discussion Board On Esoteric Subjects. The Best Resource For All Things Esoteric. Visit %1 Now!</source>
        <extracomment>%1 is the forum&apos;s host name. At most two lines of 468 pixels at 9 pt bold.</extracomment>
        <translation>精神世界をテーマにした一番人気のオンライン掲示板。精神世界のことなら何でもそろう最高の情報源。今すぐ %1 へ！</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <extracomment>&quot;&amp;&amp;&quot; shows as one &quot;&amp;&quot;. At most three lines of 399 pixels at 8.25 pt bold (the results window; four lines of 311 pixels in the questionnaire).</extracomment>
        <translation>このソフトをあなたのサイトとの共同ブランドに。サイトのファンとアクセスを増やしましょう。ここにサイト名とリンクを載せられます。詳しくは「ヘルプ」をご覧ください。共同ブランドの詳細はここをクリック。</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <extracomment>At most three lines of 399 pixels at 8.25 pt bold (the results window; four lines of 311 pixels in the questionnaire).</extracomment>
        <translation>在宅ビジネスのチャンス！&#x3000;自分のインターネットビジネスを始めて、オンラインで稼ぎましょう。このソフトを、あなたの Web サイトのブランドで丸ごと提供できます。詳しくはこちらをクリック。</translation>
    </message>
</context>
</TS>
