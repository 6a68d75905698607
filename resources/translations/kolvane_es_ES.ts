<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Software License Agreement</source>
        <translation>Contrato de licencia de software</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>the vault folder %1 does not exist.</source>
        <translation>la carpeta de la caja fuerte %1 no existe.</translation>
    </message>
    <message>
        <source>the backup location lies inside the vault folder.</source>
        <translation>la ubicación de las copias de seguridad está dentro de la carpeta de la caja fuerte.</translation>
    </message>
    <message>
        <source>no random bytes could be had for the backup&apos;s key check.</source>
        <translation>no se pudieron obtener bytes aleatorios para la comprobación de clave de la copia de seguridad.</translation>
    </message>
    <message>
        <source>the vault key could not be protected for the backup&apos;s key check.</source>
        <translation>no se pudo proteger la clave de la caja fuerte para la comprobación de clave de la copia de seguridad.</translation>
    </message>
    <message>
        <source>the earlier key check %1 could not be removed.</source>
        <translation>no se pudo eliminar la comprobación de clave anterior %1.</translation>
    </message>
    <message>
        <source>the key check %1 could not be written: %2</source>
        <translation>no se pudo escribir la comprobación de clave %1: %2</translation>
    </message>
    <message>
        <source>the copied files could not be written to the disk: %1</source>
        <translation>los archivos copiados no se pudieron escribir en el disco: %1</translation>
    </message>
    <message>
        <source>the backup folder %1 does not exist.</source>
        <translation>la carpeta de copias de seguridad %1 no existe.</translation>
    </message>
    <message>
        <source>the folder %1 does not exist.</source>
        <translation>la carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>the folder %1 could not be read.</source>
        <translation>no se pudo leer la carpeta %1.</translation>
    </message>
    <message>
        <source>the folder %1 could not be made.</source>
        <translation>no se pudo crear la carpeta %1.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>No se pudo leer %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be written: it is a symbolic link.</source>
        <translation>No se pudo escribir %1: es un enlace simbólico.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be read to its end.</source>
        <translation>No se pudo leer %1 hasta el final.</translation>
    </message>
    <message>
        <source>%1 could not be written whole.</source>
        <translation>No se pudo escribir %1 por completo.</translation>
    </message>
