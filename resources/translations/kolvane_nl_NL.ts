<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Software License Agreement</source>
        <translation>Softwarelicentieovereenkomst</translation>
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
        <translation>de kluismap %1 bestaat niet.</translation>
    </message>
    <message>
        <source>the backup location lies inside the vault folder.</source>
        <translation>de back-uplocatie ligt in de kluismap.</translation>
    </message>
    <message>
        <source>no random bytes could be had for the backup&apos;s key check.</source>
        <translation>er konden geen willekeurige bytes worden verkregen voor de sleutelcontrole van de back-up.</translation>
    </message>
    <message>
        <source>the vault key could not be protected for the backup&apos;s key check.</source>
        <translation>de kluissleutel kon niet worden beveiligd voor de sleutelcontrole van de back-up.</translation>
    </message>
    <message>
        <source>the earlier key check %1 could not be removed.</source>
        <translation>de eerdere sleutelcontrole %1 kon niet worden verwijderd.</translation>
    </message>
    <message>
        <source>the key check %1 could not be written: %2</source>
        <translation>de sleutelcontrole %1 kon niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>the copied files could not be written to the disk: %1</source>
        <translation>de gekopieerde bestanden konden niet naar de schijf worden geschreven: %1</translation>
    </message>
    <message>
        <source>the backup folder %1 does not exist.</source>
        <translation>de back-upmap %1 bestaat niet.</translation>
    </message>
    <message>
        <source>the folder %1 does not exist.</source>
        <translation>de map %1 bestaat niet.</translation>
    </message>
    <message>
        <source>the folder %1 could not be read.</source>
        <translation>de map %1 kon niet worden gelezen.</translation>
    </message>
    <message>
        <source>the folder %1 could not be made.</source>
        <translation>de map %1 kon niet worden aangemaakt.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 kon niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>%1 could not be written: it is a symbolic link.</source>
        <translation>%1 kon niet worden geschreven: het is een symbolische koppeling.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 kon niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>%1 could not be read to its end.</source>
        <translation>%1 kon niet tot het einde worden gelezen.</translation>
    </message>
    <message>
        <source>%1 could not be written whole.</source>
        <translation>%1 kon niet volledig worden geschreven.</translation>
    </message>
