<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Software License Agreement</source>
        <translation>Contrat de licence du logiciel</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>the vault folder %1 does not exist.</source>
        <translation>le dossier du coffre %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>the backup location lies inside the vault folder.</source>
        <translation>l&apos;emplacement de sauvegarde se trouve dans le dossier du coffre.</translation>
    </message>
    <message>
        <source>no random bytes could be had for the backup&apos;s key check.</source>
        <translation>aucun octet aléatoire n&apos;a pu être obtenu pour la vérification de clé de la sauvegarde.</translation>
    </message>
    <message>
        <source>the vault key could not be protected for the backup&apos;s key check.</source>
        <translation>la clé du coffre n&apos;a pas pu être protégée pour la vérification de clé de la sauvegarde.</translation>
    </message>
    <message>
        <source>the earlier key check %1 could not be removed.</source>
        <translation>la vérification de clé précédente %1 n&apos;a pas pu être supprimée.</translation>
    </message>
    <message>
        <source>the key check %1 could not be written: %2</source>
        <translation>la vérification de clé %1 n&apos;a pas pu être écrite : %2</translation>
    </message>
    <message>
        <source>the copied files could not be written to the disk: %1</source>
        <translation>les fichiers copiés n&apos;ont pas pu être écrits sur le disque : %1</translation>
    </message>
    <message>
        <source>the backup folder %1 does not exist.</source>
        <translation>le dossier de sauvegarde %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>the folder %1 does not exist.</source>
        <translation>le dossier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>the folder %1 could not be read.</source>
        <translation>le dossier %1 n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>the folder %1 could not be made.</source>
        <translation>le dossier %1 n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>%1 could not be written: it is a symbolic link.</source>
        <translation>Impossible d&apos;écrire %1 : c&apos;est un lien symbolique.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>%1 could not be read to its end.</source>
        <translation>%1 n&apos;a pas pu être lu jusqu&apos;au bout.</translation>
    </message>
    <message>
        <source>%1 could not be written whole.</source>
        <translation>%1 n&apos;a pas pu être écrit entièrement.</translation>
    </message>
