<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AccountCloudSession</name>
    <message>
        <location filename="../../src/app/accountcloudsession.cpp" line="57"/>
        <source>Share Account</source>
        <translation>口座の共有</translation>
    </message>
    <message>
        <location filename="../../src/app/accountcloudsession.cpp" line="58"/>
        <source>Sharing: %1</source>
        <translation>共有中: %1</translation>
    </message>
    <message>
        <location filename="../../src/app/accountcloudsession.cpp" line="59"/>
        <source>Share this account with members of your Corvantis family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>この口座を Corvantis ファミリーグループのメンバーと共有します。メンバーは自分のデバイスで同じ記録簿、残高、照合履歴を見ることができます。</translation>
    </message>
    <message>
        <location filename="../../src/app/accountcloudsession.cpp" line="61"/>
        <source>Shared with</source>
        <translation>共有先</translation>
    </message>
    <message>
        <location filename="../../src/app/accountcloudsession.cpp" line="62"/>
        <source>Not shared with anyone yet.</source>
        <translation>まだ誰とも共有していません。</translation>
    </message>
    <message>
        <location filename="../../src/app/accountcloudsession.cpp" line="63"/>
        <source>You&apos;re not in a family group yet. Invite someone, or join a group with an invite code, under File &gt; Corvantis Account &gt; Group.</source>
        <translation>ファミリーグループにまだ参加していません。ファイル &gt; Corvantis アカウント &gt; グループ から、メンバーを招待するか、招待コードでグループに参加してください。</translation>
    </message>
    <message>
        <location filename="../../src/app/accountcloudsession.cpp" line="65"/>
        <source>Share</source>
        <translation>共有</translation>
    </message>
    <message>
        <location filename="../../src/app/accountcloudsession.cpp" line="66"/>
        <source>Remove Selected</source>
        <translation>選択項目を削除</translation>
    </message>
    <message>
        <location filename="../../src/app/accountcloudsession.cpp" line="67"/>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <location filename="../../src/app/accountcloudsession.cpp" line="69"/>
        <source>Share Failed</source>
        <translation>共有に失敗しました</translation>
    </message>
    <message>
        <location filename="../../src/app/accountcloudsession.cpp" line="70"/>
        <source>Remove Failed</source>
        <translation>削除に失敗しました</translation>
    </message>
    <message>
        <location filename="../../src/app/accountcloudsession.cpp" line="71"/>
        <source>Remove Share</source>
        <translation>共有の解除</translation>
    </message>
    <message>
        <location filename="../../src/app/accountcloudsession.cpp" line="72"/>
        <source>Remove %1&apos;s access to this account?</source>
        <translation>%1 さんのこの口座へのアクセスを解除しますか?</translation>
    </message>
</context>
<context>
    <name>AccountFormDialog</name>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="23"/>
        <source>New Account</source>
        <translation>新規口座</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="28"/>
        <source>Account name</source>
        <translation>口座名</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="32"/>
        <source>Checking</source>
        <translation>当座預金</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="33"/>
        <source>Savings</source>
        <translation>普通預金</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="34"/>
        <source>Credit Card</source>
        <translation>クレジットカード</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="35"/>
        <source>Cash</source>
        <translation>現金</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="36"/>
        <source>Investment</source>
        <translation>投資</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="37"/>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="41"/>
        <source>USD ($)</source>
        <translation>USD ($)</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="42"/>
        <source>EUR (€)</source>
        <translation>EUR (€)</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="43"/>
        <source>GBP (£)</source>
        <translation>GBP (£)</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="44"/>
        <source>CAD ($)</source>
        <translation>CAD ($)</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="45"/>
        <source>AUD ($)</source>
        <translation>AUD ($)</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="46"/>
        <source>JPY (¥)</source>
        <translation>JPY (¥)</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="67"/>
        <source>Bank name (optional)</source>
        <translation>金融機関名 (任意)</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="72"/>
        <source>Last 4 digits (optional)</source>
        <translation>口座番号の下4桁 (任意)</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="75"/>
        <source>&amp;Name:</source>
        <translation>名前(&amp;N):</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="76"/>
        <source>&amp;Type:</source>
        <translation>種類(&amp;T):</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="77"/>
        <source>&amp;Currency:</source>
        <translation>通貨(&amp;C):</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="78"/>
        <source>Starting &amp;Balance:</source>
        <translation>開始残高(&amp;B):</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="79"/>
        <source>&amp;As of:</source>
        <translation>基準日(&amp;A):</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="80"/>
        <source>&amp;Institution:</source>
        <translation>金融機関(&amp;I):</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="81"/>
        <source>Account &amp;Number:</source>
        <translation>口座番号(&amp;U):</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/accountformdialog.cpp" line="101"/>
        <source>Edit Account</source>
        <translation>口座の編集</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <location filename="../../src/app/application.cpp" line="98"/>
        <source>Database Error</source>
        <translation>データベースエラー</translation>
    </message>
    <message>
        <location filename="../../src/app/application.cpp" line="99"/>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation>データベースを初期化できませんでした。

データフォルダー: %1

