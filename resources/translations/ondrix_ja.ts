<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AboutInfo</name>
    <message>
        <source>Ondrix %1 (build %2)</source>
        <translation>Ondrix %1 (ビルド %2)</translation>
    </message>
</context>
<context>
    <name>BrowserTag</name>
    <message>
        <source>Red</source>
        <translation>レッド</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>オレンジ</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>イエロー</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>グリーン</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>ブルー</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>パープル</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>グレイ</translation>
    </message>
</context>
<context>
    <name>ConnectionStatusReport</name>
    <message>
        <source>Idle</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>監視中</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>アップロード中</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>%1 queued, %2 uploading</source>
        <translation>待機 %1 件、アップロード中 %2 件</translation>
    </message>
    <message>
        <source>last error: %1</source>
        <translation>最後のエラー: %1</translation>
    </message>
    <message>
        <source>No connections are set up.</source>
        <translation>接続が設定されていません。</translation>
    </message>
</context>
<context>
    <name>ConnectionTester</name>
    <message>
        <source>✓ Connected successfully</source>
        <translation>✓ 接続に成功しました</translation>
    </message>
</context>
<context>
    <name>ConnectionsCommand</name>
    <message>
        <source>Quit Ondrix first, or change the connections in its settings window.</source>
        <translation>先に Ondrix を終了するか、設定ウインドウで接続を変更してください。</translation>
    </message>
    <message>
        <source>The stored connection list cannot be read: %1</source>
        <translation>保存されている接続リストを読み込めません: %1</translation>
    </message>
    <message>
        <source>No connections.</source>
        <translation>接続はありません。</translation>
    </message>
    <message>
        <source>on</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>%1 was not imported, nothing changed: %2</source>
        <translation>%1 はインポートされず、何も変更されていません: %2</translation>
    </message>
    <message>
        <source>The stored connection list cannot be read (%1); nothing changed.</source>
        <translation>保存されている接続リストを読み込めません (%1)。何も変更されていません。</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n connections</source>
        <translation>
            <numerusform>%n 件の接続をインポートしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n replaced).</source>
        <translation>
            <numerusform> (%n 件を置き換え)。</numerusform>
        </translation>
    </message>
    <message>
        <source>Usage: ondrix connections list
       ondrix connections export [--with-passwords] [--output connections.json]
       ondrix connections import [--yes] connections.json</source>
        <translation>使い方: ondrix connections list
        ondrix connections export [--with-passwords] [--output connections.json]
        ondrix connections import [--yes] connections.json</translation>
    </message>
    <message>
        <source>key &quot;%1&quot;: %2</source>
        <translation>キー「%1」: %2</translation>
    </message>
    <message>
        <source>no host</source>
        <translation>ホストがありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a scheme; give the host name alone</source>
        <translation>「%1」にスキームが含まれています。ホスト名だけを指定してください</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a path, credentials or spaces; give the host name alone</source>
        <translation>「%1」にパス、認証情報、または空白が含まれています。ホスト名だけを指定してください</translation>
    </message>
    <message>
        <source>%1 is not a port (1 to 65535)</source>
        <translation>%1 はポートではありません (1〜65535)</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>フォルダー「%1」は存在しません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an executable file</source>
        <translation>「%1」は実行可能なファイルではありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; can be changed by other users; make it writable by you only</source>
        <translation>「%1」は他のユーザーが変更できます。あなただけが書き込めるようにしてください</translation>
    </message>
    <message>
        <source>Passwords are not printed to a terminal. Write them to a file only you can read instead:
    ondrix connections export --with-passwords --output connections.json</source>
        <translation>パスワードは端末には表示されません。代わりに自分だけが読めるファイルに書き出してください:
    ondrix connections export --with-passwords --output connections.json</translation>
    </message>
    <message>
        <source>The password of &quot;%1&quot; cannot be read (%2); nothing was exported.</source>
        <translation>「%1」のパスワードを読み取れません (%2)。何もエクスポートされませんでした。</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>it is larger than a connection list can be (%1 bytes, at most %2)</source>
        <translation>接続リストとしては大きすぎます (%1 バイト、上限 %2)</translation>
    </message>
    <message>
        <source>connection %1, key &quot;%2&quot;: nested deeper than a connection list is</source>
        <translation>接続 %1、キー「%2」: 接続リストより深く入れ子になっています</translation>
    </message>
    <message>
        <source>connection %1 (&quot;%2&quot;), %3</source>
        <translation>接続 %1 (「%2」)、%3</translation>
    </message>
    <message>
        <source>nothing after upload</source>
        <translation>アップロード後は何もしない</translation>
    </message>
    <message>
        <source>moves files to %1</source>
        <translation>ファイルを %1 に移動</translation>
    </message>
    <message>
        <source>runs %1</source>
        <translation>%1 を実行</translation>
    </message>
    <message>
        <source>deletes local files</source>
        <translation>ローカルファイルを削除</translation>
    </message>
    <message>
        <source>some connections delete local files or run a script; check the lines above and import again with --yes</source>
        <translation>ローカルファイルを削除するかスクリプトを実行する接続があります。上の行を確認し、--yes を付けてもう一度インポートしてください</translation>
    </message>
    <message>
        <source>The keyring did not take the passwords of %1 (%2); nothing changed.</source>
        <translation>キーリングが %1 のパスワードを受け取りませんでした (%2)。何も変更されていません。</translation>
    </message>
</context>
<context>
    <name>CurlHandle</name>
    <message>
        <source> (active mode does not work with FTPS; use passive mode)</source>
        <translation> (アクティブモードは FTPS では動作しません。パッシブモードを使ってください)</translation>
    </message>
    <message>
        <source>: the SSH handshake failed because the server offers no key exchange or host key type that %1 supports. The usual cause is a server with only an RSA host key: %1 cannot check its SHA-2 signatures. Give the server an Ed25519 or ECDSA host key (ssh-keygen -A on the server) and connect again.</source>
        <translation>: サーバーが %1 の対応する鍵交換方式やホスト鍵の種類を提供していないため、SSH ハンドシェイクに失敗しました。よくある原因は、サーバーに RSA ホスト鍵しかないことです。%1 はその SHA-2 署名を検証できません。サーバーに Ed25519 または ECDSA のホスト鍵を用意し (サーバーで ssh-keygen -A)、もう一度接続してください。</translation>
    </message>
    <message>
        <source>Failed to initialize libcurl</source>
        <translation>libcurl を初期化できませんでした</translation>
    </message>
</context>
<context>
    <name>CurlTransferClient</name>
    <message>
        <source>The remote path contains a line break or NUL character and was not sent: %1</source>
        <translation>リモートパスに改行または NUL 文字が含まれているため送信しませんでした: %1</translation>
    </message>
    <message>
        <source>The server&apos;s listing of this folder is larger than %1, so it is not shown; open a sub-folder, or tidy this folder on the server</source>
        <translation>このフォルダのサーバー上の一覧は %1 を超えるため表示されません。サブフォルダを開くか、サーバー上でこのフォルダを整理してください</translation>
    </message>
</context>
<context>
    <name>DesktopModule</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 がありません</translation>
    </message>
    <message>
        <source>%1 is not an Ondrix desktop module</source>
        <translation>%1 は Ondrix のデスクトップモジュールではありません</translation>
    </message>
    <message>
        <source>%1 belongs to another version of Ondrix</source>
        <translation>%1 は別のバージョンの Ondrix のものです</translation>
    </message>
</context>
<context>
    <name>ExtensionCategory</name>
    <message>
        <source>Images</source>
        <comment>ext.cat.images</comment>
        <translation>画像</translation>
    </message>
    <message>
        <source>Video</source>
        <comment>ext.cat.video</comment>
        <translation>ビデオ</translation>
    </message>
    <message>
        <source>Audio</source>
        <comment>ext.cat.audio</comment>
        <translation>オーディオ</translation>
    </message>
    <message>
        <source>Documents</source>
        <comment>ext.cat.documents</comment>
        <translation>書類</translation>
    </message>
    <message>
        <source>Temporary files</source>
        <comment>ext.cat.temp</comment>
        <translation>一時ファイル</translation>
    </message>
</context>
<context>
    <name>FTPError</name>
    <message>
        <source>Connection failed: </source>
        <translation>接続に失敗しました: </translation>
    </message>
    <message>
        <source>Remote path not found: </source>
        <translation>リモートパスが見つかりません: </translation>
    </message>
    <message>
        <source>Cannot read file: </source>
        <translation>ファイルを読み込めません: </translation>
    </message>
    <message>
        <source>Cannot write to: </source>
        <translation>書き込めません: </translation>
    </message>
    <message>
        <source>Transfer failed: </source>
        <translation>転送に失敗しました: </translation>
    </message>
    <message>
        <source>curl error </source>
        <translation>curl エラー </translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>認証に失敗しました</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>キャンセルしました</translation>
    </message>
</context>
<context>
    <name>FTPUploader</name>
    <message>
        <source>it is a folder</source>
        <translation>フォルダーです</translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <translation>名前付きパイプで、通常のファイルではありません</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>ソケットで、通常のファイルではありません</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>デバイスで、通常のファイルではありません</translation>
    </message>
    <message>
        <source> (it is a symbolic link; links are not followed, only regular files inside the folder are uploaded)</source>
        <translation> (シンボリックリンクです。リンクはたどらず、フォルダー内の通常のファイルだけをアップロードします)</translation>
    </message>
    <message>
        <source>The server does not tell the size of %1, so whether it holds the file cannot be checked</source>
        <translation>サーバーが %1 のサイズを返さないため、ファイルを保持しているか確認できません</translation>
    </message>
    <message>
        <source> (it is not inside the watched folder)</source>
        <translation>（監視フォルダの中にありません）</translation>
    </message>
    <message>
        <source>The server&apos;s reply was longer than %1 bytes and was cut off; the server does not answer as an FTP server should</source>
        <translation>サーバーの応答が %1 バイトを超えたため切り捨てました。サーバーは FTP サーバーとして正しく応答していません</translation>
    </message>