</context>
<context>
    <name>ChangePasswordDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
    <message>
        <source>Enter your new password:</source>
        <translation>Saisissez votre nouveau mot de passe :</translation>
    </message>
    <message>
        <source>Enter your current password:</source>
        <translation>Saisissez votre mot de passe actuel :</translation>
    </message>
    <message>
        <source>Confirm your new password:</source>
        <translation>Confirmez votre nouveau mot de passe :</translation>
    </message>
    <message>
        <source>Password Strength:</source>
        <translation>Robustesse du mot de passe :</translation>
    </message>
    <message>
        <source>Virtual keyboard</source>
        <translation>Clavier virtuel</translation>
    </message>
    <message>
        <source>Use more than 6 characters</source>
        <translation>Utilisez plus de 6 caractères</translation>
    </message>
    <message>
        <source>Use numeric and alpha numeric characters</source>
        <translation>Utilisez des chiffres et des lettres</translation>
    </message>
    <message>
        <source>Use upper- and lower case characters</source>
        <translation>Utilisez des majuscules et des minuscules</translation>
    </message>
    <message>
        <source>Use special characters (#, $, !, %, &amp;&amp;, ^, *)</source>
        <translation>Utilisez des caractères spéciaux (#, $, !, %, &amp;&amp;, ^, *)</translation>
    </message>
    <message>
        <source>Password Hint: (optional)</source>
        <translation>Indice de mot de passe : (facultatif)</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:13pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;You can type a password hint here, to help you remember your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;Try to pick a word or phrase that is clear enough to remind you, but vague&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;enough that nobody can guess your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(For example, the password &amp;quot;R0sebud#1941&amp;quot; with the hint &amp;quot;sled&amp;quot;.)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:13pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;Vous pouvez saisir ici un indice de mot de passe pour vous aider à vous en souvenir.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;Choisissez un mot ou une expression assez clair pour vous le rappeler, mais assez vague&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;pour que personne ne puisse deviner votre mot de passe.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(Par exemple, le mot de passe &amp;quot;R0sebud#1941&amp;quot; avec l&apos;indice &amp;quot;luge&amp;quot;.)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Password Recommendations:</source>
        <translation>Recommandations pour le mot de passe :</translation>
    </message>
</context>
<context>
    <name>ConfirmFileDeleteDialog</name>
    <message>
        <source>Are you sure you want to delete the file?</source>
        <translation>Voulez-vous vraiment supprimer le fichier ?</translation>
    </message>
    <message>
        <source>Don’t ask this question again.</source>
        <translation>Ne plus poser cette question.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>FileUtils</name>
    <message>
        <source>0 KB</source>
        <translation>0 Ko</translation>
    </message>
    <message>
        <source>1 KB</source>
        <translation>1 Ko</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 Ko</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 Go</translation>
    </message>
</context>
<context>
    <name>HttpHelper</name>
    <message>
        <source>The connection to the remote server is timed out</source>
        <translation>La connexion au serveur distant a expiré</translation>
    </message>
    <message>
        <source>The answer of the server is larger than %1 KiB</source>
        <translation>La réponse du serveur dépasse %1 Kio</translation>
    </message>
</context>
<context>
    <name>KVVaveCreatePasswordDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
    <message>
        <source>Create your password:</source>
        <translation>Créez votre mot de passe :</translation>
    </message>
    <message>
        <source>Confirm your password:</source>
        <translation>Confirmez votre mot de passe :</translation>
    </message>
    <message>
        <source>Password Strength:</source>
        <translation>Robustesse du mot de passe :</translation>
    </message>
    <message>
        <source>Virtual keyboard</source>
        <translation>Clavier virtuel</translation>
    </message>
    <message>
        <source>Use more than 6 characters</source>
        <translation>Utilisez plus de 6 caractères</translation>
    </message>
    <message>
        <source>Use numeric and alpha numeric characters</source>
        <translation>Utilisez des chiffres et des lettres</translation>
    </message>
    <message>
        <source>Use upper- and lower case characters</source>
        <translation>Utilisez des majuscules et des minuscules</translation>
    </message>
    <message>
        <source>Use special characters (#, $, !, %, &amp;&amp;, ^, *)</source>
        <translation>Utilisez des caractères spéciaux (#, $, !, %, &amp;&amp;, ^, *)</translation>
    </message>
    <message>
        <source>Create Password</source>
        <translation>Créer un mot de passe</translation>
    </message>
    <message>
        <source>Password Hint: (optional)</source>
        <translation>Indice de mot de passe : (facultatif)</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:10pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;You can type a password hint here, to help you remember your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;Try to pick a word or phrase that is clear enough to remind you, but vague&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;enough that nobody can guess your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(For example, the password &amp;quot;R0sebud#1941&amp;quot; with the hint &amp;quot;sled&amp;quot;.)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:10pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;Vous pouvez saisir ici un indice de mot de passe pour vous aider à vous en souvenir.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;Choisissez un mot ou une expression assez clair pour vous le rappeler, mais assez vague&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;pour que personne ne puisse deviner votre mot de passe.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(Par exemple, le mot de passe &amp;quot;R0sebud#1941&amp;quot; avec l&apos;indice &amp;quot;luge&amp;quot;.)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Password Recommendations:</source>
        <translation>Recommandations pour le mot de passe :</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation> - Sélectionner les fichiers à chiffrer</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Chiffrer</translation>
    </message>
    <message>
        <source>Cannot add files here.</source>
        <translation>Impossible d&apos;ajouter des fichiers ici.</translation>
    </message>
    <message>
        <source>These items could not be found and were not added:
%1</source>
        <translation>Ces éléments sont introuvables et n&apos;ont pas été ajoutés :
%1</translation>
    </message>
    <message>
        <source>Would you like to completely remove the original file(s) from your computer?</source>
        <translation>Voulez-vous supprimer complètement le ou les fichiers d&apos;origine de votre ordinateur ?</translation>
    </message>
    <message>
        <source>You are about to securely wipe the original file(s) from your computer. You will not be able to recover these file(s) once they have been removed. Do you wish to continue?</source>
        <translation>Vous êtes sur le point d&apos;effacer de manière sécurisée le ou les fichiers d&apos;origine de votre ordinateur. Vous ne pourrez pas récupérer ces fichiers une fois supprimés. Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>The vault %1 could not be saved, so the files just added are not kept in it. The original files have not been removed.</source>
        <translation>Le coffre %1 n&apos;a pas pu être enregistré ; les fichiers qui viennent d&apos;être ajoutés n&apos;y sont donc pas conservés. Les fichiers d&apos;origine n&apos;ont pas été supprimés.</translation>
    </message>
    <message>
        <source>The files added to the vault %1 could not be written safely to its disk. The original files have not been removed.</source>
        <translation>Les fichiers ajoutés au coffre %1 n&apos;ont pas pu être écrits de manière sûre sur son disque. Les fichiers d&apos;origine n&apos;ont pas été supprimés.</translation>
    </message>
    <message>
        <source>can not remove</source>
        <translation>suppression impossible</translation>
    </message>
    <message>
        <source>This file is read-only or locked by another application.

Press &apos;Try Again&apos; to try to remove it, &apos;Ignore&apos; to continue or &apos;Cancel&apos; to stop removing files.</source>
        <translation>Ce fichier est en lecture seule ou verrouillé par une autre application.

Cliquez sur &apos;Réessayer&apos; pour tenter de le supprimer, &apos;Ignorer&apos; pour continuer ou &apos;Annuler&apos; pour arrêter la suppression des fichiers.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source> is neither a directory nor a file. %1 encrypts a directory or a file only. Please try again.</source>
        <translation> n&apos;est ni un dossier ni un fichier. %1 ne chiffre que des dossiers ou des fichiers. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>The folder %1 was not added: a file of the same name is already there.</source>
        <translation>Le dossier %1 n&apos;a pas été ajouté : un fichier du même nom s&apos;y trouve déjà.</translation>
    </message>
    <message>
        <source>The folder %1 could not be added: %2</source>
        <translation>Impossible d&apos;ajouter le dossier %1 : %2</translation>
    </message>
    <message>
        <source>%1 was not added: it is not a file that can be read.</source>
        <translation>%1 n&apos;a pas été ajouté : ce n&apos;est pas un fichier lisible.</translation>
    </message>
    <message>
        <source>The application can not add more files because the vault&apos;s disk is full.</source>
        <translation>L&apos;application ne peut plus ajouter de fichiers car le disque du coffre est plein.</translation>
    </message>
    <message>
        <source>It is not possible to encrypt the selected file. This may be due to a restriction of the USB flash drive file system or the drive is full.</source>
        <translation>Impossible de chiffrer le fichier sélectionné. Cela peut être dû à une restriction du système de fichiers de la clé USB ou à un lecteur plein.</translation>
    </message>
    <message>
        <source>The file %1 was not added: a folder of the same name is already there.</source>
        <translation>Le fichier %1 n&apos;a pas été ajouté : un dossier du même nom s&apos;y trouve déjà.</translation>
    </message>
    <message>
        <source>%1 already contains a file name &apos;</source>
        <translation>%1 contient déjà un fichier nommé &apos;</translation>
    </message>
    <message>
        <source>&apos;. Would you like to replace the existing file?</source>
        <translation>&apos;. Voulez-vous remplacer le fichier existant ?</translation>
    </message>
    <message>
        <source>The copy operation was cancelled by the user</source>
        <translation>L&apos;opération de copie a été annulée par l&apos;utilisateur</translation>
    </message>
    <message>
        <source>%1 could not be added: %2</source>
        <translation>Impossible d&apos;ajouter %1 : %2</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>%1 could not be encrypted into the vault: %2</source>
        <translation>Impossible de chiffrer %1 dans le coffre : %2</translation>
    </message>
    <message>
        <source>The selected items lie in more than one vault. Please select the one vault to back up.</source>
        <translation>Les éléments sélectionnés se trouvent dans plusieurs coffres. Veuillez sélectionner le seul coffre à sauvegarder.</translation>
    </message>
    <message>
        <source>Please select the vault to back up.</source>
        <translation>Veuillez sélectionner le coffre à sauvegarder.</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Sauvegarde en cours...</translation>
    </message>
    <message>
        <source>You don&apos;t have any backup file in backup location</source>
        <translation>Vous n&apos;avez aucun fichier de sauvegarde dans l&apos;emplacement de sauvegarde</translation>
    </message>
    <message>
        <source>The list of vaults could not be saved to %1.</source>
        <translation>La liste des coffres n&apos;a pas pu être enregistrée dans %1.</translation>
    </message>
    <message>
        <source>%1 cannot continue because the USB drive used has been removed. Click OK to exit %1</source>
        <translation>%1 ne peut pas continuer car le lecteur USB utilisé a été retiré. Cliquez sur OK pour quitter %1</translation>
    </message>
    <message>
        <source>Please choose a folder to extract the file(s) to:</source>
        <translation>Veuillez choisir un dossier où extraire le ou les fichiers :</translation>
    </message>
    <message>
        <source>Selected files are extracted to: [%1]</source>
        <translation>Les fichiers sélectionnés ont été extraits vers : [%1]</translation>
    </message>
    <message>
        <source>The filename %1 contains characters that are not allowed on all platforms and cannot be copied.</source>
        <translation>Le nom de fichier %1 contient des caractères qui ne sont pas autorisés sur toutes les plateformes et ne peut pas être copié.</translation>
    </message>
    <message>
        <source>The folder already contains a file name &apos;%1&apos;. Would you like to replace the existing file?</source>
        <translation>Le dossier contient déjà un fichier nommé &apos;%1&apos;. Voulez-vous remplacer le fichier existant ?</translation>
    </message>
    <message>
        <source>The file %1 could not be written.
Error: %2</source>
        <translation>Le fichier %1 n&apos;a pas pu être écrit.
Erreur : %2</translation>
    </message>
    <message>
        <source>The %1 can not create a directory on your path.</source>
        <translation>%1 ne peut pas créer de dossier dans votre chemin.</translation>
    </message>
    <message>
        <source>This file is already open or being used. The error is: %1</source>
        <translation>Ce fichier est déjà ouvert ou en cours d&apos;utilisation. L&apos;erreur est : %1</translation>
    </message>
    <message>
        <source>There is no default application specified to open the document [%1]</source>
        <translation>Aucune application par défaut n&apos;est définie pour ouvrir le document [%1]</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>Impossible de démarrer %1.</translation>
    </message>
    <message>
        <source>This vault could not be loaded, it may be located on another computer or the original vault file has been manually removed.</source>
        <translation>Ce coffre n&apos;a pas pu être chargé ; il se trouve peut-être sur un autre ordinateur, ou le fichier de coffre d&apos;origine a été supprimé manuellement.</translation>
    </message>
    <message>
        <source>This vault could not be loaded, it may be located on another computer or the original vault file has been manually removed. The error is: %1</source>
        <translation>Ce coffre n&apos;a pas pu être chargé ; il se trouve peut-être sur un autre ordinateur, ou le fichier de coffre d&apos;origine a été supprimé manuellement. L&apos;erreur est : %1</translation>
    </message>
    <message>
        <source>Please make sure that your flash drive is formatted and that it is not write-protected.</source>
        <translation>Veuillez vérifier que votre clé USB est formatée et qu&apos;elle n&apos;est pas protégée en écriture.</translation>
    </message>
    <message>
        <source>Unable to write vault structure. This program cannot continue.</source>
        <translation>Impossible d&apos;écrire la structure du coffre. Ce programme ne peut pas continuer.</translation>
    </message>
    <message>
        <source>A vault already exists on the flash drive. Do you want to use that vault?</source>
        <translation>Un coffre existe déjà sur la clé USB. Voulez-vous utiliser ce coffre ?</translation>
    </message>
    <message>
        <source>Please enter a new password to decrypt the key:</source>
        <translation>Veuillez saisir un nouveau mot de passe pour déchiffrer la clé :</translation>
    </message>
    <message>
        <source>Enter your password to unlock the vault:</source>
        <translation>Saisissez votre mot de passe pour déverrouiller le coffre :</translation>
    </message>
    <message>
        <source>That is not the correct password for this vault. Do you want to try again?</source>
        <translation>Ce n&apos;est pas le bon mot de passe pour ce coffre. Voulez-vous réessayer ?</translation>
    </message>
    <message>
        <source>%1 cannot continue as there is already a vault on the flash drive. Please remove it and try again.</source>
        <translation>%1 ne peut pas continuer car il existe déjà un coffre sur la clé USB. Veuillez le retirer et réessayer.</translation>
    </message>
    <message>
        <source>The file %1 is damaged and could not be read. This is not caused by your password.</source>
        <translation>Le fichier %1 est endommagé et n&apos;a pas pu être lu. Cela n&apos;est pas dû à votre mot de passe.</translation>
    </message>
    <message>
        <source>Your password is not correct. Please try again.</source>
        <translation>Votre mot de passe n&apos;est pas correct. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>You have exceeded the maximum (10) login attempts. You must wait 1 minute before trying to login again.</source>
        <translation>Vous avez dépassé le nombre maximal (10) de tentatives de connexion. Vous devez attendre 1 minute avant de réessayer.</translation>
    </message>
    <message>
        <source> - Virtual Keyboard</source>
        <translation> - Clavier virtuel</translation>
    </message>
    <message>
        <source>The vault on your Flash Drive is missing, do you want to create a new one?</source>
        <translation>Le coffre de votre clé USB est introuvable. Voulez-vous en créer un nouveau ?</translation>
    </message>
    <message>
        <source>These opened files hold changes that could not be put into their vault (its folder was not found or could not be written), so they were kept unencrypted on the disk:
%1

Their changes are put into the vault as soon as it can be reached again.</source>
        <translation>Ces fichiers ouverts contiennent des modifications qui n&apos;ont pas pu être placées dans leur coffre (son dossier est introuvable ou n&apos;a pas pu être écrit) ; ils ont donc été conservés non chiffrés sur le disque :
%1

Leurs modifications seront placées dans le coffre dès qu&apos;il sera de nouveau accessible.</translation>
    </message>
    <message>
        <source>These files hold changes that are not in their vault yet:
%1

If you quit now, the changes stay only in these unencrypted copies. Quit anyway?</source>
        <translation>Ces fichiers contiennent des modifications qui ne sont pas encore dans leur coffre :
%1

Si vous quittez maintenant, les modifications ne resteront que dans ces copies non chiffrées. Quitter quand même ?</translation>
    </message>
    <message>
        <source>Your %1 password has reached it&apos;s timeout date. It is recommended that you change your password often to ensure the highest level of security. Would you like to change it now?</source>
        <translation>Votre mot de passe %1 a atteint sa date d&apos;expiration. Il est recommandé de changer souvent de mot de passe pour garantir le plus haut niveau de sécurité. Voulez-vous le changer maintenant ?</translation>
    </message>
    <message>
        <source>, Vault Protection: %1</source>
        <translation>, Protection du coffre : %1</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source> (%1% used)</source>
        <translation> (%1% utilisé)</translation>
    </message>
    <message>
        <source> (%1 items)</source>
        <translation> (%1 éléments)</translation>
    </message>
    <message>
        <source>No drive to work on was found: %1</source>
        <translation>Aucun lecteur de travail n&apos;a été trouvé : %1</translation>
    </message>
    <message>
        <source>Please choose a folder to synchronise this folder with:</source>
        <translation>Veuillez choisir un dossier avec lequel synchroniser ce dossier :</translation>
    </message>
    <message>
        <source>Checking for updates... please wait</source>
        <translation>Recherche de mises à jour... veuillez patienter</translation>
    </message>
    <message>
        <source> - New Version Available</source>
        <translation> - Nouvelle version disponible</translation>
    </message>
    <message>
        <source>Updates are not available: this copy of %1 has no update server to ask.</source>
        <translation>Aucune mise à jour disponible : cette copie de %1 n&apos;a aucun serveur de mise à jour à interroger.</translation>
    </message>
    <message>
        <source> - Update Configuration</source>
        <translation> - Configuration des mises à jour</translation>
    </message>
    <message>
        <source>Downloading the update...              </source>
        <translation>Téléchargement de la mise à jour...              </translation>
    </message>
    <message>
        <source>Unable to save the file %1: %2.</source>
        <translation>Impossible d&apos;enregistrer le fichier %1 : %2.</translation>
    </message>
    <message>
        <source>The update could not be installed.</source>
        <translation>La mise à jour n&apos;a pas pu être installée.</translation>
    </message>
    <message>
        <source>Download failed: %1.</source>
        <translation>Échec du téléchargement : %1.</translation>
    </message>
    <message>
        <source>The application will now restart.</source>
        <translation>L&apos;application va maintenant redémarrer.</translation>
    </message>
    <message>
        <source>Please select a location for the new vault:</source>
        <translation>Veuillez sélectionner un emplacement pour le nouveau coffre :</translation>
    </message>
    <message>
        <source>The selected folder already contains a vault. Use Add Existing Vault to connect it.</source>
        <translation>Le dossier sélectionné contient déjà un coffre. Utilisez &apos;Ajouter un coffre existant&apos; pour le connecter.</translation>
    </message>
    <message>
        <source>The filename %1 contains characters that are not allowed on all platforms.</source>
        <translation>Le nom de fichier %1 contient des caractères qui ne sont pas autorisés sur toutes les plateformes.</translation>
    </message>
    <message>
        <source>A Vault with the name you specified already exists. Specify a different vault name and try again.</source>
        <translation>Un coffre portant le nom indiqué existe déjà. Indiquez un autre nom de coffre et réessayez.</translation>
    </message>
    <message>
        <source>Do you really want to remove the selected vault?</source>
        <translation>Voulez-vous vraiment retirer le coffre sélectionné ?</translation>
    </message>
    <message>
        <source>The selected item is not a vault.</source>
        <translation>L&apos;élément sélectionné n&apos;est pas un coffre.</translation>
    </message>
    <message>
        <source>Please choose the folder of your existing vault(s):</source>
        <translation>Veuillez choisir le dossier de votre ou vos coffres existants :</translation>
    </message>
    <message>
        <source>The selected folder does not contain a vault.</source>
        <translation>Le dossier sélectionné ne contient pas de coffre.</translation>
    </message>
    <message>
        <source>A vault with the same name already exists.
Please enter a new name</source>
        <translation>Un coffre portant ce nom existe déjà.
Veuillez saisir un nouveau nom</translation>
    </message>
    <message>
        <source>Please try again and enter a password</source>
        <translation>Veuillez réessayer en saisissant un mot de passe</translation>
    </message>
    <message>
        <source>The password is not correct for this vault.</source>
        <translation>Le mot de passe n&apos;est pas correct pour ce coffre.</translation>
    </message>
    <message>
        <source>Unable to add this Vault. A Vault with the same name already exists. The error is: %1</source>
        <translation>Impossible d&apos;ajouter ce coffre. Un coffre du même nom existe déjà. L&apos;erreur est : %1</translation>
    </message>
    <message>
        <source>You have choosen to delete the vault titled [%1]. All files within this vault will also be deleted. Do you wish to continue?</source>
        <translation>Vous avez choisi de supprimer le coffre intitulé [%1]. Tous les fichiers de ce coffre seront également supprimés. Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Do you really want to delete the selected item(s)?</source>
        <translation>Voulez-vous vraiment supprimer le ou les éléments sélectionnés ?</translation>
    </message>
    <message>
        <source>Please enter a name for your new folder:                    </source>
        <translation>Veuillez saisir un nom pour votre nouveau dossier :                    </translation>
    </message>
    <message>
        <source>Failed to create the &apos;%1&apos; directory</source>
        <translation>Impossible de créer le dossier &apos;%1&apos;</translation>
    </message>
    <message>
        <source>You cannot create a folder here.</source>
        <translation>Vous ne pouvez pas créer de dossier ici.</translation>
    </message>
    <message>
        <source>A folder with the name you specified already exists. Specify a different folder name and try again.</source>
        <translation>Un dossier portant le nom indiqué existe déjà. Indiquez un autre nom de dossier et réessayez.</translation>
    </message>
    <message>
        <source>Do you really want to remove the selected folder?</source>
        <translation>Voulez-vous vraiment retirer le dossier sélectionné ?</translation>
    </message>
    <message>
        <source>The selected item is not a folder.</source>
        <translation>L&apos;élément sélectionné n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>Please enter a new name:                                        </source>
        <translation>Veuillez saisir un nouveau nom :                                        </translation>
    </message>
    <message>
        <source>The file name extension is going to be changed. Do you really want to rename it?</source>
        <translation>L&apos;extension du nom de fichier va être modifiée. Voulez-vous vraiment le renommer ?</translation>
    </message>
    <message>
        <source>An item with the name you specified already exists. Please try again.</source>
        <translation>Un élément portant le nom indiqué existe déjà. Veuillez réessayer.</translation>
    </message>
    <message>
        <source> - Vault Property</source>
        <translation> - Propriétés du coffre</translation>
    </message>
    <message>
        <source>Load Vault</source>
        <translation>Charger le coffre</translation>
    </message>
    <message>
        <source>The vault&apos;s location is accessible but the vault could not be loaded. Do you want to try to repair the vault?</source>
        <translation>L&apos;emplacement du coffre est accessible, mais le coffre n&apos;a pas pu être chargé. Voulez-vous essayer de réparer le coffre ?</translation>
    </message>
    <message>
        <source>The index of the vault %1 could not be saved.</source>
        <translation>L&apos;index du coffre %1 n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>%1 - Confirm file delete</source>
        <translation>%1 - Confirmer la suppression du fichier</translation>
    </message>
    <message>
        <source>Backup failed: %1</source>
        <translation>Échec de la sauvegarde : %1</translation>
    </message>
    <message>
        <source>A synchronisation is running; please try again when it has finished.</source>
        <translation>Une synchronisation est en cours ; veuillez réessayer lorsqu&apos;elle sera terminée.</translation>
    </message>
    <message>
        <source>There is nothing to backup as your vault does not contain any data.</source>
        <translation>Il n&apos;y a rien à sauvegarder car votre coffre ne contient aucune donnée.</translation>
    </message>
    <message>
        <source>Vault %1 does not exist.</source>
        <translation>Le coffre %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>the new backup could not be read back.</source>
        <translation>la nouvelle sauvegarde n&apos;a pas pu être relue.</translation>
    </message>
    <message>
        <source>Backup completed successfully.</source>
        <translation>Sauvegarde terminée avec succès.</translation>
    </message>
    <message>
        <source>There is already a file with the same name in this location. Do you want to replace it?</source>
        <translation>Un fichier du même nom existe déjà à cet emplacement. Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>%1 item(s) could not be moved:
%2</source>
        <translation>Impossible de déplacer %1 élément(s) :
%2</translation>
    </message>
    <message>
        <source>%1 item(s) could not be copied:
%2</source>
        <translation>Impossible de copier %1 élément(s) :
%2</translation>
    </message>
    <message>
        <source>Moving Item...</source>
        <translation>Déplacement de l&apos;élément...</translation>
    </message>
    <message>
        <source>Can not move</source>
        <translation>Impossible de déplacer</translation>
    </message>
    <message>
        <source>The extracted files could not be written safely to %1. Check the disk and extract them again.</source>
        <translation>Les fichiers extraits n&apos;ont pas pu être écrits de manière sûre dans %1. Vérifiez le disque et extrayez-les à nouveau.</translation>
    </message>
    <message>
        <source>The application can not rename a file</source>
        <translation>L&apos;application ne peut pas renommer un fichier</translation>
    </message>
    <message>
        <source>Are you sure you want to permanently delete this folder?</source>
        <translation>Voulez-vous vraiment supprimer définitivement ce dossier ?</translation>
    </message>
    <message>
        <source>Are you sure you want to permanently delete this file?</source>
        <translation>Voulez-vous vraiment supprimer définitivement ce fichier ?</translation>
    </message>
    <message>
        <source>Are you sure you want to permanently delete these %1 items?</source>
        <translation>Voulez-vous vraiment supprimer définitivement ces %1 éléments ?</translation>
    </message>
    <message>
        <source> - Options</source>
        <translation> - Options</translation>
    </message>
    <message>
        <source>The options could not be saved to %1. They hold until the program ends.</source>
        <translation>Les options n&apos;ont pas pu être enregistrées dans %1. Elles restent valables jusqu&apos;à la fermeture du programme.</translation>
    </message>
    <message>
        <source>Password Hint</source>
        <translation>Indice de mot de passe</translation>
    </message>
    <message>
        <source> - Change Password</source>
        <translation> - Changer le mot de passe</translation>
    </message>
    <message>
        <source>The current password entered is invalid. Please try again.</source>
        <translation>Le mot de passe actuel saisi n&apos;est pas valide. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>The list of vaults %1 could not be read. Your password has not been changed.</source>
        <translation>La liste des coffres %1 n&apos;a pas pu être lue. Votre mot de passe n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>The list of vaults could not be saved to %1. Your password has not been changed; the current password still opens your vaults.</source>
        <translation>La liste des coffres n&apos;a pas pu être enregistrée dans %1. Votre mot de passe n&apos;a pas été modifié ; le mot de passe actuel ouvre toujours vos coffres.</translation>
    </message>
    <message>
        <source>Your password has been changed, but the key files of these vaults could not be written and still hold their keys under the old password:
%1

The vaults open as before; only adding such a folder again as an existing vault needs the old password.</source>
        <translation>Votre mot de passe a été modifié, mais les fichiers de clé de ces coffres n&apos;ont pas pu être écrits et conservent leurs clés sous l&apos;ancien mot de passe :
%1

Les coffres s&apos;ouvrent comme avant ; seul le fait d&apos;ajouter à nouveau un tel dossier comme coffre existant nécessite l&apos;ancien mot de passe.</translation>
    </message>
    <message>
        <source>Unable to write vault structure. The vault was not created.</source>
        <translation>Impossible d&apos;écrire la structure du coffre. Le coffre n&apos;a pas été créé.</translation>
    </message>
    <message>
        <source>Unable to write vault structure. The vault was not added.</source>
        <translation>Impossible d&apos;écrire la structure du coffre. Le coffre n&apos;a pas été ajouté.</translation>
    </message>
    <message>
        <source>An earlier list of vaults was found on the drive. It was kept as %1.</source>
        <translation>Une ancienne liste de coffres a été trouvée sur le lecteur. Elle a été conservée sous %1.</translation>
    </message>
    <message>
        <source>The key of the vault %1 in %2 is damaged. The vault&apos;s own key file still opens it: disconnect the vault and add it again with Add Existing Vault.</source>
        <translation>La clé du coffre %1 dans %2 est endommagée. Le fichier de clé du coffre l&apos;ouvre encore : déconnectez le coffre puis ajoutez-le à nouveau avec « Ajouter un coffre existant ».</translation>
    </message>
    <message>
        <source>Your password has been changed, but the key files of these vaults are damaged and were left as they are:
%1

The vaults open as before, but such a folder can&apos;t be added again as an existing vault.</source>
        <translation>Votre mot de passe a été modifié, mais les fichiers de clé de ces coffres sont endommagés et ont été laissés tels quels :
%1

Les coffres s&apos;ouvrent comme avant, mais un tel dossier ne peut plus être ajouté comme coffre existant.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged. It was kept as %2, and the default settings are used.</source>
        <translation>Le fichier de paramètres %1 est endommagé. Il a été conservé sous %2 et les paramètres par défaut sont utilisés.</translation>
    </message>
</context>
<context>
    <name>MainWindowClass</name>
    <message>
        <source>Login</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source> No </source>
        <translation> Non </translation>
    </message>
    <message>
        <source> Yes </source>
        <translation> Oui </translation>
    </message>
    <message>
        <source>Encrypting...</source>
        <translation>Chiffrement...</translation>
    </message>
    <message>
        <source>Yes to All</source>
        <translation>Oui pour tout</translation>
    </message>
    <message>
        <source>Decrypting...</source>
        <translation>Déchiffrement...</translation>
    </message>
    <message>
        <source>Decrypting Item...</source>
        <translation>Déchiffrement de l&apos;élément...</translation>
    </message>
    <message>
        <source>Flash Drive</source>
        <translation>Clé USB</translation>
    </message>
    <message>
        <source> - Create Password</source>
        <translation> - Créer un mot de passe</translation>
    </message>
    <message>
        <source> - About</source>
        <translation> - À propos</translation>
    </message>
    <message>
        <source>This vault could not be loaded, it may be located on another computer or the original vault file has been manually removed. The error is: %1</source>
        <translation>Ce coffre n&apos;a pas pu être chargé ; il se trouve peut-être sur un autre ordinateur, ou le fichier de coffre d&apos;origine a été supprimé manuellement. L&apos;erreur est : %1</translation>
    </message>
    <message>
        <source>[Select Language]</source>
        <translation>[Choisir la langue]</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>Mot de passe oublié ?</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Clavier virtuel</translation>
    </message>
    <message>
        <source>Enter Your Password</source>
        <translation>Saisissez votre mot de passe</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Rechercher...</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Poste de travail</translation>
    </message>
    <message>
        <source>My Vault</source>
        <translation>Mon coffre</translation>
    </message>
    <message>
        <source>Add File(s)</source>
        <translation>Ajouter des fichiers</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>New Vault</source>
        <translation>Nouveau coffre</translation>
    </message>
    <message>
        <source>Disconnect Vault</source>
        <translation>Déconnecter le coffre</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>Synchroniser</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Icônes</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Get Online Support</source>
        <translation>Assistance en ligne</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <source>Remove Folder</source>
        <translation>Retirer le dossier</translation>
    </message>
    <message>
        <source>Save File(s) to...</source>
        <translation>Enregistrer les fichiers dans...</translation>
    </message>
    <message>
        <source>Add Existing Vault</source>
        <translation>Ajouter un coffre existant</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Changer le mot de passe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Verrouiller</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Move to Folder...</source>
        <translation>Déplacer vers le dossier...</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Go Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Go Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Bureau</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documents</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Backup Vault Data</source>
        <translation>Sauvegarder les données du coffre</translation>
    </message>
    <message>
        <source>Restore Vault Data</source>
        <translation>Restaurer les données du coffre</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Options...</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Add Sync Peer</source>
        <translation>Ajouter un partenaire de synchronisation</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>Afficher dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Backup Vault</source>
        <translation>Sauvegarder le coffre</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Main ToolBar</source>
        <translation>Barre d&apos;outils principale</translation>
    </message>
    <message>
        <source>Could not create random bytes.</source>
        <translation>Impossible de générer des octets aléatoires.</translation>
    </message>
    <message>
        <source>The password cannot contain these characters: %1
Please use only letters, digits and signs of Western European languages.</source>
        <translation>Le mot de passe ne peut pas contenir ces caractères : %1
Veuillez n&apos;utiliser que des lettres, des chiffres et des signes des langues d&apos;Europe occidentale.</translation>
    </message>
    <message>
        <source> - Virtual Keyboard</source>
        <translation> - Clavier virtuel</translation>
    </message>
    <message>
        <source>Weak</source>
        <translation>Faible</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Bon</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Excellent</translation>
    </message>
    <message>
        <source>Passwords do not match</source>
        <translation>Les mots de passe ne correspondent pas</translation>
    </message>
    <message>
        <source>Invalid current item name.</source>
        <translation>Nom d&apos;élément actuel non valide.</translation>
    </message>
    <message>
        <source>Damaged item record in archive.</source>
        <translation>Enregistrement d&apos;élément endommagé dans l&apos;archive.</translation>
    </message>
    <message>
        <source>Invalid item name in archive.</source>
        <translation>Nom d&apos;élément non valide dans l&apos;archive.</translation>
    </message>
    <message>
        <source>Duplicate item name.</source>
        <translation>Nom d&apos;élément en double.</translation>
    </message>
    <message>
        <source>Invalid item name.</source>
        <translation>Nom d&apos;élément non valide.</translation>
    </message>
    <message>
        <source>Damaged vault header in archive.</source>
        <translation>En-tête de coffre endommagé dans l&apos;archive.</translation>
    </message>
    <message>
        <source>Invalid parent path in archive.</source>
        <translation>Chemin parent non valide dans l&apos;archive.</translation>
    </message>
    <message>
        <source>Invalid class name in archive.</source>
        <translation>Nom de classe non valide dans l&apos;archive.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Date Created</source>
        <translation>Date de création</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Copying  file...</source>
        <translation>Copie du fichier...</translation>
    </message>
    <message>
        <source>Copying Item...</source>
        <translation>Copie de l&apos;élément...</translation>
    </message>
    <message>
        <source>Can not move</source>
        <translation>Impossible de déplacer</translation>
    </message>
    <message>
        <source>Processing Items...</source>
        <translation>Traitement des éléments...</translation>
    </message>
    <message>
        <source>Moving Item...</source>
        <translation>Déplacement de l&apos;élément...</translation>
    </message>
    <message>
        <source>There is already an item with the same name in this location. Do you want to replace it?</source>
        <translation>Un élément du même nom existe déjà à cet emplacement. Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>Failed to move</source>
        <translation>Échec du déplacement</translation>
    </message>
    <message>
        <source>Failed to copy</source>
        <translation>Échec de la copie</translation>
    </message>
    <message>
        <source>The application can not add more files because the vault&apos;s disk is full.</source>
        <translation>L&apos;application ne peut plus ajouter de fichiers car le disque du coffre est plein.</translation>
    </message>
    <message>
        <source>Moving file...</source>
        <translation>Déplacement du fichier...</translation>
    </message>
    <message>
        <source>Copy folder...</source>
        <translation>Copier le dossier...</translation>
    </message>
    <message>
        <source>Add a vault here</source>
        <translation>Ajouter un coffre ici</translation>
    </message>
    <message>
        <source>Add a file or create a folder here</source>
        <translation>Ajouter un fichier ou créer un dossier ici</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Timeouts</source>
        <translation>Délais</translation>
    </message>
    <message>
        <source>Application timeout</source>
        <translation>Délai d&apos;inactivité de l&apos;application</translation>
    </message>
    <message>
        <source>Timeout in minutes:</source>
        <translation>Délai en minutes :</translation>
    </message>
    <message>
        <source>0 = Timeout Disabled</source>
        <translation>0 = Délai désactivé</translation>
    </message>
    <message>
        <source>Password expiration</source>
        <translation>Expiration du mot de passe</translation>
    </message>
    <message>
        <source>Expiration in days:</source>
        <translation>Expiration en jours :</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>File delete confirmation</source>
        <translation>Confirmation de suppression de fichier</translation>
    </message>
    <message>
        <source>Restore to default</source>
        <translation>Rétablir les valeurs par défaut</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Chiffrement</translation>
    </message>
    <message>
        <source>AES 256 bit</source>
        <translation>AES 256 bits</translation>
    </message>
    <message>
        <source>AES 512 bit</source>
        <translation>AES 512 bits</translation>
    </message>
    <message>
        <source>Preferred encryption method:</source>
        <translation>Méthode de chiffrement préférée :</translation>
    </message>
    <message>
        <source>AES 128 bit</source>
        <translation>AES 128 bits</translation>
    </message>
    <message>
        <source>AES 1024 bit</source>
        <translation>AES 1024 bits</translation>
    </message>
    <message>
        <source>Locations</source>
        <translation>Emplacements</translation>
    </message>
    <message>
        <source>Backup options</source>
        <translation>Options de sauvegarde</translation>
    </message>
    <message>
        <source>Backup location</source>
        <translation>Emplacement de sauvegarde</translation>
    </message>
    <message>
        <source>Application Data</source>
        <translation>Données d&apos;application</translation>
    </message>
    <message>
        <source>My Documents</source>
        <translation>Mes documents</translation>
    </message>
    <message>
        <source>Mount options</source>
        <translation>Options de montage</translation>
    </message>
    <message>
        <source>Mount location</source>
        <translation>Emplacement de montage</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Chemin</translation>
    </message>
    <message>
        <source>Backup retention</source>
        <translation>Conservation des sauvegardes</translation>
    </message>
    <message>
        <source>Keep number of backups:</source>
        <translation>Nombre de sauvegardes à conserver :</translation>
    </message>
    <message>
        <source>Enable automatic backup retention</source>
        <translation>Limiter le nombre de sauvegardes</translation>
    </message>
    <message>
        <source>You will need to restart the application for these changes to take effect</source>
        <translation>Vous devez redémarrer l&apos;application pour que ces modifications prennent effet</translation>
    </message>
</context>
<context>
    <name>PleaseWaitDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A backup is running. Please wait until it has finished before you quit the program or eject the flash drive.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Une sauvegarde est en cours. Veuillez attendre qu&apos;elle soit terminée avant de quitter le programme ou d&apos;éjecter la clé USB.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>ProblemReport</name>
    <message>
        <source>A problem occured</source>
        <translation>Un problème est survenu</translation>
    </message>
    <message>
        <source>Sending Report. . .</source>
        <translation>Envoi du rapport. . .</translation>
    </message>
    <message>
        <source>Send Report</source>
        <translation>Envoyer le rapport</translation>
    </message>
    <message>
        <source>Report was sent successful!</source>
        <translation>Le rapport a été envoyé avec succès !</translation>
    </message>
    <message>
        <source>Error sending report!
%2 (%1)</source>
        <translation>Erreur lors de l&apos;envoi du rapport !
%2 (%1)</translation>
    </message>
</context>
<context>
    <name>RestoreWizard</name>
    <message>
        <source>Restore Wizard</source>
        <translation>Assistant de restauration</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Welcome to the restore wizard.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;This wizard will guide you through the process of restoring current data from a previous backup.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Bienvenue dans l&apos;assistant de restauration.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;Cet assistant vous guide dans la restauration des données actuelles à partir d&apos;une sauvegarde précédente.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Please choose the location to be restored from the backup file and click &apos;Next&apos; to proceed.</source>
        <translation>Veuillez choisir l&apos;emplacement à restaurer à partir du fichier de sauvegarde et cliquer sur &apos;Suivant&apos; pour continuer.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Please select the backup to be restored and click &apos;Next&apos; to proceed.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Veuillez sélectionner la sauvegarde à restaurer et cliquer sur &apos;Suivant&apos; pour continuer.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Ancienneté</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The encryption key for the selected backup is not available. &lt;/p&gt;&lt;p&gt;A copy of the key is present in the backup, but is protected by a password.&lt;/p&gt;&lt;p&gt;Please enter the password that was in use when the backup was made and click &apos;Next&apos; to proceed.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;La clé de chiffrement de la sauvegarde sélectionnée n&apos;est pas disponible. &lt;/p&gt;&lt;p&gt;Une copie de la clé se trouve dans la sauvegarde, mais elle est protégée par un mot de passe.&lt;/p&gt;&lt;p&gt;Veuillez saisir le mot de passe utilisé lors de la création de la sauvegarde et cliquer sur &apos;Suivant&apos; pour continuer.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Password:&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Mot de passe :&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;You have entered an incorrect password. &lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Vous avez saisi un mot de passe incorrect. &lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Please go back and try again.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Veuillez revenir en arrière et réessayer.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;By clicking &apos;Restore&apos; you will replace all data in the selected vault with data from the backup.&lt;/p&gt;&lt;p&gt;Click &apos;Back&apos; if any changes are needed before proceeding.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;En cliquant sur &apos;Restaurer&apos;, vous remplacerez toutes les données du coffre sélectionné par celles de la sauvegarde.&lt;/p&gt;&lt;p&gt;Cliquez sur &apos;Précédent&apos; si des modifications sont nécessaires avant de continuer.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>New, empty folder for the vault:</source>
        <translation>Nouveau dossier vide pour le coffre :</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Restoring backup data.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Restauration des données de sauvegarde.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;There are no other backup files available.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Aucun autre fichier de sauvegarde n&apos;est disponible.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Data restored succesfully!&lt;br/&gt;&lt;/p&gt;&lt;p&gt;You can now close this Wizard and access the restored data.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Données restaurées avec succès !&lt;br/&gt;&lt;/p&gt;&lt;p&gt;Vous pouvez maintenant fermer cet assistant et accéder aux données restaurées.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The backup was not restored.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;La sauvegarde n&apos;a pas été restaurée.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Select the vault to restore</source>
        <translation>Sélectionnez le coffre à restaurer</translation>
    </message>
    <message>
        <source>Other unlisted vault</source>
        <translation>Autre coffre non répertorié</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Hier</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>%1 Days ago</source>
        <translation>Il y a %1 jours</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;By clicking &apos;Restore&apos; the backup becomes a new vault in the new, empty folder below. No existing vault is changed.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;En cliquant sur &apos;Restaurer&apos;, la sauvegarde devient un nouveau coffre dans le nouveau dossier vide ci-dessous. Aucun coffre existant n&apos;est modifié.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Choose a new, empty folder for the vault</source>
        <translation>Choisissez un nouveau dossier vide pour le coffre</translation>
    </message>
    <message>
        <source>Please choose a new, empty folder for the restored vault.</source>
        <translation>Veuillez choisir un nouveau dossier vide pour le coffre restauré.</translation>
    </message>
    <message>
        <source>%1 is not a folder. Please choose a new, empty folder for the restored vault.</source>
        <translation>%1 n&apos;est pas un dossier. Veuillez choisir un nouveau dossier vide pour le coffre restauré.</translation>
    </message>
    <message>
        <source>The folder %1 is not empty. Please choose a new, empty folder for the restored vault.</source>
        <translation>Le dossier %1 n&apos;est pas vide. Veuillez choisir un nouveau dossier vide pour le coffre restauré.</translation>
    </message>
    <message>
        <source>The folder %1 belongs to the vault %2. Please choose a new, empty folder for the restored vault.</source>
        <translation>Le dossier %1 appartient au coffre %2. Veuillez choisir un nouveau dossier vide pour le coffre restauré.</translation>
    </message>
    <message>
        <source>The folder %1 lies in the backup location. Please choose another folder.</source>
        <translation>Le dossier %1 se trouve dans l&apos;emplacement de sauvegarde. Veuillez choisir un autre dossier.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Le dossier %1 n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>Restored vault</source>
        <translation>Coffre restauré</translation>
    </message>
    <message>
        <source>The backup can be copied straight over the vault&apos;s files instead. If that fails part-way, the vault can&apos;t be put back as it was. Restore anyway?</source>
        <translation>La sauvegarde peut plutôt être copiée directement sur les fichiers du coffre. Si cela échoue en cours de route, le coffre ne pourra pas être remis dans son état antérieur. Restaurer quand même ?</translation>
    </message>
    <message>
        <source> Yes </source>
        <translation> Oui </translation>
    </message>
    <message>
        <source> No </source>
        <translation> Non </translation>
    </message>
    <message>
        <source>A synchronisation is running; please try again when it has finished.</source>
        <translation>Une synchronisation est en cours ; veuillez réessayer lorsqu&apos;elle sera terminée.</translation>
    </message>
    <message>
        <source>The folder of the vault %1 is not available.</source>
        <translation>Le dossier du coffre %1 n&apos;est pas disponible.</translation>
    </message>
    <message>
        <source>The backup holds no vault index.</source>
        <translation>La sauvegarde ne contient aucun index de coffre.</translation>
    </message>
    <message>
        <source>There is not enough free space beside the vault to restore it safely: %1 are needed, %2 are free.</source>
        <translation>Il n&apos;y a pas assez d&apos;espace libre à côté du coffre pour le restaurer en toute sécurité : %1 nécessaires, %2 disponibles.</translation>
    </message>
    <message>
        <source>No room could be made beside the vault folder %1 to restore into.</source>
        <translation>Impossible de libérer de la place à côté du dossier du coffre %1 pour la restauration.</translation>
    </message>
    <message>
        <source>The backup could not be copied: %1 The vault was not changed.</source>
        <translation>La sauvegarde n&apos;a pas pu être copiée : %1 Le coffre n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>The vault was not changed.</source>
        <translation>Le coffre n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>The backup&apos;s files could not be put in place in the vault folder %1.</source>
        <translation>Les fichiers de la sauvegarde n&apos;ont pas pu être placés dans le dossier du coffre %1.</translation>
    </message>
    <message>
        <source>Some of the vault&apos;s own files could not be put back; they are kept in %1.</source>
        <translation>Certains fichiers propres au coffre n&apos;ont pas pu être remis en place ; ils sont conservés dans %1.</translation>
    </message>
    <message>
        <source>The vault is as it was before.</source>
        <translation>Le coffre est tel qu&apos;il était.</translation>
    </message>
    <message>
        <source>The vault&apos;s files are as they were before.</source>
        <translation>Les fichiers du coffre sont tels qu&apos;ils étaient.</translation>
    </message>
    <message>
        <source>The backup could not be copied: %1 The vault may be damaged; restore it again once there is more free space.</source>
        <translation>La sauvegarde n&apos;a pas pu être copiée : %1 Le coffre est peut-être endommagé ; restaurez-le à nouveau dès qu&apos;il y aura plus d&apos;espace libre.</translation>
    </message>
    <message>
        <source>The vault may be damaged.</source>
        <translation>Le coffre est peut-être endommagé.</translation>
    </message>
    <message>
        <source>The backup&apos;s index can&apos;t be opened with the key that was found for it.</source>
        <translation>L&apos;index de la sauvegarde ne peut pas être ouvert avec la clé trouvée pour elle.</translation>
    </message>
    <message>
        <source>The backup&apos;s index can&apos;t be read.</source>
        <translation>L&apos;index de la sauvegarde ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The backup&apos;s index is damaged: %1</source>
        <translation>L&apos;index de la sauvegarde est endommagé : %1</translation>
    </message>
    <message>
        <source>The backup lacks the encrypted file of %1.</source>
        <translation>Il manque dans la sauvegarde le fichier chiffré de %1.</translation>
    </message>
    <message>
        <source>The restored vault could not be loaded: %1</source>
        <translation>Le coffre restauré n&apos;a pas pu être chargé : %1</translation>
    </message>
    <message>
        <source>The restored vault could not be loaded.</source>
        <translation>Le coffre restauré n&apos;a pas pu être chargé.</translation>
    </message>
    <message>
        <source>The encrypted file of %1 in the backup is not whole (%2).</source>
        <translation>Le fichier chiffré de %1 dans la sauvegarde n&apos;est pas complet (%2).</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a symbolic link</source>
        <translation>Impossible d&apos;écrire %1 : c&apos;est un lien symbolique</translation>
    </message>
</context>
<context>
    <name>TAVBrowseFolderDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
    <message>
        <source>Select a target folder:</source>
        <translation>Sélectionnez un dossier cible :</translation>
    </message>
    <message>
        <source>Please select a target folder.</source>
        <translation>Veuillez sélectionner un dossier cible.</translation>
    </message>
</context>
<context>
    <name>TAVCryptoThread</name>
    <message>
        <source>Cannot open file for read %1
Error: %2</source>
        <translation>Impossible d&apos;ouvrir le fichier en lecture %1
Erreur : %2</translation>
    </message>
    <message>
        <source>Cannot open file for write %1
Error: %2</source>
        <translation>Impossible d&apos;ouvrir le fichier en écriture %1
Erreur : %2</translation>
    </message>
</context>
<context>
    <name>TAVFile</name>
    <message>
        <source>File %1 does not exist</source>
        <translation>Le fichier %1 n&apos;existe pas</translation>
    </message>
</context>
<context>
    <name>TAVFileWatcher</name>
    <message>
        <source>%1 is a symbolic link: the decrypted copy is not written there.</source>
        <translation>%1 est un lien symbolique : la copie déchiffrée n&apos;y est pas écrite.</translation>
    </message>
    <message>
        <source>%1 is open with changes that are not in the vault yet.</source>
        <translation>%1 est ouvert avec des modifications qui ne sont pas encore dans le coffre.</translation>
    </message>
    <message>
        <source>The folder %1 for the decrypted copy could not be made.</source>
        <translation>Le dossier %1 destiné à la copie déchiffrée n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>The changes of %1 could not be put into the vault: the vault is not open.</source>
        <translation>Les modifications de %1 n&apos;ont pas pu être placées dans le coffre : le coffre n&apos;est pas ouvert.</translation>
    </message>
    <message>
        <source>The changes of %1 could not be put into the vault: the vault&apos;s folder is not found.</source>
        <translation>Les modifications de %1 n&apos;ont pas pu être placées dans le coffre : le dossier du coffre est introuvable.</translation>
    </message>
    <message>
        <source>The changes of %1 are in the vault, but the vault&apos;s index could not be saved.</source>
        <translation>Les modifications de %1 sont dans le coffre, mais l&apos;index du coffre n&apos;a pas pu être enregistré.</translation>
    </message>
</context>
<context>
    <name>TAVItem</name>
    <message>
        <source>Decryption failed.</source>
        <translation>Échec du déchiffrement.</translation>
    </message>
</context>
<context>
    <name>TAVProgressDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
    <message>
        <source>Encrypting...</source>
        <translation>Chiffrement...</translation>
    </message>
    <message>
        <source>Estimated Time to Complete: 0.00 minutes</source>
        <translation>Temps restant estimé : 0,00 minutes</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>Estimated Time to Complete:</source>
        <translation>Temps restant estimé :</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>heures</translation>
    </message>
</context>
<context>
    <name>TAVProgressLogDialog</name>
    <message>
        <source>Synchronization</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <source>Synchronization progress:</source>
        <translation>Progression de la synchronisation :</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>No items is synced</source>
        <translation>Aucun élément synchronisé</translation>
    </message>
    <message>
        <source>Synchronization completed successfully.</source>
        <translation>Synchronisation terminée avec succès.</translation>
    </message>
    <message>
        <source>Synchronization finished, but not every file could be synchronized. See the lines above.</source>
        <translation>Synchronisation terminée, mais certains fichiers n&apos;ont pas pu être synchronisés. Voir les lignes ci-dessus.</translation>
    </message>
</context>
<context>
    <name>TAVSync</name>
    <message>
        <source>Synchronization cancelled.</source>
        <translation>Synchronisation annulée.</translation>
    </message>
    <message>
        <source>Vault is not loaded</source>
        <translation>Le coffre n&apos;est pas chargé</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>Le dossier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The disk folder %1 is empty, but held %2 items at the last synchronization: nothing was deleted or copied for this peer.</source>
        <translation>Le dossier du disque %1 est vide, mais contenait %2 éléments lors de la dernière synchronisation : rien n&apos;a été supprimé ni copié pour ce partenaire.</translation>
    </message>
    <message>
        <source>The vault folder %1 is empty, but held %2 items at the last synchronization: nothing was deleted or copied for this peer.</source>
        <translation>Le dossier du coffre %1 est vide, mais contenait %2 éléments lors de la dernière synchronisation : rien n&apos;a été supprimé ni copié pour ce partenaire.</translation>
    </message>
    <message>
        <source>The new files could not be written to the disk.</source>
        <translation>Les nouveaux fichiers n&apos;ont pas pu être écrits sur le disque.</translation>
    </message>
    <message>
        <source>The vault&apos;s index could not be saved.</source>
        <translation>L&apos;index du coffre n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>The item is no longer in the vault.</source>
        <translation>L&apos;élément n&apos;est plus dans le coffre.</translation>
    </message>
    <message>
        <source>A folder of that name is in the vault.</source>
        <translation>Un dossier de ce nom se trouve dans le coffre.</translation>
    </message>
    <message>
        <source>Its folder is not in the vault.</source>
        <translation>Son dossier n&apos;est pas dans le coffre.</translation>
    </message>
    <message>
        <source>Kept %1: it holds items the last synchronization did not know.</source>
        <translation>%1 conservé : il contient des éléments que la dernière synchronisation ne connaissait pas.</translation>
    </message>
    <message>
        <source>Kept %1: it is reached through a symbolic link.</source>
        <translation>%1 conservé : il est atteint par un lien symbolique.</translation>
    </message>
    <message>
        <source>Kept %1: it holds files the last synchronization did not know.</source>
        <translation>%1 conservé : il contient des fichiers que la dernière synchronisation ne connaissait pas.</translation>
    </message>
    <message>
        <source>The list of synchronization peers of this vault can&apos;t be read. Nothing was changed.</source>
        <translation>La liste des partenaires de synchronisation de ce coffre ne peut pas être lue. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>These folders are already synchronized.</source>
        <translation>Ces dossiers sont déjà synchronisés.</translation>
    </message>
    <message>
        <source>The list of synchronization peers could not be written. The folder was not added.</source>
        <translation>La liste des partenaires de synchronisation n&apos;a pas pu être écrite. Le dossier n&apos;a pas été ajouté.</translation>
    </message>
    <message>
        <source>This folder can&apos;t be synchronized: it is the vault&apos;s own folder, lies inside it or holds it.</source>
        <translation>Ce dossier ne peut pas être synchronisé : c&apos;est le dossier du coffre lui-même, il s&apos;y trouve ou il le contient.</translation>
    </message>
    <message>
        <source>This folder can&apos;t be synchronized: the application keeps its own files there.</source>
        <translation>Ce dossier ne peut pas être synchronisé : l&apos;application y conserve ses propres fichiers.</translation>
    </message>
    <message>
        <source>The folder could not be added.</source>
        <translation>Le dossier n&apos;a pas pu être ajouté.</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Démarrage...</translation>
    </message>
    <message>
        <source>Synchronization finished with errors: see the lines above.</source>
        <translation>Synchronisation terminée avec des erreurs : voir les lignes ci-dessus.</translation>
    </message>
    <message>
        <source>Another synchronization is running.</source>
        <translation>Une autre synchronisation est en cours.</translation>
    </message>
    <message>
        <source>No synchronization peers defined.</source>
        <translation>Aucun partenaire de synchronisation défini.</translation>
    </message>
    <message>
        <source>Skipped: %1 (names that differ only in case)</source>
        <translation>Ignoré : %1 (des noms qui ne diffèrent que par la casse)</translation>
    </message>
    <message>
        <source>The folder can&apos;t be read: nothing was deleted or copied for this peer.</source>
        <translation>Le dossier ne peut pas être lu : rien n&apos;a été supprimé ni copié pour ce partenaire.</translation>
    </message>
    <message>
        <source>The folder %1 was removed or replaced during the synchronization: nothing more was copied or deleted for this peer.</source>
        <translation>Le dossier %1 a été retiré ou remplacé pendant la synchronisation : rien de plus n&apos;a été copié ni supprimé pour ce partenaire.</translation>
    </message>
    <message>
        <source>Kept %1: it changed on the disk during the synchronization.</source>
        <translation>%1 conservé : il a changé sur le disque pendant la synchronisation.</translation>
    </message>
    <message>
        <source>The vault&apos;s folder can&apos;t be written.</source>
        <translation>Le dossier du coffre ne peut pas être écrit.</translation>
    </message>
    <message>
        <source>Skipped: %1 (a symbolic link)</source>
        <translation>Ignoré : %1 (un lien symbolique)</translation>
    </message>
    <message>
        <source>This folder can&apos;t be synchronized: it holds or lies inside a folder already synchronized with this vault.</source>
        <translation>Ce dossier ne peut pas être synchronisé : il contient un dossier déjà synchronisé avec ce coffre ou se trouve à l&apos;intérieur.</translation>
    </message>
    <message>
        <source>Failed: %1 (can&apos;t be read: %2)</source>
        <translation>Échec : %1 (lecture impossible : %2)</translation>
    </message>
    <message>
        <source>Skipped: %1 (not a file or a folder)</source>
        <translation>Ignoré : %1 (ni un fichier ni un dossier)</translation>
    </message>
</context>
<context>
    <name>TAVSyncProgressDialog</name>
    <message>
        <source>Synchronization</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <source>Synchronization progress:</source>
        <translation>Progression de la synchronisation :</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>No items is synced</source>
        <translation>Aucun élément synchronisé</translation>
    </message>
    <message>
        <source>Synchronization completed successfully.</source>
        <translation>Synchronisation terminée avec succès.</translation>
    </message>
    <message>
        <source>Repair completed successfully.</source>
        <translation>Réparation terminée avec succès.</translation>
    </message>
    <message>
        <source>Synchronization finished with errors:</source>
        <translation>Synchronisation terminée avec des erreurs :</translation>
    </message>
    <message>
        <source>Synchronization finished with errors. The lines in the progress window say which items could not be synchronized.</source>
        <translation>Synchronisation terminée avec des erreurs. Les lignes de la fenêtre de progression indiquent les éléments qui n&apos;ont pas pu être synchronisés.</translation>
    </message>
</context>
<context>
    <name>TavVaultProperty</name>
    <message>
        <source>Dialog</source>
        <translation>Boîte de dialogue</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Infos</translation>
    </message>
    <message>
        <source>Type of encryption:</source>
        <translation>Type de chiffrement :</translation>
    </message>
    <message>
        <source>Total number of files:</source>
        <translation>Nombre total de fichiers :</translation>
    </message>
    <message>
        <source>Total storage space:</source>
        <translation>Espace de stockage total :</translation>
    </message>
    <message>
        <source>Full Physical Path:</source>
        <translation>Chemin physique complet :</translation>
    </message>
    <message>
        <source>Set Vault Password</source>
        <translation>Définir le mot de passe du coffre</translation>
    </message>
    <message>
        <source>Repair vault </source>
        <translation>Réparer le coffre </translation>
    </message>
    <message>
        <source>Synchronization</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <source>Synchronization peers:</source>
        <translation>Partenaires de synchronisation :</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Hôte</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>Dossier local</translation>
    </message>
    <message>
        <source>Vault folder</source>
        <translation>Dossier du coffre</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>Synchroniser</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>This repair has already run.</source>
        <translation>Cette réparation a déjà été effectuée.</translation>
    </message>
    <message>
        <source>The folder of the vault cannot be found: %1
Nothing was repaired.</source>
        <translation>Le dossier du coffre est introuvable : %1
Rien n&apos;a été réparé.</translation>
    </message>
    <message>
        <source>A repair of this vault is already running.</source>
        <translation>Une réparation de ce coffre est déjà en cours.</translation>
    </message>
    <message>
        <source>A synchronization is running. Please try again when it has finished.</source>
        <translation>Une synchronisation est en cours. Veuillez réessayer lorsqu&apos;elle sera terminée.</translation>
    </message>
    <message>
        <source>Start repair index file</source>
        <translation>Démarrer la réparation du fichier d&apos;index</translation>
    </message>
    <message>
        <source>The repair was cancelled. The index was not changed.</source>
        <translation>La réparation a été annulée. L&apos;index n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>Only %1 of the %2 files listed in the index of the vault &quot;%3&quot; were found in its folder %4.
If the drive or the folder is incomplete, repairing now takes the missing files out of the index.

Repair the index anyway?</source>
        <translation>Seuls %1 des %2 fichiers répertoriés dans l&apos;index du coffre &quot;%3&quot; ont été trouvés dans son dossier %4.
Si le lecteur ou le dossier est incomplet, la réparation retire maintenant les fichiers manquants de l&apos;index.

Réparer l&apos;index quand même ?</translation>
    </message>
    <message>
        <source>The index was not repaired.</source>
        <translation>L&apos;index n&apos;a pas été réparé.</translation>
    </message>
    <message>
        <source>The vault&apos;s key does not fit the files in its folder. Nothing was repaired.</source>
        <translation>La clé du coffre ne correspond pas aux fichiers de son dossier. Rien n&apos;a été réparé.</translation>
    </message>
    <message>
        <source>The vault was closed during the repair. The index was not changed.</source>
        <translation>Le coffre a été fermé pendant la réparation. L&apos;index n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>The previous index could not be kept (%1). The index was not changed.</source>
        <translation>L&apos;index précédent n&apos;a pas pu être conservé (%1). L&apos;index n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>The index could not be rebuilt. The index was not changed.</source>
        <translation>L&apos;index n&apos;a pas pu être reconstruit. L&apos;index n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>The repaired index could not be written. The previous index is kept.</source>
        <translation>L&apos;index réparé n&apos;a pas pu être écrit. L&apos;index précédent est conservé.</translation>
    </message>
    <message>
        <source>The index was repaired: %1 files rebuilt (%2 of them in the folder &quot;%3&quot;), %4 removed, %5 skipped.</source>
        <translation>L&apos;index a été réparé : %1 fichiers reconstruits (dont %2 dans le dossier &quot;%3&quot;), %4 supprimés, %5 ignorés.</translation>
    </message>
    <message>
        <source>Please choose a folder to synchronise with:</source>
        <translation>Veuillez choisir un dossier avec lequel synchroniser :</translation>
    </message>
    <message>
        <source>This synchronization peer is no longer in the list of the vault.</source>
        <translation>Ce partenaire de synchronisation ne figure plus dans la liste du coffre.</translation>
    </message>
    <message>
        <source>The list of synchronization peers of this vault could not be changed. The peer was not removed.</source>
        <translation>La liste des partenaires de synchronisation de ce coffre n&apos;a pas pu être modifiée. Le partenaire n&apos;a pas été retiré.</translation>
    </message>
    <message>
        <source>Please try again and enter a password</source>
        <translation>Veuillez réessayer en saisissant un mot de passe</translation>
    </message>
    <message>
        <source>Please enter a new password to encrypt the key:</source>
        <translation>Veuillez saisir un nouveau mot de passe pour chiffrer la clé :</translation>
    </message>
    <message>
        <source>Please enter the password again:</source>
        <translation>Veuillez saisir à nouveau le mot de passe :</translation>
    </message>
    <message>
        <source>The two passwords are not the same. The vault password was not changed.</source>
        <translation>Les deux mots de passe ne sont pas identiques. Le mot de passe du coffre n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>The vault password could not be saved in %1. The key chain was not changed.</source>
        <translation>Le mot de passe du coffre n&apos;a pas pu être enregistré dans %1. Le trousseau de clés n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>The vault password was set.</source>
        <translation>Le mot de passe du coffre a été défini.</translation>
    </message>
    <message>
        <source>Repair Progress</source>
        <translation>Progression de la réparation</translation>
    </message>
</context>
<context>
    <name>UpdateAvailableDialog</name>
    <message>
        <source>Kolvane - New Version Available</source>
        <translation>Kolvane - Nouvelle version disponible</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
</context>
<context>
    <name>UpdateConfigDialog</name>
    <message>
        <source>Kolvane - Updates configuration</source>
        <translation>Kolvane - Configuration des mises à jour</translation>
    </message>
    <message>
        <source>How often do you want to check for updates?</source>
        <translation>À quelle fréquence voulez-vous rechercher des mises à jour ?</translation>
    </message>
    <message>
        <source>Once a week</source>
        <translation>Une fois par semaine</translation>
    </message>
    <message>
        <source>Every two weeks</source>
        <translation>Toutes les deux semaines</translation>
    </message>
    <message>
        <source>Once a month</source>
        <translation>Une fois par mois</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>Check for updates now</source>
        <translation>Rechercher des mises à jour maintenant</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Thank you for using %1
You are using %1 %2. There are currently no updates available.
Please try again later.</source>
        <translation>Merci d&apos;utiliser %1
Vous utilisez %1 %2. Aucune mise à jour n&apos;est disponible pour le moment.
Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source> - New Version Available</source>
        <translation> - Nouvelle version disponible</translation>
    </message>
</context>
<context>
    <name>UpdateDownload</name>
    <message>
        <source>The server did not answer in time</source>
        <translation>Le serveur n&apos;a pas répondu à temps</translation>
    </message>
    <message>
        <source>A download is already under way</source>
        <translation>Un téléchargement est déjà en cours</translation>
    </message>
    <message>
        <source>The address %1 is not a secure one</source>
        <translation>L&apos;adresse %1 n&apos;est pas sécurisée</translation>
    </message>
    <message>
        <source>The address %1 names no file</source>
        <translation>L&apos;adresse %1 ne désigne aucun fichier</translation>
    </message>
    <message>
        <source>Redirected without a new address</source>
        <translation>Redirigé sans nouvelle adresse</translation>
    </message>
    <message>
        <source>Too many redirections</source>
        <translation>Trop de redirections</translation>
    </message>
    <message>
        <source>Redirected from a secure address to %1</source>
        <translation>Redirigé d&apos;une adresse sécurisée vers %1</translation>
    </message>
    <message>
        <source>The server answered %1</source>
        <translation>Le serveur a répondu %1</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>The package is larger than %1 MiB</source>
        <translation>Le paquet dépasse %1 Mio</translation>
    </message>
</context>
<context>
    <name>Utils</name>
    <message>
        <source>Start synchronizing files now.</source>
        <translation>Synchroniser les fichiers maintenant.</translation>
    </message>
    <message>
        <source>There are %1 file(s) to be synchronized.</source>
        <translation>%1 fichier(s) à synchroniser.</translation>
    </message>
</context>
<context>
    <name>Vir_KeyPad_Dialog</name>
    <message>
        <source>Virtual Keypad</source>
        <translation>Pavé virtuel</translation>
    </message>
    <message>
        <source>Show Plain Text</source>
        <translation>Afficher en clair</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Maj</translation>
    </message>
    <message>
        <source>&lt;--</source>
        <translation>&lt;--</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Security Level</source>
        <translation>Niveau de sécurité</translation>
    </message>
    <message>
        <source>Realtime</source>
        <translation>Temps réel</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Faible</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
</context>
<context>
    <name>WorkingDrive</name>
    <message>
        <source>There is no data folder for the drive folder.</source>
        <translation>Il n&apos;y a pas de dossier de données pour le dossier du lecteur.</translation>
    </message>
    <message>
        <source>%1 must name a folder by its full path: %2</source>
        <translation>%1 doit désigner un dossier par son chemin complet : %2</translation>
    </message>
    <message>
        <source>The drive folder %1 can&apos;t be made.</source>
        <translation>Le dossier du lecteur %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The drive folder can&apos;t be the root folder.</source>
        <translation>Le dossier du lecteur ne peut pas être le dossier racine.</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 can&apos;t be made: %2</source>
        <translation>Le fichier de numéro de série du lecteur %1 ne peut pas être créé : %2</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 can&apos;t be written: %2</source>
        <translation>Le fichier de numéro de série du lecteur %1 ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 can&apos;t be read: %2</source>
        <translation>Le fichier de numéro de série du lecteur %1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 is damaged.</source>
        <translation>Le fichier de numéro de série du lecteur %1 est endommagé.</translation>
    </message>
    <message>
        <source>The drive folder %1 named by %2 does not exist.</source>
        <translation>Le dossier de lecteur %1 indiqué par %2 n&apos;existe pas.</translation>
    </message>
</context>
<context>
    <name>velmora_howto</name>
    <message>
        <source>Data Protection</source>
        <translation>Protection des données</translation>
    </message>
    <message>
        <source>4 ways to protect your files</source>
        <translation>4 façons de protéger vos fichiers</translation>
    </message>
    <message>
        <source>Drag and drop files onto main screen</source>
        <translation>Glisser-déposer des fichiers dans l&apos;écran principal</translation>
    </message>
    <message>
        <source>Copy and paste files onto main screen</source>
        <translation>Copier et coller des fichiers dans l&apos;écran principal</translation>
    </message>
    <message>
        <source>Click &apos;Add files&apos; button to browse and add file</source>
        <translation>Cliquez sur le bouton &apos;Ajouter des fichiers&apos; pour parcourir et ajouter des fichiers</translation>
    </message>
    <message>
        <source>Use Backup Data to safeguard your data against loss</source>
        <translation>Utilisez la sauvegarde des données pour protéger vos données contre la perte</translation>
    </message>
    <message>
        <source>Ctrl-C / Ctrl-V</source>
        <translation>Ctrl-C / Ctrl-V</translation>
    </message>
    <message>
        <source>Do not show again</source>
        <translation>Ne plus afficher</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
</context>
</TS>
