<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Software License Agreement</source>
        <translation>ソフトウェア使用許諾契約</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>the vault folder %1 does not exist.</source>
        <translation>保管庫フォルダー %1 が存在しません。</translation>
    </message>
    <message>
        <source>the backup location lies inside the vault folder.</source>
        <translation>バックアップの保存先が保管庫フォルダーの中にあります。</translation>
    </message>
    <message>
        <source>no random bytes could be had for the backup&apos;s key check.</source>
        <translation>バックアップのキー検証用の乱数バイトを取得できませんでした。</translation>
    </message>
    <message>
        <source>the vault key could not be protected for the backup&apos;s key check.</source>
        <translation>バックアップのキー検証用に保管庫のキーを保護できませんでした。</translation>
    </message>
    <message>
        <source>the earlier key check %1 could not be removed.</source>
        <translation>以前のキー検証 %1 を削除できませんでした。</translation>
    </message>
    <message>
        <source>the key check %1 could not be written: %2</source>
        <translation>キー検証 %1 を書き込めませんでした: %2</translation>
    </message>
    <message>
        <source>the copied files could not be written to the disk: %1</source>
        <translation>コピーしたファイルをディスクに書き込めませんでした: %1</translation>
    </message>
    <message>
        <source>the backup folder %1 does not exist.</source>
        <translation>バックアップフォルダー %1 が存在しません。</translation>
    </message>
    <message>
        <source>the folder %1 does not exist.</source>
        <translation>フォルダー %1 が存在しません。</translation>
    </message>
    <message>
        <source>the folder %1 could not be read.</source>
        <translation>フォルダー %1 を読み取れませんでした。</translation>
    </message>
    <message>
        <source>the folder %1 could not be made.</source>
        <translation>フォルダー %1 を作成できませんでした。</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 を読み取れませんでした: %2</translation>
    </message>
    <message>
        <source>%1 could not be written: it is a symbolic link.</source>
        <translation>%1 に書き込めませんでした: シンボリックリンクです。</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 に書き込めませんでした: %2</translation>
    </message>
    <message>
        <source>%1 could not be read to its end.</source>
        <translation>%1 を最後まで読み取れませんでした。</translation>
    </message>
    <message>
        <source>%1 could not be written whole.</source>
        <translation>%1 を完全に書き込めませんでした。</translation>
    </message>