</context>
<context>
    <name>FailureAdvice</name>
    <message>
        <source>The host name is not valid. Enter a name such as ftp.example.com or an IP address.</source>
        <translation>ホスト名が正しくありません。ftp.example.com のような名前か IP アドレスを入力してください。</translation>
    </message>
    <message>
        <source>The host &quot;%1&quot; was not found. Check its spelling and your network connection.</source>
        <translation>ホスト「%1」が見つかりません。綴りとネットワーク接続を確認してください。</translation>
    </message>
    <message>
        <source>Nothing accepted a connection at %1 on port %2. Check the host and the port (FTP and FTPS usually use 21, SFTP 22) and that the server is running.</source>
        <translation>%1 のポート %2 で接続を受け付けるものがありませんでした。ホストとポート (FTP と FTPS は通常 21、SFTP は 22) を確認し、サーバーが動作しているか確認してください。</translation>
    </message>
    <message>
        <source>The server did not answer in time. Check the host and the port, and whether a firewall blocks the connection.</source>
        <translation>サーバーが時間内に応答しませんでした。ホストとポート、およびファイアウォールが接続をブロックしていないか確認してください。</translation>
    </message>
    <message>
        <source>The server refused the login. Check the username and the password.</source>
        <translation>サーバーがログインを拒否しました。ユーザー名とパスワードを確認してください。</translation>
    </message>
    <message>
        <source>The server refused to open the folder: it may not exist, or this user may not have access to it. Check the remote path and the user&apos;s permissions on the server.</source>
        <translation>サーバーがフォルダーを開くことを拒否しました。フォルダーが存在しないか、このユーザーにアクセス権がない可能性があります。リモートパスとサーバー上のユーザーの権限を確認してください。</translation>
    </message>
    <message>
        <source>The folder or file does not exist on the server. Check the remote path.</source>
        <translation>サーバー上にフォルダーまたはファイルが存在しません。リモートパスを確認してください。</translation>
    </message>
    <message>
        <source>The server&apos;s host key could not be checked. Connect again; if it persists, check the known hosts file.</source>
        <translation>サーバーのホスト鍵を確認できませんでした。もう一度接続してください。続く場合は known hosts ファイルを確認してください。</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted or is not made out to &quot;%1&quot;. Check the host name; for a private certificate authority, point SSL_CERT_FILE at its certificate.</source>
        <translation>サーバーの証明書が信頼されていないか、「%1」宛てに発行されていません。ホスト名を確認してください。プライベート認証局の場合は、SSL_CERT_FILE にその証明書を指定してください。</translation>
    </message>
    <message>
        <source>The secure connection could not be set up. Check that the server offers explicit FTPS (TLS) on this port.</source>
        <translation>セキュリティで保護された接続を確立できませんでした。サーバーがこのポートで明示的 FTPS (TLS) を提供しているか確認してください。</translation>
    </message>
    <message>
        <source>The server does not offer TLS. Choose FTP if it has no encryption, or enable TLS on the server.</source>
        <translation>サーバーが TLS を提供していません。暗号化がない場合は FTP を選ぶか、サーバーで TLS を有効にしてください。</translation>
    </message>
    <message>
        <source>The server&apos;s answer was not understood. Check that the protocol matches the server (SFTP for SSH servers, FTP or FTPS otherwise) and the port.</source>
        <translation>サーバーの応答を解釈できませんでした。プロトコルがサーバーに合っているか (SSH サーバーには SFTP、それ以外は FTP または FTPS) とポートを確認してください。</translation>
    </message>
    <message>
        <source>The server could not open the data connection in active mode. Choose passive mode.</source>
        <translation>サーバーがアクティブモードでデータ接続を開けませんでした。パッシブモードを選んでください。</translation>
    </message>
    <message>
        <source>The connection was cut off. Try again; if it keeps happening, check the protocol, the port and the server&apos;s connection limits.</source>
        <translation>接続が切断されました。もう一度お試しください。繰り返し起きる場合は、プロトコル、ポート、サーバーの接続数制限を確認してください。</translation>
    </message>
    <message>
        <source>The private key file %1 cannot be read. Choose the key file again in the connection&apos;s settings.</source>
        <translation>秘密鍵ファイル %1 を読み取れません。接続の設定で鍵ファイルを選び直してください。</translation>
    </message>
    <message>
        <source>The server refused the login with the key %1. Check the username, and that the key&apos;s public part is in the server&apos;s authorized_keys file.</source>
        <translation>サーバーが鍵 %1 でのログインを拒否しました。ユーザー名と、鍵の公開部分がサーバーの authorized_keys ファイルに登録されているかを確認してください。</translation>
    </message>
    <message>
        <source>The connection ended before the whole file arrived. The file is sent again.</source>
        <translation>ファイル全体が届く前に接続が切れました。ファイルはもう一度送信されます。</translation>
    </message>
    <message>
        <source>The server refused to store the file. Check that the user may write to the remote folder and that the server has free space.</source>
        <translation>サーバーがファイルの保存を拒否しました。ユーザーがリモートフォルダーに書き込めるか、サーバーに空き容量があるかを確認してください。</translation>
    </message>
    <message>
        <source>The server&apos;s disk is full. Free space on the server; the file is sent again.</source>
        <translation>サーバーのディスクがいっぱいです。サーバー上の空き容量を増やしてください。ファイルはもう一度送信されます。</translation>
    </message>
    <message>
        <source>The SSH connection broke off. The file is sent again; if it keeps happening, check the network and the server&apos;s session and connection limits.</source>
        <translation>SSH 接続が途中で切れました。ファイルはもう一度送信されます。繰り返し起こる場合は、ネットワークとサーバーのセッション数・接続数の上限を確認してください。</translation>
    </message>
    <message>
        <source>The connection was cut off. The file is sent again; if it keeps happening, check the network and the server&apos;s connection limits.</source>
        <translation>接続が切断されました。ファイルはもう一度送信されます。繰り返し起こる場合は、ネットワークとサーバーの接続数の制限を確認してください。</translation>
    </message>
</context>
<context>
    <name>FailureNotices</name>
    <message numerus="yes">
        <source>%1 (failed %n times in a row)</source>
        <translation>
            <numerusform>%1 (%n 回連続で失敗)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FilterPresets</name>
    <message>
        <source>All files (no filter)</source>
        <translation>すべてのファイル (フィルターなし)</translation>
    </message>
    <message>
        <source>Downloads every file without filtering</source>
        <translation>すべてのファイルをフィルターせずにアップロードします</translation>
    </message>
    <message>
        <source>All except temporaries (recommended)</source>
        <translation>一時ファイル以外すべて (推奨)</translation>
    </message>
    <message>
        <source>Downloads everything, ignores temp/partial files</source>
        <translation>すべてをアップロードし、一時ファイルや不完全なファイルは無視します</translation>
    </message>
    <message>
        <source>Photography</source>
        <translation>写真</translation>
    </message>
    <message>
        <source>RAW, processed images and sidecar files</source>
        <translation>RAW、現像済み画像、サイドカーファイル</translation>
    </message>
    <message>
        <source>E-commerce / Data</source>
        <translation>EC / データ</translation>
    </message>
    <message>
        <source>CSV, Excel, XML, JSON and EDI files</source>
        <translation>CSV、Excel、XML、JSON、EDI ファイル</translation>
    </message>
    <message>
        <source>Audiovisual</source>
        <translation>映像・音声</translation>
    </message>
    <message>
        <source>Video, audio, subtitles and editing formats</source>
        <translation>ビデオ、オーディオ、字幕、編集用フォーマット</translation>
    </message>
    <message>
        <source>Health / Compliance</source>
        <translation>医療 / コンプライアンス</translation>
    </message>
    <message>
        <source>Medical, HL7, DICOM and encrypted files</source>
        <translation>医療、HL7、DICOM、暗号化ファイル</translation>
    </message>
    <message>
        <source>Finance / Accounting</source>
        <translation>財務 / 会計</translation>
    </message>
    <message>
        <source>Banking, invoicing and financial data</source>
        <translation>銀行、請求、財務データ</translation>
    </message>
    <message>
        <source>Data / Analytics</source>
        <translation>データ / 分析</translation>
    </message>
    <message>
        <source>Datasets, compressed archives and query formats</source>
        <translation>データセット、圧縮アーカイブ、クエリ形式</translation>
    </message>
    <message>
        <source>Research / Science</source>
        <translation>研究 / 科学</translation>
    </message>
    <message>
        <source>Scientific data, genomics and simulation files</source>
        <translation>科学データ、ゲノミクス、シミュレーションファイル</translation>
    </message>
    <message>
        <source>Agency / Creative</source>
        <translation>代理店 / クリエイティブ</translation>
    </message>
    <message>
        <source>Design, photography and creative assets</source>
        <translation>デザイン、写真、クリエイティブ素材</translation>
    </message>
    <message>
        <source>IT / Integrations</source>
        <translation>IT / 連携</translation>
    </message>
    <message>
        <source>Config, logs, backups and data exchange</source>
        <translation>設定、ログ、バックアップ、データ交換</translation>
    </message>
    <message>
        <source>Print / Graphics</source>
        <translation>印刷 / グラフィック</translation>
    </message>
    <message>
        <source>Print-ready, prepress and design files</source>
        <translation>入稿用、プリプレス、デザインファイル</translation>
    </message>
    <message>
        <source>Photos only</source>
        <translation>写真のみ</translation>
    </message>
    <message>
        <source>RAW + processed image formats</source>
        <translation>RAW と現像済み画像の形式</translation>
    </message>
    <message>
        <source>Video only</source>
        <translation>ビデオのみ</translation>
    </message>
    <message>
        <source>Common video and cinema formats</source>
        <translation>一般的なビデオ・シネマ形式</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>Define your own extensions</source>
        <translation>拡張子を自分で指定します</translation>
    </message>
</context>
<context>
    <name>FolderDeliveries</name>
    <message>
        <source>Its after-upload action is left out for the files it shares with %1, which comes first in the list of connections and acts on them; a file is acted on once, after every connection has it</source>
        <translation>%1 と共有するファイルについては、このアップロード後の処理は行いません。接続一覧で先にある %1 が処理します。ファイルはすべての接続に届いた後に一度だけ処理されます</translation>
    </message>
    <message>
        <source>Kept until %1 has it too: </source>
        <translation>%1 にも届くまで保持します: </translation>
    </message>
    <message>
        <source>Keeps its record of uploaded files together with %1 (same server address, local folder and remote folder): after a restart, a file either of them sent counts as sent by both, so files both take are neither deleted, moved nor handed to a script after their upload. Give one of them another remote folder.</source>
        <translation>アップロード済みファイルの記録を %1 と共有しています（同じサーバーアドレス、ローカルフォルダ、リモートフォルダ）。再起動後は、どちらかが送ったファイルは両方が送ったものとみなされるため、両方が扱うファイルはアップロード後に削除も移動もされず、スクリプトにも渡されません。どちらかに別のリモートフォルダを指定してください。</translation>
    </message>
</context>
<context>
    <name>FormWidgets</name>
    <message>
        <source>Not selected</source>
        <translation>未選択</translation>
    </message>
</context>
<context>
    <name>HistoryEntry</name>
    <message>
        <source>size verified</source>
        <translation>サイズ確認済み</translation>
    </message>
    <message>
        <source>%1 verified</source>
        <extracomment>%1 is a checksum algorithm, e.g. SHA-256</extracomment>
        <translation>%1 確認済み</translation>
    </message>
