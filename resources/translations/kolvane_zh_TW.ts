<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Software License Agreement</source>
        <translation>軟體授權合約</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>the vault folder %1 does not exist.</source>
        <translation>保險庫資料夾 %1 不存在。</translation>
    </message>
    <message>
        <source>the backup location lies inside the vault folder.</source>
        <translation>備份位置位於保險庫資料夾內。</translation>
    </message>
    <message>
        <source>no random bytes could be had for the backup&apos;s key check.</source>
        <translation>無法為備份的金鑰檢查取得隨機位元組。</translation>
    </message>
    <message>
        <source>the vault key could not be protected for the backup&apos;s key check.</source>
        <translation>無法為備份的金鑰檢查保護保險庫金鑰。</translation>
    </message>
    <message>
        <source>the earlier key check %1 could not be removed.</source>
        <translation>無法移除先前的金鑰檢查 %1。</translation>
    </message>
    <message>
        <source>the key check %1 could not be written: %2</source>
        <translation>無法寫入金鑰檢查 %1：%2</translation>
    </message>
    <message>
        <source>the copied files could not be written to the disk: %1</source>
        <translation>無法將複製的檔案寫入磁碟：%1</translation>
    </message>
    <message>
        <source>the backup folder %1 does not exist.</source>
        <translation>備份資料夾 %1 不存在。</translation>
    </message>
    <message>
        <source>the folder %1 does not exist.</source>
        <translation>資料夾 %1 不存在。</translation>
    </message>
    <message>
        <source>the folder %1 could not be read.</source>
        <translation>無法讀取資料夾 %1。</translation>
    </message>
    <message>
        <source>the folder %1 could not be made.</source>
        <translation>無法建立資料夾 %1。</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>無法讀取 %1：%2</translation>
    </message>
    <message>
        <source>%1 could not be written: it is a symbolic link.</source>
        <translation>無法寫入 %1：它是一個符號連結。</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>無法寫入 %1：%2</translation>
    </message>
    <message>
        <source>%1 could not be read to its end.</source>
        <translation>無法完整讀取 %1。</translation>
    </message>
    <message>
        <source>%1 could not be written whole.</source>
        <translation>無法完整寫入 %1。</translation>
    </message>
