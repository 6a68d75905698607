<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Software License Agreement</source>
        <translation>软件许可协议</translation>
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
        <translation>保险库文件夹 %1 不存在。</translation>
    </message>
    <message>
        <source>the backup location lies inside the vault folder.</source>
        <translation>备份位置位于保险库文件夹内。</translation>
    </message>
    <message>
        <source>no random bytes could be had for the backup&apos;s key check.</source>
        <translation>无法为备份的密钥校验获取随机字节。</translation>
    </message>
    <message>
        <source>the vault key could not be protected for the backup&apos;s key check.</source>
        <translation>无法为备份的密钥校验保护保险库密钥。</translation>
    </message>
    <message>
        <source>the earlier key check %1 could not be removed.</source>
        <translation>无法删除先前的密钥校验 %1。</translation>
    </message>
    <message>
        <source>the key check %1 could not be written: %2</source>
        <translation>无法写入密钥校验 %1：%2</translation>
    </message>
    <message>
        <source>the copied files could not be written to the disk: %1</source>
        <translation>无法将复制的文件写入磁盘：%1</translation>
    </message>
    <message>
        <source>the backup folder %1 does not exist.</source>
        <translation>备份文件夹 %1 不存在。</translation>
    </message>
    <message>
        <source>the folder %1 does not exist.</source>
        <translation>文件夹 %1 不存在。</translation>
    </message>
    <message>
        <source>the folder %1 could not be read.</source>
        <translation>无法读取文件夹 %1。</translation>
    </message>
    <message>
        <source>the folder %1 could not be made.</source>
        <translation>无法创建文件夹 %1。</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>%1 could not be written: it is a symbolic link.</source>
        <translation>无法写入 %1：它是一个符号链接。</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>%1 could not be read to its end.</source>
        <translation>无法完整读取 %1。</translation>
    </message>
    <message>
        <source>%1 could not be written whole.</source>
        <translation>无法完整写入 %1。</translation>
    </message>