</context>
<context>
    <name>IPTCMetadataService</name>
    <message>
        <source>Keywords cannot be written into images, so images are uploaded without them: %1. Reinstall Ondrix to restore its keyword module.</source>
        <translation>画像にキーワードを書き込めないため、画像はキーワードなしでアップロードされます: %1。キーワードモジュールを復元するには Ondrix を再インストールしてください。</translation>
    </message>
    <message>
        <source>%1 is larger than 2 GiB, so it goes up without the connection&apos;s keywords</source>
        <translation>%1 は 2 GiB を超えるため、接続のキーワードなしでアップロードします</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>System</source>
        <translation>システム</translation>
    </message>
</context>
<context>
    <name>IptcPresetsFile</name>
    <message>
        <source>The file is not valid JSON (%1 at byte %2).</source>
        <translation>ファイルが正しい JSON ではありません (%2 バイト目で %1)。</translation>
    </message>
    <message>
        <source>The file does not hold a list of presets.</source>
        <translation>ファイルにプリセットのリストが含まれていません。</translation>
    </message>
    <message>
        <source>Preset %1 of the file is not an object with the text fields &quot;id&quot;, &quot;name&quot; and &quot;keyword&quot;.</source>
        <translation>ファイルのプリセット %1 は、テキストフィールド &quot;id&quot;、&quot;name&quot;、&quot;keyword&quot; を持つオブジェクトではありません。</translation>
    </message>
</context>
<context>
    <name>KeywordModule</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 がありません</translation>
    </message>
    <message>
        <source>%1 is not an Ondrix keyword module</source>
        <translation>%1 は Ondrix のキーワードモジュールではありません</translation>
    </message>
    <message>
        <source>%1 belongs to another version of Ondrix</source>
        <translation>%1 は別のバージョンの Ondrix のものです</translation>
    </message>
</context>
<context>
    <name>LaunchAtLogin</name>
    <message>
        <source>Could not set Ondrix to start at login: %1</source>
        <translation>ログイン時に Ondrix を起動するよう設定できませんでした: %1</translation>
    </message>
    <message>
        <source>Could not stop Ondrix from starting at login: %1</source>
        <translation>ログイン時の Ondrix の起動を止められませんでした: %1</translation>
    </message>
</context>
<context>
    <name>LogLevelStyle</name>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
</context>
<context>
    <name>MenuBarPresentation</name>
    <message>
        <source>No network</source>
        <translation>ネットワークなし</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>No connections</source>
        <translation>接続なし</translation>
    </message>
    <message>
        <source>1 active connection</source>
        <translation>1 件の接続が有効</translation>
    </message>
    <message>
        <source>Paused — mobile hotspot detected</source>
        <translation>一時停止中 — モバイルホットスポットを検出</translation>
    </message>
    <message>
        <source>Paused — no internet connection</source>
        <translation>一時停止中 — インターネット接続なし</translation>
    </message>
    <message>
        <source>Preventing sleep — uploading</source>
        <translation>スリープを防止中 — アップロード中</translation>
    </message>
    <message>
        <source>Sleep prevention enabled</source>
        <translation>スリープ防止が有効</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>接続済み</translation>
    </message>
    <message>
        <source>No preset</source>
        <translation>プリセットなし</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>now</source>
        <translation>今</translation>
    </message>
    <message>
        <source>%1m</source>
        <translation>%1分</translation>
    </message>
    <message>
        <source>%1d</source>
        <translation>%1日</translation>
    </message>
    <message>
        <source>%1h</source>
        <translation>%1時間</translation>
    </message>
    <message>
        <source>%1 GB free</source>
        <translation>空き %1 GB</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>イーサネット</translation>
    </message>
    <message>
        <source>Hotspot</source>
        <translation>ホットスポット</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>ネットワーク</translation>
    </message>
    <message>
        <source>WiFi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No network connection at all</extracomment>
        <translation>ネットワークなし</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The network state before it is first known</extracomment>
        <translation>不明</translation>
    </message>
    <message numerus="yes">
        <source>%n active connections</source>
        <translation>
            <numerusform>%n 件の接続が有効</numerusform>
        </translation>
    </message>
    <message>
        <source>Uploading 1 file</source>
        <translation>1 件のファイルをアップロード中</translation>
    </message>
    <message numerus="yes">
        <source>Uploading %n files</source>
        <translation>
            <numerusform>%n 件のファイルをアップロード中</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>+%n more uploading...</source>
        <translation>
            <numerusform>+%n 件をさらにアップロード中…</numerusform>
        </translation>
    </message>
    <message>
        <source>1 connection has an error</source>
        <translation>1 件の接続でエラー</translation>
    </message>
    <message numerus="yes">
        <source>%n connections have errors</source>
        <translation>
            <numerusform>%n 件の接続でエラー</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PostUploadActions</name>
    <message>
        <source>%1 stays in place, not moved to the archive: %2</source>
        <translation>%1 はアーカイブに移動せず、そのままにします: %2</translation>
    </message>
    <message>
        <source>the archive folder %1 does not exist</source>
        <translation>アーカイブフォルダー %1 が存在しません</translation>
    </message>
    <message>
        <source>the archive folder %1 is not writable (%2)</source>
        <translation>アーカイブフォルダー %1 に書き込めません (%2)</translation>
    </message>
</context>
<context>
    <name>PreferencesStore</name>
    <message>
        <source>%1 is damaged and could not be moved aside</source>
        <translation>%1 は破損しており、別名で退避できませんでした</translation>
    </message>
</context>
<context>
    <name>PushConnection</name>
    <message>
        <source>Passive (recommended)</source>
        <translation>パッシブ (推奨)</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>アクティブ</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>上書き</translation>
    </message>
    <message>
        <source>Rename (add suffix)</source>
        <translation>名前を変更 (接尾辞を追加)</translation>
    </message>
    <message>
        <source>Skip (keep existing)</source>
        <translation>スキップ (既存を保持)</translation>
    </message>
    <message>
        <source>New Connection</source>
        <translation>新しい接続</translation>
    </message>
    <message>
        <source>a string</source>
        <translation>文字列</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true または false</translation>
    </message>
    <message>
        <source>an array of numbers</source>
        <translation>数値の配列</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>オブジェクト</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has the unknown value &quot;%2&quot;</source>
        <translation>「%1」の値「%2」は不明です</translation>
    </message>
    <message>
        <source>a UUID string</source>
        <translation>UUID 文字列</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is missing</source>
        <translation>キー「%1」がありません</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>整数</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be %2</source>
        <translation>「%1」は %2 である必要があります</translation>
    </message>
    <message>
        <source>the connection list is not a JSON array</source>
        <translation>接続リストが JSON 配列ではありません</translation>
    </message>
    <message>
        <source>not an object</source>
        <translation>オブジェクトではありません</translation>
    </message>
    <message>
        <source>connection %1: %2</source>
        <translation>接続 %1: %2</translation>
    </message>
</context>
<context>
    <name>RemoteCommand</name>
    <message>
        <source>Not uploaded: FTP cannot carry a name with a tab, a line break or another control character: %1. Rename the file, or connect over SFTP, which carries such names.</source>
        <translation>アップロードしませんでした: FTP ではタブ、改行、その他の制御文字を含む名前を扱えません: %1。ファイル名を変更するか、そのような名前を扱える SFTP で接続してください。</translation>
    </message>
</context>
<context>
    <name>RemoteControlClient</name>
    <message>
        <source>no session bus</source>
        <translation>セッションバスがありません</translation>
    </message>
    <message>
        <source>no running instance on the session bus</source>
        <translation>セッションバス上に実行中のインスタンスがありません</translation>
    </message>
</context>
<context>
    <name>RemoteDelivery</name>
    <message>
        <source>%1 and %2 numbered copies of it exist on the server</source>
        <translation>%1 とその番号付きコピー %2 個がすでにサーバー上にあります</translation>
    </message>
    <message>
        <source>has no file</source>
        <translation>サーバー上にファイルがありません</translation>
    </message>
    <message numerus="yes">
        <source>The server reported success but %1 where %2 bytes were sent (%3); the local file is kept</source>
        <translation>
            <numerusform>サーバーは成功を報告しましたが、%2 バイトを送信したのに%1 (%3)。ローカルファイルは残します</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>holds %1 bytes</source>
        <translation>
            <numerusform>サーバー上のファイルは %1 バイトです</numerusform>
        </translation>
    </message>
    <message>
        <source>the server does not offer to resume uploads (REST STREAM)</source>
        <translation>サーバーはアップロードの再開に対応していません (REST STREAM)</translation>
    </message>
    <message>
        <source>The server holds other bytes than were sent (%1): its %2 is %3, the file sent has %4; the local file is kept</source>
        <translation>サーバー上のデータが送信したものと異なります（%1）。サーバーの %2 は %3、送信したファイルは %4 です。ローカルファイルは保持します</translation>
    </message>
</context>
<context>
    <name>RemoteNames</name>
    <message>
        <source>A name cannot contain “/” or line breaks, and cannot be “.” or “..”.</source>
        <translation>名前に「/」や改行は使えず、「.」や「..」にもできません。</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>1 folder</source>
        <translation>1 個のフォルダー</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 個のファイル</translation>
    </message>
    <message>
        <source>Empty folder</source>
        <translation>空のフォルダー</translation>
    </message>
    <message>
        <source>%1 File</source>
        <extracomment>The type column of a remote file, e.g. &quot;JPG File&quot;</extracomment>
        <translation>%1 ファイル</translation>
    </message>
    <message numerus="yes">
        <source>%n folders</source>
        <translation>
            <numerusform>%n 個のフォルダー</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n 個のファイル</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SshKnownHosts</name>
    <message>
        <source>The server&apos;s host key changed: %1 no longer presents the key trusted in %2. The server may have been reinstalled, or someone may be intercepting the connection. If you expect the change, remove the line for %1 from that file (ssh-keygen -R &quot;%1&quot; -f &quot;%2&quot;) and connect again.</source>
        <translation>サーバーのホスト鍵が変わりました: %1 は %2 で信頼されている鍵を提示しなくなりました。サーバーが再インストールされたか、誰かが接続を傍受している可能性があります。変更が想定どおりであれば、そのファイルから %1 の行を削除し (ssh-keygen -R &quot;%1&quot; -f &quot;%2&quot;)、もう一度接続してください。</translation>
    </message>
    <message>
        <source>Trusted the SSH host key of %1 on first use: %2 %3. If this is not the server&apos;s key, remove its line from %4.</source>
        <translation>%1 の SSH ホスト鍵を初回接続で信頼しました: %2 %3。サーバーの鍵でない場合は、%4 からその行を削除してください。</translation>
    </message>
    <message>
        <source>The file of trusted SSH host keys %1 cannot be read or written, so no server key can be checked; make it readable and writable by you (or remove it) and connect again.</source>
        <translation>信頼済み SSH ホスト鍵のファイル %1 を読み書きできないため、サーバーの鍵を確認できません。自分で読み書きできるようにする（または削除する）してから、もう一度接続してください。</translation>
    </message>