ファイルのアクセス権を確認して、もう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>BackupRowValidator</name>
    <message>
        <location filename="../../src/services/backuprowvalidator.cpp" line="192"/>
        <source>text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <location filename="../../src/services/backuprowvalidator.cpp" line="194"/>
        <source>text or null</source>
        <translation>テキストまたは null</translation>
    </message>
    <message>
        <location filename="../../src/services/backuprowvalidator.cpp" line="196"/>
        <source>a whole number of minor units within ±%1</source>
        <translation>±%1 以内の最小通貨単位の整数</translation>
    </message>
    <message>
        <location filename="../../src/services/backuprowvalidator.cpp" line="199"/>
        <source>a whole number</source>
        <translation>整数</translation>
    </message>
    <message>
        <location filename="../../src/services/backuprowvalidator.cpp" line="201"/>
        <source>0, 1, true or false</source>
        <translation>0、1、true、false のいずれか</translation>
    </message>
    <message>
        <location filename="../../src/services/backuprowvalidator.cpp" line="203"/>
        <source>a yyyy-MM-dd date</source>
        <translation>yyyy-MM-dd 形式の日付</translation>
    </message>
    <message>
        <location filename="../../src/services/backuprowvalidator.cpp" line="205"/>
        <source>a yyyy-MM-dd date or null</source>
        <translation>yyyy-MM-dd 形式の日付または null</translation>
    </message>
    <message>
        <location filename="../../src/services/backuprowvalidator.cpp" line="208"/>
        <source>an ISO 8601 UTC time</source>
        <translation>ISO 8601 形式の UTC 時刻</translation>
    </message>
    <message>
        <location filename="../../src/services/backuprowvalidator.cpp" line="214"/>
        <source>one of its known values</source>
        <translation>既知の値のいずれか</translation>
    </message>
    <message>
        <location filename="../../src/services/backuprowvalidator.cpp" line="231"/>
        <source>%1 must be %2</source>
        <translation>%1 は%2である必要があります</translation>
    </message>
    <message>
        <location filename="../../src/services/backuprowvalidator.cpp" line="236"/>
        <source>a category cannot be its own parent</source>
        <translation>カテゴリを自身の親にすることはできません</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <location filename="../../src/services/backupservice.cpp" line="137"/>
        <source>%1: cannot be restored: %2</source>
        <translation>%1: 復元できません: %2</translation>
    </message>
    <message>
        <location filename="../../src/services/backupservice.cpp" line="180"/>
        <source>no id</source>
        <translation>ID がありません</translation>
    </message>
    <message>
        <location filename="../../src/services/backupservice.cpp" line="193"/>
        <source>%1: unknown member &quot;%2&quot; ignored</source>
        <translation>%1: 不明なメンバー「%2」を無視しました</translation>
    </message>
    <message>
        <location filename="../../src/services/backupservice.cpp" line="200"/>
        <source>%1 holds no value a column can take</source>
        <translation>%1 に列が受け付けられる値がありません</translation>
    </message>
    <message>
        <location filename="../../src/services/backupservice.cpp" line="251"/>
        <source>parent_id leads back to the category itself</source>
        <translation>parent_id がカテゴリ自身に戻っています</translation>
    </message>
    <message>
        <location filename="../../src/services/backupservice.cpp" line="347"/>
        <source>The restore failed and nothing was changed: %1</source>
        <translation>復元に失敗したため、何も変更されていません: %1</translation>
    </message>
    <message>
        <location filename="../../src/services/backupservice.cpp" line="367"/>
        <source>%1: damaged archive entry</source>
        <translation>%1: アーカイブのエントリが破損しています</translation>
    </message>
    <message>
        <location filename="../../src/services/backupservice.cpp" line="373"/>
        <source>%1: invalid JSON</source>
        <translation>%1: JSON が無効です</translation>
    </message>
    <message>
        <location filename="../../src/services/backupservice.cpp" line="455"/>
        <location filename="../../src/services/backupservice.cpp" line="486"/>
        <source>cannot read the table %1: %2</source>
        <translation>テーブル %1 を読み取れません: %2</translation>
    </message>
    <message>
        <location filename="../../src/services/backupservice.cpp" line="512"/>
        <source>Invalid backup: archive entries overlap</source>
        <translation>無効なバックアップ: アーカイブのエントリが重なっています</translation>
    </message>
    <message>
        <location filename="../../src/services/backupservice.cpp" line="515"/>
        <source>Invalid backup: the archive would inflate to more than %1 bytes</source>
        <translation>無効なバックアップ: アーカイブの展開後のサイズが %1 バイトを超えます</translation>
    </message>
    <message>
        <location filename="../../src/services/backupservice.cpp" line="520"/>
        <source>Failed to open ZIP archive</source>
        <translation>ZIP アーカイブを開けませんでした</translation>
    </message>
    <message>
        <location filename="../../src/services/backupservice.cpp" line="528"/>
        <source>Invalid backup: manifest.json is damaged or too large</source>
        <translation>無効なバックアップ: manifest.json が破損しているか、大きすぎます</translation>
    </message>
    <message>
        <location filename="../../src/services/backupservice.cpp" line="533"/>
        <source>Invalid backup: missing manifest.json</source>
        <translation>無効なバックアップ: manifest.json がありません</translation>
    </message>
    <message>
        <location filename="../../src/services/backupservice.cpp" line="539"/>
        <source>Unsupported backup version: %1</source>
        <translation>サポートされていないバックアップのバージョンです: %1</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <location filename="../../src/ui/screens/categoriesscreen.cpp" line="26"/>
        <source>+ New Category</source>
        <translation>+ 新規カテゴリ</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/categoriesscreen.cpp" line="28"/>
        <source>Categories</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/categoriesscreen.cpp" line="85"/>
        <source>New Category</source>
        <translation>新規カテゴリ</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/categoriesscreen.cpp" line="85"/>
        <location filename="../../src/ui/screens/categoriesscreen.cpp" line="110"/>
        <source>Category name:</source>
        <translation>カテゴリ名:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/categoriesscreen.cpp" line="110"/>
        <source>Edit Category</source>
        <translation>カテゴリの編集</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/categoriesscreen.cpp" line="125"/>
        <source>Delete Category</source>
        <translation>カテゴリの削除</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/categoriesscreen.cpp" line="126"/>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>「%1」を削除しますか? このカテゴリを使用している取引は未分類になります。</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/categoriesscreen.cpp" line="143"/>
        <source>&amp;New Category</source>
        <translation>新規カテゴリ(&amp;N)</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/categoriesscreen.cpp" line="145"/>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/categoriesscreen.cpp" line="146"/>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="26"/>
        <location filename="../../src/services/sampledataservice.cpp" line="73"/>
        <source>Charitable Donations</source>
        <translation>寄付金</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="27"/>
        <location filename="../../src/services/sampledataservice.cpp" line="88"/>
        <source>Medical Expenses</source>
        <translation>医療費</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="28"/>
        <source>Business Expenses</source>
        <translation>事業経費</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="29"/>
        <source>Home Office</source>
        <translation>在宅オフィス</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="30"/>
        <location filename="../../src/services/sampledataservice.cpp" line="105"/>
        <source>Education Expenses</source>
        <translation>教育費</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="31"/>
        <source>State &amp; Local Taxes</source>
        <translation>州税・地方税</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="32"/>
        <source>Mortgage Interest</source>
        <translation>住宅ローン利息</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="33"/>
        <source>Property Tax</source>
        <translation>固定資産税</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="35"/>
        <location filename="../../src/services/sampledataservice.cpp" line="61"/>
        <location filename="../../src/services/sampledataservice.cpp" line="76"/>
        <location filename="../../src/services/sampledataservice.cpp" line="125"/>
        <source>Housing</source>
        <translation>住居費</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="36"/>
        <location filename="../../src/services/sampledataservice.cpp" line="61"/>
        <location filename="../../src/services/sampledataservice.cpp" line="76"/>
        <location filename="../../src/services/sampledataservice.cpp" line="125"/>
        <source>Rent/Mortgage Payment</source>
        <translation>家賃・住宅ローン返済</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="37"/>
        <location filename="../../src/services/categoryservice.cpp" line="49"/>
        <source>Maintenance</source>
        <translation>メンテナンス</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="38"/>
        <source>HOA</source>
        <translation>管理費</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="39"/>
        <location filename="../../src/services/sampledataservice.cpp" line="64"/>
        <location filename="../../src/services/sampledataservice.cpp" line="65"/>
        <location filename="../../src/services/sampledataservice.cpp" line="79"/>
        <location filename="../../src/services/sampledataservice.cpp" line="80"/>
        <source>Utilities</source>
        <translation>水道光熱費</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="40"/>
        <location filename="../../src/services/sampledataservice.cpp" line="64"/>
        <location filename="../../src/services/sampledataservice.cpp" line="80"/>
        <source>Electric</source>
        <translation>電気</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="41"/>
        <source>Gas</source>
        <translation>ガス</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="42"/>
        <location filename="../../src/services/sampledataservice.cpp" line="65"/>
        <source>Water</source>
        <translation>水道</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="43"/>
        <location filename="../../src/services/sampledataservice.cpp" line="79"/>
        <source>Internet</source>
        <translation>インターネット</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="44"/>
        <source>Phone</source>
        <translation>電話</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="45"/>
        <location filename="../../src/services/sampledataservice.cpp" line="63"/>
        <location filename="../../src/services/sampledataservice.cpp" line="70"/>
        <location filename="../../src/services/sampledataservice.cpp" line="78"/>
        <location filename="../../src/services/sampledataservice.cpp" line="85"/>
        <location filename="../../src/services/sampledataservice.cpp" line="89"/>
        <source>Transportation</source>
        <translation>交通費</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="46"/>
        <location filename="../../src/services/sampledataservice.cpp" line="63"/>
        <location filename="../../src/services/sampledataservice.cpp" line="70"/>
        <location filename="../../src/services/sampledataservice.cpp" line="78"/>
        <location filename="../../src/services/sampledataservice.cpp" line="85"/>
        <location filename="../../src/services/sampledataservice.cpp" line="89"/>
        <source>Gas/Fuel</source>
        <translation>ガソリン・燃料</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="47"/>
        <source>Car Payment</source>
        <translation>自動車ローン</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="48"/>
        <source>Auto Insurance</source>
        <translation>自動車保険</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="50"/>
        <source>Public Transit</source>
        <translation>公共交通機関</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="51"/>
        <location filename="../../src/services/sampledataservice.cpp" line="62"/>
        <location filename="../../src/services/sampledataservice.cpp" line="67"/>
        <location filename="../../src/services/sampledataservice.cpp" line="72"/>
        <location filename="../../src/services/sampledataservice.cpp" line="77"/>
        <location filename="../../src/services/sampledataservice.cpp" line="82"/>
        <location filename="../../src/services/sampledataservice.cpp" line="86"/>
        <location filename="../../src/services/sampledataservice.cpp" line="90"/>
        <location filename="../../src/services/sampledataservice.cpp" line="104"/>
        <source>Groceries</source>
        <translation>食料品</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="52"/>
        <location filename="../../src/services/sampledataservice.cpp" line="69"/>
        <location filename="../../src/services/sampledataservice.cpp" line="84"/>
        <location filename="../../src/services/sampledataservice.cpp" line="91"/>
        <location filename="../../src/services/sampledataservice.cpp" line="99"/>
        <location filename="../../src/services/sampledataservice.cpp" line="102"/>
        <location filename="../../src/services/sampledataservice.cpp" line="106"/>
        <location filename="../../src/services/sampledataservice.cpp" line="109"/>
        <source>Dining &amp; Restaurants</source>
        <translation>外食</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="53"/>
        <source>Personal Care</source>
        <translation>美容・身だしなみ</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="54"/>
        <source>Pets</source>
        <translation>ペット</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="55"/>
        <location filename="../../src/services/sampledataservice.cpp" line="101"/>
        <location filename="../../src/services/sampledataservice.cpp" line="110"/>
        <source>Subscriptions</source>
        <translation>定額サービス</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="56"/>
        <source>Gifts</source>
        <translation>贈り物</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="57"/>
        <source>Miscellaneous</source>
        <translation>雑費</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="58"/>
        <location filename="../../src/services/sampledataservice.cpp" line="66"/>
        <location filename="../../src/services/sampledataservice.cpp" line="83"/>
        <source>Entertainment</source>
        <translation>娯楽</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="59"/>
        <location filename="../../src/services/sampledataservice.cpp" line="66"/>
        <location filename="../../src/services/sampledataservice.cpp" line="83"/>
        <source>Streaming</source>
        <translation>動画・音楽配信</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="60"/>
        <source>Movies</source>
        <translation>映画</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="61"/>
        <source>Events</source>
        <translation>イベント</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="62"/>
        <location filename="../../src/services/sampledataservice.cpp" line="100"/>
        <location filename="../../src/services/sampledataservice.cpp" line="108"/>
        <source>Shopping</source>
        <translation>買い物</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="63"/>
        <source>Clothing</source>
        <translation>衣料品</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="64"/>
        <location filename="../../src/services/sampledataservice.cpp" line="100"/>
        <location filename="../../src/services/sampledataservice.cpp" line="108"/>
        <source>Electronics</source>
        <translation>電化製品</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="65"/>
        <source>Household</source>
        <translation>日用品</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="66"/>
        <location filename="../../src/services/sampledataservice.cpp" line="71"/>
        <source>Insurance</source>
        <translation>保険</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="67"/>
        <source>Health</source>
        <translation>医療</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="68"/>
        <source>Life</source>
        <translation>生命</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="69"/>
        <source>Home/Renters</source>
        <translation>住宅・家財</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="70"/>
        <location filename="../../src/services/sampledataservice.cpp" line="71"/>
        <source>Auto</source>
        <translation>自動車</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="71"/>
        <source>Fees &amp; Charges</source>
        <translation>手数料</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="72"/>
        <source>Bank Fees</source>
        <translation>銀行手数料</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="73"/>
        <source>ATM Fees</source>
        <translation>ATM 手数料</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="74"/>
        <source>Late Fees</source>
        <translation>延滞料</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="76"/>
        <location filename="../../src/services/sampledataservice.cpp" line="60"/>
        <location filename="../../src/services/sampledataservice.cpp" line="68"/>
        <location filename="../../src/services/sampledataservice.cpp" line="74"/>
        <location filename="../../src/services/sampledataservice.cpp" line="81"/>
        <location filename="../../src/services/sampledataservice.cpp" line="87"/>
        <location filename="../../src/services/sampledataservice.cpp" line="126"/>
        <source>Salary / Wages</source>
        <translation>給与</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="77"/>
        <location filename="../../src/services/sampledataservice.cpp" line="94"/>
        <location filename="../../src/services/sampledataservice.cpp" line="96"/>
        <source>Interest Income</source>
        <translation>受取利息</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="78"/>
        <source>Dividend Income</source>
        <translation>配当収入</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="79"/>
        <source>Rental Income</source>
        <translation>不動産収入</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="80"/>
        <source>Freelance / Consulting</source>
        <translation>フリーランス・コンサルティング</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="81"/>
        <source>Refunds</source>
        <translation>払い戻し</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="82"/>
        <source>Gifts Received</source>
        <translation>受け取った贈り物</translation>
    </message>
    <message>
        <location filename="../../src/services/categoryservice.cpp" line="83"/>
        <source>Other Income</source>
        <translation>その他の収入</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <location filename="../../src/ui/screens/categorytreemodel.cpp" line="22"/>
        <source>Income</source>
        <translation>収入</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/categorytreemodel.cpp" line="24"/>
        <source>Transfer</source>
        <translation>振替</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/categorytreemodel.cpp" line="28"/>
        <source>Expense</source>
        <translation>支出</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/categorytreemodel.cpp" line="131"/>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/categorytreemodel.cpp" line="133"/>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/categorytreemodel.cpp" line="135"/>
        <source>Tax Code</source>
        <translation>税区分</translation>
    </message>
</context>
<context>
    <name>CloudSession</name>
    <message>
        <location filename="../../src/app/cloudsession.cpp" line="19"/>
        <source>the cloud service is not available in this version</source>
        <translation>このバージョンではクラウドサービスを利用できません</translation>
    </message>
    <message>
        <location filename="../../src/app/cloudsession.cpp" line="29"/>
        <source>Offline</source>
        <translation>オフライン</translation>
    </message>
</context>
<context>
    <name>CorvantisAccount::AccountScreen</name>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="86"/>
        <source>Corvantis Account</source>
        <translation>Corvantis アカウント</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="91"/>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="273"/>
        <source>Profile</source>
        <translation>プロフィール</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="91"/>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="330"/>
        <source>Group</source>
        <translation>グループ</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="91"/>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="554"/>
        <source>Devices</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="91"/>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="624"/>
        <source>Security</source>
        <translation>セキュリティ</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="91"/>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="705"/>
        <source>Data &amp; Privacy</source>
        <translation>データとプライバシー</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="214"/>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="217"/>
        <source>Active now</source>
        <translation>現在アクティブ</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="219"/>
        <source>%1m ago</source>
        <translation>%1 分前</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="221"/>
        <source>%1h ago</source>
        <translation>%1 時間前</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="223"/>
        <source>%1d ago</source>
        <translation>%1 日前</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="287"/>
        <source>Could not load your profile.</source>
        <translation>プロフィールを読み込めませんでした。</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="291"/>
        <source>Personal Information</source>
        <translation>個人情報</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="292"/>
        <source>(not set)</source>
        <translation>(未設定)</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="299"/>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="308"/>
        <source>Edit Display Name</source>
        <translation>表示名の編集</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="308"/>
        <source>Display name:</source>
        <translation>表示名:</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="318"/>
        <source>Failed to update profile.</source>
        <translation>プロフィールを更新できませんでした。</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="321"/>
        <source>Display name updated.</source>
        <translation>表示名を更新しました。</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="347"/>
        <source>No Group</source>
        <translation>グループなし</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="349"/>
        <source>You&apos;re not part of a group. The group owner can invite you, or you can join with an invite code.</source>
        <translation>グループに参加していません。グループのオーナーから招待を受けるか、招待コードで参加できます。</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="350"/>
        <source>Join with Invite Code</source>
        <translation>招待コードで参加</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="355"/>
        <source>Start a Group</source>
        <translation>グループを作成</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="356"/>
        <source>Invite the people you share your finances with; the group is created with you as its owner.</source>
        <translation>家計を共有する人を招待してください。あなたがオーナーとなってグループが作成されます。</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="364"/>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="489"/>
        <source>Invite by Email</source>
        <translation>メールで招待</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="366"/>
        <source>Generate Invite Code</source>
        <translation>招待コードを発行</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="387"/>
        <source>%1 of %2 seats used</source>
        <translation>%2 席中 %1 席使用中</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="389"/>
        <source>Members</source>
        <translation>メンバー</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="398"/>
        <source>Owner</source>
        <translation>オーナー</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="400"/>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="583"/>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="409"/>
        <source>Pending Invitations</source>
        <translation>保留中の招待</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="411"/>
        <source>Anyone with the code</source>
        <translation>コードを知っている全員</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="414"/>
        <source>Invite code: %1</source>
        <translation>招待コード: %1</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="416"/>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="685"/>
        <source>Revoke</source>
        <translation>取り消し</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="421"/>
        <source>Invite Members</source>
        <translation>メンバーを招待</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="424"/>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="528"/>
        <source>Leave Group</source>
        <translation>グループから退出</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="434"/>
        <source>Join Group</source>
        <translation>グループに参加</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="434"/>
        <source>Enter invite code:</source>
        <translation>招待コードを入力してください:</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="443"/>
        <source>Invalid or expired invite code.</source>
        <translation>招待コードが無効か、有効期限が切れています。</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="446"/>
        <source>Joined group.</source>
        <translation>グループに参加しました。</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="454"/>
        <source>Remove Member</source>
        <translation>メンバーの削除</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="454"/>
        <source>Remove %1 from the group?</source>
        <translation>%1 さんをグループから削除しますか?</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="463"/>
        <source>Could not remove %1.</source>
        <translation>%1 さんを削除できませんでした。</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="466"/>
        <source>%1 removed.</source>
        <translation>%1 さんを削除しました。</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="478"/>
        <source>Could not revoke the invitation.</source>
        <translation>招待を取り消せませんでした。</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="481"/>
        <source>Invitation revoked.</source>
        <translation>招待を取り消しました。</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="489"/>
        <source>Email address:</source>
        <translation>メールアドレス:</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="498"/>
        <source>Failed to send invitation.</source>
        <translation>招待を送信できませんでした。</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="501"/>
        <source>Invitation sent.</source>
        <translation>招待を送信しました。</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="513"/>
        <source>Failed to generate code.</source>
        <translation>コードを発行できませんでした。</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="516"/>
        <source>Invite Code</source>
        <translation>招待コード</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="517"/>
        <source>Share this code with the person you want to invite:

