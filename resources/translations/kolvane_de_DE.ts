<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Software License Agreement</source>
        <translation>Lizenzvertrag</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>the vault folder %1 does not exist.</source>
        <translation>der Tresorordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>the backup location lies inside the vault folder.</source>
        <translation>der Speicherort der Sicherung liegt im Tresorordner.</translation>
    </message>
    <message>
        <source>no random bytes could be had for the backup&apos;s key check.</source>
        <translation>für die Schlüsselprüfung der Sicherung konnten keine Zufallsbytes beschafft werden.</translation>
    </message>
    <message>
        <source>the vault key could not be protected for the backup&apos;s key check.</source>
        <translation>der Tresorschlüssel konnte für die Schlüsselprüfung der Sicherung nicht geschützt werden.</translation>
    </message>
    <message>
        <source>the earlier key check %1 could not be removed.</source>
        <translation>die frühere Schlüsselprüfung %1 konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>the key check %1 could not be written: %2</source>
        <translation>die Schlüsselprüfung %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the copied files could not be written to the disk: %1</source>
        <translation>die kopierten Dateien konnten nicht auf den Datenträger geschrieben werden: %1</translation>
    </message>
    <message>
        <source>the backup folder %1 does not exist.</source>
        <translation>der Sicherungsordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>the folder %1 does not exist.</source>
        <translation>der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>the folder %1 could not be read.</source>
        <translation>der Ordner %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>the folder %1 could not be made.</source>
        <translation>der Ordner %1 konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 could not be written: it is a symbolic link.</source>
        <translation>%1 konnte nicht geschrieben werden: Es ist ein symbolischer Link.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 could not be read to its end.</source>
        <translation>%1 konnte nicht bis zum Ende gelesen werden.</translation>
    </message>
    <message>
        <source>%1 could not be written whole.</source>
        <translation>%1 konnte nicht vollständig geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>ChangePasswordDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Enter your new password:</source>
        <translation>Geben Sie Ihr neues Passwort ein:</translation>
    </message>
    <message>
        <source>Enter your current password:</source>
        <translation>Geben Sie Ihr aktuelles Passwort ein:</translation>
    </message>
    <message>
        <source>Confirm your new password:</source>
        <translation>Bestätigen Sie Ihr neues Passwort:</translation>
    </message>
    <message>
        <source>Password Strength:</source>
        <translation>Passwortstärke:</translation>
    </message>
    <message>
        <source>Virtual keyboard</source>
        <translation>Bildschirmtastatur</translation>
    </message>
    <message>
        <source>Use more than 6 characters</source>
        <translation>Verwenden Sie mehr als 6 Zeichen</translation>
    </message>
    <message>
        <source>Use numeric and alpha numeric characters</source>
        <translation>Verwenden Sie Ziffern und Buchstaben</translation>
    </message>
    <message>
        <source>Use upper- and lower case characters</source>
        <translation>Verwenden Sie Groß- und Kleinbuchstaben</translation>
    </message>
    <message>
        <source>Use special characters (#, $, !, %, &amp;&amp;, ^, *)</source>
        <translation>Verwenden Sie Sonderzeichen (#, $, !, %, &amp;&amp;, ^, *)</translation>
    </message>
    <message>
        <source>Password Hint: (optional)</source>
        <translation>Passworthinweis: (optional)</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:13pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;You can type a password hint here, to help you remember your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;Try to pick a word or phrase that is clear enough to remind you, but vague&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;enough that nobody can guess your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(For example, the password &amp;quot;R0sebud#1941&amp;quot; with the hint &amp;quot;sled&amp;quot;.)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:13pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;Hier können Sie einen Passworthinweis eingeben, der Ihnen hilft, sich an Ihr Passwort zu erinnern.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;Wählen Sie ein Wort oder eine Wendung, die deutlich genug ist, um Sie zu erinnern, aber vage genug,&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;dass niemand Ihr Passwort erraten kann.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(Zum Beispiel das Passwort &amp;quot;R0sebud#1941&amp;quot; mit dem Hinweis &amp;quot;Schlitten&amp;quot;.)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Password Recommendations:</source>
        <translation>Passwortempfehlungen:</translation>
    </message>
</context>
<context>
    <name>ConfirmFileDeleteDialog</name>
    <message>
        <source>Are you sure you want to delete the file?</source>
        <translation>Möchten Sie die Datei wirklich löschen?</translation>
    </message>
    <message>
        <source>Don’t ask this question again.</source>
        <translation>Diese Frage nicht mehr stellen.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
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
        <translation>Zeitüberschreitung der Verbindung zum Server</translation>
    </message>
    <message>
        <source>The answer of the server is larger than %1 KiB</source>
        <translation>Die Antwort des Servers ist größer als %1 KiB</translation>
    </message>
</context>
<context>
    <name>KVVaveCreatePasswordDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Create your password:</source>
        <translation>Erstellen Sie Ihr Passwort:</translation>
    </message>
    <message>
        <source>Confirm your password:</source>
        <translation>Bestätigen Sie Ihr Passwort:</translation>
    </message>
    <message>
        <source>Password Strength:</source>
        <translation>Passwortstärke:</translation>
    </message>
    <message>
        <source>Virtual keyboard</source>
        <translation>Bildschirmtastatur</translation>
    </message>
    <message>
        <source>Use more than 6 characters</source>
        <translation>Verwenden Sie mehr als 6 Zeichen</translation>
    </message>
    <message>
        <source>Use numeric and alpha numeric characters</source>
        <translation>Verwenden Sie Ziffern und Buchstaben</translation>
    </message>
    <message>
        <source>Use upper- and lower case characters</source>
        <translation>Verwenden Sie Groß- und Kleinbuchstaben</translation>
    </message>
    <message>
        <source>Use special characters (#, $, !, %, &amp;&amp;, ^, *)</source>
        <translation>Verwenden Sie Sonderzeichen (#, $, !, %, &amp;&amp;, ^, *)</translation>
    </message>
    <message>
        <source>Create Password</source>
        <translation>Passwort erstellen</translation>
    </message>
    <message>
        <source>Password Hint: (optional)</source>
        <translation>Passworthinweis: (optional)</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:10pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;You can type a password hint here, to help you remember your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;Try to pick a word or phrase that is clear enough to remind you, but vague&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;enough that nobody can guess your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(For example, the password &amp;quot;R0sebud#1941&amp;quot; with the hint &amp;quot;sled&amp;quot;.)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:10pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;Hier können Sie einen Passworthinweis eingeben, der Ihnen hilft, sich an Ihr Passwort zu erinnern.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;Wählen Sie ein Wort oder eine Wendung, die deutlich genug ist, um Sie zu erinnern, aber vage genug,&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;dass niemand Ihr Passwort erraten kann.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(Zum Beispiel das Passwort &amp;quot;R0sebud#1941&amp;quot; mit dem Hinweis &amp;quot;Schlitten&amp;quot;.)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Password Recommendations:</source>
        <translation>Passwortempfehlungen:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation> - Zu verschlüsselnde Dateien auswählen</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Verschlüsseln</translation>
    </message>
    <message>
        <source>Cannot add files here.</source>
        <translation>Hier können keine Dateien hinzugefügt werden.</translation>
    </message>
    <message>
        <source>These items could not be found and were not added:
%1</source>
        <translation>Diese Elemente wurden nicht gefunden und nicht hinzugefügt:
%1</translation>
    </message>
    <message>
        <source>Would you like to completely remove the original file(s) from your computer?</source>
        <translation>Möchten Sie die Originaldatei(en) vollständig von Ihrem Computer entfernen?</translation>
    </message>
    <message>
        <source>You are about to securely wipe the original file(s) from your computer. You will not be able to recover these file(s) once they have been removed. Do you wish to continue?</source>
        <translation>Sie sind dabei, die Originaldatei(en) sicher von Ihrem Computer zu löschen. Sie können diese Datei(en) nach dem Entfernen nicht wiederherstellen. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>The vault %1 could not be saved, so the files just added are not kept in it. The original files have not been removed.</source>
        <translation>Der Tresor %1 konnte nicht gespeichert werden, daher sind die gerade hinzugefügten Dateien nicht darin enthalten. Die Originaldateien wurden nicht entfernt.</translation>
    </message>
    <message>
        <source>The files added to the vault %1 could not be written safely to its disk. The original files have not been removed.</source>
        <translation>Die zum Tresor %1 hinzugefügten Dateien konnten nicht sicher auf seinen Datenträger geschrieben werden. Die Originaldateien wurden nicht entfernt.</translation>
    </message>
    <message>
        <source>can not remove</source>
        <translation>kann nicht entfernen</translation>
    </message>
    <message>
        <source>This file is read-only or locked by another application.

Press &apos;Try Again&apos; to try to remove it, &apos;Ignore&apos; to continue or &apos;Cancel&apos; to stop removing files.</source>
        <translation>Diese Datei ist schreibgeschützt oder von einer anderen Anwendung gesperrt.

Klicken Sie auf &apos;Wiederholen&apos;, um sie erneut zu entfernen, auf &apos;Ignorieren&apos;, um fortzufahren, oder auf &apos;Abbrechen&apos;, um das Entfernen von Dateien zu beenden.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source> is neither a directory nor a file. %1 encrypts a directory or a file only. Please try again.</source>
        <translation> ist weder ein Ordner noch eine Datei. %1 verschlüsselt nur Ordner oder Dateien. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The folder %1 was not added: a file of the same name is already there.</source>
        <translation>Der Ordner %1 wurde nicht hinzugefügt: Dort befindet sich bereits eine Datei mit demselben Namen.</translation>
    </message>
    <message>
        <source>The folder %1 could not be added: %2</source>
        <translation>Der Ordner %1 konnte nicht hinzugefügt werden: %2</translation>
    </message>
    <message>
        <source>%1 was not added: it is not a file that can be read.</source>
        <translation>%1 wurde nicht hinzugefügt: Es ist keine lesbare Datei.</translation>
    </message>
    <message>
        <source>The application can not add more files because the vault&apos;s disk is full.</source>
        <translation>Die Anwendung kann keine weiteren Dateien hinzufügen, da der Datenträger des Tresors voll ist.</translation>
    </message>
    <message>
        <source>It is not possible to encrypt the selected file. This may be due to a restriction of the USB flash drive file system or the drive is full.</source>
        <translation>Die ausgewählte Datei kann nicht verschlüsselt werden. Ursache kann eine Einschränkung des Dateisystems des USB-Sticks oder ein volles Laufwerk sein.</translation>
    </message>
    <message>
        <source>The file %1 was not added: a folder of the same name is already there.</source>
        <translation>Die Datei %1 wurde nicht hinzugefügt: Dort befindet sich bereits ein Ordner mit demselben Namen.</translation>
    </message>
    <message>
        <source>%1 already contains a file name &apos;</source>
        <translation>%1 enthält bereits eine Datei mit dem Namen &apos;</translation>
    </message>
    <message>
        <source>&apos;. Would you like to replace the existing file?</source>
        <translation>&apos;. Möchten Sie die vorhandene Datei ersetzen?</translation>
    </message>
    <message>
        <source>The copy operation was cancelled by the user</source>
        <translation>Der Kopiervorgang wurde vom Benutzer abgebrochen</translation>
    </message>
    <message>
        <source>%1 could not be added: %2</source>
        <translation>%1 konnte nicht hinzugefügt werden: %2</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>%1 could not be encrypted into the vault: %2</source>
        <translation>%1 konnte nicht in den Tresor verschlüsselt werden: %2</translation>
    </message>
    <message>
        <source>The selected items lie in more than one vault. Please select the one vault to back up.</source>
        <translation>Die ausgewählten Elemente liegen in mehr als einem Tresor. Bitte wählen Sie den einen zu sichernden Tresor.</translation>
    </message>
    <message>
        <source>Please select the vault to back up.</source>
        <translation>Bitte wählen Sie den zu sichernden Tresor.</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Sicherung läuft...</translation>
    </message>
    <message>
        <source>You don&apos;t have any backup file in backup location</source>
        <translation>Am Speicherort der Sicherungen befindet sich keine Sicherungsdatei</translation>
    </message>
    <message>
        <source>The list of vaults could not be saved to %1.</source>
        <translation>Die Liste der Tresore konnte nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>%1 cannot continue because the USB drive used has been removed. Click OK to exit %1</source>
        <translation>%1 kann nicht fortfahren, da das verwendete USB-Laufwerk entfernt wurde. Klicken Sie auf OK, um %1 zu beenden</translation>
    </message>
    <message>
        <source>Please choose a folder to extract the file(s) to:</source>
        <translation>Bitte wählen Sie einen Ordner, in den die Datei(en) extrahiert werden sollen:</translation>
    </message>
    <message>
        <source>Selected files are extracted to: [%1]</source>
        <translation>Die ausgewählten Dateien wurden extrahiert nach: [%1]</translation>
    </message>
    <message>
        <source>The filename %1 contains characters that are not allowed on all platforms and cannot be copied.</source>
        <translation>Der Dateiname %1 enthält Zeichen, die nicht auf allen Plattformen erlaubt sind, und kann nicht kopiert werden.</translation>
    </message>
    <message>
        <source>The folder already contains a file name &apos;%1&apos;. Would you like to replace the existing file?</source>
        <translation>Der Ordner enthält bereits eine Datei mit dem Namen &apos;%1&apos;. Möchten Sie die vorhandene Datei ersetzen?</translation>
    </message>
    <message>
        <source>The file %1 could not be written.
Error: %2</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden.
Fehler: %2</translation>
    </message>
    <message>
        <source>The %1 can not create a directory on your path.</source>
        <translation>%1 kann in Ihrem Pfad keinen Ordner erstellen.</translation>
    </message>
    <message>
        <source>This file is already open or being used. The error is: %1</source>
        <translation>Diese Datei ist bereits geöffnet oder wird verwendet. Der Fehler lautet: %1</translation>
    </message>
    <message>
        <source>There is no default application specified to open the document [%1]</source>
        <translation>Für das Dokument [%1] ist keine Standardanwendung festgelegt</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>%1 konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>This vault could not be loaded, it may be located on another computer or the original vault file has been manually removed.</source>
        <translation>Dieser Tresor konnte nicht geladen werden. Er befindet sich möglicherweise auf einem anderen Computer, oder die ursprüngliche Tresordatei wurde manuell entfernt.</translation>
    </message>
    <message>
        <source>This vault could not be loaded, it may be located on another computer or the original vault file has been manually removed. The error is: %1</source>
        <translation>Dieser Tresor konnte nicht geladen werden. Er befindet sich möglicherweise auf einem anderen Computer, oder die ursprüngliche Tresordatei wurde manuell entfernt. Der Fehler lautet: %1</translation>
    </message>
    <message>
        <source>Please make sure that your flash drive is formatted and that it is not write-protected.</source>
        <translation>Bitte stellen Sie sicher, dass Ihr USB-Stick formatiert und nicht schreibgeschützt ist.</translation>
    </message>
    <message>
        <source>Unable to write vault structure. This program cannot continue.</source>
        <translation>Die Tresorstruktur kann nicht geschrieben werden. Dieses Programm kann nicht fortfahren.</translation>
    </message>
    <message>
        <source>A vault already exists on the flash drive. Do you want to use that vault?</source>
        <translation>Auf dem USB-Stick befindet sich bereits ein Tresor. Möchten Sie diesen Tresor verwenden?</translation>
    </message>
    <message>
        <source>Please enter a new password to decrypt the key:</source>
        <translation>Bitte geben Sie ein neues Passwort zum Entschlüsseln des Schlüssels ein:</translation>
    </message>
    <message>
        <source>Enter your password to unlock the vault:</source>
        <translation>Geben Sie Ihr Passwort ein, um den Tresor zu entsperren:</translation>
    </message>
    <message>
        <source>That is not the correct password for this vault. Do you want to try again?</source>
        <translation>Das ist nicht das richtige Passwort für diesen Tresor. Möchten Sie es erneut versuchen?</translation>
    </message>
    <message>
        <source>%1 cannot continue as there is already a vault on the flash drive. Please remove it and try again.</source>
        <translation>%1 kann nicht fortfahren, da sich bereits ein Tresor auf dem USB-Stick befindet. Bitte entfernen Sie ihn und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The file %1 is damaged and could not be read. This is not caused by your password.</source>
        <translation>Die Datei %1 ist beschädigt und konnte nicht gelesen werden. Das liegt nicht an Ihrem Passwort.</translation>
    </message>
    <message>
        <source>Your password is not correct. Please try again.</source>
        <translation>Ihr Passwort ist nicht korrekt. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>You have exceeded the maximum (10) login attempts. You must wait 1 minute before trying to login again.</source>
        <translation>Sie haben die maximale Anzahl (10) an Anmeldeversuchen überschritten. Sie müssen 1 Minute warten, bevor Sie sich erneut anmelden können.</translation>
    </message>
    <message>
        <source> - Virtual Keyboard</source>
        <translation> - Bildschirmtastatur</translation>
    </message>
    <message>
        <source>The vault on your Flash Drive is missing, do you want to create a new one?</source>
        <translation>Der Tresor auf Ihrem USB-Stick fehlt. Möchten Sie einen neuen erstellen?</translation>
    </message>
    <message>
        <source>These opened files hold changes that could not be put into their vault (its folder was not found or could not be written), so they were kept unencrypted on the disk:
%1

Their changes are put into the vault as soon as it can be reached again.</source>
        <translation>Diese geöffneten Dateien enthalten Änderungen, die nicht in ihren Tresor übernommen werden konnten (sein Ordner wurde nicht gefunden oder konnte nicht beschrieben werden), daher wurden sie unverschlüsselt auf dem Datenträger belassen:
%1

Ihre Änderungen werden in den Tresor übernommen, sobald er wieder erreichbar ist.</translation>
    </message>
    <message>
        <source>These files hold changes that are not in their vault yet:
%1

If you quit now, the changes stay only in these unencrypted copies. Quit anyway?</source>
        <translation>Diese Dateien enthalten Änderungen, die noch nicht in ihrem Tresor sind:
%1

Wenn Sie jetzt beenden, bleiben die Änderungen nur in diesen unverschlüsselten Kopien. Trotzdem beenden?</translation>
    </message>
    <message>
        <source>Your %1 password has reached it&apos;s timeout date. It is recommended that you change your password often to ensure the highest level of security. Would you like to change it now?</source>
        <translation>Ihr %1-Passwort ist abgelaufen. Es wird empfohlen, das Passwort häufig zu ändern, um höchste Sicherheit zu gewährleisten. Möchten Sie es jetzt ändern?</translation>
    </message>
    <message>
        <source>, Vault Protection: %1</source>
        <translation>, Tresorschutz: %1</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source> (%1% used)</source>
        <translation> (%1% belegt)</translation>
    </message>
    <message>
        <source> (%1 items)</source>
        <translation> (%1 Elemente)</translation>
    </message>
    <message>
        <source>No drive to work on was found: %1</source>
        <translation>Es wurde kein Laufwerk zum Arbeiten gefunden: %1</translation>
    </message>
    <message>
        <source>Please choose a folder to synchronise this folder with:</source>
        <translation>Bitte wählen Sie einen Ordner, mit dem dieser Ordner synchronisiert werden soll:</translation>
    </message>
    <message>
        <source>Checking for updates... please wait</source>
        <translation>Suche nach Updates... bitte warten</translation>
    </message>
    <message>
        <source> - New Version Available</source>
        <translation> - Neue Version verfügbar</translation>
    </message>
    <message>
        <source>Updates are not available: this copy of %1 has no update server to ask.</source>
        <translation>Keine Updates verfügbar: Diese Kopie von %1 hat keinen Update-Server, den sie fragen kann.</translation>
    </message>
    <message>
        <source> - Update Configuration</source>
        <translation> - Update-Einstellungen</translation>
    </message>
    <message>
        <source>Downloading the update...              </source>
        <translation>Update wird heruntergeladen...              </translation>
    </message>
    <message>
        <source>Unable to save the file %1: %2.</source>
        <translation>Die Datei %1 kann nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>The update could not be installed.</source>
        <translation>Das Update konnte nicht installiert werden.</translation>
    </message>
    <message>
        <source>Download failed: %1.</source>
        <translation>Download fehlgeschlagen: %1.</translation>
    </message>
    <message>
        <source>The application will now restart.</source>
        <translation>Die Anwendung wird jetzt neu gestartet.</translation>
    </message>
    <message>
        <source>Please select a location for the new vault:</source>
        <translation>Bitte wählen Sie einen Speicherort für den neuen Tresor:</translation>
    </message>
    <message>
        <source>The selected folder already contains a vault. Use Add Existing Vault to connect it.</source>
        <translation>Der ausgewählte Ordner enthält bereits einen Tresor. Verwenden Sie &apos;Vorhandenen Tresor hinzufügen&apos;, um ihn zu verbinden.</translation>
    </message>
    <message>
        <source>The filename %1 contains characters that are not allowed on all platforms.</source>
        <translation>Der Dateiname %1 enthält Zeichen, die nicht auf allen Plattformen erlaubt sind.</translation>
    </message>
    <message>
        <source>A Vault with the name you specified already exists. Specify a different vault name and try again.</source>
        <translation>Ein Tresor mit dem angegebenen Namen existiert bereits. Geben Sie einen anderen Tresornamen an und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Do you really want to remove the selected vault?</source>
        <translation>Möchten Sie den ausgewählten Tresor wirklich entfernen?</translation>
    </message>
    <message>
        <source>The selected item is not a vault.</source>
        <translation>Das ausgewählte Element ist kein Tresor.</translation>
    </message>
    <message>
        <source>Please choose the folder of your existing vault(s):</source>
        <translation>Bitte wählen Sie den Ordner Ihres vorhandenen Tresors:</translation>
    </message>
    <message>
        <source>The selected folder does not contain a vault.</source>
        <translation>Der ausgewählte Ordner enthält keinen Tresor.</translation>
    </message>
    <message>
        <source>A vault with the same name already exists.
Please enter a new name</source>
        <translation>Ein Tresor mit diesem Namen existiert bereits.
Bitte geben Sie einen neuen Namen ein</translation>
    </message>
    <message>
        <source>Please try again and enter a password</source>
        <translation>Bitte versuchen Sie es erneut und geben Sie ein Passwort ein</translation>
    </message>
    <message>
        <source>The password is not correct for this vault.</source>
        <translation>Das Passwort ist für diesen Tresor nicht korrekt.</translation>
    </message>
    <message>
        <source>Unable to add this Vault. A Vault with the same name already exists. The error is: %1</source>
        <translation>Dieser Tresor kann nicht hinzugefügt werden. Ein Tresor mit demselben Namen existiert bereits. Der Fehler lautet: %1</translation>
    </message>
    <message>
        <source>You have choosen to delete the vault titled [%1]. All files within this vault will also be deleted. Do you wish to continue?</source>
        <translation>Sie haben gewählt, den Tresor [%1] zu löschen. Alle Dateien in diesem Tresor werden ebenfalls gelöscht. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Do you really want to delete the selected item(s)?</source>
        <translation>Möchten Sie die ausgewählten Elemente wirklich löschen?</translation>
    </message>
    <message>
        <source>Please enter a name for your new folder:                    </source>
        <translation>Bitte geben Sie einen Namen für den neuen Ordner ein:                    </translation>
    </message>
    <message>
        <source>Failed to create the &apos;%1&apos; directory</source>
        <translation>Der Ordner &apos;%1&apos; konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>You cannot create a folder here.</source>
        <translation>Hier können Sie keinen Ordner erstellen.</translation>
    </message>
    <message>
        <source>A folder with the name you specified already exists. Specify a different folder name and try again.</source>
        <translation>Ein Ordner mit dem angegebenen Namen existiert bereits. Geben Sie einen anderen Ordnernamen an und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Do you really want to remove the selected folder?</source>
        <translation>Möchten Sie den ausgewählten Ordner wirklich entfernen?</translation>
    </message>
    <message>
        <source>The selected item is not a folder.</source>
        <translation>Das ausgewählte Element ist kein Ordner.</translation>
    </message>
    <message>
        <source>Please enter a new name:                                        </source>
        <translation>Bitte geben Sie einen neuen Namen ein:                                        </translation>
    </message>
    <message>
        <source>The file name extension is going to be changed. Do you really want to rename it?</source>
        <translation>Die Dateinamenerweiterung wird geändert. Möchten Sie die Datei wirklich umbenennen?</translation>
    </message>
    <message>
        <source>An item with the name you specified already exists. Please try again.</source>
        <translation>Ein Element mit dem angegebenen Namen existiert bereits. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source> - Vault Property</source>
        <translation> - Tresor-Eigenschaften</translation>
    </message>
    <message>
        <source>Load Vault</source>
        <translation>Tresor laden</translation>
    </message>
    <message>
        <source>The vault&apos;s location is accessible but the vault could not be loaded. Do you want to try to repair the vault?</source>
        <translation>Der Speicherort des Tresors ist erreichbar, aber der Tresor konnte nicht geladen werden. Möchten Sie versuchen, den Tresor zu reparieren?</translation>
    </message>
    <message>
        <source>The index of the vault %1 could not be saved.</source>
        <translation>Der Index des Tresors %1 konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>%1 - Confirm file delete</source>
        <translation>%1 - Löschen der Datei bestätigen</translation>
    </message>
    <message>
        <source>Backup failed: %1</source>
        <translation>Sicherung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>A synchronisation is running; please try again when it has finished.</source>
        <translation>Eine Synchronisierung läuft; bitte versuchen Sie es erneut, wenn sie abgeschlossen ist.</translation>
    </message>
    <message>
        <source>There is nothing to backup as your vault does not contain any data.</source>
        <translation>Es gibt nichts zu sichern, da Ihr Tresor keine Daten enthält.</translation>
    </message>
    <message>
        <source>Vault %1 does not exist.</source>
        <translation>Tresor %1 existiert nicht.</translation>
    </message>
    <message>
        <source>the new backup could not be read back.</source>
        <translation>die neue Sicherung konnte nicht zurückgelesen werden.</translation>
    </message>
    <message>
        <source>Backup completed successfully.</source>
        <translation>Sicherung erfolgreich abgeschlossen.</translation>
    </message>
    <message>
        <source>There is already a file with the same name in this location. Do you want to replace it?</source>
        <translation>An diesem Ort befindet sich bereits eine Datei mit demselben Namen. Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>%1 item(s) could not be moved:
%2</source>
        <translation>%1 Element(e) konnte(n) nicht verschoben werden:
%2</translation>
    </message>
    <message>
        <source>%1 item(s) could not be copied:
%2</source>
        <translation>%1 Element(e) konnte(n) nicht kopiert werden:
%2</translation>
    </message>
    <message>
        <source>Moving Item...</source>
        <translation>Element wird verschoben...</translation>
    </message>
    <message>
        <source>Can not move</source>
        <translation>Verschieben nicht möglich</translation>
    </message>
    <message>
        <source>The extracted files could not be written safely to %1. Check the disk and extract them again.</source>
        <translation>Die extrahierten Dateien konnten nicht sicher nach %1 geschrieben werden. Überprüfen Sie den Datenträger und extrahieren Sie sie erneut.</translation>
    </message>
    <message>
        <source>The application can not rename a file</source>
        <translation>Die Anwendung kann eine Datei nicht umbenennen</translation>
    </message>
    <message>
        <source>Are you sure you want to permanently delete this folder?</source>
        <translation>Möchten Sie diesen Ordner wirklich endgültig löschen?</translation>
    </message>
    <message>
        <source>Are you sure you want to permanently delete this file?</source>
        <translation>Möchten Sie diese Datei wirklich endgültig löschen?</translation>
    </message>
    <message>
        <source>Are you sure you want to permanently delete these %1 items?</source>
        <translation>Möchten Sie diese %1 Elemente wirklich endgültig löschen?</translation>
    </message>
    <message>
        <source> - Options</source>
        <translation> - Optionen</translation>
    </message>
    <message>
        <source>The options could not be saved to %1. They hold until the program ends.</source>
        <translation>Die Optionen konnten nicht in %1 gespeichert werden. Sie gelten bis zum Beenden des Programms.</translation>
    </message>
    <message>
        <source>Password Hint</source>
        <translation>Passworthinweis</translation>
    </message>
    <message>
        <source> - Change Password</source>
        <translation> - Passwort ändern</translation>
    </message>
    <message>
        <source>The current password entered is invalid. Please try again.</source>
        <translation>Das eingegebene aktuelle Passwort ist ungültig. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The list of vaults %1 could not be read. Your password has not been changed.</source>
        <translation>Die Liste der Tresore %1 konnte nicht gelesen werden. Ihr Passwort wurde nicht geändert.</translation>
    </message>
    <message>
        <source>The list of vaults could not be saved to %1. Your password has not been changed; the current password still opens your vaults.</source>
        <translation>Die Liste der Tresore konnte nicht in %1 gespeichert werden. Ihr Passwort wurde nicht geändert; das aktuelle Passwort öffnet weiterhin Ihre Tresore.</translation>
    </message>
    <message>
        <source>Your password has been changed, but the key files of these vaults could not be written and still hold their keys under the old password:
%1

The vaults open as before; only adding such a folder again as an existing vault needs the old password.</source>
        <translation>Ihr Passwort wurde geändert, aber die Schlüsseldateien dieser Tresore konnten nicht geschrieben werden und enthalten ihre Schlüssel weiterhin unter dem alten Passwort:
%1

Die Tresore lassen sich wie bisher öffnen; nur wenn Sie einen solchen Ordner erneut als vorhandenen Tresor hinzufügen, wird das alte Passwort benötigt.</translation>
    </message>
    <message>
        <source>Unable to write vault structure. The vault was not created.</source>
        <translation>Die Tresorstruktur konnte nicht geschrieben werden. Der Tresor wurde nicht angelegt.</translation>
    </message>
    <message>
        <source>Unable to write vault structure. The vault was not added.</source>
        <translation>Die Tresorstruktur konnte nicht geschrieben werden. Der Tresor wurde nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>An earlier list of vaults was found on the drive. It was kept as %1.</source>
        <translation>Auf dem Laufwerk wurde eine frühere Tresorliste gefunden. Sie wurde als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>The key of the vault %1 in %2 is damaged. The vault&apos;s own key file still opens it: disconnect the vault and add it again with Add Existing Vault.</source>
        <translation>Der Schlüssel des Tresors %1 in %2 ist beschädigt. Die eigene Schlüsseldatei des Tresors öffnet ihn noch: Trennen Sie den Tresor und fügen Sie ihn mit „Vorhandenen Tresor hinzufügen“ wieder hinzu.</translation>
    </message>
    <message>
        <source>Your password has been changed, but the key files of these vaults are damaged and were left as they are:
%1

The vaults open as before, but such a folder can&apos;t be added again as an existing vault.</source>
        <translation>Ihr Passwort wurde geändert, aber die Schlüsseldateien dieser Tresore sind beschädigt und wurden unverändert gelassen:
%1

Die Tresore lassen sich wie bisher öffnen, aber ein solcher Ordner kann nicht erneut als vorhandener Tresor hinzugefügt werden.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged. It was kept as %2, and the default settings are used.</source>
        <translation>Die Einstellungsdatei %1 ist beschädigt. Sie wurde als %2 aufbewahrt; es gelten die Standardeinstellungen.</translation>
    </message>
</context>
<context>
    <name>MainWindowClass</name>
    <message>
        <source>Login</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source> No </source>
        <translation> Nein </translation>
    </message>
    <message>
        <source> Yes </source>
        <translation> Ja </translation>
    </message>
    <message>
        <source>Encrypting...</source>
        <translation>Verschlüsseln...</translation>
    </message>
    <message>
        <source>Yes to All</source>
        <translation>Ja, alle</translation>
    </message>
    <message>
        <source>Decrypting...</source>
        <translation>Entschlüsseln...</translation>
    </message>
    <message>
        <source>Decrypting Item...</source>
        <translation>Element wird entschlüsselt...</translation>
    </message>
    <message>
        <source>Flash Drive</source>
        <translation>USB-Stick</translation>
    </message>
    <message>
        <source> - Create Password</source>
        <translation> - Passwort erstellen</translation>
    </message>
    <message>
        <source> - About</source>
        <translation> - Über</translation>
    </message>
    <message>
        <source>This vault could not be loaded, it may be located on another computer or the original vault file has been manually removed. The error is: %1</source>
        <translation>Dieser Tresor konnte nicht geladen werden. Er befindet sich möglicherweise auf einem anderen Computer, oder die ursprüngliche Tresordatei wurde manuell entfernt. Der Fehler lautet: %1</translation>
    </message>
    <message>
        <source>[Select Language]</source>
        <translation>[Sprache auswählen]</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>Passwort vergessen?</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Bildschirmtastatur</translation>
    </message>
    <message>
        <source>Enter Your Password</source>
        <translation>Geben Sie Ihr Passwort ein</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Suchen...</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Arbeitsplatz</translation>
    </message>
    <message>
        <source>My Vault</source>
        <translation>Mein Tresor</translation>
    </message>
    <message>
        <source>Add File(s)</source>
        <translation>Datei(en) hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>New Vault</source>
        <translation>Neuer Tresor</translation>
    </message>
    <message>
        <source>Disconnect Vault</source>
        <translation>Tresor trennen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>Synchronisieren</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Get Online Support</source>
        <translation>Online-Support</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>Remove Folder</source>
        <translation>Ordner entfernen</translation>
    </message>
    <message>
        <source>Save File(s) to...</source>
        <translation>Datei(en) speichern unter...</translation>
    </message>
    <message>
        <source>Add Existing Vault</source>
        <translation>Vorhandenen Tresor hinzufügen</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Move to Folder...</source>
        <translation>In Ordner verschieben...</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Go Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Go Home</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Schreibtisch</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Dokumente</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Backup Vault Data</source>
        <translation>Tresordaten sichern</translation>
    </message>
    <message>
        <source>Restore Vault Data</source>
        <translation>Tresordaten wiederherstellen</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Optionen...</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Add Sync Peer</source>
        <translation>Synchronisierungspartner hinzufügen</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>Im Dateimanager anzeigen</translation>
    </message>
    <message>
        <source>Backup Vault</source>
        <translation>Tresor sichern</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Main ToolBar</source>
        <translation>Hauptsymbolleiste</translation>
    </message>
    <message>
        <source>Could not create random bytes.</source>
        <translation>Es konnten keine Zufallsbytes erzeugt werden.</translation>
    </message>
    <message>
        <source>The password cannot contain these characters: %1
Please use only letters, digits and signs of Western European languages.</source>
        <translation>Das Passwort darf diese Zeichen nicht enthalten: %1
Bitte verwenden Sie nur Buchstaben, Ziffern und Zeichen westeuropäischer Sprachen.</translation>
    </message>
    <message>
        <source> - Virtual Keyboard</source>
        <translation> - Bildschirmtastatur</translation>
    </message>
    <message>
        <source>Weak</source>
        <translation>Schwach</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Gut</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Ausgezeichnet</translation>
    </message>
    <message>
        <source>Passwords do not match</source>
        <translation>Passwörter stimmen nicht überein</translation>
    </message>
    <message>
        <source>Invalid current item name.</source>
        <translation>Ungültiger Name des aktuellen Elements.</translation>
    </message>
    <message>
        <source>Damaged item record in archive.</source>
        <translation>Beschädigter Elementeintrag im Archiv.</translation>
    </message>
    <message>
        <source>Invalid item name in archive.</source>
        <translation>Ungültiger Elementname im Archiv.</translation>
    </message>
    <message>
        <source>Duplicate item name.</source>
        <translation>Doppelter Elementname.</translation>
    </message>
    <message>
        <source>Invalid item name.</source>
        <translation>Ungültiger Elementname.</translation>
    </message>
    <message>
        <source>Damaged vault header in archive.</source>
        <translation>Beschädigter Tresorkopf im Archiv.</translation>
    </message>
    <message>
        <source>Invalid parent path in archive.</source>
        <translation>Ungültiger übergeordneter Pfad im Archiv.</translation>
    </message>
    <message>
        <source>Invalid class name in archive.</source>
        <translation>Ungültiger Klassenname im Archiv.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Date Created</source>
        <translation>Erstellungsdatum</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Copying  file...</source>
        <translation>Datei wird kopiert...</translation>
    </message>
    <message>
        <source>Copying Item...</source>
        <translation>Element wird kopiert...</translation>
    </message>
    <message>
        <source>Can not move</source>
        <translation>Verschieben nicht möglich</translation>
    </message>
    <message>
        <source>Processing Items...</source>
        <translation>Elemente werden verarbeitet...</translation>
    </message>
    <message>
        <source>Moving Item...</source>
        <translation>Element wird verschoben...</translation>
    </message>
    <message>
        <source>There is already an item with the same name in this location. Do you want to replace it?</source>
        <translation>An diesem Ort befindet sich bereits ein Element mit demselben Namen. Möchten Sie es ersetzen?</translation>
    </message>
    <message>
        <source>Failed to move</source>
        <translation>Verschieben fehlgeschlagen</translation>
    </message>
    <message>
        <source>Failed to copy</source>
        <translation>Kopieren fehlgeschlagen</translation>
    </message>
    <message>
        <source>The application can not add more files because the vault&apos;s disk is full.</source>
        <translation>Die Anwendung kann keine weiteren Dateien hinzufügen, da der Datenträger des Tresors voll ist.</translation>
    </message>
    <message>
        <source>Moving file...</source>
        <translation>Datei wird verschoben...</translation>
    </message>
    <message>
        <source>Copy folder...</source>
        <translation>Ordner kopieren...</translation>
    </message>
    <message>
        <source>Add a vault here</source>
        <translation>Hier einen Tresor hinzufügen</translation>
    </message>
    <message>
        <source>Add a file or create a folder here</source>
        <translation>Hier eine Datei hinzufügen oder einen Ordner erstellen</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Timeouts</source>
        <translation>Zeitlimits</translation>
    </message>
    <message>
        <source>Application timeout</source>
        <translation>Zeitlimit der Anwendung</translation>
    </message>
    <message>
        <source>Timeout in minutes:</source>
        <translation>Zeitlimit in Minuten:</translation>
    </message>
    <message>
        <source>0 = Timeout Disabled</source>
        <translation>0 = Zeitlimit deaktiviert</translation>
    </message>
    <message>
        <source>Password expiration</source>
        <translation>Passwortablauf</translation>
    </message>
    <message>
        <source>Expiration in days:</source>
        <translation>Ablauf in Tagen:</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>File delete confirmation</source>
        <translation>Bestätigung beim Löschen von Dateien</translation>
    </message>
    <message>
        <source>Restore to default</source>
        <translation>Standard wiederherstellen</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Verschlüsselung</translation>
    </message>
    <message>
        <source>AES 256 bit</source>
        <translation>AES 256 Bit</translation>
    </message>
    <message>
        <source>AES 512 bit</source>
        <translation>AES 512 Bit</translation>
    </message>
    <message>
        <source>Preferred encryption method:</source>
        <translation>Bevorzugte Verschlüsselungsmethode:</translation>
    </message>
    <message>
        <source>AES 128 bit</source>
        <translation>AES 128 Bit</translation>
    </message>
    <message>
        <source>AES 1024 bit</source>
        <translation>AES 1024 Bit</translation>
    </message>
    <message>
        <source>Locations</source>
        <translation>Speicherorte</translation>
    </message>
    <message>
        <source>Backup options</source>
        <translation>Sicherungsoptionen</translation>
    </message>
    <message>
        <source>Backup location</source>
        <translation>Speicherort der Sicherung</translation>
    </message>
    <message>
        <source>Application Data</source>
        <translation>Anwendungsdaten</translation>
    </message>
    <message>
        <source>My Documents</source>
        <translation>Eigene Dateien</translation>
    </message>
    <message>
        <source>Mount options</source>
        <translation>Einhängeoptionen</translation>
    </message>
    <message>
        <source>Mount location</source>
        <translation>Einhängeort</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Backup retention</source>
        <translation>Aufbewahrung der Sicherungen</translation>
    </message>
    <message>
        <source>Keep number of backups:</source>
        <translation>Anzahl aufbewahrter Sicherungen:</translation>
    </message>
    <message>
        <source>Enable automatic backup retention</source>
        <translation>Alte Sicherungen automatisch löschen</translation>
    </message>
    <message>
        <source>You will need to restart the application for these changes to take effect</source>
        <translation>Sie müssen die Anwendung neu starten, damit diese Änderungen wirksam werden</translation>
    </message>
</context>
<context>
    <name>PleaseWaitDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A backup is running. Please wait until it has finished before you quit the program or eject the flash drive.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Eine Sicherung läuft. Bitte warten Sie, bis sie abgeschlossen ist, bevor Sie das Programm beenden oder den USB-Stick auswerfen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>ProblemReport</name>
    <message>
        <source>A problem occured</source>
        <translation>Ein Problem ist aufgetreten</translation>
    </message>
    <message>
        <source>Sending Report. . .</source>
        <translation>Bericht wird gesendet. . .</translation>
    </message>
    <message>
        <source>Send Report</source>
        <translation>Bericht senden</translation>
    </message>
    <message>
        <source>Report was sent successful!</source>
        <translation>Bericht wurde erfolgreich gesendet!</translation>
    </message>
    <message>
        <source>Error sending report!
%2 (%1)</source>
        <translation>Fehler beim Senden des Berichts!
%2 (%1)</translation>
    </message>
</context>
<context>
    <name>RestoreWizard</name>
    <message>
        <source>Restore Wizard</source>
        <translation>Wiederherstellungsassistent</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Welcome to the restore wizard.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;This wizard will guide you through the process of restoring current data from a previous backup.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Willkommen beim Wiederherstellungsassistenten.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;Dieser Assistent führt Sie durch die Wiederherstellung aktueller Daten aus einer früheren Sicherung.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Please choose the location to be restored from the backup file and click &apos;Next&apos; to proceed.</source>
        <translation>Bitte wählen Sie den aus der Sicherungsdatei wiederherzustellenden Ort und klicken Sie auf &apos;Weiter&apos;, um fortzufahren.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Please select the backup to be restored and click &apos;Next&apos; to proceed.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Bitte wählen Sie die wiederherzustellende Sicherung aus und klicken Sie auf &apos;Weiter&apos;, um fortzufahren.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Alter</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The encryption key for the selected backup is not available. &lt;/p&gt;&lt;p&gt;A copy of the key is present in the backup, but is protected by a password.&lt;/p&gt;&lt;p&gt;Please enter the password that was in use when the backup was made and click &apos;Next&apos; to proceed.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Der Verschlüsselungsschlüssel für die ausgewählte Sicherung ist nicht verfügbar. &lt;/p&gt;&lt;p&gt;Eine Kopie des Schlüssels befindet sich in der Sicherung, ist aber durch ein Passwort geschützt.&lt;/p&gt;&lt;p&gt;Bitte geben Sie das Passwort ein, das beim Erstellen der Sicherung verwendet wurde, und klicken Sie auf &apos;Weiter&apos;, um fortzufahren.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Password:&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Passwort:&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;You have entered an incorrect password. &lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Sie haben ein falsches Passwort eingegeben. &lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Please go back and try again.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Bitte gehen Sie zurück und versuchen Sie es erneut.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;By clicking &apos;Restore&apos; you will replace all data in the selected vault with data from the backup.&lt;/p&gt;&lt;p&gt;Click &apos;Back&apos; if any changes are needed before proceeding.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Durch Klicken auf &apos;Wiederherstellen&apos; ersetzen Sie alle Daten im ausgewählten Tresor durch die Daten der Sicherung.&lt;/p&gt;&lt;p&gt;Klicken Sie auf &apos;Zurück&apos;, wenn vor dem Fortfahren Änderungen nötig sind.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>New, empty folder for the vault:</source>
        <translation>Neuer, leerer Ordner für den Tresor:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Restoring backup data.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Sicherungsdaten werden wiederhergestellt.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;There are no other backup files available.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Es sind keine weiteren Sicherungsdateien verfügbar.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Data restored succesfully!&lt;br/&gt;&lt;/p&gt;&lt;p&gt;You can now close this Wizard and access the restored data.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Daten erfolgreich wiederhergestellt!&lt;br/&gt;&lt;/p&gt;&lt;p&gt;Sie können diesen Assistenten jetzt schließen und auf die wiederhergestellten Daten zugreifen.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The backup was not restored.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Sicherung wurde nicht wiederhergestellt.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Select the vault to restore</source>
        <translation>Wählen Sie den wiederherzustellenden Tresor</translation>
    </message>
    <message>
        <source>Other unlisted vault</source>
        <translation>Anderer, nicht aufgeführter Tresor</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Gestern</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>%1 Days ago</source>
        <translation>Vor %1 Tagen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;By clicking &apos;Restore&apos; the backup becomes a new vault in the new, empty folder below. No existing vault is changed.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Durch Klicken auf &apos;Wiederherstellen&apos; wird die Sicherung zu einem neuen Tresor im unten angegebenen neuen, leeren Ordner. Kein vorhandener Tresor wird verändert.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Choose a new, empty folder for the vault</source>
        <translation>Wählen Sie einen neuen, leeren Ordner für den Tresor</translation>
    </message>
    <message>
        <source>Please choose a new, empty folder for the restored vault.</source>
        <translation>Bitte wählen Sie einen neuen, leeren Ordner für den wiederhergestellten Tresor.</translation>
    </message>
    <message>
        <source>%1 is not a folder. Please choose a new, empty folder for the restored vault.</source>
        <translation>%1 ist kein Ordner. Bitte wählen Sie einen neuen, leeren Ordner für den wiederhergestellten Tresor.</translation>
    </message>
    <message>
        <source>The folder %1 is not empty. Please choose a new, empty folder for the restored vault.</source>
        <translation>Der Ordner %1 ist nicht leer. Bitte wählen Sie einen neuen, leeren Ordner für den wiederhergestellten Tresor.</translation>
    </message>
    <message>
        <source>The folder %1 belongs to the vault %2. Please choose a new, empty folder for the restored vault.</source>
        <translation>Der Ordner %1 gehört zum Tresor %2. Bitte wählen Sie einen neuen, leeren Ordner für den wiederhergestellten Tresor.</translation>
    </message>
    <message>
        <source>The folder %1 lies in the backup location. Please choose another folder.</source>
        <translation>Der Ordner %1 liegt im Speicherort der Sicherungen. Bitte wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Der Ordner %1 konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Restored vault</source>
        <translation>Wiederhergestellter Tresor</translation>
    </message>
    <message>
        <source>The backup can be copied straight over the vault&apos;s files instead. If that fails part-way, the vault can&apos;t be put back as it was. Restore anyway?</source>
        <translation>Die Sicherung kann stattdessen direkt über die Dateien des Tresors kopiert werden. Schlägt das mittendrin fehl, kann der Tresor nicht in seinen vorherigen Zustand zurückversetzt werden. Trotzdem wiederherstellen?</translation>
    </message>
    <message>
        <source> Yes </source>
        <translation> Ja </translation>
    </message>
    <message>
        <source> No </source>
        <translation> Nein </translation>
    </message>
    <message>
        <source>A synchronisation is running; please try again when it has finished.</source>
        <translation>Eine Synchronisierung läuft; bitte versuchen Sie es erneut, wenn sie abgeschlossen ist.</translation>
    </message>
    <message>
        <source>The folder of the vault %1 is not available.</source>
        <translation>Der Ordner des Tresors %1 ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>The backup holds no vault index.</source>
        <translation>Die Sicherung enthält keinen Tresorindex.</translation>
    </message>
    <message>
        <source>There is not enough free space beside the vault to restore it safely: %1 are needed, %2 are free.</source>
        <translation>Neben dem Tresor ist nicht genug freier Speicher, um ihn sicher wiederherzustellen: %1 werden benötigt, %2 sind frei.</translation>
    </message>
    <message>
        <source>No room could be made beside the vault folder %1 to restore into.</source>
        <translation>Neben dem Tresorordner %1 konnte kein Platz für die Wiederherstellung geschaffen werden.</translation>
    </message>
    <message>
        <source>The backup could not be copied: %1 The vault was not changed.</source>
        <translation>Die Sicherung konnte nicht kopiert werden: %1 Der Tresor wurde nicht verändert.</translation>
    </message>
    <message>
        <source>The vault was not changed.</source>
        <translation>Der Tresor wurde nicht verändert.</translation>
    </message>
    <message>
        <source>The backup&apos;s files could not be put in place in the vault folder %1.</source>
        <translation>Die Dateien der Sicherung konnten nicht in den Tresorordner %1 gelegt werden.</translation>
    </message>
    <message>
        <source>Some of the vault&apos;s own files could not be put back; they are kept in %1.</source>
        <translation>Einige der eigenen Dateien des Tresors konnten nicht zurückgelegt werden; sie werden in %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>The vault is as it was before.</source>
        <translation>Der Tresor ist wie zuvor.</translation>
    </message>
    <message>
        <source>The vault&apos;s files are as they were before.</source>
        <translation>Die Dateien des Tresors sind wie zuvor.</translation>
    </message>
    <message>
        <source>The backup could not be copied: %1 The vault may be damaged; restore it again once there is more free space.</source>
        <translation>Die Sicherung konnte nicht kopiert werden: %1 Der Tresor ist möglicherweise beschädigt; stellen Sie ihn erneut wieder her, sobald mehr freier Speicher vorhanden ist.</translation>
    </message>
    <message>
        <source>The vault may be damaged.</source>
        <translation>Der Tresor ist möglicherweise beschädigt.</translation>
    </message>
    <message>
        <source>The backup&apos;s index can&apos;t be opened with the key that was found for it.</source>
        <translation>Der Index der Sicherung lässt sich mit dem dafür gefundenen Schlüssel nicht öffnen.</translation>
    </message>
    <message>
        <source>The backup&apos;s index can&apos;t be read.</source>
        <translation>Der Index der Sicherung kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The backup&apos;s index is damaged: %1</source>
        <translation>Der Index der Sicherung ist beschädigt: %1</translation>
    </message>
    <message>
        <source>The backup lacks the encrypted file of %1.</source>
        <translation>In der Sicherung fehlt die verschlüsselte Datei von %1.</translation>
    </message>
    <message>
        <source>The restored vault could not be loaded: %1</source>
        <translation>Der wiederhergestellte Tresor konnte nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>The restored vault could not be loaded.</source>
        <translation>Der wiederhergestellte Tresor konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>The encrypted file of %1 in the backup is not whole (%2).</source>
        <translation>Die verschlüsselte Datei von %1 in der Sicherung ist nicht vollständig (%2).</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a symbolic link</source>
        <translation>%1 kann nicht geschrieben werden: Es ist ein symbolischer Link</translation>
    </message>
</context>
<context>
    <name>TAVBrowseFolderDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Select a target folder:</source>
        <translation>Wählen Sie einen Zielordner:</translation>
    </message>
    <message>
        <source>Please select a target folder.</source>
        <translation>Bitte wählen Sie einen Zielordner.</translation>
    </message>
</context>
<context>
    <name>TAVCryptoThread</name>
    <message>
        <source>Cannot open file for read %1
Error: %2</source>
        <translation>Datei kann nicht zum Lesen geöffnet werden %1
Fehler: %2</translation>
    </message>
    <message>
        <source>Cannot open file for write %1
Error: %2</source>
        <translation>Datei kann nicht zum Schreiben geöffnet werden %1
Fehler: %2</translation>
    </message>
</context>
<context>
    <name>TAVFile</name>
    <message>
        <source>File %1 does not exist</source>
        <translation>Datei %1 existiert nicht</translation>
    </message>
</context>
<context>
    <name>TAVFileWatcher</name>
    <message>
        <source>%1 is a symbolic link: the decrypted copy is not written there.</source>
        <translation>%1 ist ein symbolischer Link: Die entschlüsselte Kopie wird dort nicht geschrieben.</translation>
    </message>
    <message>
        <source>%1 is open with changes that are not in the vault yet.</source>
        <translation>%1 ist mit Änderungen geöffnet, die noch nicht im Tresor sind.</translation>
    </message>
    <message>
        <source>The folder %1 for the decrypted copy could not be made.</source>
        <translation>Der Ordner %1 für die entschlüsselte Kopie konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>The changes of %1 could not be put into the vault: the vault is not open.</source>
        <translation>Die Änderungen an %1 konnten nicht in den Tresor übernommen werden: Der Tresor ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>The changes of %1 could not be put into the vault: the vault&apos;s folder is not found.</source>
        <translation>Die Änderungen an %1 konnten nicht in den Tresor übernommen werden: Der Ordner des Tresors wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The changes of %1 are in the vault, but the vault&apos;s index could not be saved.</source>
        <translation>Die Änderungen an %1 sind im Tresor, aber der Index des Tresors konnte nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>TAVItem</name>
    <message>
        <source>Decryption failed.</source>
        <translation>Entschlüsselung fehlgeschlagen.</translation>
    </message>
</context>
<context>
    <name>TAVProgressDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Encrypting...</source>
        <translation>Verschlüsseln...</translation>
    </message>
    <message>
        <source>Estimated Time to Complete: 0.00 minutes</source>
        <translation>Geschätzte Restzeit: 0,00 Minuten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>Estimated Time to Complete:</source>
        <translation>Geschätzte Restzeit:</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>Stunden</translation>
    </message>
</context>
<context>
    <name>TAVProgressLogDialog</name>
    <message>
        <source>Synchronization</source>
        <translation>Synchronisierung</translation>
    </message>
    <message>
        <source>Synchronization progress:</source>
        <translation>Fortschritt der Synchronisierung:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No items is synced</source>
        <translation>Keine Elemente synchronisiert</translation>
    </message>
    <message>
        <source>Synchronization completed successfully.</source>
        <translation>Synchronisierung erfolgreich abgeschlossen.</translation>
    </message>
    <message>
        <source>Synchronization finished, but not every file could be synchronized. See the lines above.</source>
        <translation>Synchronisierung beendet, aber nicht jede Datei konnte synchronisiert werden. Siehe die Zeilen oben.</translation>
    </message>
</context>
<context>
    <name>TAVSync</name>
    <message>
        <source>Synchronization cancelled.</source>
        <translation>Synchronisierung abgebrochen.</translation>
    </message>
    <message>
        <source>Vault is not loaded</source>
        <translation>Tresor ist nicht geladen</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>Der Ordner existiert nicht.</translation>
    </message>
    <message>
        <source>The disk folder %1 is empty, but held %2 items at the last synchronization: nothing was deleted or copied for this peer.</source>
        <translation>Der Datenträgerordner %1 ist leer, enthielt bei der letzten Synchronisierung aber %2 Elemente: Für diesen Partner wurde nichts gelöscht oder kopiert.</translation>
    </message>
    <message>
        <source>The vault folder %1 is empty, but held %2 items at the last synchronization: nothing was deleted or copied for this peer.</source>
        <translation>Der Tresorordner %1 ist leer, enthielt bei der letzten Synchronisierung aber %2 Elemente: Für diesen Partner wurde nichts gelöscht oder kopiert.</translation>
    </message>
    <message>
        <source>The new files could not be written to the disk.</source>
        <translation>Die neuen Dateien konnten nicht auf den Datenträger geschrieben werden.</translation>
    </message>
    <message>
        <source>The vault&apos;s index could not be saved.</source>
        <translation>Der Index des Tresors konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>The item is no longer in the vault.</source>
        <translation>Das Element ist nicht mehr im Tresor.</translation>
    </message>
    <message>
        <source>A folder of that name is in the vault.</source>
        <translation>Ein Ordner dieses Namens ist im Tresor.</translation>
    </message>
    <message>
        <source>Its folder is not in the vault.</source>
        <translation>Sein Ordner ist nicht im Tresor.</translation>
    </message>
    <message>
        <source>Kept %1: it holds items the last synchronization did not know.</source>
        <translation>%1 beibehalten: Der Ordner enthält Elemente, die die letzte Synchronisierung nicht kannte.</translation>
    </message>
    <message>
        <source>Kept %1: it is reached through a symbolic link.</source>
        <translation>%1 beibehalten: Es wird über einen symbolischen Link erreicht.</translation>
    </message>
    <message>
        <source>Kept %1: it holds files the last synchronization did not know.</source>
        <translation>%1 beibehalten: Der Ordner enthält Dateien, die die letzte Synchronisierung nicht kannte.</translation>
    </message>
    <message>
        <source>The list of synchronization peers of this vault can&apos;t be read. Nothing was changed.</source>
        <translation>Die Liste der Synchronisierungspartner dieses Tresors kann nicht gelesen werden. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>These folders are already synchronized.</source>
        <translation>Diese Ordner werden bereits synchronisiert.</translation>
    </message>
    <message>
        <source>The list of synchronization peers could not be written. The folder was not added.</source>
        <translation>Die Liste der Synchronisierungspartner konnte nicht geschrieben werden. Der Ordner wurde nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>This folder can&apos;t be synchronized: it is the vault&apos;s own folder, lies inside it or holds it.</source>
        <translation>Dieser Ordner kann nicht synchronisiert werden: Er ist der eigene Ordner des Tresors, liegt darin oder enthält ihn.</translation>
    </message>
    <message>
        <source>This folder can&apos;t be synchronized: the application keeps its own files there.</source>
        <translation>Dieser Ordner kann nicht synchronisiert werden: Die Anwendung bewahrt dort ihre eigenen Dateien auf.</translation>
    </message>
    <message>
        <source>The folder could not be added.</source>
        <translation>Der Ordner konnte nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Start...</translation>
    </message>
    <message>
        <source>Synchronization finished with errors: see the lines above.</source>
        <translation>Synchronisierung mit Fehlern beendet: siehe die Zeilen oben.</translation>
    </message>
    <message>
        <source>Another synchronization is running.</source>
        <translation>Eine andere Synchronisierung läuft.</translation>
    </message>
    <message>
        <source>No synchronization peers defined.</source>
        <translation>Keine Synchronisierungspartner festgelegt.</translation>
    </message>
    <message>
        <source>Skipped: %1 (names that differ only in case)</source>
        <translation>Übersprungen: %1 (Namen, die sich nur in der Groß-/Kleinschreibung unterscheiden)</translation>
    </message>
    <message>
        <source>The folder can&apos;t be read: nothing was deleted or copied for this peer.</source>
        <translation>Der Ordner kann nicht gelesen werden: Für diesen Partner wurde nichts gelöscht oder kopiert.</translation>
    </message>
    <message>
        <source>The folder %1 was removed or replaced during the synchronization: nothing more was copied or deleted for this peer.</source>
        <translation>Der Ordner %1 wurde während der Synchronisierung entfernt oder ersetzt: Für diesen Partner wurde nichts mehr kopiert oder gelöscht.</translation>
    </message>
    <message>
        <source>Kept %1: it changed on the disk during the synchronization.</source>
        <translation>%1 beibehalten: Die Datei wurde während der Synchronisierung auf dem Datenträger geändert.</translation>
    </message>
    <message>
        <source>The vault&apos;s folder can&apos;t be written.</source>
        <translation>In den Ordner des Tresors kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Skipped: %1 (a symbolic link)</source>
        <translation>Übersprungen: %1 (ein symbolischer Link)</translation>
    </message>
    <message>
        <source>This folder can&apos;t be synchronized: it holds or lies inside a folder already synchronized with this vault.</source>
        <translation>Dieser Ordner kann nicht synchronisiert werden: Er enthält einen Ordner, der bereits mit diesem Tresor synchronisiert wird, oder liegt darin.</translation>
    </message>
    <message>
        <source>Failed: %1 (can&apos;t be read: %2)</source>
        <translation>Fehlgeschlagen: %1 (kann nicht gelesen werden: %2)</translation>
    </message>
    <message>
        <source>Skipped: %1 (not a file or a folder)</source>
        <translation>Übersprungen: %1 (weder Datei noch Ordner)</translation>
    </message>
</context>
<context>
    <name>TAVSyncProgressDialog</name>
    <message>
        <source>Synchronization</source>
        <translation>Synchronisierung</translation>
    </message>
    <message>
        <source>Synchronization progress:</source>
        <translation>Fortschritt der Synchronisierung:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No items is synced</source>
        <translation>Keine Elemente synchronisiert</translation>
    </message>
    <message>
        <source>Synchronization completed successfully.</source>
        <translation>Synchronisierung erfolgreich abgeschlossen.</translation>
    </message>
    <message>
        <source>Repair completed successfully.</source>
        <translation>Reparatur erfolgreich abgeschlossen.</translation>
    </message>
    <message>
        <source>Synchronization finished with errors:</source>
        <translation>Synchronisierung mit Fehlern beendet:</translation>
    </message>
    <message>
        <source>Synchronization finished with errors. The lines in the progress window say which items could not be synchronized.</source>
        <translation>Synchronisierung mit Fehlern beendet. Die Zeilen im Fortschrittsfenster nennen die Elemente, die nicht synchronisiert werden konnten.</translation>
    </message>
</context>
<context>
    <name>TavVaultProperty</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Type of encryption:</source>
        <translation>Art der Verschlüsselung:</translation>
    </message>
    <message>
        <source>Total number of files:</source>
        <translation>Gesamtzahl der Dateien:</translation>
    </message>
    <message>
        <source>Total storage space:</source>
        <translation>Gesamter Speicherplatz:</translation>
    </message>
    <message>
        <source>Full Physical Path:</source>
        <translation>Vollständiger physischer Pfad:</translation>
    </message>
    <message>
        <source>Set Vault Password</source>
        <translation>Tresorpasswort festlegen</translation>
    </message>
    <message>
        <source>Repair vault </source>
        <translation>Tresor reparieren </translation>
    </message>
    <message>
        <source>Synchronization</source>
        <translation>Synchronisierung</translation>
    </message>
    <message>
        <source>Synchronization peers:</source>
        <translation>Synchronisierungspartner:</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>Lokaler Ordner</translation>
    </message>
    <message>
        <source>Vault folder</source>
        <translation>Tresorordner</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>Synchronisieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>This repair has already run.</source>
        <translation>Diese Reparatur wurde bereits ausgeführt.</translation>
    </message>
    <message>
        <source>The folder of the vault cannot be found: %1
Nothing was repaired.</source>
        <translation>Der Ordner des Tresors wurde nicht gefunden: %1
Es wurde nichts repariert.</translation>
    </message>
    <message>
        <source>A repair of this vault is already running.</source>
        <translation>Eine Reparatur dieses Tresors läuft bereits.</translation>
    </message>
    <message>
        <source>A synchronization is running. Please try again when it has finished.</source>
        <translation>Eine Synchronisierung läuft. Bitte versuchen Sie es erneut, wenn sie abgeschlossen ist.</translation>
    </message>
    <message>
        <source>Start repair index file</source>
        <translation>Reparatur der Indexdatei starten</translation>
    </message>
    <message>
        <source>The repair was cancelled. The index was not changed.</source>
        <translation>Die Reparatur wurde abgebrochen. Der Index wurde nicht verändert.</translation>
    </message>
    <message>
        <source>Only %1 of the %2 files listed in the index of the vault &quot;%3&quot; were found in its folder %4.
If the drive or the folder is incomplete, repairing now takes the missing files out of the index.

Repair the index anyway?</source>
        <translation>Nur %1 der %2 Dateien, die im Index des Tresors &quot;%3&quot; aufgeführt sind, wurden in seinem Ordner %4 gefunden.
Wenn das Laufwerk oder der Ordner unvollständig ist, entfernt eine Reparatur jetzt die fehlenden Dateien aus dem Index.

Index trotzdem reparieren?</translation>
    </message>
    <message>
        <source>The index was not repaired.</source>
        <translation>Der Index wurde nicht repariert.</translation>
    </message>
    <message>
        <source>The vault&apos;s key does not fit the files in its folder. Nothing was repaired.</source>
        <translation>Der Schlüssel des Tresors passt nicht zu den Dateien in seinem Ordner. Es wurde nichts repariert.</translation>
    </message>
    <message>
        <source>The vault was closed during the repair. The index was not changed.</source>
        <translation>Der Tresor wurde während der Reparatur geschlossen. Der Index wurde nicht verändert.</translation>
    </message>
    <message>
        <source>The previous index could not be kept (%1). The index was not changed.</source>
        <translation>Der bisherige Index konnte nicht aufbewahrt werden (%1). Der Index wurde nicht verändert.</translation>
    </message>
    <message>
        <source>The index could not be rebuilt. The index was not changed.</source>
        <translation>Der Index konnte nicht neu aufgebaut werden. Der Index wurde nicht verändert.</translation>
    </message>
    <message>
        <source>The repaired index could not be written. The previous index is kept.</source>
        <translation>Der reparierte Index konnte nicht geschrieben werden. Der bisherige Index bleibt erhalten.</translation>
    </message>
    <message>
        <source>The index was repaired: %1 files rebuilt (%2 of them in the folder &quot;%3&quot;), %4 removed, %5 skipped.</source>
        <translation>Der Index wurde repariert: %1 Dateien neu aufgebaut (%2 davon im Ordner &quot;%3&quot;), %4 entfernt, %5 übersprungen.</translation>
    </message>
    <message>
        <source>Please choose a folder to synchronise with:</source>
        <translation>Bitte wählen Sie einen Ordner zum Synchronisieren:</translation>
    </message>
    <message>
        <source>This synchronization peer is no longer in the list of the vault.</source>
        <translation>Dieser Synchronisierungspartner ist nicht mehr in der Liste des Tresors.</translation>
    </message>
    <message>
        <source>The list of synchronization peers of this vault could not be changed. The peer was not removed.</source>
        <translation>Die Liste der Synchronisierungspartner dieses Tresors konnte nicht geändert werden. Der Partner wurde nicht entfernt.</translation>
    </message>
    <message>
        <source>Please try again and enter a password</source>
        <translation>Bitte versuchen Sie es erneut und geben Sie ein Passwort ein</translation>
    </message>
    <message>
        <source>Please enter a new password to encrypt the key:</source>
        <translation>Bitte geben Sie ein neues Passwort zum Verschlüsseln des Schlüssels ein:</translation>
    </message>
    <message>
        <source>Please enter the password again:</source>
        <translation>Bitte geben Sie das Passwort erneut ein:</translation>
    </message>
    <message>
        <source>The two passwords are not the same. The vault password was not changed.</source>
        <translation>Die beiden Passwörter stimmen nicht überein. Das Tresorpasswort wurde nicht geändert.</translation>
    </message>
    <message>
        <source>The vault password could not be saved in %1. The key chain was not changed.</source>
        <translation>Das Tresorpasswort konnte nicht in %1 gespeichert werden. Der Schlüsselbund wurde nicht verändert.</translation>
    </message>
    <message>
        <source>The vault password was set.</source>
        <translation>Das Tresorpasswort wurde festgelegt.</translation>
    </message>
    <message>
        <source>Repair Progress</source>
        <translation>Reparaturfortschritt</translation>
    </message>
</context>
<context>
    <name>UpdateAvailableDialog</name>
    <message>
        <source>Kolvane - New Version Available</source>
        <translation>Kolvane - Neue Version verfügbar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
</context>
<context>
    <name>UpdateConfigDialog</name>
    <message>
        <source>Kolvane - Updates configuration</source>
        <translation>Kolvane - Update-Einstellungen</translation>
    </message>
    <message>
        <source>How often do you want to check for updates?</source>
        <translation>Wie oft möchten Sie nach Updates suchen?</translation>
    </message>
    <message>
        <source>Once a week</source>
        <translation>Einmal pro Woche</translation>
    </message>
    <message>
        <source>Every two weeks</source>
        <translation>Alle zwei Wochen</translation>
    </message>
    <message>
        <source>Once a month</source>
        <translation>Einmal im Monat</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Check for updates now</source>
        <translation>Jetzt nach Updates suchen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Thank you for using %1
You are using %1 %2. There are currently no updates available.
Please try again later.</source>
        <translation>Vielen Dank, dass Sie %1 verwenden
Sie verwenden %1 %2. Derzeit sind keine Updates verfügbar.
Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source> - New Version Available</source>
        <translation> - Neue Version verfügbar</translation>
    </message>
</context>
<context>
    <name>UpdateDownload</name>
    <message>
        <source>The server did not answer in time</source>
        <translation>Der Server hat nicht rechtzeitig geantwortet</translation>
    </message>
    <message>
        <source>A download is already under way</source>
        <translation>Ein Download läuft bereits</translation>
    </message>
    <message>
        <source>The address %1 is not a secure one</source>
        <translation>Die Adresse %1 ist nicht sicher</translation>
    </message>
    <message>
        <source>The address %1 names no file</source>
        <translation>Die Adresse %1 nennt keine Datei</translation>
    </message>
    <message>
        <source>Redirected without a new address</source>
        <translation>Ohne neue Adresse umgeleitet</translation>
    </message>
    <message>
        <source>Too many redirections</source>
        <translation>Zu viele Umleitungen</translation>
    </message>
    <message>
        <source>Redirected from a secure address to %1</source>
        <translation>Von einer sicheren Adresse nach %1 umgeleitet</translation>
    </message>
    <message>
        <source>The server answered %1</source>
        <translation>Der Server antwortete %1</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>The package is larger than %1 MiB</source>
        <translation>Das Paket ist größer als %1 MiB</translation>
    </message>
</context>
<context>
    <name>Utils</name>
    <message>
        <source>Start synchronizing files now.</source>
        <translation>Jetzt Dateien synchronisieren.</translation>
    </message>
    <message>
        <source>There are %1 file(s) to be synchronized.</source>
        <translation>%1 Datei(en) müssen synchronisiert werden.</translation>
    </message>
</context>
<context>
    <name>Vir_KeyPad_Dialog</name>
    <message>
        <source>Virtual Keypad</source>
        <translation>Bildschirm-Tastenfeld</translation>
    </message>
    <message>
        <source>Show Plain Text</source>
        <translation>Klartext anzeigen</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Umschalt</translation>
    </message>
    <message>
        <source>&lt;--</source>
        <translation>&lt;--</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Security Level</source>
        <translation>Sicherheitsstufe</translation>
    </message>
    <message>
        <source>Realtime</source>
        <translation>Echtzeit</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
</context>
<context>
    <name>WorkingDrive</name>
    <message>
        <source>There is no data folder for the drive folder.</source>
        <translation>Für den Laufwerksordner gibt es keinen Datenordner.</translation>
    </message>
    <message>
        <source>%1 must name a folder by its full path: %2</source>
        <translation>%1 muss einen Ordner mit seinem vollständigen Pfad angeben: %2</translation>
    </message>
    <message>
        <source>The drive folder %1 can&apos;t be made.</source>
        <translation>Der Laufwerksordner %1 kann nicht erstellt werden.</translation>
    </message>
    <message>
        <source>The drive folder can&apos;t be the root folder.</source>
        <translation>Der Laufwerksordner darf nicht der Stammordner sein.</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 can&apos;t be made: %2</source>
        <translation>Die Seriennummerndatei %1 des Laufwerks kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 can&apos;t be written: %2</source>
        <translation>Die Seriennummerndatei %1 des Laufwerks kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 can&apos;t be read: %2</source>
        <translation>Die Seriennummerndatei %1 des Laufwerks kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 is damaged.</source>
        <translation>Die Seriennummerndatei %1 des Laufwerks ist beschädigt.</translation>
    </message>
    <message>
        <source>The drive folder %1 named by %2 does not exist.</source>
        <translation>Der durch %2 angegebene Laufwerksordner %1 existiert nicht.</translation>
    </message>
</context>
<context>
    <name>velmora_howto</name>
    <message>
        <source>Data Protection</source>
        <translation>Datenschutz</translation>
    </message>
    <message>
        <source>4 ways to protect your files</source>
        <translation>4 Wege, Ihre Dateien zu schützen</translation>
    </message>
    <message>
        <source>Drag and drop files onto main screen</source>
        <translation>Dateien per Drag &amp; Drop in das Hauptfenster ziehen</translation>
    </message>
    <message>
        <source>Copy and paste files onto main screen</source>
        <translation>Dateien kopieren und in das Hauptfenster einfügen</translation>
    </message>
    <message>
        <source>Click &apos;Add files&apos; button to browse and add file</source>
        <translation>Klicken Sie auf &apos;Dateien hinzufügen&apos;, um Dateien zu suchen und hinzuzufügen</translation>
    </message>
    <message>
        <source>Use Backup Data to safeguard your data against loss</source>
        <translation>Verwenden Sie &apos;Daten sichern&apos;, um Ihre Daten vor Verlust zu schützen</translation>
    </message>
    <message>
        <source>Ctrl-C / Ctrl-V</source>
        <translation>Strg-C / Strg-V</translation>
    </message>
    <message>
        <source>Do not show again</source>
        <translation>Nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
</context>
</TS>