</context>
<context>
    <name>StoredConnectionList</name>
    <message>
        <source>it holds a dictionary of numbers, not data</source>
        <translation>データではなく数値の辞書が入っています</translation>
    </message>
    <message>
        <source>it holds a list of texts, not data</source>
        <translation>データではなくテキストのリストが入っています</translation>
    </message>
    <message>
        <source>it holds a text or a number, not data</source>
        <translation>データではなくテキストまたは数値が入っています</translation>
    </message>
    <message>
        <source>The connection list stored under &quot;%1&quot; cannot be read (%2), so no connections were loaded. A copy of it is kept under &quot;%3&quot; in %4; fix it there, or add the connections again.</source>
        <translation>「%1」に保存されている接続リストを読み込めないため (%2)、接続を読み込みませんでした。コピーを %4 の「%3」に保存してあります。そこで修正するか、接続を追加し直してください。</translation>
    </message>
</context>
<context>
    <name>UploadTask</name>
    <message>
        <source> (the server refused to make or open the folder %1)</source>
        <translation> (サーバーがフォルダー %1 の作成またはオープンを拒否しました)</translation>
    </message>
</context>
<context>
    <name>XdgAutostartLoginItem</name>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation>%1 を削除できません: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>フォルダー %1 を作成できません</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 を書き込めません: %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Ondrix is running (process %1).</source>
        <translation>Ondrix は実行中です (プロセス %1)。</translation>
    </message>
    <message>
        <source>Keeps local folders pushed to FTP, FTPS and SFTP servers. Connections are set up in the settings window or in the preferences store (see the README).</source>
        <translation>ローカルフォルダーを FTP、FTPS、SFTP サーバーへ送り続けます。接続は設定ウインドウまたは設定ストアで設定します (README を参照)。</translation>
    </message>
    <message>
        <source>Run without a tray icon or windows.</source>
        <translation>トレイアイコンやウインドウなしで実行します。</translation>
    </message>
    <message>
        <source>Ondrix is already running for this user (process %1). Quit it first, or remove %2 if no Ondrix is running.</source>
        <translation>このユーザーの Ondrix はすでに実行中です (プロセス %1)。先に終了するか、Ondrix が実行されていなければ %2 を削除してください。</translation>
    </message>
    <message>
        <source>Stopping at once.</source>
        <translation>ただちに停止します。</translation>
    </message>
    <message>
        <source>Stopping: waiting for running uploads to finish (signal again to quit at once).</source>
        <translation>停止中: 実行中のアップロードの完了を待っています (もう一度シグナルを送るとすぐに終了します)。</translation>
    </message>
    <message>
        <source>No connections are set up, so nothing is uploaded. The README (section &quot;The preferences database&quot;) explains how to add one; `ondrix connections import FILE.json` adds them from a file.</source>
        <translation>接続が設定されていないため、何もアップロードされません。README (「The preferences database」の節) に追加方法があります。`ondrix connections import FILE.json` でファイルから追加できます。</translation>
    </message>
    <message>
        <source>Connections loaded: %1 (%2 enabled).</source>
        <translation>読み込んだ接続: %1 (有効 %2)。</translation>
    </message>
    <message>
        <source>Bring the running Ondrix forward (its popover or window).</source>
        <translation>実行中の Ondrix (ポップオーバーまたはウインドウ) を前面に表示します。</translation>
    </message>
    <message>
        <source>Cannot reach a running Ondrix: %1</source>
        <translation>実行中の Ondrix に接続できません: %1</translation>
    </message>
    <message>
        <source>Remote control is not available: %1</source>
        <translation>リモート操作は利用できません: %1</translation>
    </message>
    <message>
        <source>Pause every connection of the running Ondrix.</source>
        <translation>実行中の Ondrix のすべての接続を一時停止します。</translation>
    </message>
    <message>
        <source>Resume every connection of the running Ondrix.</source>
        <translation>実行中の Ondrix のすべての接続を再開します。</translation>
    </message>
    <message>
        <source>Rescan every running connection now and retry failed files at once.</source>
        <translation>実行中のすべての接続を今すぐ再スキャンし、失敗したファイルをすぐに再試行します。</translation>
    </message>
    <message>
        <source>Print one line per connection: name, state, files queued and uploading, last error.</source>
        <translation>接続ごとに 1 行を出力します: 名前、状態、待機中とアップロード中のファイル、最後のエラー。</translation>
    </message>
    <message>
        <source>The desktop interface cannot be loaded, so Ondrix runs without a tray icon or windows: %1</source>
        <translation>デスクトップインターフェースを読み込めないため、Ondrix はトレイアイコンもウィンドウもなしで動作します: %1</translation>
    </message>
    <message>
        <source>With --status: print the state as one JSON document: per connection its state, pause reasons, counts, last success and last error; the version and uptime.</source>
        <translation>--status と併用: 状態を 1 つの JSON 文書として出力します（接続ごとの状態、一時停止の理由、件数、最後の成功と最後のエラー、およびバージョンと稼働時間）。</translation>
    </message>
    <message>
        <source>Keep Prometheus metrics in &lt;file&gt; (for node_exporter&apos;s textfile collector), written every 10 seconds and at stop.</source>
        <translation>Prometheus のメトリクスを &lt;file&gt; に保持します（node_exporter の textfile コレクター用）。10 秒ごとと停止時に書き込みます。</translation>
    </message>
    <message>
        <source>--json goes with --status.</source>
        <translation>--json は --status と一緒に使います。</translation>
    </message>
</context>
<context>
    <name>ondrix::AboutView</name>
    <message>
        <source>Ondrix icon</source>
        <translation>Ondrix アイコン</translation>
    </message>
    <message>
        <source>Ondrix</source>
        <translation>Ondrix</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Web サイト</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>プライバシーポリシー</translation>
    </message>
    <message>
        <source>Terms of Service</source>
        <translation>利用規約</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>サポート</translation>
    </message>
</context>
<context>
    <name>ondrix::ActivityList</name>
    <message>
        <source>ACTIVITY</source>
        <translation>アクティビティ</translation>
    </message>
    <message>
        <source>Monitoring — no transfers in progress</source>
        <translation>監視中 — 転送はありません</translation>
    </message>
</context>
<context>
    <name>ondrix::AppDelegate</name>
    <message>
        <source>Ondrix</source>
        <translation>Ondrix</translation>
    </message>
    <message>
        <source>Open Ondrix</source>
        <translation>Ondrix を開く</translation>
    </message>
    <message>
        <source>About Ondrix</source>
        <translation>Ondrix について</translation>
    </message>
    <message>
        <source>Check for Updates...</source>
        <translation>アップデートを確認…</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>設定…</translation>
    </message>
    <message>
        <source>Ondrix Website</source>
        <translation>Ondrix Web サイト</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>サポートに問い合わせる</translation>
    </message>
    <message>
        <source>Quit Ondrix</source>
        <translation>Ondrix を終了</translation>
    </message>
    <message>
        <source>Ondrix Settings</source>
        <translation>Ondrix の設定</translation>
    </message>
    <message>
        <source>Ondrix Log</source>
        <translation>Ondrix のログ</translation>
    </message>
    <message>
        <source>Ondrix History</source>
        <translation>Ondrix の履歴</translation>
    </message>
    <message>
        <source>Hide Ondrix</source>
        <translation>Ondrix を隠す</translation>
    </message>
</context>
<context>
    <name>ondrix::Application</name>
    <message>
        <source>Settings cannot be saved in this run, the preferences file was left untouched: %1</source>
        <translation>今回の実行では設定を保存できません。設定ファイルは変更していません: %1</translation>
    </message>
</context>
<context>
    <name>ondrix::BrowserFolderView</name>
    <message>
        <source>Go back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Enclosing folder</source>
        <translation>上のフォルダー</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>再読み込み</translation>
    </message>
    <message>
        <source>Folder contents</source>
        <translation>フォルダーの内容</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>読み込み中</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>新規フォルダー</translation>
    </message>
    <message>
        <source>Rename selected item</source>
        <translation>選択した項目の名前を変更</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前を変更</translation>
    </message>
    <message>
        <source>Delete selected items</source>
        <translation>選択した項目を削除</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>読み込み中…</translation>
    </message>
    <message>
        <source>This folder cannot be shown</source>
        <translation>このフォルダーを表示できません</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>Cannot list %1: %2</source>
        <translation>%1 の一覧を取得できません: %2</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>タグ</translation>
    </message>
    <message>
        <source>Remove Tag</source>
        <translation>タグを外す</translation>
    </message>
    <message>
        <source>Cannot Open</source>
        <translation>開けません</translation>
    </message>
    <message>
        <source>Enter a name for the new folder at </source>
        <translation>新しいフォルダーの名前を入力してください。場所: </translation>
    </message>
    <message>
        <source>Folder name</source>
        <translation>フォルダー名</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>作成</translation>
    </message>
    <message>
        <source>Cannot Create Folder</source>
        <translation>フォルダーを作成できません</translation>
    </message>
    <message>
        <source>Could not create the folder “%1”: %2</source>
        <translation>フォルダー「%1」を作成できませんでした: %2</translation>
    </message>
    <message>
        <source>Cannot Rename</source>
        <translation>名前を変更できません</translation>
    </message>
    <message>
        <source>Enter a new name for &apos;%1&apos;</source>
        <translation>「%1」の新しい名前を入力してください</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>新しい名前</translation>
    </message>
    <message>
        <source>Could not rename “%1”: %2</source>
        <translation>「%1」の名前を変更できませんでした: %2</translation>
    </message>
    <message>
        <source>Cannot Delete</source>
        <translation>削除できません</translation>
    </message>
    <message>
        <source>Delete &apos;%1&apos;?</source>
        <translation>「%1」を削除しますか?</translation>
    </message>
    <message>
        <source>This cannot be undone.</source>
        <translation>この操作は取り消せません。</translation>
    </message>
    <message>
        <source>Could not delete “%1”: %2</source>
        <translation>「%1」を削除できませんでした: %2</translation>
    </message>
    <message>
        <source>A folder can only be deleted when it is empty.</source>
        <translation>フォルダーは空のときだけ削除できます。</translation>
    </message>
    <message>
        <source>Cannot Tag</source>
        <translation>タグを付けられません</translation>
    </message>
    <message>
        <source>The server lists an entry named “%1”. Its name contains a line break, a NUL character or a “/”, or is “.” or “..”, so a command on it could act on another entry. Ondrix leaves it alone; rename or remove it with another program on the server.</source>
        <translation>サーバーに「%1」という名前の項目があります。名前に改行、NUL 文字、「/」が含まれているか、「.」または「..」であるため、この項目へのコマンドが別の項目に作用するおそれがあります。Ondrix はこの項目に触れません。サーバー上で別のプログラムを使って名前を変更するか削除してください。</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n items</source>
        <translation>
            <numerusform>%n 個の項目を削除</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n items?</source>
        <translation>
            <numerusform>%n 個の項目を削除しますか?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ondrix::BrowserStatePage</name>
    <message>
        <source>Loading</source>
        <translation>読み込み中</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>再試行</translation>
    </message>
