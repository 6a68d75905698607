<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KO" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Software License Agreement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>the vault folder %1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the backup location lies inside the vault folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no random bytes could be had for the backup&apos;s key check.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the vault key could not be protected for the backup&apos;s key check.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the earlier key check %1 could not be removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the key check %1 could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the copied files could not be written to the disk: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the backup folder %1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written: it is a symbolic link.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read to its end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written whole.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChangePasswordDialog</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter your new password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter your current password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm your new password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password Strength:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Virtual keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use more than 6 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use numeric and alpha numeric characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use upper- and lower case characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use special characters (#, $, !, %, &amp;&amp;, ^, *)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password Hint: (optional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:13pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;You can type a password hint here, to help you remember your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;Try to pick a word or phrase that is clear enough to remind you, but vague&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;enough that nobody can guess your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(For example, the password &amp;quot;R0sebud#1941&amp;quot; with the hint &amp;quot;sled&amp;quot;.)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password Recommendations:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfirmFileDeleteDialog</name>
    <message>
        <source>Are you sure you want to delete the file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don’t ask this question again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileUtils</name>
    <message>
        <source>0 KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HttpHelper</name>
    <message>
        <source>The connection to the remote server is timed out</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KVVaveCreatePasswordDialog</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create your password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm your password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password Strength:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Virtual keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use more than 6 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use numeric and alpha numeric characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use upper- and lower case characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use special characters (#, $, !, %, &amp;&amp;, ^, *)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password Hint: (optional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:10pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;You can type a password hint here, to help you remember your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;Try to pick a word or phrase that is clear enough to remind you, but vague&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;enough that nobody can guess your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(For example, the password &amp;quot;R0sebud#1941&amp;quot; with the hint &amp;quot;sled&amp;quot;.)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password Recommendations:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source> - Select Files to Encrypt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot add files here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These items could not be found and were not added:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to completely remove the original file(s) from your computer?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are about to securely wipe the original file(s) from your computer. You will not be able to recover these file(s) once they have been removed. Do you wish to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The vault %1 could not be saved, so the files just added are not kept in it. The original files have not been removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The files added to the vault %1 could not be written safely to its disk. The original files have not been removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>can not remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file is read-only or locked by another application.

Press &apos;Try Again&apos; to try to remove it, &apos;Ignore&apos; to continue or &apos;Cancel&apos; to stop removing files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> is neither a directory nor a file. %1 encrypts a directory or a file only. Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 was not added: a file of the same name is already there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 could not be added: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not added: it is not a file that can be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The application can not add more files because the vault&apos;s disk is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not possible to encrypt the selected file. This may be due to a restriction of the USB flash drive file system or the drive is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 was not added: a folder of the same name is already there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already contains a file name &apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;. Would you like to replace the existing file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copy operation was cancelled by the user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be added: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be encrypted into the vault: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected items lie in more than one vault. Please select the one vault to back up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select the vault to back up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You don&apos;t have any backup file in backup location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list of vaults could not be saved to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot continue because the USB drive used has been removed. Click OK to exit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose a folder to extract the file(s) to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected files are extracted to: [%1]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The filename %1 contains characters that are not allowed on all platforms and cannot be copied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder already contains a file name &apos;%1&apos;. Would you like to replace the existing file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 could not be written.
Error: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 can not create a directory on your path.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file is already open or being used. The error is: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no default application specified to open the document [%1]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This vault could not be loaded, it may be located on another computer or the original vault file has been manually removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This vault could not be loaded, it may be located on another computer or the original vault file has been manually removed. The error is: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please make sure that your flash drive is formatted and that it is not write-protected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write vault structure. This program cannot continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A vault already exists on the flash drive. Do you want to use that vault?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a new password to decrypt the key:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter your password to unlock the vault:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That is not the correct password for this vault. Do you want to try again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot continue as there is already a vault on the flash drive. Please remove it and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is damaged and could not be read. This is not caused by your password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your password is not correct. Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have exceeded the maximum (10) login attempts. You must wait 1 minute before trying to login again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - Virtual Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The vault on your Flash Drive is missing, do you want to create a new one?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These opened files hold changes that could not be put into their vault (its folder was not found or could not be written), so they were kept unencrypted on the disk:
%1

Their changes are put into the vault as soon as it can be reached again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These files hold changes that are not in their vault yet:
%1

If you quit now, the changes stay only in these unencrypted copies. Quit anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your %1 password has reached it&apos;s timeout date. It is recommended that you change your password often to ensure the highest level of security. Would you like to change it now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, Vault Protection: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (%1% used)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (%1 items)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No drive to work on was found: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose a folder to synchronise this folder with:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking for updates... please wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - New Version Available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updates are not available: this copy of %1 has no update server to ask.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - Update Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading the update...              </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to save the file %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update could not be installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download failed: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The application will now restart.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a location for the new vault:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected folder already contains a vault. Use Add Existing Vault to connect it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The filename %1 contains characters that are not allowed on all platforms.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Vault with the name you specified already exists. Specify a different vault name and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to remove the selected vault?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected item is not a vault.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose the folder of your existing vault(s):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected folder does not contain a vault.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A vault with the same name already exists.
Please enter a new name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please try again and enter a password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password is not correct for this vault.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to add this Vault. A Vault with the same name already exists. The error is: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have choosen to delete the vault titled [%1]. All files within this vault will also be deleted. Do you wish to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to delete the selected item(s)?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a name for your new folder:                    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to create the &apos;%1&apos; directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You cannot create a folder here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A folder with the name you specified already exists. Specify a different folder name and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to remove the selected folder?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected item is not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a new name:                                        </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file name extension is going to be changed. Do you really want to rename it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An item with the name you specified already exists. Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - Vault Property</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Vault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The vault&apos;s location is accessible but the vault could not be loaded. Do you want to try to repair the vault?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The index of the vault %1 could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - Confirm file delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A synchronisation is running; please try again when it has finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is nothing to backup as your vault does not contain any data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vault %1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the new backup could not be read back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup completed successfully.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindowClass</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> No </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Yes </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encrypting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes to All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decrypting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decrypting Item...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flash Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - Create Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This vault could not be loaded, it may be located on another computer or the original vault file has been manually removed. The error is: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Select Language]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Your Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Vault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add File(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Vault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnect Vault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get Online Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save File(s) to...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Existing Vault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to Folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup Vault Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Vault Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Sync Peer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup Vault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main ToolBar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not create random bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password cannot contain these characters: %1
Please use only letters, digits and signs of Western European languages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - Virtual Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passwords do not match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid current item name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Damaged item record in archive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid item name in archive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate item name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid item name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Damaged vault header in archive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid parent path in archive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid class name in archive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timeouts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application timeout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timeout in minutes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 = Timeout Disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password expiration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expiration in days:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File delete confirmation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore to default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AES 256 bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AES 512 bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferred encryption method:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AES 128 bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AES 1024 bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mount options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mount location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup retention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep number of backups:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable automatic backup retention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You will need to restart the application for these changes to take effect</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PleaseWaitDialog</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A backup is running. Please wait until it has finished before you quit the program or eject the flash drive.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProblemReport</name>
    <message>
        <source>A problem occured</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending Report. . .</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report was sent successful!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error sending report!
%2 (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RestoreWizard</name>
    <message>
        <source>Restore Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Welcome to the restore wizard.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;This wizard will guide you through the process of restoring current data from a previous backup.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose the location to be restored from the backup file and click &apos;Next&apos; to proceed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Please select the backup to be restored and click &apos;Next&apos; to proceed.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Age</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The encryption key for the selected backup is not available. &lt;/p&gt;&lt;p&gt;A copy of the key is present in the backup, but is protected by a password.&lt;/p&gt;&lt;p&gt;Please enter the password that was in use when the backup was made and click &apos;Next&apos; to proceed.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Password:&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;You have entered an incorrect password. &lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Please go back and try again.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;By clicking &apos;Restore&apos; you will replace all data in the selected vault with data from the backup.&lt;/p&gt;&lt;p&gt;Click &apos;Back&apos; if any changes are needed before proceeding.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New, empty folder for the vault:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Restoring backup data.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;There are no other backup files available.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Data restored succesfully!&lt;br/&gt;&lt;/p&gt;&lt;p&gt;You can now close this Wizard and access the restored data.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The backup was not restored.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the vault to restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other unlisted vault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Days ago</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;By clicking &apos;Restore&apos; the backup becomes a new vault in the new, empty folder below. No existing vault is changed.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a new, empty folder for the vault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose a new, empty folder for the restored vault.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a folder. Please choose a new, empty folder for the restored vault.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 is not empty. Please choose a new, empty folder for the restored vault.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 belongs to the vault %2. Please choose a new, empty folder for the restored vault.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 lies in the backup location. Please choose another folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restored vault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup can be copied straight over the vault&apos;s files instead. If that fails part-way, the vault can&apos;t be put back as it was. Restore anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Yes </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> No </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A synchronisation is running; please try again when it has finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder of the vault %1 is not available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup holds no vault index.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough free space beside the vault to restore it safely: %1 are needed, %2 are free.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No room could be made beside the vault folder %1 to restore into.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup could not be copied: %1 The vault was not changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The vault was not changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup&apos;s files could not be put in place in the vault folder %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some of the vault&apos;s own files could not be put back; they are kept in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The vault is as it was before.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The vault&apos;s files are as they were before.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup could not be copied: %1 The vault may be damaged; restore it again once there is more free space.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The vault may be damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup&apos;s index can&apos;t be opened with the key that was found for it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup&apos;s index can&apos;t be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup&apos;s index is damaged: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup lacks the encrypted file of %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The restored vault could not be loaded: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The restored vault could not be loaded.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: it is a symbolic link</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAVBrowseFolderDialog</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a target folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a target folder.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAVCryptoThread</name>
    <message>
        <source>Cannot open file for read %1
Error: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file for write %1
Error: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAVFile</name>
    <message>
        <source>File %1 does not exist</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAVFileWatcher</name>
    <message>
        <source>%1 is a symbolic link: the decrypted copy is not written there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is open with changes that are not in the vault yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 for the decrypted copy could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The changes of %1 could not be put into the vault: the vault is not open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The changes of %1 could not be put into the vault: the vault&apos;s folder is not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The changes of %1 are in the vault, but the vault&apos;s index could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAVItem</name>
    <message>
        <source>Decryption failed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAVProgressDialog</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encrypting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimated Time to Complete: 0.00 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimated Time to Complete:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hours</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAVProgressLogDialog</name>
    <message>
        <source>Synchronization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronization progress:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No items is synced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronization completed successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronization finished, but not every file could be synchronized. See the lines above.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAVSync</name>
    <message>
        <source>Synchronization cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vault is not loaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk folder %1 is empty, but held %2 items at the last synchronization: nothing was deleted or copied for this peer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The vault folder %1 is empty, but held %2 items at the last synchronization: nothing was deleted or copied for this peer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new files could not be written to the disk.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The vault&apos;s index could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The item is no longer in the vault.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A folder of that name is in the vault.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its folder is not in the vault.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept %1: it holds items the last synchronization did not know.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept %1: it is reached through a symbolic link.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept %1: it holds files the last synchronization did not know.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list of synchronization peers of this vault can&apos;t be read. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These folders are already synchronized.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list of synchronization peers could not be written. The folder was not added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This folder can&apos;t be synchronized: it is the vault&apos;s own folder, lies inside it or holds it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This folder can&apos;t be synchronized: the application keeps its own files there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder could not be added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronization finished with errors: see the lines above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another synchronization is running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No synchronization peers defined.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skipped: %1 (names that differ only in case)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skipped: %1 (a link to a folder that holds it)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAVSyncProgressDialog</name>
    <message>
        <source>Synchronization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronization progress:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No items is synced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronization completed successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repair completed successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronization finished with errors:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronization finished with errors. The lines in the progress window say which items could not be synchronized.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TavVaultProperty</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type of encryption:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total number of files:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total storage space:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Physical Path:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Vault Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repair vault </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronization peers:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vault folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This repair has already run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder of the vault cannot be found: %1
Nothing was repaired.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A repair of this vault is already running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A synchronization is running. Please try again when it has finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start repair index file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The repair was cancelled. The index was not changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only %1 of the %2 files listed in the index of the vault &quot;%3&quot; were found in its folder %4.
If the drive or the folder is incomplete, repairing now takes the missing files out of the index.

Repair the index anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The index was not repaired.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The vault&apos;s key does not fit the files in its folder. Nothing was repaired.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The vault was closed during the repair. The index was not changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The previous index could not be kept (%1). The index was not changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The index could not be rebuilt. The index was not changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The repaired index could not be written. The previous index is kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The index was repaired: %1 files rebuilt (%2 of them in the folder &quot;%3&quot;), %4 removed, %5 skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose a folder to synchronise with:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This synchronization peer is no longer in the list of the vault.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list of synchronization peers of this vault could not be changed. The peer was not removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please try again and enter a password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a new password to encrypt the key:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the password again:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The two passwords are not the same. The vault password was not changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The vault password could not be saved in %1. The key chain was not changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The vault password was set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repair Progress</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateAvailableDialog</name>
    <message>
        <source>Kolvane - New Version Available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateConfigDialog</name>
    <message>
        <source>Kolvane - Updates configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How often do you want to check for updates?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Once a week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every two weeks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Once a month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Never</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for updates now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thank you for using %1
You are using %1 %2. There are currently no updates available.
Please try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - New Version Available</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateDownload</name>
    <message>
        <source>The server did not answer in time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A download is already under way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address %1 is not a secure one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address %1 names no file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redirected without a new address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many redirections</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redirected from a secure address to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server answered %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Utils</name>
    <message>
        <source>There are %1 file(s) to be synchronized.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start synchronizing files now.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Vir_KeyPad_Dialog</name>
    <message>
        <source>Virtual Keypad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Plain Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;--</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Security Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Realtime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorkingDrive</name>
    <message>
        <source>There is no data folder for the drive folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must name a folder by its full path: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drive folder %1 can&apos;t be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drive folder can&apos;t be the root folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 can&apos;t be made: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 can&apos;t be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 can&apos;t be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora_howto</name>
    <message>
        <source>Data Protection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 ways to protect your files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag and drop files onto main screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy and paste files onto main screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click &apos;Add files&apos; button to browse and add file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Backup Data to safeguard your data against loss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl-C / Ctrl-V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not show again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