</context>
<context>
    <name>ChangePasswordDialog</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Enter your new password:</source>
        <translation>新しいパスワードを入力してください:</translation>
    </message>
    <message>
        <source>Enter your current password:</source>
        <translation>現在のパスワードを入力してください:</translation>
    </message>
    <message>
        <source>Confirm your new password:</source>
        <translation>新しいパスワードを確認してください:</translation>
    </message>
    <message>
        <source>Password Strength:</source>
        <translation>パスワードの強度:</translation>
    </message>
    <message>
        <source>Virtual keyboard</source>
        <translation>仮想キーボード</translation>
    </message>
    <message>
        <source>Use more than 6 characters</source>
        <translation>6 文字より長くする</translation>
    </message>
    <message>
        <source>Use numeric and alpha numeric characters</source>
        <translation>数字と英字を組み合わせる</translation>
    </message>
    <message>
        <source>Use upper- and lower case characters</source>
        <translation>大文字と小文字を使う</translation>
    </message>
    <message>
        <source>Use special characters (#, $, !, %, &amp;&amp;, ^, *)</source>
        <translation>特殊文字を使う (#, $, !, %, &amp;&amp;, ^, *)</translation>
    </message>
    <message>
        <source>Password Hint: (optional)</source>
        <translation>パスワードのヒント: (任意)</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:13pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;You can type a password hint here, to help you remember your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;Try to pick a word or phrase that is clear enough to remind you, but vague&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;enough that nobody can guess your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(For example, the password &amp;quot;R0sebud#1941&amp;quot; with the hint &amp;quot;sled&amp;quot;.)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:13pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;パスワードを思い出すためのヒントをここに入力できます。&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;自分には思い出すきっかけになり、しかも曖昧で&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;誰にもパスワードを推測されない単語や語句を選んでください。&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(例: パスワード &amp;quot;R0sebud#1941&amp;quot; に対してヒント &amp;quot;sled&amp;quot;)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Password Recommendations:</source>
        <translation>パスワードの推奨事項:</translation>
    </message>
</context>
<context>
    <name>ConfirmFileDeleteDialog</name>
    <message>
        <source>Are you sure you want to delete the file?</source>
        <translation>このファイルを削除してもよろしいですか?</translation>
    </message>
    <message>
        <source>Don’t ask this question again.</source>
        <translation>今後この確認を表示しない。</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
</context>
<context>
    <name>FileUtils</name>
    <message>
        <source>0 KB</source>
        <translation>0 KB</translation>
    </message>
    <message>
        <source>1 KB</source>
        <translation>1 KB</translation>
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
</context>
<context>
    <name>HttpHelper</name>
    <message>
        <source>The connection to the remote server is timed out</source>
        <translation>リモートサーバーとの接続がタイムアウトしました</translation>
    </message>
    <message>
        <source>The answer of the server is larger than %1 KiB</source>
        <translation>サーバーの応答が %1 KiB を超えています</translation>
    </message>
</context>
<context>
    <name>KVVaveCreatePasswordDialog</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Create your password:</source>
        <translation>パスワードを作成してください:</translation>
    </message>
    <message>
        <source>Confirm your password:</source>
        <translation>パスワードを確認してください:</translation>
    </message>
    <message>
        <source>Password Strength:</source>
        <translation>パスワードの強度:</translation>
    </message>
    <message>
        <source>Virtual keyboard</source>
        <translation>仮想キーボード</translation>
    </message>
    <message>
        <source>Use more than 6 characters</source>
        <translation>6 文字より長くする</translation>
    </message>
    <message>
        <source>Use numeric and alpha numeric characters</source>
        <translation>数字と英字を組み合わせる</translation>
    </message>
    <message>
        <source>Use upper- and lower case characters</source>
        <translation>大文字と小文字を使う</translation>
    </message>
    <message>
        <source>Use special characters (#, $, !, %, &amp;&amp;, ^, *)</source>
        <translation>特殊文字を使う (#, $, !, %, &amp;&amp;, ^, *)</translation>
    </message>
    <message>
        <source>Create Password</source>
        <translation>パスワードの作成</translation>
    </message>
    <message>
        <source>Password Hint: (optional)</source>
        <translation>パスワードのヒント: (任意)</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:10pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;You can type a password hint here, to help you remember your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;Try to pick a word or phrase that is clear enough to remind you, but vague&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;enough that nobody can guess your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(For example, the password &amp;quot;R0sebud#1941&amp;quot; with the hint &amp;quot;sled&amp;quot;.)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:10pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;パスワードを思い出すためのヒントをここに入力できます。&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;自分には思い出すきっかけになり、しかも曖昧で&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;誰にもパスワードを推測されない単語や語句を選んでください。&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(例: パスワード &amp;quot;R0sebud#1941&amp;quot; に対してヒント &amp;quot;sled&amp;quot;)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Password Recommendations:</source>
        <translation>パスワードの推奨事項:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source> - Select Files to Encrypt</source>
        <translation> - 暗号化するファイルの選択</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>暗号化</translation>
    </message>
    <message>
        <source>Cannot add files here.</source>
        <translation>ここにはファイルを追加できません。</translation>
    </message>
    <message>
        <source>These items could not be found and were not added:
%1</source>
        <translation>次の項目は見つからなかったため追加されませんでした:
%1</translation>
    </message>
    <message>
        <source>Would you like to completely remove the original file(s) from your computer?</source>
        <translation>元のファイルをコンピューターから完全に削除しますか?</translation>
    </message>
    <message>
        <source>You are about to securely wipe the original file(s) from your computer. You will not be able to recover these file(s) once they have been removed. Do you wish to continue?</source>
        <translation>元のファイルをコンピューターから安全に消去しようとしています。削除したファイルは復元できません。続行しますか?</translation>
    </message>
    <message>
        <source>The vault %1 could not be saved, so the files just added are not kept in it. The original files have not been removed.</source>
        <translation>保管庫 %1 を保存できなかったため、追加したファイルは保管庫に保持されていません。元のファイルは削除されていません。</translation>
    </message>
    <message>
        <source>The files added to the vault %1 could not be written safely to its disk. The original files have not been removed.</source>
        <translation>保管庫 %1 に追加したファイルをディスクに安全に書き込めませんでした。元のファイルは削除されていません。</translation>
    </message>
    <message>
        <source>can not remove</source>
        <translation>削除できません</translation>
    </message>
    <message>
        <source>This file is read-only or locked by another application.

Press &apos;Try Again&apos; to try to remove it, &apos;Ignore&apos; to continue or &apos;Cancel&apos; to stop removing files.</source>
        <translation>このファイルは読み取り専用か、別のアプリケーションによってロックされています。

削除を再試行するには [再試行]、続行するには [無視]、ファイルの削除を中止するには [キャンセル] を押してください。</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>無視</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source> is neither a directory nor a file. %1 encrypts a directory or a file only. Please try again.</source>
        <translation> はフォルダーでもファイルでもありません。%1 が暗号化できるのはフォルダーまたはファイルだけです。もう一度やり直してください。</translation>
    </message>
    <message>
        <source>The folder %1 was not added: a file of the same name is already there.</source>
        <translation>フォルダー %1 は追加されませんでした: 同じ名前のファイルが既にあります。</translation>
    </message>
    <message>
        <source>The folder %1 could not be added: %2</source>
        <translation>フォルダー %1 を追加できませんでした: %2</translation>
    </message>
    <message>
        <source>%1 was not added: it is not a file that can be read.</source>
        <translation>%1 は追加されませんでした: 読み取り可能なファイルではありません。</translation>
    </message>
    <message>
        <source>The application can not add more files because the vault&apos;s disk is full.</source>
        <translation>保管庫のディスクがいっぱいのため、これ以上ファイルを追加できません。</translation>
    </message>
    <message>
        <source>It is not possible to encrypt the selected file. This may be due to a restriction of the USB flash drive file system or the drive is full.</source>
        <translation>選択したファイルを暗号化できません。USB フラッシュドライブのファイルシステムの制限、またはドライブの容量不足が原因の可能性があります。</translation>
    </message>
    <message>
        <source>The file %1 was not added: a folder of the same name is already there.</source>
        <translation>ファイル %1 は追加されませんでした: 同じ名前のフォルダーが既にあります。</translation>
    </message>
    <message>
        <source>%1 already contains a file name &apos;</source>
        <translation>%1 には既に &apos;</translation>
    </message>
    <message>
        <source>&apos;. Would you like to replace the existing file?</source>
        <translation>&apos; という名前のファイルがあります。既存のファイルを置き換えますか?</translation>
    </message>
    <message>
        <source>The copy operation was cancelled by the user</source>
        <translation>コピー操作はユーザーによってキャンセルされました</translation>
    </message>
    <message>
        <source>%1 could not be added: %2</source>
        <translation>%1 を追加できませんでした: %2</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>不明なエラー</translation>
    </message>
    <message>
        <source>%1 could not be encrypted into the vault: %2</source>
        <translation>%1 を保管庫に暗号化できませんでした: %2</translation>
    </message>
    <message>
        <source>The selected items lie in more than one vault. Please select the one vault to back up.</source>
        <translation>選択した項目が複数の保管庫にまたがっています。バックアップする保管庫を 1 つだけ選択してください。</translation>
    </message>
    <message>
        <source>Please select the vault to back up.</source>
        <translation>バックアップする保管庫を選択してください。</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>バックアップしています...</translation>
    </message>
    <message>
        <source>You don&apos;t have any backup file in backup location</source>
        <translation>バックアップの保存先にバックアップファイルがありません</translation>
    </message>
    <message>
        <source>The list of vaults could not be saved to %1.</source>
        <translation>保管庫の一覧を %1 に保存できませんでした。</translation>
    </message>
    <message>
        <source>%1 cannot continue because the USB drive used has been removed. Click OK to exit %1</source>
        <translation>使用中の USB ドライブが取り外されたため、%1 を続行できません。[OK] をクリックして %1 を終了してください</translation>
    </message>
    <message>
        <source>Please choose a folder to extract the file(s) to:</source>
        <translation>ファイルの取り出し先フォルダーを選択してください:</translation>
    </message>
    <message>
        <source>Selected files are extracted to: [%1]</source>
        <translation>選択したファイルの取り出し先: [%1]</translation>
    </message>
    <message>
        <source>The filename %1 contains characters that are not allowed on all platforms and cannot be copied.</source>
        <translation>ファイル名 %1 には一部のプラットフォームで使用できない文字が含まれているため、コピーできません。</translation>
    </message>
    <message>
        <source>The folder already contains a file name &apos;%1&apos;. Would you like to replace the existing file?</source>
        <translation>このフォルダーには既に &apos;%1&apos; という名前のファイルがあります。既存のファイルを置き換えますか?</translation>
    </message>
    <message>
        <source>The file %1 could not be written.
Error: %2</source>
        <translation>ファイル %1 を書き込めませんでした。
エラー: %2</translation>
    </message>
    <message>
        <source>The %1 can not create a directory on your path.</source>
        <translation>%1 は指定のパスにフォルダーを作成できません。</translation>
    </message>
    <message>
        <source>This file is already open or being used. The error is: %1</source>
        <translation>このファイルは既に開かれているか使用中です。エラー: %1</translation>
    </message>
    <message>
        <source>There is no default application specified to open the document [%1]</source>
        <translation>ドキュメント [%1] を開く既定のアプリケーションが指定されていません</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>%1 を起動できませんでした。</translation>
    </message>
    <message>
        <source>This vault could not be loaded, it may be located on another computer or the original vault file has been manually removed.</source>
        <translation>この保管庫を読み込めませんでした。別のコンピューター上にあるか、元の保管庫ファイルが手動で削除された可能性があります。</translation>
    </message>
    <message>
        <source>This vault could not be loaded, it may be located on another computer or the original vault file has been manually removed. The error is: %1</source>
        <translation>この保管庫を読み込めませんでした。別のコンピューター上にあるか、元の保管庫ファイルが手動で削除された可能性があります。エラー: %1</translation>
    </message>
    <message>
        <source>Please make sure that your flash drive is formatted and that it is not write-protected.</source>
        <translation>フラッシュドライブがフォーマットされていて、書き込み禁止になっていないことを確認してください。</translation>
    </message>
    <message>
        <source>Unable to write vault structure. This program cannot continue.</source>
        <translation>保管庫の構造を書き込めません。このプログラムを続行できません。</translation>
    </message>
    <message>
        <source>A vault already exists on the flash drive. Do you want to use that vault?</source>
        <translation>フラッシュドライブに既に保管庫があります。その保管庫を使用しますか?</translation>
    </message>
    <message>
        <source>Please enter a new password to decrypt the key:</source>
        <translation>キーを復号するための新しいパスワードを入力してください:</translation>
    </message>
    <message>
        <source>Enter your password to unlock the vault:</source>
        <translation>保管庫のロックを解除するパスワードを入力してください:</translation>
    </message>
    <message>
        <source>That is not the correct password for this vault. Do you want to try again?</source>
        <translation>この保管庫のパスワードが正しくありません。もう一度やり直しますか?</translation>
    </message>
    <message>
        <source>%1 cannot continue as there is already a vault on the flash drive. Please remove it and try again.</source>
        <translation>フラッシュドライブに既に保管庫があるため、%1 を続行できません。保管庫を削除してからやり直してください。</translation>
    </message>
    <message>
        <source>The file %1 is damaged and could not be read. This is not caused by your password.</source>
        <translation>ファイル %1 は破損しているため読み取れませんでした。パスワードが原因ではありません。</translation>
    </message>
    <message>
        <source>Your password is not correct. Please try again.</source>
        <translation>パスワードが正しくありません。もう一度やり直してください。</translation>
    </message>
    <message>
        <source>You have exceeded the maximum (10) login attempts. You must wait 1 minute before trying to login again.</source>
        <translation>ログインの最大試行回数 (10 回) を超えました。1 分待ってから再度ログインしてください。</translation>
    </message>
    <message>
        <source> - Virtual Keyboard</source>
        <translation> - 仮想キーボード</translation>
    </message>
    <message>
        <source>The vault on your Flash Drive is missing, do you want to create a new one?</source>
        <translation>フラッシュドライブの保管庫が見つかりません。新しい保管庫を作成しますか?</translation>
    </message>
    <message>
        <source>These opened files hold changes that could not be put into their vault (its folder was not found or could not be written), so they were kept unencrypted on the disk:
%1

Their changes are put into the vault as soon as it can be reached again.</source>
        <translation>次の開いているファイルの変更は保管庫に反映できなかったため (フォルダーが見つからないか書き込めませんでした)、暗号化されないままディスクに残されています:
%1

保管庫に再びアクセスできるようになり次第、変更は保管庫に反映されます。</translation>
    </message>
    <message>
        <source>These files hold changes that are not in their vault yet:
%1

If you quit now, the changes stay only in these unencrypted copies. Quit anyway?</source>
        <translation>次のファイルには、まだ保管庫に反映されていない変更があります:
%1

今終了すると、変更はこれらの暗号化されていないコピーにしか残りません。終了しますか?</translation>
    </message>
    <message>
        <source>Your %1 password has reached it&apos;s timeout date. It is recommended that you change your password often to ensure the highest level of security. Would you like to change it now?</source>
        <translation>%1 のパスワードの有効期限が来ました。最高レベルのセキュリティを保つため、パスワードは頻繁に変更することをお勧めします。今すぐ変更しますか?</translation>
    </message>
    <message>
        <source>, Vault Protection: %1</source>
        <translation>、保管庫の保護: %1</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source> (%1% used)</source>
        <translation> (%1% 使用)</translation>
    </message>
    <message>
        <source> (%1 items)</source>
        <translation> (%1 個の項目)</translation>
    </message>
    <message>
        <source>No drive to work on was found: %1</source>
        <translation>作業できるドライブが見つかりませんでした: %1</translation>
    </message>
    <message>
        <source>Please choose a folder to synchronise this folder with:</source>
        <translation>このフォルダーと同期するフォルダーを選択してください:</translation>
    </message>
    <message>
        <source>Checking for updates... please wait</source>
        <translation>更新を確認しています... お待ちください</translation>
    </message>
    <message>
        <source> - New Version Available</source>
        <translation> - 新しいバージョンがあります</translation>
    </message>
    <message>
        <source>Updates are not available: this copy of %1 has no update server to ask.</source>
        <translation>更新は利用できません: この %1 には問い合わせ先の更新サーバーがありません。</translation>
    </message>
    <message>
        <source> - Update Configuration</source>
        <translation> - 更新の設定</translation>
    </message>
    <message>
        <source>Downloading the update...              </source>
        <translation>更新をダウンロードしています...              </translation>
    </message>
    <message>
        <source>Unable to save the file %1: %2.</source>
        <translation>ファイル %1 を保存できません: %2。</translation>
    </message>
    <message>
        <source>The update could not be installed.</source>
        <translation>更新をインストールできませんでした。</translation>
    </message>
    <message>
        <source>Download failed: %1.</source>
        <translation>ダウンロードに失敗しました: %1。</translation>
    </message>
    <message>
        <source>The application will now restart.</source>
        <translation>アプリケーションを再起動します。</translation>
    </message>
    <message>
        <source>Please select a location for the new vault:</source>
        <translation>新しい保管庫の場所を選択してください:</translation>
    </message>
    <message>
        <source>The selected folder already contains a vault. Use Add Existing Vault to connect it.</source>
        <translation>選択したフォルダーには既に保管庫があります。接続するには [既存の保管庫を追加] を使用してください。</translation>
    </message>
    <message>
        <source>The filename %1 contains characters that are not allowed on all platforms.</source>
        <translation>ファイル名 %1 には一部のプラットフォームで使用できない文字が含まれています。</translation>
    </message>
    <message>
        <source>A Vault with the name you specified already exists. Specify a different vault name and try again.</source>
        <translation>指定した名前の保管庫は既に存在します。別の保管庫名を指定してやり直してください。</translation>
    </message>
    <message>
        <source>Do you really want to remove the selected vault?</source>
        <translation>選択した保管庫を削除してもよろしいですか?</translation>
    </message>
    <message>
        <source>The selected item is not a vault.</source>
        <translation>選択した項目は保管庫ではありません。</translation>
    </message>
    <message>
        <source>Please choose the folder of your existing vault(s):</source>
        <translation>既存の保管庫があるフォルダーを選択してください:</translation>
    </message>
    <message>
        <source>The selected folder does not contain a vault.</source>
        <translation>選択したフォルダーに保管庫がありません。</translation>
    </message>
    <message>
        <source>A vault with the same name already exists.
Please enter a new name</source>
        <translation>同じ名前の保管庫が既に存在します。
新しい名前を入力してください</translation>
    </message>
    <message>
        <source>Please try again and enter a password</source>
        <translation>パスワードを入力してやり直してください</translation>
    </message>
    <message>
        <source>The password is not correct for this vault.</source>
        <translation>この保管庫のパスワードが正しくありません。</translation>
    </message>
    <message>
        <source>Unable to add this Vault. A Vault with the same name already exists. The error is: %1</source>
        <translation>この保管庫を追加できません。同じ名前の保管庫が既に存在します。エラー: %1</translation>
    </message>
    <message>
        <source>You have choosen to delete the vault titled [%1]. All files within this vault will also be deleted. Do you wish to continue?</source>
        <translation>保管庫 [%1] を削除しようとしています。この保管庫内のすべてのファイルも削除されます。続行しますか?</translation>
    </message>
    <message>
        <source>Do you really want to delete the selected item(s)?</source>
        <translation>選択した項目を削除してもよろしいですか?</translation>
    </message>
    <message>
        <source>Please enter a name for your new folder:                    </source>
        <translation>新しいフォルダーの名前を入力してください:                    </translation>
    </message>
    <message>
        <source>Failed to create the &apos;%1&apos; directory</source>
        <translation>フォルダー &apos;%1&apos; を作成できませんでした</translation>
    </message>
    <message>
        <source>You cannot create a folder here.</source>
        <translation>ここにはフォルダーを作成できません。</translation>
    </message>
    <message>
        <source>A folder with the name you specified already exists. Specify a different folder name and try again.</source>
        <translation>指定した名前のフォルダーは既に存在します。別のフォルダー名を指定してやり直してください。</translation>
    </message>
    <message>
        <source>Do you really want to remove the selected folder?</source>
        <translation>選択したフォルダーを削除してもよろしいですか?</translation>
    </message>
    <message>
        <source>The selected item is not a folder.</source>
        <translation>選択した項目はフォルダーではありません。</translation>
    </message>
    <message>
        <source>Please enter a new name:                                        </source>
        <translation>新しい名前を入力してください:                                        </translation>
    </message>
    <message>
        <source>The file name extension is going to be changed. Do you really want to rename it?</source>
        <translation>ファイルの拡張子が変更されます。名前を変更してもよろしいですか?</translation>
    </message>
    <message>
        <source>An item with the name you specified already exists. Please try again.</source>
        <translation>指定した名前の項目は既に存在します。もう一度やり直してください。</translation>
    </message>
    <message>
        <source> - Vault Property</source>
        <translation> - 保管庫のプロパティ</translation>
    </message>
    <message>
        <source>Load Vault</source>
        <translation>保管庫の読み込み</translation>
    </message>
    <message>
        <source>The vault&apos;s location is accessible but the vault could not be loaded. Do you want to try to repair the vault?</source>
        <translation>保管庫の場所にはアクセスできますが、保管庫を読み込めませんでした。保管庫の修復を試みますか?</translation>
    </message>
    <message>
        <source>The index of the vault %1 could not be saved.</source>
        <translation>保管庫 %1 のインデックスを保存できませんでした。</translation>
    </message>
    <message>
        <source>%1 - Confirm file delete</source>
        <translation>%1 - ファイル削除の確認</translation>
    </message>
    <message>
        <source>Backup failed: %1</source>
        <translation>バックアップに失敗しました: %1</translation>
    </message>
    <message>
        <source>A synchronisation is running; please try again when it has finished.</source>
        <translation>同期を実行中です。完了してからもう一度お試しください。</translation>
    </message>
    <message>
        <source>There is nothing to backup as your vault does not contain any data.</source>
        <translation>保管庫にデータがないため、バックアップするものはありません。</translation>
    </message>
    <message>
        <source>Vault %1 does not exist.</source>
        <translation>保管庫 %1 が存在しません。</translation>
    </message>
    <message>
        <source>the new backup could not be read back.</source>
        <translation>新しいバックアップを読み戻せませんでした。</translation>
    </message>
    <message>
        <source>Backup completed successfully.</source>
        <translation>バックアップが正常に完了しました。</translation>
    </message>
    <message>
        <source>There is already a file with the same name in this location. Do you want to replace it?</source>
        <translation>この場所には同じ名前のファイルが既にあります。置き換えますか?</translation>
    </message>
    <message>
        <source>%1 item(s) could not be moved:
%2</source>
        <translation>%1 個の項目を移動できませんでした:
%2</translation>
    </message>
    <message>
        <source>%1 item(s) could not be copied:
%2</source>
        <translation>%1 個の項目をコピーできませんでした:
%2</translation>
    </message>
    <message>
        <source>Moving Item...</source>
        <translation>項目を移動しています...</translation>
    </message>
    <message>
        <source>Can not move</source>
        <translation>移動できません</translation>
    </message>
    <message>
        <source>The extracted files could not be written safely to %1. Check the disk and extract them again.</source>
        <translation>取り出したファイルを %1 に安全に書き込めませんでした。ディスクを確認してから、もう一度取り出してください。</translation>
    </message>
    <message>
        <source>The application can not rename a file</source>
        <translation>ファイルの名前を変更できません</translation>
    </message>
    <message>
        <source>Are you sure you want to permanently delete this folder?</source>
        <translation>このフォルダーを完全に削除してもよろしいですか?</translation>
    </message>
    <message>
        <source>Are you sure you want to permanently delete this file?</source>
        <translation>このファイルを完全に削除してもよろしいですか?</translation>
    </message>
    <message>
        <source>Are you sure you want to permanently delete these %1 items?</source>
        <translation>これらの %1 個の項目を完全に削除してもよろしいですか?</translation>
    </message>
    <message>
        <source> - Options</source>
        <translation> - オプション</translation>
    </message>
    <message>
        <source>The options could not be saved to %1. They hold until the program ends.</source>
        <translation>オプションを %1 に保存できませんでした。オプションはプログラムを終了するまで有効です。</translation>
    </message>
    <message>
        <source>Password Hint</source>
        <translation>パスワードのヒント</translation>
    </message>
    <message>
        <source> - Change Password</source>
        <translation> - パスワードの変更</translation>
    </message>
    <message>
        <source>The current password entered is invalid. Please try again.</source>
        <translation>入力した現在のパスワードが正しくありません。もう一度やり直してください。</translation>
    </message>
    <message>
        <source>The list of vaults %1 could not be read. Your password has not been changed.</source>
        <translation>保管庫の一覧 %1 を読み取れませんでした。パスワードは変更されていません。</translation>
    </message>
    <message>
        <source>The list of vaults could not be saved to %1. Your password has not been changed; the current password still opens your vaults.</source>
        <translation>保管庫の一覧を %1 に保存できませんでした。パスワードは変更されていません。現在のパスワードで引き続き保管庫を開くことができます。</translation>
    </message>
    <message>
        <source>Your password has been changed, but the key files of these vaults could not be written and still hold their keys under the old password:
%1

The vaults open as before; only adding such a folder again as an existing vault needs the old password.</source>
        <translation>パスワードは変更されましたが、次の保管庫のキーファイルを書き込めなかったため、キーは引き続き古いパスワードで保護されています:
%1

これらの保管庫はこれまでどおり開けます。このようなフォルダーを既存の保管庫として再度追加する場合にのみ、古いパスワードが必要です。</translation>
    </message>
    <message>
        <source>Unable to write vault structure. The vault was not created.</source>
        <translation>保管庫の構造を書き込めませんでした。保管庫は作成されていません。</translation>
    </message>
    <message>
        <source>Unable to write vault structure. The vault was not added.</source>
        <translation>保管庫の構造を書き込めませんでした。保管庫は追加されていません。</translation>
    </message>
    <message>
        <source>An earlier list of vaults was found on the drive. It was kept as %1.</source>
        <translation>ドライブに以前の保管庫リストが見つかりました。%1 として保存されています。</translation>
    </message>
    <message>
        <source>The key of the vault %1 in %2 is damaged. The vault&apos;s own key file still opens it: disconnect the vault and add it again with Add Existing Vault.</source>
        <translation>%2 にある保管庫 %1 のキーが破損しています。保管庫自身のキーファイルではまだ開けます。保管庫の接続を解除し、「既存の保管庫を追加」で追加し直してください。</translation>
    </message>
    <message>
        <source>Your password has been changed, but the key files of these vaults are damaged and were left as they are:
%1

The vaults open as before, but such a folder can&apos;t be added again as an existing vault.</source>
        <translation>パスワードは変更されましたが、次の保管庫のキーファイルは破損しているため、そのままにしました:
%1

保管庫はこれまでどおり開けますが、このようなフォルダーを既存の保管庫として再び追加することはできません。</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged. It was kept as %2, and the default settings are used.</source>
        <translation>設定ファイル %1 が破損しています。%2 として保存し、既定の設定を使用します。</translation>
    </message>
</context>
<context>
    <name>MainWindowClass</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source> No </source>
        <translation> いいえ </translation>
    </message>
    <message>
        <source> Yes </source>
        <translation> はい </translation>
    </message>
    <message>
        <source>Encrypting...</source>
        <translation>暗号化しています...</translation>
    </message>
    <message>
        <source>Yes to All</source>
        <translation>すべてはい</translation>
    </message>
    <message>
        <source>Decrypting...</source>
        <translation>復号しています...</translation>
    </message>
    <message>
        <source>Decrypting Item...</source>
        <translation>項目を復号しています...</translation>
    </message>
    <message>
        <source>Flash Drive</source>
        <translation>フラッシュドライブ</translation>
    </message>
    <message>
        <source> - Create Password</source>
        <translation> - パスワードの作成</translation>
    </message>
    <message>
        <source> - About</source>
        <translation> - バージョン情報</translation>
    </message>
    <message>
        <source>This vault could not be loaded, it may be located on another computer or the original vault file has been manually removed. The error is: %1</source>
        <translation>この保管庫を読み込めませんでした。別のコンピューター上にあるか、元の保管庫ファイルが手動で削除された可能性があります。エラー: %1</translation>
    </message>
    <message>
        <source>[Select Language]</source>
        <translation>[言語の選択]</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>ログイン</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>パスワードをお忘れですか?</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>仮想キーボード</translation>
    </message>
    <message>
        <source>Enter Your Password</source>
        <translation>パスワードを入力</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>検索...</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>マイ コンピューター</translation>
    </message>
    <message>
        <source>My Vault</source>
        <translation>マイ保管庫</translation>
    </message>
    <message>
        <source>Add File(s)</source>
        <translation>ファイルの追加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前の変更</translation>
    </message>
    <message>
        <source>New Vault</source>
        <translation>新しい保管庫</translation>
    </message>
    <message>
        <source>Disconnect Vault</source>
        <translation>保管庫の接続解除</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>同期</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>詳細</translation>
    </message>
    <message>
        <source>List</source>
        <translation>一覧</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>アイコン</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Get Online Support</source>
        <translation>オンライン サポート</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>新しいフォルダー</translation>
    </message>
    <message>
        <source>Remove Folder</source>
        <translation>フォルダーの削除</translation>
    </message>
    <message>
        <source>Save File(s) to...</source>
        <translation>ファイルの保存先...</translation>
    </message>
    <message>
        <source>Add Existing Vault</source>
        <translation>既存の保管庫を追加</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>パスワードの変更</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>更新の確認</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>ロック</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Move to Folder...</source>
        <translation>フォルダーへ移動...</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Go Forward</source>
        <translation>進む</translation>
    </message>
    <message>
        <source>Go Home</source>
        <translation>ホーム</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>デスクトップ</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>ドキュメント</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>コンピューター</translation>
    </message>
    <message>
        <source>Backup Vault Data</source>
        <translation>保管庫データのバックアップ</translation>
    </message>
    <message>
        <source>Restore Vault Data</source>
        <translation>保管庫データの復元</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>オプション...</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>プロパティ</translation>
    </message>
    <message>
        <source>Add Sync Peer</source>
        <translation>同期先の追加</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>ファイル マネージャーで表示</translation>
    </message>
    <message>
        <source>Backup Vault</source>
        <translation>保管庫のバックアップ</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>ツール</translation>
    </message>
    <message>
        <source>View</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Main ToolBar</source>
        <translation>メイン ツールバー</translation>
    </message>
    <message>
        <source>Could not create random bytes.</source>
        <translation>乱数バイトを生成できませんでした。</translation>
    </message>
    <message>
        <source>The password cannot contain these characters: %1
Please use only letters, digits and signs of Western European languages.</source>
        <translation>パスワードに次の文字は使用できません: %1
英字、数字、西ヨーロッパ言語の記号だけを使用してください。</translation>
    </message>
    <message>
        <source> - Virtual Keyboard</source>
        <translation> - 仮想キーボード</translation>
    </message>
    <message>
        <source>Weak</source>
        <translation>弱い</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>普通</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>良い</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>非常に良い</translation>
    </message>
    <message>
        <source>Passwords do not match</source>
        <translation>パスワードが一致しません</translation>
    </message>
    <message>
        <source>Invalid current item name.</source>
        <translation>現在の項目名が無効です。</translation>
    </message>
    <message>
        <source>Damaged item record in archive.</source>
        <translation>アーカイブ内の項目レコードが破損しています。</translation>
    </message>
    <message>
        <source>Invalid item name in archive.</source>
        <translation>アーカイブ内の項目名が無効です。</translation>
    </message>
    <message>
        <source>Duplicate item name.</source>
        <translation>項目名が重複しています。</translation>
    </message>
    <message>
        <source>Invalid item name.</source>
        <translation>項目名が無効です。</translation>
    </message>
    <message>
        <source>Damaged vault header in archive.</source>
        <translation>アーカイブ内の保管庫ヘッダーが破損しています。</translation>
    </message>
    <message>
        <source>Invalid parent path in archive.</source>
        <translation>アーカイブ内の親パスが無効です。</translation>
    </message>
    <message>
        <source>Invalid class name in archive.</source>
        <translation>アーカイブ内のクラス名が無効です。</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Date Created</source>
        <translation>作成日</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>ドライブ</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Copying  file...</source>
        <translation>ファイルをコピーしています...</translation>
    </message>
    <message>
        <source>Copying Item...</source>
        <translation>項目をコピーしています...</translation>
    </message>
    <message>
        <source>Can not move</source>
        <translation>移動できません</translation>
    </message>
    <message>
        <source>Processing Items...</source>
        <translation>項目を処理しています...</translation>
    </message>
    <message>
        <source>Moving Item...</source>
        <translation>項目を移動しています...</translation>
    </message>
    <message>
        <source>There is already an item with the same name in this location. Do you want to replace it?</source>
        <translation>この場所には同じ名前の項目が既にあります。置き換えますか?</translation>
    </message>
    <message>
        <source>Failed to move</source>
        <translation>移動に失敗しました</translation>
    </message>
    <message>
        <source>Failed to copy</source>
        <translation>コピーに失敗しました</translation>
    </message>
    <message>
        <source>The application can not add more files because the vault&apos;s disk is full.</source>
        <translation>保管庫のディスクがいっぱいのため、これ以上ファイルを追加できません。</translation>
    </message>
    <message>
        <source>Moving file...</source>
        <translation>ファイルを移動しています...</translation>
    </message>
    <message>
        <source>Copy folder...</source>
        <translation>フォルダーをコピー...</translation>
    </message>
    <message>
        <source>Add a vault here</source>
        <translation>ここに保管庫を追加してください</translation>
    </message>
    <message>
        <source>Add a file or create a folder here</source>
        <translation>ここにファイルを追加するか、フォルダーを作成してください</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Timeouts</source>
        <translation>タイムアウト</translation>
    </message>
    <message>
        <source>Application timeout</source>
        <translation>アプリケーションのタイムアウト</translation>
    </message>
    <message>
        <source>Timeout in minutes:</source>
        <translation>タイムアウト (分):</translation>
    </message>
    <message>
        <source>0 = Timeout Disabled</source>
        <translation>0 = タイムアウト無効</translation>
    </message>
    <message>
        <source>Password expiration</source>
        <translation>パスワードの有効期限</translation>
    </message>
    <message>
        <source>Expiration in days:</source>
        <translation>有効期限 (日):</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>File delete confirmation</source>
        <translation>ファイル削除の確認</translation>
    </message>
    <message>
        <source>Restore to default</source>
        <translation>既定値に戻す</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>暗号化</translation>
    </message>
    <message>
        <source>AES 256 bit</source>
        <translation>AES 256 ビット</translation>
    </message>
    <message>
        <source>AES 512 bit</source>
        <translation>AES 512 ビット</translation>
    </message>
    <message>
        <source>Preferred encryption method:</source>
        <translation>優先する暗号化方式:</translation>
    </message>
    <message>
        <source>AES 128 bit</source>
        <translation>AES 128 ビット</translation>
    </message>
    <message>
        <source>AES 1024 bit</source>
        <translation>AES 1024 ビット</translation>
    </message>
    <message>
        <source>Locations</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>Backup options</source>
        <translation>バックアップのオプション</translation>
    </message>
    <message>
        <source>Backup location</source>
        <translation>バックアップの保存先</translation>
    </message>
    <message>
        <source>Application Data</source>
        <translation>アプリケーション データ</translation>
    </message>
    <message>
        <source>My Documents</source>
        <translation>マイ ドキュメント</translation>
    </message>
    <message>
        <source>Mount options</source>
        <translation>マウントのオプション</translation>
    </message>
    <message>
        <source>Mount location</source>
        <translation>マウント先</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>パス</translation>
    </message>
    <message>
        <source>Backup retention</source>
        <translation>バックアップの保持</translation>
    </message>
    <message>
        <source>Keep number of backups:</source>
        <translation>保持するバックアップの数:</translation>
    </message>
    <message>
        <source>Enable automatic backup retention</source>
        <translation>バックアップの自動保持を有効にする</translation>
    </message>
    <message>
        <source>You will need to restart the application for these changes to take effect</source>
        <translation>変更を有効にするには、アプリケーションを再起動する必要があります</translation>
    </message>
</context>
<context>
    <name>PleaseWaitDialog</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A backup is running. Please wait until it has finished before you quit the program or eject the flash drive.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;バックアップを実行中です。完了するまで、プログラムを終了したりフラッシュドライブを取り外したりしないでください。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>ProblemReport</name>
    <message>
        <source>A problem occured</source>
        <translation>問題が発生しました</translation>
    </message>
    <message>
        <source>Sending Report. . .</source>
        <translation>レポートを送信しています. . .</translation>
    </message>
    <message>
        <source>Send Report</source>
        <translation>レポートの送信</translation>
    </message>
    <message>
        <source>Report was sent successful!</source>
        <translation>レポートを送信しました。</translation>
    </message>
    <message>
        <source>Error sending report!
%2 (%1)</source>
        <translation>レポートの送信中にエラーが発生しました。
%2 (%1)</translation>
    </message>
</context>
<context>
    <name>RestoreWizard</name>
    <message>
        <source>Restore Wizard</source>
        <translation>復元ウィザード</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Welcome to the restore wizard.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;This wizard will guide you through the process of restoring current data from a previous backup.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;復元ウィザードへようこそ。&lt;/p&gt;&lt;p&gt;&lt;br/&gt;このウィザードでは、以前のバックアップから現在のデータを復元する手順をご案内します。&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Please choose the location to be restored from the backup file and click &apos;Next&apos; to proceed.</source>
        <translation>バックアップファイルから復元する場所を選択し、[次へ] をクリックして続行してください。</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Please select the backup to be restored and click &apos;Next&apos; to proceed.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;復元するバックアップを選択し、[次へ] をクリックして続行してください。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>経過日数</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The encryption key for the selected backup is not available. &lt;/p&gt;&lt;p&gt;A copy of the key is present in the backup, but is protected by a password.&lt;/p&gt;&lt;p&gt;Please enter the password that was in use when the backup was made and click &apos;Next&apos; to proceed.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;選択したバックアップの暗号化キーを利用できません。&lt;/p&gt;&lt;p&gt;キーのコピーはバックアップ内にありますが、パスワードで保護されています。&lt;/p&gt;&lt;p&gt;バックアップ作成時に使用していたパスワードを入力し、[次へ] をクリックして続行してください。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Password:&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;パスワード:&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;You have entered an incorrect password. &lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;入力したパスワードが正しくありません。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Please go back and try again.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;前に戻ってやり直してください。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;By clicking &apos;Restore&apos; you will replace all data in the selected vault with data from the backup.&lt;/p&gt;&lt;p&gt;Click &apos;Back&apos; if any changes are needed before proceeding.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;[復元] をクリックすると、選択した保管庫のすべてのデータがバックアップのデータに置き換えられます。&lt;/p&gt;&lt;p&gt;続行する前に変更が必要な場合は [戻る] をクリックしてください。&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>New, empty folder for the vault:</source>
        <translation>保管庫用の新しい空のフォルダー:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>参照...</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Restoring backup data.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;バックアップのデータを復元しています。&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;There are no other backup files available.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;ほかに利用できるバックアップファイルはありません。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Data restored succesfully!&lt;br/&gt;&lt;/p&gt;&lt;p&gt;You can now close this Wizard and access the restored data.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;データは正常に復元されました。&lt;br/&gt;&lt;/p&gt;&lt;p&gt;このウィザードを閉じて、復元したデータにアクセスできます。&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The backup was not restored.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;バックアップは復元されませんでした。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Select the vault to restore</source>
        <translation>復元する保管庫の選択</translation>
    </message>
    <message>
        <source>Other unlisted vault</source>
        <translation>一覧にないその他の保管庫</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>昨日</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今日</translation>
    </message>
    <message>
        <source>%1 Days ago</source>
        <translation>%1 日前</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;By clicking &apos;Restore&apos; the backup becomes a new vault in the new, empty folder below. No existing vault is changed.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;[復元] をクリックすると、バックアップは下の新しい空のフォルダーに新しい保管庫として作成されます。既存の保管庫は変更されません。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Choose a new, empty folder for the vault</source>
        <translation>保管庫用の新しい空のフォルダーを選択</translation>
    </message>
    <message>
        <source>Please choose a new, empty folder for the restored vault.</source>
        <translation>復元する保管庫用に、新しい空のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>%1 is not a folder. Please choose a new, empty folder for the restored vault.</source>
        <translation>%1 はフォルダーではありません。復元する保管庫用に、新しい空のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>The folder %1 is not empty. Please choose a new, empty folder for the restored vault.</source>
        <translation>フォルダー %1 は空ではありません。復元する保管庫用に、新しい空のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>The folder %1 belongs to the vault %2. Please choose a new, empty folder for the restored vault.</source>
        <translation>フォルダー %1 は保管庫 %2 のものです。復元する保管庫用に、新しい空のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>The folder %1 lies in the backup location. Please choose another folder.</source>
        <translation>フォルダー %1 はバックアップの保存先の中にあります。別のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>フォルダー %1 を作成できませんでした。</translation>
    </message>
    <message>
        <source>Restored vault</source>
        <translation>復元された保管庫</translation>
    </message>
    <message>
        <source>The backup can be copied straight over the vault&apos;s files instead. If that fails part-way, the vault can&apos;t be put back as it was. Restore anyway?</source>
        <translation>代わりに、バックアップを保管庫のファイルに直接上書きコピーすることもできます。途中で失敗した場合、保管庫を元の状態に戻すことはできません。それでも復元しますか?</translation>
    </message>
    <message>
        <source> Yes </source>
        <translation> はい </translation>
    </message>
    <message>
        <source> No </source>
        <translation> いいえ </translation>
    </message>
    <message>
        <source>A synchronisation is running; please try again when it has finished.</source>
        <translation>同期を実行中です。完了してからもう一度お試しください。</translation>
    </message>
    <message>
        <source>The folder of the vault %1 is not available.</source>
        <translation>保管庫 %1 のフォルダーを利用できません。</translation>
    </message>
    <message>
        <source>The backup holds no vault index.</source>
        <translation>バックアップに保管庫のインデックスがありません。</translation>
    </message>
    <message>
        <source>There is not enough free space beside the vault to restore it safely: %1 are needed, %2 are free.</source>
        <translation>保管庫の横に安全に復元するための空き容量が足りません: %1 必要ですが、空きは %2 です。</translation>
    </message>
    <message>
        <source>No room could be made beside the vault folder %1 to restore into.</source>
        <translation>保管庫フォルダー %1 の横に復元用の領域を確保できませんでした。</translation>
    </message>
    <message>
        <source>The backup could not be copied: %1 The vault was not changed.</source>
        <translation>バックアップをコピーできませんでした: %1 保管庫は変更されていません。</translation>
    </message>
    <message>
        <source>The vault was not changed.</source>
        <translation>保管庫は変更されていません。</translation>
    </message>
    <message>
        <source>The backup&apos;s files could not be put in place in the vault folder %1.</source>
        <translation>バックアップのファイルを保管庫フォルダー %1 に配置できませんでした。</translation>
    </message>
    <message>
        <source>Some of the vault&apos;s own files could not be put back; they are kept in %1.</source>
        <translation>保管庫自体のファイルの一部を元に戻せませんでした。それらは %1 に保存されています。</translation>
    </message>
    <message>
        <source>The vault is as it was before.</source>
        <translation>保管庫は以前の状態のままです。</translation>
    </message>
    <message>
        <source>The vault&apos;s files are as they were before.</source>
        <translation>保管庫のファイルは以前の状態のままです。</translation>
    </message>
    <message>
        <source>The backup could not be copied: %1 The vault may be damaged; restore it again once there is more free space.</source>
        <translation>バックアップをコピーできませんでした: %1 保管庫が破損している可能性があります。空き容量を増やしてから、もう一度復元してください。</translation>
    </message>
    <message>
        <source>The vault may be damaged.</source>
        <translation>保管庫が破損している可能性があります。</translation>
    </message>
    <message>
        <source>The backup&apos;s index can&apos;t be opened with the key that was found for it.</source>
        <translation>見つかったキーではバックアップのインデックスを開けません。</translation>
    </message>
    <message>
        <source>The backup&apos;s index can&apos;t be read.</source>
        <translation>バックアップのインデックスを読み取れません。</translation>
    </message>
    <message>
        <source>The backup&apos;s index is damaged: %1</source>
        <translation>バックアップのインデックスが破損しています: %1</translation>
    </message>
    <message>
        <source>The backup lacks the encrypted file of %1.</source>
        <translation>バックアップに %1 の暗号化ファイルがありません。</translation>
    </message>
    <message>
        <source>The restored vault could not be loaded: %1</source>
        <translation>復元した保管庫を読み込めませんでした: %1</translation>
    </message>
    <message>
        <source>The restored vault could not be loaded.</source>
        <translation>復元した保管庫を読み込めませんでした。</translation>
    </message>
    <message>
        <source>The encrypted file of %1 in the backup is not whole (%2).</source>
        <translation>バックアップ内の %1 の暗号化ファイルが完全ではありません (%2)。</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a symbolic link</source>
        <translation>%1 に書き込めません: シンボリックリンクです</translation>
    </message>
</context>
<context>
    <name>TAVBrowseFolderDialog</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Select a target folder:</source>
        <translation>保存先フォルダーを選択してください:</translation>
    </message>
    <message>
        <source>Please select a target folder.</source>
        <translation>保存先フォルダーを選択してください。</translation>
    </message>
</context>
<context>
    <name>TAVCryptoThread</name>
    <message>
        <source>Cannot open file for read %1
Error: %2</source>
        <translation>読み取り用にファイルを開けません %1
エラー: %2</translation>
    </message>
    <message>
        <source>Cannot open file for write %1
Error: %2</source>
        <translation>書き込み用にファイルを開けません %1
エラー: %2</translation>
    </message>
</context>
<context>
    <name>TAVFile</name>
    <message>
        <source>File %1 does not exist</source>
        <translation>ファイル %1 が存在しません</translation>
    </message>
</context>
<context>
    <name>TAVFileWatcher</name>
    <message>
        <source>%1 is a symbolic link: the decrypted copy is not written there.</source>
        <translation>%1 はシンボリックリンクです: 復号したコピーはそこには書き込まれません。</translation>
    </message>
    <message>
        <source>%1 is open with changes that are not in the vault yet.</source>
        <translation>%1 は、まだ保管庫に反映されていない変更を含んだまま開かれています。</translation>
    </message>
    <message>
        <source>The folder %1 for the decrypted copy could not be made.</source>
        <translation>復号したコピー用のフォルダー %1 を作成できませんでした。</translation>
    </message>
    <message>
        <source>The changes of %1 could not be put into the vault: the vault is not open.</source>
        <translation>%1 の変更を保管庫に反映できませんでした: 保管庫が開かれていません。</translation>
    </message>
    <message>
        <source>The changes of %1 could not be put into the vault: the vault&apos;s folder is not found.</source>
        <translation>%1 の変更を保管庫に反映できませんでした: 保管庫のフォルダーが見つかりません。</translation>
    </message>
    <message>
        <source>The changes of %1 are in the vault, but the vault&apos;s index could not be saved.</source>
        <translation>%1 の変更は保管庫に反映されましたが、保管庫のインデックスを保存できませんでした。</translation>
    </message>
</context>
<context>
    <name>TAVItem</name>
    <message>
        <source>Decryption failed.</source>
        <translation>復号に失敗しました。</translation>
    </message>
</context>
<context>
    <name>TAVProgressDialog</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Encrypting...</source>
        <translation>暗号化しています...</translation>
    </message>
    <message>
        <source>Estimated Time to Complete: 0.00 minutes</source>
        <translation>完了までの予想時間: 0.00 分</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>Estimated Time to Complete:</source>
        <translation>完了までの予想時間:</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>分</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>時間</translation>
    </message>
</context>
<context>
    <name>TAVProgressLogDialog</name>
    <message>
        <source>Synchronization</source>
        <translation>同期</translation>
    </message>
    <message>
        <source>Synchronization progress:</source>
        <translation>同期の進行状況:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>No items is synced</source>
        <translation>同期された項目はありません</translation>
    </message>
    <message>
        <source>Synchronization completed successfully.</source>
        <translation>同期が正常に完了しました。</translation>
    </message>
    <message>
        <source>Synchronization finished, but not every file could be synchronized. See the lines above.</source>
        <translation>同期は終了しましたが、一部のファイルを同期できませんでした。上の行を参照してください。</translation>
    </message>
</context>
<context>
    <name>TAVSync</name>
    <message>
        <source>Synchronization cancelled.</source>
        <translation>同期はキャンセルされました。</translation>
    </message>
    <message>
        <source>Vault is not loaded</source>
        <translation>保管庫が読み込まれていません</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>フォルダーが存在しません。</translation>
    </message>
    <message>
        <source>The disk folder %1 is empty, but held %2 items at the last synchronization: nothing was deleted or copied for this peer.</source>
        <translation>ディスクフォルダー %1 は空ですが、前回の同期時には %2 個の項目がありました: この同期先については何も削除もコピーもしていません。</translation>
    </message>
    <message>
        <source>The vault folder %1 is empty, but held %2 items at the last synchronization: nothing was deleted or copied for this peer.</source>
        <translation>保管庫フォルダー %1 は空ですが、前回の同期時には %2 個の項目がありました: この同期先については何も削除もコピーもしていません。</translation>
    </message>
    <message>
        <source>The new files could not be written to the disk.</source>
        <translation>新しいファイルをディスクに書き込めませんでした。</translation>
    </message>
    <message>
        <source>The vault&apos;s index could not be saved.</source>
        <translation>保管庫のインデックスを保存できませんでした。</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>The item is no longer in the vault.</source>
        <translation>この項目はもう保管庫にありません。</translation>
    </message>
    <message>
        <source>A folder of that name is in the vault.</source>
        <translation>保管庫に同じ名前のフォルダーがあります。</translation>
    </message>
    <message>
        <source>Its folder is not in the vault.</source>
        <translation>その項目のフォルダーが保管庫にありません。</translation>
    </message>
    <message>
        <source>Kept %1: it holds items the last synchronization did not know.</source>
        <translation>%1 を残しました: 前回の同期で把握していない項目が含まれています。</translation>
    </message>
    <message>
        <source>Kept %1: it is reached through a symbolic link.</source>
        <translation>%1 を残しました: シンボリックリンク経由でアクセスされています。</translation>
    </message>
    <message>
        <source>Kept %1: it holds files the last synchronization did not know.</source>
        <translation>%1 を残しました: 前回の同期で把握していないファイルが含まれています。</translation>
    </message>
    <message>
        <source>The list of synchronization peers of this vault can&apos;t be read. Nothing was changed.</source>
        <translation>この保管庫の同期先の一覧を読み取れません。何も変更されていません。</translation>
    </message>
    <message>
        <source>These folders are already synchronized.</source>
        <translation>これらのフォルダーは既に同期されています。</translation>
    </message>
    <message>
        <source>The list of synchronization peers could not be written. The folder was not added.</source>
        <translation>同期先の一覧を書き込めませんでした。フォルダーは追加されていません。</translation>
    </message>
    <message>
        <source>This folder can&apos;t be synchronized: it is the vault&apos;s own folder, lies inside it or holds it.</source>
        <translation>このフォルダーは同期できません: 保管庫自体のフォルダーであるか、その中にあるか、それを含んでいます。</translation>
    </message>
    <message>
        <source>This folder can&apos;t be synchronized: the application keeps its own files there.</source>
        <translation>このフォルダーは同期できません: アプリケーションが独自のファイルを保存している場所です。</translation>
    </message>
    <message>
        <source>The folder could not be added.</source>
        <translation>フォルダーを追加できませんでした。</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>開始しています...</translation>
    </message>
    <message>
        <source>Synchronization finished with errors: see the lines above.</source>
        <translation>同期はエラーで終了しました: 上の行を参照してください。</translation>
    </message>
    <message>
        <source>Another synchronization is running.</source>
        <translation>別の同期を実行中です。</translation>
    </message>
    <message>
        <source>No synchronization peers defined.</source>
        <translation>同期先が定義されていません。</translation>
    </message>
    <message>
        <source>Skipped: %1 (names that differ only in case)</source>
        <translation>スキップ: %1 (大文字と小文字だけが異なる名前)</translation>
    </message>
    <message>
        <source>The folder can&apos;t be read: nothing was deleted or copied for this peer.</source>
        <translation>フォルダーを読み取れません: このペアでは何も削除もコピーもしていません。</translation>
    </message>
    <message>
        <source>The folder %1 was removed or replaced during the synchronization: nothing more was copied or deleted for this peer.</source>
        <translation>同期中にフォルダー %1 が削除または置き換えられました: このペアではこれ以上コピーも削除もしていません。</translation>
    </message>
    <message>
        <source>Kept %1: it changed on the disk during the synchronization.</source>
        <translation>%1 を保持しました: 同期中にディスク上で変更されました。</translation>
    </message>
    <message>
        <source>The vault&apos;s folder can&apos;t be written.</source>
        <translation>保管庫のフォルダーに書き込めません。</translation>
    </message>
    <message>
        <source>Skipped: %1 (a symbolic link)</source>
        <translation>スキップ: %1 (シンボリックリンク)</translation>
    </message>
    <message>
        <source>This folder can&apos;t be synchronized: it holds or lies inside a folder already synchronized with this vault.</source>
        <translation>このフォルダーは同期できません: この保管庫とすでに同期しているフォルダーを含んでいるか、その中にあります。</translation>
    </message>
    <message>
        <source>Failed: %1 (can&apos;t be read: %2)</source>
        <translation>失敗: %1 (読み取れません: %2)</translation>
    </message>
    <message>
        <source>Skipped: %1 (not a file or a folder)</source>
        <translation>スキップ: %1 (ファイルでもフォルダーでもありません)</translation>
    </message>
</context>
<context>
    <name>TAVSyncProgressDialog</name>
    <message>
        <source>Synchronization</source>
        <translation>同期</translation>
    </message>
    <message>
        <source>Synchronization progress:</source>
        <translation>同期の進行状況:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>No items is synced</source>
        <translation>同期された項目はありません</translation>
    </message>
    <message>
        <source>Synchronization completed successfully.</source>
        <translation>同期が正常に完了しました。</translation>
    </message>
    <message>
        <source>Repair completed successfully.</source>
        <translation>修復が正常に完了しました。</translation>
    </message>
    <message>
        <source>Synchronization finished with errors:</source>
        <translation>同期はエラーで終了しました:</translation>
    </message>
    <message>
        <source>Synchronization finished with errors. The lines in the progress window say which items could not be synchronized.</source>
        <translation>同期はエラーで終了しました。同期できなかった項目は進行状況ウィンドウの各行に示されています。</translation>
    </message>
</context>
<context>
    <name>TavVaultProperty</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Type of encryption:</source>
        <translation>暗号化の種類:</translation>
    </message>
    <message>
        <source>Total number of files:</source>
        <translation>ファイルの総数:</translation>
    </message>
    <message>
        <source>Total storage space:</source>
        <translation>合計記憶領域:</translation>
    </message>
    <message>
        <source>Full Physical Path:</source>
        <translation>完全な物理パス:</translation>
    </message>
    <message>
        <source>Set Vault Password</source>
        <translation>保管庫のパスワードを設定</translation>
    </message>
    <message>
        <source>Repair vault </source>
        <translation>保管庫を修復 </translation>
    </message>
    <message>
        <source>Synchronization</source>
        <translation>同期</translation>
    </message>
    <message>
        <source>Synchronization peers:</source>
        <translation>同期先:</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>ホスト</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>ローカルフォルダー</translation>
    </message>
    <message>
        <source>Vault folder</source>
        <translation>保管庫フォルダー</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>同期</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>This repair has already run.</source>
        <translation>この修復は既に実行されています。</translation>
    </message>
    <message>
        <source>The folder of the vault cannot be found: %1
Nothing was repaired.</source>
        <translation>保管庫のフォルダーが見つかりません: %1
何も修復されていません。</translation>
    </message>
    <message>
        <source>A repair of this vault is already running.</source>
        <translation>この保管庫の修復は既に実行中です。</translation>
    </message>
    <message>
        <source>A synchronization is running. Please try again when it has finished.</source>
        <translation>同期を実行中です。完了してからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Start repair index file</source>
        <translation>インデックスファイルの修復を開始</translation>
    </message>
    <message>
        <source>The repair was cancelled. The index was not changed.</source>
        <translation>修復はキャンセルされました。インデックスは変更されていません。</translation>
    </message>
    <message>
        <source>Only %1 of the %2 files listed in the index of the vault &quot;%3&quot; were found in its folder %4.
If the drive or the folder is incomplete, repairing now takes the missing files out of the index.

Repair the index anyway?</source>
        <translation>保管庫 &quot;%3&quot; のインデックスにある %2 個のファイルのうち、フォルダー %4 で見つかったのは %1 個だけです。
ドライブまたはフォルダーが不完全な場合、今修復すると見つからないファイルがインデックスから削除されます。

それでもインデックスを修復しますか?</translation>
    </message>
    <message>
        <source>The index was not repaired.</source>
        <translation>インデックスは修復されませんでした。</translation>
    </message>
    <message>
        <source>The vault&apos;s key does not fit the files in its folder. Nothing was repaired.</source>
        <translation>保管庫のキーがフォルダー内のファイルと一致しません。何も修復されていません。</translation>
    </message>
    <message>
        <source>The vault was closed during the repair. The index was not changed.</source>
        <translation>修復中に保管庫が閉じられました。インデックスは変更されていません。</translation>
    </message>
    <message>
        <source>The previous index could not be kept (%1). The index was not changed.</source>
        <translation>以前のインデックスを保持できませんでした (%1)。インデックスは変更されていません。</translation>
    </message>
    <message>
        <source>The index could not be rebuilt. The index was not changed.</source>
        <translation>インデックスを再構築できませんでした。インデックスは変更されていません。</translation>
    </message>
    <message>
        <source>The repaired index could not be written. The previous index is kept.</source>
        <translation>修復したインデックスを書き込めませんでした。以前のインデックスが保持されています。</translation>
    </message>
    <message>
        <source>The index was repaired: %1 files rebuilt (%2 of them in the folder &quot;%3&quot;), %4 removed, %5 skipped.</source>
        <translation>インデックスを修復しました: %1 個のファイルを再構築 (うち %2 個はフォルダー &quot;%3&quot; 内)、%4 個を削除、%5 個をスキップしました。</translation>
    </message>
    <message>
        <source>Please choose a folder to synchronise with:</source>
        <translation>同期するフォルダーを選択してください:</translation>
    </message>
    <message>
        <source>This synchronization peer is no longer in the list of the vault.</source>
        <translation>この同期先は、もう保管庫の一覧にありません。</translation>
    </message>
    <message>
        <source>The list of synchronization peers of this vault could not be changed. The peer was not removed.</source>
        <translation>この保管庫の同期先の一覧を変更できませんでした。同期先は削除されていません。</translation>
    </message>
    <message>
        <source>Please try again and enter a password</source>
        <translation>パスワードを入力してやり直してください</translation>
    </message>
    <message>
        <source>Please enter a new password to encrypt the key:</source>
        <translation>キーを暗号化するための新しいパスワードを入力してください:</translation>
    </message>
    <message>
        <source>Please enter the password again:</source>
        <translation>パスワードをもう一度入力してください:</translation>
    </message>
    <message>
        <source>The two passwords are not the same. The vault password was not changed.</source>
        <translation>2 つのパスワードが一致しません。保管庫のパスワードは変更されていません。</translation>
    </message>
    <message>
        <source>The vault password could not be saved in %1. The key chain was not changed.</source>
        <translation>保管庫のパスワードを %1 に保存できませんでした。キーチェーンは変更されていません。</translation>
    </message>
    <message>
        <source>The vault password was set.</source>
        <translation>保管庫のパスワードを設定しました。</translation>
    </message>
    <message>
        <source>Repair Progress</source>
        <translation>修復の進行状況</translation>
    </message>
</context>
<context>
    <name>UpdateAvailableDialog</name>
    <message>
        <source>Kolvane - New Version Available</source>
        <translation>Kolvane - 新しいバージョンがあります</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
</context>
<context>
    <name>UpdateConfigDialog</name>
    <message>
        <source>Kolvane - Updates configuration</source>
        <translation>Kolvane - 更新の設定</translation>
    </message>
    <message>
        <source>How often do you want to check for updates?</source>
        <translation>更新を確認する頻度を選択してください。</translation>
    </message>
    <message>
        <source>Once a week</source>
        <translation>週に 1 回</translation>
    </message>
    <message>
        <source>Every two weeks</source>
        <translation>2 週間に 1 回</translation>
    </message>
    <message>
        <source>Once a month</source>
        <translation>月に 1 回</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>確認しない</translation>
    </message>
    <message>
        <source>Check for updates now</source>
        <translation>今すぐ更新を確認</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Thank you for using %1
You are using %1 %2. There are currently no updates available.
Please try again later.</source>
        <translation>%1 をご利用いただきありがとうございます
お使いのバージョンは %1 %2 です。現在利用できる更新はありません。
後でもう一度お試しください。</translation>
    </message>
    <message>
        <source> - New Version Available</source>
        <translation> - 新しいバージョンがあります</translation>
    </message>
</context>
<context>
    <name>UpdateDownload</name>
    <message>
        <source>The server did not answer in time</source>
        <translation>サーバーが時間内に応答しませんでした</translation>
    </message>
    <message>
        <source>A download is already under way</source>
        <translation>既にダウンロードが進行中です</translation>
    </message>
    <message>
        <source>The address %1 is not a secure one</source>
        <translation>アドレス %1 は安全なアドレスではありません</translation>
    </message>
    <message>
        <source>The address %1 names no file</source>
        <translation>アドレス %1 はファイルを指していません</translation>
    </message>
    <message>
        <source>Redirected without a new address</source>
        <translation>新しいアドレスなしでリダイレクトされました</translation>
    </message>
    <message>
        <source>Too many redirections</source>
        <translation>リダイレクトが多すぎます</translation>
    </message>
    <message>
        <source>Redirected from a secure address to %1</source>
        <translation>安全なアドレスから %1 へリダイレクトされました</translation>
    </message>
    <message>
        <source>The server answered %1</source>
        <translation>サーバーの応答: %1</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>キャンセルしました</translation>
    </message>
    <message>
        <source>The package is larger than %1 MiB</source>
        <translation>パッケージが %1 MiB を超えています</translation>
    </message>
</context>
<context>
    <name>Utils</name>
    <message>
        <source>Start synchronizing files now.</source>
        <translation>今すぐファイルの同期を開始します。</translation>
    </message>
    <message>
        <source>There are %1 file(s) to be synchronized.</source>
        <translation>同期するファイルが %1 個あります。</translation>
    </message>
</context>
<context>
    <name>Vir_KeyPad_Dialog</name>
    <message>
        <source>Virtual Keypad</source>
        <translation>仮想キーパッド</translation>
    </message>
    <message>
        <source>Show Plain Text</source>
        <translation>パスワードを表示</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>&lt;--</source>
        <translation>&lt;--</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Security Level</source>
        <translation>セキュリティ レベル</translation>
    </message>
    <message>
        <source>Realtime</source>
        <translation>リアルタイム</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
</context>
<context>
    <name>WorkingDrive</name>
    <message>
        <source>There is no data folder for the drive folder.</source>
        <translation>ドライブフォルダーにデータフォルダーがありません。</translation>
    </message>
    <message>
        <source>%1 must name a folder by its full path: %2</source>
        <translation>%1 にはフォルダーを完全パスで指定する必要があります: %2</translation>
    </message>
    <message>
        <source>The drive folder %1 can&apos;t be made.</source>
        <translation>ドライブフォルダー %1 を作成できません。</translation>
    </message>
    <message>
        <source>The drive folder can&apos;t be the root folder.</source>
        <translation>ドライブフォルダーをルートフォルダーにすることはできません。</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 can&apos;t be made: %2</source>
        <translation>ドライブのシリアルファイル %1 を作成できません: %2</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 can&apos;t be written: %2</source>
        <translation>ドライブのシリアルファイル %1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 can&apos;t be read: %2</source>
        <translation>ドライブのシリアルファイル %1 を読み取れません: %2</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 is damaged.</source>
        <translation>ドライブのシリアルファイル %1 が破損しています。</translation>
    </message>
    <message>
        <source>The drive folder %1 named by %2 does not exist.</source>
        <translation>%2 で指定されたドライブフォルダー %1 は存在しません。</translation>
    </message>
</context>
<context>
    <name>velmora_howto</name>
    <message>
        <source>Data Protection</source>
        <translation>データの保護</translation>
    </message>
    <message>
        <source>4 ways to protect your files</source>
        <translation>ファイルを保護する 4 つの方法</translation>
    </message>
    <message>
        <source>Drag and drop files onto main screen</source>
        <translation>ファイルをメイン画面にドラッグ アンド ドロップ</translation>
    </message>
    <message>
        <source>Copy and paste files onto main screen</source>
        <translation>ファイルをメイン画面にコピー アンド ペースト</translation>
    </message>
    <message>
        <source>Click &apos;Add files&apos; button to browse and add file</source>
        <translation>[ファイルの追加] ボタンをクリックしてファイルを参照し追加</translation>
    </message>
    <message>
        <source>Use Backup Data to safeguard your data against loss</source>
        <translation>[データのバックアップ] でデータを損失から守る</translation>
    </message>
    <message>
        <source>Ctrl-C / Ctrl-V</source>
        <translation>Ctrl-C / Ctrl-V</translation>
    </message>
    <message>
        <source>Do not show again</source>
        <translation>今後表示しない</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
</context>
</TS>