</context>
<context>
    <name>ondrix::BrowserView</name>
    <message>
        <source>Connections</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>No connections</source>
        <translation>接続なし</translation>
    </message>
    <message>
        <source>Add a connection in the Connections tab first.</source>
        <translation>先に「接続」タブで接続を追加してください。</translation>
    </message>
    <message>
        <source>Select a connection</source>
        <translation>接続を選択</translation>
    </message>
    <message>
        <source>Choose a connection from the sidebar.</source>
        <translation>サイドバーから接続を選んでください。</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionEditView</name>
    <message>
        <source>Scroll the connection settings</source>
        <translation>接続設定をスクロール</translation>
    </message>
    <message>
        <source>Scroll the connection settings sideways</source>
        <translation>接続設定を横にスクロール</translation>
    </message>
    <message>
        <source>This connection is locked. Click the lock to edit.</source>
        <translation>この接続はロックされています。編集するには鍵をクリックしてください。</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>ロック解除</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>ロック</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionEngine</name>
    <message>
        <source>No local folder configured</source>
        <translation>ローカルフォルダーが設定されていません</translation>
    </message>
    <message>
        <source>Local folder not found: </source>
        <translation>ローカルフォルダーが見つかりません: </translation>
    </message>
    <message>
        <source>Watching </source>
        <translation>監視中: </translation>
    </message>
    <message>
        <source>Stability check (%1s): </source>
        <translation>安定性チェック (%1 秒): </translation>
    </message>
    <message>
        <source>Skipped (already uploaded): </source>
        <translation>スキップ (アップロード済み): </translation>
    </message>
    <message>
        <source>Queued: </source>
        <translation>キューに追加: </translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>不明なエラー</translation>
    </message>
    <message>
        <source>Changed during the upload, kept to go up again: </source>
        <translation>アップロード中に変更されたため、再アップロードのために保持します: </translation>
    </message>
    <message>
        <source>Still being written, offered again later: </source>
        <translation>まだ書き込み中のため、後でもう一度処理します: </translation>
    </message>
    <message>
        <source>Upload cut short by the stop; it goes up at the next start: </source>
        <translation>停止によりアップロードが中断されました。次回の起動時にアップロードします: </translation>
    </message>
    <message>
        <source>Stopping: uploads still running after %1 s are cut short; they go up again at the next start</source>
        <translation>停止中: %1 秒後にまだ実行中のアップロードは中断し、次回の起動時にもう一度アップロードします</translation>
    </message>
    <message>
        <source>Skipped (exists on server): </source>
        <translation>スキップ (サーバー上に存在): </translation>
    </message>
    <message>
        <source>Ondrix looks for it again every few seconds.</source>
        <translation>Ondrix は数秒ごとにもう一度探します。</translation>
    </message>
    <message>
        <source>The local folder was deleted or moved away: </source>
        <translation>ローカルフォルダーが削除または移動されました: </translation>
    </message>
    <message>
        <source>Still open for writing, kept until its writer is done: </source>
        <translation>まだ書き込み中のため、書き込みが終わるまで保持します: </translation>
    </message>
    <message>
        <source>Resumed at %1 of %2: </source>
        <translation>%2 のうち %1 から再開しました: </translation>
    </message>
    <message>
        <source>Resuming was not possible, sent whole: </source>
        <translation>再開できなかったため、全体を送信しました: </translation>
    </message>
    <message>
        <source>The local folder %1 cannot be opened without following a symbolic link (%2); nothing in it is uploaded</source>
        <translation>ローカルフォルダ %1 はシンボリックリンクをたどらずに開けません（%2）。中のファイルはアップロードされません</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionForm</name>
    <message>
        <source>%1:00</source>
        <translation>%1:00</translation>
    </message>
    <message>
        <source>Move mode: local files are removed after upload.</source>
        <translation>移動モード: アップロード後にローカルファイルを削除します。</translation>
    </message>
    <message>
        <source>Copy mode: local files are kept after upload.</source>
        <translation>コピーモード: アップロード後もローカルファイルを残します。</translation>
    </message>
    <message>
        <source>The script receives the local file path as the first argument.</source>
        <translation>スクリプトには最初の引数としてローカルファイルのパスが渡されます。</translation>
    </message>
    <message>
        <source>Enter the server&apos;s host name or IP address.</source>
        <translation>サーバーのホスト名または IP アドレスを入力してください。</translation>
    </message>
    <message>
        <source>Enter the host name alone, without &quot;ftp://&quot; or &quot;sftp://&quot;; choose the protocol above.</source>
        <translation>「ftp://」や「sftp://」を付けずにホスト名だけを入力し、プロトコルは上で選んでください。</translation>
    </message>
    <message>
        <source>A host name cannot contain spaces or &quot;/&quot;. Put the folder under Remote Folder.</source>
        <translation>ホスト名にスペースや「/」は使えません。フォルダーは「リモートフォルダー」に入力してください。</translation>
    </message>
    <message>
        <source>The port must be a whole number from 1 to 65535 (FTP and FTPS usually use 21, SFTP 22).</source>
        <translation>ポートは 1 から 65535 までの整数で指定してください (FTP と FTPS は通常 21、SFTP は 22)。</translation>
    </message>
    <message>
        <source>This folder does not exist. Create it again or choose another folder.</source>
        <translation>このフォルダーは存在しません。作成し直すか、別のフォルダーを選んでください。</translation>
    </message>
    <message>
        <source>This is a file, not a folder. Choose a folder.</source>
        <translation>これはフォルダーではなくファイルです。フォルダーを選んでください。</translation>
    </message>
    <message>
        <source>This folder cannot be read. Check its permissions (chmod u+rx) or choose another folder.</source>
        <translation>このフォルダーを読み込めません。権限 (chmod u+rx) を確認するか、別のフォルダーを選んでください。</translation>
    </message>
    <message>
        <source>The remote path cannot contain a line break. The last path without one is kept.</source>
        <translation>リモートパスに改行は使えません。改行を含まない最後のパスを保持します。</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>ホスト</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>ローカルフォルダー</translation>
    </message>
    <message>
        <source>Required: </source>
        <translation>必須: </translation>
    </message>
    <message>
        <source>Port %1 is usually FTP; SFTP servers usually listen on %2.</source>
        <translation>ポート %1 は通常 FTP 用です。SFTP サーバーは通常 %2 で待ち受けます。</translation>
    </message>
    <message>
        <source>Port %1 is usually SFTP; FTP and FTPS servers usually listen on %2.</source>
        <translation>ポート %1 は通常 SFTP 用です。FTP と FTPS のサーバーは通常 %2 で待ち受けます。</translation>
    </message>
    <message>
        <source>Also watched by %1: a file is deleted only once every connection that takes it has uploaded it.</source>
        <translation>%1 も監視しています: ファイルは、それを扱うすべての接続がアップロードした後にのみ削除されます。</translation>
    </message>
    <message>
        <source>Also watched by %1: a file is moved to the archive only once every connection that takes it has uploaded it.</source>
        <translation>%1 も監視しています: ファイルは、それを扱うすべての接続がアップロードした後にのみアーカイブへ移動されます。</translation>
    </message>
    <message>
        <source>Also watched by %1: the script runs for a file only once every connection that takes it has uploaded it.</source>
        <translation>%1 も監視しています: スクリプトは、ファイルを扱うすべての接続がアップロードした後にのみ実行されます。</translation>
    </message>
    <message>
        <source>Also watched by %1: deleting, archiving or a script set on any of them waits until every connection that takes the file has uploaded it.</source>
        <translation>%1 も監視しています: いずれかに設定された削除、アーカイブ、スクリプトは、ファイルを扱うすべての接続がアップロードするまで待ちます。</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionRow</name>
    <message>
        <source>Enable connection</source>
        <translation>接続を有効にする</translation>
    </message>
    <message>
        <source>Schedule enabled</source>
        <translation>スケジュール有効</translation>
    </message>
    <message>
        <source>Open watched folder</source>
        <translation>監視フォルダーを開く</translation>
    </message>
    <message>
        <source>simultaneous uploads</source>
        <translation>同時アップロード数</translation>
    </message>
    <message>
        <source>stability check</source>
        <translation>安定性チェック</translation>
    </message>
    <message>
        <source>Keyword preset</source>
        <translation>キーワードプリセット</translation>
    </message>
    <message>
        <source>Disable connection</source>
        <translation>接続を無効にする</translation>
    </message>
    <message>
        <source>Simultaneous uploads: </source>
        <translation>同時アップロード数: </translation>
    </message>
    <message>
        <source>Stability check: </source>
        <translation>安定性チェック: </translation>
    </message>
    <message>
        <source>Keyword preset: </source>
        <translation>キーワードプリセット: </translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Edit connection</source>
        <translation>接続を編集</translation>
    </message>
    <message>
        <source>%1s</source>
        <translation>%1 秒</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionRowList</name>
    <message>
        <source>CONNECTIONS</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>No connections configured</source>
        <translation>接続が設定されていません</translation>
    </message>
    <message>
        <source>Add Connection</source>
        <translation>接続を追加</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionRowView</name>
    <message>
        <source>Disable connection</source>
        <translation>接続を無効にする</translation>
    </message>
    <message>
        <source>Enable connection</source>
        <translation>接続を有効にする</translation>
    </message>
    <message>
        <source>Unlock connection</source>
        <translation>接続のロックを解除</translation>
    </message>
    <message>
        <source>Lock connection</source>
        <translation>接続をロック</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionSecrets</name>
    <message>
        <source>no keyring is running in this session</source>
        <translation>このセッションではキーリングが動作していません</translation>
    </message>
    <message numerus="yes">
        <source>The passwords of %n connections are in the keyring, but no keyring is running, so they wait. Start one, or give the passwords as systemd credentials.</source>
        <translation>
            <numerusform>%n 件の接続のパスワードはキーリングにありますが、キーリングが動作していないため待機しています。キーリングを起動するか、パスワードを systemd の資格情報として渡してください。</numerusform>
        </translation>
    </message>
    <message>
        <source>Waiting for the keyring to give out the password.</source>
        <translation>キーリングがパスワードを渡すのを待っています。</translation>
    </message>
    <message>
        <source>The password is in the keyring, which does not give it out yet: %1</source>
        <translation>パスワードはキーリングにありますが、まだ渡されません: %1</translation>
    </message>
    <message>
        <source>The keyring no longer holds the password of &quot;%1&quot;; enter it again in the connection&apos;s settings.</source>
        <translation>キーリングに「%1」のパスワードがもうありません。接続の設定でもう一度入力してください。</translation>
    </message>
    <message>
        <source>the keyring did not give the password back</source>
        <translation>キーリングがパスワードを返しませんでした</translation>
    </message>
    <message numerus="yes">
        <source>Moved %n passwords from the preferences database to the keyring.</source>
        <translation>
            <numerusform>%n 件のパスワードを設定データベースからキーリングに移しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>The keyring does not give out or take passwords (%1). Connections whose password is in it wait until it does: unlock the keyring, or enter their passwords again.</source>
        <translation>キーリングがパスワードを渡すことも受け取ることもしません (%1)。パスワードがキーリングにある接続はそれまで待機します。キーリングのロックを解除するか、パスワードをもう一度入力してください。</translation>
    </message>
    <message>
        <source>No keyring was found, so passwords are stored in the preferences database (%1), which only you can read.</source>
        <translation>キーリングが見つからないため、パスワードは設定データベース (%1) に保存されます。これを読めるのはあなただけです。</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionSection</name>
    <message>
        <source>Connection</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>My Server</source>
        <translation>マイサーバー</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>プロトコル</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>ホスト</translation>
    </message>
    <message>
        <source>ftp.example.com</source>
        <translation>ftp.example.com</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Use the usual port</source>
        <translation>通常のポートを使う</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>ユーザー名</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>選択…</translation>
    </message>
    <message>
        <source>Choose private key</source>
        <translation>秘密鍵を選択</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Clear private key</source>
        <translation>秘密鍵をクリア</translation>
    </message>
    <message>
        <source>Private key</source>
        <translation>秘密鍵</translation>
    </message>
    <message>
        <source>FTP Mode</source>
        <translation>FTP モード</translation>
    </message>
    <message>
        <source>Use %1</source>
        <translation>%1 を使う</translation>
    </message>
    <message>
        <source>Use port %1</source>
        <translation>ポート %1 を使う</translation>
    </message>
    <message>
        <source>None (password login)</source>
        <translation>なし (パスワードでログイン)</translation>
    </message>
    <message>
        <source>Choose the SSH private key</source>
        <translation>SSH 秘密鍵を選択</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionTestArea</name>
    <message>
        <source>Test Connection</source>
        <translation>接続をテスト</translation>
    </message>
    <message>
        <source>Testing...</source>
        <translation>テスト中…</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionsManager</name>
    <message>
        <source>One or more connections have errors</source>
        <translation>1 つ以上の接続でエラーが発生しています</translation>
    </message>
    <message>
        <source>Ondrix is uploading files</source>
        <translation>Ondrix がファイルをアップロードしています</translation>
    </message>
    <message>
        <source>System going to sleep — pausing all connections</source>
        <translation>システムがスリープします — すべての接続を一時停止します</translation>
    </message>
    <message>
        <source>System woke up — resuming connections</source>
        <translation>システムがスリープから復帰しました — 接続を再開します</translation>
    </message>
    <message numerus="yes">
        <source>Upload Now: rescanning %n connections</source>
        <translation>
            <numerusform>今すぐアップロード: %n 件の接続を再スキャン中</numerusform>
        </translation>
    </message>
    <message>
        <source>System woke up — connections stay paused (%1)</source>
        <translation>システムがスリープから復帰しました — 接続は一時停止のままです（%1）</translation>
    </message>
