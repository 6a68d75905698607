<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Software License Agreement</source>
        <translation>Contratto di licenza software</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>the vault folder %1 does not exist.</source>
        <translation>la cartella della cassaforte %1 non esiste.</translation>
    </message>
    <message>
        <source>the backup location lies inside the vault folder.</source>
        <translation>la posizione dei backup si trova nella cartella della cassaforte.</translation>
    </message>
    <message>
        <source>no random bytes could be had for the backup&apos;s key check.</source>
        <translation>impossibile ottenere byte casuali per il controllo della chiave del backup.</translation>
    </message>
    <message>
        <source>the vault key could not be protected for the backup&apos;s key check.</source>
        <translation>impossibile proteggere la chiave della cassaforte per il controllo della chiave del backup.</translation>
    </message>
    <message>
        <source>the earlier key check %1 could not be removed.</source>
        <translation>impossibile rimuovere il controllo della chiave precedente %1.</translation>
    </message>
    <message>
        <source>the key check %1 could not be written: %2</source>
        <translation>impossibile scrivere il controllo della chiave %1: %2</translation>
    </message>
    <message>
        <source>the copied files could not be written to the disk: %1</source>
        <translation>impossibile scrivere sul disco i file copiati: %1</translation>
    </message>
    <message>
        <source>the backup folder %1 does not exist.</source>
        <translation>la cartella di backup %1 non esiste.</translation>
    </message>
    <message>
        <source>the folder %1 does not exist.</source>
        <translation>la cartella %1 non esiste.</translation>
    </message>
    <message>
        <source>the folder %1 could not be read.</source>
        <translation>impossibile leggere la cartella %1.</translation>
    </message>
    <message>
        <source>the folder %1 could not be made.</source>
        <translation>impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be written: it is a symbolic link.</source>
        <translation>Impossibile scrivere %1: è un collegamento simbolico.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be read to its end.</source>
        <translation>Impossibile leggere %1 fino alla fine.</translation>
    </message>
    <message>
        <source>%1 could not be written whole.</source>
        <translation>Impossibile scrivere %1 per intero.</translation>
    </message>