</context>
<context>
    <name>ChangePasswordDialog</name>
    <message>
        <source>Dialog</source>
        <translation>對話方塊</translation>
    </message>
    <message>
        <source>Enter your new password:</source>
        <translation>輸入新密碼：</translation>
    </message>
    <message>
        <source>Enter your current password:</source>
        <translation>輸入目前的密碼：</translation>
    </message>
    <message>
        <source>Confirm your new password:</source>
        <translation>確認新密碼：</translation>
    </message>
    <message>
        <source>Password Strength:</source>
        <translation>密碼強度：</translation>
    </message>
    <message>
        <source>Virtual keyboard</source>
        <translation>虛擬鍵盤</translation>
    </message>
    <message>
        <source>Use more than 6 characters</source>
        <translation>使用超過 6 個字元</translation>
    </message>
    <message>
        <source>Use numeric and alpha numeric characters</source>
        <translation>同時使用數字與字母</translation>
    </message>
    <message>
        <source>Use upper- and lower case characters</source>
        <translation>同時使用大寫與小寫字母</translation>
    </message>
    <message>
        <source>Use special characters (#, $, !, %, &amp;&amp;, ^, *)</source>
        <translation>使用特殊字元（#, $, !, %, &amp;&amp;, ^, *）</translation>
    </message>
    <message>
        <source>Password Hint: (optional)</source>
        <translation>密碼提示：（選填）</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:13pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;You can type a password hint here, to help you remember your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;Try to pick a word or phrase that is clear enough to remind you, but vague&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;enough that nobody can guess your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(For example, the password &amp;quot;R0sebud#1941&amp;quot; with the hint &amp;quot;sled&amp;quot;.)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:13pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;您可以在此輸入密碼提示，協助您記住密碼。&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;請挑選一個足以提醒您、但又夠模糊的字詞或片語，&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;讓任何人都猜不出您的密碼。&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;（例如，密碼 &amp;quot;R0sebud#1941&amp;quot; 搭配提示 &amp;quot;sled&amp;quot;。）&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Password Recommendations:</source>
        <translation>密碼建議：</translation>
    </message>
</context>
<context>
    <name>ConfirmFileDeleteDialog</name>
    <message>
        <source>Are you sure you want to delete the file?</source>
        <translation>確定要刪除此檔案嗎？</translation>
    </message>
    <message>
        <source>Don’t ask this question again.</source>
        <translation>不要再詢問這個問題。</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
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
        <translation>與遠端伺服器的連線逾時</translation>
    </message>
    <message>
        <source>The answer of the server is larger than %1 KiB</source>
        <translation>伺服器的回應大於 %1 KiB</translation>
    </message>
</context>
<context>
    <name>KVVaveCreatePasswordDialog</name>
    <message>
        <source>Dialog</source>
        <translation>對話方塊</translation>
    </message>
    <message>
        <source>Create your password:</source>
        <translation>建立密碼：</translation>
    </message>
    <message>
        <source>Confirm your password:</source>
        <translation>確認密碼：</translation>
    </message>
    <message>
        <source>Password Strength:</source>
        <translation>密碼強度：</translation>
    </message>
    <message>
        <source>Virtual keyboard</source>
        <translation>虛擬鍵盤</translation>
    </message>
    <message>
        <source>Use more than 6 characters</source>
        <translation>使用超過 6 個字元</translation>
    </message>
    <message>
        <source>Use numeric and alpha numeric characters</source>
        <translation>同時使用數字與字母</translation>
    </message>
    <message>
        <source>Use upper- and lower case characters</source>
        <translation>同時使用大寫與小寫字母</translation>
    </message>
    <message>
        <source>Use special characters (#, $, !, %, &amp;&amp;, ^, *)</source>
        <translation>使用特殊字元（#, $, !, %, &amp;&amp;, ^, *）</translation>
    </message>
    <message>
        <source>Create Password</source>
        <translation>建立密碼</translation>
    </message>
    <message>
        <source>Password Hint: (optional)</source>
        <translation>密碼提示：（選填）</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:10pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;You can type a password hint here, to help you remember your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;Try to pick a word or phrase that is clear enough to remind you, but vague&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;enough that nobody can guess your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(For example, the password &amp;quot;R0sebud#1941&amp;quot; with the hint &amp;quot;sled&amp;quot;.)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:10pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;您可以在此輸入密碼提示，協助您記住密碼。&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;請挑選一個足以提醒您、但又夠模糊的字詞或片語，&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;讓任何人都猜不出您的密碼。&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;（例如，密碼 &amp;quot;R0sebud#1941&amp;quot; 搭配提示 &amp;quot;sled&amp;quot;。）&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Password Recommendations:</source>
        <translation>密碼建議：</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source> - Select Files to Encrypt</source>
        <translation> - 選取要加密的檔案</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>加密</translation>
    </message>
    <message>
        <source>Cannot add files here.</source>
        <translation>無法在此處加入檔案。</translation>
    </message>
    <message>
        <source>These items could not be found and were not added:
%1</source>
        <translation>找不到下列項目，因此未加入：
%1</translation>
    </message>
    <message>
        <source>Would you like to completely remove the original file(s) from your computer?</source>
        <translation>是否要從電腦中完全移除原始檔案？</translation>
    </message>
    <message>
        <source>You are about to securely wipe the original file(s) from your computer. You will not be able to recover these file(s) once they have been removed. Do you wish to continue?</source>
        <translation>您即將從電腦中安全抹除原始檔案。檔案移除後將無法復原。是否繼續？</translation>
    </message>
    <message>
        <source>The vault %1 could not be saved, so the files just added are not kept in it. The original files have not been removed.</source>
        <translation>無法儲存保險庫 %1，因此剛加入的檔案並未保存在其中。原始檔案未被移除。</translation>
    </message>
    <message>
        <source>The files added to the vault %1 could not be written safely to its disk. The original files have not been removed.</source>
        <translation>加入保險庫 %1 的檔案無法安全寫入其磁碟。原始檔案未被移除。</translation>
    </message>
    <message>
        <source>can not remove</source>
        <translation>無法移除</translation>
    </message>
    <message>
        <source>This file is read-only or locked by another application.

Press &apos;Try Again&apos; to try to remove it, &apos;Ignore&apos; to continue or &apos;Cancel&apos; to stop removing files.</source>
        <translation>此檔案為唯讀，或已被其他應用程式鎖定。

按「重試」再次嘗試移除，按「忽略」繼續，或按「取消」停止移除檔案。</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>重試</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>忽略</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source> is neither a directory nor a file. %1 encrypts a directory or a file only. Please try again.</source>
        <translation> 既不是資料夾也不是檔案。%1 只能加密資料夾或檔案。請再試一次。</translation>
    </message>
    <message>
        <source>The folder %1 was not added: a file of the same name is already there.</source>
        <translation>未加入資料夾 %1：已有同名的檔案。</translation>
    </message>
    <message>
        <source>The folder %1 could not be added: %2</source>
        <translation>無法加入資料夾 %1：%2</translation>
    </message>
    <message>
        <source>%1 was not added: it is not a file that can be read.</source>
        <translation>未加入 %1：它不是可讀取的檔案。</translation>
    </message>
    <message>
        <source>The application can not add more files because the vault&apos;s disk is full.</source>
        <translation>保險庫所在的磁碟已滿，應用程式無法再加入檔案。</translation>
    </message>
    <message>
        <source>It is not possible to encrypt the selected file. This may be due to a restriction of the USB flash drive file system or the drive is full.</source>
        <translation>無法加密選取的檔案。這可能是因為隨身碟檔案系統的限制，或磁碟機已滿。</translation>
    </message>
    <message>
        <source>The file %1 was not added: a folder of the same name is already there.</source>
        <translation>未加入檔案 %1：已有同名的資料夾。</translation>
    </message>
    <message>
        <source>%1 already contains a file name &apos;</source>
        <translation>%1 已包含名為 &apos;</translation>
    </message>
    <message>
        <source>&apos;. Would you like to replace the existing file?</source>
        <translation>&apos; 的檔案。是否要取代現有檔案？</translation>
    </message>
    <message>
        <source>The copy operation was cancelled by the user</source>
        <translation>複製作業已由使用者取消</translation>
    </message>
    <message>
        <source>%1 could not be added: %2</source>
        <translation>無法加入 %1：%2</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>未知的錯誤</translation>
    </message>
    <message>
        <source>%1 could not be encrypted into the vault: %2</source>
        <translation>無法將 %1 加密至保險庫：%2</translation>
    </message>
    <message>
        <source>The selected items lie in more than one vault. Please select the one vault to back up.</source>
        <translation>選取的項目位於多個保險庫中。請只選取一個要備份的保險庫。</translation>
    </message>
    <message>
        <source>Please select the vault to back up.</source>
        <translation>請選取要備份的保險庫。</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>正在備份...</translation>
    </message>
    <message>
        <source>You don&apos;t have any backup file in backup location</source>
        <translation>備份位置中沒有任何備份檔案</translation>
    </message>
    <message>
        <source>The list of vaults could not be saved to %1.</source>
        <translation>無法將保險庫清單儲存至 %1。</translation>
    </message>
    <message>
        <source>%1 cannot continue because the USB drive used has been removed. Click OK to exit %1</source>
        <translation>由於使用中的 USB 磁碟機已被移除，%1 無法繼續執行。按一下「確定」結束 %1</translation>
    </message>
    <message>
        <source>Please choose a folder to extract the file(s) to:</source>
        <translation>請選擇要將檔案擷取至哪個資料夾：</translation>
    </message>
    <message>
        <source>Selected files are extracted to: [%1]</source>
        <translation>選取的檔案已擷取至：[%1]</translation>
    </message>
    <message>
        <source>The filename %1 contains characters that are not allowed on all platforms and cannot be copied.</source>
        <translation>檔名 %1 包含某些平台不允許的字元，無法複製。</translation>
    </message>
    <message>
        <source>The folder already contains a file name &apos;%1&apos;. Would you like to replace the existing file?</source>
        <translation>此資料夾已包含名為 &apos;%1&apos; 的檔案。是否要取代現有檔案？</translation>
    </message>
    <message>
        <source>The file %1 could not be written.
Error: %2</source>
        <translation>無法寫入檔案 %1。
錯誤：%2</translation>
    </message>
    <message>
        <source>The %1 can not create a directory on your path.</source>
        <translation>%1 無法在您的路徑中建立資料夾。</translation>
    </message>
    <message>
        <source>This file is already open or being used. The error is: %1</source>
        <translation>此檔案已開啟或正在使用中。錯誤訊息：%1</translation>
    </message>
    <message>
        <source>There is no default application specified to open the document [%1]</source>
        <translation>未指定開啟文件 [%1] 的預設應用程式</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>無法啟動 %1。</translation>
    </message>
    <message>
        <source>This vault could not be loaded, it may be located on another computer or the original vault file has been manually removed.</source>
        <translation>無法載入此保險庫，它可能位於另一部電腦上，或原始保險庫檔案已被手動移除。</translation>
    </message>
    <message>
        <source>This vault could not be loaded, it may be located on another computer or the original vault file has been manually removed. The error is: %1</source>
        <translation>無法載入此保險庫，它可能位於另一部電腦上，或原始保險庫檔案已被手動移除。錯誤訊息：%1</translation>
    </message>
    <message>
        <source>Please make sure that your flash drive is formatted and that it is not write-protected.</source>
        <translation>請確認您的隨身碟已格式化，且未處於防寫狀態。</translation>
    </message>
    <message>
        <source>Unable to write vault structure. This program cannot continue.</source>
        <translation>無法寫入保險庫結構。本程式無法繼續執行。</translation>
    </message>
    <message>
        <source>A vault already exists on the flash drive. Do you want to use that vault?</source>
        <translation>隨身碟上已有一個保險庫。是否要使用該保險庫？</translation>
    </message>
    <message>
        <source>Please enter a new password to decrypt the key:</source>
        <translation>請輸入新密碼以解密金鑰：</translation>
    </message>
    <message>
        <source>Enter your password to unlock the vault:</source>
        <translation>輸入密碼以解鎖保險庫：</translation>
    </message>
    <message>
        <source>That is not the correct password for this vault. Do you want to try again?</source>
        <translation>此密碼不是這個保險庫的正確密碼。是否要再試一次？</translation>
    </message>
    <message>
        <source>%1 cannot continue as there is already a vault on the flash drive. Please remove it and try again.</source>
        <translation>隨身碟上已有一個保險庫，%1 無法繼續。請將其移除後再試一次。</translation>
    </message>
    <message>
        <source>The file %1 is damaged and could not be read. This is not caused by your password.</source>
        <translation>檔案 %1 已損毀，無法讀取。這並非您的密碼所造成。</translation>
    </message>
    <message>
        <source>Your password is not correct. Please try again.</source>
        <translation>您的密碼不正確。請再試一次。</translation>
    </message>
    <message>
        <source>You have exceeded the maximum (10) login attempts. You must wait 1 minute before trying to login again.</source>
        <translation>您已超過登入嘗試次數上限（10 次）。必須等候 1 分鐘才能再次登入。</translation>
    </message>
    <message>
        <source> - Virtual Keyboard</source>
        <translation> - 虛擬鍵盤</translation>
    </message>
    <message>
        <source>The vault on your Flash Drive is missing, do you want to create a new one?</source>
        <translation>隨身碟上的保險庫遺失，是否要建立新的保險庫？</translation>
    </message>
    <message>
        <source>These opened files hold changes that could not be put into their vault (its folder was not found or could not be written), so they were kept unencrypted on the disk:
%1

Their changes are put into the vault as soon as it can be reached again.</source>
        <translation>下列已開啟的檔案含有無法寫入其保險庫的變更（找不到其資料夾或無法寫入），因此以未加密的形式保留在磁碟上：
%1

一旦能再次存取該保險庫，這些變更就會寫入其中。</translation>
    </message>
    <message>
        <source>These files hold changes that are not in their vault yet:
%1

If you quit now, the changes stay only in these unencrypted copies. Quit anyway?</source>
        <translation>下列檔案含有尚未寫入其保險庫的變更：
%1

如果現在結束，這些變更將只保留在這些未加密的副本中。仍要結束嗎？</translation>
    </message>
    <message>
        <source>Your %1 password has reached it&apos;s timeout date. It is recommended that you change your password often to ensure the highest level of security. Would you like to change it now?</source>
        <translation>您的 %1 密碼已到期。建議您經常變更密碼，以確保最高等級的安全性。是否要立即變更？</translation>
    </message>
    <message>
        <source>, Vault Protection: %1</source>
        <translation>，保險庫保護：%1</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source> (%1% used)</source>
        <translation> （已使用 %1%）</translation>
    </message>
    <message>
        <source> (%1 items)</source>
        <translation> （%1 個項目）</translation>
    </message>
    <message>
        <source>No drive to work on was found: %1</source>
        <translation>找不到可用的磁碟機：%1</translation>
    </message>
    <message>
        <source>Please choose a folder to synchronise this folder with:</source>
        <translation>請選擇要與此資料夾同步的資料夾：</translation>
    </message>
    <message>
        <source>Checking for updates... please wait</source>
        <translation>正在檢查更新... 請稍候</translation>
    </message>
    <message>
        <source> - New Version Available</source>
        <translation> - 有新版本可用</translation>
    </message>
    <message>
        <source>Updates are not available: this copy of %1 has no update server to ask.</source>
        <translation>無法取得更新：此份 %1 沒有可查詢的更新伺服器。</translation>
    </message>
    <message>
        <source> - Update Configuration</source>
        <translation> - 更新設定</translation>
    </message>
    <message>
        <source>Downloading the update...              </source>
        <translation>正在下載更新...              </translation>
    </message>
    <message>
        <source>Unable to save the file %1: %2.</source>
        <translation>無法儲存檔案 %1：%2。</translation>
    </message>
    <message>
        <source>The update could not be installed.</source>
        <translation>無法安裝更新。</translation>
    </message>
    <message>
        <source>Download failed: %1.</source>
        <translation>下載失敗：%1。</translation>
    </message>
    <message>
        <source>The application will now restart.</source>
        <translation>應用程式即將重新啟動。</translation>
    </message>
    <message>
        <source>Please select a location for the new vault:</source>
        <translation>請選取新保險庫的位置：</translation>
    </message>
    <message>
        <source>The selected folder already contains a vault. Use Add Existing Vault to connect it.</source>
        <translation>選取的資料夾已包含一個保險庫。請使用「加入現有保險庫」來連接它。</translation>
    </message>
    <message>
        <source>The filename %1 contains characters that are not allowed on all platforms.</source>
        <translation>檔名 %1 包含某些平台不允許的字元。</translation>
    </message>
    <message>
        <source>A Vault with the name you specified already exists. Specify a different vault name and try again.</source>
        <translation>已有相同名稱的保險庫。請指定其他保險庫名稱後再試一次。</translation>
    </message>
    <message>
        <source>Do you really want to remove the selected vault?</source>
        <translation>確定要移除選取的保險庫嗎？</translation>
    </message>
    <message>
        <source>The selected item is not a vault.</source>
        <translation>選取的項目不是保險庫。</translation>
    </message>
    <message>
        <source>Please choose the folder of your existing vault(s):</source>
        <translation>請選擇現有保險庫所在的資料夾：</translation>
    </message>
    <message>
        <source>The selected folder does not contain a vault.</source>
        <translation>選取的資料夾不包含保險庫。</translation>
    </message>
    <message>
        <source>A vault with the same name already exists.
Please enter a new name</source>
        <translation>已有相同名稱的保險庫。
請輸入新名稱</translation>
    </message>
    <message>
        <source>Please try again and enter a password</source>
        <translation>請再試一次並輸入密碼</translation>
    </message>
    <message>
        <source>The password is not correct for this vault.</source>
        <translation>此密碼不是這個保險庫的正確密碼。</translation>
    </message>
    <message>
        <source>Unable to add this Vault. A Vault with the same name already exists. The error is: %1</source>
        <translation>無法加入此保險庫。已有相同名稱的保險庫。錯誤訊息：%1</translation>
    </message>
    <message>
        <source>You have choosen to delete the vault titled [%1]. All files within this vault will also be deleted. Do you wish to continue?</source>
        <translation>您已選擇刪除名為 [%1] 的保險庫。此保險庫中的所有檔案也會一併刪除。是否繼續？</translation>
    </message>
    <message>
        <source>Do you really want to delete the selected item(s)?</source>
        <translation>確定要刪除選取的項目嗎？</translation>
    </message>
    <message>
        <source>Please enter a name for your new folder:                    </source>
        <translation>請輸入新資料夾的名稱：                    </translation>
    </message>
    <message>
        <source>Failed to create the &apos;%1&apos; directory</source>
        <translation>無法建立資料夾 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>You cannot create a folder here.</source>
        <translation>無法在此處建立資料夾。</translation>
    </message>
    <message>
        <source>A folder with the name you specified already exists. Specify a different folder name and try again.</source>
        <translation>已有相同名稱的資料夾。請指定其他資料夾名稱後再試一次。</translation>
    </message>
    <message>
        <source>Do you really want to remove the selected folder?</source>
        <translation>確定要移除選取的資料夾嗎？</translation>
    </message>
    <message>
        <source>The selected item is not a folder.</source>
        <translation>選取的項目不是資料夾。</translation>
    </message>
    <message>
        <source>Please enter a new name:                                        </source>
        <translation>請輸入新名稱：                                        </translation>
    </message>
    <message>
        <source>The file name extension is going to be changed. Do you really want to rename it?</source>
        <translation>副檔名將會變更。確定要重新命名嗎？</translation>
    </message>
    <message>
        <source>An item with the name you specified already exists. Please try again.</source>
        <translation>已有相同名稱的項目。請再試一次。</translation>
    </message>
    <message>
        <source> - Vault Property</source>
        <translation> - 保險庫內容</translation>
    </message>
    <message>
        <source>Load Vault</source>
        <translation>載入保險庫</translation>
    </message>
    <message>
        <source>The vault&apos;s location is accessible but the vault could not be loaded. Do you want to try to repair the vault?</source>
        <translation>可以存取保險庫所在位置，但無法載入保險庫。是否要嘗試修復保險庫？</translation>
    </message>
    <message>
        <source>The index of the vault %1 could not be saved.</source>
        <translation>無法儲存保險庫 %1 的索引。</translation>
    </message>
    <message>
        <source>%1 - Confirm file delete</source>
        <translation>%1 - 確認刪除檔案</translation>
    </message>
    <message>
        <source>Backup failed: %1</source>
        <translation>備份失敗：%1</translation>
    </message>
    <message>
        <source>A synchronisation is running; please try again when it has finished.</source>
        <translation>正在進行同步；請在同步完成後再試一次。</translation>
    </message>
    <message>
        <source>There is nothing to backup as your vault does not contain any data.</source>
        <translation>您的保險庫不含任何資料，無須備份。</translation>
    </message>
    <message>
        <source>Vault %1 does not exist.</source>
        <translation>保險庫 %1 不存在。</translation>
    </message>
    <message>
        <source>the new backup could not be read back.</source>
        <translation>無法讀回新的備份。</translation>
    </message>
    <message>
        <source>Backup completed successfully.</source>
        <translation>備份已成功完成。</translation>
    </message>
    <message>
        <source>There is already a file with the same name in this location. Do you want to replace it?</source>
        <translation>此位置已有同名的檔案。是否要取代它？</translation>
    </message>
    <message>
        <source>%1 item(s) could not be moved:
%2</source>
        <translation>無法移動 %1 個項目：
%2</translation>
    </message>
    <message>
        <source>%1 item(s) could not be copied:
%2</source>
        <translation>無法複製 %1 個項目：
%2</translation>
    </message>
    <message>
        <source>Moving Item...</source>
        <translation>正在移動項目...</translation>
    </message>
    <message>
        <source>Can not move</source>
        <translation>無法移動</translation>
    </message>
    <message>
        <source>The extracted files could not be written safely to %1. Check the disk and extract them again.</source>
        <translation>無法將擷取的檔案安全寫入 %1。請檢查磁碟後再重新擷取。</translation>
    </message>
    <message>
        <source>The application can not rename a file</source>
        <translation>應用程式無法重新命名檔案</translation>
    </message>
    <message>
        <source>Are you sure you want to permanently delete this folder?</source>
        <translation>確定要永久刪除此資料夾嗎？</translation>
    </message>
    <message>
        <source>Are you sure you want to permanently delete this file?</source>
        <translation>確定要永久刪除此檔案嗎？</translation>
    </message>
    <message>
        <source>Are you sure you want to permanently delete these %1 items?</source>
        <translation>確定要永久刪除這 %1 個項目嗎？</translation>
    </message>
    <message>
        <source> - Options</source>
        <translation> - 選項</translation>
    </message>
    <message>
        <source>The options could not be saved to %1. They hold until the program ends.</source>
        <translation>無法將選項儲存至 %1。這些選項在程式結束前仍然有效。</translation>
    </message>
    <message>
        <source>Password Hint</source>
        <translation>密碼提示</translation>
    </message>
    <message>
        <source> - Change Password</source>
        <translation> - 變更密碼</translation>
    </message>
    <message>
        <source>The current password entered is invalid. Please try again.</source>
        <translation>輸入的目前密碼無效。請再試一次。</translation>
    </message>
    <message>
        <source>The list of vaults %1 could not be read. Your password has not been changed.</source>
        <translation>無法讀取保險庫清單 %1。您的密碼並未變更。</translation>
    </message>
    <message>
        <source>The list of vaults could not be saved to %1. Your password has not been changed; the current password still opens your vaults.</source>
        <translation>無法將保險庫清單儲存至 %1。您的密碼並未變更；目前的密碼仍可開啟您的保險庫。</translation>
    </message>
    <message>
        <source>Your password has been changed, but the key files of these vaults could not be written and still hold their keys under the old password:
%1

The vaults open as before; only adding such a folder again as an existing vault needs the old password.</source>
        <translation>您的密碼已變更，但無法寫入下列保險庫的金鑰檔案，其中的金鑰仍以舊密碼保護：
%1

這些保險庫仍可照常開啟；只有將此類資料夾再次加入為現有保險庫時，才需要舊密碼。</translation>
    </message>
    <message>
        <source>Unable to write vault structure. The vault was not created.</source>
        <translation>無法寫入保險庫結構。保險庫未建立。</translation>
    </message>
    <message>
        <source>Unable to write vault structure. The vault was not added.</source>
        <translation>無法寫入保險庫結構。保險庫未加入。</translation>
    </message>
    <message>
        <source>An earlier list of vaults was found on the drive. It was kept as %1.</source>
        <translation>在磁碟機上發現先前的保險庫清單，已保留為 %1。</translation>
    </message>
    <message>
        <source>The key of the vault %1 in %2 is damaged. The vault&apos;s own key file still opens it: disconnect the vault and add it again with Add Existing Vault.</source>
        <translation>%2 中保險庫 %1 的金鑰已損毀。保險庫本身的金鑰檔仍可開啟它：請中斷保險庫連線，再以「加入現有保險庫」重新加入。</translation>
    </message>
    <message>
        <source>Your password has been changed, but the key files of these vaults are damaged and were left as they are:
%1

The vaults open as before, but such a folder can&apos;t be added again as an existing vault.</source>
        <translation>密碼已變更，但下列保險庫的金鑰檔已損毀，已保持原樣：
%1

這些保險庫仍可照常開啟，但此類資料夾無法再作為現有保險庫加入。</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged. It was kept as %2, and the default settings are used.</source>
        <translation>設定檔 %1 已損毀。已保留為 %2，並改用預設設定。</translation>
    </message>
</context>
<context>
    <name>MainWindowClass</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source> No </source>
        <translation> 否 </translation>
    </message>
    <message>
        <source> Yes </source>
        <translation> 是 </translation>
    </message>
    <message>
        <source>Encrypting...</source>
        <translation>正在加密...</translation>
    </message>
    <message>
        <source>Yes to All</source>
        <translation>全部皆是</translation>
    </message>
    <message>
        <source>Decrypting...</source>
        <translation>正在解密...</translation>
    </message>
    <message>
        <source>Decrypting Item...</source>
        <translation>正在解密項目...</translation>
    </message>
    <message>
        <source>Flash Drive</source>
        <translation>隨身碟</translation>
    </message>
    <message>
        <source> - Create Password</source>
        <translation> - 建立密碼</translation>
    </message>
    <message>
        <source> - About</source>
        <translation> - 關於</translation>
    </message>
    <message>
        <source>This vault could not be loaded, it may be located on another computer or the original vault file has been manually removed. The error is: %1</source>
        <translation>無法載入此保險庫，它可能位於另一部電腦上，或原始保險庫檔案已被手動移除。錯誤訊息：%1</translation>
    </message>
    <message>
        <source>[Select Language]</source>
        <translation>[選擇語言]</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>登入</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>忘記密碼？</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>虛擬鍵盤</translation>
    </message>
    <message>
        <source>Enter Your Password</source>
        <translation>輸入您的密碼</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>搜尋...</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>我的電腦</translation>
    </message>
    <message>
        <source>My Vault</source>
        <translation>我的保險庫</translation>
    </message>
    <message>
        <source>Add File(s)</source>
        <translation>加入檔案</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重新命名</translation>
    </message>
    <message>
        <source>New Vault</source>
        <translation>新增保險庫</translation>
    </message>
    <message>
        <source>Disconnect Vault</source>
        <translation>中斷保險庫連線</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>同步</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>詳細資料</translation>
    </message>
    <message>
        <source>List</source>
        <translation>清單</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>圖示</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>資料夾</translation>
    </message>
    <message>
        <source>Get Online Support</source>
        <translation>取得線上支援</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>新增資料夾</translation>
    </message>
    <message>
        <source>Remove Folder</source>
        <translation>移除資料夾</translation>
    </message>
    <message>
        <source>Save File(s) to...</source>
        <translation>將檔案儲存至...</translation>
    </message>
    <message>
        <source>Add Existing Vault</source>
        <translation>加入現有保險庫</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>變更密碼</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>檢查更新</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>鎖定</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪下</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼上</translation>
    </message>
    <message>
        <source>Move to Folder...</source>
        <translation>移至資料夾...</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>上一頁</translation>
    </message>
    <message>
        <source>Go Forward</source>
        <translation>下一頁</translation>
    </message>
    <message>
        <source>Go Home</source>
        <translation>首頁</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全選</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>桌面</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>電腦</translation>
    </message>
    <message>
        <source>Backup Vault Data</source>
        <translation>備份保險庫資料</translation>
    </message>
    <message>
        <source>Restore Vault Data</source>
        <translation>還原保險庫資料</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>選項...</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>內容</translation>
    </message>
    <message>
        <source>Add Sync Peer</source>
        <translation>加入同步對象</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>在檔案管理員中顯示</translation>
    </message>
    <message>
        <source>Backup Vault</source>
        <translation>備份保險庫</translation>
    </message>
    <message>
        <source>File</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>View</source>
        <translation>檢視</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>Main ToolBar</source>
        <translation>主工具列</translation>
    </message>
    <message>
        <source>Could not create random bytes.</source>
        <translation>無法產生隨機位元組。</translation>
    </message>
    <message>
        <source>The password cannot contain these characters: %1
Please use only letters, digits and signs of Western European languages.</source>
        <translation>密碼不能包含下列字元：%1
請只使用字母、數字及西歐語言的符號。</translation>
    </message>
    <message>
        <source> - Virtual Keyboard</source>
        <translation> - 虛擬鍵盤</translation>
    </message>
    <message>
        <source>Weak</source>
        <translation>弱</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>普通</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>良好</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>極佳</translation>
    </message>
    <message>
        <source>Passwords do not match</source>
        <translation>密碼不相符</translation>
    </message>
    <message>
        <source>Invalid current item name.</source>
        <translation>目前的項目名稱無效。</translation>
    </message>
    <message>
        <source>Damaged item record in archive.</source>
        <translation>封存中的項目記錄已損毀。</translation>
    </message>
    <message>
        <source>Invalid item name in archive.</source>
        <translation>封存中的項目名稱無效。</translation>
    </message>
    <message>
        <source>Duplicate item name.</source>
        <translation>項目名稱重複。</translation>
    </message>
    <message>
        <source>Invalid item name.</source>
        <translation>項目名稱無效。</translation>
    </message>
    <message>
        <source>Damaged vault header in archive.</source>
        <translation>封存中的保險庫標頭已損毀。</translation>
    </message>
    <message>
        <source>Invalid parent path in archive.</source>
        <translation>封存中的上層路徑無效。</translation>
    </message>
    <message>
        <source>Invalid class name in archive.</source>
        <translation>封存中的類別名稱無效。</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>類型</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Date Created</source>
        <translation>建立日期</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>磁碟機</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>資料夾</translation>
    </message>
    <message>
        <source>Copying  file...</source>
        <translation>正在複製檔案...</translation>
    </message>
    <message>
        <source>Copying Item...</source>
        <translation>正在複製項目...</translation>
    </message>
    <message>
        <source>Can not move</source>
        <translation>無法移動</translation>
    </message>
    <message>
        <source>Processing Items...</source>
        <translation>正在處理項目...</translation>
    </message>
    <message>
        <source>Moving Item...</source>
        <translation>正在移動項目...</translation>
    </message>
    <message>
        <source>There is already an item with the same name in this location. Do you want to replace it?</source>
        <translation>此位置已有同名的項目。是否要取代它？</translation>
    </message>
    <message>
        <source>Failed to move</source>
        <translation>移動失敗</translation>
    </message>
    <message>
        <source>Failed to copy</source>
        <translation>複製失敗</translation>
    </message>
    <message>
        <source>The application can not add more files because the vault&apos;s disk is full.</source>
        <translation>保險庫所在的磁碟已滿，應用程式無法再加入檔案。</translation>
    </message>
    <message>
        <source>Moving file...</source>
        <translation>正在移動檔案...</translation>
    </message>
    <message>
        <source>Copy folder...</source>
        <translation>複製資料夾...</translation>
    </message>
    <message>
        <source>Add a vault here</source>
        <translation>在此加入保險庫</translation>
    </message>
    <message>
        <source>Add a file or create a folder here</source>
        <translation>在此加入檔案或建立資料夾</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Ok</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Timeouts</source>
        <translation>逾時</translation>
    </message>
    <message>
        <source>Application timeout</source>
        <translation>應用程式逾時</translation>
    </message>
    <message>
        <source>Timeout in minutes:</source>
        <translation>逾時（分鐘）：</translation>
    </message>
    <message>
        <source>0 = Timeout Disabled</source>
        <translation>0 = 停用逾時</translation>
    </message>
    <message>
        <source>Password expiration</source>
        <translation>密碼到期</translation>
    </message>
    <message>
        <source>Expiration in days:</source>
        <translation>到期天數：</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>File delete confirmation</source>
        <translation>檔案刪除確認</translation>
    </message>
    <message>
        <source>Restore to default</source>
        <translation>還原為預設值</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>加密</translation>
    </message>
    <message>
        <source>AES 256 bit</source>
        <translation>AES 256 位元</translation>
    </message>
    <message>
        <source>AES 512 bit</source>
        <translation>AES 512 位元</translation>
    </message>
    <message>
        <source>Preferred encryption method:</source>
        <translation>偏好的加密方式：</translation>
    </message>
    <message>
        <source>AES 128 bit</source>
        <translation>AES 128 位元</translation>
    </message>
    <message>
        <source>AES 1024 bit</source>
        <translation>AES 1024 位元</translation>
    </message>
    <message>
        <source>Locations</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Backup options</source>
        <translation>備份選項</translation>
    </message>
    <message>
        <source>Backup location</source>
        <translation>備份位置</translation>
    </message>
    <message>
        <source>Application Data</source>
        <translation>應用程式資料</translation>
    </message>
    <message>
        <source>My Documents</source>
        <translation>我的文件</translation>
    </message>
    <message>
        <source>Mount options</source>
        <translation>掛載選項</translation>
    </message>
    <message>
        <source>Mount location</source>
        <translation>掛載位置</translation>
    </message>
    <message>
        <source>None</source>
        <translation>無</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路徑</translation>
    </message>
    <message>
        <source>Backup retention</source>
        <translation>備份保留</translation>
    </message>
    <message>
        <source>Keep number of backups:</source>
        <translation>保留的備份數量：</translation>
    </message>
    <message>
        <source>Enable automatic backup retention</source>
        <translation>啟用自動備份保留</translation>
    </message>
    <message>
        <source>You will need to restart the application for these changes to take effect</source>
        <translation>您必須重新啟動應用程式，這些變更才會生效</translation>
    </message>
</context>
<context>
    <name>PleaseWaitDialog</name>
    <message>
        <source>Dialog</source>
        <translation>對話方塊</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A backup is running. Please wait until it has finished before you quit the program or eject the flash drive.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;正在進行備份。請等候備份完成後，再結束程式或退出隨身碟。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>ProblemReport</name>
    <message>
        <source>A problem occured</source>
        <translation>發生問題</translation>
    </message>
    <message>
        <source>Sending Report. . .</source>
        <translation>正在傳送報告. . .</translation>
    </message>
    <message>
        <source>Send Report</source>
        <translation>傳送報告</translation>
    </message>
    <message>
        <source>Report was sent successful!</source>
        <translation>報告已成功傳送！</translation>
    </message>
    <message>
        <source>Error sending report!
%2 (%1)</source>
        <translation>傳送報告時發生錯誤！
%2 (%1)</translation>
    </message>
</context>
<context>
    <name>RestoreWizard</name>
    <message>
        <source>Restore Wizard</source>
        <translation>還原精靈</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Welcome to the restore wizard.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;This wizard will guide you through the process of restoring current data from a previous backup.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;歡迎使用還原精靈。&lt;/p&gt;&lt;p&gt;&lt;br/&gt;本精靈將引導您從先前的備份還原目前的資料。&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Please choose the location to be restored from the backup file and click &apos;Next&apos; to proceed.</source>
        <translation>請選擇要從備份檔案還原的位置，然後按一下「下一步」繼續。</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Please select the backup to be restored and click &apos;Next&apos; to proceed.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;請選取要還原的備份，然後按一下「下一步」繼續。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>上一步</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The encryption key for the selected backup is not available. &lt;/p&gt;&lt;p&gt;A copy of the key is present in the backup, but is protected by a password.&lt;/p&gt;&lt;p&gt;Please enter the password that was in use when the backup was made and click &apos;Next&apos; to proceed.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;無法取得所選備份的加密金鑰。&lt;/p&gt;&lt;p&gt;備份中存有金鑰的副本，但受到密碼保護。&lt;/p&gt;&lt;p&gt;請輸入建立備份時所使用的密碼，然後按一下「下一步」繼續。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Password:&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;密碼：&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;You have entered an incorrect password. &lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;您輸入的密碼不正確。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Please go back and try again.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;請返回並再試一次。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;By clicking &apos;Restore&apos; you will replace all data in the selected vault with data from the backup.&lt;/p&gt;&lt;p&gt;Click &apos;Back&apos; if any changes are needed before proceeding.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;按一下「還原」後，選取的保險庫中的所有資料都會被備份中的資料取代。&lt;/p&gt;&lt;p&gt;如需在繼續之前進行變更，請按一下「上一步」。&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>New, empty folder for the vault:</source>
        <translation>用於保險庫的新空白資料夾：</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>瀏覽...</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>還原</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Restoring backup data.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;正在還原備份資料。&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;There are no other backup files available.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;沒有其他可用的備份檔案。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Data restored succesfully!&lt;br/&gt;&lt;/p&gt;&lt;p&gt;You can now close this Wizard and access the restored data.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;資料已成功還原！&lt;br/&gt;&lt;/p&gt;&lt;p&gt;您現在可以關閉此精靈並存取還原的資料。&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The backup was not restored.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;備份未還原。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Select the vault to restore</source>
        <translation>選取要還原的保險庫</translation>
    </message>
    <message>
        <source>Other unlisted vault</source>
        <translation>其他未列出的保險庫</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>昨天</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今天</translation>
    </message>
    <message>
        <source>%1 Days ago</source>
        <translation>%1 天前</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;By clicking &apos;Restore&apos; the backup becomes a new vault in the new, empty folder below. No existing vault is changed.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;按一下「還原」後，此備份會在下方的新空白資料夾中成為一個新的保險庫。不會變更任何現有的保險庫。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Choose a new, empty folder for the vault</source>
        <translation>為保險庫選擇新的空白資料夾</translation>
    </message>
    <message>
        <source>Please choose a new, empty folder for the restored vault.</source>
        <translation>請為還原的保險庫選擇新的空白資料夾。</translation>
    </message>
    <message>
        <source>%1 is not a folder. Please choose a new, empty folder for the restored vault.</source>
        <translation>%1 不是資料夾。請為還原的保險庫選擇新的空白資料夾。</translation>
    </message>
    <message>
        <source>The folder %1 is not empty. Please choose a new, empty folder for the restored vault.</source>
        <translation>資料夾 %1 不是空的。請為還原的保險庫選擇新的空白資料夾。</translation>
    </message>
    <message>
        <source>The folder %1 belongs to the vault %2. Please choose a new, empty folder for the restored vault.</source>
        <translation>資料夾 %1 屬於保險庫 %2。請為還原的保險庫選擇新的空白資料夾。</translation>
    </message>
    <message>
        <source>The folder %1 lies in the backup location. Please choose another folder.</source>
        <translation>資料夾 %1 位於備份位置中。請選擇其他資料夾。</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>無法建立資料夾 %1。</translation>
    </message>
    <message>
        <source>Restored vault</source>
        <translation>還原的保險庫</translation>
    </message>
    <message>
        <source>The backup can be copied straight over the vault&apos;s files instead. If that fails part-way, the vault can&apos;t be put back as it was. Restore anyway?</source>
        <translation>也可以將備份直接複製到保險庫的檔案上。如果中途失敗，保險庫將無法回復原狀。仍要還原嗎？</translation>
    </message>
    <message>
        <source> Yes </source>
        <translation> 是 </translation>
    </message>
    <message>
        <source> No </source>
        <translation> 否 </translation>
    </message>
    <message>
        <source>A synchronisation is running; please try again when it has finished.</source>
        <translation>正在進行同步；請在同步完成後再試一次。</translation>
    </message>
    <message>
        <source>The folder of the vault %1 is not available.</source>
        <translation>無法使用保險庫 %1 的資料夾。</translation>
    </message>
    <message>
        <source>The backup holds no vault index.</source>
        <translation>備份中不含保險庫索引。</translation>
    </message>
    <message>
        <source>There is not enough free space beside the vault to restore it safely: %1 are needed, %2 are free.</source>
        <translation>保險庫旁沒有足夠的可用空間來安全地還原：需要 %1，可用 %2。</translation>
    </message>
    <message>
        <source>No room could be made beside the vault folder %1 to restore into.</source>
        <translation>無法在保險庫資料夾 %1 旁騰出還原所需的空間。</translation>
    </message>
    <message>
        <source>The backup could not be copied: %1 The vault was not changed.</source>
        <translation>無法複製備份：%1 保險庫未變更。</translation>
    </message>
    <message>
        <source>The vault was not changed.</source>
        <translation>保險庫未變更。</translation>
    </message>
    <message>
        <source>The backup&apos;s files could not be put in place in the vault folder %1.</source>
        <translation>無法將備份的檔案放入保險庫資料夾 %1。</translation>
    </message>
    <message>
        <source>Some of the vault&apos;s own files could not be put back; they are kept in %1.</source>
        <translation>保險庫本身的部分檔案無法放回；它們保存在 %1 中。</translation>
    </message>
    <message>
        <source>The vault is as it was before.</source>
        <translation>保險庫維持原狀。</translation>
    </message>
    <message>
        <source>The vault&apos;s files are as they were before.</source>
        <translation>保險庫的檔案維持原狀。</translation>
    </message>
    <message>
        <source>The backup could not be copied: %1 The vault may be damaged; restore it again once there is more free space.</source>
        <translation>無法複製備份：%1 保險庫可能已損毀；請在有更多可用空間後再次還原。</translation>
    </message>
    <message>
        <source>The vault may be damaged.</source>
        <translation>保險庫可能已損毀。</translation>
    </message>
    <message>
        <source>The backup&apos;s index can&apos;t be opened with the key that was found for it.</source>
        <translation>無法使用為此備份找到的金鑰開啟備份的索引。</translation>
    </message>
    <message>
        <source>The backup&apos;s index can&apos;t be read.</source>
        <translation>無法讀取備份的索引。</translation>
    </message>
    <message>
        <source>The backup&apos;s index is damaged: %1</source>
        <translation>備份的索引已損毀：%1</translation>
    </message>
    <message>
        <source>The backup lacks the encrypted file of %1.</source>
        <translation>備份中缺少 %1 的加密檔案。</translation>
    </message>
    <message>
        <source>The restored vault could not be loaded: %1</source>
        <translation>無法載入還原的保險庫：%1</translation>
    </message>
    <message>
        <source>The restored vault could not be loaded.</source>
        <translation>無法載入還原的保險庫。</translation>
    </message>
    <message>
        <source>The encrypted file of %1 in the backup is not whole (%2).</source>
        <translation>備份中 %1 的加密檔案不完整（%2）。</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>無法寫入 %1：%2</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a symbolic link</source>
        <translation>無法寫入 %1：它是一個符號連結</translation>
    </message>
</context>
<context>
    <name>TAVBrowseFolderDialog</name>
    <message>
        <source>Dialog</source>
        <translation>對話方塊</translation>
    </message>
    <message>
        <source>Select a target folder:</source>
        <translation>選取目標資料夾：</translation>
    </message>
    <message>
        <source>Please select a target folder.</source>
        <translation>請選取目標資料夾。</translation>
    </message>
</context>
<context>
    <name>TAVCryptoThread</name>
    <message>
        <source>Cannot open file for read %1
Error: %2</source>
        <translation>無法開啟檔案以供讀取 %1
錯誤：%2</translation>
    </message>
    <message>
        <source>Cannot open file for write %1
Error: %2</source>
        <translation>無法開啟檔案以供寫入 %1
錯誤：%2</translation>
    </message>
</context>
<context>
    <name>TAVFile</name>
    <message>
        <source>File %1 does not exist</source>
        <translation>檔案 %1 不存在</translation>
    </message>
</context>
<context>
    <name>TAVFileWatcher</name>
    <message>
        <source>%1 is a symbolic link: the decrypted copy is not written there.</source>
        <translation>%1 是一個符號連結：解密的副本不會寫入該處。</translation>
    </message>
    <message>
        <source>%1 is open with changes that are not in the vault yet.</source>
        <translation>%1 已開啟，且含有尚未寫入保險庫的變更。</translation>
    </message>
    <message>
        <source>The folder %1 for the decrypted copy could not be made.</source>
        <translation>無法建立存放解密副本的資料夾 %1。</translation>
    </message>
    <message>
        <source>The changes of %1 could not be put into the vault: the vault is not open.</source>
        <translation>無法將 %1 的變更寫入保險庫：保險庫未開啟。</translation>
    </message>
    <message>
        <source>The changes of %1 could not be put into the vault: the vault&apos;s folder is not found.</source>
        <translation>無法將 %1 的變更寫入保險庫：找不到保險庫的資料夾。</translation>
    </message>
    <message>
        <source>The changes of %1 are in the vault, but the vault&apos;s index could not be saved.</source>
        <translation>%1 的變更已寫入保險庫，但無法儲存保險庫的索引。</translation>
    </message>
</context>
<context>
    <name>TAVItem</name>
    <message>
        <source>Decryption failed.</source>
        <translation>解密失敗。</translation>
    </message>
</context>
<context>
    <name>TAVProgressDialog</name>
    <message>
        <source>Dialog</source>
        <translation>對話方塊</translation>
    </message>
    <message>
        <source>Encrypting...</source>
        <translation>正在加密...</translation>
    </message>
    <message>
        <source>Estimated Time to Complete: 0.00 minutes</source>
        <translation>預估剩餘時間：0.00 分鐘</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>Estimated Time to Complete:</source>
        <translation>預估剩餘時間：</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>分鐘</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>小時</translation>
    </message>
</context>
<context>
    <name>TAVProgressLogDialog</name>
    <message>
        <source>Synchronization</source>
        <translation>同步</translation>
    </message>
    <message>
        <source>Synchronization progress:</source>
        <translation>同步進度：</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>No items is synced</source>
        <translation>沒有同步任何項目</translation>
    </message>
    <message>
        <source>Synchronization completed successfully.</source>
        <translation>同步已成功完成。</translation>
    </message>
    <message>
        <source>Synchronization finished, but not every file could be synchronized. See the lines above.</source>
        <translation>同步已結束，但並非所有檔案都能同步。請參閱上方各行。</translation>
    </message>
</context>
<context>
    <name>TAVSync</name>
    <message>
        <source>Synchronization cancelled.</source>
        <translation>同步已取消。</translation>
    </message>
    <message>
        <source>Vault is not loaded</source>
        <translation>保險庫未載入</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>此資料夾不存在。</translation>
    </message>
    <message>
        <source>The disk folder %1 is empty, but held %2 items at the last synchronization: nothing was deleted or copied for this peer.</source>
        <translation>磁碟資料夾 %1 是空的，但上次同步時含有 %2 個項目：未對此同步對象刪除或複製任何內容。</translation>
    </message>
    <message>
        <source>The vault folder %1 is empty, but held %2 items at the last synchronization: nothing was deleted or copied for this peer.</source>
        <translation>保險庫資料夾 %1 是空的，但上次同步時含有 %2 個項目：未對此同步對象刪除或複製任何內容。</translation>
    </message>
    <message>
        <source>The new files could not be written to the disk.</source>
        <translation>無法將新檔案寫入磁碟。</translation>
    </message>
    <message>
        <source>The vault&apos;s index could not be saved.</source>
        <translation>無法儲存保險庫的索引。</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>The item is no longer in the vault.</source>
        <translation>此項目已不在保險庫中。</translation>
    </message>
    <message>
        <source>A folder of that name is in the vault.</source>
        <translation>保險庫中已有同名的資料夾。</translation>
    </message>
    <message>
        <source>Its folder is not in the vault.</source>
        <translation>其所在的資料夾不在保險庫中。</translation>
    </message>
    <message>
        <source>Kept %1: it holds items the last synchronization did not know.</source>
        <translation>已保留 %1：其中含有上次同步時未知的項目。</translation>
    </message>
    <message>
        <source>Kept %1: it is reached through a symbolic link.</source>
        <translation>已保留 %1：它是透過符號連結存取的。</translation>
    </message>
    <message>
        <source>Kept %1: it holds files the last synchronization did not know.</source>
        <translation>已保留 %1：其中含有上次同步時未知的檔案。</translation>
    </message>
    <message>
        <source>The list of synchronization peers of this vault can&apos;t be read. Nothing was changed.</source>
        <translation>無法讀取此保險庫的同步對象清單。未做任何變更。</translation>
    </message>
    <message>
        <source>These folders are already synchronized.</source>
        <translation>這些資料夾已經同步。</translation>
    </message>
    <message>
        <source>The list of synchronization peers could not be written. The folder was not added.</source>
        <translation>無法寫入同步對象清單。未加入此資料夾。</translation>
    </message>
    <message>
        <source>This folder can&apos;t be synchronized: it is the vault&apos;s own folder, lies inside it or holds it.</source>
        <translation>無法同步此資料夾：它是保險庫本身的資料夾、位於其中或包含該資料夾。</translation>
    </message>
    <message>
        <source>This folder can&apos;t be synchronized: the application keeps its own files there.</source>
        <translation>無法同步此資料夾：應用程式在其中保存自己的檔案。</translation>
    </message>
    <message>
        <source>The folder could not be added.</source>
        <translation>無法加入此資料夾。</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>正在開始...</translation>
    </message>
    <message>
        <source>Synchronization finished with errors: see the lines above.</source>
        <translation>同步已結束，但發生錯誤：請參閱上方各行。</translation>
    </message>
    <message>
        <source>Another synchronization is running.</source>
        <translation>另一個同步正在進行中。</translation>
    </message>
    <message>
        <source>No synchronization peers defined.</source>
        <translation>未定義任何同步對象。</translation>
    </message>
    <message>
        <source>Skipped: %1 (names that differ only in case)</source>
        <translation>已略過：%1（名稱僅大小寫不同）</translation>
    </message>
    <message>
        <source>The folder can&apos;t be read: nothing was deleted or copied for this peer.</source>
        <translation>無法讀取該資料夾：此同步對象未刪除或複製任何內容。</translation>
    </message>
    <message>
        <source>The folder %1 was removed or replaced during the synchronization: nothing more was copied or deleted for this peer.</source>
        <translation>同步期間資料夾 %1 被移除或取代：此同步對象不再複製或刪除任何內容。</translation>
    </message>
    <message>
        <source>Kept %1: it changed on the disk during the synchronization.</source>
        <translation>已保留 %1：同步期間它在磁碟上被變更。</translation>
    </message>
    <message>
        <source>The vault&apos;s folder can&apos;t be written.</source>
        <translation>無法寫入保險庫的資料夾。</translation>
    </message>
    <message>
        <source>Skipped: %1 (a symbolic link)</source>
        <translation>已略過：%1（符號連結）</translation>
    </message>
    <message>
        <source>This folder can&apos;t be synchronized: it holds or lies inside a folder already synchronized with this vault.</source>
        <translation>無法同步此資料夾：它包含已與此保險庫同步的資料夾，或位於其中。</translation>
    </message>
    <message>
        <source>Failed: %1 (can&apos;t be read: %2)</source>
        <translation>失敗：%1（無法讀取：%2）</translation>
    </message>
    <message>
        <source>Skipped: %1 (not a file or a folder)</source>
        <translation>已略過：%1（既不是檔案也不是資料夾）</translation>
    </message>
</context>
<context>
    <name>TAVSyncProgressDialog</name>
    <message>
        <source>Synchronization</source>
        <translation>同步</translation>
    </message>
    <message>
        <source>Synchronization progress:</source>
        <translation>同步進度：</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>No items is synced</source>
        <translation>沒有同步任何項目</translation>
    </message>
    <message>
        <source>Synchronization completed successfully.</source>
        <translation>同步已成功完成。</translation>
    </message>
    <message>
        <source>Repair completed successfully.</source>
        <translation>修復已成功完成。</translation>
    </message>
    <message>
        <source>Synchronization finished with errors:</source>
        <translation>同步已結束，但發生錯誤：</translation>
    </message>
    <message>
        <source>Synchronization finished with errors. The lines in the progress window say which items could not be synchronized.</source>
        <translation>同步已結束，但發生錯誤。進度視窗中的各行列出了無法同步的項目。</translation>
    </message>
</context>
<context>
    <name>TavVaultProperty</name>
    <message>
        <source>Dialog</source>
        <translation>對話方塊</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>資訊</translation>
    </message>
    <message>
        <source>Type of encryption:</source>
        <translation>加密類型：</translation>
    </message>
    <message>
        <source>Total number of files:</source>
        <translation>檔案總數：</translation>
    </message>
    <message>
        <source>Total storage space:</source>
        <translation>總儲存空間：</translation>
    </message>
    <message>
        <source>Full Physical Path:</source>
        <translation>完整實體路徑：</translation>
    </message>
    <message>
        <source>Set Vault Password</source>
        <translation>設定保險庫密碼</translation>
    </message>
    <message>
        <source>Repair vault </source>
        <translation>修復保險庫 </translation>
    </message>
    <message>
        <source>Synchronization</source>
        <translation>同步</translation>
    </message>
    <message>
        <source>Synchronization peers:</source>
        <translation>同步對象：</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>主機</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>本機資料夾</translation>
    </message>
    <message>
        <source>Vault folder</source>
        <translation>保險庫資料夾</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>同步</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>This repair has already run.</source>
        <translation>此修復已經執行過。</translation>
    </message>
    <message>
        <source>The folder of the vault cannot be found: %1
Nothing was repaired.</source>
        <translation>找不到保險庫的資料夾：%1
未修復任何內容。</translation>
    </message>
    <message>
        <source>A repair of this vault is already running.</source>
        <translation>此保險庫的修復已在進行中。</translation>
    </message>
    <message>
        <source>A synchronization is running. Please try again when it has finished.</source>
        <translation>正在進行同步。請在同步完成後再試一次。</translation>
    </message>
    <message>
        <source>Start repair index file</source>
        <translation>開始修復索引檔案</translation>
    </message>
    <message>
        <source>The repair was cancelled. The index was not changed.</source>
        <translation>修復已取消。索引未變更。</translation>
    </message>
    <message>
        <source>Only %1 of the %2 files listed in the index of the vault &quot;%3&quot; were found in its folder %4.
If the drive or the folder is incomplete, repairing now takes the missing files out of the index.

Repair the index anyway?</source>
        <translation>保險庫 &quot;%3&quot; 的索引中列出的 %2 個檔案，在其資料夾 %4 中只找到 %1 個。
如果磁碟機或資料夾不完整，現在修復會將遺失的檔案從索引中移除。

仍要修復索引嗎？</translation>
    </message>
    <message>
        <source>The index was not repaired.</source>
        <translation>索引未修復。</translation>
    </message>
    <message>
        <source>The vault&apos;s key does not fit the files in its folder. Nothing was repaired.</source>
        <translation>保險庫的金鑰與其資料夾中的檔案不符。未修復任何內容。</translation>
    </message>
    <message>
        <source>The vault was closed during the repair. The index was not changed.</source>
        <translation>保險庫在修復期間被關閉。索引未變更。</translation>
    </message>
    <message>
        <source>The previous index could not be kept (%1). The index was not changed.</source>
        <translation>無法保留先前的索引（%1）。索引未變更。</translation>
    </message>
    <message>
        <source>The index could not be rebuilt. The index was not changed.</source>
        <translation>無法重建索引。索引未變更。</translation>
    </message>
    <message>
        <source>The repaired index could not be written. The previous index is kept.</source>
        <translation>無法寫入修復後的索引。先前的索引已保留。</translation>
    </message>
    <message>
        <source>The index was repaired: %1 files rebuilt (%2 of them in the folder &quot;%3&quot;), %4 removed, %5 skipped.</source>
        <translation>索引已修復：重建了 %1 個檔案（其中 %2 個位於資料夾 &quot;%3&quot;），移除了 %4 個，略過了 %5 個。</translation>
    </message>
    <message>
        <source>Please choose a folder to synchronise with:</source>
        <translation>請選擇要同步的資料夾：</translation>
    </message>
    <message>
        <source>This synchronization peer is no longer in the list of the vault.</source>
        <translation>此同步對象已不在該保險庫的清單中。</translation>
    </message>
    <message>
        <source>The list of synchronization peers of this vault could not be changed. The peer was not removed.</source>
        <translation>無法變更此保險庫的同步對象清單。未移除此同步對象。</translation>
    </message>
    <message>
        <source>Please try again and enter a password</source>
        <translation>請再試一次並輸入密碼</translation>
    </message>
    <message>
        <source>Please enter a new password to encrypt the key:</source>
        <translation>請輸入用來加密金鑰的新密碼：</translation>
    </message>
    <message>
        <source>Please enter the password again:</source>
        <translation>請再次輸入密碼：</translation>
    </message>
    <message>
        <source>The two passwords are not the same. The vault password was not changed.</source>
        <translation>兩次輸入的密碼不相同。保險庫密碼未變更。</translation>
    </message>
    <message>
        <source>The vault password could not be saved in %1. The key chain was not changed.</source>
        <translation>無法將保險庫密碼儲存至 %1。金鑰鏈未變更。</translation>
    </message>
    <message>
        <source>The vault password was set.</source>
        <translation>已設定保險庫密碼。</translation>
    </message>
    <message>
        <source>Repair Progress</source>
        <translation>修復進度</translation>
    </message>
</context>
<context>
    <name>UpdateAvailableDialog</name>
    <message>
        <source>Kolvane - New Version Available</source>
        <translation>Kolvane - 有新版本可用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
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
        <translation>Kolvane - 更新設定</translation>
    </message>
    <message>
        <source>How often do you want to check for updates?</source>
        <translation>您希望多久檢查一次更新？</translation>
    </message>
    <message>
        <source>Once a week</source>
        <translation>每週一次</translation>
    </message>
    <message>
        <source>Every two weeks</source>
        <translation>每兩週一次</translation>
    </message>
    <message>
        <source>Once a month</source>
        <translation>每月一次</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>永不</translation>
    </message>
    <message>
        <source>Check for updates now</source>
        <translation>立即檢查更新</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Thank you for using %1
You are using %1 %2. There are currently no updates available.
Please try again later.</source>
        <translation>感謝您使用 %1
您目前使用的是 %1 %2。目前沒有可用的更新。
請稍後再試。</translation>
    </message>
    <message>
        <source> - New Version Available</source>
        <translation> - 有新版本可用</translation>
    </message>
</context>
<context>
    <name>UpdateDownload</name>
    <message>
        <source>The server did not answer in time</source>
        <translation>伺服器未及時回應</translation>
    </message>
    <message>
        <source>A download is already under way</source>
        <translation>已有一項下載正在進行</translation>
    </message>
    <message>
        <source>The address %1 is not a secure one</source>
        <translation>位址 %1 不是安全的位址</translation>
    </message>
    <message>
        <source>The address %1 names no file</source>
        <translation>位址 %1 未指向任何檔案</translation>
    </message>
    <message>
        <source>Redirected without a new address</source>
        <translation>已重新導向，但沒有新的位址</translation>
    </message>
    <message>
        <source>Too many redirections</source>
        <translation>重新導向次數過多</translation>
    </message>
    <message>
        <source>Redirected from a secure address to %1</source>
        <translation>已從安全位址重新導向至 %1</translation>
    </message>
    <message>
        <source>The server answered %1</source>
        <translation>伺服器回應 %1</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>The package is larger than %1 MiB</source>
        <translation>更新套件大於 %1 MiB</translation>
    </message>
</context>
<context>
    <name>Utils</name>
    <message>
        <source>Start synchronizing files now.</source>
        <translation>現在開始同步檔案。</translation>
    </message>
    <message>
        <source>There are %1 file(s) to be synchronized.</source>
        <translation>有 %1 個檔案需要同步。</translation>
    </message>
</context>
<context>
    <name>Vir_KeyPad_Dialog</name>
    <message>
        <source>Virtual Keypad</source>
        <translation>虛擬鍵盤</translation>
    </message>
    <message>
        <source>Show Plain Text</source>
        <translation>顯示明文</translation>
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
        <translation>重設</translation>
    </message>
    <message>
        <source>Security Level</source>
        <translation>安全等級</translation>
    </message>
    <message>
        <source>Realtime</source>
        <translation>即時</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>一般</translation>
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
        <translation>磁碟機資料夾沒有資料用的資料夾。</translation>
    </message>
    <message>
        <source>%1 must name a folder by its full path: %2</source>
        <translation>%1 必須以完整路徑指定資料夾：%2</translation>
    </message>
    <message>
        <source>The drive folder %1 can&apos;t be made.</source>
        <translation>無法建立磁碟機資料夾 %1。</translation>
    </message>
    <message>
        <source>The drive folder can&apos;t be the root folder.</source>
        <translation>磁碟機資料夾不能是根資料夾。</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 can&apos;t be made: %2</source>
        <translation>無法建立磁碟機的序號檔案 %1：%2</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 can&apos;t be written: %2</source>
        <translation>無法寫入磁碟機的序號檔案 %1：%2</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 can&apos;t be read: %2</source>
        <translation>無法讀取磁碟機的序號檔案 %1：%2</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 is damaged.</source>
        <translation>磁碟機的序號檔案 %1 已損毀。</translation>
    </message>
    <message>
        <source>The drive folder %1 named by %2 does not exist.</source>
        <translation>%2 指定的磁碟機資料夾 %1 不存在。</translation>
    </message>
</context>
<context>
    <name>velmora_howto</name>
    <message>
        <source>Data Protection</source>
        <translation>資料保護</translation>
    </message>
    <message>
        <source>4 ways to protect your files</source>
        <translation>保護檔案的 4 種方式</translation>
    </message>
    <message>
        <source>Drag and drop files onto main screen</source>
        <translation>將檔案拖放到主畫面</translation>
    </message>
    <message>
        <source>Copy and paste files onto main screen</source>
        <translation>將檔案複製並貼上到主畫面</translation>
    </message>
    <message>
        <source>Click &apos;Add files&apos; button to browse and add file</source>
        <translation>按一下「加入檔案」按鈕以瀏覽並加入檔案</translation>
    </message>
    <message>
        <source>Use Backup Data to safeguard your data against loss</source>
        <translation>使用「備份資料」保護您的資料免於遺失</translation>
    </message>
    <message>
        <source>Ctrl-C / Ctrl-V</source>
        <translation>Ctrl-C / Ctrl-V</translation>
    </message>
    <message>
        <source>Do not show again</source>
        <translation>不要再顯示</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
</context>
</TS>