</context>
<context>
    <name>ondrix::ConnectionsSettingsView</name>
    <message>
        <source>Select a connection or add a new one.</source>
        <translation>接続を選択するか、新しく追加してください。</translation>
    </message>
    <message>
        <source>Connections</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>Add connection</source>
        <translation>接続を追加</translation>
    </message>
    <message>
        <source>Delete connection</source>
        <translation>接続を削除</translation>
    </message>
    <message>
        <source> Copy</source>
        <translation> のコピー</translation>
    </message>
    <message>
        <source>Delete &apos;%1&apos;?</source>
        <translation>「%1」を削除しますか?</translation>
    </message>
    <message>
        <source>Delete this connection?</source>
        <translation>この接続を削除しますか?</translation>
    </message>
    <message>
        <source>This action cannot be undone.</source>
        <translation>この操作は取り消せません。</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>複製</translation>
    </message>
</context>
<context>
    <name>ondrix::DiskSpaceGuard</name>
    <message>
        <source>Low disk space: %1 GB free on %2, below the %3 GB minimum.</source>
        <translation>ディスクの空きが少なくなっています: %2 の空きは %1 GB で、最小値の %3 GB を下回っています。</translation>
    </message>
    <message>
        <source>Paused until there is room again (their uploads do not free space): %1</source>
        <translation>空きができるまで一時停止します (これらのアップロードでは空きは増えません): %1</translation>
    </message>
    <message>
        <source>Disk space is back: %1 GB free on %2; connections paused for it resume.</source>
        <translation>ディスクの空きが回復しました: %2 の空きは %1 GB です。このために一時停止していた接続を再開します。</translation>
    </message>
    <message>
        <source>Ondrix: Low disk space</source>
        <translation>Ondrix: ディスクの空きが少なくなっています</translation>
    </message>
    <message>
        <source>Ondrix: Disk space is back</source>
        <translation>Ondrix: ディスクの空きが回復しました</translation>
    </message>
</context>
<context>
    <name>ondrix::ExtensionFilterView</name>
    <message>
        <source>File Types</source>
        <translation>ファイルの種類</translation>
    </message>
    <message>
        <source>Extension preset</source>
        <translation>拡張子プリセット</translation>
    </message>
    <message>
        <source>Reset to preset</source>
        <comment>ext.reset.button</comment>
        <translation>プリセットに戻す</translation>
    </message>
    <message>
        <source>%1 (left out)</source>
        <translation>%1 (除外)</translation>
    </message>
    <message>
        <source>Ticked extensions are never uploaded.</source>
        <translation>チェックした拡張子はアップロードしません。</translation>
    </message>
    <message>
        <source>Only upload</source>
        <translation>アップロードする拡張子</translation>
    </message>
    <message>
        <source>every extension</source>
        <translation>すべての拡張子</translation>
    </message>
    <message>
        <source>Never upload</source>
        <translation>アップロードしない拡張子</translation>
    </message>
    <message>
        <source>nothing left out</source>
        <translation>除外なし</translation>
    </message>
    <message>
        <source>Upload them</source>
        <comment>ext.unspecified.download</comment>
        <translation>アップロードする</translation>
    </message>
    <message>
        <source>Ignore them</source>
        <comment>ext.unspecified.ignore</comment>
        <translation>無視する</translation>
    </message>
    <message>
        <source>Files with unlisted extensions:</source>
        <comment>ext.unspecified.label</comment>
        <translation>一覧にない拡張子のファイル:</translation>
    </message>
</context>
<context>
    <name>ondrix::GeneralSettingsTab</name>
    <message>
        <source>Scroll the general settings</source>
        <translation>一般設定をスクロール</translation>
    </message>
    <message>
        <source>Scroll the general settings sideways</source>
        <translation>一般設定を横にスクロール</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>起動</translation>
    </message>
    <message>
        <source>Launch Ondrix when I log in</source>
        <translation>ログイン時に Ondrix を起動</translation>
    </message>
    <message>
        <source>Always show in the taskbar</source>
        <translation>常にタスクバーに表示</translation>
    </message>
    <message>
        <source>When disabled, Ondrix only appears in the taskbar while one of its windows is open.</source>
        <translation>オフにすると、Ondrix はウインドウが開いているときだけタスクバーに表示されます。</translation>
    </message>
    <message>
        <source>Sleep Behavior</source>
        <translation>スリープ</translation>
    </message>
    <message>
        <source>Prevent sleep during uploads</source>
        <translation>アップロード中はスリープを防止</translation>
    </message>
    <message>
        <source>Sleep is only prevented while files are actively uploading. Normal sleep resumes when idle.</source>
        <translation>スリープを防止するのは、ファイルを実際にアップロードしている間だけです。何もしていないときは通常どおりスリープします。</translation>
    </message>
    <message>
        <source>Pause and resume on wake</source>
        <translation>スリープ解除時に一時停止・再開</translation>
    </message>
    <message>
        <source>If the computer sleeps anyway (battery, lid close), transfers will pause and resume automatically on wake.</source>
        <translation>それでもコンピューターがスリープした場合 (バッテリー、蓋を閉じたときなど)、転送は一時停止し、スリープ解除時に自動的に再開します。</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>ネットワーク</translation>
    </message>
    <message>
        <source>Pause when on mobile hotspot</source>
        <translation>モバイルホットスポット接続時に一時停止</translation>
    </message>
    <message>
        <source>Pause when internet is unavailable</source>
        <translation>インターネットに接続できないときに一時停止</translation>
    </message>
    <message>
        <source>Disk Space</source>
        <translation>ディスク容量</translation>
    </message>
    <message>
        <source>Warn and pause if disk space is low</source>
        <translation>ディスクの空きが少ないときに警告して一時停止</translation>
    </message>
    <message>
        <source>Minimum free space</source>
        <translation>最小空き容量</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外観</translation>
    </message>
    <message>
        <source>Color theme</source>
        <translation>カラーテーマ</translation>
    </message>
    <message>
        <source>App color</source>
        <translation>アプリのカラー</translation>
    </message>
    <message>
        <source>System color</source>
        <translation>システムのカラー</translation>
    </message>
    <message>
        <source>App color uses Ondrix&apos;s signature purple for selections, switches and links in its windows, so they are easy to recognise. System color follows your desktop&apos;s accent color.</source>
        <translation>アプリのカラーでは、ウインドウ内の選択、スイッチ、リンクに Ondrix 特有の紫を使い、見分けやすくします。システムのカラーはデスクトップのアクセントカラーに従います。</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Restart Ondrix to apply the language change.</source>
        <translation>言語の変更は Ondrix の再起動後に反映されます。</translation>
    </message>
    <message>
        <source>Monitoring</source>
        <translation>監視</translation>
    </message>
    <message>
        <source>Metrics file</source>
        <translation>メトリクスファイル</translation>
    </message>
    <message>
        <source>Ondrix keeps its counters in this file in Prometheus text format, rewritten every 10 seconds. Leave it empty to write none.</source>
        <translation>Ondrix はカウンターを Prometheus のテキスト形式でこのファイルに 10 秒ごとに書き込みます。空欄にすると書き込みません。</translation>
    </message>
</context>
<context>
    <name>ondrix::HistoryListModel</name>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