%1</source>
        <translation>招待したい人にこのコードを伝えてください:

%1</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="528"/>
        <source>Leave this group? You will lose access to shared data.</source>
        <translation>このグループから退出しますか? 共有データにアクセスできなくなります。</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="537"/>
        <source>Could not leave the group.</source>
        <translation>グループから退出できませんでした。</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="540"/>
        <source>Left group.</source>
        <translation>グループから退出しました。</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="552"/>
        <source>Devices that have synced with your account.</source>
        <translation>お使いのアカウントと同期したデバイスです。</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="553"/>
        <source>Registered Devices</source>
        <translation>登録済みデバイス</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="568"/>
        <source>No devices registered.</source>
        <translation>登録済みのデバイスはありません。</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="573"/>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="592"/>
        <source>Unknown Device</source>
        <translation>不明なデバイス</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="576"/>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="577"/>
        <source>Last sync: %1</source>
        <translation>最終同期: %1</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="593"/>
        <source>Remove Device</source>
        <translation>デバイスの削除</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="593"/>
        <source>Remove %1?</source>
        <translation>%1 を削除しますか?</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="602"/>
        <source>Could not remove the device.</source>
        <translation>デバイスを削除できませんでした。</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="605"/>
        <source>Device removed.</source>
        <translation>デバイスを削除しました。</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="617"/>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="618"/>
        <source>Change your account password.</source>
        <translation>アカウントのパスワードを変更します。</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="619"/>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="629"/>
        <source>Change Password</source>
        <translation>パスワードの変更</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="622"/>
        <source>Active Sessions</source>
        <translation>アクティブなセッション</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="623"/>
        <source>Sessions currently signed in to your account.</source>
        <translation>現在アカウントにサインインしているセッションです。</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="631"/>
        <source>Current password:</source>
        <translation>現在のパスワード:</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="634"/>
        <source>New password (min 8 characters):</source>
        <translation>新しいパスワード (8文字以上):</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="638"/>
        <source>Password must be at least 8 characters.</source>
        <translation>パスワードは8文字以上にしてください。</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="641"/>
        <source>Confirm new password:</source>
        <translation>新しいパスワード (確認):</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="645"/>
        <source>Passwords do not match.</source>
        <translation>パスワードが一致しません。</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="651"/>
        <source>Password changed.</source>
        <translation>パスワードを変更しました。</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="651"/>
        <source>Failed to change password.</source>
        <translation>パスワードを変更できませんでした。</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="666"/>
        <source>No active sessions.</source>
        <translation>アクティブなセッションはありません。</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="673"/>
        <source>Unknown client</source>
        <translation>不明なクライアント</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="676"/>
        <source>This session</source>
        <translation>このセッション</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="683"/>
        <source>Current</source>
        <translation>現在</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="697"/>
        <source>Session revoked.</source>
        <translation>セッションを取り消しました。</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="712"/>
        <source>Danger Zone</source>
        <translation>危険な操作</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="713"/>
        <source>Permanently delete your account. This cannot be undone after 30 days.</source>
        <translation>アカウントを完全に削除します。30日を過ぎると元に戻せません。</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="714"/>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="733"/>
        <source>Delete Account</source>
        <translation>アカウントの削除</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="725"/>
        <source>You are the group owner. Transfer ownership or remove all members before deleting your account.</source>
        <translation>あなたはグループのオーナーです。アカウントを削除する前に、オーナー権限を譲渡するか、すべてのメンバーを削除してください。</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="734"/>
        <source>This will schedule your account for permanent deletion after 30 days.

Type DELETE to confirm:</source>
        <translation>30日後にアカウントが完全に削除されるよう予約します。

確認のため DELETE と入力してください:</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="743"/>
        <source>Failed to delete account.</source>
        <translation>アカウントを削除できませんでした。</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="746"/>
        <source>Account Scheduled for Deletion</source>
        <translation>アカウントの削除を予約しました</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/accountscreen.cpp" line="747"/>
        <source>Your account will be permanently deleted in 30 days. You can recover it by signing in before then.</source>
        <translation>アカウントは30日後に完全に削除されます。それまでにサインインすれば、アカウントを復旧できます。</translation>
    </message>