</context>
<context>
    <name>ChangePasswordDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>Enter your new password:</source>
        <translation>Immettere la nuova password:</translation>
    </message>
    <message>
        <source>Enter your current password:</source>
        <translation>Immettere la password attuale:</translation>
    </message>
    <message>
        <source>Confirm your new password:</source>
        <translation>Confermare la nuova password:</translation>
    </message>
    <message>
        <source>Password Strength:</source>
        <translation>Sicurezza della password:</translation>
    </message>
    <message>
        <source>Virtual keyboard</source>
        <translation>Tastiera virtuale</translation>
    </message>
    <message>
        <source>Use more than 6 characters</source>
        <translation>Usare più di 6 caratteri</translation>
    </message>
    <message>
        <source>Use numeric and alpha numeric characters</source>
        <translation>Usare cifre e lettere</translation>
    </message>
    <message>
        <source>Use upper- and lower case characters</source>
        <translation>Usare lettere maiuscole e minuscole</translation>
    </message>
    <message>
        <source>Use special characters (#, $, !, %, &amp;&amp;, ^, *)</source>
        <translation>Usare caratteri speciali (#, $, !, %, &amp;&amp;, ^, *)</translation>
    </message>
    <message>
        <source>Password Hint: (optional)</source>
        <translation>Suggerimento password: (facoltativo)</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:13pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;You can type a password hint here, to help you remember your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;Try to pick a word or phrase that is clear enough to remind you, but vague&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;enough that nobody can guess your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(For example, the password &amp;quot;R0sebud#1941&amp;quot; with the hint &amp;quot;sled&amp;quot;.)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:13pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;Qui è possibile digitare un suggerimento per ricordare la password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;Scegliere una parola o una frase abbastanza chiara da ricordarla, ma abbastanza vaga&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;che nessuno possa indovinare la password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(Per esempio, la password &amp;quot;R0sebud#1941&amp;quot; con il suggerimento &amp;quot;slitta&amp;quot;.)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Password Recommendations:</source>
        <translation>Consigli per la password:</translation>
    </message>
</context>
<context>
    <name>ConfirmFileDeleteDialog</name>
    <message>
        <source>Are you sure you want to delete the file?</source>
        <translation>Eliminare davvero il file?</translation>
    </message>
    <message>
        <source>Don’t ask this question again.</source>
        <translation>Non porre più questa domanda.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
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
        <translation>Timeout della connessione al server remoto</translation>
    </message>
    <message>
        <source>The answer of the server is larger than %1 KiB</source>
        <translation>La risposta del server supera %1 KiB</translation>
    </message>
</context>
<context>
    <name>KVVaveCreatePasswordDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>Create your password:</source>
        <translation>Creare la password:</translation>
    </message>
    <message>
        <source>Confirm your password:</source>
        <translation>Confermare la password:</translation>
    </message>
    <message>
        <source>Password Strength:</source>
        <translation>Sicurezza della password:</translation>
    </message>
    <message>
        <source>Virtual keyboard</source>
        <translation>Tastiera virtuale</translation>
    </message>
    <message>
        <source>Use more than 6 characters</source>
        <translation>Usare più di 6 caratteri</translation>
    </message>
    <message>
        <source>Use numeric and alpha numeric characters</source>
        <translation>Usare cifre e lettere</translation>
    </message>
    <message>
        <source>Use upper- and lower case characters</source>
        <translation>Usare lettere maiuscole e minuscole</translation>
    </message>
    <message>
        <source>Use special characters (#, $, !, %, &amp;&amp;, ^, *)</source>
        <translation>Usare caratteri speciali (#, $, !, %, &amp;&amp;, ^, *)</translation>
    </message>
    <message>
        <source>Create Password</source>
        <translation>Crea password</translation>
    </message>
    <message>
        <source>Password Hint: (optional)</source>
        <translation>Suggerimento password: (facoltativo)</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:10pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;You can type a password hint here, to help you remember your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;Try to pick a word or phrase that is clear enough to remind you, but vague&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;enough that nobody can guess your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(For example, the password &amp;quot;R0sebud#1941&amp;quot; with the hint &amp;quot;sled&amp;quot;.)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:10pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;Qui è possibile digitare un suggerimento per ricordare la password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;Scegliere una parola o una frase abbastanza chiara da ricordarla, ma abbastanza vaga&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;che nessuno possa indovinare la password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(Per esempio, la password &amp;quot;R0sebud#1941&amp;quot; con il suggerimento &amp;quot;slitta&amp;quot;.)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Password Recommendations:</source>
        <translation>Consigli per la password:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation> - Seleziona i file da cifrare</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Cifra</translation>
    </message>
    <message>
        <source>Cannot add files here.</source>
        <translation>Impossibile aggiungere file qui.</translation>
    </message>
    <message>
        <source>These items could not be found and were not added:
%1</source>
        <translation>Questi elementi non sono stati trovati e non sono stati aggiunti:
%1</translation>
    </message>
    <message>
        <source>Would you like to completely remove the original file(s) from your computer?</source>
        <translation>Rimuovere completamente i file originali dal computer?</translation>
    </message>
    <message>
        <source>You are about to securely wipe the original file(s) from your computer. You will not be able to recover these file(s) once they have been removed. Do you wish to continue?</source>
        <translation>Si stanno per cancellare in modo sicuro i file originali dal computer. Una volta rimossi non sarà possibile recuperarli. Continuare?</translation>
    </message>
    <message>
        <source>The vault %1 could not be saved, so the files just added are not kept in it. The original files have not been removed.</source>
        <translation>Impossibile salvare la cassaforte %1, quindi i file appena aggiunti non vi sono conservati. I file originali non sono stati rimossi.</translation>
    </message>
    <message>
        <source>The files added to the vault %1 could not be written safely to its disk. The original files have not been removed.</source>
        <translation>Impossibile scrivere in modo sicuro sul disco i file aggiunti alla cassaforte %1. I file originali non sono stati rimossi.</translation>
    </message>
    <message>
        <source>can not remove</source>
        <translation>impossibile rimuovere</translation>
    </message>
    <message>
        <source>This file is read-only or locked by another application.

Press &apos;Try Again&apos; to try to remove it, &apos;Ignore&apos; to continue or &apos;Cancel&apos; to stop removing files.</source>
        <translation>Questo file è di sola lettura o bloccato da un&apos;altra applicazione.

Premere &apos;Riprova&apos; per tentare di rimuoverlo, &apos;Ignora&apos; per continuare o &apos;Annulla&apos; per interrompere la rimozione dei file.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignora</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source> is neither a directory nor a file. %1 encrypts a directory or a file only. Please try again.</source>
        <translation> non è né una cartella né un file. %1 cifra solo cartelle o file. Riprovare.</translation>
    </message>
    <message>
        <source>The folder %1 was not added: a file of the same name is already there.</source>
        <translation>La cartella %1 non è stata aggiunta: esiste già un file con lo stesso nome.</translation>
    </message>
    <message>
        <source>The folder %1 could not be added: %2</source>
        <translation>Impossibile aggiungere la cartella %1: %2</translation>
    </message>
    <message>
        <source>%1 was not added: it is not a file that can be read.</source>
        <translation>%1 non è stato aggiunto: non è un file leggibile.</translation>
    </message>
    <message>
        <source>The application can not add more files because the vault&apos;s disk is full.</source>
        <translation>L&apos;applicazione non può aggiungere altri file perché il disco della cassaforte è pieno.</translation>
    </message>
    <message>
        <source>It is not possible to encrypt the selected file. This may be due to a restriction of the USB flash drive file system or the drive is full.</source>
        <translation>Impossibile cifrare il file selezionato. Ciò può dipendere da una limitazione del file system dell&apos;unità flash USB o dall&apos;unità piena.</translation>
    </message>
    <message>
        <source>The file %1 was not added: a folder of the same name is already there.</source>
        <translation>Il file %1 non è stato aggiunto: esiste già una cartella con lo stesso nome.</translation>
    </message>
    <message>
        <source>%1 already contains a file name &apos;</source>
        <translation>%1 contiene già un file di nome &apos;</translation>
    </message>
    <message>
        <source>&apos;. Would you like to replace the existing file?</source>
        <translation>&apos;. Sostituire il file esistente?</translation>
    </message>
    <message>
        <source>The copy operation was cancelled by the user</source>
        <translation>L&apos;operazione di copia è stata annullata dall&apos;utente</translation>
    </message>
    <message>
        <source>%1 could not be added: %2</source>
        <translation>Impossibile aggiungere %1: %2</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>errore sconosciuto</translation>
    </message>
    <message>
        <source>%1 could not be encrypted into the vault: %2</source>
        <translation>Impossibile cifrare %1 nella cassaforte: %2</translation>
    </message>
    <message>
        <source>The selected items lie in more than one vault. Please select the one vault to back up.</source>
        <translation>Gli elementi selezionati si trovano in più casseforti. Selezionare l&apos;unica cassaforte di cui eseguire il backup.</translation>
    </message>
    <message>
        <source>Please select the vault to back up.</source>
        <translation>Selezionare la cassaforte di cui eseguire il backup.</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Backup in corso...</translation>
    </message>
    <message>
        <source>You don&apos;t have any backup file in backup location</source>
        <translation>Nessun file di backup nella posizione dei backup</translation>
    </message>
    <message>
        <source>The list of vaults could not be saved to %1.</source>
        <translation>Impossibile salvare l&apos;elenco delle casseforti in %1.</translation>
    </message>
    <message>
        <source>%1 cannot continue because the USB drive used has been removed. Click OK to exit %1</source>
        <translation>%1 non può continuare perché l&apos;unità USB in uso è stata rimossa. Fare clic su OK per uscire da %1</translation>
    </message>
    <message>
        <source>Please choose a folder to extract the file(s) to:</source>
        <translation>Scegliere una cartella in cui estrarre i file:</translation>
    </message>
    <message>
        <source>Selected files are extracted to: [%1]</source>
        <translation>I file selezionati sono stati estratti in: [%1]</translation>
    </message>
    <message>
        <source>The filename %1 contains characters that are not allowed on all platforms and cannot be copied.</source>
        <translation>Il nome file %1 contiene caratteri non consentiti su tutte le piattaforme e non può essere copiato.</translation>
    </message>
    <message>
        <source>The folder already contains a file name &apos;%1&apos;. Would you like to replace the existing file?</source>
        <translation>La cartella contiene già un file di nome &apos;%1&apos;. Sostituire il file esistente?</translation>
    </message>
    <message>
        <source>The file %1 could not be written.
Error: %2</source>
        <translation>Impossibile scrivere il file %1.
Errore: %2</translation>
    </message>
    <message>
        <source>The %1 can not create a directory on your path.</source>
        <translation>%1 non può creare una cartella nel percorso.</translation>
    </message>
    <message>
        <source>This file is already open or being used. The error is: %1</source>
        <translation>Questo file è già aperto o in uso. Errore: %1</translation>
    </message>
    <message>
        <source>There is no default application specified to open the document [%1]</source>
        <translation>Non è specificata alcuna applicazione predefinita per aprire il documento [%1]</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>Impossibile avviare %1.</translation>
    </message>
    <message>
        <source>This vault could not be loaded, it may be located on another computer or the original vault file has been manually removed.</source>
        <translation>Impossibile caricare questa cassaforte: potrebbe trovarsi su un altro computer oppure il file originale della cassaforte è stato rimosso manualmente.</translation>
    </message>
    <message>
        <source>This vault could not be loaded, it may be located on another computer or the original vault file has been manually removed. The error is: %1</source>
        <translation>Impossibile caricare questa cassaforte: potrebbe trovarsi su un altro computer oppure il file originale della cassaforte è stato rimosso manualmente. Errore: %1</translation>
    </message>
    <message>
        <source>Please make sure that your flash drive is formatted and that it is not write-protected.</source>
        <translation>Verificare che l&apos;unità flash sia formattata e non protetta da scrittura.</translation>
    </message>
    <message>
        <source>Unable to write vault structure. This program cannot continue.</source>
        <translation>Impossibile scrivere la struttura della cassaforte. Il programma non può continuare.</translation>
    </message>
    <message>
        <source>A vault already exists on the flash drive. Do you want to use that vault?</source>
        <translation>Sull&apos;unità flash esiste già una cassaforte. Usare quella cassaforte?</translation>
    </message>
    <message>
        <source>Please enter a new password to decrypt the key:</source>
        <translation>Immettere una nuova password per decifrare la chiave:</translation>
    </message>
    <message>
        <source>Enter your password to unlock the vault:</source>
        <translation>Immettere la password per sbloccare la cassaforte:</translation>
    </message>
    <message>
        <source>That is not the correct password for this vault. Do you want to try again?</source>
        <translation>Questa non è la password corretta per questa cassaforte. Riprovare?</translation>
    </message>
    <message>
        <source>%1 cannot continue as there is already a vault on the flash drive. Please remove it and try again.</source>
        <translation>%1 non può continuare perché sull&apos;unità flash esiste già una cassaforte. Rimuoverla e riprovare.</translation>
    </message>
    <message>
        <source>The file %1 is damaged and could not be read. This is not caused by your password.</source>
        <translation>Il file %1 è danneggiato e non è stato possibile leggerlo. La causa non è la password.</translation>
    </message>
    <message>
        <source>Your password is not correct. Please try again.</source>
        <translation>La password non è corretta. Riprovare.</translation>
    </message>
    <message>
        <source>You have exceeded the maximum (10) login attempts. You must wait 1 minute before trying to login again.</source>
        <translation>È stato superato il numero massimo (10) di tentativi di accesso. Attendere 1 minuto prima di riprovare.</translation>
    </message>
    <message>
        <source> - Virtual Keyboard</source>
        <translation> - Tastiera virtuale</translation>
    </message>
    <message>
        <source>The vault on your Flash Drive is missing, do you want to create a new one?</source>
        <translation>La cassaforte sull&apos;unità flash non è presente. Crearne una nuova?</translation>
    </message>
    <message>
        <source>These opened files hold changes that could not be put into their vault (its folder was not found or could not be written), so they were kept unencrypted on the disk:
%1

Their changes are put into the vault as soon as it can be reached again.</source>
        <translation>Questi file aperti contengono modifiche che non è stato possibile inserire nella loro cassaforte (cartella non trovata o non scrivibile), quindi sono stati lasciati non cifrati sul disco:
%1

Le modifiche verranno inserite nella cassaforte non appena sarà di nuovo raggiungibile.</translation>
    </message>
    <message>
        <source>These files hold changes that are not in their vault yet:
%1

If you quit now, the changes stay only in these unencrypted copies. Quit anyway?</source>
        <translation>Questi file contengono modifiche non ancora presenti nella loro cassaforte:
%1

Uscendo ora, le modifiche restano solo in queste copie non cifrate. Uscire comunque?</translation>
    </message>
    <message>
        <source>Your %1 password has reached it&apos;s timeout date. It is recommended that you change your password often to ensure the highest level of security. Would you like to change it now?</source>
        <translation>La password di %1 ha raggiunto la data di scadenza. Si consiglia di cambiare spesso la password per garantire il massimo livello di sicurezza. Cambiarla ora?</translation>
    </message>
    <message>
        <source>, Vault Protection: %1</source>
        <translation>, Protezione cassaforte: %1</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source> (%1% used)</source>
        <translation> (%1% in uso)</translation>
    </message>
    <message>
        <source> (%1 items)</source>
        <translation> (%1 elementi)</translation>
    </message>
    <message>
        <source>No drive to work on was found: %1</source>
        <translation>Nessuna unità su cui lavorare trovata: %1</translation>
    </message>
    <message>
        <source>Please choose a folder to synchronise this folder with:</source>
        <translation>Scegliere una cartella con cui sincronizzare questa cartella:</translation>
    </message>
    <message>
        <source>Checking for updates... please wait</source>
        <translation>Verifica degli aggiornamenti in corso... attendere</translation>
    </message>
    <message>
        <source> - New Version Available</source>
        <translation> - Nuova versione disponibile</translation>
    </message>
    <message>
        <source>Updates are not available: this copy of %1 has no update server to ask.</source>
        <translation>Aggiornamenti non disponibili: questa copia di %1 non ha un server di aggiornamento da interrogare.</translation>
    </message>
    <message>
        <source> - Update Configuration</source>
        <translation> - Configurazione aggiornamenti</translation>
    </message>
    <message>
        <source>Downloading the update...              </source>
        <translation>Download dell&apos;aggiornamento...              </translation>
    </message>
    <message>
        <source>Unable to save the file %1: %2.</source>
        <translation>Impossibile salvare il file %1: %2.</translation>
    </message>
    <message>
        <source>The update could not be installed.</source>
        <translation>Impossibile installare l&apos;aggiornamento.</translation>
    </message>
    <message>
        <source>Download failed: %1.</source>
        <translation>Download non riuscito: %1.</translation>
    </message>
    <message>
        <source>The application will now restart.</source>
        <translation>L&apos;applicazione verrà ora riavviata.</translation>
    </message>
    <message>
        <source>Please select a location for the new vault:</source>
        <translation>Selezionare una posizione per la nuova cassaforte:</translation>
    </message>
    <message>
        <source>The selected folder already contains a vault. Use Add Existing Vault to connect it.</source>
        <translation>La cartella selezionata contiene già una cassaforte. Usare &apos;Aggiungi cassaforte esistente&apos; per collegarla.</translation>
    </message>
    <message>
        <source>The filename %1 contains characters that are not allowed on all platforms.</source>
        <translation>Il nome file %1 contiene caratteri non consentiti su tutte le piattaforme.</translation>
    </message>
    <message>
        <source>A Vault with the name you specified already exists. Specify a different vault name and try again.</source>
        <translation>Esiste già una cassaforte con il nome specificato. Specificare un altro nome e riprovare.</translation>
    </message>
    <message>
        <source>Do you really want to remove the selected vault?</source>
        <translation>Rimuovere davvero la cassaforte selezionata?</translation>
    </message>
    <message>
        <source>The selected item is not a vault.</source>
        <translation>L&apos;elemento selezionato non è una cassaforte.</translation>
    </message>
    <message>
        <source>Please choose the folder of your existing vault(s):</source>
        <translation>Scegliere la cartella delle casseforti esistenti:</translation>
    </message>
    <message>
        <source>The selected folder does not contain a vault.</source>
        <translation>La cartella selezionata non contiene una cassaforte.</translation>
    </message>
    <message>
        <source>A vault with the same name already exists.
Please enter a new name</source>
        <translation>Esiste già una cassaforte con lo stesso nome.
Immettere un nuovo nome</translation>
    </message>
    <message>
        <source>Please try again and enter a password</source>
        <translation>Riprovare immettendo una password</translation>
    </message>
    <message>
        <source>The password is not correct for this vault.</source>
        <translation>La password non è corretta per questa cassaforte.</translation>
    </message>
    <message>
        <source>Unable to add this Vault. A Vault with the same name already exists. The error is: %1</source>
        <translation>Impossibile aggiungere questa cassaforte. Esiste già una cassaforte con lo stesso nome. Errore: %1</translation>
    </message>
    <message>
        <source>You have choosen to delete the vault titled [%1]. All files within this vault will also be deleted. Do you wish to continue?</source>
        <translation>È stato scelto di eliminare la cassaforte [%1]. Verranno eliminati anche tutti i file in essa contenuti. Continuare?</translation>
    </message>
    <message>
        <source>Do you really want to delete the selected item(s)?</source>
        <translation>Eliminare davvero gli elementi selezionati?</translation>
    </message>
    <message>
        <source>Please enter a name for your new folder:                    </source>
        <translation>Immettere un nome per la nuova cartella:                    </translation>
    </message>
    <message>
        <source>Failed to create the &apos;%1&apos; directory</source>
        <translation>Impossibile creare la cartella &apos;%1&apos;</translation>
    </message>
    <message>
        <source>You cannot create a folder here.</source>
        <translation>Non è possibile creare una cartella qui.</translation>
    </message>
    <message>
        <source>A folder with the name you specified already exists. Specify a different folder name and try again.</source>
        <translation>Esiste già una cartella con il nome specificato. Specificare un altro nome di cartella e riprovare.</translation>
    </message>
    <message>
        <source>Do you really want to remove the selected folder?</source>
        <translation>Rimuovere davvero la cartella selezionata?</translation>
    </message>
    <message>
        <source>The selected item is not a folder.</source>
        <translation>L&apos;elemento selezionato non è una cartella.</translation>
    </message>
    <message>
        <source>Please enter a new name:                                        </source>
        <translation>Immettere un nuovo nome:                                        </translation>
    </message>
    <message>
        <source>The file name extension is going to be changed. Do you really want to rename it?</source>
        <translation>L&apos;estensione del nome file verrà modificata. Rinominarlo davvero?</translation>
    </message>
    <message>
        <source>An item with the name you specified already exists. Please try again.</source>
        <translation>Esiste già un elemento con il nome specificato. Riprovare.</translation>
    </message>
    <message>
        <source> - Vault Property</source>
        <translation> - Proprietà della cassaforte</translation>
    </message>
    <message>
        <source>Load Vault</source>
        <translation>Carica cassaforte</translation>
    </message>
    <message>
        <source>The vault&apos;s location is accessible but the vault could not be loaded. Do you want to try to repair the vault?</source>
        <translation>La posizione della cassaforte è accessibile, ma non è stato possibile caricare la cassaforte. Provare a ripararla?</translation>
    </message>
    <message>
        <source>The index of the vault %1 could not be saved.</source>
        <translation>Impossibile salvare l&apos;indice della cassaforte %1.</translation>
    </message>
    <message>
        <source>%1 - Confirm file delete</source>
        <translation>%1 - Conferma eliminazione file</translation>
    </message>
    <message>
        <source>Backup failed: %1</source>
        <translation>Backup non riuscito: %1</translation>
    </message>
    <message>
        <source>A synchronisation is running; please try again when it has finished.</source>
        <translation>È in corso una sincronizzazione; riprovare al termine.</translation>
    </message>
    <message>
        <source>There is nothing to backup as your vault does not contain any data.</source>
        <translation>Non c&apos;è nulla di cui eseguire il backup perché la cassaforte non contiene dati.</translation>
    </message>
    <message>
        <source>Vault %1 does not exist.</source>
        <translation>La cassaforte %1 non esiste.</translation>
    </message>
    <message>
        <source>the new backup could not be read back.</source>
        <translation>impossibile rileggere il nuovo backup.</translation>
    </message>
    <message>
        <source>Backup completed successfully.</source>
        <translation>Backup completato correttamente.</translation>
    </message>
    <message>
        <source>There is already a file with the same name in this location. Do you want to replace it?</source>
        <translation>In questa posizione esiste già un file con lo stesso nome. Sostituirlo?</translation>
    </message>
    <message>
        <source>%1 item(s) could not be moved:
%2</source>
        <translation>Impossibile spostare %1 elemento/i:
%2</translation>
    </message>
    <message>
        <source>%1 item(s) could not be copied:
%2</source>
        <translation>Impossibile copiare %1 elemento/i:
%2</translation>
    </message>
    <message>
        <source>Moving Item...</source>
        <translation>Spostamento elemento...</translation>
    </message>
    <message>
        <source>Can not move</source>
        <translation>Impossibile spostare</translation>
    </message>
    <message>
        <source>The extracted files could not be written safely to %1. Check the disk and extract them again.</source>
        <translation>Impossibile scrivere in modo sicuro i file estratti in %1. Controllare il disco ed estrarli di nuovo.</translation>
    </message>
    <message>
        <source>The application can not rename a file</source>
        <translation>L&apos;applicazione non può rinominare un file</translation>
    </message>
    <message>
        <source>Are you sure you want to permanently delete this folder?</source>
        <translation>Eliminare definitivamente questa cartella?</translation>
    </message>
    <message>
        <source>Are you sure you want to permanently delete this file?</source>
        <translation>Eliminare definitivamente questo file?</translation>
    </message>
    <message>
        <source>Are you sure you want to permanently delete these %1 items?</source>
        <translation>Eliminare definitivamente questi %1 elementi?</translation>
    </message>
    <message>
        <source> - Options</source>
        <translation> - Opzioni</translation>
    </message>
    <message>
        <source>The options could not be saved to %1. They hold until the program ends.</source>
        <translation>Impossibile salvare le opzioni in %1. Restano valide fino alla chiusura del programma.</translation>
    </message>
    <message>
        <source>Password Hint</source>
        <translation>Suggerimento password</translation>
    </message>
    <message>
        <source> - Change Password</source>
        <translation> - Cambia password</translation>
    </message>
    <message>
        <source>The current password entered is invalid. Please try again.</source>
        <translation>La password attuale inserita non è valida. Riprovare.</translation>
    </message>
    <message>
        <source>The list of vaults %1 could not be read. Your password has not been changed.</source>
        <translation>Impossibile leggere l&apos;elenco delle casseforti %1. La password non è stata modificata.</translation>
    </message>
    <message>
        <source>The list of vaults could not be saved to %1. Your password has not been changed; the current password still opens your vaults.</source>
        <translation>Impossibile salvare l&apos;elenco delle casseforti in %1. La password non è stata modificata; la password attuale apre ancora le casseforti.</translation>
    </message>
    <message>
        <source>Your password has been changed, but the key files of these vaults could not be written and still hold their keys under the old password:
%1

The vaults open as before; only adding such a folder again as an existing vault needs the old password.</source>
        <translation>La password è stata modificata, ma non è stato possibile scrivere i file della chiave di queste casseforti, che conservano ancora le chiavi protette dalla vecchia password:
%1

Le casseforti si aprono come prima; la vecchia password serve solo per aggiungere di nuovo una di queste cartelle come cassaforte esistente.</translation>
    </message>
    <message>
        <source>Unable to write vault structure. The vault was not created.</source>
        <translation>Impossibile scrivere la struttura della cassaforte. La cassaforte non è stata creata.</translation>
    </message>
    <message>
        <source>Unable to write vault structure. The vault was not added.</source>
        <translation>Impossibile scrivere la struttura della cassaforte. La cassaforte non è stata aggiunta.</translation>
    </message>
    <message>
        <source>An earlier list of vaults was found on the drive. It was kept as %1.</source>
        <translation>Sull&apos;unità è stato trovato un elenco precedente di casseforti. È stato conservato come %1.</translation>
    </message>
    <message>
        <source>The key of the vault %1 in %2 is damaged. The vault&apos;s own key file still opens it: disconnect the vault and add it again with Add Existing Vault.</source>
        <translation>La chiave della cassaforte %1 in %2 è danneggiata. Il file di chiave della cassaforte la apre ancora: disconnetti la cassaforte e aggiungila di nuovo con «Aggiungi cassaforte esistente».</translation>
    </message>
    <message>
        <source>Your password has been changed, but the key files of these vaults are damaged and were left as they are:
%1

The vaults open as before, but such a folder can&apos;t be added again as an existing vault.</source>
        <translation>La password è stata cambiata, ma i file di chiave di queste casseforti sono danneggiati e sono stati lasciati come erano:
%1

Le casseforti si aprono come prima, ma una tale cartella non può essere aggiunta di nuovo come cassaforte esistente.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged. It was kept as %2, and the default settings are used.</source>
        <translation>Il file delle impostazioni %1 è danneggiato. È stato conservato come %2 e vengono usate le impostazioni predefinite.</translation>
    </message>
</context>
<context>
    <name>MainWindowClass</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source> No </source>
        <translation> No </translation>
    </message>
    <message>
        <source> Yes </source>
        <translation> Sì </translation>
    </message>
    <message>
        <source>Encrypting...</source>
        <translation>Cifratura...</translation>
    </message>
    <message>
        <source>Yes to All</source>
        <translation>Sì a tutti</translation>
    </message>
    <message>
        <source>Decrypting...</source>
        <translation>Decifratura...</translation>
    </message>
    <message>
        <source>Decrypting Item...</source>
        <translation>Decifratura elemento...</translation>
    </message>
    <message>
        <source>Flash Drive</source>
        <translation>Unità flash</translation>
    </message>
    <message>
        <source> - Create Password</source>
        <translation> - Crea password</translation>
    </message>
    <message>
        <source> - About</source>
        <translation> - Informazioni</translation>
    </message>
    <message>
        <source>This vault could not be loaded, it may be located on another computer or the original vault file has been manually removed. The error is: %1</source>
        <translation>Impossibile caricare questa cassaforte: potrebbe trovarsi su un altro computer oppure il file originale della cassaforte è stato rimosso manualmente. Errore: %1</translation>
    </message>
    <message>
        <source>[Select Language]</source>
        <translation>[Seleziona lingua]</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Accedi</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>Password dimenticata?</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Tastiera virtuale</translation>
    </message>
    <message>
        <source>Enter Your Password</source>
        <translation>Immettere la password</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Cerca...</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Risorse del computer</translation>
    </message>
    <message>
        <source>My Vault</source>
        <translation>La mia cassaforte</translation>
    </message>
    <message>
        <source>Add File(s)</source>
        <translation>Aggiungi file</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>New Vault</source>
        <translation>Nuova cassaforte</translation>
    </message>
    <message>
        <source>Disconnect Vault</source>
        <translation>Disconnetti cassaforte</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>Sincronizza</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Elenco</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Icone</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Cartelle</translation>
    </message>
    <message>
        <source>Get Online Support</source>
        <translation>Assistenza online</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nuova cartella</translation>
    </message>
    <message>
        <source>Remove Folder</source>
        <translation>Rimuovi cartella</translation>
    </message>
    <message>
        <source>Save File(s) to...</source>
        <translation>Salva file in...</translation>
    </message>
    <message>
        <source>Add Existing Vault</source>
        <translation>Aggiungi cassaforte esistente</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Cambia password</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>Verifica aggiornamenti</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Blocca</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Move to Folder...</source>
        <translation>Sposta nella cartella...</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Go Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Go Home</source>
        <translation>Pagina iniziale</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Scrivania</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documenti</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer locale</translation>
    </message>
    <message>
        <source>Backup Vault Data</source>
        <translation>Backup dati cassaforte</translation>
    </message>
    <message>
        <source>Restore Vault Data</source>
        <translation>Ripristina dati cassaforte</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Opzioni...</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Proprietà</translation>
    </message>
    <message>
        <source>Add Sync Peer</source>
        <translation>Aggiungi partner di sincronizzazione</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>Mostra nel file manager</translation>
    </message>
    <message>
        <source>Backup Vault</source>
        <translation>Backup cassaforte</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Strumenti</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Visualizza</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Main ToolBar</source>
        <translation>Barra degli strumenti principale</translation>
    </message>
    <message>
        <source>Could not create random bytes.</source>
        <translation>Impossibile generare byte casuali.</translation>
    </message>
    <message>
        <source>The password cannot contain these characters: %1
Please use only letters, digits and signs of Western European languages.</source>
        <translation>La password non può contenere questi caratteri: %1
Usare solo lettere, cifre e segni delle lingue dell&apos;Europa occidentale.</translation>
    </message>
    <message>
        <source> - Virtual Keyboard</source>
        <translation> - Tastiera virtuale</translation>
    </message>
    <message>
        <source>Weak</source>
        <translation>Debole</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Discreta</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Buona</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Eccellente</translation>
    </message>
    <message>
        <source>Passwords do not match</source>
        <translation>Le password non coincidono</translation>
    </message>
    <message>
        <source>Invalid current item name.</source>
        <translation>Nome dell&apos;elemento corrente non valido.</translation>
    </message>
    <message>
        <source>Damaged item record in archive.</source>
        <translation>Record di elemento danneggiato nell&apos;archivio.</translation>
    </message>
    <message>
        <source>Invalid item name in archive.</source>
        <translation>Nome di elemento non valido nell&apos;archivio.</translation>
    </message>
    <message>
        <source>Duplicate item name.</source>
        <translation>Nome di elemento duplicato.</translation>
    </message>
    <message>
        <source>Invalid item name.</source>
        <translation>Nome di elemento non valido.</translation>
    </message>
    <message>
        <source>Damaged vault header in archive.</source>
        <translation>Intestazione della cassaforte danneggiata nell&apos;archivio.</translation>
    </message>
    <message>
        <source>Invalid parent path in archive.</source>
        <translation>Percorso padre non valido nell&apos;archivio.</translation>
    </message>
    <message>
        <source>Invalid class name in archive.</source>
        <translation>Nome di classe non valido nell&apos;archivio.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Date Created</source>
        <translation>Data di creazione</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Copying  file...</source>
        <translation>Copia file...</translation>
    </message>
    <message>
        <source>Copying Item...</source>
        <translation>Copia elemento...</translation>
    </message>
    <message>
        <source>Can not move</source>
        <translation>Impossibile spostare</translation>
    </message>
    <message>
        <source>Processing Items...</source>
        <translation>Elaborazione elementi...</translation>
    </message>
    <message>
        <source>Moving Item...</source>
        <translation>Spostamento elemento...</translation>
    </message>
    <message>
        <source>There is already an item with the same name in this location. Do you want to replace it?</source>
        <translation>In questa posizione esiste già un elemento con lo stesso nome. Sostituirlo?</translation>
    </message>
    <message>
        <source>Failed to move</source>
        <translation>Spostamento non riuscito</translation>
    </message>
    <message>
        <source>Failed to copy</source>
        <translation>Copia non riuscita</translation>
    </message>
    <message>
        <source>The application can not add more files because the vault&apos;s disk is full.</source>
        <translation>L&apos;applicazione non può aggiungere altri file perché il disco della cassaforte è pieno.</translation>
    </message>
    <message>
        <source>Moving file...</source>
        <translation>Spostamento file...</translation>
    </message>
    <message>
        <source>Copy folder...</source>
        <translation>Copia cartella...</translation>
    </message>
    <message>
        <source>Add a vault here</source>
        <translation>Aggiungi qui una cassaforte</translation>
    </message>
    <message>
        <source>Add a file or create a folder here</source>
        <translation>Aggiungi qui un file o crea una cartella</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Timeouts</source>
        <translation>Timeout</translation>
    </message>
    <message>
        <source>Application timeout</source>
        <translation>Timeout dell&apos;applicazione</translation>
    </message>
    <message>
        <source>Timeout in minutes:</source>
        <translation>Timeout in minuti:</translation>
    </message>
    <message>
        <source>0 = Timeout Disabled</source>
        <translation>0 = Timeout disattivato</translation>
    </message>
    <message>
        <source>Password expiration</source>
        <translation>Scadenza della password</translation>
    </message>
    <message>
        <source>Expiration in days:</source>
        <translation>Scadenza in giorni:</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>File delete confirmation</source>
        <translation>Conferma eliminazione file</translation>
    </message>
    <message>
        <source>Restore to default</source>
        <translation>Ripristina predefiniti</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Cifratura</translation>
    </message>
    <message>
        <source>AES 256 bit</source>
        <translation>AES a 256 bit</translation>
    </message>
    <message>
        <source>AES 512 bit</source>
        <translation>AES a 512 bit</translation>
    </message>
    <message>
        <source>Preferred encryption method:</source>
        <translation>Metodo di cifratura preferito:</translation>
    </message>
    <message>
        <source>AES 128 bit</source>
        <translation>AES a 128 bit</translation>
    </message>
    <message>
        <source>AES 1024 bit</source>
        <translation>AES a 1024 bit</translation>
    </message>
    <message>
        <source>Locations</source>
        <translation>Posizioni</translation>
    </message>
    <message>
        <source>Backup options</source>
        <translation>Opzioni di backup</translation>
    </message>
    <message>
        <source>Backup location</source>
        <translation>Posizione dei backup</translation>
    </message>
    <message>
        <source>Application Data</source>
        <translation>Dati applicazioni</translation>
    </message>
    <message>
        <source>My Documents</source>
        <translation>Documenti personali</translation>
    </message>
    <message>
        <source>Mount options</source>
        <translation>Opzioni di montaggio</translation>
    </message>
    <message>
        <source>Mount location</source>
        <translation>Posizione di montaggio</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Percorso</translation>
    </message>
    <message>
        <source>Backup retention</source>
        <translation>Conservazione dei backup</translation>
    </message>
    <message>
        <source>Keep number of backups:</source>
        <translation>Numero di backup da conservare:</translation>
    </message>
    <message>
        <source>Enable automatic backup retention</source>
        <translation>Limita i backup conservati</translation>
    </message>
    <message>
        <source>You will need to restart the application for these changes to take effect</source>
        <translation>Riavviare l&apos;applicazione per rendere effettive queste modifiche</translation>
    </message>
</context>
<context>
    <name>PleaseWaitDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A backup is running. Please wait until it has finished before you quit the program or eject the flash drive.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;È in corso un backup. Attendere che sia terminato prima di chiudere il programma o espellere l&apos;unità flash.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>ProblemReport</name>
    <message>
        <source>A problem occured</source>
        <translation>Si è verificato un problema</translation>
    </message>
    <message>
        <source>Sending Report. . .</source>
        <translation>Invio del rapporto. . .</translation>
    </message>
    <message>
        <source>Send Report</source>
        <translation>Invia rapporto</translation>
    </message>
    <message>
        <source>Report was sent successful!</source>
        <translation>Rapporto inviato correttamente!</translation>
    </message>
    <message>
        <source>Error sending report!
%2 (%1)</source>
        <translation>Errore durante l&apos;invio del rapporto!
%2 (%1)</translation>
    </message>
</context>
<context>
    <name>RestoreWizard</name>
    <message>
        <source>Restore Wizard</source>
        <translation>Procedura guidata di ripristino</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Welcome to the restore wizard.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;This wizard will guide you through the process of restoring current data from a previous backup.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Benvenuti nella procedura guidata di ripristino.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;Questa procedura guidata accompagna nel ripristino dei dati attuali da un backup precedente.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Please choose the location to be restored from the backup file and click &apos;Next&apos; to proceed.</source>
        <translation>Scegliere la posizione da ripristinare dal file di backup e fare clic su &apos;Avanti&apos; per procedere.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Please select the backup to be restored and click &apos;Next&apos; to proceed.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Selezionare il backup da ripristinare e fare clic su &apos;Avanti&apos; per procedere.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Età</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The encryption key for the selected backup is not available. &lt;/p&gt;&lt;p&gt;A copy of the key is present in the backup, but is protected by a password.&lt;/p&gt;&lt;p&gt;Please enter the password that was in use when the backup was made and click &apos;Next&apos; to proceed.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;La chiave di cifratura del backup selezionato non è disponibile. &lt;/p&gt;&lt;p&gt;Nel backup è presente una copia della chiave, ma è protetta da una password.&lt;/p&gt;&lt;p&gt;Immettere la password in uso al momento del backup e fare clic su &apos;Avanti&apos; per procedere.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Password:&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Password:&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;You have entered an incorrect password. &lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;La password immessa non è corretta. &lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Please go back and try again.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Tornare indietro e riprovare.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;By clicking &apos;Restore&apos; you will replace all data in the selected vault with data from the backup.&lt;/p&gt;&lt;p&gt;Click &apos;Back&apos; if any changes are needed before proceeding.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Facendo clic su &apos;Ripristina&apos; tutti i dati della cassaforte selezionata saranno sostituiti con quelli del backup.&lt;/p&gt;&lt;p&gt;Fare clic su &apos;Indietro&apos; se occorrono modifiche prima di procedere.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>New, empty folder for the vault:</source>
        <translation>Cartella nuova e vuota per la cassaforte:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Restoring backup data.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ripristino dei dati di backup in corso.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;There are no other backup files available.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Non sono disponibili altri file di backup.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Data restored succesfully!&lt;br/&gt;&lt;/p&gt;&lt;p&gt;You can now close this Wizard and access the restored data.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Dati ripristinati correttamente!&lt;br/&gt;&lt;/p&gt;&lt;p&gt;Ora è possibile chiudere questa procedura guidata e accedere ai dati ripristinati.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The backup was not restored.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Il backup non è stato ripristinato.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Select the vault to restore</source>
        <translation>Selezionare la cassaforte da ripristinare</translation>
    </message>
    <message>
        <source>Other unlisted vault</source>
        <translation>Altra cassaforte non elencata</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Ieri</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Oggi</translation>
    </message>
    <message>
        <source>%1 Days ago</source>
        <translation>%1 giorni fa</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;By clicking &apos;Restore&apos; the backup becomes a new vault in the new, empty folder below. No existing vault is changed.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Facendo clic su &apos;Ripristina&apos; il backup diventa una nuova cassaforte nella cartella nuova e vuota qui sotto. Nessuna cassaforte esistente viene modificata.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Choose a new, empty folder for the vault</source>
        <translation>Scegliere una cartella nuova e vuota per la cassaforte</translation>
    </message>
    <message>
        <source>Please choose a new, empty folder for the restored vault.</source>
        <translation>Scegliere una cartella nuova e vuota per la cassaforte ripristinata.</translation>
    </message>
    <message>
        <source>%1 is not a folder. Please choose a new, empty folder for the restored vault.</source>
        <translation>%1 non è una cartella. Scegliere una cartella nuova e vuota per la cassaforte ripristinata.</translation>
    </message>
    <message>
        <source>The folder %1 is not empty. Please choose a new, empty folder for the restored vault.</source>
        <translation>La cartella %1 non è vuota. Scegliere una cartella nuova e vuota per la cassaforte ripristinata.</translation>
    </message>
    <message>
        <source>The folder %1 belongs to the vault %2. Please choose a new, empty folder for the restored vault.</source>
        <translation>La cartella %1 appartiene alla cassaforte %2. Scegliere una cartella nuova e vuota per la cassaforte ripristinata.</translation>
    </message>
    <message>
        <source>The folder %1 lies in the backup location. Please choose another folder.</source>
        <translation>La cartella %1 si trova nella posizione dei backup. Scegliere un&apos;altra cartella.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>Restored vault</source>
        <translation>Cassaforte ripristinata</translation>
    </message>
    <message>
        <source>The backup can be copied straight over the vault&apos;s files instead. If that fails part-way, the vault can&apos;t be put back as it was. Restore anyway?</source>
        <translation>Il backup può invece essere copiato direttamente sui file della cassaforte. Se ciò non riesce a metà, la cassaforte non potrà tornare com&apos;era. Ripristinare comunque?</translation>
    </message>
    <message>
        <source> Yes </source>
        <translation> Sì </translation>
    </message>
    <message>
        <source> No </source>
        <translation> No </translation>
    </message>
    <message>
        <source>A synchronisation is running; please try again when it has finished.</source>
        <translation>È in corso una sincronizzazione; riprovare al termine.</translation>
    </message>
    <message>
        <source>The folder of the vault %1 is not available.</source>
        <translation>La cartella della cassaforte %1 non è disponibile.</translation>
    </message>
    <message>
        <source>The backup holds no vault index.</source>
        <translation>Il backup non contiene alcun indice di cassaforte.</translation>
    </message>
    <message>
        <source>There is not enough free space beside the vault to restore it safely: %1 are needed, %2 are free.</source>
        <translation>Spazio libero insufficiente accanto alla cassaforte per ripristinarla in sicurezza: servono %1, liberi %2.</translation>
    </message>
    <message>
        <source>No room could be made beside the vault folder %1 to restore into.</source>
        <translation>Impossibile creare spazio accanto alla cartella della cassaforte %1 per il ripristino.</translation>
    </message>
    <message>
        <source>The backup could not be copied: %1 The vault was not changed.</source>
        <translation>Impossibile copiare il backup: %1 La cassaforte non è stata modificata.</translation>
    </message>
    <message>
        <source>The vault was not changed.</source>
        <translation>La cassaforte non è stata modificata.</translation>
    </message>
    <message>
        <source>The backup&apos;s files could not be put in place in the vault folder %1.</source>
        <translation>Impossibile collocare i file del backup nella cartella della cassaforte %1.</translation>
    </message>
    <message>
        <source>Some of the vault&apos;s own files could not be put back; they are kept in %1.</source>
        <translation>Alcuni file propri della cassaforte non sono stati rimessi al loro posto; sono conservati in %1.</translation>
    </message>
    <message>
        <source>The vault is as it was before.</source>
        <translation>La cassaforte è com&apos;era prima.</translation>
    </message>
    <message>
        <source>The vault&apos;s files are as they were before.</source>
        <translation>I file della cassaforte sono com&apos;erano prima.</translation>
    </message>
    <message>
        <source>The backup could not be copied: %1 The vault may be damaged; restore it again once there is more free space.</source>
        <translation>Impossibile copiare il backup: %1 La cassaforte potrebbe essere danneggiata; ripristinarla di nuovo quando ci sarà più spazio libero.</translation>
    </message>
    <message>
        <source>The vault may be damaged.</source>
        <translation>La cassaforte potrebbe essere danneggiata.</translation>
    </message>
    <message>
        <source>The backup&apos;s index can&apos;t be opened with the key that was found for it.</source>
        <translation>L&apos;indice del backup non può essere aperto con la chiave trovata.</translation>
    </message>
    <message>
        <source>The backup&apos;s index can&apos;t be read.</source>
        <translation>Impossibile leggere l&apos;indice del backup.</translation>
    </message>
    <message>
        <source>The backup&apos;s index is damaged: %1</source>
        <translation>L&apos;indice del backup è danneggiato: %1</translation>
    </message>
    <message>
        <source>The backup lacks the encrypted file of %1.</source>
        <translation>Nel backup manca il file cifrato di %1.</translation>
    </message>
    <message>
        <source>The restored vault could not be loaded: %1</source>
        <translation>Impossibile caricare la cassaforte ripristinata: %1</translation>
    </message>
    <message>
        <source>The restored vault could not be loaded.</source>
        <translation>Impossibile caricare la cassaforte ripristinata.</translation>
    </message>
    <message>
        <source>The encrypted file of %1 in the backup is not whole (%2).</source>
        <translation>Il file cifrato di %1 nel backup non è completo (%2).</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a symbolic link</source>
        <translation>Impossibile scrivere %1: è un collegamento simbolico</translation>
    </message>
</context>
<context>
    <name>TAVBrowseFolderDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>Select a target folder:</source>
        <translation>Selezionare una cartella di destinazione:</translation>
    </message>
    <message>
        <source>Please select a target folder.</source>
        <translation>Selezionare una cartella di destinazione.</translation>
    </message>
</context>
<context>
    <name>TAVCryptoThread</name>
    <message>
        <source>Cannot open file for read %1
Error: %2</source>
        <translation>Impossibile aprire il file in lettura %1
Errore: %2</translation>
    </message>
    <message>
        <source>Cannot open file for write %1
Error: %2</source>
        <translation>Impossibile aprire il file in scrittura %1
Errore: %2</translation>
    </message>
</context>
<context>
    <name>TAVFile</name>
    <message>
        <source>File %1 does not exist</source>
        <translation>Il file %1 non esiste</translation>
    </message>
</context>
<context>
    <name>TAVFileWatcher</name>
    <message>
        <source>%1 is a symbolic link: the decrypted copy is not written there.</source>
        <translation>%1 è un collegamento simbolico: la copia decifrata non viene scritta lì.</translation>
    </message>
    <message>
        <source>%1 is open with changes that are not in the vault yet.</source>
        <translation>%1 è aperto con modifiche non ancora nella cassaforte.</translation>
    </message>
    <message>
        <source>The folder %1 for the decrypted copy could not be made.</source>
        <translation>Impossibile creare la cartella %1 per la copia decifrata.</translation>
    </message>
    <message>
        <source>The changes of %1 could not be put into the vault: the vault is not open.</source>
        <translation>Impossibile inserire le modifiche di %1 nella cassaforte: la cassaforte non è aperta.</translation>
    </message>
    <message>
        <source>The changes of %1 could not be put into the vault: the vault&apos;s folder is not found.</source>
        <translation>Impossibile inserire le modifiche di %1 nella cassaforte: cartella della cassaforte non trovata.</translation>
    </message>
    <message>
        <source>The changes of %1 are in the vault, but the vault&apos;s index could not be saved.</source>
        <translation>Le modifiche di %1 sono nella cassaforte, ma non è stato possibile salvare l&apos;indice della cassaforte.</translation>
    </message>
</context>
<context>
    <name>TAVItem</name>
    <message>
        <source>Decryption failed.</source>
        <translation>Decifratura non riuscita.</translation>
    </message>
</context>
<context>
    <name>TAVProgressDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>Encrypting...</source>
        <translation>Cifratura...</translation>
    </message>
    <message>
        <source>Estimated Time to Complete: 0.00 minutes</source>
        <translation>Tempo stimato al completamento: 0,00 minuti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>Estimated Time to Complete:</source>
        <translation>Tempo stimato al completamento:</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuti</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondi</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>ore</translation>
    </message>
</context>
<context>
    <name>TAVProgressLogDialog</name>
    <message>
        <source>Synchronization</source>
        <translation>Sincronizzazione</translation>
    </message>
    <message>
        <source>Synchronization progress:</source>
        <translation>Avanzamento della sincronizzazione:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>No items is synced</source>
        <translation>Nessun elemento sincronizzato</translation>
    </message>
    <message>
        <source>Synchronization completed successfully.</source>
        <translation>Sincronizzazione completata correttamente.</translation>
    </message>
    <message>
        <source>Synchronization finished, but not every file could be synchronized. See the lines above.</source>
        <translation>Sincronizzazione terminata, ma non tutti i file sono stati sincronizzati. Vedere le righe sopra.</translation>
    </message>
</context>
<context>
    <name>TAVSync</name>
    <message>
        <source>Synchronization cancelled.</source>
        <translation>Sincronizzazione annullata.</translation>
    </message>
    <message>
        <source>Vault is not loaded</source>
        <translation>La cassaforte non è caricata</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>La cartella non esiste.</translation>
    </message>
    <message>
        <source>The disk folder %1 is empty, but held %2 items at the last synchronization: nothing was deleted or copied for this peer.</source>
        <translation>La cartella del disco %1 è vuota, ma conteneva %2 elementi all&apos;ultima sincronizzazione: per questo partner non è stato eliminato né copiato nulla.</translation>
    </message>
    <message>
        <source>The vault folder %1 is empty, but held %2 items at the last synchronization: nothing was deleted or copied for this peer.</source>
        <translation>La cartella della cassaforte %1 è vuota, ma conteneva %2 elementi all&apos;ultima sincronizzazione: per questo partner non è stato eliminato né copiato nulla.</translation>
    </message>
    <message>
        <source>The new files could not be written to the disk.</source>
        <translation>Impossibile scrivere i nuovi file sul disco.</translation>
    </message>
    <message>
        <source>The vault&apos;s index could not be saved.</source>
        <translation>Impossibile salvare l&apos;indice della cassaforte.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>The item is no longer in the vault.</source>
        <translation>L&apos;elemento non è più nella cassaforte.</translation>
    </message>
    <message>
        <source>A folder of that name is in the vault.</source>
        <translation>Nella cassaforte c&apos;è una cartella con quel nome.</translation>
    </message>
    <message>
        <source>Its folder is not in the vault.</source>
        <translation>La sua cartella non è nella cassaforte.</translation>
    </message>
    <message>
        <source>Kept %1: it holds items the last synchronization did not know.</source>
        <translation>%1 mantenuto: contiene elementi che l&apos;ultima sincronizzazione non conosceva.</translation>
    </message>
    <message>
        <source>Kept %1: it is reached through a symbolic link.</source>
        <translation>%1 mantenuto: è raggiunto tramite un collegamento simbolico.</translation>
    </message>
    <message>
        <source>Kept %1: it holds files the last synchronization did not know.</source>
        <translation>%1 mantenuto: contiene file che l&apos;ultima sincronizzazione non conosceva.</translation>
    </message>
    <message>
        <source>The list of synchronization peers of this vault can&apos;t be read. Nothing was changed.</source>
        <translation>Impossibile leggere l&apos;elenco dei partner di sincronizzazione di questa cassaforte. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>These folders are already synchronized.</source>
        <translation>Queste cartelle sono già sincronizzate.</translation>
    </message>
    <message>
        <source>The list of synchronization peers could not be written. The folder was not added.</source>
        <translation>Impossibile scrivere l&apos;elenco dei partner di sincronizzazione. La cartella non è stata aggiunta.</translation>
    </message>
    <message>
        <source>This folder can&apos;t be synchronized: it is the vault&apos;s own folder, lies inside it or holds it.</source>
        <translation>Questa cartella non può essere sincronizzata: è la cartella stessa della cassaforte, vi si trova dentro o la contiene.</translation>
    </message>
    <message>
        <source>This folder can&apos;t be synchronized: the application keeps its own files there.</source>
        <translation>Questa cartella non può essere sincronizzata: l&apos;applicazione vi conserva i propri file.</translation>
    </message>
    <message>
        <source>The folder could not be added.</source>
        <translation>Impossibile aggiungere la cartella.</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Avvio...</translation>
    </message>
    <message>
        <source>Synchronization finished with errors: see the lines above.</source>
        <translation>Sincronizzazione terminata con errori: vedere le righe sopra.</translation>
    </message>
    <message>
        <source>Another synchronization is running.</source>
        <translation>È in corso un&apos;altra sincronizzazione.</translation>
    </message>
    <message>
        <source>No synchronization peers defined.</source>
        <translation>Nessun partner di sincronizzazione definito.</translation>
    </message>
    <message>
        <source>Skipped: %1 (names that differ only in case)</source>
        <translation>Saltato: %1 (nomi che differiscono solo per maiuscole/minuscole)</translation>
    </message>
    <message>
        <source>The folder can&apos;t be read: nothing was deleted or copied for this peer.</source>
        <translation>Impossibile leggere la cartella: nulla è stato eliminato o copiato per questo partner.</translation>
    </message>
    <message>
        <source>The folder %1 was removed or replaced during the synchronization: nothing more was copied or deleted for this peer.</source>
        <translation>La cartella %1 è stata rimossa o sostituita durante la sincronizzazione: nient&apos;altro è stato copiato o eliminato per questo partner.</translation>
    </message>
    <message>
        <source>Kept %1: it changed on the disk during the synchronization.</source>
        <translation>%1 mantenuto: è cambiato sul disco durante la sincronizzazione.</translation>
    </message>
    <message>
        <source>The vault&apos;s folder can&apos;t be written.</source>
        <translation>Impossibile scrivere nella cartella della cassaforte.</translation>
    </message>
    <message>
        <source>Skipped: %1 (a symbolic link)</source>
        <translation>Saltato: %1 (un collegamento simbolico)</translation>
    </message>
    <message>
        <source>This folder can&apos;t be synchronized: it holds or lies inside a folder already synchronized with this vault.</source>
        <translation>Questa cartella non può essere sincronizzata: contiene una cartella già sincronizzata con questa cassaforte o si trova al suo interno.</translation>
    </message>
    <message>
        <source>Failed: %1 (can&apos;t be read: %2)</source>
        <translation>Non riuscito: %1 (impossibile leggere: %2)</translation>
    </message>
    <message>
        <source>Skipped: %1 (not a file or a folder)</source>
        <translation>Saltato: %1 (né un file né una cartella)</translation>
    </message>
</context>
<context>
    <name>TAVSyncProgressDialog</name>
    <message>
        <source>Synchronization</source>
        <translation>Sincronizzazione</translation>
    </message>
    <message>
        <source>Synchronization progress:</source>
        <translation>Avanzamento della sincronizzazione:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>No items is synced</source>
        <translation>Nessun elemento sincronizzato</translation>
    </message>
    <message>
        <source>Synchronization completed successfully.</source>
        <translation>Sincronizzazione completata correttamente.</translation>
    </message>
    <message>
        <source>Repair completed successfully.</source>
        <translation>Riparazione completata correttamente.</translation>
    </message>
    <message>
        <source>Synchronization finished with errors:</source>
        <translation>Sincronizzazione terminata con errori:</translation>
    </message>
    <message>
        <source>Synchronization finished with errors. The lines in the progress window say which items could not be synchronized.</source>
        <translation>Sincronizzazione terminata con errori. Le righe della finestra di avanzamento indicano quali elementi non è stato possibile sincronizzare.</translation>
    </message>
</context>
<context>
    <name>TavVaultProperty</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Type of encryption:</source>
        <translation>Tipo di cifratura:</translation>
    </message>
    <message>
        <source>Total number of files:</source>
        <translation>Numero totale di file:</translation>
    </message>
    <message>
        <source>Total storage space:</source>
        <translation>Spazio di archiviazione totale:</translation>
    </message>
    <message>
        <source>Full Physical Path:</source>
        <translation>Percorso fisico completo:</translation>
    </message>
    <message>
        <source>Set Vault Password</source>
        <translation>Imposta password cassaforte</translation>
    </message>
    <message>
        <source>Repair vault </source>
        <translation>Ripara cassaforte </translation>
    </message>
    <message>
        <source>Synchronization</source>
        <translation>Sincronizzazione</translation>
    </message>
    <message>
        <source>Synchronization peers:</source>
        <translation>Partner di sincronizzazione:</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host remoto</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>Cartella locale</translation>
    </message>
    <message>
        <source>Vault folder</source>
        <translation>Cartella della cassaforte</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>Sincronizza</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>This repair has already run.</source>
        <translation>Questa riparazione è già stata eseguita.</translation>
    </message>
    <message>
        <source>The folder of the vault cannot be found: %1
Nothing was repaired.</source>
        <translation>Cartella della cassaforte non trovata: %1
Non è stato riparato nulla.</translation>
    </message>
    <message>
        <source>A repair of this vault is already running.</source>
        <translation>È già in corso una riparazione di questa cassaforte.</translation>
    </message>
    <message>
        <source>A synchronization is running. Please try again when it has finished.</source>
        <translation>È in corso una sincronizzazione. Riprovare al termine.</translation>
    </message>
    <message>
        <source>Start repair index file</source>
        <translation>Avvio riparazione del file indice</translation>
    </message>
    <message>
        <source>The repair was cancelled. The index was not changed.</source>
        <translation>La riparazione è stata annullata. L&apos;indice non è stato modificato.</translation>
    </message>
    <message>
        <source>Only %1 of the %2 files listed in the index of the vault &quot;%3&quot; were found in its folder %4.
If the drive or the folder is incomplete, repairing now takes the missing files out of the index.

Repair the index anyway?</source>
        <translation>Solo %1 dei %2 file elencati nell&apos;indice della cassaforte &quot;%3&quot; sono stati trovati nella sua cartella %4.
Se l&apos;unità o la cartella è incompleta, la riparazione ora toglie dall&apos;indice i file mancanti.

Riparare comunque l&apos;indice?</translation>
    </message>
    <message>
        <source>The index was not repaired.</source>
        <translation>L&apos;indice non è stato riparato.</translation>
    </message>
    <message>
        <source>The vault&apos;s key does not fit the files in its folder. Nothing was repaired.</source>
        <translation>La chiave della cassaforte non corrisponde ai file della sua cartella. Non è stato riparato nulla.</translation>
    </message>
    <message>
        <source>The vault was closed during the repair. The index was not changed.</source>
        <translation>La cassaforte è stata chiusa durante la riparazione. L&apos;indice non è stato modificato.</translation>
    </message>
    <message>
        <source>The previous index could not be kept (%1). The index was not changed.</source>
        <translation>Impossibile conservare l&apos;indice precedente (%1). L&apos;indice non è stato modificato.</translation>
    </message>
    <message>
        <source>The index could not be rebuilt. The index was not changed.</source>
        <translation>Impossibile ricostruire l&apos;indice. L&apos;indice non è stato modificato.</translation>
    </message>
    <message>
        <source>The repaired index could not be written. The previous index is kept.</source>
        <translation>Impossibile scrivere l&apos;indice riparato. L&apos;indice precedente viene mantenuto.</translation>
    </message>
    <message>
        <source>The index was repaired: %1 files rebuilt (%2 of them in the folder &quot;%3&quot;), %4 removed, %5 skipped.</source>
        <translation>L&apos;indice è stato riparato: %1 file ricostruiti (%2 nella cartella &quot;%3&quot;), %4 rimossi, %5 saltati.</translation>
    </message>
    <message>
        <source>Please choose a folder to synchronise with:</source>
        <translation>Scegliere una cartella con cui sincronizzare:</translation>
    </message>
    <message>
        <source>This synchronization peer is no longer in the list of the vault.</source>
        <translation>Questo partner di sincronizzazione non è più nell&apos;elenco della cassaforte.</translation>
    </message>
    <message>
        <source>The list of synchronization peers of this vault could not be changed. The peer was not removed.</source>
        <translation>Impossibile modificare l&apos;elenco dei partner di sincronizzazione di questa cassaforte. Il partner non è stato rimosso.</translation>
    </message>
    <message>
        <source>Please try again and enter a password</source>
        <translation>Riprovare immettendo una password</translation>
    </message>
    <message>
        <source>Please enter a new password to encrypt the key:</source>
        <translation>Immettere una nuova password per cifrare la chiave:</translation>
    </message>
    <message>
        <source>Please enter the password again:</source>
        <translation>Immettere di nuovo la password:</translation>
    </message>
    <message>
        <source>The two passwords are not the same. The vault password was not changed.</source>
        <translation>Le due password non coincidono. La password della cassaforte non è stata modificata.</translation>
    </message>
    <message>
        <source>The vault password could not be saved in %1. The key chain was not changed.</source>
        <translation>Impossibile salvare la password della cassaforte in %1. Il portachiavi non è stato modificato.</translation>
    </message>
    <message>
        <source>The vault password was set.</source>
        <translation>La password della cassaforte è stata impostata.</translation>
    </message>
    <message>
        <source>Repair Progress</source>
        <translation>Avanzamento della riparazione</translation>
    </message>
</context>
<context>
    <name>UpdateAvailableDialog</name>
    <message>
        <source>Kolvane - New Version Available</source>
        <translation>Kolvane - Nuova versione disponibile</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
</context>
<context>
    <name>UpdateConfigDialog</name>
    <message>
        <source>Kolvane - Updates configuration</source>
        <translation>Kolvane - Configurazione aggiornamenti</translation>
    </message>
    <message>
        <source>How often do you want to check for updates?</source>
        <translation>Con quale frequenza verificare gli aggiornamenti?</translation>
    </message>
    <message>
        <source>Once a week</source>
        <translation>Una volta alla settimana</translation>
    </message>
    <message>
        <source>Every two weeks</source>
        <translation>Ogni due settimane</translation>
    </message>
    <message>
        <source>Once a month</source>
        <translation>Una volta al mese</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Check for updates now</source>
        <translation>Verifica subito gli aggiornamenti</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Thank you for using %1
You are using %1 %2. There are currently no updates available.
Please try again later.</source>
        <translation>Grazie per aver scelto %1
Stai usando %1 %2. Al momento non sono disponibili aggiornamenti.
Riprova più tardi.</translation>
    </message>
    <message>
        <source> - New Version Available</source>
        <translation> - Nuova versione disponibile</translation>
    </message>
</context>
<context>
    <name>UpdateDownload</name>
    <message>
        <source>The server did not answer in time</source>
        <translation>Il server non ha risposto in tempo</translation>
    </message>
    <message>
        <source>A download is already under way</source>
        <translation>Un download è già in corso</translation>
    </message>
    <message>
        <source>The address %1 is not a secure one</source>
        <translation>L&apos;indirizzo %1 non è sicuro</translation>
    </message>
    <message>
        <source>The address %1 names no file</source>
        <translation>L&apos;indirizzo %1 non indica alcun file</translation>
    </message>
    <message>
        <source>Redirected without a new address</source>
        <translation>Reindirizzato senza un nuovo indirizzo</translation>
    </message>
    <message>
        <source>Too many redirections</source>
        <translation>Troppi reindirizzamenti</translation>
    </message>
    <message>
        <source>Redirected from a secure address to %1</source>
        <translation>Reindirizzato da un indirizzo sicuro a %1</translation>
    </message>
    <message>
        <source>The server answered %1</source>
        <translation>Il server ha risposto %1</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annullato</translation>
    </message>
    <message>
        <source>The package is larger than %1 MiB</source>
        <translation>Il pacchetto supera %1 MiB</translation>
    </message>
</context>
<context>
    <name>Utils</name>
    <message>
        <source>Start synchronizing files now.</source>
        <translation>Sincronizza i file ora.</translation>
    </message>
    <message>
        <source>There are %1 file(s) to be synchronized.</source>
        <translation>Ci sono %1 file da sincronizzare.</translation>
    </message>
</context>
<context>
    <name>Vir_KeyPad_Dialog</name>
    <message>
        <source>Virtual Keypad</source>
        <translation>Tastierino virtuale</translation>
    </message>
    <message>
        <source>Show Plain Text</source>
        <translation>Mostra testo in chiaro</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Maiusc</translation>
    </message>
    <message>
        <source>&lt;--</source>
        <translation>&lt;--</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reimposta</translation>
    </message>
    <message>
        <source>Security Level</source>
        <translation>Livello di sicurezza</translation>
    </message>
    <message>
        <source>Realtime</source>
        <translation>Tempo reale</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bassa</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Invio</translation>
    </message>
</context>
<context>
    <name>WorkingDrive</name>
    <message>
        <source>There is no data folder for the drive folder.</source>
        <translation>Non esiste una cartella dati per la cartella dell&apos;unità.</translation>
    </message>
    <message>
        <source>%1 must name a folder by its full path: %2</source>
        <translation>%1 deve indicare una cartella con il percorso completo: %2</translation>
    </message>
    <message>
        <source>The drive folder %1 can&apos;t be made.</source>
        <translation>Impossibile creare la cartella dell&apos;unità %1.</translation>
    </message>
    <message>
        <source>The drive folder can&apos;t be the root folder.</source>
        <translation>La cartella dell&apos;unità non può essere la cartella radice.</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 can&apos;t be made: %2</source>
        <translation>Impossibile creare il file del numero di serie dell&apos;unità %1: %2</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 can&apos;t be written: %2</source>
        <translation>Impossibile scrivere il file del numero di serie dell&apos;unità %1: %2</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 can&apos;t be read: %2</source>
        <translation>Impossibile leggere il file del numero di serie dell&apos;unità %1: %2</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 is damaged.</source>
        <translation>Il file del numero di serie dell&apos;unità %1 è danneggiato.</translation>
    </message>
    <message>
        <source>The drive folder %1 named by %2 does not exist.</source>
        <translation>La cartella dell&apos;unità %1 indicata da %2 non esiste.</translation>
    </message>
</context>
<context>
    <name>velmora_howto</name>
    <message>
        <source>Data Protection</source>
        <translation>Protezione dei dati</translation>
    </message>
    <message>
        <source>4 ways to protect your files</source>
        <translation>4 modi per proteggere i file</translation>
    </message>
    <message>
        <source>Drag and drop files onto main screen</source>
        <translation>Trascinare i file nella schermata principale</translation>
    </message>
    <message>
        <source>Copy and paste files onto main screen</source>
        <translation>Copiare e incollare i file nella schermata principale</translation>
    </message>
    <message>
        <source>Click &apos;Add files&apos; button to browse and add file</source>
        <translation>Fare clic sul pulsante &apos;Aggiungi file&apos; per sfogliare e aggiungere file</translation>
    </message>
    <message>
        <source>Use Backup Data to safeguard your data against loss</source>
        <translation>Usare il backup dei dati per proteggere i dati dalla perdita</translation>
    </message>
    <message>
        <source>Ctrl-C / Ctrl-V</source>
        <translation>Ctrl-C / Ctrl-V</translation>
    </message>
    <message>
        <source>Do not show again</source>
        <translation>Non mostrare più</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
</context>
</TS>