</context>
<context>
    <name>ondrix::HistoryView</name>
    <message>
        <source>Clear All</source>
        <translation>すべて消去</translation>
    </message>
    <message>
        <source>No upload history.</source>
        <translation>アップロード履歴はありません。</translation>
    </message>
    <message>
        <source>Upload History</source>
        <translation>アップロード履歴</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>検索…</translation>
    </message>
    <message>
        <source>Search the history</source>
        <translation>履歴を検索</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>検索をクリア</translation>
    </message>
    <message>
        <source>Clear the whole history</source>
        <translation>履歴をすべて消去</translation>
    </message>
    <message>
        <source>Uploads</source>
        <translation>アップロード</translation>
    </message>
</context>
<context>
    <name>ondrix::InlineStepper</name>
    <message>
        <source>Decrease %1</source>
        <translation>%1 を減らす</translation>
    </message>
    <message>
        <source>Increase %1</source>
        <translation>%1 を増やす</translation>
    </message>
</context>
<context>
    <name>ondrix::InotifyFileEventSource</name>
    <message>
        <source>Ondrix cannot watch %1 for new files: the system&apos;s limit of inotify instances per user (fs.inotify.max_user_instances = %2) is reached. New files are found by the periodic folder scan only. To raise the limit, run: sudo sysctl fs.inotify.max_user_instances=1024 (to keep it, add that setting to a file in /etc/sysctl.d/).</source>
        <translation>Ondrix は %1 の新しいファイルを監視できません: ユーザーあたりの inotify インスタンス数のシステム上限 (fs.inotify.max_user_instances = %2) に達しました。新しいファイルは定期的なフォルダースキャンでのみ検出されます。上限を上げるには次を実行してください: sudo sysctl fs.inotify.max_user_instances=1024 (設定を維持するには、/etc/sysctl.d/ 内のファイルにこの設定を追加してください)。</translation>
    </message>
    <message>
        <source>Some file changes below %1 were missed because the system&apos;s queue of file events overflowed (fs.inotify.max_queued_events = %2); the periodic folder scan picks them up. If this happens often, raise the limit: sudo sysctl fs.inotify.max_queued_events=65536 (to keep it, add that setting to a file in /etc/sysctl.d/).</source>
        <translation>システムのファイルイベントキューがあふれたため (fs.inotify.max_queued_events = %2)、%1 以下のファイル変更の一部を取りこぼしました。定期的なフォルダースキャンで拾われます。頻繁に起きる場合は上限を上げてください: sudo sysctl fs.inotify.max_queued_events=65536 (設定を維持するには、/etc/sysctl.d/ 内のファイルにこの設定を追加してください)。</translation>
    </message>
    <message>
        <source>Not every folder below %1 can be watched: the limit of %2 inotify watches per user (fs.inotify.max_user_watches) is reached. New files in the folders without a watch are found by the periodic folder scan only. To raise the limit, run: sudo sysctl fs.inotify.max_user_watches=524288 (to keep it, add that setting to a file in /etc/sysctl.d/).</source>
        <translation>%1 以下のすべてのフォルダーを監視できません: ユーザーあたり %2 個の inotify 監視の上限 (fs.inotify.max_user_watches) に達しました。監視されていないフォルダー内の新しいファイルは定期的なフォルダースキャンでのみ検出されます。上限を上げるには次を実行してください: sudo sysctl fs.inotify.max_user_watches=524288 (設定を維持するには、/etc/sysctl.d/ 内のファイルにこの設定を追加してください)。</translation>
    </message>
</context>
<context>
    <name>ondrix::IptcPresetsSection</name>
    <message>
        <source>IPTC presets (*.ondrix-keywords *.json)</source>
        <translation>IPTC プリセット (*.ondrix-keywords *.json)</translation>
    </message>
    <message>
        <source>IPTC Presets</source>
        <translation>IPTC プリセット</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Import IPTC presets</source>
        <translation>IPTC プリセットをインポート</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Export IPTC presets</source>
        <translation>IPTC プリセットをエクスポート</translation>
    </message>
    <message>
        <source>Enable IPTC presets</source>
        <translation>IPTC プリセットを有効にする</translation>
    </message>
    <message>
        <source>Active preset</source>
        <translation>使用するプリセット</translation>
    </message>
    <message>
        <source>Each preset can contain multiple IPTC keywords separated by commas. Switch presets to quickly change which keywords are injected before uploading.</source>
        <translation>各プリセットには、カンマで区切った複数の IPTC キーワードを入れられます。プリセットを切り替えると、アップロード前に埋め込むキーワードをすばやく変更できます。</translation>
    </message>
    <message>
        <source>New preset</source>
        <translation>新しいプリセット</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Preset name</source>
        <translation>プリセット名</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>キーワード</translation>
    </message>
    <message>
        <source>Remove preset</source>
        <translation>プリセットを削除</translation>
    </message>
    <message>
        <source>Export IPTC Presets</source>
        <translation>IPTC プリセットをエクスポート</translation>
    </message>
    <message>
        <source>The presets could not be written to %1: %2. Choose a folder you can write to.</source>
        <translation>プリセットを %1 に書き込めませんでした: %2。書き込めるフォルダーを選んでください。</translation>
    </message>
    <message>
        <source>Import IPTC Presets</source>
        <translation>IPTC プリセットをインポート</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>%1 を読み込めませんでした: %2。</translation>
    </message>
    <message>
        <source>%1 is not an IPTC presets file, so nothing was imported. %2</source>
        <translation>%1 は IPTC プリセットファイルではないため、何もインポートしませんでした。%2</translation>
    </message>
</context>
<context>
    <name>ondrix::LocalFolderSection</name>
    <message>
        <source>Local Folder</source>
        <translation>ローカルフォルダー</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>選択…</translation>
    </message>
    <message>
        <source>Choose local folder</source>
        <translation>ローカルフォルダーを選択</translation>
    </message>
    <message>
        <source>Monitor subfolders recursively</source>
        <translation>サブフォルダーを再帰的に監視</translation>
    </message>
    <message>
        <source>Select the folder to watch for new files</source>
        <translation>新しいファイルを監視するフォルダーを選択</translation>
    </message>
</context>
<context>
    <name>ondrix::LogView</name>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>すべてコピー</translation>
    </message>
    <message>
        <source>No log entries yet.</source>
        <translation>ログはまだありません。</translation>
    </message>
    <message>
        <source>Sync Log</source>
        <translation>同期ログ</translation>
    </message>
    <message>
        <source>Clear the log</source>
        <translation>ログを消去</translation>
    </message>
    <message>
        <source>Copy the whole log</source>
        <translation>ログ全体をコピー</translation>
    </message>
    <message>
        <source>Log entries</source>
        <translation>ログの項目</translation>
    </message>
</context>
<context>
    <name>ondrix::LogindPowerMonitor</name>
    <message>
        <source>Pausing uploads before the system sleeps</source>
        <translation>システムのスリープ前にアップロードを一時停止しています</translation>
    </message>
</context>
<context>
    <name>ondrix::MenuBarView</name>
    <message>
        <source>Ondrix</source>
        <translation>Ondrix</translation>
    </message>
    <message>
        <source>Scroll the overview</source>
        <translation>概要をスクロール</translation>
    </message>
    <message>
        <source>Scroll the overview sideways</source>
        <translation>概要を横にスクロール</translation>
    </message>
</context>
<context>
    <name>ondrix::MetricsFile</name>
    <message>
        <source>The metrics file %1 cannot be written: %2</source>
        <translation>メトリクスファイル %1 に書き込めません: %2</translation>
    </message>
</context>
<context>
    <name>ondrix::NamePromptBar</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ondrix::NotificationService</name>
    <message>
        <source>Ondrix: 1 file uploaded</source>
        <translation>Ondrix: 1 件のファイルをアップロードしました</translation>
    </message>
    <message>
        <source>...and %1 more</source>
        <translation>…ほか %1 件</translation>
    </message>
    <message>
        <source>Ondrix: Upload failed</source>
        <translation>Ondrix: アップロードに失敗しました</translation>
    </message>
    <message numerus="yes">
        <source>Ondrix: %n files uploaded</source>
        <translation>
            <numerusform>Ondrix: %n 件のファイルをアップロードしました</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ondrix::NotificationsSettingsTab</name>
    <message>
        <source>Scroll the notification settings</source>
        <translation>通知設定をスクロール</translation>
    </message>
    <message>
        <source>Scroll the notification settings sideways</source>
        <translation>通知設定を横にスクロール</translation>
    </message>
    <message>
        <source>Upload Notifications</source>
        <translation>アップロードの通知</translation>
    </message>
    <message>
        <source>Notify when uploads complete</source>
        <translation>アップロード完了時に通知</translation>
    </message>
    <message>
        <source>Group notifications (summary instead of file list)</source>
        <translation>通知をまとめる (ファイル一覧の代わりに要約)</translation>
    </message>
    <message>
        <source>Error Notifications</source>
        <translation>エラーの通知</translation>
    </message>
    <message>
        <source>Notify on connection errors</source>
        <translation>接続エラーを通知</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>サウンド</translation>
    </message>
    <message>
        <source>Play sound on upload</source>
        <translation>アップロード時にサウンドを再生</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>試聴</translation>
    </message>
    <message>
        <source>Preview the sound</source>
        <translation>サウンドを試聴</translation>
    </message>
    <message>
        <source>Schedule Notifications</source>
        <translation>スケジュールの通知</translation>
    </message>
    <message>
        <source>Notify when connections pause/resume by schedule</source>
        <translation>スケジュールにより接続が一時停止・再開したときに通知</translation>
    </message>
    <message numerus="yes">
        <source>Only if %n or more files</source>
        <translation>
            <numerusform>%n 件以上のファイルの場合のみ</numerusform>
        </translation>
    </message>
    <message>
        <source>After 1 failure</source>
        <translation>1 回失敗した後</translation>
    </message>
    <message numerus="yes">
        <source>After %n consecutive failures</source>
        <translation>
            <numerusform>%n 回連続で失敗した後</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ondrix::PauseReasons</name>
    <message>
        <source>by you</source>
        <translation>ユーザーによる</translation>
    </message>
    <message>
        <source>the computer sleeps</source>
        <translation>コンピュータのスリープ中</translation>
    </message>
    <message>
        <source>no network</source>
        <translation>ネットワークなし</translation>
    </message>
    <message>
        <source>metered network</source>
        <translation>従量制ネットワーク</translation>
    </message>
    <message>
        <source>low disk space</source>
        <translation>ディスクの空き容量不足</translation>
    </message>
    <message>
        <source>outside the scheduled hours</source>
        <translation>スケジュール時間外</translation>
    </message>
    <message>
        <source>Paused (%1)</source>
        <extracomment>The reasons are joined by commas, such as &quot;by you, no network&quot;.</extracomment>
        <translation>一時停止中（%1）</translation>
    </message>