</context>
<context>
    <name>CorvantisAccount::AccountSharingService</name>
    <message>
        <location filename="../../src/account/accountsharingservice.cpp" line="40"/>
        <location filename="../../src/account/accountsharingservice.cpp" line="60"/>
        <source>Failed to share account (HTTP %1)</source>
        <translation>口座を共有できませんでした (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>CorvantisAccount::ApiClient</name>
    <message>
        <location filename="../../src/account/apiclient.cpp" line="163"/>
        <source>The service&apos;s answer is too large</source>
        <translation>サービスからの応答が大きすぎます</translation>
    </message>
</context>
<context>
    <name>CorvantisAccount::ShareMembersDialog</name>
    <message>
        <location filename="../../src/account/widgets/sharemembersdialog.cpp" line="147"/>
        <source>Loading...</source>
        <translation>読み込み中...</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/sharemembersdialog.cpp" line="190"/>
        <source>Not shared with anyone yet.</source>
        <translation>まだ誰とも共有していません。</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/sharemembersdialog.cpp" line="217"/>
        <source>All group members already added</source>
        <translation>グループのメンバー全員が追加済みです</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/sharemembersdialog.cpp" line="236"/>
        <source>Sharing...</source>
        <translation>共有中...</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/sharemembersdialog.cpp" line="250"/>
        <source>Could not share with %1.</source>
        <translation>%1 さんと共有できませんでした。</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/sharemembersdialog.cpp" line="260"/>
        <source>Remove %1&apos;s access to this item?</source>
        <translation>%1 さんのこの項目へのアクセスを解除しますか?</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/sharemembersdialog.cpp" line="261"/>
        <source>Remove Share</source>
        <translation>共有の解除</translation>
    </message>
    <message>
        <location filename="../../src/account/widgets/sharemembersdialog.cpp" line="274"/>
        <source>Could not remove share.</source>
        <translation>共有を解除できませんでした。</translation>
    </message>
</context>
<context>
    <name>CorvantisUpdate</name>
    <message>
        <location filename="../../src/update/updateflows.cpp" line="44"/>
        <source>No release notes available for %1 %2</source>
        <translation>%1 %2 のリリースノートはありません</translation>
    </message>
    <message>
        <location filename="../../src/update/updateflows.cpp" line="108"/>
        <source>Checking for updates…</source>
        <translation>アップデートを確認しています…</translation>
    </message>
    <message>
        <location filename="../../src/update/updateflows.cpp" line="118"/>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 は最新です (バージョン %2)</translation>
    </message>
    <message>
        <location filename="../../src/update/updateflows.cpp" line="124"/>
        <source>Update check failed: %1</source>
        <translation>アップデートを確認できませんでした: %1</translation>
    </message>
    <message>
        <location filename="../../src/update/updateflows.cpp" line="132"/>
        <source>Loading release notes…</source>
        <translation>リリースノートを読み込んでいます…</translation>
    </message>
</context>
<context>
    <name>CorvantisUpdate::UpdateDialog</name>
    <message>
        <location filename="../../src/update/updatedialog.cpp" line="20"/>
        <source>Update available</source>
        <translation>アップデートがあります</translation>
    </message>
    <message>
        <location filename="../../src/update/updatedialog.cpp" line="23"/>
        <source>A new version of %1 is available.</source>
        <translation>%1 の新しいバージョンが利用可能です。</translation>
    </message>
    <message>
        <location filename="../../src/update/updatedialog.cpp" line="26"/>
        <source>You have version %1. The latest version is %2.</source>
        <translation>現在のバージョンは %1 です。最新バージョンは %2 です。</translation>
    </message>
    <message>
        <location filename="../../src/update/updatedialog.cpp" line="33"/>
        <source>Loading release notes…</source>
        <translation>リリースノートを読み込んでいます…</translation>
    </message>
    <message>
        <location filename="../../src/update/updatedialog.cpp" line="45"/>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <location filename="../../src/update/updatedialog.cpp" line="49"/>
        <source>Later</source>
        <translation>後で</translation>
    </message>
    <message>
        <location filename="../../src/update/updatedialog.cpp" line="77"/>
        <source>*Release notes are not available for this version.*</source>
        <translation>*このバージョンのリリースノートはありません。*</translation>
    </message>
</context>
<context>
    <name>CorvantisUpdate::WhatsNewDialog</name>
    <message>
        <location filename="../../src/update/whatsnewdialog.cpp" line="19"/>
        <source>What&apos;s New in %1 %2</source>
        <translation>%1 %2 の新機能</translation>
    </message>
    <message>
        <location filename="../../src/update/whatsnewdialog.cpp" line="23"/>
        <source>What&apos;s new in %1 %2</source>
        <translation>%1 %2 の新機能</translation>
    </message>
    <message>
        <location filename="../../src/update/whatsnewdialog.cpp" line="29"/>
        <source>You are running version %1</source>
        <translation>お使いのバージョンは %1 です</translation>
    </message>
    <message>
        <location filename="../../src/update/whatsnewdialog.cpp" line="36"/>
        <source>Download %1</source>
        <translation>%1 をダウンロード</translation>
    </message>
    <message>
        <location filename="../../src/update/whatsnewdialog.cpp" line="39"/>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>DateField</name>
    <message>
        <location filename="../../src/ui/register/datefield.cpp" line="16"/>
        <source>Open calendar (F4)</source>
        <translation>カレンダーを開く (F4)</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="67"/>
        <location filename="../../src/ui/screens/importscreen.cpp" line="188"/>
        <source>Semicolon</source>
        <translation>セミコロン</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="69"/>
        <location filename="../../src/ui/screens/importscreen.cpp" line="189"/>
        <source>Tab</source>
        <translation>タブ</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="70"/>
        <location filename="../../src/ui/screens/importscreen.cpp" line="187"/>
        <source>Comma</source>
        <translation>カンマ</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="86"/>
        <source>(none)</source>
        <translation>(なし)</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="89"/>
        <source>Col %1: %2</source>
        <translation>列 %1: %2</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="90"/>
        <source>Column %1</source>
        <translation>列 %1</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="101"/>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="102"/>
        <source>QIF</source>
        <translation>QIF</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="103"/>
        <source>&amp;Account:</source>
        <translation>口座(&amp;A):</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="105"/>
        <location filename="../../src/ui/screens/importscreen.cpp" line="336"/>
        <source>No file selected</source>
        <translation>ファイルが選択されていません</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="106"/>
        <source>Browse...</source>
        <translation>参照...</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="116"/>
        <source>First row is header</source>
        <translation>1行目は見出し</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="120"/>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="122"/>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="149"/>
        <source>Import Transactions</source>
        <translation>取引のインポート</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="165"/>
        <source>&amp;Format:</source>
        <translation>形式(&amp;F):</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="173"/>
        <source>File:</source>
        <translation>ファイル:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="178"/>
        <source>CSV Column Mapping:</source>
        <translation>CSV の列の割り当て:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="180"/>
        <source>Date column:</source>
        <translation>日付の列:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="181"/>
        <source>Payee column:</source>
        <translation>取引先の列:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="182"/>
        <source>Amount column:</source>
        <translation>金額の列:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="183"/>
        <source>Memo column:</source>
        <translation>メモの列:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="184"/>
        <source>Category column:</source>
        <translation>カテゴリの列:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="185"/>
        <source>Check number column:</source>
        <translation>小切手番号の列:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="186"/>
        <location filename="../../src/ui/screens/importscreen.cpp" line="321"/>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="190"/>
        <source>Delimiter:</source>
        <translation>区切り文字:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="193"/>
        <source>Date format:</source>
        <translation>日付の形式:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="205"/>
        <source>QIF source accounts:</source>
        <translation>QIF の元口座:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="206"/>
        <source>Choose where each Quicken account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
        <translation>各 Quicken 口座のインポート先を選択してください。選択したファイル間で割り当てた口座同士の振替は、自動的に関連付けられます。</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="353"/>
        <source>Select QIF File(s)</source>
        <translation>QIF ファイルの選択</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="353"/>
        <source>QIF Files (*.qif)</source>
        <translation>QIF ファイル (*.qif)</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="360"/>
        <source>Select File</source>
        <translation>ファイルの選択</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="362"/>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>CSV ファイル (*.csv);;すべてのファイル (*)</translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/ui/screens/importscreen.cpp" line="380"/>
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n 個のファイルを選択済み</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="384"/>
        <source>Analyzing QIF file(s)...</source>
        <translation>QIF ファイルを解析しています...</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="392"/>
        <source>Cannot import: %1</source>
        <translation>インポートできません: %1</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="409"/>
        <source>Auto (%1)</source>
        <translation>自動 (%1)</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="450"/>
        <source>Col %1</source>
        <translation>列 %1</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="485"/>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— 新しい口座「%1」を作成 —</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="486"/>
        <source>— Skip these transactions —</source>
        <translation>— これらの取引をスキップ —</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="504"/>
        <source>No target account</source>
        <translation>インポート先の口座がありません</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="504"/>
        <source>Pick an account to import into, or create one now.</source>
        <translation>インポート先の口座を選択するか、新しく作成してください。</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="556"/>
        <source>Importing...</source>
        <translation>インポートしています...</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="594"/>
        <source>Import failed.</source>
        <translation>インポートに失敗しました。</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="595"/>
        <source>A database error stopped the import and all changes were rolled back. No transactions were added.</source>
        <translation>データベースエラーによりインポートが中断され、すべての変更が取り消されました。取引は追加されていません。</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="601"/>
        <source>Import complete!</source>
        <translation>インポートが完了しました!</translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/ui/screens/importscreen.cpp" line="602"/>
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n 件の取引をインポートしました</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="604"/>
        <source>No transactions were imported</source>
        <translation>インポートされた取引はありません</translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/ui/screens/importscreen.cpp" line="607"/>
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n 件の振替を口座間で関連付けました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/ui/screens/importscreen.cpp" line="609"/>
        <source>  (including %n linked to previously imported row(s))</source>
        <translation>
            <numerusform>  (うち %n 件は以前にインポートした行と関連付け)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/ui/screens/importscreen.cpp" line="612"/>
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n 件の重複をスキップしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/ui/screens/importscreen.cpp" line="614"/>
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n 件のレコードをスキップしました (解析不能)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/ui/screens/importscreen.cpp" line="616"/>
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n 件のメタデータレコードをスキップしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/ui/screens/importscreen.cpp" line="618"/>
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n 件のレコードをスキップしました (元口座が未割り当て)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/ui/screens/importscreen.cpp" line="620"/>
        <source>%n record(s) skipped (database error — see log)</source>
        <translation>
            <numerusform>%n 件のレコードをスキップしました (データベースエラー — ログを参照)</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/importscreen.cpp" line="622"/>
        <source>The file holds no transactions.</source>
        <translation>このファイルには取引が含まれていません。</translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <location filename="../../src/services/importservice.cpp" line="255"/>
        <source>The account %1 does not exist or has been deleted.</source>
        <translation>口座 %1 は存在しないか、削除されています。</translation>
    </message>
    <message>
        <location filename="../../src/services/importservice.cpp" line="282"/>
        <source>%1 is larger than %2 MiB</source>
        <translation>%1 は %2 MiB を超えています</translation>
    </message>
    <message>
        <location filename="../../src/services/importservice.cpp" line="448"/>
        <source>Imported transaction</source>
        <translation>インポートした取引</translation>
    </message>
    <message>
        <location filename="../../src/services/importservice.cpp" line="458"/>
        <source>Transfer</source>
        <translation>振替</translation>
    </message>
    <message>
        <location filename="../../src/services/importservice.cpp" line="459"/>
        <source>Uncategorized</source>
        <translation>未分類</translation>
    </message>
    <message>
        <location filename="../../src/services/importservice.cpp" line="750"/>
        <source>%1 (no account header)</source>
        <translation>%1 (口座ヘッダーなし)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="123"/>
        <source>Checking</source>
        <translation>当座預金</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="125"/>
        <source>Savings</source>
        <translation>普通預金</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="127"/>
        <source>Credit Card</source>
        <translation>クレジットカード</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="129"/>
        <source>Cash</source>
        <translation>現金</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="131"/>
        <source>Investment</source>
        <translation>投資</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="135"/>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="157"/>
        <source>Corvantis Zimbrel</source>
        <translation>Corvantis Zimbrel</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="270"/>
        <source>Signed in successfully</source>
        <translation>サインインしました</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="272"/>
        <source>Sign-in failed: %1</source>
        <translation>サインインに失敗しました: %1</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="306"/>
        <source>Sync complete</source>
        <translation>同期しました</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="312"/>
        <source>Sync failed: %1</source>
        <translation>同期に失敗しました: %1</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="336"/>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="337"/>
        <source>&amp;New Transaction</source>
        <translation>新規取引(&amp;N)</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="343"/>
        <source>New &amp;Account</source>
        <translation>新規口座(&amp;A)</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="347"/>
        <source>&amp;Import...</source>
        <translation>インポート(&amp;I)...</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="353"/>
        <source>&amp;Corvantis Account...</source>
        <translation>Corvantis アカウント(&amp;C)...</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="356"/>
        <source>&amp;Sign In...</source>
        <translation>サインイン(&amp;S)...</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="362"/>
        <source>Sign &amp;Out</source>
        <translation>サインアウト(&amp;O)</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="365"/>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="369"/>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="370"/>
        <source>&amp;Find...</source>
        <translation>検索(&amp;F)...</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="374"/>
        <source>&amp;Preferences...</source>
        <translation>環境設定(&amp;P)...</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="377"/>
        <source>&amp;Account</source>
        <translation>口座(&amp;A)</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="378"/>
        <source>&amp;Edit...</source>
        <translation>編集(&amp;E)...</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="379"/>
        <source>&amp;Reconcile...</source>
        <translation>照合(&amp;R)...</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="382"/>
        <source>Reconciliation &amp;History...</source>
        <translation>照合履歴(&amp;H)...</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="384"/>
        <source>Rename &amp;Payees...</source>
        <translation>取引先名の変更(&amp;P)...</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="386"/>
        <source>&amp;Share...</source>
        <translation>共有(&amp;S)...</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="388"/>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="390"/>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="391"/>
        <source>&amp;Reports</source>
        <translation>レポート(&amp;R)</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="394"/>
        <source>Re&amp;curring Transactions</source>
        <translation>定期取引(&amp;C)</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="397"/>
        <source>C&amp;ategories</source>
        <translation>カテゴリ(&amp;A)</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="401"/>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="402"/>
        <source>&amp;About Corvantis Zimbrel</source>
        <translation>Corvantis Zimbrel について(&amp;A)</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="403"/>
        <source>What&apos;s &amp;New...</source>
        <translation>新機能(&amp;N)...</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="408"/>
        <source>Check for &amp;Updates...</source>
        <translation>アップデートの確認(&amp;U)...</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="415"/>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>キーボードショートカット(&amp;K)</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="418"/>
        <source>Load &amp;Sample Data</source>
        <translation>サンプルデータの読み込み(&amp;S)</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="419"/>
        <source>&amp;Clear Sample Data</source>
        <translation>サンプルデータの消去(&amp;C)</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="449"/>
        <source>Not signed in</source>
        <translation>サインインしていません</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="469"/>
        <source>Welcome to Corvantis Zimbrel</source>
        <translation>Corvantis Zimbrel へようこそ</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="477"/>
        <source>Create your first account to get started.</source>
        <translation>最初の口座を作成して始めましょう。</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="487"/>
        <source>Create Account</source>
        <translation>口座を作成</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="507"/>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>ファイル › インポート から CSV ファイルの取引をインポートすることもできます。</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="557"/>
        <location filename="../../src/app/mainwindow.cpp" line="629"/>
        <source>Out of range</source>
        <translation>範囲外</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="628"/>
        <source>No accounts</source>
        <translation>口座がありません</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="629"/>
        <source>Total: %1</source>
        <translation>合計: %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/app/mainwindow.cpp" line="712"/>
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>%n 件の定期取引を自動記帳しました</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="752"/>
        <source>Select an account first</source>
        <translation>先に口座を選択してください</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="789"/>
        <source>The account could not be created</source>
        <translation>口座を作成できませんでした</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="808"/>
        <source>The account could not be saved</source>
        <translation>口座を保存できませんでした</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="831"/>
        <source>Reconcile — %1</source>
        <translation>照合 — %1</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="843"/>
        <source>Reconciliation History</source>
        <translation>照合履歴</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="888"/>
        <source>Reports</source>
        <translation>レポート</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="906"/>
        <source>Recurring Transactions</source>
        <translation>定期取引</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="917"/>
        <source>Search Transactions</source>
        <translation>取引の検索</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="928"/>
        <source>Categories</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="939"/>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="953"/>
        <source>Import Transactions</source>
        <translation>取引のインポート</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="964"/>
        <source>Payee Management</source>
        <translation>取引先の管理</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="975"/>
        <source>Transaction memorized as recurring</source>
        <translation>取引を定期取引として登録しました</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1008"/>
        <source>Corvantis Account</source>
        <translation>Corvantis アカウント</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1028"/>
        <source>Sign In Required</source>
        <translation>サインインが必要です</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1029"/>
        <source>Sharing an account needs a signed-in Corvantis account.

Sign in via File › Sign In, then share the account again.</source>
        <translation>口座を共有するには、Corvantis アカウントにサインインする必要があります。

ファイル › サインイン からサインインしてから、もう一度口座を共有してください。</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1039"/>
        <source>New Account...</source>
        <translation>新規口座...</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1052"/>
        <source>Edit &quot;%1&quot;...</source>
        <translation>「%1」を編集...</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1054"/>
        <source>Reconcile...</source>
        <translation>照合...</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1056"/>
        <source>Reconciliation History...</source>
        <translation>照合履歴...</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1058"/>
        <source>Rename Payees...</source>
        <translation>取引先名の変更...</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1061"/>
        <source>Share...</source>
        <translation>共有...</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1064"/>
        <source>Delete &quot;%1&quot;</source>
        <translation>「%1」を削除</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1076"/>
        <source>Delete Account</source>
        <translation>口座の削除</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1077"/>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>「%1」を削除しますか?

この口座のすべての取引、定期取引、照合履歴が削除されます。環境設定 → データと同期 から復元できます。</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1085"/>
        <source>The account could not be deleted</source>
        <translation>口座を削除できませんでした</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1108"/>
        <source>About Corvantis Zimbrel</source>
        <translation>Corvantis Zimbrel について</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1109"/>
        <source>&lt;h3&gt;Corvantis Zimbrel&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A digital checkbook register for tracking household finances.&lt;/p&gt;&lt;p&gt;&lt;small&gt;This application uses the Qt framework, licensed under the GNU Lesser General Public License version 3 (LGPLv3). The Qt source code is available from &lt;a href=&quot;https://download.qt.io/official_releases/qt/&quot;&gt;download.qt.io&lt;/a&gt;; see &lt;a href=&quot;https://www.qt.io/licensing/open-source-lgpl-obligations&quot;&gt;qt.io&lt;/a&gt; for the licence terms.&lt;/small&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Corvantis Zimbrel&lt;/h3&gt;&lt;p&gt;バージョン %1&lt;/p&gt;&lt;p&gt;家計を管理するためのデジタル小切手記録簿です。&lt;/p&gt;&lt;p&gt;&lt;small&gt;このアプリケーションは、GNU Lesser General Public License version 3 (LGPLv3) でライセンスされている Qt フレームワークを使用しています。Qt のソースコードは &lt;a href=&quot;https://download.qt.io/official_releases/qt/&quot;&gt;download.qt.io&lt;/a&gt; から入手できます。ライセンス条件については &lt;a href=&quot;https://www.qt.io/licensing/open-source-lgpl-obligations&quot;&gt;qt.io&lt;/a&gt; をご覧ください。&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1122"/>
        <source>Keyboard Shortcuts</source>
        <translation>キーボードショートカット</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1123"/>
        <source>&lt;h3&gt;Register&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Enter&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Save transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+I&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Insert new transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+D&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Delete current transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous field&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;&apos; (apostrophe)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Copy value from field above&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Date Field&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Today&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Next / previous day&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of month&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of year&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;First / last day of week&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;General&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+N&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New transaction&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Shift+N&lt;/b&gt;&lt;/td&gt;&lt;td&gt;New account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+R&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reconcile account&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+F&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Search transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Shift+I&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Import&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Reports&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Recurring transactions&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Categories&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;Accounts&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Alt+1 &amp;ndash; Alt+9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 1&amp;ndash;9&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Alt+0&lt;/b&gt;&lt;/td&gt;&lt;td&gt;Switch to account 10&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;h3&gt;記録簿&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Enter&lt;/b&gt;&lt;/td&gt;&lt;td&gt;取引を保存&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+I&lt;/b&gt;&lt;/td&gt;&lt;td&gt;新しい取引を挿入&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+D&lt;/b&gt;&lt;/td&gt;&lt;td&gt;現在の取引を削除&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Tab / Shift+Tab&lt;/b&gt;&lt;/td&gt;&lt;td&gt;次 / 前のフィールド&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;&apos; (アポストロフィ)&lt;/b&gt;&lt;/td&gt;&lt;td&gt;上のフィールドの値をコピー&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;日付フィールド&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;t&lt;/b&gt;&lt;/td&gt;&lt;td&gt;今日&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+ / -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;翌日 / 前日&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;m / h&lt;/b&gt;&lt;/td&gt;&lt;td&gt;月初 / 月末&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;y / r&lt;/b&gt;&lt;/td&gt;&lt;td&gt;年初 / 年末&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;w / k&lt;/b&gt;&lt;/td&gt;&lt;td&gt;週の初日 / 最終日&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;全般&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+N&lt;/b&gt;&lt;/td&gt;&lt;td&gt;新規取引&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Shift+N&lt;/b&gt;&lt;/td&gt;&lt;td&gt;新規口座&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+R&lt;/b&gt;&lt;/td&gt;&lt;td&gt;口座を照合&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+F&lt;/b&gt;&lt;/td&gt;&lt;td&gt;取引を検索&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+Shift+I&lt;/b&gt;&lt;/td&gt;&lt;td&gt;インポート&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+2&lt;/b&gt;&lt;/td&gt;&lt;td&gt;レポート&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+3&lt;/b&gt;&lt;/td&gt;&lt;td&gt;定期取引&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Ctrl+4&lt;/b&gt;&lt;/td&gt;&lt;td&gt;カテゴリ&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;h3&gt;口座&lt;/h3&gt;&lt;table cellspacing=&apos;6&apos;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Alt+1 &amp;ndash; Alt+9&lt;/b&gt;&lt;/td&gt;&lt;td&gt;口座 1&amp;ndash;9 に切り替え&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;Alt+0&lt;/b&gt;&lt;/td&gt;&lt;td&gt;口座 10 に切り替え&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1144"/>
        <location filename="../../src/app/mainwindow.cpp" line="1158"/>
        <source>Sample Data</source>
        <translation>サンプルデータ</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1144"/>
        <source>Sample data is already loaded.</source>
        <translation>サンプルデータはすでに読み込まれています。</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1151"/>
        <source>Sample data loaded</source>
        <translation>サンプルデータを読み込みました</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1158"/>
        <source>No sample data to clear.</source>
        <translation>消去するサンプルデータはありません。</translation>
    </message>
    <message>
        <location filename="../../src/app/mainwindow.cpp" line="1170"/>
        <source>Sample data cleared</source>
        <translation>サンプルデータを消去しました</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <location filename="../../src/ui/screens/payeescreen.cpp" line="20"/>
        <source>Rename Selected</source>
        <translation>選択項目の名前を変更</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/payeescreen.cpp" line="21"/>
        <source>Merge Selected</source>
        <translation>選択項目を統合</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/payeescreen.cpp" line="23"/>
        <source>Payee Management</source>
        <translation>取引先の管理</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/payeescreen.cpp" line="36"/>
        <source>Rename &amp;to:</source>
        <translation>新しい名前(&amp;T):</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/payeescreen.cpp" line="78"/>
        <source>Rename Failed</source>
        <translation>名前の変更に失敗しました</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/payeescreen.cpp" line="78"/>
        <source>The payees could not be renamed. Nothing was changed.</source>
        <translation>取引先の名前を変更できませんでした。何も変更されていません。</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/payeescreen.cpp" line="91"/>
        <source>Rename Complete</source>
        <translation>名前の変更が完了しました</translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/ui/screens/payeescreen.cpp" line="91"/>
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>%n 件の取引の名前を変更しました。</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/payeescreen.cpp" line="100"/>
        <source>Merge</source>
        <translation>統合</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/payeescreen.cpp" line="100"/>
        <source>Select 2 or more payees to merge.</source>
        <translation>統合する取引先を2つ以上選択してください。</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/payeescreen.cpp" line="106"/>
        <source>Merge Payees</source>
        <translation>取引先の統合</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/payeescreen.cpp" line="107"/>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>%1 件の取引先を「%2」に統合しますか?</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/payeescreen.cpp" line="114"/>
        <source>Merge Complete</source>
        <translation>統合が完了しました</translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/ui/screens/payeescreen.cpp" line="114"/>
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>%n 件の取引を統合しました。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <location filename="../../src/ui/screens/reconciliationhistoryscreen.cpp" line="27"/>
        <source>Reconciliation History</source>
        <translation>照合履歴</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationhistoryscreen.cpp" line="35"/>
        <source>Past reconciliations for this account.</source>
        <translation>この口座の過去の照合です。</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationhistoryscreen.cpp" line="42"/>
        <source>Statement Date</source>
        <translation>明細書の日付</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationhistoryscreen.cpp" line="42"/>
        <source>Statement Balance</source>
        <translation>明細書の残高</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationhistoryscreen.cpp" line="42"/>
        <source>Reconciled Balance</source>
        <translation>照合済み残高</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationhistoryscreen.cpp" line="42"/>
        <source>Completed</source>
        <translation>完了日時</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationhistoryscreen.cpp" line="56"/>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>照合の記録はまだありません。記録簿から口座を照合すると、ここに履歴が表示されます。</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationhistoryscreen.cpp" line="76"/>
        <source>Reconciliation History — %1</source>
        <translation>照合履歴 — %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="53"/>
        <source>Reconcile Account</source>
        <translation>口座の照合</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="70"/>
        <source>Statement Date:</source>
        <translation>明細書の日付:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="72"/>
        <source>Statement Balance:</source>
        <translation>明細書の残高:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="85"/>
        <source>Previous Balance</source>
        <translation>前回の残高</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="86"/>
        <source>Cleared Deposits</source>
        <translation>決済済みの入金</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="87"/>
        <source>Cleared Withdrawals</source>
        <translation>決済済みの出金</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="89"/>
        <source>Cleared Balance</source>
        <translation>決済済み残高</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="90"/>
        <source>Statement Balance</source>
        <translation>明細書の残高</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="92"/>
        <source>Difference</source>
        <translation>差額</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="96"/>
        <source>Finish Reconciliation</source>
        <translation>照合を完了</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="99"/>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="113"/>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="113"/>
        <source>Payee</source>
        <translation>取引先</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="113"/>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="113"/>
        <source>Clr</source>
        <translation>決済</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="132"/>
        <source>Add Transaction</source>
        <translation>取引を追加</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="133"/>
        <source>Add a transaction (Ctrl+N)</source>
        <translation>取引を追加 (Ctrl+N)</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="134"/>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="135"/>
        <source>Edit selected transaction (F2)</source>
        <translation>選択した取引を編集 (F2)</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="136"/>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="137"/>
        <source>Delete selected transaction (Del)</source>
        <translation>選択した取引を削除 (Del)</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="359"/>
        <source>Reconciliation Failed</source>
        <translation>照合に失敗しました</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="360"/>
        <source>The reconciliation could not be saved. Nothing was changed.</source>
        <translation>照合を保存できませんでした。何も変更されていません。</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="363"/>
        <source>Reconciliation Complete</source>
        <translation>照合が完了しました</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="363"/>
        <source>Account reconciled successfully.</source>
        <translation>口座の照合が完了しました。</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="403"/>
        <source>Delete the transaction for %1?</source>
        <translation>「%1」の取引を削除しますか?</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="404"/>
        <source>Delete the transfer for %1?

Both sides of the transfer will be deleted.</source>
        <translation>「%1」の振替を削除しますか?

振替の両側の取引が削除されます。</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reconciliationscreen.cpp" line="405"/>
        <source>Delete Transaction</source>
        <translation>取引の削除</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="55"/>
        <source>Payment</source>
        <translation>支払</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="56"/>
        <source>Deposit</source>
        <translation>入金</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="65"/>
        <source>Has end date</source>
        <translation>終了日あり</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="67"/>
        <source>Auto-post when due</source>
        <translation>期日に自動記帳</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="68"/>
        <source>Active</source>
        <translation>有効</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="70"/>
        <source>New Recurring Transaction</source>
        <translation>新規定期取引</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="99"/>
        <source>Start typing to search payees...</source>
        <translation>入力して取引先を検索...</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="118"/>
        <source>(none)</source>
        <translation>(なし)</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="130"/>
        <source>Optional</source>
        <translation>任意</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="133"/>
        <source>Daily</source>
        <translation>毎日</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="133"/>
        <source>Weekly</source>
        <translation>毎週</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="134"/>
        <source>Bi-weekly</source>
        <translation>隔週</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="134"/>
        <source>Monthly</source>
        <translation>毎月</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="135"/>
        <source>Quarterly</source>
        <translation>四半期ごと</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="135"/>
        <source>Semi-annual</source>
        <translation>半年ごと</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="136"/>
        <source>Annual</source>
        <translation>毎年</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="149"/>
        <source>Account:</source>
        <translation>口座:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="150"/>
        <source>Type:</source>
        <translation>種類:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="151"/>
        <source>Payee:</source>
        <translation>取引先:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="152"/>
        <source>Amount:</source>
        <translation>金額:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="153"/>
        <source>Category:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="154"/>
        <source>Memo:</source>
        <translation>メモ:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="155"/>
        <source>Frequency:</source>
        <translation>頻度:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="156"/>
        <source>Start Date:</source>
        <translation>開始日:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="159"/>
        <source>End Date:</source>
        <translation>終了日:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="238"/>
        <source>Edit Recurring Transaction</source>
        <translation>定期取引の編集</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/recurringformdialog.cpp" line="248"/>
        <source>Memorize Transaction</source>
        <translation>取引を定期取引として登録</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <location filename="../../src/ui/screens/recurringmodel.cpp" line="37"/>
        <source>Daily</source>
        <translation>毎日</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringmodel.cpp" line="39"/>
        <source>Weekly</source>
        <translation>毎週</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringmodel.cpp" line="41"/>
        <source>Bi-weekly</source>
        <translation>隔週</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringmodel.cpp" line="43"/>
        <source>Monthly</source>
        <translation>毎月</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringmodel.cpp" line="45"/>
        <source>Quarterly</source>
        <translation>四半期ごと</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringmodel.cpp" line="47"/>
        <source>Semi-annual</source>
        <translation>半年ごと</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringmodel.cpp" line="49"/>
        <source>Annual</source>
        <translation>毎年</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringmodel.cpp" line="84"/>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringmodel.cpp" line="84"/>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringmodel.cpp" line="86"/>
        <source>Active</source>
        <translation>有効</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringmodel.cpp" line="86"/>
        <source>Inactive</source>
        <translation>無効</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringmodel.cpp" line="110"/>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringmodel.cpp" line="112"/>
        <source>Payee</source>
        <translation>取引先</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringmodel.cpp" line="114"/>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringmodel.cpp" line="116"/>
        <source>Frequency</source>
        <translation>頻度</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringmodel.cpp" line="118"/>
        <source>Next Due</source>
        <translation>次回予定日</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringmodel.cpp" line="120"/>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringmodel.cpp" line="122"/>
        <source>Status</source>
        <translation>状態</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <location filename="../../src/ui/screens/recurringscreen.cpp" line="27"/>
        <source>Confirm All Due</source>
        <translation>期日分をすべて確定</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringscreen.cpp" line="28"/>
        <source>New Recurring</source>
        <translation>新規定期取引</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringscreen.cpp" line="30"/>
        <source>Recurring Transactions</source>
        <translation>定期取引</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringscreen.cpp" line="94"/>
        <source>(%1 due)</source>
        <translation>(期日 %1 件)</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringscreen.cpp" line="160"/>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringscreen.cpp" line="160"/>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>定期取引「%1」を削除しますか?</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringscreen.cpp" line="192"/>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringscreen.cpp" line="193"/>
        <source>&amp;Confirm</source>
        <translation>確定(&amp;C)</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringscreen.cpp" line="196"/>
        <source>&amp;Skip</source>
        <translation>スキップ(&amp;S)</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/recurringscreen.cpp" line="199"/>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
</context>
<context>
    <name>RegisterDelegate</name>
    <message>
        <location filename="../../src/ui/register/registerdelegate.cpp" line="190"/>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <location filename="../../src/ui/register/registermodel.cpp" line="43"/>
        <location filename="../../src/ui/register/registermodel.cpp" line="155"/>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registermodel.cpp" line="45"/>
        <location filename="../../src/ui/register/registermodel.cpp" line="155"/>
        <source>Chk #</source>
        <translation>小切手番号</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registermodel.cpp" line="47"/>
        <source>Payee / Memo</source>
        <translation>取引先 / メモ</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registermodel.cpp" line="47"/>
        <location filename="../../src/ui/register/registermodel.cpp" line="155"/>
        <source>Payee</source>
        <translation>取引先</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registermodel.cpp" line="49"/>
        <location filename="../../src/ui/register/registermodel.cpp" line="156"/>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registermodel.cpp" line="51"/>
        <location filename="../../src/ui/register/registermodel.cpp" line="156"/>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registermodel.cpp" line="53"/>
        <location filename="../../src/ui/register/registermodel.cpp" line="156"/>
        <source>Payment</source>
        <translation>支払</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registermodel.cpp" line="55"/>
        <location filename="../../src/ui/register/registermodel.cpp" line="157"/>
        <source>Deposit</source>
        <translation>入金</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registermodel.cpp" line="57"/>
        <location filename="../../src/ui/register/registermodel.cpp" line="157"/>
        <source>Clr</source>
        <translation>決済</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registermodel.cpp" line="59"/>
        <source>Balance</source>
        <translation>残高</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="62"/>
        <source>Reconcile</source>
        <translation>照合</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="96"/>
        <source>Ctrl+Enter: save  |  Enter: next  |  Ctrl+D: delete  |  Ctrl+M: memorize  |  &apos;: copy above</source>
        <translation>Ctrl+Enter: 保存  |  Enter: 次へ  |  Ctrl+D: 削除  |  Ctrl+M: 定期取引に登録  |  &apos;: 上をコピー</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="597"/>
        <source>Payee is required</source>
        <translation>取引先を入力してください</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="602"/>
        <source>Enter a payment or deposit amount</source>
        <translation>支払または入金の金額を入力してください</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="606"/>
        <source>Enter a valid amount</source>
        <translation>正しい金額を入力してください</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="624"/>
        <location filename="../../src/ui/register/registerscreen.cpp" line="686"/>
        <source>Transfer account not found</source>
        <translation>振替先の口座が見つかりません</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="639"/>
        <source>There is no category &quot;%1&quot;. Create it as an expense category?</source>
        <translation>カテゴリ「%1」はありません。支出カテゴリとして作成しますか?</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="640"/>
        <source>There is no category &quot;%1&quot;. Create it as an income category?</source>
        <translation>カテゴリ「%1」はありません。収入カテゴリとして作成しますか?</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="641"/>
        <source>New Category</source>
        <translation>新規カテゴリ</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="688"/>
        <source>Cannot transfer to the same account</source>
        <translation>同じ口座には振替できません</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="690"/>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>振替は両方の口座が同じ通貨である必要があります</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="693"/>
        <source>To move a transfer to another account, delete it and enter it again</source>
        <translation>振替を別の口座に移すには、削除してから入力し直してください</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="696"/>
        <source>The transaction could not be saved</source>
        <translation>取引を保存できませんでした</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="725"/>
        <source>Fields cleared</source>
        <translation>入力内容を消去しました</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="737"/>
        <source>The opening balance belongs to the account: change it in the account&apos;s settings</source>
        <translation>開始残高は口座に属します: 口座の設定で変更してください</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="745"/>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>%2 の「%1」を削除しますか?</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="746"/>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>%2 の振替「%1」を削除しますか?

振替の両側の取引が削除されます。</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="748"/>
        <source>Delete Transaction</source>
        <translation>取引の削除</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="758"/>
        <source>The transaction could not be deleted</source>
        <translation>取引を削除できませんでした</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="807"/>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>定期取引に登録できません: 元の取引の日付が無効です</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="829"/>
        <source>&amp;Insert New (Ctrl+I)</source>
        <translation>新規挿入(&amp;I) (Ctrl+I)</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="830"/>
        <source>&amp;New Transaction... (Ctrl+N)</source>
        <translation>新規取引(&amp;N)... (Ctrl+N)</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="836"/>
        <source>Mark &amp;Uncleared</source>
        <translation>未決済にする(&amp;U)</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="836"/>
        <source>Mark &amp;Cleared</source>
        <translation>決済済みにする(&amp;C)</translation>
    </message>
    <message>
        <location filename="../../src/ui/register/registerscreen.cpp" line="838"/>
        <source>&amp;Delete (Ctrl+D)</source>
        <translation>削除(&amp;D) (Ctrl+D)</translation>
    </message>
</context>
<context>
    <name>ReportCharts</name>
    <message>
        <location filename="../../src/ui/screens/reportcharts.cpp" line="156"/>
        <location filename="../../src/ui/screens/reportcharts.cpp" line="310"/>
        <source>Uncategorized</source>
        <translation>未分類</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportcharts.cpp" line="166"/>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportcharts.cpp" line="241"/>
        <source>Net</source>
        <translation>純額</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportcharts.cpp" line="304"/>
        <source>Period 1</source>
        <translation>期間1</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportcharts.cpp" line="305"/>
        <source>Period 2</source>
        <translation>期間2</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportcharts.cpp" line="328"/>
        <source>Cleared</source>
        <translation>決済済み</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportcharts.cpp" line="329"/>
        <source>Uncleared</source>
        <translation>未決済</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="81"/>
        <source>Checking</source>
        <translation>当座預金</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="83"/>
        <source>Savings</source>
        <translation>普通預金</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="85"/>
        <source>Credit Card</source>
        <translation>クレジットカード</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="87"/>
        <source>Cash</source>
        <translation>現金</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="89"/>
        <source>Investment</source>
        <translation>投資</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="90"/>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="109"/>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="186"/>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="187"/>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="188"/>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="192"/>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="142"/>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="752"/>
        <source>Export CSV</source>
        <translation>CSV エクスポート</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="146"/>
        <source>Reports</source>
        <translation>レポート</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="164"/>
        <source>&amp;Account:</source>
        <translation>口座(&amp;A):</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="168"/>
        <source>&amp;Period:</source>
        <translation>期間(&amp;P):</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="186"/>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="188"/>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="191"/>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="187"/>
        <source>Payee</source>
        <translation>取引先</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="187"/>
        <source>Count</source>
        <translation>件数</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="188"/>
        <source>Tax Code</source>
        <translation>税区分</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="189"/>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="190"/>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="189"/>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="662"/>
        <source>Income</source>
        <translation>収入</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="189"/>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="662"/>
        <source>Expenses</source>
        <translation>支出</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="189"/>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="190"/>
        <source>Net</source>
        <translation>純額</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="190"/>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="666"/>
        <source>Inflows</source>
        <translation>入金額</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="190"/>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="666"/>
        <source>Outflows</source>
        <translation>出金額</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="191"/>
        <source>Period 1</source>
        <translation>期間1</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="191"/>
        <source>Period 2</source>
        <translation>期間2</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="191"/>
        <source>Difference</source>
        <translation>差額</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="192"/>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="192"/>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="192"/>
        <source>Cleared</source>
        <translation>決済済み</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="192"/>
        <source>Uncleared</source>
        <translation>未決済</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="228"/>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="338"/>
        <source>This Year vs Last Year</source>
        <translation>今年と昨年</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="228"/>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="339"/>
        <source>Last Year vs Year Before</source>
        <translation>昨年と一昨年</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="229"/>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="341"/>
        <source>This Quarter vs Last Quarter</source>
        <translation>今四半期と前四半期</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="229"/>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="329"/>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="230"/>
        <source>Compare:</source>
        <translation>比較:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="244"/>
        <source>P1:</source>
        <translation>期間1:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="247"/>
        <source>P2:</source>
        <translation>期間2:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="253"/>
        <source>Category Spending</source>
        <translation>カテゴリ別支出</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="254"/>
        <source>Payee Summary</source>
        <translation>取引先別集計</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="255"/>
        <source>Tax Report</source>
        <translation>税務レポート</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="256"/>
        <source>Income vs Expenses</source>
        <translation>収入と支出</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="257"/>
        <source>Cash Flow</source>
        <translation>キャッシュフロー</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="258"/>
        <source>Year-over-Year</source>
        <translation>前年比較</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="259"/>
        <source>Account Summary</source>
        <translation>口座の概要</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="260"/>
        <source>Transactions</source>
        <translation>取引</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="319"/>
        <source>This Month</source>
        <translation>今月</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="320"/>
        <source>Last Month</source>
        <translation>先月</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="321"/>
        <source>This Quarter</source>
        <translation>今四半期</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="322"/>
        <source>Last Quarter</source>
        <translation>前四半期</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="323"/>
        <source>This Year</source>
        <translation>今年</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="324"/>
        <source>Last Year</source>
        <translation>昨年</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="325"/>
        <source>Last 30 Days</source>
        <translation>過去30日間</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="326"/>
        <source>Last 90 Days</source>
        <translation>過去90日間</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="327"/>
        <source>Last 12 Months</source>
        <translation>過去12か月間</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="328"/>
        <source>All Time</source>
        <translation>全期間</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="434"/>
        <source>All Accounts</source>
        <translation>すべての口座</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="530"/>
        <source>P1: %1 – %2    P2: %3 – %4</source>
        <translation>期間1: %1 – %2    期間2: %3 – %4</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="643"/>
        <source>This report could not be computed: %1</source>
        <translation>このレポートを作成できませんでした: %1</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/reportsscreen.cpp" line="754"/>
        <source>CSV Files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
</context>
<context>
    <name>SampleDataService</name>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="35"/>
        <source>Main Checking</source>
        <translation>メイン当座預金</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="36"/>
        <location filename="../../src/services/sampledataservice.cpp" line="38"/>
        <location filename="../../src/services/sampledataservice.cpp" line="94"/>
        <location filename="../../src/services/sampledataservice.cpp" line="96"/>
        <source>Riverbend Credit Union</source>
        <translation>リバーベンド信用組合</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="37"/>
        <source>Savings</source>
        <translation>普通預金</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="39"/>
        <source>Visa Rewards</source>
        <translation>Visa リワード</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="40"/>
        <source>Summit Bank</source>
        <translation>サミット銀行</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="60"/>
        <location filename="../../src/services/sampledataservice.cpp" line="68"/>
        <location filename="../../src/services/sampledataservice.cpp" line="74"/>
        <location filename="../../src/services/sampledataservice.cpp" line="81"/>
        <location filename="../../src/services/sampledataservice.cpp" line="87"/>
        <location filename="../../src/services/sampledataservice.cpp" line="126"/>
        <source>Brightpath Inc</source>
        <translation>ブライトパス社</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="60"/>
        <location filename="../../src/services/sampledataservice.cpp" line="68"/>
        <location filename="../../src/services/sampledataservice.cpp" line="74"/>
        <location filename="../../src/services/sampledataservice.cpp" line="81"/>
        <location filename="../../src/services/sampledataservice.cpp" line="87"/>
        <location filename="../../src/services/sampledataservice.cpp" line="126"/>
        <source>Biweekly paycheck</source>
        <translation>給与(隔週)</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="61"/>
        <location filename="../../src/services/sampledataservice.cpp" line="76"/>
        <location filename="../../src/services/sampledataservice.cpp" line="125"/>
        <source>Pinecrest Apartments</source>
        <translation>パインクレスト・アパートメンツ</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="61"/>
        <source>February rent</source>
        <translation>2月分の家賃</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="62"/>
        <location filename="../../src/services/sampledataservice.cpp" line="67"/>
        <location filename="../../src/services/sampledataservice.cpp" line="72"/>
        <location filename="../../src/services/sampledataservice.cpp" line="77"/>
        <location filename="../../src/services/sampledataservice.cpp" line="82"/>
        <location filename="../../src/services/sampledataservice.cpp" line="86"/>
        <location filename="../../src/services/sampledataservice.cpp" line="90"/>
        <source>Greenleaf Market</source>
        <translation>グリーンリーフ・マーケット</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="62"/>
        <location filename="../../src/services/sampledataservice.cpp" line="67"/>
        <location filename="../../src/services/sampledataservice.cpp" line="72"/>
        <location filename="../../src/services/sampledataservice.cpp" line="77"/>
        <location filename="../../src/services/sampledataservice.cpp" line="82"/>
        <location filename="../../src/services/sampledataservice.cpp" line="86"/>
        <location filename="../../src/services/sampledataservice.cpp" line="90"/>
        <source>Weekly groceries</source>
        <translation>毎週の食料品</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="63"/>
        <location filename="../../src/services/sampledataservice.cpp" line="70"/>
        <location filename="../../src/services/sampledataservice.cpp" line="78"/>
        <location filename="../../src/services/sampledataservice.cpp" line="85"/>
        <location filename="../../src/services/sampledataservice.cpp" line="89"/>
        <source>Hilltop Gas</source>
        <translation>ヒルトップ・ガソリンスタンド</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="63"/>
        <location filename="../../src/services/sampledataservice.cpp" line="70"/>
        <location filename="../../src/services/sampledataservice.cpp" line="78"/>
        <location filename="../../src/services/sampledataservice.cpp" line="85"/>
        <location filename="../../src/services/sampledataservice.cpp" line="89"/>
        <source>Fill up</source>
        <translation>給油</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="64"/>
        <location filename="../../src/services/sampledataservice.cpp" line="65"/>
        <location filename="../../src/services/sampledataservice.cpp" line="80"/>
        <source>Lakeside Utilities</source>
        <translation>レイクサイド公共サービス</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="64"/>
        <location filename="../../src/services/sampledataservice.cpp" line="80"/>
        <source>Electric bill</source>
        <translation>電気料金</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="65"/>
        <source>Water bill</source>
        <translation>水道料金</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="66"/>
        <location filename="../../src/services/sampledataservice.cpp" line="83"/>
        <source>Streamline TV</source>
        <translation>ストリームライン TV</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="66"/>
        <location filename="../../src/services/sampledataservice.cpp" line="83"/>
        <source>Monthly streaming</source>
        <translation>動画配信(月額)</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="69"/>
        <location filename="../../src/services/sampledataservice.cpp" line="84"/>
        <location filename="../../src/services/sampledataservice.cpp" line="91"/>
        <source>Maplewood Diner</source>
        <translation>メープルウッド・ダイナー</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="69"/>
        <source>Dinner out</source>
        <translation>外食(夕食)</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="71"/>
        <source>Clearview Insurance</source>
        <translation>クリアビュー保険</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="71"/>
        <source>Auto insurance</source>
        <translation>自動車保険</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="73"/>
        <source>Hope Community Church</source>
        <translation>ホープ・コミュニティ教会</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="73"/>
        <source>Monthly donation</source>
        <translation>毎月の寄付</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="75"/>
        <location filename="../../src/services/sampledataservice.cpp" line="92"/>
        <location filename="../../src/services/sampledataservice.cpp" line="127"/>
        <source>Transfer to Savings</source>
        <translation>普通預金へ振替</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="75"/>
        <location filename="../../src/services/sampledataservice.cpp" line="92"/>
        <location filename="../../src/services/sampledataservice.cpp" line="95"/>
        <location filename="../../src/services/sampledataservice.cpp" line="97"/>
        <location filename="../../src/services/sampledataservice.cpp" line="127"/>
        <source>Monthly savings</source>
        <translation>毎月の積立</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="76"/>
        <source>March rent</source>
        <translation>3月分の家賃</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="79"/>
        <source>NetConnect ISP</source>
        <translation>ネットコネクト ISP</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="79"/>
        <source>Internet service</source>
        <translation>インターネット料金</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="84"/>
        <source>Lunch</source>
        <translation>昼食</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="88"/>
        <source>Ridgeline Pharmacy</source>
        <translation>リッジライン薬局</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="88"/>
        <source>Prescriptions</source>
        <translation>処方薬</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="91"/>
        <source>Coffee &amp; pastry</source>
        <translation>コーヒーとペストリー</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="94"/>
        <location filename="../../src/services/sampledataservice.cpp" line="96"/>
        <source>Interest payment</source>
        <translation>利息</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="95"/>
        <location filename="../../src/services/sampledataservice.cpp" line="97"/>
        <source>Transfer from Checking</source>
        <translation>当座預金から振替</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="99"/>
        <location filename="../../src/services/sampledataservice.cpp" line="102"/>
        <location filename="../../src/services/sampledataservice.cpp" line="106"/>
        <location filename="../../src/services/sampledataservice.cpp" line="109"/>
        <source>Dash Delivery</source>
        <translation>ダッシュ・デリバリー</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="99"/>
        <location filename="../../src/services/sampledataservice.cpp" line="102"/>
        <location filename="../../src/services/sampledataservice.cpp" line="106"/>
        <location filename="../../src/services/sampledataservice.cpp" line="109"/>
        <source>Food delivery</source>
        <translation>フードデリバリー</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="100"/>
        <source>Gadget World</source>
        <translation>ガジェットワールド</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="100"/>
        <source>Phone case</source>
        <translation>スマートフォンケース</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="101"/>
        <location filename="../../src/services/sampledataservice.cpp" line="110"/>
        <source>CloudWatch Plus</source>
        <translation>クラウドウォッチ・プラス</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="101"/>
        <location filename="../../src/services/sampledataservice.cpp" line="110"/>
        <source>Cloud storage plan</source>
        <translation>クラウドストレージプラン</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="103"/>
        <location filename="../../src/services/sampledataservice.cpp" line="107"/>
        <source>Payment - Thank You</source>
        <translation>お支払い - ありがとうございます</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="103"/>
        <location filename="../../src/services/sampledataservice.cpp" line="107"/>
        <source>Credit card payment</source>
        <translation>クレジットカードの支払</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="104"/>
        <source>Stellar Coffee</source>
        <translation>ステラ・コーヒー</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="104"/>
        <source>Coffee beans</source>
        <translation>コーヒー豆</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="105"/>
        <source>BookNest Online</source>
        <translation>ブックネスト・オンライン</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="105"/>
        <source>Programming books</source>
        <translation>プログラミング書籍</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="108"/>
        <source>TechVault</source>
        <translation>テックボルト</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="108"/>
        <source>USB hub</source>
        <translation>USB ハブ</translation>
    </message>
    <message>
        <location filename="../../src/services/sampledataservice.cpp" line="125"/>
        <source>Monthly rent</source>
        <translation>毎月の家賃</translation>
    </message>
</context>
<context>
    <name>SearchResultsModel</name>
    <message>
        <location filename="../../src/ui/screens/searchresultsmodel.cpp" line="30"/>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/searchresultsmodel.cpp" line="32"/>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/searchresultsmodel.cpp" line="34"/>
        <source>Chk #</source>
        <translation>小切手番号</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/searchresultsmodel.cpp" line="36"/>
        <source>Payee</source>
        <translation>取引先</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/searchresultsmodel.cpp" line="38"/>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/searchresultsmodel.cpp" line="40"/>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/searchresultsmodel.cpp" line="42"/>
        <source>Payment</source>
        <translation>支払</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/searchresultsmodel.cpp" line="44"/>
        <source>Deposit</source>
        <translation>入金</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/searchresultsmodel.cpp" line="46"/>
        <source>Clr</source>
        <translation>決済</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <location filename="../../src/ui/screens/searchscreen.cpp" line="32"/>
        <source>Date range:</source>
        <translation>期間:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/searchscreen.cpp" line="35"/>
        <source>Cleared only</source>
        <translation>決済済みのみ</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/searchscreen.cpp" line="51"/>
        <source>Search payee, memo, check number...</source>
        <translation>取引先、メモ、小切手番号を検索...</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/searchscreen.cpp" line="71"/>
        <source>Account:</source>
        <translation>口座:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/searchscreen.cpp" line="75"/>
        <source>Category:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/searchscreen.cpp" line="81"/>
        <source>to</source>
        <translation>～</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/searchscreen.cpp" line="152"/>
        <source>All Accounts</source>
        <translation>すべての口座</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/searchscreen.cpp" line="156"/>
        <source>All Categories</source>
        <translation>すべてのカテゴリ</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/searchscreen.cpp" line="192"/>
        <source>Search syntax error: %1</source>
        <translation>検索構文エラー: %1</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/searchscreen.cpp" line="199"/>
        <source>%1 newest of %2</source>
        <translation>全 %2 件中、最新の %1 件</translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/ui/screens/searchscreen.cpp" line="200"/>
        <source>%n transaction(s)</source>
        <translation>
            <numerusform>%n 件の取引</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="135"/>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="135"/>
        <source>Register</source>
        <translation>記録簿</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="135"/>
        <source>Data &amp; Sync</source>
        <translation>データと同期</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="135"/>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="377"/>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="190"/>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="210"/>
        <source>System Default</source>
        <translation>システムの既定</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="191"/>
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="192"/>
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="195"/>
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="199"/>
        <source>Sunday</source>
        <translation>日曜日</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="200"/>
        <source>Monday</source>
        <translation>月曜日</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="201"/>
        <source>Saturday</source>
        <translation>土曜日</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="218"/>
        <source>Week starts on</source>
        <translation>週の開始曜日</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="219"/>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="221"/>
        <source>Check for updates at start-up</source>
        <translation>起動時にアップデートを確認</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="226"/>
        <source>When off, nothing is fetched at start; Help › Check for Updates still works.</source>
        <translation>オフにすると起動時には何も取得しません。ヘルプ › アップデートの確認 は引き続き使用できます。</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="234"/>
        <source>Appearance</source>
        <translation>外観</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="234"/>
        <source>Control how Corvantis Zimbrel looks.</source>
        <translation>Corvantis Zimbrel の外観を設定します。</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="235"/>
        <source>Regional</source>
        <translation>地域</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="235"/>
        <source>Date and calendar preferences.</source>
        <translation>日付とカレンダーの設定です。</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="236"/>
        <source>Updates</source>
        <translation>アップデート</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="236"/>
        <source>Look for newer versions of Corvantis Zimbrel.</source>
        <translation>Corvantis Zimbrel の新しいバージョンを確認します。</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="242"/>
        <source>Two-line rows</source>
        <translation>2行表示</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="247"/>
        <source>Show memo on a second line below the payee.</source>
        <translation>取引先の下の2行目にメモを表示します。</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="249"/>
        <source>Show newest transactions first</source>
        <translation>新しい取引を先頭に表示</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="254"/>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>オンにすると、最新の取引が一番上に表示されます。</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="259"/>
        <source>Display</source>
        <translation>表示</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="259"/>
        <source>How transactions appear in the register.</source>
        <translation>記録簿での取引の表示方法です。</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="260"/>
        <source>Sorting</source>
        <translation>並べ替え</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="260"/>
        <source>Control the order of transactions in the register.</source>
        <translation>記録簿での取引の並び順を設定します。</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="270"/>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="484"/>
        <source>Sync Now</source>
        <translation>今すぐ同期</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="272"/>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="280"/>
        <source>Force Full Sync</source>
        <translation>完全同期を実行</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="281"/>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>すべてのローカルの行をサーバーへ再送信し、サーバーのデータをすべて再ダウンロードします。デバイス間でデータが一致しない場合に使用してください。

続行しますか?</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="299"/>
        <source>Built-in service</source>
        <translation>組み込みサービス</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="303"/>
        <source>The address of a self-hosted service, such as https://cloud.example.org. Leave it empty for the built-in service.</source>
        <translation>セルフホストのサービスのアドレスです (例: https://cloud.example.org)。組み込みサービスを使う場合は空欄にしてください。</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="310"/>
        <source>Server</source>
        <translation>サーバー</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="316"/>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="569"/>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="579"/>
        <source>Export Backup</source>
        <translation>バックアップをエクスポート</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="318"/>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="584"/>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="604"/>
        <source>Import Backup</source>
        <translation>バックアップをインポート</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="330"/>
        <source>Restore Selected</source>
        <translation>選択項目を復元</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="344"/>
        <source>Deleted Accounts</source>
        <translation>削除した口座</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="344"/>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>削除した口座はここで復元できます。</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="346"/>
        <source>Sync</source>
        <translation>同期</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="346"/>
        <source>Keep your checkbook in sync across all your devices.</source>
        <translation>すべてのデバイスで小切手記録簿を同期します。</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="347"/>
        <source>Backup &amp; Restore</source>
        <translation>バックアップと復元</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="347"/>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>データを持ち運び可能なバックアップファイルに保存、または復元します。</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="355"/>
        <source>Corvantis Zimbrel</source>
        <translation>Corvantis Zimbrel</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="361"/>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="362"/>
        <source>A digital checkbook register for tracking household finances. Keep your accounts, reconcile them against your statements and see where the money goes.</source>
        <translation>家計を管理するためのデジタル小切手記録簿です。口座を記録し、明細書と照合して、お金の使い道を確認できます。</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="368"/>
        <source>Copyright © Corvantis. All rights reserved.</source>
        <translation>Copyright © Corvantis. All rights reserved.</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="369"/>
        <source>This application uses the Qt framework under the LGPL v3 license.</source>
        <translation>このアプリケーションは LGPL v3 ライセンスの Qt フレームワークを使用しています。</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="447"/>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;サインイン中:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;状態:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="450"/>
        <source>Not signed in.
Sign in via File › Sign In to enable sync.</source>
        <translation>サインインしていません。
同期を有効にするには、ファイル › サインイン からサインインしてください。</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="454"/>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="480"/>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="496"/>
        <source>Syncing...</source>
        <translation>同期しています...</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="462"/>
        <source>Never synced</source>
        <translation>未同期</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="466"/>
        <source>Last synced: %1</source>
        <translation>最終同期: %1</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="470"/>
        <source>
Error: %1</source>
        <translation>
エラー: %1</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="527"/>
        <source>Language Changed</source>
        <translation>言語を変更しました</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="528"/>
        <source>The new language will take effect the next time you start Corvantis Zimbrel.</source>
        <translation>新しい言語は、次回 Corvantis Zimbrel を起動したときに適用されます。</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="560"/>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="599"/>
        <source>Could not read file.</source>
        <translation>ファイルを読み取れませんでした。</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="569"/>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="584"/>
        <source>ZIP Files (*.zip)</source>
        <translation>ZIP ファイル (*.zip)</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="573"/>
        <source>Exporting...</source>
        <translation>エクスポートしています...</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="575"/>
        <source>Backup Complete</source>
        <translation>バックアップ完了</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="575"/>
        <source>Backup saved to:
%1</source>
        <translation>バックアップの保存先:
%1</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="577"/>
        <source>Backup Failed</source>
        <translation>バックアップに失敗しました</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="577"/>
        <source>Could not write to:
%1</source>
        <translation>書き込めませんでした:
%1</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="587"/>
        <source>Replace all with backup data</source>
        <translation>すべてバックアップのデータで置き換える</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="587"/>
        <source>Keep newer (compare timestamps)</source>
        <translation>新しい方を残す (タイムスタンプを比較)</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="588"/>
        <source>Skip existing items</source>
        <translation>既存の項目はスキップ</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="591"/>
        <source>Import Mode</source>
        <translation>インポート方法</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="591"/>
        <source>How should existing data be handled?</source>
        <translation>既存のデータをどのように扱いますか?</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="599"/>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="607"/>
        <source>Import Failed</source>
        <translation>インポートに失敗しました</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="602"/>
        <source>Importing...</source>
        <translation>インポートしています...</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="610"/>
        <source>Imported %1 items, skipped %2.</source>
        <translation>%1 件をインポートし、%2 件をスキップしました。</translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="612"/>
        <source>

%n error(s) occurred.</source>
        <translation>
            <numerusform>

%n 件のエラーが発生しました。</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="613"/>
        <source>Import Complete</source>
        <translation>インポート完了</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="625"/>
        <source>The environment overrides this setting (%1): signing in goes to %2.</source>
        <translation>この設定は環境変数 (%1) で上書きされています: サインイン先は %2 です。</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="645"/>
        <source>Not a server address: enter one such as https://cloud.example.org, or nothing for the built-in service.</source>
        <translation>サーバーのアドレスではありません: https://cloud.example.org のように入力するか、組み込みサービスを使う場合は空欄にしてください。</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="658"/>
        <source>Change Server</source>
        <translation>サーバーの変更</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="659"/>
        <source>You are signed in to %1.

Changing the server signs you out there. Change it?</source>
        <translation>現在 %1 にサインインしています。

サーバーを変更すると、そのサーバーからサインアウトします。変更しますか?</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="674"/>
        <source>The server could not be saved in the data file; the setting is unchanged.</source>
        <translation>サーバーをデータファイルに保存できなかったため、設定は変更されていません。</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="684"/>
        <source>Now using %1.</source>
        <translation>%1 を使用しています。</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="684"/>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="687"/>
        <source>the built-in service</source>
        <translation>組み込みサービス</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="686"/>
        <source>Now using %1. Sign in via File › Sign In.</source>
        <translation>%1 を使用しています。ファイル › サインイン からサインインしてください。</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="700"/>
        <source>Restore Failed</source>
        <translation>復元に失敗しました</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/settingsscreen.cpp" line="700"/>
        <source>The account could not be restored. Nothing was changed.</source>
        <translation>口座を復元できませんでした。何も変更されていません。</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <location filename="../../src/app/statusbar.cpp" line="15"/>
        <source>Offline</source>
        <translation>オフライン</translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/app/statusbar.cpp" line="42"/>
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n 件の口座</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/app/statusbar.cpp" line="51"/>
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  期日の定期取引 %n 件</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <location filename="../../src/sync/syncengine.cpp" line="132"/>
        <source>Synced</source>
        <translation>同期済み</translation>
    </message>
    <message>
        <location filename="../../src/sync/syncengine.cpp" line="134"/>
        <source>Syncing...</source>
        <translation>同期しています...</translation>
    </message>
    <message>
        <location filename="../../src/sync/syncengine.cpp" line="136"/>
        <source>Sync error</source>
        <translation>同期エラー</translation>
    </message>
    <message>
        <location filename="../../src/sync/syncengine.cpp" line="138"/>
        <source>Offline</source>
        <translation>オフライン</translation>
    </message>
    <message>
        <location filename="../../src/sync/syncengine.cpp" line="140"/>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <location filename="../../src/sync/syncengine.cpp" line="207"/>
        <source>Sync stopped: the local database failed: %1</source>
        <translation>同期を停止しました: ローカルデータベースでエラーが発生しました: %1</translation>
    </message>
    <message>
        <location filename="../../src/sync/syncengine.cpp" line="310"/>
        <source>Push failed (HTTP %1)</source>
        <translation>送信に失敗しました (HTTP %1)</translation>
    </message>
    <message>
        <location filename="../../src/sync/syncengine.cpp" line="399"/>
        <source>Pull failed (HTTP %1)</source>
        <translation>受信に失敗しました (HTTP %1)</translation>
    </message>
    <message>
        <location filename="../../src/sync/syncengine.cpp" line="451"/>
        <source>Pull page refused: %1 records, more than %2</source>
        <translation>受信ページを拒否しました: %1 件のレコードは上限の %2 件を超えています</translation>
    </message>
    <message>
        <location filename="../../src/sync/syncengine.cpp" line="498"/>
        <source>the sync position could not be stored</source>
        <translation>同期位置を保存できませんでした</translation>
    </message>
    <message>
        <location filename="../../src/sync/syncengine.cpp" line="506"/>
        <source>the sync time could not be stored</source>
        <translation>同期時刻を保存できませんでした</translation>
    </message>
</context>
<context>
    <name>TaxCategory</name>
    <message>
        <location filename="../../src/services/taxcategoryname.cpp" line="12"/>
        <source>Charitable contributions</source>
        <translation>寄付金</translation>
    </message>
    <message>
        <location filename="../../src/services/taxcategoryname.cpp" line="13"/>
        <source>Medical and dental expenses</source>
        <translation>医療費・歯科治療費</translation>
    </message>
    <message>
        <location filename="../../src/services/taxcategoryname.cpp" line="14"/>
        <source>Business expenses</source>
        <translation>事業経費</translation>
    </message>
    <message>
        <location filename="../../src/services/taxcategoryname.cpp" line="15"/>
        <source>Home office</source>
        <translation>在宅オフィス</translation>
    </message>
    <message>
        <location filename="../../src/services/taxcategoryname.cpp" line="16"/>
        <source>Education expenses</source>
        <translation>教育費</translation>
    </message>
    <message>
        <location filename="../../src/services/taxcategoryname.cpp" line="17"/>
        <source>State and local taxes</source>
        <translation>州税・地方税</translation>
    </message>
    <message>
        <location filename="../../src/services/taxcategoryname.cpp" line="18"/>
        <source>Mortgage interest</source>
        <translation>住宅ローン利息</translation>
    </message>
    <message>
        <location filename="../../src/services/taxcategoryname.cpp" line="19"/>
        <source>Property tax (Schedule A)</source>
        <translation>固定資産税 (Schedule A)</translation>
    </message>
    <message>
        <location filename="../../src/services/taxcategoryname.cpp" line="20"/>
        <source>Interest income</source>
        <translation>受取利息</translation>
    </message>
    <message>
        <location filename="../../src/services/taxcategoryname.cpp" line="21"/>
        <source>Dividend income</source>
        <translation>配当収入</translation>
    </message>
    <message>
        <location filename="../../src/services/taxcategoryname.cpp" line="22"/>
        <source>Rental income</source>
        <translation>不動産収入</translation>
    </message>
    <message>
        <location filename="../../src/services/taxcategoryname.cpp" line="23"/>
        <source>Self-employment income</source>
        <translation>自営業収入</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <location filename="../../src/ui/dialogs/transactionformdialog.cpp" line="41"/>
        <source>New Transaction</source>
        <translation>新規取引</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/transactionformdialog.cpp" line="46"/>
        <source>Payment</source>
        <translation>支払</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/transactionformdialog.cpp" line="48"/>
        <source>Deposit</source>
        <translation>入金</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/transactionformdialog.cpp" line="66"/>
        <source>Start typing to search payees...</source>
        <translation>入力して取引先を検索...</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/transactionformdialog.cpp" line="92"/>
        <location filename="../../src/ui/dialogs/transactionformdialog.cpp" line="95"/>
        <source>Optional</source>
        <translation>任意</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/transactionformdialog.cpp" line="96"/>
        <source>Cleared</source>
        <translation>決済済み</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/transactionformdialog.cpp" line="101"/>
        <source>Type:</source>
        <translation>種類:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/transactionformdialog.cpp" line="102"/>
        <source>Date:</source>
        <translation>日付:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/transactionformdialog.cpp" line="103"/>
        <source>Payee:</source>
        <translation>取引先:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/transactionformdialog.cpp" line="104"/>
        <source>Amount:</source>
        <translation>金額:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/transactionformdialog.cpp" line="105"/>
        <source>Category:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/transactionformdialog.cpp" line="106"/>
        <source>Memo:</source>
        <translation>メモ:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/transactionformdialog.cpp" line="107"/>
        <source>Check #:</source>
        <translation>小切手番号:</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/transactionformdialog.cpp" line="127"/>
        <source>Edit Transaction</source>
        <translation>取引の編集</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogs/transactionformdialog.cpp" line="211"/>
        <source>(none)</source>
        <translation>(なし)</translation>
    </message>
</context>
<context>
    <name>TransactionListModel</name>
    <message>
        <location filename="../../src/ui/screens/transactionlistmodel.cpp" line="63"/>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/transactionlistmodel.cpp" line="65"/>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/transactionlistmodel.cpp" line="67"/>
        <source>Payee</source>
        <translation>取引先</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/transactionlistmodel.cpp" line="69"/>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/transactionlistmodel.cpp" line="71"/>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <location filename="../../src/ui/screens/transactionlistmodel.cpp" line="73"/>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <location filename="../../src/app/welcomescreen.cpp" line="13"/>
        <source>Corvantis Zimbrel</source>
        <translation>Corvantis Zimbrel</translation>
    </message>
    <message>
        <location filename="../../src/app/welcomescreen.cpp" line="20"/>
        <source>Your finances, everywhere.</source>
        <translation>あなたの家計を、どこでも。</translation>
    </message>
    <message>
        <location filename="../../src/app/welcomescreen.cpp" line="27"/>
        <source>Continue Without an Account</source>
        <translation>アカウントなしで続行</translation>
    </message>
    <message>
        <location filename="../../src/app/welcomescreen.cpp" line="62"/>
        <source>Sign Out</source>
        <translation>サインアウト</translation>
    </message>
    <message>
        <location filename="../../src/app/welcomescreen.cpp" line="62"/>
        <source>Already have an account? Sign In</source>
        <translation>アカウントをお持ちの方はサインイン</translation>
    </message>
</context>
</TS>