</context>
<context>
    <name>ChangePasswordDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoogvenster</translation>
    </message>
    <message>
        <source>Enter your new password:</source>
        <translation>Voer uw nieuwe wachtwoord in:</translation>
    </message>
    <message>
        <source>Enter your current password:</source>
        <translation>Voer uw huidige wachtwoord in:</translation>
    </message>
    <message>
        <source>Confirm your new password:</source>
        <translation>Bevestig uw nieuwe wachtwoord:</translation>
    </message>
    <message>
        <source>Password Strength:</source>
        <translation>Wachtwoordsterkte:</translation>
    </message>
    <message>
        <source>Virtual keyboard</source>
        <translation>Virtueel toetsenbord</translation>
    </message>
    <message>
        <source>Use more than 6 characters</source>
        <translation>Gebruik meer dan 6 tekens</translation>
    </message>
    <message>
        <source>Use numeric and alpha numeric characters</source>
        <translation>Gebruik cijfers en letters</translation>
    </message>
    <message>
        <source>Use upper- and lower case characters</source>
        <translation>Gebruik hoofdletters en kleine letters</translation>
    </message>
    <message>
        <source>Use special characters (#, $, !, %, &amp;&amp;, ^, *)</source>
        <translation>Gebruik speciale tekens (#, $, !, %, &amp;&amp;, ^, *)</translation>
    </message>
    <message>
        <source>Password Hint: (optional)</source>
        <translation>Wachtwoordhint: (optioneel)</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:13pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;You can type a password hint here, to help you remember your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;Try to pick a word or phrase that is clear enough to remind you, but vague&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;enough that nobody can guess your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(For example, the password &amp;quot;R0sebud#1941&amp;quot; with the hint &amp;quot;sled&amp;quot;.)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:13pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;Hier kunt u een wachtwoordhint typen die u helpt uw wachtwoord te onthouden.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;Kies een woord of zin die duidelijk genoeg is om u eraan te herinneren, maar vaag genoeg&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;dat niemand uw wachtwoord kan raden.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(Bijvoorbeeld het wachtwoord &amp;quot;R0sebud#1941&amp;quot; met de hint &amp;quot;slee&amp;quot;.)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Password Recommendations:</source>
        <translation>Wachtwoordaanbevelingen:</translation>
    </message>
</context>
<context>
    <name>ConfirmFileDeleteDialog</name>
    <message>
        <source>Are you sure you want to delete the file?</source>
        <translation>Weet u zeker dat u het bestand wilt verwijderen?</translation>
    </message>
    <message>
        <source>Don’t ask this question again.</source>
        <translation>Deze vraag niet meer stellen.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
</context>
<context>
    <name>FileUtils</name>
    <message>
        <source>0 KB</source>
        <translation>0 kB</translation>
    </message>
    <message>
        <source>1 KB</source>
        <translation>1 kB</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 kB</translation>
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
        <translation>Er is een time-out opgetreden bij de verbinding met de externe server</translation>
    </message>
    <message>
        <source>The answer of the server is larger than %1 KiB</source>
        <translation>Het antwoord van de server is groter dan %1 KiB</translation>
    </message>
</context>
<context>
    <name>KVVaveCreatePasswordDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoogvenster</translation>
    </message>
    <message>
        <source>Create your password:</source>
        <translation>Maak uw wachtwoord aan:</translation>
    </message>
    <message>
        <source>Confirm your password:</source>
        <translation>Bevestig uw wachtwoord:</translation>
    </message>
    <message>
        <source>Password Strength:</source>
        <translation>Wachtwoordsterkte:</translation>
    </message>
    <message>
        <source>Virtual keyboard</source>
        <translation>Virtueel toetsenbord</translation>
    </message>
    <message>
        <source>Use more than 6 characters</source>
        <translation>Gebruik meer dan 6 tekens</translation>
    </message>
    <message>
        <source>Use numeric and alpha numeric characters</source>
        <translation>Gebruik cijfers en letters</translation>
    </message>
    <message>
        <source>Use upper- and lower case characters</source>
        <translation>Gebruik hoofdletters en kleine letters</translation>
    </message>
    <message>
        <source>Use special characters (#, $, !, %, &amp;&amp;, ^, *)</source>
        <translation>Gebruik speciale tekens (#, $, !, %, &amp;&amp;, ^, *)</translation>
    </message>
    <message>
        <source>Create Password</source>
        <translation>Wachtwoord aanmaken</translation>
    </message>
    <message>
        <source>Password Hint: (optional)</source>
        <translation>Wachtwoordhint: (optioneel)</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:10pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;You can type a password hint here, to help you remember your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;Try to pick a word or phrase that is clear enough to remind you, but vague&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;enough that nobody can guess your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(For example, the password &amp;quot;R0sebud#1941&amp;quot; with the hint &amp;quot;sled&amp;quot;.)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:10pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;Hier kunt u een wachtwoordhint typen die u helpt uw wachtwoord te onthouden.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;Kies een woord of zin die duidelijk genoeg is om u eraan te herinneren, maar vaag genoeg&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;dat niemand uw wachtwoord kan raden.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(Bijvoorbeeld het wachtwoord &amp;quot;R0sebud#1941&amp;quot; met de hint &amp;quot;slee&amp;quot;.)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Password Recommendations:</source>
        <translation>Wachtwoordaanbevelingen:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
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
        <translation> - Bestanden selecteren om te versleutelen</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Versleutelen</translation>
    </message>
    <message>
        <source>Cannot add files here.</source>
        <translation>Hier kunnen geen bestanden worden toegevoegd.</translation>
    </message>
    <message>
        <source>These items could not be found and were not added:
%1</source>
        <translation>Deze items zijn niet gevonden en niet toegevoegd:
%1</translation>
    </message>
    <message>
        <source>Would you like to completely remove the original file(s) from your computer?</source>
        <translation>Wilt u de oorspronkelijke bestand(en) volledig van uw computer verwijderen?</translation>
    </message>
    <message>
        <source>You are about to securely wipe the original file(s) from your computer. You will not be able to recover these file(s) once they have been removed. Do you wish to continue?</source>
        <translation>U staat op het punt de oorspronkelijke bestand(en) veilig van uw computer te wissen. U kunt deze bestand(en) na verwijdering niet meer terughalen. Wilt u doorgaan?</translation>
    </message>
    <message>
        <source>The vault %1 could not be saved, so the files just added are not kept in it. The original files have not been removed.</source>
        <translation>De kluis %1 kon niet worden opgeslagen, dus de zojuist toegevoegde bestanden worden er niet in bewaard. De oorspronkelijke bestanden zijn niet verwijderd.</translation>
    </message>
    <message>
        <source>The files added to the vault %1 could not be written safely to its disk. The original files have not been removed.</source>
        <translation>De bestanden die aan de kluis %1 zijn toegevoegd, konden niet veilig naar de schijf worden geschreven. De oorspronkelijke bestanden zijn niet verwijderd.</translation>
    </message>
    <message>
        <source>can not remove</source>
        <translation>kan niet verwijderen</translation>
    </message>
    <message>
        <source>This file is read-only or locked by another application.

Press &apos;Try Again&apos; to try to remove it, &apos;Ignore&apos; to continue or &apos;Cancel&apos; to stop removing files.</source>
        <translation>Dit bestand is alleen-lezen of vergrendeld door een andere toepassing.

Klik op &apos;Opnieuw proberen&apos; om het te verwijderen, op &apos;Negeren&apos; om door te gaan of op &apos;Annuleren&apos; om te stoppen met verwijderen.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Opnieuw proberen</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Negeren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source> is neither a directory nor a file. %1 encrypts a directory or a file only. Please try again.</source>
        <translation> is geen map en geen bestand. %1 versleutelt alleen mappen of bestanden. Probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The folder %1 was not added: a file of the same name is already there.</source>
        <translation>De map %1 is niet toegevoegd: er staat al een bestand met dezelfde naam.</translation>
    </message>
    <message>
        <source>The folder %1 could not be added: %2</source>
        <translation>De map %1 kon niet worden toegevoegd: %2</translation>
    </message>
    <message>
        <source>%1 was not added: it is not a file that can be read.</source>
        <translation>%1 is niet toegevoegd: het is geen leesbaar bestand.</translation>
    </message>
    <message>
        <source>The application can not add more files because the vault&apos;s disk is full.</source>
        <translation>De toepassing kan geen bestanden meer toevoegen omdat de schijf van de kluis vol is.</translation>
    </message>
    <message>
        <source>It is not possible to encrypt the selected file. This may be due to a restriction of the USB flash drive file system or the drive is full.</source>
        <translation>Het geselecteerde bestand kan niet worden versleuteld. Dit kan komen door een beperking van het bestandssysteem van de USB-stick of doordat het station vol is.</translation>
    </message>
    <message>
        <source>The file %1 was not added: a folder of the same name is already there.</source>
        <translation>Het bestand %1 is niet toegevoegd: er staat al een map met dezelfde naam.</translation>
    </message>
    <message>
        <source>%1 already contains a file name &apos;</source>
        <translation>%1 bevat al een bestand met de naam &apos;</translation>
    </message>
    <message>
        <source>&apos;. Would you like to replace the existing file?</source>
        <translation>&apos;. Wilt u het bestaande bestand vervangen?</translation>
    </message>
    <message>
        <source>The copy operation was cancelled by the user</source>
        <translation>De kopieerbewerking is door de gebruiker geannuleerd</translation>
    </message>
    <message>
        <source>%1 could not be added: %2</source>
        <translation>%1 kon niet worden toegevoegd: %2</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>onbekende fout</translation>
    </message>
    <message>
        <source>%1 could not be encrypted into the vault: %2</source>
        <translation>%1 kon niet in de kluis worden versleuteld: %2</translation>
    </message>
    <message>
        <source>The selected items lie in more than one vault. Please select the one vault to back up.</source>
        <translation>De geselecteerde items staan in meer dan één kluis. Selecteer de ene kluis waarvan een back-up moet worden gemaakt.</translation>
    </message>
    <message>
        <source>Please select the vault to back up.</source>
        <translation>Selecteer de kluis waarvan een back-up moet worden gemaakt.</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Back-up maken...</translation>
    </message>
    <message>
        <source>You don&apos;t have any backup file in backup location</source>
        <translation>U hebt geen back-upbestand op de back-uplocatie</translation>
    </message>
    <message>
        <source>The list of vaults could not be saved to %1.</source>
        <translation>De lijst met kluizen kon niet worden opgeslagen in %1.</translation>
    </message>
    <message>
        <source>%1 cannot continue because the USB drive used has been removed. Click OK to exit %1</source>
        <translation>%1 kan niet doorgaan omdat het gebruikte USB-station is verwijderd. Klik op OK om %1 af te sluiten</translation>
    </message>
    <message>
        <source>Please choose a folder to extract the file(s) to:</source>
        <translation>Kies een map om de bestand(en) naar uit te pakken:</translation>
    </message>
    <message>
        <source>Selected files are extracted to: [%1]</source>
        <translation>De geselecteerde bestanden zijn uitgepakt naar: [%1]</translation>
    </message>
    <message>
        <source>The filename %1 contains characters that are not allowed on all platforms and cannot be copied.</source>
        <translation>De bestandsnaam %1 bevat tekens die niet op alle platforms zijn toegestaan en kan niet worden gekopieerd.</translation>
    </message>
    <message>
        <source>The folder already contains a file name &apos;%1&apos;. Would you like to replace the existing file?</source>
        <translation>De map bevat al een bestand met de naam &apos;%1&apos;. Wilt u het bestaande bestand vervangen?</translation>
    </message>
    <message>
        <source>The file %1 could not be written.
Error: %2</source>
        <translation>Het bestand %1 kon niet worden geschreven.
Fout: %2</translation>
    </message>
    <message>
        <source>The %1 can not create a directory on your path.</source>
        <translation>%1 kan geen map aanmaken in uw pad.</translation>
    </message>
    <message>
        <source>This file is already open or being used. The error is: %1</source>
        <translation>Dit bestand is al geopend of in gebruik. De fout is: %1</translation>
    </message>
    <message>
        <source>There is no default application specified to open the document [%1]</source>
        <translation>Er is geen standaardtoepassing ingesteld om het document [%1] te openen</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>%1 kon niet worden gestart.</translation>
    </message>
    <message>
        <source>This vault could not be loaded, it may be located on another computer or the original vault file has been manually removed.</source>
        <translation>Deze kluis kon niet worden geladen. Mogelijk staat hij op een andere computer of is het oorspronkelijke kluisbestand handmatig verwijderd.</translation>
    </message>
    <message>
        <source>This vault could not be loaded, it may be located on another computer or the original vault file has been manually removed. The error is: %1</source>
        <translation>Deze kluis kon niet worden geladen. Mogelijk staat hij op een andere computer of is het oorspronkelijke kluisbestand handmatig verwijderd. De fout is: %1</translation>
    </message>
    <message>
        <source>Please make sure that your flash drive is formatted and that it is not write-protected.</source>
        <translation>Controleer of uw USB-stick is geformatteerd en niet tegen schrijven is beveiligd.</translation>
    </message>
    <message>
        <source>Unable to write vault structure. This program cannot continue.</source>
        <translation>Kan de kluisstructuur niet schrijven. Dit programma kan niet doorgaan.</translation>
    </message>
    <message>
        <source>A vault already exists on the flash drive. Do you want to use that vault?</source>
        <translation>Er staat al een kluis op de USB-stick. Wilt u die kluis gebruiken?</translation>
    </message>
    <message>
        <source>Please enter a new password to decrypt the key:</source>
        <translation>Voer een nieuw wachtwoord in om de sleutel te ontsleutelen:</translation>
    </message>
    <message>
        <source>Enter your password to unlock the vault:</source>
        <translation>Voer uw wachtwoord in om de kluis te ontgrendelen:</translation>
    </message>
    <message>
        <source>That is not the correct password for this vault. Do you want to try again?</source>
        <translation>Dat is niet het juiste wachtwoord voor deze kluis. Wilt u het opnieuw proberen?</translation>
    </message>
    <message>
        <source>%1 cannot continue as there is already a vault on the flash drive. Please remove it and try again.</source>
        <translation>%1 kan niet doorgaan omdat er al een kluis op de USB-stick staat. Verwijder deze en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The file %1 is damaged and could not be read. This is not caused by your password.</source>
        <translation>Het bestand %1 is beschadigd en kon niet worden gelezen. Dit komt niet door uw wachtwoord.</translation>
    </message>
    <message>
        <source>Your password is not correct. Please try again.</source>
        <translation>Uw wachtwoord is niet juist. Probeer het opnieuw.</translation>
    </message>
    <message>
        <source>You have exceeded the maximum (10) login attempts. You must wait 1 minute before trying to login again.</source>
        <translation>U hebt het maximale aantal (10) aanmeldpogingen overschreden. U moet 1 minuut wachten voordat u opnieuw kunt aanmelden.</translation>
    </message>
    <message>
        <source> - Virtual Keyboard</source>
        <translation> - Virtueel toetsenbord</translation>
    </message>
    <message>
        <source>The vault on your Flash Drive is missing, do you want to create a new one?</source>
        <translation>De kluis op uw USB-stick ontbreekt. Wilt u een nieuwe aanmaken?</translation>
    </message>
    <message>
        <source>These opened files hold changes that could not be put into their vault (its folder was not found or could not be written), so they were kept unencrypted on the disk:
%1

Their changes are put into the vault as soon as it can be reached again.</source>
        <translation>Deze geopende bestanden bevatten wijzigingen die niet in hun kluis konden worden gezet (de map is niet gevonden of kon niet worden beschreven), dus zijn ze onversleuteld op de schijf bewaard:
%1

Hun wijzigingen worden in de kluis gezet zodra die weer bereikbaar is.</translation>
    </message>
    <message>
        <source>These files hold changes that are not in their vault yet:
%1

If you quit now, the changes stay only in these unencrypted copies. Quit anyway?</source>
        <translation>Deze bestanden bevatten wijzigingen die nog niet in hun kluis staan:
%1

Als u nu afsluit, blijven de wijzigingen alleen in deze onversleutelde kopieën. Toch afsluiten?</translation>
    </message>
    <message>
        <source>Your %1 password has reached it&apos;s timeout date. It is recommended that you change your password often to ensure the highest level of security. Would you like to change it now?</source>
        <translation>Uw %1-wachtwoord heeft de vervaldatum bereikt. Het wordt aanbevolen uw wachtwoord vaak te wijzigen voor de hoogste beveiliging. Wilt u het nu wijzigen?</translation>
    </message>
    <message>
        <source>, Vault Protection: %1</source>
        <translation>, Kluisbeveiliging: %1</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source> (%1% used)</source>
        <translation> (%1% gebruikt)</translation>
    </message>
    <message>
        <source> (%1 items)</source>
        <translation> (%1 items)</translation>
    </message>
    <message>
        <source>No drive to work on was found: %1</source>
        <translation>Er is geen station gevonden om mee te werken: %1</translation>
    </message>
    <message>
        <source>Please choose a folder to synchronise this folder with:</source>
        <translation>Kies een map om deze map mee te synchroniseren:</translation>
    </message>
    <message>
        <source>Checking for updates... please wait</source>
        <translation>Controleren op updates... even geduld</translation>
    </message>
    <message>
        <source> - New Version Available</source>
        <translation> - Nieuwe versie beschikbaar</translation>
    </message>
    <message>
        <source>Updates are not available: this copy of %1 has no update server to ask.</source>
        <translation>Geen updates beschikbaar: deze kopie van %1 heeft geen updateserver om te raadplegen.</translation>
    </message>
    <message>
        <source> - Update Configuration</source>
        <translation> - Update-instellingen</translation>
    </message>
    <message>
        <source>Downloading the update...              </source>
        <translation>Update downloaden...              </translation>
    </message>
    <message>
        <source>Unable to save the file %1: %2.</source>
        <translation>Kan het bestand %1 niet opslaan: %2.</translation>
    </message>
    <message>
        <source>The update could not be installed.</source>
        <translation>De update kon niet worden geïnstalleerd.</translation>
    </message>
    <message>
        <source>Download failed: %1.</source>
        <translation>Download mislukt: %1.</translation>
    </message>
    <message>
        <source>The application will now restart.</source>
        <translation>De toepassing wordt nu opnieuw gestart.</translation>
    </message>
    <message>
        <source>Please select a location for the new vault:</source>
        <translation>Selecteer een locatie voor de nieuwe kluis:</translation>
    </message>
    <message>
        <source>The selected folder already contains a vault. Use Add Existing Vault to connect it.</source>
        <translation>De geselecteerde map bevat al een kluis. Gebruik &apos;Bestaande kluis toevoegen&apos; om deze te koppelen.</translation>
    </message>
    <message>
        <source>The filename %1 contains characters that are not allowed on all platforms.</source>
        <translation>De bestandsnaam %1 bevat tekens die niet op alle platforms zijn toegestaan.</translation>
    </message>
    <message>
        <source>A Vault with the name you specified already exists. Specify a different vault name and try again.</source>
        <translation>Er bestaat al een kluis met de opgegeven naam. Geef een andere kluisnaam op en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Do you really want to remove the selected vault?</source>
        <translation>Wilt u de geselecteerde kluis echt verwijderen?</translation>
    </message>
    <message>
        <source>The selected item is not a vault.</source>
        <translation>Het geselecteerde item is geen kluis.</translation>
    </message>
    <message>
        <source>Please choose the folder of your existing vault(s):</source>
        <translation>Kies de map van uw bestaande kluis(en):</translation>
    </message>
    <message>
        <source>The selected folder does not contain a vault.</source>
        <translation>De geselecteerde map bevat geen kluis.</translation>
    </message>
    <message>
        <source>A vault with the same name already exists.
Please enter a new name</source>
        <translation>Er bestaat al een kluis met dezelfde naam.
Voer een nieuwe naam in</translation>
    </message>
    <message>
        <source>Please try again and enter a password</source>
        <translation>Probeer het opnieuw en voer een wachtwoord in</translation>
    </message>
    <message>
        <source>The password is not correct for this vault.</source>
        <translation>Het wachtwoord is niet juist voor deze kluis.</translation>
    </message>
    <message>
        <source>Unable to add this Vault. A Vault with the same name already exists. The error is: %1</source>
        <translation>Kan deze kluis niet toevoegen. Er bestaat al een kluis met dezelfde naam. De fout is: %1</translation>
    </message>
    <message>
        <source>You have choosen to delete the vault titled [%1]. All files within this vault will also be deleted. Do you wish to continue?</source>
        <translation>U hebt ervoor gekozen de kluis [%1] te verwijderen. Alle bestanden in deze kluis worden ook verwijderd. Wilt u doorgaan?</translation>
    </message>
    <message>
        <source>Do you really want to delete the selected item(s)?</source>
        <translation>Wilt u de geselecteerde item(s) echt verwijderen?</translation>
    </message>
    <message>
        <source>Please enter a name for your new folder:                    </source>
        <translation>Voer een naam in voor de nieuwe map:                    </translation>
    </message>
    <message>
        <source>Failed to create the &apos;%1&apos; directory</source>
        <translation>Kan de map &apos;%1&apos; niet aanmaken</translation>
    </message>
    <message>
        <source>You cannot create a folder here.</source>
        <translation>U kunt hier geen map aanmaken.</translation>
    </message>
    <message>
        <source>A folder with the name you specified already exists. Specify a different folder name and try again.</source>
        <translation>Er bestaat al een map met de opgegeven naam. Geef een andere mapnaam op en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Do you really want to remove the selected folder?</source>
        <translation>Wilt u de geselecteerde map echt verwijderen?</translation>
    </message>
    <message>
        <source>The selected item is not a folder.</source>
        <translation>Het geselecteerde item is geen map.</translation>
    </message>
    <message>
        <source>Please enter a new name:                                        </source>
        <translation>Voer een nieuwe naam in:                                        </translation>
    </message>
    <message>
        <source>The file name extension is going to be changed. Do you really want to rename it?</source>
        <translation>De bestandsnaamextensie wordt gewijzigd. Wilt u de naam echt wijzigen?</translation>
    </message>
    <message>
        <source>An item with the name you specified already exists. Please try again.</source>
        <translation>Er bestaat al een item met de opgegeven naam. Probeer het opnieuw.</translation>
    </message>
    <message>
        <source> - Vault Property</source>
        <translation> - Kluiseigenschappen</translation>
    </message>
    <message>
        <source>Load Vault</source>
        <translation>Kluis laden</translation>
    </message>
    <message>
        <source>The vault&apos;s location is accessible but the vault could not be loaded. Do you want to try to repair the vault?</source>
        <translation>De locatie van de kluis is bereikbaar, maar de kluis kon niet worden geladen. Wilt u proberen de kluis te herstellen?</translation>
    </message>
    <message>
        <source>The index of the vault %1 could not be saved.</source>
        <translation>De index van de kluis %1 kon niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>%1 - Confirm file delete</source>
        <translation>%1 - Verwijderen van bestand bevestigen</translation>
    </message>
    <message>
        <source>Backup failed: %1</source>
        <translation>Back-up mislukt: %1</translation>
    </message>
    <message>
        <source>A synchronisation is running; please try again when it has finished.</source>
        <translation>Er wordt gesynchroniseerd; probeer het opnieuw wanneer dit klaar is.</translation>
    </message>
    <message>
        <source>There is nothing to backup as your vault does not contain any data.</source>
        <translation>Er is niets om een back-up van te maken, want uw kluis bevat geen gegevens.</translation>
    </message>
    <message>
        <source>Vault %1 does not exist.</source>
        <translation>Kluis %1 bestaat niet.</translation>
    </message>
    <message>
        <source>the new backup could not be read back.</source>
        <translation>de nieuwe back-up kon niet worden teruggelezen.</translation>
    </message>
    <message>
        <source>Backup completed successfully.</source>
        <translation>Back-up met succes voltooid.</translation>
    </message>
    <message>
        <source>There is already a file with the same name in this location. Do you want to replace it?</source>
        <translation>Op deze locatie staat al een bestand met dezelfde naam. Wilt u het vervangen?</translation>
    </message>
    <message>
        <source>%1 item(s) could not be moved:
%2</source>
        <translation>Kan %1 item(s) niet verplaatsen:
%2</translation>
    </message>
    <message>
        <source>%1 item(s) could not be copied:
%2</source>
        <translation>Kan %1 item(s) niet kopiëren:
%2</translation>
    </message>
    <message>
        <source>Moving Item...</source>
        <translation>Item verplaatsen...</translation>
    </message>
    <message>
        <source>Can not move</source>
        <translation>Kan niet verplaatsen</translation>
    </message>
    <message>
        <source>The extracted files could not be written safely to %1. Check the disk and extract them again.</source>
        <translation>De uitgepakte bestanden konden niet veilig naar %1 worden geschreven. Controleer de schijf en pak ze opnieuw uit.</translation>
    </message>
    <message>
        <source>The application can not rename a file</source>
        <translation>De toepassing kan de naam van een bestand niet wijzigen</translation>
    </message>
    <message>
        <source>Are you sure you want to permanently delete this folder?</source>
        <translation>Weet u zeker dat u deze map definitief wilt verwijderen?</translation>
    </message>
    <message>
        <source>Are you sure you want to permanently delete this file?</source>
        <translation>Weet u zeker dat u dit bestand definitief wilt verwijderen?</translation>
    </message>
    <message>
        <source>Are you sure you want to permanently delete these %1 items?</source>
        <translation>Weet u zeker dat u deze %1 items definitief wilt verwijderen?</translation>
    </message>
    <message>
        <source> - Options</source>
        <translation> - Opties</translation>
    </message>
    <message>
        <source>The options could not be saved to %1. They hold until the program ends.</source>
        <translation>De opties konden niet worden opgeslagen in %1. Ze blijven gelden tot het programma wordt afgesloten.</translation>
    </message>
    <message>
        <source>Password Hint</source>
        <translation>Wachtwoordhint</translation>
    </message>
    <message>
        <source> - Change Password</source>
        <translation> - Wachtwoord wijzigen</translation>
    </message>
    <message>
        <source>The current password entered is invalid. Please try again.</source>
        <translation>Het ingevoerde huidige wachtwoord is ongeldig. Probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The list of vaults %1 could not be read. Your password has not been changed.</source>
        <translation>De lijst met kluizen %1 kon niet worden gelezen. Uw wachtwoord is niet gewijzigd.</translation>
    </message>
    <message>
        <source>The list of vaults could not be saved to %1. Your password has not been changed; the current password still opens your vaults.</source>
        <translation>De lijst met kluizen kon niet worden opgeslagen in %1. Uw wachtwoord is niet gewijzigd; het huidige wachtwoord opent uw kluizen nog steeds.</translation>
    </message>
    <message>
        <source>Your password has been changed, but the key files of these vaults could not be written and still hold their keys under the old password:
%1

The vaults open as before; only adding such a folder again as an existing vault needs the old password.</source>
        <translation>Uw wachtwoord is gewijzigd, maar de sleutelbestanden van deze kluizen konden niet worden geschreven en bevatten hun sleutels nog onder het oude wachtwoord:
%1

De kluizen openen zoals voorheen; alleen om zo&apos;n map opnieuw als bestaande kluis toe te voegen is het oude wachtwoord nodig.</translation>
    </message>
    <message>
        <source>Unable to write vault structure. The vault was not created.</source>
        <translation>De kluisstructuur kon niet worden geschreven. De kluis is niet aangemaakt.</translation>
    </message>
    <message>
        <source>Unable to write vault structure. The vault was not added.</source>
        <translation>De kluisstructuur kon niet worden geschreven. De kluis is niet toegevoegd.</translation>
    </message>
    <message>
        <source>An earlier list of vaults was found on the drive. It was kept as %1.</source>
        <translation>Op het station is een eerdere lijst met kluizen gevonden. Deze is bewaard als %1.</translation>
    </message>
    <message>
        <source>The key of the vault %1 in %2 is damaged. The vault&apos;s own key file still opens it: disconnect the vault and add it again with Add Existing Vault.</source>
        <translation>De sleutel van kluis %1 in %2 is beschadigd. Het eigen sleutelbestand van de kluis opent hem nog: koppel de kluis los en voeg hem opnieuw toe met &apos;Bestaande kluis toevoegen&apos;.</translation>
    </message>
    <message>
        <source>Your password has been changed, but the key files of these vaults are damaged and were left as they are:
%1

The vaults open as before, but such a folder can&apos;t be added again as an existing vault.</source>
        <translation>Uw wachtwoord is gewijzigd, maar de sleutelbestanden van deze kluizen zijn beschadigd en zijn gelaten zoals ze waren:
%1

De kluizen openen zoals voorheen, maar zo&apos;n map kan niet opnieuw als bestaande kluis worden toegevoegd.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged. It was kept as %2, and the default settings are used.</source>
        <translation>Het instellingenbestand %1 is beschadigd. Het is bewaard als %2 en de standaardinstellingen worden gebruikt.</translation>
    </message>
</context>
<context>
    <name>MainWindowClass</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source> No </source>
        <translation> Nee </translation>
    </message>
    <message>
        <source> Yes </source>
        <translation> Ja </translation>
    </message>
    <message>
        <source>Encrypting...</source>
        <translation>Versleutelen...</translation>
    </message>
    <message>
        <source>Yes to All</source>
        <translation>Ja op alles</translation>
    </message>
    <message>
        <source>Decrypting...</source>
        <translation>Ontsleutelen...</translation>
    </message>
    <message>
        <source>Decrypting Item...</source>
        <translation>Item ontsleutelen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Flash Drive</source>
        <translation>USB-stick</translation>
    </message>
    <message>
        <source> - Create Password</source>
        <translation> - Wachtwoord aanmaken</translation>
    </message>
    <message>
        <source> - About</source>
        <translation> - Over</translation>
    </message>
    <message>
        <source>This vault could not be loaded, it may be located on another computer or the original vault file has been manually removed. The error is: %1</source>
        <translation>Deze kluis kon niet worden geladen. Mogelijk staat hij op een andere computer of is het oorspronkelijke kluisbestand handmatig verwijderd. De fout is: %1</translation>
    </message>
    <message>
        <source>[Select Language]</source>
        <translation>[Taal selecteren]</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Aanmelden</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>Wachtwoord vergeten?</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Virtueel toetsenbord</translation>
    </message>
    <message>
        <source>Enter Your Password</source>
        <translation>Voer uw wachtwoord in</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Zoeken...</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Mijn computer</translation>
    </message>
    <message>
        <source>My Vault</source>
        <translation>Mijn kluis</translation>
    </message>
    <message>
        <source>Add File(s)</source>
        <translation>Bestand(en) toevoegen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Naam wijzigen</translation>
    </message>
    <message>
        <source>New Vault</source>
        <translation>Nieuwe kluis</translation>
    </message>
    <message>
        <source>Disconnect Vault</source>
        <translation>Kluis loskoppelen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>Synchroniseren</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details weergeven</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lijst</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Pictogrammen</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Mappen</translation>
    </message>
    <message>
        <source>Get Online Support</source>
        <translation>Online ondersteuning</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nieuwe map</translation>
    </message>
    <message>
        <source>Remove Folder</source>
        <translation>Map verwijderen</translation>
    </message>
    <message>
        <source>Save File(s) to...</source>
        <translation>Bestand(en) opslaan in...</translation>
    </message>
    <message>
        <source>Add Existing Vault</source>
        <translation>Bestaande kluis toevoegen</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Wachtwoord wijzigen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>Controleren op updates</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Vergrendelen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Knippen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Plakken</translation>
    </message>
    <message>
        <source>Move to Folder...</source>
        <translation>Naar map verplaatsen...</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Go Forward</source>
        <translation>Vooruit</translation>
    </message>
    <message>
        <source>Go Home</source>
        <translation>Startpagina</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Bureaublad</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documenten</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Deze computer</translation>
    </message>
    <message>
        <source>Backup Vault Data</source>
        <translation>Back-up van kluisgegevens maken</translation>
    </message>
    <message>
        <source>Restore Vault Data</source>
        <translation>Kluisgegevens herstellen</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Opties...</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschappen</translation>
    </message>
    <message>
        <source>Add Sync Peer</source>
        <translation>Synchronisatiepartner toevoegen</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>Weergeven in bestandsbeheer</translation>
    </message>
    <message>
        <source>Backup Vault</source>
        <translation>Back-up van kluis maken</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Extra</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Beeld</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Main ToolBar</source>
        <translation>Hoofdwerkbalk</translation>
    </message>
    <message>
        <source>Could not create random bytes.</source>
        <translation>Kan geen willekeurige bytes aanmaken.</translation>
    </message>
    <message>
        <source>The password cannot contain these characters: %1
Please use only letters, digits and signs of Western European languages.</source>
        <translation>Het wachtwoord mag deze tekens niet bevatten: %1
Gebruik alleen letters, cijfers en tekens van West-Europese talen.</translation>
    </message>
    <message>
        <source> - Virtual Keyboard</source>
        <translation> - Virtueel toetsenbord</translation>
    </message>
    <message>
        <source>Weak</source>
        <translation>Zwak</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Redelijk</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Goed</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Uitstekend</translation>
    </message>
    <message>
        <source>Passwords do not match</source>
        <translation>Wachtwoorden komen niet overeen</translation>
    </message>
    <message>
        <source>Invalid current item name.</source>
        <translation>Ongeldige naam van huidig item.</translation>
    </message>
    <message>
        <source>Damaged item record in archive.</source>
        <translation>Beschadigd itemrecord in archief.</translation>
    </message>
    <message>
        <source>Invalid item name in archive.</source>
        <translation>Ongeldige itemnaam in archief.</translation>
    </message>
    <message>
        <source>Duplicate item name.</source>
        <translation>Dubbele itemnaam.</translation>
    </message>
    <message>
        <source>Invalid item name.</source>
        <translation>Ongeldige itemnaam.</translation>
    </message>
    <message>
        <source>Damaged vault header in archive.</source>
        <translation>Beschadigde kluisheader in archief.</translation>
    </message>
    <message>
        <source>Invalid parent path in archive.</source>
        <translation>Ongeldig bovenliggend pad in archief.</translation>
    </message>
    <message>
        <source>Invalid class name in archive.</source>
        <translation>Ongeldige klassenaam in archief.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Date Created</source>
        <translation>Aanmaakdatum</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Copying  file...</source>
        <translation>Bestand kopiëren...</translation>
    </message>
    <message>
        <source>Copying Item...</source>
        <translation>Item kopiëren...</translation>
    </message>
    <message>
        <source>Can not move</source>
        <translation>Kan niet verplaatsen</translation>
    </message>
    <message>
        <source>Processing Items...</source>
        <translation>Items verwerken...</translation>
    </message>
    <message>
        <source>Moving Item...</source>
        <translation>Item verplaatsen...</translation>
    </message>
    <message>
        <source>There is already an item with the same name in this location. Do you want to replace it?</source>
        <translation>Op deze locatie staat al een item met dezelfde naam. Wilt u het vervangen?</translation>
    </message>
    <message>
        <source>Failed to move</source>
        <translation>Verplaatsen mislukt</translation>
    </message>
    <message>
        <source>Failed to copy</source>
        <translation>Kopiëren mislukt</translation>
    </message>
    <message>
        <source>The application can not add more files because the vault&apos;s disk is full.</source>
        <translation>De toepassing kan geen bestanden meer toevoegen omdat de schijf van de kluis vol is.</translation>
    </message>
    <message>
        <source>Moving file...</source>
        <translation>Bestand verplaatsen...</translation>
    </message>
    <message>
        <source>Copy folder...</source>
        <translation>Map kopiëren...</translation>
    </message>
    <message>
        <source>Add a vault here</source>
        <translation>Hier een kluis toevoegen</translation>
    </message>
    <message>
        <source>Add a file or create a folder here</source>
        <translation>Hier een bestand toevoegen of een map maken</translation>
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
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Timeouts</source>
        <translation>Time-outs</translation>
    </message>
    <message>
        <source>Application timeout</source>
        <translation>Time-out van de toepassing</translation>
    </message>
    <message>
        <source>Timeout in minutes:</source>
        <translation>Time-out in minuten:</translation>
    </message>
    <message>
        <source>0 = Timeout Disabled</source>
        <translation>0 = Time-out uitgeschakeld</translation>
    </message>
    <message>
        <source>Password expiration</source>
        <translation>Verlopen van wachtwoord</translation>
    </message>
    <message>
        <source>Expiration in days:</source>
        <translation>Verloopt na dagen:</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Bevestiging</translation>
    </message>
    <message>
        <source>File delete confirmation</source>
        <translation>Bevestiging bij verwijderen van bestanden</translation>
    </message>
    <message>
        <source>Restore to default</source>
        <translation>Standaardwaarden herstellen</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Versleuteling</translation>
    </message>
    <message>
        <source>AES 256 bit</source>
        <translation>AES 256-bits</translation>
    </message>
    <message>
        <source>AES 512 bit</source>
        <translation>AES 512-bits</translation>
    </message>
    <message>
        <source>Preferred encryption method:</source>
        <translation>Voorkeursmethode voor versleuteling:</translation>
    </message>
    <message>
        <source>AES 128 bit</source>
        <translation>AES 128-bits</translation>
    </message>
    <message>
        <source>AES 1024 bit</source>
        <translation>AES 1024-bits</translation>
    </message>
    <message>
        <source>Locations</source>
        <translation>Locaties</translation>
    </message>
    <message>
        <source>Backup options</source>
        <translation>Back-upopties</translation>
    </message>
    <message>
        <source>Backup location</source>
        <translation>Back-uplocatie</translation>
    </message>
    <message>
        <source>Application Data</source>
        <translation>Toepassingsgegevens</translation>
    </message>
    <message>
        <source>My Documents</source>
        <translation>Mijn documenten</translation>
    </message>
    <message>
        <source>Mount options</source>
        <translation>Koppelopties</translation>
    </message>
    <message>
        <source>Mount location</source>
        <translation>Koppellocatie</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pad</translation>
    </message>
    <message>
        <source>Backup retention</source>
        <translation>Bewaren van back-ups</translation>
    </message>
    <message>
        <source>Keep number of backups:</source>
        <translation>Aantal te bewaren back-ups:</translation>
    </message>
    <message>
        <source>Enable automatic backup retention</source>
        <translation>Automatisch bewaren van back-ups inschakelen</translation>
    </message>
    <message>
        <source>You will need to restart the application for these changes to take effect</source>
        <translation>U moet de toepassing opnieuw starten om deze wijzigingen door te voeren</translation>
    </message>
</context>
<context>
    <name>PleaseWaitDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoogvenster</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A backup is running. Please wait until it has finished before you quit the program or eject the flash drive.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Er wordt een back-up gemaakt. Wacht tot deze klaar is voordat u het programma afsluit of de USB-stick uitwerpt.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>ProblemReport</name>
    <message>
        <source>A problem occured</source>
        <translation>Er is een probleem opgetreden</translation>
    </message>
    <message>
        <source>Sending Report. . .</source>
        <translation>Rapport verzenden. . .</translation>
    </message>
    <message>
        <source>Send Report</source>
        <translation>Rapport verzenden</translation>
    </message>
    <message>
        <source>Report was sent successful!</source>
        <translation>Rapport is met succes verzonden!</translation>
    </message>
    <message>
        <source>Error sending report!
%2 (%1)</source>
        <translation>Fout bij verzenden van rapport!
%2 (%1)</translation>
    </message>
</context>
<context>
    <name>RestoreWizard</name>
    <message>
        <source>Restore Wizard</source>
        <translation>Herstelwizard</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Welcome to the restore wizard.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;This wizard will guide you through the process of restoring current data from a previous backup.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Welkom bij de herstelwizard.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;Deze wizard begeleidt u bij het herstellen van huidige gegevens uit een eerdere back-up.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Please choose the location to be restored from the backup file and click &apos;Next&apos; to proceed.</source>
        <translation>Kies de locatie die uit het back-upbestand moet worden hersteld en klik op &apos;Volgende&apos; om verder te gaan.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Please select the backup to be restored and click &apos;Next&apos; to proceed.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Selecteer de back-up die u wilt herstellen en klik op &apos;Volgende&apos; om verder te gaan.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Leeftijd</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vorige</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The encryption key for the selected backup is not available. &lt;/p&gt;&lt;p&gt;A copy of the key is present in the backup, but is protected by a password.&lt;/p&gt;&lt;p&gt;Please enter the password that was in use when the backup was made and click &apos;Next&apos; to proceed.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;De versleutelingssleutel voor de geselecteerde back-up is niet beschikbaar. &lt;/p&gt;&lt;p&gt;Er staat een kopie van de sleutel in de back-up, maar die is beveiligd met een wachtwoord.&lt;/p&gt;&lt;p&gt;Voer het wachtwoord in dat werd gebruikt toen de back-up werd gemaakt en klik op &apos;Volgende&apos; om verder te gaan.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Password:&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Wachtwoord:&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;You have entered an incorrect password. &lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;U hebt een onjuist wachtwoord ingevoerd. &lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Please go back and try again.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ga terug en probeer het opnieuw.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;By clicking &apos;Restore&apos; you will replace all data in the selected vault with data from the backup.&lt;/p&gt;&lt;p&gt;Click &apos;Back&apos; if any changes are needed before proceeding.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Door op &apos;Herstellen&apos; te klikken vervangt u alle gegevens in de geselecteerde kluis door de gegevens uit de back-up.&lt;/p&gt;&lt;p&gt;Klik op &apos;Vorige&apos; als er wijzigingen nodig zijn voordat u verdergaat.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>New, empty folder for the vault:</source>
        <translation>Nieuwe, lege map voor de kluis:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Bladeren...</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Herstellen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Restoring backup data.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Back-upgegevens worden hersteld.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;There are no other backup files available.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Er zijn geen andere back-upbestanden beschikbaar.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Data restored succesfully!&lt;br/&gt;&lt;/p&gt;&lt;p&gt;You can now close this Wizard and access the restored data.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Gegevens met succes hersteld!&lt;br/&gt;&lt;/p&gt;&lt;p&gt;U kunt deze wizard nu sluiten en de herstelde gegevens openen.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The backup was not restored.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;De back-up is niet hersteld.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Select the vault to restore</source>
        <translation>Selecteer de kluis die u wilt herstellen</translation>
    </message>
    <message>
        <source>Other unlisted vault</source>
        <translation>Andere, niet vermelde kluis</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Gisteren</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Vandaag</translation>
    </message>
    <message>
        <source>%1 Days ago</source>
        <translation>%1 dagen geleden</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;By clicking &apos;Restore&apos; the backup becomes a new vault in the new, empty folder below. No existing vault is changed.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Door op &apos;Herstellen&apos; te klikken wordt de back-up een nieuwe kluis in de nieuwe, lege map hieronder. Er wordt geen bestaande kluis gewijzigd.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Choose a new, empty folder for the vault</source>
        <translation>Kies een nieuwe, lege map voor de kluis</translation>
    </message>
    <message>
        <source>Please choose a new, empty folder for the restored vault.</source>
        <translation>Kies een nieuwe, lege map voor de herstelde kluis.</translation>
    </message>
    <message>
        <source>%1 is not a folder. Please choose a new, empty folder for the restored vault.</source>
        <translation>%1 is geen map. Kies een nieuwe, lege map voor de herstelde kluis.</translation>
    </message>
    <message>
        <source>The folder %1 is not empty. Please choose a new, empty folder for the restored vault.</source>
        <translation>De map %1 is niet leeg. Kies een nieuwe, lege map voor de herstelde kluis.</translation>
    </message>
    <message>
        <source>The folder %1 belongs to the vault %2. Please choose a new, empty folder for the restored vault.</source>
        <translation>De map %1 hoort bij de kluis %2. Kies een nieuwe, lege map voor de herstelde kluis.</translation>
    </message>
    <message>
        <source>The folder %1 lies in the backup location. Please choose another folder.</source>
        <translation>De map %1 ligt in de back-uplocatie. Kies een andere map.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>De map %1 kon niet worden aangemaakt.</translation>
    </message>
    <message>
        <source>Restored vault</source>
        <translation>Herstelde kluis</translation>
    </message>
    <message>
        <source>The backup can be copied straight over the vault&apos;s files instead. If that fails part-way, the vault can&apos;t be put back as it was. Restore anyway?</source>
        <translation>De back-up kan in plaats daarvan rechtstreeks over de bestanden van de kluis worden gekopieerd. Als dat halverwege mislukt, kan de kluis niet worden teruggezet zoals hij was. Toch herstellen?</translation>
    </message>
    <message>
        <source> Yes </source>
        <translation> Ja </translation>
    </message>
    <message>
        <source> No </source>
        <translation> Nee </translation>
    </message>
    <message>
        <source>A synchronisation is running; please try again when it has finished.</source>
        <translation>Er wordt gesynchroniseerd; probeer het opnieuw wanneer dit klaar is.</translation>
    </message>
    <message>
        <source>The folder of the vault %1 is not available.</source>
        <translation>De map van de kluis %1 is niet beschikbaar.</translation>
    </message>
    <message>
        <source>The backup holds no vault index.</source>
        <translation>De back-up bevat geen kluisindex.</translation>
    </message>
    <message>
        <source>There is not enough free space beside the vault to restore it safely: %1 are needed, %2 are free.</source>
        <translation>Er is niet genoeg vrije ruimte naast de kluis om hem veilig te herstellen: %1 nodig, %2 vrij.</translation>
    </message>
    <message>
        <source>No room could be made beside the vault folder %1 to restore into.</source>
        <translation>Naast de kluismap %1 kon geen ruimte worden gemaakt om in te herstellen.</translation>
    </message>
    <message>
        <source>The backup could not be copied: %1 The vault was not changed.</source>
        <translation>De back-up kon niet worden gekopieerd: %1 De kluis is niet gewijzigd.</translation>
    </message>
    <message>
        <source>The vault was not changed.</source>
        <translation>De kluis is niet gewijzigd.</translation>
    </message>
    <message>
        <source>The backup&apos;s files could not be put in place in the vault folder %1.</source>
        <translation>De bestanden van de back-up konden niet in de kluismap %1 worden geplaatst.</translation>
    </message>
    <message>
        <source>Some of the vault&apos;s own files could not be put back; they are kept in %1.</source>
        <translation>Sommige eigen bestanden van de kluis konden niet worden teruggezet; ze worden bewaard in %1.</translation>
    </message>
    <message>
        <source>The vault is as it was before.</source>
        <translation>De kluis is zoals hij was.</translation>
    </message>
    <message>
        <source>The vault&apos;s files are as they were before.</source>
        <translation>De bestanden van de kluis zijn zoals ze waren.</translation>
    </message>
    <message>
        <source>The backup could not be copied: %1 The vault may be damaged; restore it again once there is more free space.</source>
        <translation>De back-up kon niet worden gekopieerd: %1 De kluis is mogelijk beschadigd; herstel hem opnieuw zodra er meer vrije ruimte is.</translation>
    </message>
    <message>
        <source>The vault may be damaged.</source>
        <translation>De kluis is mogelijk beschadigd.</translation>
    </message>
    <message>
        <source>The backup&apos;s index can&apos;t be opened with the key that was found for it.</source>
        <translation>De index van de back-up kan niet worden geopend met de sleutel die ervoor is gevonden.</translation>
    </message>
    <message>
        <source>The backup&apos;s index can&apos;t be read.</source>
        <translation>De index van de back-up kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>The backup&apos;s index is damaged: %1</source>
        <translation>De index van de back-up is beschadigd: %1</translation>
    </message>
    <message>
        <source>The backup lacks the encrypted file of %1.</source>
        <translation>In de back-up ontbreekt het versleutelde bestand van %1.</translation>
    </message>
    <message>
        <source>The restored vault could not be loaded: %1</source>
        <translation>De herstelde kluis kon niet worden geladen: %1</translation>
    </message>
    <message>
        <source>The restored vault could not be loaded.</source>
        <translation>De herstelde kluis kon niet worden geladen.</translation>
    </message>
    <message>
        <source>The encrypted file of %1 in the backup is not whole (%2).</source>
        <translation>Het versleutelde bestand van %1 in de back-up is niet volledig (%2).</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Kan %1 niet schrijven: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a symbolic link</source>
        <translation>Kan %1 niet schrijven: het is een symbolische koppeling</translation>
    </message>
</context>
<context>
    <name>TAVBrowseFolderDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoogvenster</translation>
    </message>
    <message>
        <source>Select a target folder:</source>
        <translation>Selecteer een doelmap:</translation>
    </message>
    <message>
        <source>Please select a target folder.</source>
        <translation>Selecteer een doelmap.</translation>
    </message>
</context>
<context>
    <name>TAVCryptoThread</name>
    <message>
        <source>Cannot open file for read %1
Error: %2</source>
        <translation>Kan bestand niet openen om te lezen %1
Fout: %2</translation>
    </message>
    <message>
        <source>Cannot open file for write %1
Error: %2</source>
        <translation>Kan bestand niet openen om te schrijven %1
Fout: %2</translation>
    </message>
</context>
<context>
    <name>TAVFile</name>
    <message>
        <source>File %1 does not exist</source>
        <translation>Bestand %1 bestaat niet</translation>
    </message>
</context>
<context>
    <name>TAVFileWatcher</name>
    <message>
        <source>%1 is a symbolic link: the decrypted copy is not written there.</source>
        <translation>%1 is een symbolische koppeling: de ontsleutelde kopie wordt daar niet geschreven.</translation>
    </message>
    <message>
        <source>%1 is open with changes that are not in the vault yet.</source>
        <translation>%1 is geopend met wijzigingen die nog niet in de kluis staan.</translation>
    </message>
    <message>
        <source>The folder %1 for the decrypted copy could not be made.</source>
        <translation>De map %1 voor de ontsleutelde kopie kon niet worden aangemaakt.</translation>
    </message>
    <message>
        <source>The changes of %1 could not be put into the vault: the vault is not open.</source>
        <translation>De wijzigingen van %1 konden niet in de kluis worden gezet: de kluis is niet geopend.</translation>
    </message>
    <message>
        <source>The changes of %1 could not be put into the vault: the vault&apos;s folder is not found.</source>
        <translation>De wijzigingen van %1 konden niet in de kluis worden gezet: de map van de kluis is niet gevonden.</translation>
    </message>
    <message>
        <source>The changes of %1 are in the vault, but the vault&apos;s index could not be saved.</source>
        <translation>De wijzigingen van %1 staan in de kluis, maar de index van de kluis kon niet worden opgeslagen.</translation>
    </message>
</context>
<context>
    <name>TAVItem</name>
    <message>
        <source>Decryption failed.</source>
        <translation>Ontsleutelen mislukt.</translation>
    </message>
</context>
<context>
    <name>TAVProgressDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoogvenster</translation>
    </message>
    <message>
        <source>Encrypting...</source>
        <translation>Versleutelen...</translation>
    </message>
    <message>
        <source>Estimated Time to Complete: 0.00 minutes</source>
        <translation>Geschatte resterende tijd: 0,00 minuten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>Estimated Time to Complete:</source>
        <translation>Geschatte resterende tijd:</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuten</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>seconden</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>uur</translation>
    </message>
</context>
<context>
    <name>TAVProgressLogDialog</name>
    <message>
        <source>Synchronization</source>
        <translation>Synchronisatie</translation>
    </message>
    <message>
        <source>Synchronization progress:</source>
        <translation>Voortgang van synchronisatie:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>No items is synced</source>
        <translation>Geen items gesynchroniseerd</translation>
    </message>
    <message>
        <source>Synchronization completed successfully.</source>
        <translation>Synchronisatie met succes voltooid.</translation>
    </message>
    <message>
        <source>Synchronization finished, but not every file could be synchronized. See the lines above.</source>
        <translation>Synchronisatie beëindigd, maar niet elk bestand kon worden gesynchroniseerd. Zie de regels hierboven.</translation>
    </message>
</context>
<context>
    <name>TAVSync</name>
    <message>
        <source>Synchronization cancelled.</source>
        <translation>Synchronisatie geannuleerd.</translation>
    </message>
    <message>
        <source>Vault is not loaded</source>
        <translation>Kluis is niet geladen</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>De map bestaat niet.</translation>
    </message>
    <message>
        <source>The disk folder %1 is empty, but held %2 items at the last synchronization: nothing was deleted or copied for this peer.</source>
        <translation>De schijfmap %1 is leeg, maar bevatte bij de laatste synchronisatie %2 items: voor deze partner is niets verwijderd of gekopieerd.</translation>
    </message>
    <message>
        <source>The vault folder %1 is empty, but held %2 items at the last synchronization: nothing was deleted or copied for this peer.</source>
        <translation>De kluismap %1 is leeg, maar bevatte bij de laatste synchronisatie %2 items: voor deze partner is niets verwijderd of gekopieerd.</translation>
    </message>
    <message>
        <source>The new files could not be written to the disk.</source>
        <translation>De nieuwe bestanden konden niet naar de schijf worden geschreven.</translation>
    </message>
    <message>
        <source>The vault&apos;s index could not be saved.</source>
        <translation>De index van de kluis kon niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>The item is no longer in the vault.</source>
        <translation>Het item staat niet meer in de kluis.</translation>
    </message>
    <message>
        <source>A folder of that name is in the vault.</source>
        <translation>Er staat een map met die naam in de kluis.</translation>
    </message>
    <message>
        <source>Its folder is not in the vault.</source>
        <translation>De map ervan staat niet in de kluis.</translation>
    </message>
    <message>
        <source>Kept %1: it holds items the last synchronization did not know.</source>
        <translation>%1 behouden: de map bevat items die de laatste synchronisatie niet kende.</translation>
    </message>
    <message>
        <source>Kept %1: it is reached through a symbolic link.</source>
        <translation>%1 behouden: het wordt bereikt via een symbolische koppeling.</translation>
    </message>
    <message>
        <source>Kept %1: it holds files the last synchronization did not know.</source>
        <translation>%1 behouden: de map bevat bestanden die de laatste synchronisatie niet kende.</translation>
    </message>
    <message>
        <source>The list of synchronization peers of this vault can&apos;t be read. Nothing was changed.</source>
        <translation>De lijst met synchronisatiepartners van deze kluis kan niet worden gelezen. Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>These folders are already synchronized.</source>
        <translation>Deze mappen worden al gesynchroniseerd.</translation>
    </message>
    <message>
        <source>The list of synchronization peers could not be written. The folder was not added.</source>
        <translation>De lijst met synchronisatiepartners kon niet worden geschreven. De map is niet toegevoegd.</translation>
    </message>
    <message>
        <source>This folder can&apos;t be synchronized: it is the vault&apos;s own folder, lies inside it or holds it.</source>
        <translation>Deze map kan niet worden gesynchroniseerd: het is de eigen map van de kluis, ligt erin of bevat hem.</translation>
    </message>
    <message>
        <source>This folder can&apos;t be synchronized: the application keeps its own files there.</source>
        <translation>Deze map kan niet worden gesynchroniseerd: de toepassing bewaart er haar eigen bestanden.</translation>
    </message>
    <message>
        <source>The folder could not be added.</source>
        <translation>De map kon niet worden toegevoegd.</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Starten...</translation>
    </message>
    <message>
        <source>Synchronization finished with errors: see the lines above.</source>
        <translation>Synchronisatie beëindigd met fouten: zie de regels hierboven.</translation>
    </message>
    <message>
        <source>Another synchronization is running.</source>
        <translation>Er wordt al een andere synchronisatie uitgevoerd.</translation>
    </message>
    <message>
        <source>No synchronization peers defined.</source>
        <translation>Geen synchronisatiepartners gedefinieerd.</translation>
    </message>
    <message>
        <source>Skipped: %1 (names that differ only in case)</source>
        <translation>Overgeslagen: %1 (namen die alleen in hoofdletters verschillen)</translation>
    </message>
    <message>
        <source>The folder can&apos;t be read: nothing was deleted or copied for this peer.</source>
        <translation>De map kan niet worden gelezen: voor deze partner is niets verwijderd of gekopieerd.</translation>
    </message>
    <message>
        <source>The folder %1 was removed or replaced during the synchronization: nothing more was copied or deleted for this peer.</source>
        <translation>De map %1 is tijdens de synchronisatie verwijderd of vervangen: voor deze partner is verder niets gekopieerd of verwijderd.</translation>
    </message>
    <message>
        <source>Kept %1: it changed on the disk during the synchronization.</source>
        <translation>%1 behouden: het is tijdens de synchronisatie op de schijf gewijzigd.</translation>
    </message>
    <message>
        <source>The vault&apos;s folder can&apos;t be written.</source>
        <translation>Er kan niet in de map van de kluis worden geschreven.</translation>
    </message>
    <message>
        <source>Skipped: %1 (a symbolic link)</source>
        <translation>Overgeslagen: %1 (een symbolische koppeling)</translation>
    </message>
    <message>
        <source>This folder can&apos;t be synchronized: it holds or lies inside a folder already synchronized with this vault.</source>
        <translation>Deze map kan niet worden gesynchroniseerd: hij bevat een map die al met deze kluis wordt gesynchroniseerd, of ligt erin.</translation>
    </message>
    <message>
        <source>Failed: %1 (can&apos;t be read: %2)</source>
        <translation>Mislukt: %1 (kan niet worden gelezen: %2)</translation>
    </message>
    <message>
        <source>Skipped: %1 (not a file or a folder)</source>
        <translation>Overgeslagen: %1 (geen bestand of map)</translation>
    </message>
</context>
<context>
    <name>TAVSyncProgressDialog</name>
    <message>
        <source>Synchronization</source>
        <translation>Synchronisatie</translation>
    </message>
    <message>
        <source>Synchronization progress:</source>
        <translation>Voortgang van synchronisatie:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>No items is synced</source>
        <translation>Geen items gesynchroniseerd</translation>
    </message>
    <message>
        <source>Synchronization completed successfully.</source>
        <translation>Synchronisatie met succes voltooid.</translation>
    </message>
    <message>
        <source>Repair completed successfully.</source>
        <translation>Herstel met succes voltooid.</translation>
    </message>
    <message>
        <source>Synchronization finished with errors:</source>
        <translation>Synchronisatie beëindigd met fouten:</translation>
    </message>
    <message>
        <source>Synchronization finished with errors. The lines in the progress window say which items could not be synchronized.</source>
        <translation>Synchronisatie beëindigd met fouten. De regels in het voortgangsvenster geven aan welke items niet konden worden gesynchroniseerd.</translation>
    </message>
</context>
<context>
    <name>TavVaultProperty</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoogvenster</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Type of encryption:</source>
        <translation>Soort versleuteling:</translation>
    </message>
    <message>
        <source>Total number of files:</source>
        <translation>Totaal aantal bestanden:</translation>
    </message>
    <message>
        <source>Total storage space:</source>
        <translation>Totale opslagruimte:</translation>
    </message>
    <message>
        <source>Full Physical Path:</source>
        <translation>Volledig fysiek pad:</translation>
    </message>
    <message>
        <source>Set Vault Password</source>
        <translation>Kluiswachtwoord instellen</translation>
    </message>
    <message>
        <source>Repair vault </source>
        <translation>Kluis herstellen </translation>
    </message>
    <message>
        <source>Synchronization</source>
        <translation>Synchronisatie</translation>
    </message>
    <message>
        <source>Synchronization peers:</source>
        <translation>Synchronisatiepartners:</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Hostcomputer</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>Lokale map</translation>
    </message>
    <message>
        <source>Vault folder</source>
        <translation>Kluismap</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>Synchroniseren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>This repair has already run.</source>
        <translation>Dit herstel is al uitgevoerd.</translation>
    </message>
    <message>
        <source>The folder of the vault cannot be found: %1
Nothing was repaired.</source>
        <translation>De map van de kluis is niet gevonden: %1
Er is niets hersteld.</translation>
    </message>
    <message>
        <source>A repair of this vault is already running.</source>
        <translation>Er wordt al een herstel van deze kluis uitgevoerd.</translation>
    </message>
    <message>
        <source>A synchronization is running. Please try again when it has finished.</source>
        <translation>Er wordt gesynchroniseerd. Probeer het opnieuw wanneer dit klaar is.</translation>
    </message>
    <message>
        <source>Start repair index file</source>
        <translation>Herstel van indexbestand starten</translation>
    </message>
    <message>
        <source>The repair was cancelled. The index was not changed.</source>
        <translation>Het herstel is geannuleerd. De index is niet gewijzigd.</translation>
    </message>
    <message>
        <source>Only %1 of the %2 files listed in the index of the vault &quot;%3&quot; were found in its folder %4.
If the drive or the folder is incomplete, repairing now takes the missing files out of the index.

Repair the index anyway?</source>
        <translation>Slechts %1 van de %2 bestanden in de index van de kluis &quot;%3&quot; zijn gevonden in de map %4.
Als het station of de map onvolledig is, haalt herstellen nu de ontbrekende bestanden uit de index.

De index toch herstellen?</translation>
    </message>
    <message>
        <source>The index was not repaired.</source>
        <translation>De index is niet hersteld.</translation>
    </message>
    <message>
        <source>The vault&apos;s key does not fit the files in its folder. Nothing was repaired.</source>
        <translation>De sleutel van de kluis past niet bij de bestanden in de map. Er is niets hersteld.</translation>
    </message>
    <message>
        <source>The vault was closed during the repair. The index was not changed.</source>
        <translation>De kluis is tijdens het herstel gesloten. De index is niet gewijzigd.</translation>
    </message>
    <message>
        <source>The previous index could not be kept (%1). The index was not changed.</source>
        <translation>De vorige index kon niet worden bewaard (%1). De index is niet gewijzigd.</translation>
    </message>
    <message>
        <source>The index could not be rebuilt. The index was not changed.</source>
        <translation>De index kon niet opnieuw worden opgebouwd. De index is niet gewijzigd.</translation>
    </message>
    <message>
        <source>The repaired index could not be written. The previous index is kept.</source>
        <translation>De herstelde index kon niet worden geschreven. De vorige index blijft behouden.</translation>
    </message>
    <message>
        <source>The index was repaired: %1 files rebuilt (%2 of them in the folder &quot;%3&quot;), %4 removed, %5 skipped.</source>
        <translation>De index is hersteld: %1 bestanden opnieuw opgebouwd (%2 daarvan in de map &quot;%3&quot;), %4 verwijderd, %5 overgeslagen.</translation>
    </message>
    <message>
        <source>Please choose a folder to synchronise with:</source>
        <translation>Kies een map om mee te synchroniseren:</translation>
    </message>
    <message>
        <source>This synchronization peer is no longer in the list of the vault.</source>
        <translation>Deze synchronisatiepartner staat niet meer in de lijst van de kluis.</translation>
    </message>
    <message>
        <source>The list of synchronization peers of this vault could not be changed. The peer was not removed.</source>
        <translation>De lijst met synchronisatiepartners van deze kluis kon niet worden gewijzigd. De partner is niet verwijderd.</translation>
    </message>
    <message>
        <source>Please try again and enter a password</source>
        <translation>Probeer het opnieuw en voer een wachtwoord in</translation>
    </message>
    <message>
        <source>Please enter a new password to encrypt the key:</source>
        <translation>Voer een nieuw wachtwoord in om de sleutel te versleutelen:</translation>
    </message>
    <message>
        <source>Please enter the password again:</source>
        <translation>Voer het wachtwoord opnieuw in:</translation>
    </message>
    <message>
        <source>The two passwords are not the same. The vault password was not changed.</source>
        <translation>De twee wachtwoorden zijn niet gelijk. Het kluiswachtwoord is niet gewijzigd.</translation>
    </message>
    <message>
        <source>The vault password could not be saved in %1. The key chain was not changed.</source>
        <translation>Het kluiswachtwoord kon niet worden opgeslagen in %1. De sleutelhanger is niet gewijzigd.</translation>
    </message>
    <message>
        <source>The vault password was set.</source>
        <translation>Het kluiswachtwoord is ingesteld.</translation>
    </message>
    <message>
        <source>Repair Progress</source>
        <translation>Voortgang van herstel</translation>
    </message>
</context>
<context>
    <name>UpdateAvailableDialog</name>
    <message>
        <source>Kolvane - New Version Available</source>
        <translation>Kolvane - Nieuwe versie beschikbaar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Bijwerken</translation>
    </message>
</context>
<context>
    <name>UpdateConfigDialog</name>
    <message>
        <source>Kolvane - Updates configuration</source>
        <translation>Kolvane - Update-instellingen</translation>
    </message>
    <message>
        <source>How often do you want to check for updates?</source>
        <translation>Hoe vaak wilt u controleren op updates?</translation>
    </message>
    <message>
        <source>Once a week</source>
        <translation>Eenmaal per week</translation>
    </message>
    <message>
        <source>Every two weeks</source>
        <translation>Elke twee weken</translation>
    </message>
    <message>
        <source>Once a month</source>
        <translation>Eenmaal per maand</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nooit</translation>
    </message>
    <message>
        <source>Check for updates now</source>
        <translation>Nu controleren op updates</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Thank you for using %1
You are using %1 %2. There are currently no updates available.
Please try again later.</source>
        <translation>Bedankt voor het gebruik van %1
U gebruikt %1 %2. Er zijn momenteel geen updates beschikbaar.
Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source> - New Version Available</source>
        <translation> - Nieuwe versie beschikbaar</translation>
    </message>
</context>
<context>
    <name>UpdateDownload</name>
    <message>
        <source>The server did not answer in time</source>
        <translation>De server heeft niet op tijd geantwoord</translation>
    </message>
    <message>
        <source>A download is already under way</source>
        <translation>Er wordt al een download uitgevoerd</translation>
    </message>
    <message>
        <source>The address %1 is not a secure one</source>
        <translation>Het adres %1 is niet beveiligd</translation>
    </message>
    <message>
        <source>The address %1 names no file</source>
        <translation>Het adres %1 wijst geen bestand aan</translation>
    </message>
    <message>
        <source>Redirected without a new address</source>
        <translation>Omgeleid zonder nieuw adres</translation>
    </message>
    <message>
        <source>Too many redirections</source>
        <translation>Te veel omleidingen</translation>
    </message>
    <message>
        <source>Redirected from a secure address to %1</source>
        <translation>Omgeleid van een beveiligd adres naar %1</translation>
    </message>
    <message>
        <source>The server answered %1</source>
        <translation>De server antwoordde %1</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Geannuleerd</translation>
    </message>
    <message>
        <source>The package is larger than %1 MiB</source>
        <translation>Het pakket is groter dan %1 MiB</translation>
    </message>
</context>
<context>
    <name>Utils</name>
    <message>
        <source>There are %1 file(s) to be synchronized.</source>
        <translation>Er zijn %1 bestand(en) te synchroniseren.</translation>
    </message>
    <message>
        <source>Start synchronizing files now.</source>
        <translation>Bestanden nu synchroniseren.</translation>
    </message>
</context>
<context>
    <name>Vir_KeyPad_Dialog</name>
    <message>
        <source>Virtual Keypad</source>
        <translation>Virtueel toetsenblok</translation>
    </message>
    <message>
        <source>Show Plain Text</source>
        <translation>Platte tekst weergeven</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift-toets</translation>
    </message>
    <message>
        <source>&lt;--</source>
        <translation>&lt;--</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Opnieuw instellen</translation>
    </message>
    <message>
        <source>Security Level</source>
        <translation>Beveiligingsniveau</translation>
    </message>
    <message>
        <source>Realtime</source>
        <translation>Realtime</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normaal</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Laag</translation>
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
        <translation>Er is geen gegevensmap voor de stationsmap.</translation>
    </message>
    <message>
        <source>%1 must name a folder by its full path: %2</source>
        <translation>%1 moet een map met het volledige pad aanduiden: %2</translation>
    </message>
    <message>
        <source>The drive folder %1 can&apos;t be made.</source>
        <translation>De stationsmap %1 kan niet worden aangemaakt.</translation>
    </message>
    <message>
        <source>The drive folder can&apos;t be the root folder.</source>
        <translation>De stationsmap kan niet de hoofdmap zijn.</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 can&apos;t be made: %2</source>
        <translation>Het serienummerbestand %1 van het station kan niet worden aangemaakt: %2</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 can&apos;t be written: %2</source>
        <translation>Het serienummerbestand %1 van het station kan niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 can&apos;t be read: %2</source>
        <translation>Het serienummerbestand %1 van het station kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 is damaged.</source>
        <translation>Het serienummerbestand %1 van het station is beschadigd.</translation>
    </message>
    <message>
        <source>The drive folder %1 named by %2 does not exist.</source>
        <translation>De stationsmap %1 die %2 noemt, bestaat niet.</translation>
    </message>
</context>
<context>
    <name>velmora_howto</name>
    <message>
        <source>Data Protection</source>
        <translation>Gegevensbescherming</translation>
    </message>
    <message>
        <source>4 ways to protect your files</source>
        <translation>4 manieren om uw bestanden te beschermen</translation>
    </message>
    <message>
        <source>Drag and drop files onto main screen</source>
        <translation>Bestanden naar het hoofdscherm slepen</translation>
    </message>
    <message>
        <source>Copy and paste files onto main screen</source>
        <translation>Bestanden kopiëren en plakken in het hoofdscherm</translation>
    </message>
    <message>
        <source>Click &apos;Add files&apos; button to browse and add file</source>
        <translation>Klik op de knop &apos;Bestanden toevoegen&apos; om bestanden te zoeken en toe te voegen</translation>
    </message>
    <message>
        <source>Use Backup Data to safeguard your data against loss</source>
        <translation>Gebruik Back-up van gegevens om uw gegevens tegen verlies te beschermen</translation>
    </message>
    <message>
        <source>Ctrl-C / Ctrl-V</source>
        <translation>Ctrl-C / Ctrl-V</translation>
    </message>
    <message>
        <source>Do not show again</source>
        <translation>Niet meer weergeven</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
</context>
</TS>