</context>
<context>
    <name>ChangePasswordDialog</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Enter your new password:</source>
        <translation>输入新密码：</translation>
    </message>
    <message>
        <source>Enter your current password:</source>
        <translation>输入当前密码：</translation>
    </message>
    <message>
        <source>Confirm your new password:</source>
        <translation>确认新密码：</translation>
    </message>
    <message>
        <source>Password Strength:</source>
        <translation>密码强度：</translation>
    </message>
    <message>
        <source>Virtual keyboard</source>
        <translation>虚拟键盘</translation>
    </message>
    <message>
        <source>Use more than 6 characters</source>
        <translation>使用超过 6 个字符</translation>
    </message>
    <message>
        <source>Use numeric and alpha numeric characters</source>
        <translation>同时使用数字和字母</translation>
    </message>
    <message>
        <source>Use upper- and lower case characters</source>
        <translation>同时使用大写和小写字母</translation>
    </message>
    <message>
        <source>Use special characters (#, $, !, %, &amp;&amp;, ^, *)</source>
        <translation>使用特殊字符（#, $, !, %, &amp;&amp;, ^, *）</translation>
    </message>
    <message>
        <source>Password Hint: (optional)</source>
        <translation>密码提示：（可选）</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:13pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;You can type a password hint here, to help you remember your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;Try to pick a word or phrase that is clear enough to remind you, but vague&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;enough that nobody can guess your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(For example, the password &amp;quot;R0sebud#1941&amp;quot; with the hint &amp;quot;sled&amp;quot;.)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:13pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;您可以在此输入密码提示，帮助您记住密码。&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;请选择一个足以提醒您、但又足够含糊的词语或短语，&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;使任何人都无法猜出您的密码。&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;（例如，密码 &amp;quot;R0sebud#1941&amp;quot; 配以提示 &amp;quot;sled&amp;quot;。）&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Password Recommendations:</source>
        <translation>密码建议：</translation>
    </message>
</context>
<context>
    <name>ConfirmFileDeleteDialog</name>
    <message>
        <source>Are you sure you want to delete the file?</source>
        <translation>确定要删除该文件吗？</translation>
    </message>
    <message>
        <source>Don’t ask this question again.</source>
        <translation>不再询问此问题。</translation>
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
        <translation>与远程服务器的连接已超时</translation>
    </message>
    <message>
        <source>The answer of the server is larger than %1 KiB</source>
        <translation>服务器的回应大于 %1 KiB</translation>
    </message>
</context>
<context>
    <name>KVVaveCreatePasswordDialog</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Create your password:</source>
        <translation>创建密码：</translation>
    </message>
    <message>
        <source>Confirm your password:</source>
        <translation>确认密码：</translation>
    </message>
    <message>
        <source>Password Strength:</source>
        <translation>密码强度：</translation>
    </message>
    <message>
        <source>Virtual keyboard</source>
        <translation>虚拟键盘</translation>
    </message>
    <message>
        <source>Use more than 6 characters</source>
        <translation>使用超过 6 个字符</translation>
    </message>
    <message>
        <source>Use numeric and alpha numeric characters</source>
        <translation>同时使用数字和字母</translation>
    </message>
    <message>
        <source>Use upper- and lower case characters</source>
        <translation>同时使用大写和小写字母</translation>
    </message>
    <message>
        <source>Use special characters (#, $, !, %, &amp;&amp;, ^, *)</source>
        <translation>使用特殊字符（#, $, !, %, &amp;&amp;, ^, *）</translation>
    </message>
    <message>
        <source>Create Password</source>
        <translation>创建密码</translation>
    </message>
    <message>
        <source>Password Hint: (optional)</source>
        <translation>密码提示：（可选）</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:10pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;You can type a password hint here, to help you remember your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;Try to pick a word or phrase that is clear enough to remind you, but vague&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;enough that nobody can guess your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(For example, the password &amp;quot;R0sebud#1941&amp;quot; with the hint &amp;quot;sled&amp;quot;.)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:10pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;您可以在此输入密码提示，帮助您记住密码。&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;请选择一个足以提醒您、但又足够含糊的词语或短语，&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;使任何人都无法猜出您的密码。&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;（例如，密码 &amp;quot;R0sebud#1941&amp;quot; 配以提示 &amp;quot;sled&amp;quot;。）&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Password Recommendations:</source>
        <translation>密码建议：</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source> - Select Files to Encrypt</source>
        <translation> - 选择要加密的文件</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>加密</translation>
    </message>
    <message>
        <source>Cannot add files here.</source>
        <translation>无法在此处添加文件。</translation>
    </message>
    <message>
        <source>These items could not be found and were not added:
%1</source>
        <translation>以下项目未找到，未被添加：
%1</translation>
    </message>
    <message>
        <source>Would you like to completely remove the original file(s) from your computer?</source>
        <translation>是否要从计算机中彻底删除原始文件？</translation>
    </message>
    <message>
        <source>You are about to securely wipe the original file(s) from your computer. You will not be able to recover these file(s) once they have been removed. Do you wish to continue?</source>
        <translation>您即将从计算机中安全擦除原始文件。文件删除后将无法恢复。是否继续？</translation>
    </message>
    <message>
        <source>The vault %1 could not be saved, so the files just added are not kept in it. The original files have not been removed.</source>
        <translation>无法保存保险库 %1，因此刚添加的文件未保存在其中。原始文件未被删除。</translation>
    </message>
    <message>
        <source>The files added to the vault %1 could not be written safely to its disk. The original files have not been removed.</source>
        <translation>添加到保险库 %1 的文件无法安全写入其磁盘。原始文件未被删除。</translation>
    </message>
    <message>
        <source>can not remove</source>
        <translation>无法删除</translation>
    </message>
    <message>
        <source>This file is read-only or locked by another application.

Press &apos;Try Again&apos; to try to remove it, &apos;Ignore&apos; to continue or &apos;Cancel&apos; to stop removing files.</source>
        <translation>此文件为只读文件，或被其他应用程序锁定。

按“重试”再次尝试删除，按“忽略”继续，或按“取消”停止删除文件。</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>重试</translation>
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
        <translation> 既不是文件夹也不是文件。%1 只能加密文件夹或文件。请重试。</translation>
    </message>
    <message>
        <source>The folder %1 was not added: a file of the same name is already there.</source>
        <translation>未添加文件夹 %1：已存在同名文件。</translation>
    </message>
    <message>
        <source>The folder %1 could not be added: %2</source>
        <translation>无法添加文件夹 %1：%2</translation>
    </message>
    <message>
        <source>%1 was not added: it is not a file that can be read.</source>
        <translation>未添加 %1：它不是可读取的文件。</translation>
    </message>
    <message>
        <source>The application can not add more files because the vault&apos;s disk is full.</source>
        <translation>保险库所在磁盘已满，应用程序无法再添加文件。</translation>
    </message>
    <message>
        <source>It is not possible to encrypt the selected file. This may be due to a restriction of the USB flash drive file system or the drive is full.</source>
        <translation>无法加密所选文件。这可能是由于 U 盘文件系统的限制，或驱动器已满。</translation>
    </message>
    <message>
        <source>The file %1 was not added: a folder of the same name is already there.</source>
        <translation>未添加文件 %1：已存在同名文件夹。</translation>
    </message>
    <message>
        <source>%1 already contains a file name &apos;</source>
        <translation>%1 已包含名为 &apos;</translation>
    </message>
    <message>
        <source>&apos;. Would you like to replace the existing file?</source>
        <translation>&apos; 的文件。是否要替换现有文件？</translation>
    </message>
    <message>
        <source>The copy operation was cancelled by the user</source>
        <translation>复制操作已被用户取消</translation>
    </message>
    <message>
        <source>%1 could not be added: %2</source>
        <translation>无法添加 %1：%2</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>未知错误</translation>
    </message>
    <message>
        <source>%1 could not be encrypted into the vault: %2</source>
        <translation>无法将 %1 加密到保险库中：%2</translation>
    </message>
    <message>
        <source>The selected items lie in more than one vault. Please select the one vault to back up.</source>
        <translation>所选项目位于多个保险库中。请只选择一个要备份的保险库。</translation>
    </message>
    <message>
        <source>Please select the vault to back up.</source>
        <translation>请选择要备份的保险库。</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>正在备份...</translation>
    </message>
    <message>
        <source>You don&apos;t have any backup file in backup location</source>
        <translation>备份位置中没有任何备份文件</translation>
    </message>
    <message>
        <source>The list of vaults could not be saved to %1.</source>
        <translation>无法将保险库列表保存到 %1。</translation>
    </message>
    <message>
        <source>%1 cannot continue because the USB drive used has been removed. Click OK to exit %1</source>
        <translation>由于所用的 USB 驱动器已被移除，%1 无法继续运行。单击“确定”退出 %1</translation>
    </message>
    <message>
        <source>Please choose a folder to extract the file(s) to:</source>
        <translation>请选择要将文件提取到的文件夹：</translation>
    </message>
    <message>
        <source>Selected files are extracted to: [%1]</source>
        <translation>所选文件已提取到：[%1]</translation>
    </message>
    <message>
        <source>The filename %1 contains characters that are not allowed on all platforms and cannot be copied.</source>
        <translation>文件名 %1 包含某些平台不允许的字符，无法复制。</translation>
    </message>
    <message>
        <source>The folder already contains a file name &apos;%1&apos;. Would you like to replace the existing file?</source>
        <translation>该文件夹已包含名为 &apos;%1&apos; 的文件。是否要替换现有文件？</translation>
    </message>
    <message>
        <source>The file %1 could not be written.
Error: %2</source>
        <translation>无法写入文件 %1。
错误：%2</translation>
    </message>
    <message>
        <source>The %1 can not create a directory on your path.</source>
        <translation>%1 无法在您的路径中创建文件夹。</translation>
    </message>
    <message>
        <source>This file is already open or being used. The error is: %1</source>
        <translation>此文件已打开或正在使用中。错误信息：%1</translation>
    </message>
    <message>
        <source>There is no default application specified to open the document [%1]</source>
        <translation>未指定用于打开文档 [%1] 的默认应用程序</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>无法启动 %1。</translation>
    </message>
    <message>
        <source>This vault could not be loaded, it may be located on another computer or the original vault file has been manually removed.</source>
        <translation>无法加载此保险库，它可能位于另一台计算机上，或者原始保险库文件已被手动删除。</translation>
    </message>
    <message>
        <source>This vault could not be loaded, it may be located on another computer or the original vault file has been manually removed. The error is: %1</source>
        <translation>无法加载此保险库，它可能位于另一台计算机上，或者原始保险库文件已被手动删除。错误信息：%1</translation>
    </message>
    <message>
        <source>Please make sure that your flash drive is formatted and that it is not write-protected.</source>
        <translation>请确认您的 U 盘已格式化且未处于写保护状态。</translation>
    </message>
    <message>
        <source>Unable to write vault structure. This program cannot continue.</source>
        <translation>无法写入保险库结构。本程序无法继续运行。</translation>
    </message>
    <message>
        <source>A vault already exists on the flash drive. Do you want to use that vault?</source>
        <translation>U 盘上已存在一个保险库。是否要使用该保险库？</translation>
    </message>
    <message>
        <source>Please enter a new password to decrypt the key:</source>
        <translation>请输入新密码以解密密钥：</translation>
    </message>
    <message>
        <source>Enter your password to unlock the vault:</source>
        <translation>输入密码以解锁保险库：</translation>
    </message>
    <message>
        <source>That is not the correct password for this vault. Do you want to try again?</source>
        <translation>该密码不是此保险库的正确密码。是否重试？</translation>
    </message>
    <message>
        <source>%1 cannot continue as there is already a vault on the flash drive. Please remove it and try again.</source>
        <translation>U 盘上已存在一个保险库，%1 无法继续。请将其移除后重试。</translation>
    </message>
    <message>
        <source>The file %1 is damaged and could not be read. This is not caused by your password.</source>
        <translation>文件 %1 已损坏，无法读取。这并非您的密码所致。</translation>
    </message>
    <message>
        <source>Your password is not correct. Please try again.</source>
        <translation>您的密码不正确。请重试。</translation>
    </message>
    <message>
        <source>You have exceeded the maximum (10) login attempts. You must wait 1 minute before trying to login again.</source>
        <translation>您已超过最大登录尝试次数（10 次）。必须等待 1 分钟后才能再次登录。</translation>
    </message>
    <message>
        <source> - Virtual Keyboard</source>
        <translation> - 虚拟键盘</translation>
    </message>
    <message>
        <source>The vault on your Flash Drive is missing, do you want to create a new one?</source>
        <translation>U 盘上的保险库已丢失，是否要新建一个？</translation>
    </message>
    <message>
        <source>These opened files hold changes that could not be put into their vault (its folder was not found or could not be written), so they were kept unencrypted on the disk:
%1

Their changes are put into the vault as soon as it can be reached again.</source>
        <translation>以下已打开的文件包含无法写入其保险库的更改（找不到其文件夹或无法写入），因此它们以未加密的形式保留在磁盘上：
%1

一旦可以再次访问该保险库，这些更改将被写入其中。</translation>
    </message>
    <message>
        <source>These files hold changes that are not in their vault yet:
%1

If you quit now, the changes stay only in these unencrypted copies. Quit anyway?</source>
        <translation>以下文件包含尚未写入其保险库的更改：
%1

如果现在退出，这些更改将只保留在这些未加密的副本中。仍要退出吗？</translation>
    </message>
    <message>
        <source>Your %1 password has reached it&apos;s timeout date. It is recommended that you change your password often to ensure the highest level of security. Would you like to change it now?</source>
        <translation>您的 %1 密码已到期。建议您经常更改密码以确保最高级别的安全。是否现在更改？</translation>
    </message>
    <message>
        <source>, Vault Protection: %1</source>
        <translation>，保险库保护：%1</translation>
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
        <translation> （%1 个项目）</translation>
    </message>
    <message>
        <source>No drive to work on was found: %1</source>
        <translation>未找到可用的驱动器：%1</translation>
    </message>
    <message>
        <source>Please choose a folder to synchronise this folder with:</source>
        <translation>请选择要与此文件夹同步的文件夹：</translation>
    </message>
    <message>
        <source>Checking for updates... please wait</source>
        <translation>正在检查更新... 请稍候</translation>
    </message>
    <message>
        <source> - New Version Available</source>
        <translation> - 有新版本可用</translation>
    </message>
    <message>
        <source>Updates are not available: this copy of %1 has no update server to ask.</source>
        <translation>无法获取更新：此 %1 副本没有可询问的更新服务器。</translation>
    </message>
    <message>
        <source> - Update Configuration</source>
        <translation> - 更新配置</translation>
    </message>
    <message>
        <source>Downloading the update...              </source>
        <translation>正在下载更新...              </translation>
    </message>
    <message>
        <source>Unable to save the file %1: %2.</source>
        <translation>无法保存文件 %1：%2。</translation>
    </message>
    <message>
        <source>The update could not be installed.</source>
        <translation>无法安装更新。</translation>
    </message>
    <message>
        <source>Download failed: %1.</source>
        <translation>下载失败：%1。</translation>
    </message>
    <message>
        <source>The application will now restart.</source>
        <translation>应用程序现在将重新启动。</translation>
    </message>
    <message>
        <source>Please select a location for the new vault:</source>
        <translation>请为新保险库选择位置：</translation>
    </message>
    <message>
        <source>The selected folder already contains a vault. Use Add Existing Vault to connect it.</source>
        <translation>所选文件夹已包含一个保险库。请使用“添加现有保险库”来连接它。</translation>
    </message>
    <message>
        <source>The filename %1 contains characters that are not allowed on all platforms.</source>
        <translation>文件名 %1 包含某些平台不允许的字符。</translation>
    </message>
    <message>
        <source>A Vault with the name you specified already exists. Specify a different vault name and try again.</source>
        <translation>已存在同名的保险库。请指定其他保险库名称后重试。</translation>
    </message>
    <message>
        <source>Do you really want to remove the selected vault?</source>
        <translation>确定要移除所选保险库吗？</translation>
    </message>
    <message>
        <source>The selected item is not a vault.</source>
        <translation>所选项目不是保险库。</translation>
    </message>
    <message>
        <source>Please choose the folder of your existing vault(s):</source>
        <translation>请选择现有保险库所在的文件夹：</translation>
    </message>
    <message>
        <source>The selected folder does not contain a vault.</source>
        <translation>所选文件夹不包含保险库。</translation>
    </message>
    <message>
        <source>A vault with the same name already exists.
Please enter a new name</source>
        <translation>已存在同名的保险库。
请输入新名称</translation>
    </message>
    <message>
        <source>Please try again and enter a password</source>
        <translation>请重试并输入密码</translation>
    </message>
    <message>
        <source>The password is not correct for this vault.</source>
        <translation>该密码不是此保险库的正确密码。</translation>
    </message>
    <message>
        <source>Unable to add this Vault. A Vault with the same name already exists. The error is: %1</source>
        <translation>无法添加此保险库。已存在同名的保险库。错误信息：%1</translation>
    </message>
    <message>
        <source>You have choosen to delete the vault titled [%1]. All files within this vault will also be deleted. Do you wish to continue?</source>
        <translation>您已选择删除名为 [%1] 的保险库。此保险库中的所有文件也将被删除。是否继续？</translation>
    </message>
    <message>
        <source>Do you really want to delete the selected item(s)?</source>
        <translation>确定要删除所选项目吗？</translation>
    </message>
    <message>
        <source>Please enter a name for your new folder:                    </source>
        <translation>请输入新文件夹的名称：                    </translation>
    </message>
    <message>
        <source>Failed to create the &apos;%1&apos; directory</source>
        <translation>无法创建文件夹 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>You cannot create a folder here.</source>
        <translation>无法在此处创建文件夹。</translation>
    </message>
    <message>
        <source>A folder with the name you specified already exists. Specify a different folder name and try again.</source>
        <translation>已存在同名的文件夹。请指定其他文件夹名称后重试。</translation>
    </message>
    <message>
        <source>Do you really want to remove the selected folder?</source>
        <translation>确定要移除所选文件夹吗？</translation>
    </message>
    <message>
        <source>The selected item is not a folder.</source>
        <translation>所选项目不是文件夹。</translation>
    </message>
    <message>
        <source>Please enter a new name:                                        </source>
        <translation>请输入新名称：                                        </translation>
    </message>
    <message>
        <source>The file name extension is going to be changed. Do you really want to rename it?</source>
        <translation>文件扩展名将被更改。确定要重命名吗？</translation>
    </message>
    <message>
        <source>An item with the name you specified already exists. Please try again.</source>
        <translation>已存在同名的项目。请重试。</translation>
    </message>
    <message>
        <source> - Vault Property</source>
        <translation> - 保险库属性</translation>
    </message>
    <message>
        <source>Load Vault</source>
        <translation>加载保险库</translation>
    </message>
    <message>
        <source>The vault&apos;s location is accessible but the vault could not be loaded. Do you want to try to repair the vault?</source>
        <translation>可以访问保险库所在位置，但无法加载该保险库。是否尝试修复保险库？</translation>
    </message>
    <message>
        <source>The index of the vault %1 could not be saved.</source>
        <translation>无法保存保险库 %1 的索引。</translation>
    </message>
    <message>
        <source>%1 - Confirm file delete</source>
        <translation>%1 - 确认删除文件</translation>
    </message>
    <message>
        <source>Backup failed: %1</source>
        <translation>备份失败：%1</translation>
    </message>
    <message>
        <source>A synchronisation is running; please try again when it has finished.</source>
        <translation>正在进行同步；请在同步完成后重试。</translation>
    </message>
    <message>
        <source>There is nothing to backup as your vault does not contain any data.</source>
        <translation>您的保险库不包含任何数据，无需备份。</translation>
    </message>
    <message>
        <source>Vault %1 does not exist.</source>
        <translation>保险库 %1 不存在。</translation>
    </message>
    <message>
        <source>the new backup could not be read back.</source>
        <translation>无法读回新的备份。</translation>
    </message>
    <message>
        <source>Backup completed successfully.</source>
        <translation>备份已成功完成。</translation>
    </message>
    <message>
        <source>There is already a file with the same name in this location. Do you want to replace it?</source>
        <translation>此位置已存在同名文件。是否要替换它？</translation>
    </message>
    <message>
        <source>%1 item(s) could not be moved:
%2</source>
        <translation>无法移动 %1 个项目：
%2</translation>
    </message>
    <message>
        <source>%1 item(s) could not be copied:
%2</source>
        <translation>无法复制 %1 个项目：
%2</translation>
    </message>
    <message>
        <source>Moving Item...</source>
        <translation>正在移动项目...</translation>
    </message>
    <message>
        <source>Can not move</source>
        <translation>无法移动</translation>
    </message>
    <message>
        <source>The extracted files could not be written safely to %1. Check the disk and extract them again.</source>
        <translation>无法将提取的文件安全写入 %1。请检查磁盘后重新提取。</translation>
    </message>
    <message>
        <source>The application can not rename a file</source>
        <translation>应用程序无法重命名文件</translation>
    </message>
    <message>
        <source>Are you sure you want to permanently delete this folder?</source>
        <translation>确定要永久删除此文件夹吗？</translation>
    </message>
    <message>
        <source>Are you sure you want to permanently delete this file?</source>
        <translation>确定要永久删除此文件吗？</translation>
    </message>
    <message>
        <source>Are you sure you want to permanently delete these %1 items?</source>
        <translation>确定要永久删除这 %1 个项目吗？</translation>
    </message>
    <message>
        <source> - Options</source>
        <translation> - 选项</translation>
    </message>
    <message>
        <source>The options could not be saved to %1. They hold until the program ends.</source>
        <translation>无法将选项保存到 %1。这些选项在程序退出前仍然有效。</translation>
    </message>
    <message>
        <source>Password Hint</source>
        <translation>密码提示</translation>
    </message>
    <message>
        <source> - Change Password</source>
        <translation> - 更改密码</translation>
    </message>
    <message>
        <source>The current password entered is invalid. Please try again.</source>
        <translation>输入的当前密码无效。请重试。</translation>
    </message>
    <message>
        <source>The list of vaults %1 could not be read. Your password has not been changed.</source>
        <translation>无法读取保险库列表 %1。您的密码未更改。</translation>
    </message>
    <message>
        <source>The list of vaults could not be saved to %1. Your password has not been changed; the current password still opens your vaults.</source>
        <translation>无法将保险库列表保存到 %1。您的密码未更改；当前密码仍可打开您的保险库。</translation>
    </message>
    <message>
        <source>Your password has been changed, but the key files of these vaults could not be written and still hold their keys under the old password:
%1

The vaults open as before; only adding such a folder again as an existing vault needs the old password.</source>
        <translation>您的密码已更改，但无法写入以下保险库的密钥文件，其中的密钥仍受旧密码保护：
%1

这些保险库仍可照常打开；只有将此类文件夹再次添加为现有保险库时，才需要旧密码。</translation>
    </message>
    <message>
        <source>Unable to write vault structure. The vault was not created.</source>
        <translation>无法写入保险库结构。保险库未创建。</translation>
    </message>
    <message>
        <source>Unable to write vault structure. The vault was not added.</source>
        <translation>无法写入保险库结构。保险库未添加。</translation>
    </message>
    <message>
        <source>An earlier list of vaults was found on the drive. It was kept as %1.</source>
        <translation>在驱动器上发现了先前的保险库列表，已保存为 %1。</translation>
    </message>
    <message>
        <source>The key of the vault %1 in %2 is damaged. The vault&apos;s own key file still opens it: disconnect the vault and add it again with Add Existing Vault.</source>
        <translation>%2 中保险库 %1 的密钥已损坏。保险库自身的密钥文件仍能打开它：请断开该保险库，然后用“添加现有保险库”重新添加。</translation>
    </message>
    <message>
        <source>Your password has been changed, but the key files of these vaults are damaged and were left as they are:
%1

The vaults open as before, but such a folder can&apos;t be added again as an existing vault.</source>
        <translation>密码已更改，但以下保险库的密钥文件已损坏，已保持原样：
%1

这些保险库仍可照常打开，但此类文件夹无法再作为现有保险库添加。</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged. It was kept as %2, and the default settings are used.</source>
        <translation>设置文件 %1 已损坏。它已保存为 %2，现使用默认设置。</translation>
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
        <translation>确定</translation>
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
        <translation>全部是</translation>
    </message>
    <message>
        <source>Decrypting...</source>
        <translation>正在解密...</translation>
    </message>
    <message>
        <source>Decrypting Item...</source>
        <translation>正在解密项目...</translation>
    </message>
    <message>
        <source>Flash Drive</source>
        <translation>U 盘</translation>
    </message>
    <message>
        <source> - Create Password</source>
        <translation> - 创建密码</translation>
    </message>
    <message>
        <source> - About</source>
        <translation> - 关于</translation>
    </message>
    <message>
        <source>This vault could not be loaded, it may be located on another computer or the original vault file has been manually removed. The error is: %1</source>
        <translation>无法加载此保险库，它可能位于另一台计算机上，或者原始保险库文件已被手动删除。错误信息：%1</translation>
    </message>
    <message>
        <source>[Select Language]</source>
        <translation>[选择语言]</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>忘记密码？</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>虚拟键盘</translation>
    </message>
    <message>
        <source>Enter Your Password</source>
        <translation>输入您的密码</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>搜索...</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>我的电脑</translation>
    </message>
    <message>
        <source>My Vault</source>
        <translation>我的保险库</translation>
    </message>
    <message>
        <source>Add File(s)</source>
        <translation>添加文件</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>New Vault</source>
        <translation>新建保险库</translation>
    </message>
    <message>
        <source>Disconnect Vault</source>
        <translation>断开保险库连接</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>同步</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>详细信息</translation>
    </message>
    <message>
        <source>List</source>
        <translation>列表</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>图标</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Get Online Support</source>
        <translation>获取在线支持</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>新建文件夹</translation>
    </message>
    <message>
        <source>Remove Folder</source>
        <translation>移除文件夹</translation>
    </message>
    <message>
        <source>Save File(s) to...</source>
        <translation>将文件保存到...</translation>
    </message>
    <message>
        <source>Add Existing Vault</source>
        <translation>添加现有保险库</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>更改密码</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>锁定</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Move to Folder...</source>
        <translation>移动到文件夹...</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Go Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>Go Home</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>桌面</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>文档</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>计算机</translation>
    </message>
    <message>
        <source>Backup Vault Data</source>
        <translation>备份保险库数据</translation>
    </message>
    <message>
        <source>Restore Vault Data</source>
        <translation>恢复保险库数据</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>选项...</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>Add Sync Peer</source>
        <translation>添加同步对象</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>在文件管理器中显示</translation>
    </message>
    <message>
        <source>Backup Vault</source>
        <translation>备份保险库</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>View</source>
        <translation>查看</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Main ToolBar</source>
        <translation>主工具栏</translation>
    </message>
    <message>
        <source>Could not create random bytes.</source>
        <translation>无法生成随机字节。</translation>
    </message>
    <message>
        <source>The password cannot contain these characters: %1
Please use only letters, digits and signs of Western European languages.</source>
        <translation>密码不能包含以下字符：%1
请只使用字母、数字和西欧语言的符号。</translation>
    </message>
    <message>
        <source> - Virtual Keyboard</source>
        <translation> - 虚拟键盘</translation>
    </message>
    <message>
        <source>Weak</source>
        <translation>弱</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>良好</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>极佳</translation>
    </message>
    <message>
        <source>Passwords do not match</source>
        <translation>密码不匹配</translation>
    </message>
    <message>
        <source>Invalid current item name.</source>
        <translation>当前项目名称无效。</translation>
    </message>
    <message>
        <source>Damaged item record in archive.</source>
        <translation>存档中的项目记录已损坏。</translation>
    </message>
    <message>
        <source>Invalid item name in archive.</source>
        <translation>存档中的项目名称无效。</translation>
    </message>
    <message>
        <source>Duplicate item name.</source>
        <translation>项目名称重复。</translation>
    </message>
    <message>
        <source>Invalid item name.</source>
        <translation>项目名称无效。</translation>
    </message>
    <message>
        <source>Damaged vault header in archive.</source>
        <translation>存档中的保险库头已损坏。</translation>
    </message>
    <message>
        <source>Invalid parent path in archive.</source>
        <translation>存档中的父路径无效。</translation>
    </message>
    <message>
        <source>Invalid class name in archive.</source>
        <translation>存档中的类名无效。</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Date Created</source>
        <translation>创建日期</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>驱动器</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Copying  file...</source>
        <translation>正在复制文件...</translation>
    </message>
    <message>
        <source>Copying Item...</source>
        <translation>正在复制项目...</translation>
    </message>
    <message>
        <source>Can not move</source>
        <translation>无法移动</translation>
    </message>
    <message>
        <source>Processing Items...</source>
        <translation>正在处理项目...</translation>
    </message>
    <message>
        <source>Moving Item...</source>
        <translation>正在移动项目...</translation>
    </message>
    <message>
        <source>There is already an item with the same name in this location. Do you want to replace it?</source>
        <translation>此位置已存在同名项目。是否要替换它？</translation>
    </message>
    <message>
        <source>Failed to move</source>
        <translation>移动失败</translation>
    </message>
    <message>
        <source>Failed to copy</source>
        <translation>复制失败</translation>
    </message>
    <message>
        <source>The application can not add more files because the vault&apos;s disk is full.</source>
        <translation>保险库所在磁盘已满，应用程序无法再添加文件。</translation>
    </message>
    <message>
        <source>Moving file...</source>
        <translation>正在移动文件...</translation>
    </message>
    <message>
        <source>Copy folder...</source>
        <translation>复制文件夹...</translation>
    </message>
    <message>
        <source>Add a vault here</source>
        <translation>在此添加保险库</translation>
    </message>
    <message>
        <source>Add a file or create a folder here</source>
        <translation>在此添加文件或创建文件夹</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Timeouts</source>
        <translation>超时</translation>
    </message>
    <message>
        <source>Application timeout</source>
        <translation>应用程序超时</translation>
    </message>
    <message>
        <source>Timeout in minutes:</source>
        <translation>超时（分钟）：</translation>
    </message>
    <message>
        <source>0 = Timeout Disabled</source>
        <translation>0 = 禁用超时</translation>
    </message>
    <message>
        <source>Password expiration</source>
        <translation>密码过期</translation>
    </message>
    <message>
        <source>Expiration in days:</source>
        <translation>过期时间（天）：</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>File delete confirmation</source>
        <translation>文件删除确认</translation>
    </message>
    <message>
        <source>Restore to default</source>
        <translation>恢复默认值</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>加密</translation>
    </message>
    <message>
        <source>AES 256 bit</source>
        <translation>AES 256 位</translation>
    </message>
    <message>
        <source>AES 512 bit</source>
        <translation>AES 512 位</translation>
    </message>
    <message>
        <source>Preferred encryption method:</source>
        <translation>首选加密方式：</translation>
    </message>
    <message>
        <source>AES 128 bit</source>
        <translation>AES 128 位</translation>
    </message>
    <message>
        <source>AES 1024 bit</source>
        <translation>AES 1024 位</translation>
    </message>
    <message>
        <source>Locations</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Backup options</source>
        <translation>备份选项</translation>
    </message>
    <message>
        <source>Backup location</source>
        <translation>备份位置</translation>
    </message>
    <message>
        <source>Application Data</source>
        <translation>应用程序数据</translation>
    </message>
    <message>
        <source>My Documents</source>
        <translation>我的文档</translation>
    </message>
    <message>
        <source>Mount options</source>
        <translation>装载选项</translation>
    </message>
    <message>
        <source>Mount location</source>
        <translation>装载位置</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路径</translation>
    </message>
    <message>
        <source>Backup retention</source>
        <translation>备份保留</translation>
    </message>
    <message>
        <source>Keep number of backups:</source>
        <translation>保留备份数量：</translation>
    </message>
    <message>
        <source>Enable automatic backup retention</source>
        <translation>启用自动备份保留</translation>
    </message>
    <message>
        <source>You will need to restart the application for these changes to take effect</source>
        <translation>需要重新启动应用程序才能使这些更改生效</translation>
    </message>
</context>
<context>
    <name>PleaseWaitDialog</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A backup is running. Please wait until it has finished before you quit the program or eject the flash drive.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;正在进行备份。请等待备份完成后再退出程序或弹出 U 盘。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>ProblemReport</name>
    <message>
        <source>A problem occured</source>
        <translation>出现问题</translation>
    </message>
    <message>
        <source>Sending Report. . .</source>
        <translation>正在发送报告. . .</translation>
    </message>
    <message>
        <source>Send Report</source>
        <translation>发送报告</translation>
    </message>
    <message>
        <source>Report was sent successful!</source>
        <translation>报告已成功发送！</translation>
    </message>
    <message>
        <source>Error sending report!
%2 (%1)</source>
        <translation>发送报告时出错！
%2 (%1)</translation>
    </message>
</context>
<context>
    <name>RestoreWizard</name>
    <message>
        <source>Restore Wizard</source>
        <translation>恢复向导</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Welcome to the restore wizard.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;This wizard will guide you through the process of restoring current data from a previous backup.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;欢迎使用恢复向导。&lt;/p&gt;&lt;p&gt;&lt;br/&gt;本向导将引导您从以前的备份中恢复当前数据。&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Please choose the location to be restored from the backup file and click &apos;Next&apos; to proceed.</source>
        <translation>请选择要从备份文件恢复的位置，然后单击“下一步”继续。</translation>
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
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;请选择要恢复的备份，然后单击“下一步”继续。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>时间</translation>
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
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;所选备份的加密密钥不可用。&lt;/p&gt;&lt;p&gt;备份中存有该密钥的副本，但受密码保护。&lt;/p&gt;&lt;p&gt;请输入创建备份时使用的密码，然后单击“下一步”继续。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Password:&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;密码：&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;You have entered an incorrect password. &lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;您输入的密码不正确。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Please go back and try again.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;请返回并重试。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;By clicking &apos;Restore&apos; you will replace all data in the selected vault with data from the backup.&lt;/p&gt;&lt;p&gt;Click &apos;Back&apos; if any changes are needed before proceeding.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;单击“恢复”后，所选保险库中的所有数据将被备份中的数据替换。&lt;/p&gt;&lt;p&gt;如需在继续之前进行更改，请单击“上一步”。&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>New, empty folder for the vault:</source>
        <translation>用于保险库的新空文件夹：</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Restoring backup data.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;正在恢复备份数据。&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;There are no other backup files available.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;没有其他可用的备份文件。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Data restored succesfully!&lt;br/&gt;&lt;/p&gt;&lt;p&gt;You can now close this Wizard and access the restored data.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;数据恢复成功！&lt;br/&gt;&lt;/p&gt;&lt;p&gt;现在您可以关闭此向导并访问恢复的数据。&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The backup was not restored.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;备份未恢复。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Select the vault to restore</source>
        <translation>选择要恢复的保险库</translation>
    </message>
    <message>
        <source>Other unlisted vault</source>
        <translation>其他未列出的保险库</translation>
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
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;单击“恢复”后，该备份将在下方的新空文件夹中成为一个新的保险库。不会更改任何现有保险库。&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Choose a new, empty folder for the vault</source>
        <translation>为保险库选择一个新的空文件夹</translation>
    </message>
    <message>
        <source>Please choose a new, empty folder for the restored vault.</source>
        <translation>请为恢复的保险库选择一个新的空文件夹。</translation>
    </message>
    <message>
        <source>%1 is not a folder. Please choose a new, empty folder for the restored vault.</source>
        <translation>%1 不是文件夹。请为恢复的保险库选择一个新的空文件夹。</translation>
    </message>
    <message>
        <source>The folder %1 is not empty. Please choose a new, empty folder for the restored vault.</source>
        <translation>文件夹 %1 不为空。请为恢复的保险库选择一个新的空文件夹。</translation>
    </message>
    <message>
        <source>The folder %1 belongs to the vault %2. Please choose a new, empty folder for the restored vault.</source>
        <translation>文件夹 %1 属于保险库 %2。请为恢复的保险库选择一个新的空文件夹。</translation>
    </message>
    <message>
        <source>The folder %1 lies in the backup location. Please choose another folder.</source>
        <translation>文件夹 %1 位于备份位置中。请选择其他文件夹。</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>无法创建文件夹 %1。</translation>
    </message>
    <message>
        <source>Restored vault</source>
        <translation>恢复的保险库</translation>
    </message>
    <message>
        <source>The backup can be copied straight over the vault&apos;s files instead. If that fails part-way, the vault can&apos;t be put back as it was. Restore anyway?</source>
        <translation>也可以将备份直接复制到保险库的文件上。如果中途失败，保险库将无法还原到原来的状态。仍要恢复吗？</translation>
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
        <translation>正在进行同步；请在同步完成后重试。</translation>
    </message>
    <message>
        <source>The folder of the vault %1 is not available.</source>
        <translation>保险库 %1 的文件夹不可用。</translation>
    </message>
    <message>
        <source>The backup holds no vault index.</source>
        <translation>备份中不包含保险库索引。</translation>
    </message>
    <message>
        <source>There is not enough free space beside the vault to restore it safely: %1 are needed, %2 are free.</source>
        <translation>保险库旁没有足够的可用空间来安全地恢复：需要 %1，可用 %2。</translation>
    </message>
    <message>
        <source>No room could be made beside the vault folder %1 to restore into.</source>
        <translation>无法在保险库文件夹 %1 旁腾出用于恢复的空间。</translation>
    </message>
    <message>
        <source>The backup could not be copied: %1 The vault was not changed.</source>
        <translation>无法复制备份：%1 保险库未被更改。</translation>
    </message>
    <message>
        <source>The vault was not changed.</source>
        <translation>保险库未被更改。</translation>
    </message>
    <message>
        <source>The backup&apos;s files could not be put in place in the vault folder %1.</source>
        <translation>无法将备份的文件放入保险库文件夹 %1 中。</translation>
    </message>
    <message>
        <source>Some of the vault&apos;s own files could not be put back; they are kept in %1.</source>
        <translation>保险库自身的部分文件无法放回；它们保存在 %1 中。</translation>
    </message>
    <message>
        <source>The vault is as it was before.</source>
        <translation>保险库保持原样。</translation>
    </message>
    <message>
        <source>The vault&apos;s files are as they were before.</source>
        <translation>保险库的文件保持原样。</translation>
    </message>
    <message>
        <source>The backup could not be copied: %1 The vault may be damaged; restore it again once there is more free space.</source>
        <translation>无法复制备份：%1 保险库可能已损坏；请在有更多可用空间后再次恢复。</translation>
    </message>
    <message>
        <source>The vault may be damaged.</source>
        <translation>保险库可能已损坏。</translation>
    </message>
    <message>
        <source>The backup&apos;s index can&apos;t be opened with the key that was found for it.</source>
        <translation>无法使用为该备份找到的密钥打开备份的索引。</translation>
    </message>
    <message>
        <source>The backup&apos;s index can&apos;t be read.</source>
        <translation>无法读取备份的索引。</translation>
    </message>
    <message>
        <source>The backup&apos;s index is damaged: %1</source>
        <translation>备份的索引已损坏：%1</translation>
    </message>
    <message>
        <source>The backup lacks the encrypted file of %1.</source>
        <translation>备份中缺少 %1 的加密文件。</translation>
    </message>
    <message>
        <source>The restored vault could not be loaded: %1</source>
        <translation>无法加载恢复的保险库：%1</translation>
    </message>
    <message>
        <source>The restored vault could not be loaded.</source>
        <translation>无法加载恢复的保险库。</translation>
    </message>
    <message>
        <source>The encrypted file of %1 in the backup is not whole (%2).</source>
        <translation>备份中 %1 的加密文件不完整（%2）。</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a symbolic link</source>
        <translation>无法写入 %1：它是一个符号链接</translation>
    </message>
</context>
<context>
    <name>TAVBrowseFolderDialog</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Select a target folder:</source>
        <translation>选择目标文件夹：</translation>
    </message>
    <message>
        <source>Please select a target folder.</source>
        <translation>请选择目标文件夹。</translation>
    </message>
</context>
<context>
    <name>TAVCryptoThread</name>
    <message>
        <source>Cannot open file for read %1
Error: %2</source>
        <translation>无法打开文件进行读取 %1
错误：%2</translation>
    </message>
    <message>
        <source>Cannot open file for write %1
Error: %2</source>
        <translation>无法打开文件进行写入 %1
错误：%2</translation>
    </message>
</context>
<context>
    <name>TAVFile</name>
    <message>
        <source>File %1 does not exist</source>
        <translation>文件 %1 不存在</translation>
    </message>
</context>
<context>
    <name>TAVFileWatcher</name>
    <message>
        <source>%1 is a symbolic link: the decrypted copy is not written there.</source>
        <translation>%1 是一个符号链接：解密副本不会写入该处。</translation>
    </message>
    <message>
        <source>%1 is open with changes that are not in the vault yet.</source>
        <translation>%1 已打开，其中有尚未写入保险库的更改。</translation>
    </message>
    <message>
        <source>The folder %1 for the decrypted copy could not be made.</source>
        <translation>无法创建用于存放解密副本的文件夹 %1。</translation>
    </message>
    <message>
        <source>The changes of %1 could not be put into the vault: the vault is not open.</source>
        <translation>无法将 %1 的更改写入保险库：保险库未打开。</translation>
    </message>
    <message>
        <source>The changes of %1 could not be put into the vault: the vault&apos;s folder is not found.</source>
        <translation>无法将 %1 的更改写入保险库：找不到保险库的文件夹。</translation>
    </message>
    <message>
        <source>The changes of %1 are in the vault, but the vault&apos;s index could not be saved.</source>
        <translation>%1 的更改已写入保险库，但无法保存保险库的索引。</translation>
    </message>
</context>
<context>
    <name>TAVItem</name>
    <message>
        <source>Decryption failed.</source>
        <translation>解密失败。</translation>
    </message>
</context>
<context>
    <name>TAVProgressDialog</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Encrypting...</source>
        <translation>正在加密...</translation>
    </message>
    <message>
        <source>Estimated Time to Complete: 0.00 minutes</source>
        <translation>预计剩余时间：0.00 分钟</translation>
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
        <translation>预计剩余时间：</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>小时</translation>
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
        <translation>同步进度：</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>No items is synced</source>
        <translation>没有同步任何项目</translation>
    </message>
    <message>
        <source>Synchronization completed successfully.</source>
        <translation>同步已成功完成。</translation>
    </message>
    <message>
        <source>Synchronization finished, but not every file could be synchronized. See the lines above.</source>
        <translation>同步已结束，但并非所有文件都能同步。请参阅以上各行。</translation>
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
        <translation>保险库未加载</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>该文件夹不存在。</translation>
    </message>
    <message>
        <source>The disk folder %1 is empty, but held %2 items at the last synchronization: nothing was deleted or copied for this peer.</source>
        <translation>磁盘文件夹 %1 为空，但上次同步时包含 %2 个项目：未对此同步对象删除或复制任何内容。</translation>
    </message>
    <message>
        <source>The vault folder %1 is empty, but held %2 items at the last synchronization: nothing was deleted or copied for this peer.</source>
        <translation>保险库文件夹 %1 为空，但上次同步时包含 %2 个项目：未对此同步对象删除或复制任何内容。</translation>
    </message>
    <message>
        <source>The new files could not be written to the disk.</source>
        <translation>无法将新文件写入磁盘。</translation>
    </message>
    <message>
        <source>The vault&apos;s index could not be saved.</source>
        <translation>无法保存保险库的索引。</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>The item is no longer in the vault.</source>
        <translation>该项目已不在保险库中。</translation>
    </message>
    <message>
        <source>A folder of that name is in the vault.</source>
        <translation>保险库中已有同名文件夹。</translation>
    </message>
    <message>
        <source>Its folder is not in the vault.</source>
        <translation>其所在文件夹不在保险库中。</translation>
    </message>
    <message>
        <source>Kept %1: it holds items the last synchronization did not know.</source>
        <translation>已保留 %1：其中包含上次同步时未知的项目。</translation>
    </message>
    <message>
        <source>Kept %1: it is reached through a symbolic link.</source>
        <translation>已保留 %1：它是通过符号链接访问的。</translation>
    </message>
    <message>
        <source>Kept %1: it holds files the last synchronization did not know.</source>
        <translation>已保留 %1：其中包含上次同步时未知的文件。</translation>
    </message>
    <message>
        <source>The list of synchronization peers of this vault can&apos;t be read. Nothing was changed.</source>
        <translation>无法读取此保险库的同步对象列表。未做任何更改。</translation>
    </message>
    <message>
        <source>These folders are already synchronized.</source>
        <translation>这些文件夹已经同步。</translation>
    </message>
    <message>
        <source>The list of synchronization peers could not be written. The folder was not added.</source>
        <translation>无法写入同步对象列表。未添加该文件夹。</translation>
    </message>
    <message>
        <source>This folder can&apos;t be synchronized: it is the vault&apos;s own folder, lies inside it or holds it.</source>
        <translation>无法同步此文件夹：它是保险库自身的文件夹、位于其中或包含该文件夹。</translation>
    </message>
    <message>
        <source>This folder can&apos;t be synchronized: the application keeps its own files there.</source>
        <translation>无法同步此文件夹：应用程序在其中保存自己的文件。</translation>
    </message>
    <message>
        <source>The folder could not be added.</source>
        <translation>无法添加该文件夹。</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>正在开始...</translation>
    </message>
    <message>
        <source>Synchronization finished with errors: see the lines above.</source>
        <translation>同步已结束，但有错误：请参阅以上各行。</translation>
    </message>
    <message>
        <source>Another synchronization is running.</source>
        <translation>另一个同步正在进行中。</translation>
    </message>
    <message>
        <source>No synchronization peers defined.</source>
        <translation>未定义同步对象。</translation>
    </message>
    <message>
        <source>Skipped: %1 (names that differ only in case)</source>
        <translation>已跳过：%1（名称仅大小写不同）</translation>
    </message>
    <message>
        <source>The folder can&apos;t be read: nothing was deleted or copied for this peer.</source>
        <translation>无法读取该文件夹：此同步对象未删除或复制任何内容。</translation>
    </message>
    <message>
        <source>The folder %1 was removed or replaced during the synchronization: nothing more was copied or deleted for this peer.</source>
        <translation>同步期间文件夹 %1 被移除或替换：此同步对象不再复制或删除任何内容。</translation>
    </message>
    <message>
        <source>Kept %1: it changed on the disk during the synchronization.</source>
        <translation>已保留 %1：同步期间它在磁盘上被更改。</translation>
    </message>
    <message>
        <source>The vault&apos;s folder can&apos;t be written.</source>
        <translation>无法写入保险库的文件夹。</translation>
    </message>
    <message>
        <source>Skipped: %1 (a symbolic link)</source>
        <translation>已跳过：%1（符号链接）</translation>
    </message>
    <message>
        <source>This folder can&apos;t be synchronized: it holds or lies inside a folder already synchronized with this vault.</source>
        <translation>无法同步此文件夹：它包含已与此保险库同步的文件夹，或位于其中。</translation>
    </message>
    <message>
        <source>Failed: %1 (can&apos;t be read: %2)</source>
        <translation>失败：%1（无法读取：%2）</translation>
    </message>
    <message>
        <source>Skipped: %1 (not a file or a folder)</source>
        <translation>已跳过：%1（既不是文件也不是文件夹）</translation>
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
        <translation>同步进度：</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>No items is synced</source>
        <translation>没有同步任何项目</translation>
    </message>
    <message>
        <source>Synchronization completed successfully.</source>
        <translation>同步已成功完成。</translation>
    </message>
    <message>
        <source>Repair completed successfully.</source>
        <translation>修复已成功完成。</translation>
    </message>
    <message>
        <source>Synchronization finished with errors:</source>
        <translation>同步已结束，但有错误：</translation>
    </message>
    <message>
        <source>Synchronization finished with errors. The lines in the progress window say which items could not be synchronized.</source>
        <translation>同步已结束，但有错误。进度窗口中的各行列出了无法同步的项目。</translation>
    </message>
</context>
<context>
    <name>TavVaultProperty</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Type of encryption:</source>
        <translation>加密类型：</translation>
    </message>
    <message>
        <source>Total number of files:</source>
        <translation>文件总数：</translation>
    </message>
    <message>
        <source>Total storage space:</source>
        <translation>总存储空间：</translation>
    </message>
    <message>
        <source>Full Physical Path:</source>
        <translation>完整物理路径：</translation>
    </message>
    <message>
        <source>Set Vault Password</source>
        <translation>设置保险库密码</translation>
    </message>
    <message>
        <source>Repair vault </source>
        <translation>修复保险库 </translation>
    </message>
    <message>
        <source>Synchronization</source>
        <translation>同步</translation>
    </message>
    <message>
        <source>Synchronization peers:</source>
        <translation>同步对象：</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>主机</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>本地文件夹</translation>
    </message>
    <message>
        <source>Vault folder</source>
        <translation>保险库文件夹</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>同步</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>This repair has already run.</source>
        <translation>此修复已经运行过。</translation>
    </message>
    <message>
        <source>The folder of the vault cannot be found: %1
Nothing was repaired.</source>
        <translation>找不到保险库的文件夹：%1
未修复任何内容。</translation>
    </message>
    <message>
        <source>A repair of this vault is already running.</source>
        <translation>此保险库的修复已在进行中。</translation>
    </message>
    <message>
        <source>A synchronization is running. Please try again when it has finished.</source>
        <translation>正在进行同步。请在同步完成后重试。</translation>
    </message>
    <message>
        <source>Start repair index file</source>
        <translation>开始修复索引文件</translation>
    </message>
    <message>
        <source>The repair was cancelled. The index was not changed.</source>
        <translation>修复已取消。索引未被更改。</translation>
    </message>
    <message>
        <source>Only %1 of the %2 files listed in the index of the vault &quot;%3&quot; were found in its folder %4.
If the drive or the folder is incomplete, repairing now takes the missing files out of the index.

Repair the index anyway?</source>
        <translation>保险库 &quot;%3&quot; 的索引中列出的 %2 个文件，在其文件夹 %4 中只找到了 %1 个。
如果驱动器或文件夹不完整，现在修复会将缺失的文件从索引中移除。

仍要修复索引吗？</translation>
    </message>
    <message>
        <source>The index was not repaired.</source>
        <translation>索引未修复。</translation>
    </message>
    <message>
        <source>The vault&apos;s key does not fit the files in its folder. Nothing was repaired.</source>
        <translation>保险库的密钥与其文件夹中的文件不匹配。未修复任何内容。</translation>
    </message>
    <message>
        <source>The vault was closed during the repair. The index was not changed.</source>
        <translation>保险库在修复期间被关闭。索引未被更改。</translation>
    </message>
    <message>
        <source>The previous index could not be kept (%1). The index was not changed.</source>
        <translation>无法保留先前的索引（%1）。索引未被更改。</translation>
    </message>
    <message>
        <source>The index could not be rebuilt. The index was not changed.</source>
        <translation>无法重建索引。索引未被更改。</translation>
    </message>
    <message>
        <source>The repaired index could not be written. The previous index is kept.</source>
        <translation>无法写入修复后的索引。先前的索引已保留。</translation>
    </message>
    <message>
        <source>The index was repaired: %1 files rebuilt (%2 of them in the folder &quot;%3&quot;), %4 removed, %5 skipped.</source>
        <translation>索引已修复：重建了 %1 个文件（其中 %2 个位于文件夹 &quot;%3&quot; 中），移除了 %4 个，跳过了 %5 个。</translation>
    </message>
    <message>
        <source>Please choose a folder to synchronise with:</source>
        <translation>请选择要同步的文件夹：</translation>
    </message>
    <message>
        <source>This synchronization peer is no longer in the list of the vault.</source>
        <translation>此同步对象已不在该保险库的列表中。</translation>
    </message>
    <message>
        <source>The list of synchronization peers of this vault could not be changed. The peer was not removed.</source>
        <translation>无法更改此保险库的同步对象列表。未移除该同步对象。</translation>
    </message>
    <message>
        <source>Please try again and enter a password</source>
        <translation>请重试并输入密码</translation>
    </message>
    <message>
        <source>Please enter a new password to encrypt the key:</source>
        <translation>请输入用于加密密钥的新密码：</translation>
    </message>
    <message>
        <source>Please enter the password again:</source>
        <translation>请再次输入密码：</translation>
    </message>
    <message>
        <source>The two passwords are not the same. The vault password was not changed.</source>
        <translation>两次输入的密码不一致。保险库密码未更改。</translation>
    </message>
    <message>
        <source>The vault password could not be saved in %1. The key chain was not changed.</source>
        <translation>无法将保险库密码保存到 %1 中。密钥链未更改。</translation>
    </message>
    <message>
        <source>The vault password was set.</source>
        <translation>保险库密码已设置。</translation>
    </message>
    <message>
        <source>Repair Progress</source>
        <translation>修复进度</translation>
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
        <translation>Kolvane - 更新配置</translation>
    </message>
    <message>
        <source>How often do you want to check for updates?</source>
        <translation>您希望多久检查一次更新？</translation>
    </message>
    <message>
        <source>Once a week</source>
        <translation>每周一次</translation>
    </message>
    <message>
        <source>Every two weeks</source>
        <translation>每两周一次</translation>
    </message>
    <message>
        <source>Once a month</source>
        <translation>每月一次</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>从不</translation>
    </message>
    <message>
        <source>Check for updates now</source>
        <translation>立即检查更新</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Thank you for using %1
You are using %1 %2. There are currently no updates available.
Please try again later.</source>
        <translation>感谢您使用 %1
您正在使用 %1 %2。目前没有可用的更新。
请稍后再试。</translation>
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
        <translation>服务器未及时响应</translation>
    </message>
    <message>
        <source>A download is already under way</source>
        <translation>已有一个下载正在进行</translation>
    </message>
    <message>
        <source>The address %1 is not a secure one</source>
        <translation>地址 %1 不是安全地址</translation>
    </message>
    <message>
        <source>The address %1 names no file</source>
        <translation>地址 %1 未指向任何文件</translation>
    </message>
    <message>
        <source>Redirected without a new address</source>
        <translation>已重定向，但没有新地址</translation>
    </message>
    <message>
        <source>Too many redirections</source>
        <translation>重定向次数过多</translation>
    </message>
    <message>
        <source>Redirected from a secure address to %1</source>
        <translation>从安全地址重定向到了 %1</translation>
    </message>
    <message>
        <source>The server answered %1</source>
        <translation>服务器返回 %1</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>The package is larger than %1 MiB</source>
        <translation>更新包大于 %1 MiB</translation>
    </message>
</context>
<context>
    <name>Utils</name>
    <message>
        <source>Start synchronizing files now.</source>
        <translation>现在开始同步文件。</translation>
    </message>
    <message>
        <source>There are %1 file(s) to be synchronized.</source>
        <translation>有 %1 个文件需要同步。</translation>
    </message>
</context>
<context>
    <name>Vir_KeyPad_Dialog</name>
    <message>
        <source>Virtual Keypad</source>
        <translation>虚拟键盘</translation>
    </message>
    <message>
        <source>Show Plain Text</source>
        <translation>显示明文</translation>
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
        <translation>重置</translation>
    </message>
    <message>
        <source>Security Level</source>
        <translation>安全级别</translation>
    </message>
    <message>
        <source>Realtime</source>
        <translation>实时</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>普通</translation>
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
        <translation>驱动器文件夹没有数据文件夹。</translation>
    </message>
    <message>
        <source>%1 must name a folder by its full path: %2</source>
        <translation>%1 必须以完整路径指定一个文件夹：%2</translation>
    </message>
    <message>
        <source>The drive folder %1 can&apos;t be made.</source>
        <translation>无法创建驱动器文件夹 %1。</translation>
    </message>
    <message>
        <source>The drive folder can&apos;t be the root folder.</source>
        <translation>驱动器文件夹不能是根文件夹。</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 can&apos;t be made: %2</source>
        <translation>无法创建驱动器的序列号文件 %1：%2</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 can&apos;t be written: %2</source>
        <translation>无法写入驱动器的序列号文件 %1：%2</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 can&apos;t be read: %2</source>
        <translation>无法读取驱动器的序列号文件 %1：%2</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 is damaged.</source>
        <translation>驱动器的序列号文件 %1 已损坏。</translation>
    </message>
    <message>
        <source>The drive folder %1 named by %2 does not exist.</source>
        <translation>%2 指定的驱动器文件夹 %1 不存在。</translation>
    </message>
</context>
<context>
    <name>velmora_howto</name>
    <message>
        <source>Data Protection</source>
        <translation>数据保护</translation>
    </message>
    <message>
        <source>4 ways to protect your files</source>
        <translation>保护文件的 4 种方法</translation>
    </message>
    <message>
        <source>Drag and drop files onto main screen</source>
        <translation>将文件拖放到主界面</translation>
    </message>
    <message>
        <source>Copy and paste files onto main screen</source>
        <translation>将文件复制并粘贴到主界面</translation>
    </message>
    <message>
        <source>Click &apos;Add files&apos; button to browse and add file</source>
        <translation>单击“添加文件”按钮浏览并添加文件</translation>
    </message>
    <message>
        <source>Use Backup Data to safeguard your data against loss</source>
        <translation>使用“备份数据”保护您的数据免遭丢失</translation>
    </message>
    <message>
        <source>Ctrl-C / Ctrl-V</source>
        <translation>Ctrl-C / Ctrl-V</translation>
    </message>
    <message>
        <source>Do not show again</source>
        <translation>不再显示</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
</context>
</TS>