</context>
<context>
    <name>ChangePasswordDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Enter your new password:</source>
        <translation>Escriba su nueva contraseña:</translation>
    </message>
    <message>
        <source>Enter your current password:</source>
        <translation>Escriba su contraseña actual:</translation>
    </message>
    <message>
        <source>Confirm your new password:</source>
        <translation>Confirme su nueva contraseña:</translation>
    </message>
    <message>
        <source>Password Strength:</source>
        <translation>Seguridad de la contraseña:</translation>
    </message>
    <message>
        <source>Virtual keyboard</source>
        <translation>Teclado virtual</translation>
    </message>
    <message>
        <source>Use more than 6 characters</source>
        <translation>Use más de 6 caracteres</translation>
    </message>
    <message>
        <source>Use numeric and alpha numeric characters</source>
        <translation>Use números y letras</translation>
    </message>
    <message>
        <source>Use upper- and lower case characters</source>
        <translation>Use mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>Use special characters (#, $, !, %, &amp;&amp;, ^, *)</source>
        <translation>Use caracteres especiales (#, $, !, %, &amp;&amp;, ^, *)</translation>
    </message>
    <message>
        <source>Password Hint: (optional)</source>
        <translation>Pista de contraseña: (opcional)</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:13pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;You can type a password hint here, to help you remember your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;Try to pick a word or phrase that is clear enough to remind you, but vague&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;enough that nobody can guess your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(For example, the password &amp;quot;R0sebud#1941&amp;quot; with the hint &amp;quot;sled&amp;quot;.)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:13pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;Aquí puede escribir una pista de contraseña que le ayude a recordarla.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;Elija una palabra o frase lo bastante clara para recordársela, pero lo bastante vaga&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;para que nadie pueda adivinar su contraseña.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(Por ejemplo, la contraseña &amp;quot;R0sebud#1941&amp;quot; con la pista &amp;quot;trineo&amp;quot;.)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Password Recommendations:</source>
        <translation>Recomendaciones de contraseña:</translation>
    </message>
</context>
<context>
    <name>ConfirmFileDeleteDialog</name>
    <message>
        <source>Are you sure you want to delete the file?</source>
        <translation>¿Está seguro de que desea eliminar el archivo?</translation>
    </message>
    <message>
        <source>Don’t ask this question again.</source>
        <translation>No volver a hacer esta pregunta.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
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
        <translation>Se agotó el tiempo de espera de la conexión con el servidor remoto</translation>
    </message>
    <message>
        <source>The answer of the server is larger than %1 KiB</source>
        <translation>La respuesta del servidor supera los %1 KiB</translation>
    </message>
</context>
<context>
    <name>KVVaveCreatePasswordDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Create your password:</source>
        <translation>Cree su contraseña:</translation>
    </message>
    <message>
        <source>Confirm your password:</source>
        <translation>Confirme su contraseña:</translation>
    </message>
    <message>
        <source>Password Strength:</source>
        <translation>Seguridad de la contraseña:</translation>
    </message>
    <message>
        <source>Virtual keyboard</source>
        <translation>Teclado virtual</translation>
    </message>
    <message>
        <source>Use more than 6 characters</source>
        <translation>Use más de 6 caracteres</translation>
    </message>
    <message>
        <source>Use numeric and alpha numeric characters</source>
        <translation>Use números y letras</translation>
    </message>
    <message>
        <source>Use upper- and lower case characters</source>
        <translation>Use mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>Use special characters (#, $, !, %, &amp;&amp;, ^, *)</source>
        <translation>Use caracteres especiales (#, $, !, %, &amp;&amp;, ^, *)</translation>
    </message>
    <message>
        <source>Create Password</source>
        <translation>Crear contraseña</translation>
    </message>
    <message>
        <source>Password Hint: (optional)</source>
        <translation>Pista de contraseña: (opcional)</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:10pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;You can type a password hint here, to help you remember your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;Try to pick a word or phrase that is clear enough to remind you, but vague&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;enough that nobody can guess your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(For example, the password &amp;quot;R0sebud#1941&amp;quot; with the hint &amp;quot;sled&amp;quot;.)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:10pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;Aquí puede escribir una pista de contraseña que le ayude a recordarla.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;Elija una palabra o frase lo bastante clara para recordársela, pero lo bastante vaga&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;para que nadie pueda adivinar su contraseña.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(Por ejemplo, la contraseña &amp;quot;R0sebud#1941&amp;quot; con la pista &amp;quot;trineo&amp;quot;.)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Password Recommendations:</source>
        <translation>Recomendaciones de contraseña:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source> - Select Files to Encrypt</source>
        <translation> - Seleccionar archivos para cifrar</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Cifrar</translation>
    </message>
    <message>
        <source>Cannot add files here.</source>
        <translation>No se pueden añadir archivos aquí.</translation>
    </message>
    <message>
        <source>These items could not be found and were not added:
%1</source>
        <translation>Estos elementos no se encontraron y no se añadieron:
%1</translation>
    </message>
    <message>
        <source>Would you like to completely remove the original file(s) from your computer?</source>
        <translation>¿Desea eliminar por completo los archivos originales de su equipo?</translation>
    </message>
    <message>
        <source>You are about to securely wipe the original file(s) from your computer. You will not be able to recover these file(s) once they have been removed. Do you wish to continue?</source>
        <translation>Está a punto de borrar de forma segura los archivos originales de su equipo. No podrá recuperarlos una vez eliminados. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>The vault %1 could not be saved, so the files just added are not kept in it. The original files have not been removed.</source>
        <translation>No se pudo guardar la caja fuerte %1, así que los archivos recién añadidos no se conservan en ella. Los archivos originales no se han eliminado.</translation>
    </message>
    <message>
        <source>The files added to the vault %1 could not be written safely to its disk. The original files have not been removed.</source>
        <translation>Los archivos añadidos a la caja fuerte %1 no se pudieron escribir de forma segura en su disco. Los archivos originales no se han eliminado.</translation>
    </message>
    <message>
        <source>can not remove</source>
        <translation>no se puede quitar</translation>
    </message>
    <message>
        <source>This file is read-only or locked by another application.

Press &apos;Try Again&apos; to try to remove it, &apos;Ignore&apos; to continue or &apos;Cancel&apos; to stop removing files.</source>
        <translation>Este archivo es de solo lectura o está bloqueado por otra aplicación.

Pulse &apos;Reintentar&apos; para intentar eliminarlo, &apos;Omitir&apos; para continuar o &apos;Cancelar&apos; para dejar de eliminar archivos.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source> is neither a directory nor a file. %1 encrypts a directory or a file only. Please try again.</source>
        <translation> no es ni una carpeta ni un archivo. %1 solo cifra carpetas o archivos. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The folder %1 was not added: a file of the same name is already there.</source>
        <translation>La carpeta %1 no se añadió: ya hay un archivo con el mismo nombre.</translation>
    </message>
    <message>
        <source>The folder %1 could not be added: %2</source>
        <translation>No se pudo añadir la carpeta %1: %2</translation>
    </message>
    <message>
        <source>%1 was not added: it is not a file that can be read.</source>
        <translation>%1 no se añadió: no es un archivo que se pueda leer.</translation>
    </message>
    <message>
        <source>The application can not add more files because the vault&apos;s disk is full.</source>
        <translation>La aplicación no puede añadir más archivos porque el disco de la caja fuerte está lleno.</translation>
    </message>
    <message>
        <source>It is not possible to encrypt the selected file. This may be due to a restriction of the USB flash drive file system or the drive is full.</source>
        <translation>No es posible cifrar el archivo seleccionado. Puede deberse a una restricción del sistema de archivos de la unidad flash USB o a que la unidad está llena.</translation>
    </message>
    <message>
        <source>The file %1 was not added: a folder of the same name is already there.</source>
        <translation>El archivo %1 no se añadió: ya hay una carpeta con el mismo nombre.</translation>
    </message>
    <message>
        <source>%1 already contains a file name &apos;</source>
        <translation>%1 ya contiene un archivo llamado &apos;</translation>
    </message>
    <message>
        <source>&apos;. Would you like to replace the existing file?</source>
        <translation>&apos;. ¿Desea reemplazar el archivo existente?</translation>
    </message>
    <message>
        <source>The copy operation was cancelled by the user</source>
        <translation>El usuario canceló la operación de copia</translation>
    </message>
    <message>
        <source>%1 could not be added: %2</source>
        <translation>No se pudo añadir %1: %2</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>%1 could not be encrypted into the vault: %2</source>
        <translation>No se pudo cifrar %1 en la caja fuerte: %2</translation>
    </message>
    <message>
        <source>The selected items lie in more than one vault. Please select the one vault to back up.</source>
        <translation>Los elementos seleccionados están en más de una caja fuerte. Seleccione la única caja fuerte de la que hacer copia de seguridad.</translation>
    </message>
    <message>
        <source>Please select the vault to back up.</source>
        <translation>Seleccione la caja fuerte de la que hacer copia de seguridad.</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Haciendo copia de seguridad...</translation>
    </message>
    <message>
        <source>You don&apos;t have any backup file in backup location</source>
        <translation>No tiene ningún archivo de copia de seguridad en la ubicación de copias de seguridad</translation>
    </message>
    <message>
        <source>The list of vaults could not be saved to %1.</source>
        <translation>No se pudo guardar la lista de cajas fuertes en %1.</translation>
    </message>
    <message>
        <source>%1 cannot continue because the USB drive used has been removed. Click OK to exit %1</source>
        <translation>%1 no puede continuar porque se ha extraído la unidad USB utilizada. Haga clic en Aceptar para salir de %1</translation>
    </message>
    <message>
        <source>Please choose a folder to extract the file(s) to:</source>
        <translation>Elija una carpeta en la que extraer los archivos:</translation>
    </message>
    <message>
        <source>Selected files are extracted to: [%1]</source>
        <translation>Los archivos seleccionados se han extraído en: [%1]</translation>
    </message>
    <message>
        <source>The filename %1 contains characters that are not allowed on all platforms and cannot be copied.</source>
        <translation>El nombre de archivo %1 contiene caracteres que no se permiten en todas las plataformas y no se puede copiar.</translation>
    </message>
    <message>
        <source>The folder already contains a file name &apos;%1&apos;. Would you like to replace the existing file?</source>
        <translation>La carpeta ya contiene un archivo llamado &apos;%1&apos;. ¿Desea reemplazar el archivo existente?</translation>
    </message>
    <message>
        <source>The file %1 could not be written.
Error: %2</source>
        <translation>No se pudo escribir el archivo %1.
Error: %2</translation>
    </message>
    <message>
        <source>The %1 can not create a directory on your path.</source>
        <translation>%1 no puede crear una carpeta en su ruta.</translation>
    </message>
    <message>
        <source>This file is already open or being used. The error is: %1</source>
        <translation>Este archivo ya está abierto o en uso. El error es: %1</translation>
    </message>
    <message>
        <source>There is no default application specified to open the document [%1]</source>
        <translation>No hay ninguna aplicación predeterminada para abrir el documento [%1]</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>No se pudo iniciar %1.</translation>
    </message>
    <message>
        <source>This vault could not be loaded, it may be located on another computer or the original vault file has been manually removed.</source>
        <translation>No se pudo cargar esta caja fuerte; puede que esté en otro equipo o que el archivo original de la caja fuerte se haya eliminado manualmente.</translation>
    </message>
    <message>
        <source>This vault could not be loaded, it may be located on another computer or the original vault file has been manually removed. The error is: %1</source>
        <translation>No se pudo cargar esta caja fuerte; puede que esté en otro equipo o que el archivo original de la caja fuerte se haya eliminado manualmente. El error es: %1</translation>
    </message>
    <message>
        <source>Please make sure that your flash drive is formatted and that it is not write-protected.</source>
        <translation>Asegúrese de que la unidad flash está formateada y no está protegida contra escritura.</translation>
    </message>
    <message>
        <source>Unable to write vault structure. This program cannot continue.</source>
        <translation>No se puede escribir la estructura de la caja fuerte. Este programa no puede continuar.</translation>
    </message>
    <message>
        <source>A vault already exists on the flash drive. Do you want to use that vault?</source>
        <translation>Ya existe una caja fuerte en la unidad flash. ¿Desea usar esa caja fuerte?</translation>
    </message>
    <message>
        <source>Please enter a new password to decrypt the key:</source>
        <translation>Escriba una contraseña nueva para descifrar la clave:</translation>
    </message>
    <message>
        <source>Enter your password to unlock the vault:</source>
        <translation>Escriba su contraseña para desbloquear la caja fuerte:</translation>
    </message>
    <message>
        <source>That is not the correct password for this vault. Do you want to try again?</source>
        <translation>Esa no es la contraseña correcta de esta caja fuerte. ¿Desea intentarlo de nuevo?</translation>
    </message>
    <message>
        <source>%1 cannot continue as there is already a vault on the flash drive. Please remove it and try again.</source>
        <translation>%1 no puede continuar porque ya hay una caja fuerte en la unidad flash. Quítela e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The file %1 is damaged and could not be read. This is not caused by your password.</source>
        <translation>El archivo %1 está dañado y no se pudo leer. No se debe a su contraseña.</translation>
    </message>
    <message>
        <source>Your password is not correct. Please try again.</source>
        <translation>Su contraseña no es correcta. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>You have exceeded the maximum (10) login attempts. You must wait 1 minute before trying to login again.</source>
        <translation>Ha superado el número máximo (10) de intentos de inicio de sesión. Debe esperar 1 minuto antes de volver a intentarlo.</translation>
    </message>
    <message>
        <source> - Virtual Keyboard</source>
        <translation> - Teclado virtual</translation>
    </message>
    <message>
        <source>The vault on your Flash Drive is missing, do you want to create a new one?</source>
        <translation>Falta la caja fuerte de su unidad flash. ¿Desea crear una nueva?</translation>
    </message>
    <message>
        <source>These opened files hold changes that could not be put into their vault (its folder was not found or could not be written), so they were kept unencrypted on the disk:
%1

Their changes are put into the vault as soon as it can be reached again.</source>
        <translation>Estos archivos abiertos tienen cambios que no se pudieron guardar en su caja fuerte (no se encontró su carpeta o no se pudo escribir en ella), por lo que se han conservado sin cifrar en el disco:
%1

Sus cambios se guardarán en la caja fuerte en cuanto vuelva a estar accesible.</translation>
    </message>
    <message>
        <source>These files hold changes that are not in their vault yet:
%1

If you quit now, the changes stay only in these unencrypted copies. Quit anyway?</source>
        <translation>Estos archivos tienen cambios que aún no están en su caja fuerte:
%1

Si sale ahora, los cambios solo permanecerán en estas copias sin cifrar. ¿Salir de todos modos?</translation>
    </message>
    <message>
        <source>Your %1 password has reached it&apos;s timeout date. It is recommended that you change your password often to ensure the highest level of security. Would you like to change it now?</source>
        <translation>Su contraseña de %1 ha alcanzado su fecha de caducidad. Se recomienda cambiar la contraseña a menudo para garantizar el máximo nivel de seguridad. ¿Desea cambiarla ahora?</translation>
    </message>
    <message>
        <source>, Vault Protection: %1</source>
        <translation>, Protección de la caja fuerte: %1</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source> (%1% used)</source>
        <translation> (%1% en uso)</translation>
    </message>
    <message>
        <source> (%1 items)</source>
        <translation> (%1 elementos)</translation>
    </message>
    <message>
        <source>No drive to work on was found: %1</source>
        <translation>No se encontró ninguna unidad con la que trabajar: %1</translation>
    </message>
    <message>
        <source>Please choose a folder to synchronise this folder with:</source>
        <translation>Elija una carpeta con la que sincronizar esta carpeta:</translation>
    </message>
    <message>
        <source>Checking for updates... please wait</source>
        <translation>Buscando actualizaciones... espere</translation>
    </message>
    <message>
        <source> - New Version Available</source>
        <translation> - Nueva versión disponible</translation>
    </message>
    <message>
        <source>Updates are not available: this copy of %1 has no update server to ask.</source>
        <translation>No hay actualizaciones disponibles: esta copia de %1 no tiene ningún servidor de actualizaciones al que preguntar.</translation>
    </message>
    <message>
        <source> - Update Configuration</source>
        <translation> - Configuración de actualizaciones</translation>
    </message>
    <message>
        <source>Downloading the update...              </source>
        <translation>Descargando la actualización...              </translation>
    </message>
    <message>
        <source>Unable to save the file %1: %2.</source>
        <translation>No se puede guardar el archivo %1: %2.</translation>
    </message>
    <message>
        <source>The update could not be installed.</source>
        <translation>No se pudo instalar la actualización.</translation>
    </message>
    <message>
        <source>Download failed: %1.</source>
        <translation>Error en la descarga: %1.</translation>
    </message>
    <message>
        <source>The application will now restart.</source>
        <translation>La aplicación se reiniciará ahora.</translation>
    </message>
    <message>
        <source>Please select a location for the new vault:</source>
        <translation>Seleccione una ubicación para la nueva caja fuerte:</translation>
    </message>
    <message>
        <source>The selected folder already contains a vault. Use Add Existing Vault to connect it.</source>
        <translation>La carpeta seleccionada ya contiene una caja fuerte. Use &apos;Añadir caja fuerte existente&apos; para conectarla.</translation>
    </message>
    <message>
        <source>The filename %1 contains characters that are not allowed on all platforms.</source>
        <translation>El nombre de archivo %1 contiene caracteres que no se permiten en todas las plataformas.</translation>
    </message>
    <message>
        <source>A Vault with the name you specified already exists. Specify a different vault name and try again.</source>
        <translation>Ya existe una caja fuerte con el nombre indicado. Indique otro nombre e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Do you really want to remove the selected vault?</source>
        <translation>¿Desea quitar realmente la caja fuerte seleccionada?</translation>
    </message>
    <message>
        <source>The selected item is not a vault.</source>
        <translation>El elemento seleccionado no es una caja fuerte.</translation>
    </message>
    <message>
        <source>Please choose the folder of your existing vault(s):</source>
        <translation>Elija la carpeta de sus cajas fuertes existentes:</translation>
    </message>
    <message>
        <source>The selected folder does not contain a vault.</source>
        <translation>La carpeta seleccionada no contiene ninguna caja fuerte.</translation>
    </message>
    <message>
        <source>A vault with the same name already exists.
Please enter a new name</source>
        <translation>Ya existe una caja fuerte con ese nombre.
Escriba un nombre nuevo</translation>
    </message>
    <message>
        <source>Please try again and enter a password</source>
        <translation>Inténtelo de nuevo y escriba una contraseña</translation>
    </message>
    <message>
        <source>The password is not correct for this vault.</source>
        <translation>La contraseña no es correcta para esta caja fuerte.</translation>
    </message>
    <message>
        <source>Unable to add this Vault. A Vault with the same name already exists. The error is: %1</source>
        <translation>No se puede añadir esta caja fuerte. Ya existe una caja fuerte con el mismo nombre. El error es: %1</translation>
    </message>
    <message>
        <source>You have choosen to delete the vault titled [%1]. All files within this vault will also be deleted. Do you wish to continue?</source>
        <translation>Ha elegido eliminar la caja fuerte titulada [%1]. También se eliminarán todos los archivos de esta caja fuerte. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Do you really want to delete the selected item(s)?</source>
        <translation>¿Desea eliminar realmente los elementos seleccionados?</translation>
    </message>
    <message>
        <source>Please enter a name for your new folder:                    </source>
        <translation>Escriba un nombre para la nueva carpeta:                    </translation>
    </message>
    <message>
        <source>Failed to create the &apos;%1&apos; directory</source>
        <translation>No se pudo crear la carpeta &apos;%1&apos;</translation>
    </message>
    <message>
        <source>You cannot create a folder here.</source>
        <translation>No puede crear una carpeta aquí.</translation>
    </message>
    <message>
        <source>A folder with the name you specified already exists. Specify a different folder name and try again.</source>
        <translation>Ya existe una carpeta con el nombre indicado. Indique otro nombre de carpeta e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Do you really want to remove the selected folder?</source>
        <translation>¿Desea quitar realmente la carpeta seleccionada?</translation>
    </message>
    <message>
        <source>The selected item is not a folder.</source>
        <translation>El elemento seleccionado no es una carpeta.</translation>
    </message>
    <message>
        <source>Please enter a new name:                                        </source>
        <translation>Escriba un nombre nuevo:                                        </translation>
    </message>
    <message>
        <source>The file name extension is going to be changed. Do you really want to rename it?</source>
        <translation>Se va a cambiar la extensión del nombre de archivo. ¿Desea realmente cambiarle el nombre?</translation>
    </message>
    <message>
        <source>An item with the name you specified already exists. Please try again.</source>
        <translation>Ya existe un elemento con el nombre indicado. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source> - Vault Property</source>
        <translation> - Propiedades de la caja fuerte</translation>
    </message>
    <message>
        <source>Load Vault</source>
        <translation>Cargar caja fuerte</translation>
    </message>
    <message>
        <source>The vault&apos;s location is accessible but the vault could not be loaded. Do you want to try to repair the vault?</source>
        <translation>Se puede acceder a la ubicación de la caja fuerte, pero no se pudo cargar la caja fuerte. ¿Desea intentar repararla?</translation>
    </message>
    <message>
        <source>The index of the vault %1 could not be saved.</source>
        <translation>No se pudo guardar el índice de la caja fuerte %1.</translation>
    </message>
    <message>
        <source>%1 - Confirm file delete</source>
        <translation>%1 - Confirmar eliminación de archivo</translation>
    </message>
    <message>
        <source>Backup failed: %1</source>
        <translation>Error en la copia de seguridad: %1</translation>
    </message>
    <message>
        <source>A synchronisation is running; please try again when it has finished.</source>
        <translation>Hay una sincronización en curso; inténtelo de nuevo cuando haya terminado.</translation>
    </message>
    <message>
        <source>There is nothing to backup as your vault does not contain any data.</source>
        <translation>No hay nada que copiar porque su caja fuerte no contiene datos.</translation>
    </message>
    <message>
        <source>Vault %1 does not exist.</source>
        <translation>La caja fuerte %1 no existe.</translation>
    </message>
    <message>
        <source>the new backup could not be read back.</source>
        <translation>no se pudo volver a leer la nueva copia de seguridad.</translation>
    </message>
    <message>
        <source>Backup completed successfully.</source>
        <translation>Copia de seguridad completada correctamente.</translation>
    </message>
    <message>
        <source>There is already a file with the same name in this location. Do you want to replace it?</source>
        <translation>Ya existe un archivo con el mismo nombre en esta ubicación. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>%1 item(s) could not be moved:
%2</source>
        <translation>No se pudieron mover %1 elemento(s):
%2</translation>
    </message>
    <message>
        <source>%1 item(s) could not be copied:
%2</source>
        <translation>No se pudieron copiar %1 elemento(s):
%2</translation>
    </message>
    <message>
        <source>Moving Item...</source>
        <translation>Moviendo elemento...</translation>
    </message>
    <message>
        <source>Can not move</source>
        <translation>No se puede mover</translation>
    </message>
    <message>
        <source>The extracted files could not be written safely to %1. Check the disk and extract them again.</source>
        <translation>No se pudieron escribir de forma segura los archivos extraídos en %1. Compruebe el disco y vuelva a extraerlos.</translation>
    </message>
    <message>
        <source>The application can not rename a file</source>
        <translation>La aplicación no puede cambiar el nombre de un archivo</translation>
    </message>
    <message>
        <source>Are you sure you want to permanently delete this folder?</source>
        <translation>¿Está seguro de que desea eliminar permanentemente esta carpeta?</translation>
    </message>
    <message>
        <source>Are you sure you want to permanently delete this file?</source>
        <translation>¿Está seguro de que desea eliminar permanentemente este archivo?</translation>
    </message>
    <message>
        <source>Are you sure you want to permanently delete these %1 items?</source>
        <translation>¿Está seguro de que desea eliminar permanentemente estos %1 elementos?</translation>
    </message>
    <message>
        <source> - Options</source>
        <translation> - Opciones</translation>
    </message>
    <message>
        <source>The options could not be saved to %1. They hold until the program ends.</source>
        <translation>No se pudieron guardar las opciones en %1. Se mantendrán hasta que se cierre el programa.</translation>
    </message>
    <message>
        <source>Password Hint</source>
        <translation>Pista de contraseña</translation>
    </message>
    <message>
        <source> - Change Password</source>
        <translation> - Cambiar contraseña</translation>
    </message>
    <message>
        <source>The current password entered is invalid. Please try again.</source>
        <translation>La contraseña actual introducida no es válida. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The list of vaults %1 could not be read. Your password has not been changed.</source>
        <translation>No se pudo leer la lista de cajas fuertes %1. Su contraseña no se ha cambiado.</translation>
    </message>
    <message>
        <source>The list of vaults could not be saved to %1. Your password has not been changed; the current password still opens your vaults.</source>
        <translation>No se pudo guardar la lista de cajas fuertes en %1. Su contraseña no se ha cambiado; la contraseña actual sigue abriendo sus cajas fuertes.</translation>
    </message>
    <message>
        <source>Your password has been changed, but the key files of these vaults could not be written and still hold their keys under the old password:
%1

The vaults open as before; only adding such a folder again as an existing vault needs the old password.</source>
        <translation>Su contraseña se ha cambiado, pero no se pudieron escribir los archivos de clave de estas cajas fuertes, que siguen guardando sus claves con la contraseña anterior:
%1

Las cajas fuertes se abren como antes; solo se necesita la contraseña anterior para volver a añadir una de estas carpetas como caja fuerte existente.</translation>
    </message>
    <message>
        <source>Unable to write vault structure. The vault was not created.</source>
        <translation>No se pudo escribir la estructura de la caja fuerte. La caja fuerte no se ha creado.</translation>
    </message>
    <message>
        <source>Unable to write vault structure. The vault was not added.</source>
        <translation>No se pudo escribir la estructura de la caja fuerte. La caja fuerte no se ha añadido.</translation>
    </message>
    <message>
        <source>An earlier list of vaults was found on the drive. It was kept as %1.</source>
        <translation>Se encontró una lista anterior de cajas fuertes en la unidad. Se ha conservado como %1.</translation>
    </message>
    <message>
        <source>The key of the vault %1 in %2 is damaged. The vault&apos;s own key file still opens it: disconnect the vault and add it again with Add Existing Vault.</source>
        <translation>La clave de la caja fuerte %1 en %2 está dañada. El archivo de clave propio de la caja fuerte aún la abre: desconecte la caja fuerte y vuelva a añadirla con «Añadir caja fuerte existente».</translation>
    </message>
    <message>
        <source>Your password has been changed, but the key files of these vaults are damaged and were left as they are:
%1

The vaults open as before, but such a folder can&apos;t be added again as an existing vault.</source>
        <translation>Su contraseña se ha cambiado, pero los archivos de clave de estas cajas fuertes están dañados y se han dejado como estaban:
%1

Las cajas fuertes se abren como antes, pero esa carpeta no se puede volver a añadir como caja fuerte existente.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged. It was kept as %2, and the default settings are used.</source>
        <translation>El archivo de configuración %1 está dañado. Se ha conservado como %2 y se usa la configuración predeterminada.</translation>
    </message>
</context>
<context>
    <name>MainWindowClass</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source> No </source>
        <translation> No </translation>
    </message>
    <message>
        <source> Yes </source>
        <translation> Sí </translation>
    </message>
    <message>
        <source>Encrypting...</source>
        <translation>Cifrando...</translation>
    </message>
    <message>
        <source>Yes to All</source>
        <translation>Sí a todo</translation>
    </message>
    <message>
        <source>Decrypting...</source>
        <translation>Descifrando...</translation>
    </message>
    <message>
        <source>Decrypting Item...</source>
        <translation>Descifrando elemento...</translation>
    </message>
    <message>
        <source>Flash Drive</source>
        <translation>Unidad flash</translation>
    </message>
    <message>
        <source> - Create Password</source>
        <translation> - Crear contraseña</translation>
    </message>
    <message>
        <source> - About</source>
        <translation> - Acerca de</translation>
    </message>
    <message>
        <source>This vault could not be loaded, it may be located on another computer or the original vault file has been manually removed. The error is: %1</source>
        <translation>No se pudo cargar esta caja fuerte; puede que esté en otro equipo o que el archivo original de la caja fuerte se haya eliminado manualmente. El error es: %1</translation>
    </message>
    <message>
        <source>[Select Language]</source>
        <translation>[Seleccionar idioma]</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>¿Ha olvidado su contraseña?</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Teclado virtual</translation>
    </message>
    <message>
        <source>Enter Your Password</source>
        <translation>Escriba su contraseña</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Buscar...</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Mi PC</translation>
    </message>
    <message>
        <source>My Vault</source>
        <translation>Mi caja fuerte</translation>
    </message>
    <message>
        <source>Add File(s)</source>
        <translation>Añadir archivo(s)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>New Vault</source>
        <translation>Nueva caja fuerte</translation>
    </message>
    <message>
        <source>Disconnect Vault</source>
        <translation>Desconectar caja fuerte</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>Sincronizar</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Iconos</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>Get Online Support</source>
        <translation>Soporte en línea</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nueva carpeta</translation>
    </message>
    <message>
        <source>Remove Folder</source>
        <translation>Quitar carpeta</translation>
    </message>
    <message>
        <source>Save File(s) to...</source>
        <translation>Guardar archivo(s) en...</translation>
    </message>
    <message>
        <source>Add Existing Vault</source>
        <translation>Añadir caja fuerte existente</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Cambiar contraseña</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Bloquear</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Move to Folder...</source>
        <translation>Mover a la carpeta...</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Go Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Go Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Escritorio</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documentos</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Backup Vault Data</source>
        <translation>Copia de seguridad de los datos</translation>
    </message>
    <message>
        <source>Restore Vault Data</source>
        <translation>Restaurar datos de la caja fuerte</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Opciones...</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Add Sync Peer</source>
        <translation>Añadir par de sincronización</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>Mostrar en el gestor de archivos</translation>
    </message>
    <message>
        <source>Backup Vault</source>
        <translation>Copia de seguridad de la caja fuerte</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edición</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Main ToolBar</source>
        <translation>Barra de herramientas principal</translation>
    </message>
    <message>
        <source>Could not create random bytes.</source>
        <translation>No se pudieron generar bytes aleatorios.</translation>
    </message>
    <message>
        <source>The password cannot contain these characters: %1
Please use only letters, digits and signs of Western European languages.</source>
        <translation>La contraseña no puede contener estos caracteres: %1
Use solo letras, dígitos y signos de los idiomas de Europa occidental.</translation>
    </message>
    <message>
        <source> - Virtual Keyboard</source>
        <translation> - Teclado virtual</translation>
    </message>
    <message>
        <source>Weak</source>
        <translation>Débil</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Aceptable</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Buena</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Excelente</translation>
    </message>
    <message>
        <source>Passwords do not match</source>
        <translation>Las contraseñas no coinciden</translation>
    </message>
    <message>
        <source>Invalid current item name.</source>
        <translation>Nombre de elemento actual no válido.</translation>
    </message>
    <message>
        <source>Damaged item record in archive.</source>
        <translation>Registro de elemento dañado en el archivo.</translation>
    </message>
    <message>
        <source>Invalid item name in archive.</source>
        <translation>Nombre de elemento no válido en el archivo.</translation>
    </message>
    <message>
        <source>Duplicate item name.</source>
        <translation>Nombre de elemento duplicado.</translation>
    </message>
    <message>
        <source>Invalid item name.</source>
        <translation>Nombre de elemento no válido.</translation>
    </message>
    <message>
        <source>Damaged vault header in archive.</source>
        <translation>Cabecera de caja fuerte dañada en el archivo.</translation>
    </message>
    <message>
        <source>Invalid parent path in archive.</source>
        <translation>Ruta principal no válida en el archivo.</translation>
    </message>
    <message>
        <source>Invalid class name in archive.</source>
        <translation>Nombre de clase no válido en el archivo.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Date Created</source>
        <translation>Fecha de creación</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Copying  file...</source>
        <translation>Copiando archivo...</translation>
    </message>
    <message>
        <source>Copying Item...</source>
        <translation>Copiando elemento...</translation>
    </message>
    <message>
        <source>Can not move</source>
        <translation>No se puede mover</translation>
    </message>
    <message>
        <source>Processing Items...</source>
        <translation>Procesando elementos...</translation>
    </message>
    <message>
        <source>Moving Item...</source>
        <translation>Moviendo elemento...</translation>
    </message>
    <message>
        <source>There is already an item with the same name in this location. Do you want to replace it?</source>
        <translation>Ya existe un elemento con el mismo nombre en esta ubicación. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>Failed to move</source>
        <translation>Error al mover</translation>
    </message>
    <message>
        <source>Failed to copy</source>
        <translation>Error al copiar</translation>
    </message>
    <message>
        <source>The application can not add more files because the vault&apos;s disk is full.</source>
        <translation>La aplicación no puede añadir más archivos porque el disco de la caja fuerte está lleno.</translation>
    </message>
    <message>
        <source>Moving file...</source>
        <translation>Moviendo archivo...</translation>
    </message>
    <message>
        <source>Copy folder...</source>
        <translation>Copiar carpeta...</translation>
    </message>
    <message>
        <source>Add a vault here</source>
        <translation>Añadir una caja fuerte aquí</translation>
    </message>
    <message>
        <source>Add a file or create a folder here</source>
        <translation>Añadir un archivo o crear una carpeta aquí</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Timeouts</source>
        <translation>Tiempos de espera</translation>
    </message>
    <message>
        <source>Application timeout</source>
        <translation>Tiempo de espera de la aplicación</translation>
    </message>
    <message>
        <source>Timeout in minutes:</source>
        <translation>Tiempo de espera en minutos:</translation>
    </message>
    <message>
        <source>0 = Timeout Disabled</source>
        <translation>0 = Tiempo de espera desactivado</translation>
    </message>
    <message>
        <source>Password expiration</source>
        <translation>Caducidad de la contraseña</translation>
    </message>
    <message>
        <source>Expiration in days:</source>
        <translation>Caducidad en días:</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmación</translation>
    </message>
    <message>
        <source>File delete confirmation</source>
        <translation>Confirmación al eliminar archivos</translation>
    </message>
    <message>
        <source>Restore to default</source>
        <translation>Restaurar valores predeterminados</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Cifrado</translation>
    </message>
    <message>
        <source>AES 256 bit</source>
        <translation>AES de 256 bits</translation>
    </message>
    <message>
        <source>AES 512 bit</source>
        <translation>AES de 512 bits</translation>
    </message>
    <message>
        <source>Preferred encryption method:</source>
        <translation>Método de cifrado preferido:</translation>
    </message>
    <message>
        <source>AES 128 bit</source>
        <translation>AES de 128 bits</translation>
    </message>
    <message>
        <source>AES 1024 bit</source>
        <translation>AES de 1024 bits</translation>
    </message>
    <message>
        <source>Locations</source>
        <translation>Ubicaciones</translation>
    </message>
    <message>
        <source>Backup options</source>
        <translation>Opciones de copia de seguridad</translation>
    </message>
    <message>
        <source>Backup location</source>
        <translation>Ubicación de las copias de seguridad</translation>
    </message>
    <message>
        <source>Application Data</source>
        <translation>Datos de aplicación</translation>
    </message>
    <message>
        <source>My Documents</source>
        <translation>Mis documentos</translation>
    </message>
    <message>
        <source>Mount options</source>
        <translation>Opciones de montaje</translation>
    </message>
    <message>
        <source>Mount location</source>
        <translation>Ubicación de montaje</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>Backup retention</source>
        <translation>Conservación de copias de seguridad</translation>
    </message>
    <message>
        <source>Keep number of backups:</source>
        <translation>Número de copias que se conservan:</translation>
    </message>
    <message>
        <source>Enable automatic backup retention</source>
        <translation>Limitar las copias conservadas</translation>
    </message>
    <message>
        <source>You will need to restart the application for these changes to take effect</source>
        <translation>Debe reiniciar la aplicación para que estos cambios surtan efecto</translation>
    </message>
</context>
<context>
    <name>PleaseWaitDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A backup is running. Please wait until it has finished before you quit the program or eject the flash drive.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Hay una copia de seguridad en curso. Espere a que termine antes de salir del programa o expulsar la unidad flash.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>ProblemReport</name>
    <message>
        <source>A problem occured</source>
        <translation>Se ha producido un problema</translation>
    </message>
    <message>
        <source>Sending Report. . .</source>
        <translation>Enviando informe. . .</translation>
    </message>
    <message>
        <source>Send Report</source>
        <translation>Enviar informe</translation>
    </message>
    <message>
        <source>Report was sent successful!</source>
        <translation>¡El informe se envió correctamente!</translation>
    </message>
    <message>
        <source>Error sending report!
%2 (%1)</source>
        <translation>¡Error al enviar el informe!
%2 (%1)</translation>
    </message>
</context>
<context>
    <name>RestoreWizard</name>
    <message>
        <source>Restore Wizard</source>
        <translation>Asistente de restauración</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Welcome to the restore wizard.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;This wizard will guide you through the process of restoring current data from a previous backup.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Bienvenido al asistente de restauración.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;Este asistente le guiará en el proceso de restaurar los datos actuales a partir de una copia de seguridad anterior.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Please choose the location to be restored from the backup file and click &apos;Next&apos; to proceed.</source>
        <translation>Elija la ubicación que desea restaurar del archivo de copia de seguridad y haga clic en &apos;Siguiente&apos; para continuar.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Please select the backup to be restored and click &apos;Next&apos; to proceed.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Seleccione la copia de seguridad que desea restaurar y haga clic en &apos;Siguiente&apos; para continuar.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Antigüedad</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The encryption key for the selected backup is not available. &lt;/p&gt;&lt;p&gt;A copy of the key is present in the backup, but is protected by a password.&lt;/p&gt;&lt;p&gt;Please enter the password that was in use when the backup was made and click &apos;Next&apos; to proceed.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;La clave de cifrado de la copia de seguridad seleccionada no está disponible. &lt;/p&gt;&lt;p&gt;La copia de seguridad contiene una copia de la clave, pero está protegida por una contraseña.&lt;/p&gt;&lt;p&gt;Escriba la contraseña que se usaba cuando se hizo la copia de seguridad y haga clic en &apos;Siguiente&apos; para continuar.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Password:&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Contraseña:&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;You have entered an incorrect password. &lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ha introducido una contraseña incorrecta. &lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Please go back and try again.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Vuelva atrás e inténtelo de nuevo.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;By clicking &apos;Restore&apos; you will replace all data in the selected vault with data from the backup.&lt;/p&gt;&lt;p&gt;Click &apos;Back&apos; if any changes are needed before proceeding.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Al hacer clic en &apos;Restaurar&apos;, reemplazará todos los datos de la caja fuerte seleccionada por los de la copia de seguridad.&lt;/p&gt;&lt;p&gt;Haga clic en &apos;Atrás&apos; si necesita hacer cambios antes de continuar.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>New, empty folder for the vault:</source>
        <translation>Carpeta nueva y vacía para la caja fuerte:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Restoring backup data.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Restaurando los datos de la copia de seguridad.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;There are no other backup files available.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;No hay otros archivos de copia de seguridad disponibles.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Data restored succesfully!&lt;br/&gt;&lt;/p&gt;&lt;p&gt;You can now close this Wizard and access the restored data.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;¡Datos restaurados correctamente!&lt;br/&gt;&lt;/p&gt;&lt;p&gt;Ya puede cerrar este asistente y acceder a los datos restaurados.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The backup was not restored.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;La copia de seguridad no se ha restaurado.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Select the vault to restore</source>
        <translation>Seleccione la caja fuerte que desea restaurar</translation>
    </message>
    <message>
        <source>Other unlisted vault</source>
        <translation>Otra caja fuerte no incluida en la lista</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Ayer</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>%1 Days ago</source>
        <translation>Hace %1 días</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;By clicking &apos;Restore&apos; the backup becomes a new vault in the new, empty folder below. No existing vault is changed.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Al hacer clic en &apos;Restaurar&apos;, la copia de seguridad se convierte en una nueva caja fuerte en la carpeta nueva y vacía de abajo. No se modifica ninguna caja fuerte existente.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Choose a new, empty folder for the vault</source>
        <translation>Elija una carpeta nueva y vacía para la caja fuerte</translation>
    </message>
    <message>
        <source>Please choose a new, empty folder for the restored vault.</source>
        <translation>Elija una carpeta nueva y vacía para la caja fuerte restaurada.</translation>
    </message>
    <message>
        <source>%1 is not a folder. Please choose a new, empty folder for the restored vault.</source>
        <translation>%1 no es una carpeta. Elija una carpeta nueva y vacía para la caja fuerte restaurada.</translation>
    </message>
    <message>
        <source>The folder %1 is not empty. Please choose a new, empty folder for the restored vault.</source>
        <translation>La carpeta %1 no está vacía. Elija una carpeta nueva y vacía para la caja fuerte restaurada.</translation>
    </message>
    <message>
        <source>The folder %1 belongs to the vault %2. Please choose a new, empty folder for the restored vault.</source>
        <translation>La carpeta %1 pertenece a la caja fuerte %2. Elija una carpeta nueva y vacía para la caja fuerte restaurada.</translation>
    </message>
    <message>
        <source>The folder %1 lies in the backup location. Please choose another folder.</source>
        <translation>La carpeta %1 está en la ubicación de las copias de seguridad. Elija otra carpeta.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>No se pudo crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Restored vault</source>
        <translation>Caja fuerte restaurada</translation>
    </message>
    <message>
        <source>The backup can be copied straight over the vault&apos;s files instead. If that fails part-way, the vault can&apos;t be put back as it was. Restore anyway?</source>
        <translation>La copia de seguridad puede copiarse directamente sobre los archivos de la caja fuerte. Si eso falla a medias, la caja fuerte no podrá volver a su estado anterior. ¿Restaurar de todos modos?</translation>
    </message>
    <message>
        <source> Yes </source>
        <translation> Sí </translation>
    </message>
    <message>
        <source> No </source>
        <translation> No </translation>
    </message>
    <message>
        <source>A synchronisation is running; please try again when it has finished.</source>
        <translation>Hay una sincronización en curso; inténtelo de nuevo cuando haya terminado.</translation>
    </message>
    <message>
        <source>The folder of the vault %1 is not available.</source>
        <translation>La carpeta de la caja fuerte %1 no está disponible.</translation>
    </message>
    <message>
        <source>The backup holds no vault index.</source>
        <translation>La copia de seguridad no contiene ningún índice de caja fuerte.</translation>
    </message>
    <message>
        <source>There is not enough free space beside the vault to restore it safely: %1 are needed, %2 are free.</source>
        <translation>No hay suficiente espacio libre junto a la caja fuerte para restaurarla de forma segura: se necesitan %1, hay %2 libres.</translation>
    </message>
    <message>
        <source>No room could be made beside the vault folder %1 to restore into.</source>
        <translation>No se pudo hacer sitio junto a la carpeta de la caja fuerte %1 para restaurar en ella.</translation>
    </message>
    <message>
        <source>The backup could not be copied: %1 The vault was not changed.</source>
        <translation>No se pudo copiar la copia de seguridad: %1 La caja fuerte no se ha modificado.</translation>
    </message>
    <message>
        <source>The vault was not changed.</source>
        <translation>La caja fuerte no se ha modificado.</translation>
    </message>
    <message>
        <source>The backup&apos;s files could not be put in place in the vault folder %1.</source>
        <translation>Los archivos de la copia de seguridad no se pudieron colocar en la carpeta de la caja fuerte %1.</translation>
    </message>
    <message>
        <source>Some of the vault&apos;s own files could not be put back; they are kept in %1.</source>
        <translation>Algunos archivos propios de la caja fuerte no se pudieron devolver a su sitio; se conservan en %1.</translation>
    </message>
    <message>
        <source>The vault is as it was before.</source>
        <translation>La caja fuerte está como estaba.</translation>
    </message>
    <message>
        <source>The vault&apos;s files are as they were before.</source>
        <translation>Los archivos de la caja fuerte están como estaban.</translation>
    </message>
    <message>
        <source>The backup could not be copied: %1 The vault may be damaged; restore it again once there is more free space.</source>
        <translation>No se pudo copiar la copia de seguridad: %1 Puede que la caja fuerte esté dañada; restáurela de nuevo cuando haya más espacio libre.</translation>
    </message>
    <message>
        <source>The vault may be damaged.</source>
        <translation>Puede que la caja fuerte esté dañada.</translation>
    </message>
    <message>
        <source>The backup&apos;s index can&apos;t be opened with the key that was found for it.</source>
        <translation>El índice de la copia de seguridad no se puede abrir con la clave encontrada para ella.</translation>
    </message>
    <message>
        <source>The backup&apos;s index can&apos;t be read.</source>
        <translation>No se puede leer el índice de la copia de seguridad.</translation>
    </message>
    <message>
        <source>The backup&apos;s index is damaged: %1</source>
        <translation>El índice de la copia de seguridad está dañado: %1</translation>
    </message>
    <message>
        <source>The backup lacks the encrypted file of %1.</source>
        <translation>A la copia de seguridad le falta el archivo cifrado de %1.</translation>
    </message>
    <message>
        <source>The restored vault could not be loaded: %1</source>
        <translation>No se pudo cargar la caja fuerte restaurada: %1</translation>
    </message>
    <message>
        <source>The restored vault could not be loaded.</source>
        <translation>No se pudo cargar la caja fuerte restaurada.</translation>
    </message>
    <message>
        <source>The encrypted file of %1 in the backup is not whole (%2).</source>
        <translation>El archivo cifrado de %1 en la copia de seguridad no está completo (%2).</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a symbolic link</source>
        <translation>No se puede escribir %1: es un enlace simbólico</translation>
    </message>
</context>
<context>
    <name>TAVBrowseFolderDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Select a target folder:</source>
        <translation>Seleccione una carpeta de destino:</translation>
    </message>
    <message>
        <source>Please select a target folder.</source>
        <translation>Seleccione una carpeta de destino.</translation>
    </message>
</context>
<context>
    <name>TAVCryptoThread</name>
    <message>
        <source>Cannot open file for read %1
Error: %2</source>
        <translation>No se puede abrir el archivo para lectura %1
Error: %2</translation>
    </message>
    <message>
        <source>Cannot open file for write %1
Error: %2</source>
        <translation>No se puede abrir el archivo para escritura %1
Error: %2</translation>
    </message>
</context>
<context>
    <name>TAVFile</name>
    <message>
        <source>File %1 does not exist</source>
        <translation>El archivo %1 no existe</translation>
    </message>
</context>
<context>
    <name>TAVFileWatcher</name>
    <message>
        <source>%1 is a symbolic link: the decrypted copy is not written there.</source>
        <translation>%1 es un enlace simbólico: la copia descifrada no se escribe allí.</translation>
    </message>
    <message>
        <source>%1 is open with changes that are not in the vault yet.</source>
        <translation>%1 está abierto con cambios que aún no están en la caja fuerte.</translation>
    </message>
    <message>
        <source>The folder %1 for the decrypted copy could not be made.</source>
        <translation>No se pudo crear la carpeta %1 para la copia descifrada.</translation>
    </message>
    <message>
        <source>The changes of %1 could not be put into the vault: the vault is not open.</source>
        <translation>Los cambios de %1 no se pudieron guardar en la caja fuerte: la caja fuerte no está abierta.</translation>
    </message>
    <message>
        <source>The changes of %1 could not be put into the vault: the vault&apos;s folder is not found.</source>
        <translation>Los cambios de %1 no se pudieron guardar en la caja fuerte: no se encuentra la carpeta de la caja fuerte.</translation>
    </message>
    <message>
        <source>The changes of %1 are in the vault, but the vault&apos;s index could not be saved.</source>
        <translation>Los cambios de %1 están en la caja fuerte, pero no se pudo guardar el índice de la caja fuerte.</translation>
    </message>
</context>
<context>
    <name>TAVItem</name>
    <message>
        <source>Decryption failed.</source>
        <translation>Error al descifrar.</translation>
    </message>
</context>
<context>
    <name>TAVProgressDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Encrypting...</source>
        <translation>Cifrando...</translation>
    </message>
    <message>
        <source>Estimated Time to Complete: 0.00 minutes</source>
        <translation>Tiempo restante estimado: 0,00 minutos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>Estimated Time to Complete:</source>
        <translation>Tiempo restante estimado:</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>horas</translation>
    </message>
</context>
<context>
    <name>TAVProgressLogDialog</name>
    <message>
        <source>Synchronization</source>
        <translation>Sincronización</translation>
    </message>
    <message>
        <source>Synchronization progress:</source>
        <translation>Progreso de la sincronización:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>No items is synced</source>
        <translation>No se ha sincronizado ningún elemento</translation>
    </message>
    <message>
        <source>Synchronization completed successfully.</source>
        <translation>Sincronización completada correctamente.</translation>
    </message>
    <message>
        <source>Synchronization finished, but not every file could be synchronized. See the lines above.</source>
        <translation>La sincronización terminó, pero no se pudieron sincronizar todos los archivos. Consulte las líneas anteriores.</translation>
    </message>
</context>
<context>
    <name>TAVSync</name>
    <message>
        <source>Synchronization cancelled.</source>
        <translation>Sincronización cancelada.</translation>
    </message>
    <message>
        <source>Vault is not loaded</source>
        <translation>La caja fuerte no está cargada</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>La carpeta no existe.</translation>
    </message>
    <message>
        <source>The disk folder %1 is empty, but held %2 items at the last synchronization: nothing was deleted or copied for this peer.</source>
        <translation>La carpeta del disco %1 está vacía, pero contenía %2 elementos en la última sincronización: no se ha eliminado ni copiado nada para este par.</translation>
    </message>
    <message>
        <source>The vault folder %1 is empty, but held %2 items at the last synchronization: nothing was deleted or copied for this peer.</source>
        <translation>La carpeta de la caja fuerte %1 está vacía, pero contenía %2 elementos en la última sincronización: no se ha eliminado ni copiado nada para este par.</translation>
    </message>
    <message>
        <source>The new files could not be written to the disk.</source>
        <translation>No se pudieron escribir los archivos nuevos en el disco.</translation>
    </message>
    <message>
        <source>The vault&apos;s index could not be saved.</source>
        <translation>No se pudo guardar el índice de la caja fuerte.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>The item is no longer in the vault.</source>
        <translation>El elemento ya no está en la caja fuerte.</translation>
    </message>
    <message>
        <source>A folder of that name is in the vault.</source>
        <translation>En la caja fuerte hay una carpeta con ese nombre.</translation>
    </message>
    <message>
        <source>Its folder is not in the vault.</source>
        <translation>Su carpeta no está en la caja fuerte.</translation>
    </message>
    <message>
        <source>Kept %1: it holds items the last synchronization did not know.</source>
        <translation>Se conserva %1: contiene elementos que la última sincronización no conocía.</translation>
    </message>
    <message>
        <source>Kept %1: it is reached through a symbolic link.</source>
        <translation>Se conserva %1: se llega a él a través de un enlace simbólico.</translation>
    </message>
    <message>
        <source>Kept %1: it holds files the last synchronization did not know.</source>
        <translation>Se conserva %1: contiene archivos que la última sincronización no conocía.</translation>
    </message>
    <message>
        <source>The list of synchronization peers of this vault can&apos;t be read. Nothing was changed.</source>
        <translation>No se puede leer la lista de pares de sincronización de esta caja fuerte. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>These folders are already synchronized.</source>
        <translation>Estas carpetas ya están sincronizadas.</translation>
    </message>
    <message>
        <source>The list of synchronization peers could not be written. The folder was not added.</source>
        <translation>No se pudo escribir la lista de pares de sincronización. La carpeta no se ha añadido.</translation>
    </message>
    <message>
        <source>This folder can&apos;t be synchronized: it is the vault&apos;s own folder, lies inside it or holds it.</source>
        <translation>Esta carpeta no se puede sincronizar: es la propia carpeta de la caja fuerte, está dentro de ella o la contiene.</translation>
    </message>
    <message>
        <source>This folder can&apos;t be synchronized: the application keeps its own files there.</source>
        <translation>Esta carpeta no se puede sincronizar: la aplicación guarda allí sus propios archivos.</translation>
    </message>
    <message>
        <source>The folder could not be added.</source>
        <translation>No se pudo añadir la carpeta.</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>Iniciando...</translation>
    </message>
    <message>
        <source>Synchronization finished with errors: see the lines above.</source>
        <translation>La sincronización terminó con errores: consulte las líneas anteriores.</translation>
    </message>
    <message>
        <source>Another synchronization is running.</source>
        <translation>Hay otra sincronización en curso.</translation>
    </message>
    <message>
        <source>No synchronization peers defined.</source>
        <translation>No hay pares de sincronización definidos.</translation>
    </message>
    <message>
        <source>Skipped: %1 (names that differ only in case)</source>
        <translation>Omitido: %1 (nombres que solo difieren en mayúsculas y minúsculas)</translation>
    </message>
    <message>
        <source>The folder can&apos;t be read: nothing was deleted or copied for this peer.</source>
        <translation>No se puede leer la carpeta: no se ha eliminado ni copiado nada para este par.</translation>
    </message>
    <message>
        <source>The folder %1 was removed or replaced during the synchronization: nothing more was copied or deleted for this peer.</source>
        <translation>La carpeta %1 se quitó o se sustituyó durante la sincronización: no se ha copiado ni eliminado nada más para este par.</translation>
    </message>
    <message>
        <source>Kept %1: it changed on the disk during the synchronization.</source>
        <translation>Se ha conservado %1: cambió en el disco durante la sincronización.</translation>
    </message>
    <message>
        <source>The vault&apos;s folder can&apos;t be written.</source>
        <translation>No se puede escribir en la carpeta de la caja fuerte.</translation>
    </message>
    <message>
        <source>Skipped: %1 (a symbolic link)</source>
        <translation>Omitido: %1 (un enlace simbólico)</translation>
    </message>
    <message>
        <source>This folder can&apos;t be synchronized: it holds or lies inside a folder already synchronized with this vault.</source>
        <translation>Esta carpeta no se puede sincronizar: contiene una carpeta que ya se sincroniza con esta caja fuerte o está dentro de ella.</translation>
    </message>
    <message>
        <source>Failed: %1 (can&apos;t be read: %2)</source>
        <translation>Error: %1 (no se puede leer: %2)</translation>
    </message>
    <message>
        <source>Skipped: %1 (not a file or a folder)</source>
        <translation>Omitido: %1 (no es un archivo ni una carpeta)</translation>
    </message>
</context>
<context>
    <name>TAVSyncProgressDialog</name>
    <message>
        <source>Synchronization</source>
        <translation>Sincronización</translation>
    </message>
    <message>
        <source>Synchronization progress:</source>
        <translation>Progreso de la sincronización:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>No items is synced</source>
        <translation>No se ha sincronizado ningún elemento</translation>
    </message>
    <message>
        <source>Synchronization completed successfully.</source>
        <translation>Sincronización completada correctamente.</translation>
    </message>
    <message>
        <source>Repair completed successfully.</source>
        <translation>Reparación completada correctamente.</translation>
    </message>
    <message>
        <source>Synchronization finished with errors:</source>
        <translation>La sincronización terminó con errores:</translation>
    </message>
    <message>
        <source>Synchronization finished with errors. The lines in the progress window say which items could not be synchronized.</source>
        <translation>La sincronización terminó con errores. Las líneas de la ventana de progreso indican qué elementos no se pudieron sincronizar.</translation>
    </message>
</context>
<context>
    <name>TavVaultProperty</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Type of encryption:</source>
        <translation>Tipo de cifrado:</translation>
    </message>
    <message>
        <source>Total number of files:</source>
        <translation>Número total de archivos:</translation>
    </message>
    <message>
        <source>Total storage space:</source>
        <translation>Espacio de almacenamiento total:</translation>
    </message>
    <message>
        <source>Full Physical Path:</source>
        <translation>Ruta física completa:</translation>
    </message>
    <message>
        <source>Set Vault Password</source>
        <translation>Establecer contraseña de la caja fuerte</translation>
    </message>
    <message>
        <source>Repair vault </source>
        <translation>Reparar caja fuerte </translation>
    </message>
    <message>
        <source>Synchronization</source>
        <translation>Sincronización</translation>
    </message>
    <message>
        <source>Synchronization peers:</source>
        <translation>Pares de sincronización:</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Equipo remoto</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>Carpeta local</translation>
    </message>
    <message>
        <source>Vault folder</source>
        <translation>Carpeta de la caja fuerte</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>Sincronizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>This repair has already run.</source>
        <translation>Esta reparación ya se ha ejecutado.</translation>
    </message>
    <message>
        <source>The folder of the vault cannot be found: %1
Nothing was repaired.</source>
        <translation>No se encuentra la carpeta de la caja fuerte: %1
No se ha reparado nada.</translation>
    </message>
    <message>
        <source>A repair of this vault is already running.</source>
        <translation>Ya se está reparando esta caja fuerte.</translation>
    </message>
    <message>
        <source>A synchronization is running. Please try again when it has finished.</source>
        <translation>Hay una sincronización en curso. Inténtelo de nuevo cuando haya terminado.</translation>
    </message>
    <message>
        <source>Start repair index file</source>
        <translation>Iniciar la reparación del archivo de índice</translation>
    </message>
    <message>
        <source>The repair was cancelled. The index was not changed.</source>
        <translation>La reparación se canceló. El índice no se ha modificado.</translation>
    </message>
    <message>
        <source>Only %1 of the %2 files listed in the index of the vault &quot;%3&quot; were found in its folder %4.
If the drive or the folder is incomplete, repairing now takes the missing files out of the index.

Repair the index anyway?</source>
        <translation>Solo se encontraron %1 de los %2 archivos del índice de la caja fuerte &quot;%3&quot; en su carpeta %4.
Si la unidad o la carpeta están incompletas, la reparación quitará ahora del índice los archivos que faltan.

¿Reparar el índice de todos modos?</translation>
    </message>
    <message>
        <source>The index was not repaired.</source>
        <translation>El índice no se ha reparado.</translation>
    </message>
    <message>
        <source>The vault&apos;s key does not fit the files in its folder. Nothing was repaired.</source>
        <translation>La clave de la caja fuerte no corresponde a los archivos de su carpeta. No se ha reparado nada.</translation>
    </message>
    <message>
        <source>The vault was closed during the repair. The index was not changed.</source>
        <translation>La caja fuerte se cerró durante la reparación. El índice no se ha modificado.</translation>
    </message>
    <message>
        <source>The previous index could not be kept (%1). The index was not changed.</source>
        <translation>No se pudo conservar el índice anterior (%1). El índice no se ha modificado.</translation>
    </message>
    <message>
        <source>The index could not be rebuilt. The index was not changed.</source>
        <translation>No se pudo reconstruir el índice. El índice no se ha modificado.</translation>
    </message>
    <message>
        <source>The repaired index could not be written. The previous index is kept.</source>
        <translation>No se pudo escribir el índice reparado. Se conserva el índice anterior.</translation>
    </message>
    <message>
        <source>The index was repaired: %1 files rebuilt (%2 of them in the folder &quot;%3&quot;), %4 removed, %5 skipped.</source>
        <translation>El índice se ha reparado: %1 archivos reconstruidos (%2 de ellos en la carpeta &quot;%3&quot;), %4 eliminados, %5 omitidos.</translation>
    </message>
    <message>
        <source>Please choose a folder to synchronise with:</source>
        <translation>Elija una carpeta con la que sincronizar:</translation>
    </message>
    <message>
        <source>This synchronization peer is no longer in the list of the vault.</source>
        <translation>Este par de sincronización ya no está en la lista de la caja fuerte.</translation>
    </message>
    <message>
        <source>The list of synchronization peers of this vault could not be changed. The peer was not removed.</source>
        <translation>No se pudo cambiar la lista de pares de sincronización de esta caja fuerte. El par no se ha quitado.</translation>
    </message>
    <message>
        <source>Please try again and enter a password</source>
        <translation>Inténtelo de nuevo y escriba una contraseña</translation>
    </message>
    <message>
        <source>Please enter a new password to encrypt the key:</source>
        <translation>Escriba una contraseña nueva para cifrar la clave:</translation>
    </message>
    <message>
        <source>Please enter the password again:</source>
        <translation>Vuelva a escribir la contraseña:</translation>
    </message>
    <message>
        <source>The two passwords are not the same. The vault password was not changed.</source>
        <translation>Las dos contraseñas no son iguales. La contraseña de la caja fuerte no se ha cambiado.</translation>
    </message>
    <message>
        <source>The vault password could not be saved in %1. The key chain was not changed.</source>
        <translation>No se pudo guardar la contraseña de la caja fuerte en %1. El llavero no se ha modificado.</translation>
    </message>
    <message>
        <source>The vault password was set.</source>
        <translation>Se ha establecido la contraseña de la caja fuerte.</translation>
    </message>
    <message>
        <source>Repair Progress</source>
        <translation>Progreso de la reparación</translation>
    </message>
</context>
<context>
    <name>UpdateAvailableDialog</name>
    <message>
        <source>Kolvane - New Version Available</source>
        <translation>Kolvane - Nueva versión disponible</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
</context>
<context>
    <name>UpdateConfigDialog</name>
    <message>
        <source>Kolvane - Updates configuration</source>
        <translation>Kolvane - Configuración de actualizaciones</translation>
    </message>
    <message>
        <source>How often do you want to check for updates?</source>
        <translation>¿Con qué frecuencia desea buscar actualizaciones?</translation>
    </message>
    <message>
        <source>Once a week</source>
        <translation>Una vez a la semana</translation>
    </message>
    <message>
        <source>Every two weeks</source>
        <translation>Cada dos semanas</translation>
    </message>
    <message>
        <source>Once a month</source>
        <translation>Una vez al mes</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>Check for updates now</source>
        <translation>Buscar actualizaciones ahora</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Thank you for using %1
You are using %1 %2. There are currently no updates available.
Please try again later.</source>
        <translation>Gracias por usar %1
Está usando %1 %2. En este momento no hay actualizaciones disponibles.
Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source> - New Version Available</source>
        <translation> - Nueva versión disponible</translation>
    </message>
</context>
<context>
    <name>UpdateDownload</name>
    <message>
        <source>The server did not answer in time</source>
        <translation>El servidor no respondió a tiempo</translation>
    </message>
    <message>
        <source>A download is already under way</source>
        <translation>Ya hay una descarga en curso</translation>
    </message>
    <message>
        <source>The address %1 is not a secure one</source>
        <translation>La dirección %1 no es segura</translation>
    </message>
    <message>
        <source>The address %1 names no file</source>
        <translation>La dirección %1 no indica ningún archivo</translation>
    </message>
    <message>
        <source>Redirected without a new address</source>
        <translation>Redirigido sin una dirección nueva</translation>
    </message>
    <message>
        <source>Too many redirections</source>
        <translation>Demasiadas redirecciones</translation>
    </message>
    <message>
        <source>Redirected from a secure address to %1</source>
        <translation>Redirigido de una dirección segura a %1</translation>
    </message>
    <message>
        <source>The server answered %1</source>
        <translation>El servidor respondió %1</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>The package is larger than %1 MiB</source>
        <translation>El paquete supera los %1 MiB</translation>
    </message>
</context>
<context>
    <name>Utils</name>
    <message>
        <source>Start synchronizing files now.</source>
        <translation>Sincronizar archivos ahora.</translation>
    </message>
    <message>
        <source>There are %1 file(s) to be synchronized.</source>
        <translation>Hay %1 archivo(s) por sincronizar.</translation>
    </message>
</context>
<context>
    <name>Vir_KeyPad_Dialog</name>
    <message>
        <source>Virtual Keypad</source>
        <translation>Teclado numérico virtual</translation>
    </message>
    <message>
        <source>Show Plain Text</source>
        <translation>Mostrar texto sin cifrar</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Mayús</translation>
    </message>
    <message>
        <source>&lt;--</source>
        <translation>&lt;--</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Security Level</source>
        <translation>Nivel de seguridad</translation>
    </message>
    <message>
        <source>Realtime</source>
        <translation>Tiempo real</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baja</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Intro</translation>
    </message>
</context>
<context>
    <name>WorkingDrive</name>
    <message>
        <source>There is no data folder for the drive folder.</source>
        <translation>No hay ninguna carpeta de datos para la carpeta de la unidad.</translation>
    </message>
    <message>
        <source>%1 must name a folder by its full path: %2</source>
        <translation>%1 debe indicar una carpeta por su ruta completa: %2</translation>
    </message>
    <message>
        <source>The drive folder %1 can&apos;t be made.</source>
        <translation>No se puede crear la carpeta de la unidad %1.</translation>
    </message>
    <message>
        <source>The drive folder can&apos;t be the root folder.</source>
        <translation>La carpeta de la unidad no puede ser la carpeta raíz.</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 can&apos;t be made: %2</source>
        <translation>No se puede crear el archivo de número de serie de la unidad %1: %2</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 can&apos;t be written: %2</source>
        <translation>No se puede escribir el archivo de número de serie de la unidad %1: %2</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 can&apos;t be read: %2</source>
        <translation>No se puede leer el archivo de número de serie de la unidad %1: %2</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 is damaged.</source>
        <translation>El archivo de número de serie de la unidad %1 está dañado.</translation>
    </message>
    <message>
        <source>The drive folder %1 named by %2 does not exist.</source>
        <translation>La carpeta de unidad %1 indicada por %2 no existe.</translation>
    </message>
</context>
<context>
    <name>velmora_howto</name>
    <message>
        <source>Data Protection</source>
        <translation>Protección de datos</translation>
    </message>
    <message>
        <source>4 ways to protect your files</source>
        <translation>4 formas de proteger sus archivos</translation>
    </message>
    <message>
        <source>Drag and drop files onto main screen</source>
        <translation>Arrastrar y soltar archivos en la pantalla principal</translation>
    </message>
    <message>
        <source>Copy and paste files onto main screen</source>
        <translation>Copiar y pegar archivos en la pantalla principal</translation>
    </message>
    <message>
        <source>Click &apos;Add files&apos; button to browse and add file</source>
        <translation>Haga clic en el botón &apos;Añadir archivos&apos; para buscar y añadir archivos</translation>
    </message>
    <message>
        <source>Use Backup Data to safeguard your data against loss</source>
        <translation>Use la copia de seguridad de datos para proteger sus datos contra pérdidas</translation>
    </message>
    <message>
        <source>Ctrl-C / Ctrl-V</source>
        <translation>Ctrl-C / Ctrl-V</translation>
    </message>
    <message>
        <source>Do not show again</source>
        <translation>No volver a mostrar</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
</context>
</TS>