</context>
<context>
    <name>ondrix::PopoverControls</name>
    <message>
        <source>Upload Now</source>
        <translation>今すぐアップロード</translation>
    </message>
    <message>
        <source>Rescan every running connection now and retry failed files at once</source>
        <translation>実行中のすべての接続を今すぐ再スキャンし、失敗したファイルをすぐに再試行します</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>消音</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>消音解除</translation>
    </message>
</context>
<context>
    <name>ondrix::PopoverFooter</name>
    <message>
        <source>History...</source>
        <translation>履歴…</translation>
    </message>
    <message>
        <source>Log...</source>
        <translation>ログ…</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>設定…</translation>
    </message>
    <message>
        <source>Check for Updates...</source>
        <translation>アップデートを確認…</translation>
    </message>
    <message>
        <source>About Ondrix</source>
        <translation>Ondrix について</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
</context>
<context>
    <name>ondrix::PopoverHeader</name>
    <message>
        <source>Ondrix</source>
        <translation>Ondrix</translation>
    </message>
</context>
<context>
    <name>ondrix::PopoverSummary</name>
    <message>
        <source>STATISTICS</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今日</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>累計</translation>
    </message>
    <message>
        <source>Last activity: </source>
        <translation>最後のアクティビティ: </translation>
    </message>
</context>
<context>
    <name>ondrix::PopoverWindow</name>
    <message>
        <source>Ondrix</source>
        <translation>Ondrix</translation>
    </message>
</context>
<context>
    <name>ondrix::PostUploadSection</name>
    <message>
        <source>Post-Upload Action</source>
        <translation>アップロード後の処理</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>処理</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Move to archive folder</source>
        <translation>アーカイブフォルダーへ移動</translation>
    </message>
    <message>
        <source>Run script</source>
        <translation>スクリプトを実行</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>選択…</translation>
    </message>
    <message>
        <source>Choose archive folder or script</source>
        <translation>アーカイブフォルダーまたはスクリプトを選択</translation>
    </message>
    <message>
        <source>Choose the archive folder</source>
        <translation>アーカイブフォルダーを選択</translation>
    </message>
    <message>
        <source>Choose the script to run</source>
        <translation>実行するスクリプトを選択</translation>
    </message>
</context>
<context>
    <name>ondrix::RecentUploadsList</name>
    <message>
        <source>RECENT</source>
        <translation>最近</translation>
    </message>
    <message>
        <source>No recent uploads</source>
        <translation>最近のアップロードはありません</translation>
    </message>
</context>
<context>
    <name>ondrix::RemoteControlService</name>
    <message>
        <source>no session bus</source>
        <translation>セッションバスがありません</translation>
    </message>
    <message>
        <source>another instance owns %1</source>
        <translation>別のインスタンスが %1 を使用しています</translation>
    </message>
    <message>
        <source>The running Ondrix has no windows (it runs headless); %1 does nothing.</source>
        <translation>実行中の Ondrix にはウィンドウがありません (ヘッドレスで実行中)。%1 は何もしません。</translation>
    </message>
</context>
<context>
    <name>ondrix::RemoteFolderPickerView</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Select This Folder</source>
        <translation>このフォルダーを選択</translation>
    </message>
    <message>
        <source>Choose Remote Folder</source>
        <translation>リモートフォルダーを選択</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Enclosing folder</source>
        <translation>上のフォルダー</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>読み込み中…</translation>
    </message>
    <message>
        <source>No subfolders</source>
        <translation>サブフォルダーはありません</translation>
    </message>
    <message>
        <source>This folder cannot be shown</source>
        <translation>このフォルダーを表示できません</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>The server lists a folder named “%1”, which cannot be opened safely.</source>
        <translation>サーバーに「%1」というフォルダーがありますが、安全に開けません。</translation>
    </message>
</context>
<context>
    <name>ondrix::RemoteFolderSection</name>
    <message>
        <source>Remote Folder</source>
        <translation>リモートフォルダー</translation>
    </message>
    <message>
        <source>Remote path</source>
        <translation>リモートパス</translation>
    </message>
    <message>
        <source>/uploads/photos</source>
        <translation>/uploads/photos</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>参照…</translation>
    </message>
    <message>
        <source>Browse remote folders</source>
        <translation>リモートフォルダーを参照</translation>
    </message>
    <message>
        <source>Preserve subfolder structure on server</source>
        <translation>サーバー上でサブフォルダー構成を保持</translation>
    </message>
</context>
<context>
    <name>ondrix::RemoteItemModel</name>
    <message>
        <source>%1 — the server sent a name that cannot be used safely</source>
        <translation>%1 — サーバーから安全に使えない名前が送られてきました</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>更新日時</translation>
    </message>
    <message>
        <source> (tag: %1)</source>
        <translation>（タグ: %1）</translation>
    </message>
</context>
<context>
    <name>ondrix::RemotePathBar</name>
    <message>
        <source>Go to %1</source>
        <translation>%1 へ移動</translation>
    </message>
</context>
<context>
    <name>ondrix::ScheduleSection</name>
    <message>
        <source>Schedule</source>
        <translation>スケジュール</translation>
    </message>
    <message>
        <source>Upload only during scheduled hours</source>
        <translation>スケジュールした時間帯だけアップロード</translation>
    </message>
    <message>
        <source>One hour earlier: %1</source>
        <translation>1 時間早く: %1</translation>
    </message>
    <message>
        <source>One hour later: %1</source>
        <translation>1 時間遅く: %1</translation>
    </message>
    <message>
        <source>start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>end</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>時間帯</translation>
    </message>
    <message>
        <source>From</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>to</source>
        <translation>〜</translation>
    </message>
</context>
<context>
    <name>ondrix::ScheduleSupervisor</name>
    <message>
        <source>Paused: outside its scheduled hours (%1)</source>
        <translation>一時停止: スケジュールの時間帯外です (%1)</translation>
    </message>
    <message>
        <source>Resumed: within its scheduled hours (%1)</source>
        <translation>再開: スケジュールの時間帯内です (%1)</translation>
    </message>
    <message>
        <source>Ondrix: %1 paused</source>
        <translation>Ondrix: %1 を一時停止しました</translation>
    </message>
    <message>
        <source>Ondrix: %1 resumed</source>
        <translation>Ondrix: %1 を再開しました</translation>
    </message>
</context>
<context>
    <name>ondrix::SettingsView</name>
    <message>
        <source>Settings sections</source>
        <translation>設定のセクション</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>通知</translation>
    </message>
    <message>
        <source>Connections</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>ブラウザー</translation>
    </message>
</context>
<context>
    <name>ondrix::StatsService</name>
    <message>
        <source>1 file (%1)</source>
        <translation>1 ファイル (%1)</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>たった今</translation>
    </message>
    <message>
        <source>%1s ago</source>
        <translation>%1 秒前</translation>
    </message>
    <message>
        <source>%1 min ago</source>
        <translation>%1 分前</translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation>%1 時間前</translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation>%1 日前</translation>
    </message>
    <message>
        <source>%1 B</source>
        <translation>%1 B</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message numerus="yes">
        <source>%n files (%1)</source>
        <translation>
            <numerusform>%n ファイル (%1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ondrix::StatusIconController</name>
    <message>
        <source>Ondrix</source>
        <translation>Ondrix</translation>
    </message>
    <message>
        <source>Ondrix — paused</source>
        <translation>Ondrix — 一時停止中</translation>
    </message>
    <message>
        <source>Ondrix — uploading</source>
        <translation>Ondrix — アップロード中</translation>
    </message>
    <message>
        <source>Ondrix — checking new files</source>
        <translation>Ondrix — 新しいファイルを確認中</translation>
    </message>
    <message>
        <source>Ondrix — error: %1</source>
        <translation>Ondrix — エラー: %1</translation>
    </message>
    <message>
        <source>Ondrix — watching folders</source>
        <translation>Ondrix — フォルダーを監視中</translation>
    </message>
</context>
<context>
    <name>ondrix::TagsSection</name>
    <message>
        <source>File Manager Tags</source>
        <translation>ファイルマネージャーのタグ</translation>
    </message>
    <message>
        <source>Tag files by upload status</source>
        <translation>アップロード状態でファイルにタグを付ける</translation>
    </message>
    <message>
        <source>Files in the watched folder will be tagged in the file manager:</source>
        <translation>監視フォルダー内のファイルにファイルマネージャーでタグを付けます:</translation>
    </message>
    <message>
        <source>Pending</source>
        <translation>保留中</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>アップロード中</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
</context>
<context>
    <name>ondrix::TransferSection</name>
    <message>
        <source>Sync &amp;&amp; Transfer</source>
        <translation>同期と転送</translation>
    </message>
    <message>
        <source>Stability check</source>
        <translation>安定性チェック</translation>
    </message>
    <message>
        <source>Wait this long after the last file write before uploading.</source>
        <translation>ファイルへの最後の書き込みからこの時間だけ待ってからアップロードします。</translation>
    </message>
    <message>
        <source>Simultaneous uploads</source>
        <translation>同時アップロード数</translation>
    </message>
    <message>
        <source>Delete local file after successful upload</source>
        <translation>アップロード成功後にローカルファイルを削除</translation>
    </message>
    <message>
        <source>Conflict resolution</source>
        <translation>競合の解決</translation>
    </message>
    <message>
        <source>Upload under a temporary name, then rename</source>
        <translation>一時的な名前でアップロードしてから名前を変更</translation>
    </message>
    <message>
        <source>The file arrives as a hidden name in the target folder and gets its real name once complete, so nothing watching the server sees half a file.</source>
        <translation>ファイルは転送先フォルダーに隠し名で届き、完了してから本来の名前になります。サーバーを監視するものが途中のファイルを目にすることはありません。</translation>
    </message>
    <message>
        <source>%1s</source>
        <translation>%1 秒</translation>
    </message>
</context>
<context>
    <name>ondrix::UpdateChecker</name>
    <message>
        <source>the answer holds no version</source>
        <translation>応答にバージョンが含まれていません</translation>
    </message>
    <message>
        <source>Could not check for updates</source>
        <translation>アップデートを確認できませんでした</translation>
    </message>
    <message>
        <source>%1. Check the internet connection and try again later.</source>
        <translation>%1。インターネット接続を確認して、後でもう一度お試しください。</translation>
    </message>
    <message>
        <source>Download: %1</source>
        <translation>ダウンロード: %1</translation>
    </message>
    <message>
        <source>Ondrix %1 is available</source>
        <translation>Ondrix %1 が利用可能です</translation>
    </message>
    <message>
        <source>Ondrix is up to date</source>
        <translation>Ondrix は最新です</translation>
    </message>
    <message>
        <source>Version %1 is the newest.</source>
        <translation>バージョン %1 が最新です。</translation>
    </message>
    <message>
        <source>the answer is larger than a feed can be</source>
        <translation>応答がフィードとしてありえない大きさです</translation>
    </message>
</context>
</TS>
