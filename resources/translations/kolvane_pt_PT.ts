<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Software License Agreement</source>
        <translation>Contrato de licença de software</translation>
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
        <translation>a pasta do cofre %1 não existe.</translation>
    </message>
    <message>
        <source>the backup location lies inside the vault folder.</source>
        <translation>a localização das cópias de segurança está dentro da pasta do cofre.</translation>
    </message>
    <message>
        <source>no random bytes could be had for the backup&apos;s key check.</source>
        <translation>não foi possível obter bytes aleatórios para a verificação da chave da cópia de segurança.</translation>
    </message>
    <message>
        <source>the vault key could not be protected for the backup&apos;s key check.</source>
        <translation>não foi possível proteger a chave do cofre para a verificação de chave da cópia de segurança.</translation>
    </message>
    <message>
        <source>the earlier key check %1 could not be removed.</source>
        <translation>não foi possível remover a verificação de chave anterior %1.</translation>
    </message>
    <message>
        <source>the key check %1 could not be written: %2</source>
        <translation>não foi possível escrever a verificação de chave %1: %2</translation>
    </message>
    <message>
        <source>the copied files could not be written to the disk: %1</source>
        <translation>não foi possível escrever no disco os ficheiros copiados: %1</translation>
    </message>
    <message>
        <source>the backup folder %1 does not exist.</source>
        <translation>a pasta de cópias de segurança %1 não existe.</translation>
    </message>
    <message>
        <source>the folder %1 does not exist.</source>
        <translation>a pasta %1 não existe.</translation>
    </message>
    <message>
        <source>the folder %1 could not be read.</source>
        <translation>não foi possível ler a pasta %1.</translation>
    </message>
    <message>
        <source>the folder %1 could not be made.</source>
        <translation>não foi possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>Não foi possível ler %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be written: it is a symbolic link.</source>
        <translation>Não foi possível escrever %1: é uma ligação simbólica.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Não foi possível escrever %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be read to its end.</source>
        <translation>Não foi possível ler %1 até ao fim.</translation>
    </message>
    <message>
        <source>%1 could not be written whole.</source>
        <translation>Não foi possível escrever %1 por completo.</translation>
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
        <translation>Introduza a nova palavra-passe:</translation>
    </message>
    <message>
        <source>Enter your current password:</source>
        <translation>Introduza a palavra-passe atual:</translation>
    </message>
    <message>
        <source>Confirm your new password:</source>
        <translation>Confirme a nova palavra-passe:</translation>
    </message>
    <message>
        <source>Password Strength:</source>
        <translation>Força da palavra-passe:</translation>
    </message>
    <message>
        <source>Virtual keyboard</source>
        <translation>Teclado virtual</translation>
    </message>
    <message>
        <source>Use more than 6 characters</source>
        <translation>Utilize mais de 6 carateres</translation>
    </message>
    <message>
        <source>Use numeric and alpha numeric characters</source>
        <translation>Utilize algarismos e letras</translation>
    </message>
    <message>
        <source>Use upper- and lower case characters</source>
        <translation>Utilize maiúsculas e minúsculas</translation>
    </message>
    <message>
        <source>Use special characters (#, $, !, %, &amp;&amp;, ^, *)</source>
        <translation>Utilize carateres especiais (#, $, !, %, &amp;&amp;, ^, *)</translation>
    </message>
    <message>
        <source>Password Hint: (optional)</source>
        <translation>Sugestão de palavra-passe: (opcional)</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:13pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;You can type a password hint here, to help you remember your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;Try to pick a word or phrase that is clear enough to remind you, but vague&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;enough that nobody can guess your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(For example, the password &amp;quot;R0sebud#1941&amp;quot; with the hint &amp;quot;sled&amp;quot;.)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:13pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;Pode escrever aqui uma sugestão de palavra-passe para o ajudar a lembrar-se dela.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;Escolha uma palavra ou frase suficientemente clara para o lembrar, mas suficientemente vaga&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;para que ninguém consiga adivinhar a sua palavra-passe.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(Por exemplo, a palavra-passe &amp;quot;R0sebud#1941&amp;quot; com a sugestão &amp;quot;trenó&amp;quot;.)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Password Recommendations:</source>
        <translation>Recomendações de palavra-passe:</translation>
    </message>
</context>
<context>
    <name>ConfirmFileDeleteDialog</name>
    <message>
        <source>Are you sure you want to delete the file?</source>
        <translation>Tem a certeza de que pretende eliminar o ficheiro?</translation>
    </message>
    <message>
        <source>Don’t ask this question again.</source>
        <translation>Não voltar a fazer esta pergunta.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
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
        <translation>A ligação ao servidor remoto excedeu o tempo limite</translation>
    </message>
    <message>
        <source>The answer of the server is larger than %1 KiB</source>
        <translation>A resposta do servidor excede %1 KiB</translation>
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
        <translation>Crie a sua palavra-passe:</translation>
    </message>
    <message>
        <source>Confirm your password:</source>
        <translation>Confirme a palavra-passe:</translation>
    </message>
    <message>
        <source>Password Strength:</source>
        <translation>Força da palavra-passe:</translation>
    </message>
    <message>
        <source>Virtual keyboard</source>
        <translation>Teclado virtual</translation>
    </message>
    <message>
        <source>Use more than 6 characters</source>
        <translation>Utilize mais de 6 carateres</translation>
    </message>
    <message>
        <source>Use numeric and alpha numeric characters</source>
        <translation>Utilize algarismos e letras</translation>
    </message>
    <message>
        <source>Use upper- and lower case characters</source>
        <translation>Utilize maiúsculas e minúsculas</translation>
    </message>
    <message>
        <source>Use special characters (#, $, !, %, &amp;&amp;, ^, *)</source>
        <translation>Utilize carateres especiais (#, $, !, %, &amp;&amp;, ^, *)</translation>
    </message>
    <message>
        <source>Create Password</source>
        <translation>Criar palavra-passe</translation>
    </message>
    <message>
        <source>Password Hint: (optional)</source>
        <translation>Sugestão de palavra-passe: (opcional)</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:10pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;You can type a password hint here, to help you remember your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;Try to pick a word or phrase that is clear enough to remind you, but vague&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;enough that nobody can guess your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(For example, the password &amp;quot;R0sebud#1941&amp;quot; with the hint &amp;quot;sled&amp;quot;.)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:10pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;Pode escrever aqui uma sugestão de palavra-passe para o ajudar a lembrar-se dela.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;Escolha uma palavra ou frase suficientemente clara para o lembrar, mas suficientemente vaga&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;para que ninguém consiga adivinhar a sua palavra-passe.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(Por exemplo, a palavra-passe &amp;quot;R0sebud#1941&amp;quot; com a sugestão &amp;quot;trenó&amp;quot;.)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Password Recommendations:</source>
        <translation>Recomendações de palavra-passe:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation> - Selecionar ficheiros a cifrar</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Cifrar</translation>
    </message>
    <message>
        <source>Cannot add files here.</source>
        <translation>Não é possível adicionar ficheiros aqui.</translation>
    </message>
    <message>
        <source>These items could not be found and were not added:
%1</source>
        <translation>Estes itens não foram encontrados e não foram adicionados:
%1</translation>
    </message>
    <message>
        <source>Would you like to completely remove the original file(s) from your computer?</source>
        <translation>Pretende remover completamente o(s) ficheiro(s) original(is) do seu computador?</translation>
    </message>
    <message>
        <source>You are about to securely wipe the original file(s) from your computer. You will not be able to recover these file(s) once they have been removed. Do you wish to continue?</source>
        <translation>Está prestes a apagar de forma segura o(s) ficheiro(s) original(is) do seu computador. Não poderá recuperar estes ficheiros depois de removidos. Pretende continuar?</translation>
    </message>
    <message>
        <source>The vault %1 could not be saved, so the files just added are not kept in it. The original files have not been removed.</source>
        <translation>Não foi possível guardar o cofre %1, pelo que os ficheiros acabados de adicionar não ficam nele. Os ficheiros originais não foram removidos.</translation>
    </message>
    <message>
        <source>The files added to the vault %1 could not be written safely to its disk. The original files have not been removed.</source>
        <translation>Não foi possível escrever com segurança no disco os ficheiros adicionados ao cofre %1. Os ficheiros originais não foram removidos.</translation>
    </message>
    <message>
        <source>can not remove</source>
        <translation>não é possível remover</translation>
    </message>
    <message>
        <source>This file is read-only or locked by another application.

Press &apos;Try Again&apos; to try to remove it, &apos;Ignore&apos; to continue or &apos;Cancel&apos; to stop removing files.</source>
        <translation>Este ficheiro é só de leitura ou está bloqueado por outra aplicação.

Prima &apos;Tentar novamente&apos; para tentar removê-lo, &apos;Ignorar&apos; para continuar ou &apos;Cancelar&apos; para parar de remover ficheiros.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source> is neither a directory nor a file. %1 encrypts a directory or a file only. Please try again.</source>
        <translation> não é uma pasta nem um ficheiro. %1 só cifra pastas ou ficheiros. Tente novamente.</translation>
    </message>
    <message>
        <source>The folder %1 was not added: a file of the same name is already there.</source>
        <translation>A pasta %1 não foi adicionada: já existe um ficheiro com o mesmo nome.</translation>
    </message>
    <message>
        <source>The folder %1 could not be added: %2</source>
        <translation>Não foi possível adicionar a pasta %1: %2</translation>
    </message>
    <message>
        <source>%1 was not added: it is not a file that can be read.</source>
        <translation>%1 não foi adicionado: não é um ficheiro que possa ser lido.</translation>
    </message>
    <message>
        <source>The application can not add more files because the vault&apos;s disk is full.</source>
        <translation>A aplicação não pode adicionar mais ficheiros porque o disco do cofre está cheio.</translation>
    </message>
    <message>
        <source>It is not possible to encrypt the selected file. This may be due to a restriction of the USB flash drive file system or the drive is full.</source>
        <translation>Não é possível cifrar o ficheiro selecionado. Pode dever-se a uma restrição do sistema de ficheiros da pen USB ou a a unidade estar cheia.</translation>
    </message>
    <message>
        <source>The file %1 was not added: a folder of the same name is already there.</source>
        <translation>O ficheiro %1 não foi adicionado: já existe uma pasta com o mesmo nome.</translation>
    </message>
    <message>
        <source>%1 already contains a file name &apos;</source>
        <translation>%1 já contém um ficheiro com o nome &apos;</translation>
    </message>
    <message>
        <source>&apos;. Would you like to replace the existing file?</source>
        <translation>&apos;. Pretende substituir o ficheiro existente?</translation>
    </message>
    <message>
        <source>The copy operation was cancelled by the user</source>
        <translation>A operação de cópia foi cancelada pelo utilizador</translation>
    </message>
    <message>
        <source>%1 could not be added: %2</source>
        <translation>Não foi possível adicionar %1: %2</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erro desconhecido</translation>
    </message>
    <message>
        <source>%1 could not be encrypted into the vault: %2</source>
        <translation>Não foi possível cifrar %1 no cofre: %2</translation>
    </message>
    <message>
        <source>The selected items lie in more than one vault. Please select the one vault to back up.</source>
        <translation>Os itens selecionados estão em mais do que um cofre. Selecione o único cofre de que pretende fazer cópia de segurança.</translation>
    </message>
    <message>
        <source>Please select the vault to back up.</source>
        <translation>Selecione o cofre de que pretende fazer cópia de segurança.</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>A fazer cópia de segurança...</translation>
    </message>
    <message>
        <source>You don&apos;t have any backup file in backup location</source>
        <translation>Não tem nenhum ficheiro de cópia de segurança na localização das cópias de segurança</translation>
    </message>
    <message>
        <source>The list of vaults could not be saved to %1.</source>
        <translation>Não foi possível guardar a lista de cofres em %1.</translation>
    </message>
    <message>
        <source>%1 cannot continue because the USB drive used has been removed. Click OK to exit %1</source>
        <translation>%1 não pode continuar porque a unidade USB utilizada foi removida. Clique em OK para sair do %1</translation>
    </message>
    <message>
        <source>Please choose a folder to extract the file(s) to:</source>
        <translation>Escolha uma pasta para onde extrair o(s) ficheiro(s):</translation>
    </message>
    <message>
        <source>Selected files are extracted to: [%1]</source>
        <translation>Os ficheiros selecionados foram extraídos para: [%1]</translation>
    </message>
    <message>
        <source>The filename %1 contains characters that are not allowed on all platforms and cannot be copied.</source>
        <translation>O nome de ficheiro %1 contém carateres que não são permitidos em todas as plataformas e não pode ser copiado.</translation>
    </message>
    <message>
        <source>The folder already contains a file name &apos;%1&apos;. Would you like to replace the existing file?</source>
        <translation>A pasta já contém um ficheiro com o nome &apos;%1&apos;. Pretende substituir o ficheiro existente?</translation>
    </message>
    <message>
        <source>The file %1 could not be written.
Error: %2</source>
        <translation>Não foi possível escrever o ficheiro %1.
Erro: %2</translation>
    </message>
    <message>
        <source>The %1 can not create a directory on your path.</source>
        <translation>%1 não consegue criar uma pasta no seu caminho.</translation>
    </message>
    <message>
        <source>This file is already open or being used. The error is: %1</source>
        <translation>Este ficheiro já está aberto ou a ser utilizado. O erro é: %1</translation>
    </message>
    <message>
        <source>There is no default application specified to open the document [%1]</source>
        <translation>Não existe nenhuma aplicação predefinida para abrir o documento [%1]</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>Não foi possível iniciar %1.</translation>
    </message>
    <message>
        <source>This vault could not be loaded, it may be located on another computer or the original vault file has been manually removed.</source>
        <translation>Não foi possível carregar este cofre; pode estar noutro computador ou o ficheiro original do cofre foi removido manualmente.</translation>
    </message>
    <message>
        <source>This vault could not be loaded, it may be located on another computer or the original vault file has been manually removed. The error is: %1</source>
        <translation>Não foi possível carregar este cofre; pode estar noutro computador ou o ficheiro original do cofre foi removido manualmente. O erro é: %1</translation>
    </message>
    <message>
        <source>Please make sure that your flash drive is formatted and that it is not write-protected.</source>
        <translation>Certifique-se de que a pen USB está formatada e não está protegida contra escrita.</translation>
    </message>
    <message>
        <source>Unable to write vault structure. This program cannot continue.</source>
        <translation>Não é possível escrever a estrutura do cofre. Este programa não pode continuar.</translation>
    </message>
    <message>
        <source>A vault already exists on the flash drive. Do you want to use that vault?</source>
        <translation>Já existe um cofre na pen USB. Pretende utilizar esse cofre?</translation>
    </message>
    <message>
        <source>Please enter a new password to decrypt the key:</source>
        <translation>Introduza uma nova palavra-passe para decifrar a chave:</translation>
    </message>
    <message>
        <source>Enter your password to unlock the vault:</source>
        <translation>Introduza a palavra-passe para desbloquear o cofre:</translation>
    </message>
    <message>
        <source>That is not the correct password for this vault. Do you want to try again?</source>
        <translation>Essa não é a palavra-passe correta deste cofre. Pretende tentar novamente?</translation>
    </message>
    <message>
        <source>%1 cannot continue as there is already a vault on the flash drive. Please remove it and try again.</source>
        <translation>%1 não pode continuar porque já existe um cofre na pen USB. Remova-o e tente novamente.</translation>
    </message>
    <message>
        <source>The file %1 is damaged and could not be read. This is not caused by your password.</source>
        <translation>O ficheiro %1 está danificado e não foi possível lê-lo. Isto não se deve à sua palavra-passe.</translation>
    </message>
    <message>
        <source>Your password is not correct. Please try again.</source>
        <translation>A sua palavra-passe não está correta. Tente novamente.</translation>
    </message>
    <message>
        <source>You have exceeded the maximum (10) login attempts. You must wait 1 minute before trying to login again.</source>
        <translation>Excedeu o número máximo (10) de tentativas de início de sessão. Tem de aguardar 1 minuto antes de tentar novamente.</translation>
    </message>
    <message>
        <source> - Virtual Keyboard</source>
        <translation> - Teclado virtual</translation>
    </message>
    <message>
        <source>The vault on your Flash Drive is missing, do you want to create a new one?</source>
        <translation>O cofre da sua pen USB está em falta. Pretende criar um novo?</translation>
    </message>
    <message>
        <source>These opened files hold changes that could not be put into their vault (its folder was not found or could not be written), so they were kept unencrypted on the disk:
%1

Their changes are put into the vault as soon as it can be reached again.</source>
        <translation>Estes ficheiros abertos contêm alterações que não foi possível colocar no seu cofre (a pasta não foi encontrada ou não foi possível escrever nela), pelo que foram mantidos sem cifra no disco:
%1

As alterações serão colocadas no cofre logo que este volte a estar acessível.</translation>
    </message>
    <message>
        <source>These files hold changes that are not in their vault yet:
%1

If you quit now, the changes stay only in these unencrypted copies. Quit anyway?</source>
        <translation>Estes ficheiros contêm alterações que ainda não estão no seu cofre:
%1

Se sair agora, as alterações ficam apenas nestas cópias não cifradas. Sair mesmo assim?</translation>
    </message>
    <message>
        <source>Your %1 password has reached it&apos;s timeout date. It is recommended that you change your password often to ensure the highest level of security. Would you like to change it now?</source>
        <translation>A sua palavra-passe do %1 atingiu a data de expiração. Recomenda-se que altere a palavra-passe com frequência para garantir o nível máximo de segurança. Pretende alterá-la agora?</translation>
    </message>
    <message>
        <source>, Vault Protection: %1</source>
        <translation>, Proteção do cofre: %1</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source> (%1% used)</source>
        <translation> (%1% utilizado)</translation>
    </message>
    <message>
        <source> (%1 items)</source>
        <translation> (%1 itens)</translation>
    </message>
    <message>
        <source>No drive to work on was found: %1</source>
        <translation>Não foi encontrada nenhuma unidade para trabalhar: %1</translation>
    </message>
    <message>
        <source>Please choose a folder to synchronise this folder with:</source>
        <translation>Escolha uma pasta com a qual sincronizar esta pasta:</translation>
    </message>
    <message>
        <source>Checking for updates... please wait</source>
        <translation>A procurar atualizações... aguarde</translation>
    </message>
    <message>
        <source> - New Version Available</source>
        <translation> - Nova versão disponível</translation>
    </message>
    <message>
        <source>Updates are not available: this copy of %1 has no update server to ask.</source>
        <translation>Não há atualizações disponíveis: esta cópia do %1 não tem nenhum servidor de atualizações a consultar.</translation>
    </message>
    <message>
        <source> - Update Configuration</source>
        <translation> - Configuração de atualizações</translation>
    </message>
    <message>
        <source>Downloading the update...              </source>
        <translation>A transferir a atualização...              </translation>
    </message>
    <message>
        <source>Unable to save the file %1: %2.</source>
        <translation>Não é possível guardar o ficheiro %1: %2.</translation>
    </message>
    <message>
        <source>The update could not be installed.</source>
        <translation>Não foi possível instalar a atualização.</translation>
    </message>
    <message>
        <source>Download failed: %1.</source>
        <translation>A transferência falhou: %1.</translation>
    </message>
    <message>
        <source>The application will now restart.</source>
        <translation>A aplicação vai reiniciar agora.</translation>
    </message>
    <message>
        <source>Please select a location for the new vault:</source>
        <translation>Selecione uma localização para o novo cofre:</translation>
    </message>
    <message>
        <source>The selected folder already contains a vault. Use Add Existing Vault to connect it.</source>
        <translation>A pasta selecionada já contém um cofre. Utilize &apos;Adicionar cofre existente&apos; para o ligar.</translation>
    </message>
    <message>
        <source>The filename %1 contains characters that are not allowed on all platforms.</source>
        <translation>O nome de ficheiro %1 contém carateres que não são permitidos em todas as plataformas.</translation>
    </message>
    <message>
        <source>A Vault with the name you specified already exists. Specify a different vault name and try again.</source>
        <translation>Já existe um cofre com o nome indicado. Indique outro nome de cofre e tente novamente.</translation>
    </message>
    <message>
        <source>Do you really want to remove the selected vault?</source>
        <translation>Pretende mesmo remover o cofre selecionado?</translation>
    </message>
    <message>
        <source>The selected item is not a vault.</source>
        <translation>O item selecionado não é um cofre.</translation>
    </message>
    <message>
        <source>Please choose the folder of your existing vault(s):</source>
        <translation>Escolha a pasta do(s) seu(s) cofre(s) existente(s):</translation>
    </message>
    <message>
        <source>The selected folder does not contain a vault.</source>
        <translation>A pasta selecionada não contém nenhum cofre.</translation>
    </message>
    <message>
        <source>A vault with the same name already exists.
Please enter a new name</source>
        <translation>Já existe um cofre com o mesmo nome.
Introduza um novo nome</translation>
    </message>
    <message>
        <source>Please try again and enter a password</source>
        <translation>Tente novamente e introduza uma palavra-passe</translation>
    </message>
    <message>
        <source>The password is not correct for this vault.</source>
        <translation>A palavra-passe não está correta para este cofre.</translation>
    </message>
    <message>
        <source>Unable to add this Vault. A Vault with the same name already exists. The error is: %1</source>
        <translation>Não é possível adicionar este cofre. Já existe um cofre com o mesmo nome. O erro é: %1</translation>
    </message>
    <message>
        <source>You have choosen to delete the vault titled [%1]. All files within this vault will also be deleted. Do you wish to continue?</source>
        <translation>Optou por eliminar o cofre [%1]. Todos os ficheiros deste cofre também serão eliminados. Pretende continuar?</translation>
    </message>
    <message>
        <source>Do you really want to delete the selected item(s)?</source>
        <translation>Pretende mesmo eliminar os itens selecionados?</translation>
    </message>
    <message>
        <source>Please enter a name for your new folder:                    </source>
        <translation>Introduza um nome para a nova pasta:                    </translation>
    </message>
    <message>
        <source>Failed to create the &apos;%1&apos; directory</source>
        <translation>Não foi possível criar a pasta &apos;%1&apos;</translation>
    </message>
    <message>
        <source>You cannot create a folder here.</source>
        <translation>Não pode criar uma pasta aqui.</translation>
    </message>
    <message>
        <source>A folder with the name you specified already exists. Specify a different folder name and try again.</source>
        <translation>Já existe uma pasta com o nome indicado. Indique outro nome de pasta e tente novamente.</translation>
    </message>
    <message>
        <source>Do you really want to remove the selected folder?</source>
        <translation>Pretende mesmo remover a pasta selecionada?</translation>
    </message>
    <message>
        <source>The selected item is not a folder.</source>
        <translation>O item selecionado não é uma pasta.</translation>
    </message>
    <message>
        <source>Please enter a new name:                                        </source>
        <translation>Introduza um novo nome:                                        </translation>
    </message>
    <message>
        <source>The file name extension is going to be changed. Do you really want to rename it?</source>
        <translation>A extensão do nome do ficheiro vai ser alterada. Pretende mesmo mudar o nome?</translation>
    </message>
    <message>
        <source>An item with the name you specified already exists. Please try again.</source>
        <translation>Já existe um item com o nome indicado. Tente novamente.</translation>
    </message>
    <message>
        <source> - Vault Property</source>
        <translation> - Propriedades do cofre</translation>
    </message>
    <message>
        <source>Load Vault</source>
        <translation>Carregar cofre</translation>
    </message>
    <message>
        <source>The vault&apos;s location is accessible but the vault could not be loaded. Do you want to try to repair the vault?</source>
        <translation>A localização do cofre está acessível, mas não foi possível carregar o cofre. Pretende tentar reparar o cofre?</translation>
    </message>
    <message>
        <source>The index of the vault %1 could not be saved.</source>
        <translation>Não foi possível guardar o índice do cofre %1.</translation>
    </message>
    <message>
        <source>%1 - Confirm file delete</source>
        <translation>%1 - Confirmar eliminação do ficheiro</translation>
    </message>
    <message>
        <source>Backup failed: %1</source>
        <translation>A cópia de segurança falhou: %1</translation>
    </message>
    <message>
        <source>A synchronisation is running; please try again when it has finished.</source>
        <translation>Está a decorrer uma sincronização; tente novamente quando terminar.</translation>
    </message>
    <message>
        <source>There is nothing to backup as your vault does not contain any data.</source>
        <translation>Não há nada para copiar porque o seu cofre não contém dados.</translation>
    </message>
    <message>
        <source>Vault %1 does not exist.</source>
        <translation>O cofre %1 não existe.</translation>
    </message>
    <message>
        <source>the new backup could not be read back.</source>
        <translation>não foi possível voltar a ler a nova cópia de segurança.</translation>
    </message>
    <message>
        <source>Backup completed successfully.</source>
        <translation>Cópia de segurança concluída com êxito.</translation>
    </message>
    <message>
        <source>There is already a file with the same name in this location. Do you want to replace it?</source>
        <translation>Já existe um ficheiro com o mesmo nome nesta localização. Pretende substituí-lo?</translation>
    </message>
    <message>
        <source>%1 item(s) could not be moved:
%2</source>
        <translation>Não foi possível mover %1 item(ns):
%2</translation>
    </message>
    <message>
        <source>%1 item(s) could not be copied:
%2</source>
        <translation>Não foi possível copiar %1 item(ns):
%2</translation>
    </message>
    <message>
        <source>Moving Item...</source>
        <translation>A mover item...</translation>
    </message>
    <message>
        <source>Can not move</source>
        <translation>Não é possível mover</translation>
    </message>
    <message>
        <source>The extracted files could not be written safely to %1. Check the disk and extract them again.</source>
        <translation>Não foi possível escrever com segurança os ficheiros extraídos em %1. Verifique o disco e extraia-os novamente.</translation>
    </message>
    <message>
        <source>The application can not rename a file</source>
        <translation>A aplicação não consegue mudar o nome de um ficheiro</translation>
    </message>
    <message>
        <source>Are you sure you want to permanently delete this folder?</source>
        <translation>Tem a certeza de que pretende eliminar permanentemente esta pasta?</translation>
    </message>
    <message>
        <source>Are you sure you want to permanently delete this file?</source>
        <translation>Tem a certeza de que pretende eliminar permanentemente este ficheiro?</translation>
    </message>
    <message>
        <source>Are you sure you want to permanently delete these %1 items?</source>
        <translation>Tem a certeza de que pretende eliminar permanentemente estes %1 itens?</translation>
    </message>
    <message>
        <source> - Options</source>
        <translation> - Opções</translation>
    </message>
    <message>
        <source>The options could not be saved to %1. They hold until the program ends.</source>
        <translation>Não foi possível guardar as opções em %1. Mantêm-se válidas até o programa terminar.</translation>
    </message>
    <message>
        <source>Password Hint</source>
        <translation>Sugestão de palavra-passe</translation>
    </message>
    <message>
        <source> - Change Password</source>
        <translation> - Alterar palavra-passe</translation>
    </message>
    <message>
        <source>The current password entered is invalid. Please try again.</source>
        <translation>A palavra-passe atual introduzida é inválida. Tente novamente.</translation>
    </message>
    <message>
        <source>The list of vaults %1 could not be read. Your password has not been changed.</source>
        <translation>Não foi possível ler a lista de cofres %1. A sua palavra-passe não foi alterada.</translation>
    </message>
    <message>
        <source>The list of vaults could not be saved to %1. Your password has not been changed; the current password still opens your vaults.</source>
        <translation>Não foi possível guardar a lista de cofres em %1. A sua palavra-passe não foi alterada; a palavra-passe atual continua a abrir os seus cofres.</translation>
    </message>
    <message>
        <source>Your password has been changed, but the key files of these vaults could not be written and still hold their keys under the old password:
%1

The vaults open as before; only adding such a folder again as an existing vault needs the old password.</source>
        <translation>A sua palavra-passe foi alterada, mas não foi possível escrever os ficheiros de chave destes cofres, que continuam a guardar as chaves com a palavra-passe antiga:
%1

Os cofres abrem como antes; só é necessária a palavra-passe antiga para voltar a adicionar uma destas pastas como cofre existente.</translation>
    </message>
    <message>
        <source>Unable to write vault structure. The vault was not created.</source>
        <translation>Não foi possível escrever a estrutura do cofre. O cofre não foi criado.</translation>
    </message>
    <message>
        <source>Unable to write vault structure. The vault was not added.</source>
        <translation>Não foi possível escrever a estrutura do cofre. O cofre não foi adicionado.</translation>
    </message>
    <message>
        <source>An earlier list of vaults was found on the drive. It was kept as %1.</source>
        <translation>Foi encontrada uma lista anterior de cofres na unidade. Foi guardada como %1.</translation>
    </message>
    <message>
        <source>The key of the vault %1 in %2 is damaged. The vault&apos;s own key file still opens it: disconnect the vault and add it again with Add Existing Vault.</source>
        <translation>A chave do cofre %1 em %2 está danificada. O ficheiro de chave do próprio cofre ainda o abre: desligue o cofre e adicione-o novamente com «Adicionar cofre existente».</translation>
    </message>
    <message>
        <source>Your password has been changed, but the key files of these vaults are damaged and were left as they are:
%1

The vaults open as before, but such a folder can&apos;t be added again as an existing vault.</source>
        <translation>A sua palavra-passe foi alterada, mas os ficheiros de chave destes cofres estão danificados e foram deixados como estavam:
%1

Os cofres abrem como antes, mas essa pasta não pode ser adicionada novamente como cofre existente.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged. It was kept as %2, and the default settings are used.</source>
        <translation>O ficheiro de definições %1 está danificado. Foi guardado como %2 e são usadas as definições predefinidas.</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source> No </source>
        <translation> Não </translation>
    </message>
    <message>
        <source> Yes </source>
        <translation> Sim </translation>
    </message>
    <message>
        <source>Encrypting...</source>
        <translation>A cifrar...</translation>
    </message>
    <message>
        <source>Yes to All</source>
        <translation>Sim para todos</translation>
    </message>
    <message>
        <source>Decrypting...</source>
        <translation>A decifrar...</translation>
    </message>
    <message>
        <source>Decrypting Item...</source>
        <translation>A decifrar item...</translation>
    </message>
    <message>
        <source>Flash Drive</source>
        <translation>Pen USB</translation>
    </message>
    <message>
        <source> - Create Password</source>
        <translation> - Criar palavra-passe</translation>
    </message>
    <message>
        <source> - About</source>
        <translation> - Acerca de</translation>
    </message>
    <message>
        <source>This vault could not be loaded, it may be located on another computer or the original vault file has been manually removed. The error is: %1</source>
        <translation>Não foi possível carregar este cofre; pode estar noutro computador ou o ficheiro original do cofre foi removido manualmente. O erro é: %1</translation>
    </message>
    <message>
        <source>[Select Language]</source>
        <translation>[Selecionar idioma]</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Iniciar sessão</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>Esqueceu-se da palavra-passe?</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Teclado virtual</translation>
    </message>
    <message>
        <source>Enter Your Password</source>
        <translation>Introduza a sua palavra-passe</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Pesquisar...</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>O meu computador</translation>
    </message>
    <message>
        <source>My Vault</source>
        <translation>O meu cofre</translation>
    </message>
    <message>
        <source>Add File(s)</source>
        <translation>Adicionar ficheiro(s)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Mudar o nome</translation>
    </message>
    <message>
        <source>New Vault</source>
        <translation>Novo cofre</translation>
    </message>
    <message>
        <source>Disconnect Vault</source>
        <translation>Desligar cofre</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>Sincronizar</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalhes</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Ícones</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Pastas</translation>
    </message>
    <message>
        <source>Get Online Support</source>
        <translation>Suporte online</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nova pasta</translation>
    </message>
    <message>
        <source>Remove Folder</source>
        <translation>Remover pasta</translation>
    </message>
    <message>
        <source>Save File(s) to...</source>
        <translation>Guardar ficheiro(s) em...</translation>
    </message>
    <message>
        <source>Add Existing Vault</source>
        <translation>Adicionar cofre existente</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Alterar palavra-passe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>Procurar atualizações</translation>
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
        <translation>Colar</translation>
    </message>
    <message>
        <source>Move to Folder...</source>
        <translation>Mover para a pasta...</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>Retroceder</translation>
    </message>
    <message>
        <source>Go Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Go Home</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Ambiente de trabalho</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documentos</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computador</translation>
    </message>
    <message>
        <source>Backup Vault Data</source>
        <translation>Cópia de segurança dos dados do cofre</translation>
    </message>
    <message>
        <source>Restore Vault Data</source>
        <translation>Restaurar dados do cofre</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Opções...</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriedades</translation>
    </message>
    <message>
        <source>Add Sync Peer</source>
        <translation>Adicionar par de sincronização</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>Mostrar no gestor de ficheiros</translation>
    </message>
    <message>
        <source>Backup Vault</source>
        <translation>Cópia de segurança do cofre</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Ficheiro</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Ferramentas</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Main ToolBar</source>
        <translation>Barra de ferramentas principal</translation>
    </message>
    <message>
        <source>Could not create random bytes.</source>
        <translation>Não foi possível gerar bytes aleatórios.</translation>
    </message>
    <message>
        <source>The password cannot contain these characters: %1
Please use only letters, digits and signs of Western European languages.</source>
        <translation>A palavra-passe não pode conter estes carateres: %1
Utilize apenas letras, algarismos e sinais das línguas da Europa Ocidental.</translation>
    </message>
    <message>
        <source> - Virtual Keyboard</source>
        <translation> - Teclado virtual</translation>
    </message>
    <message>
        <source>Weak</source>
        <translation>Fraca</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Razoável</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Boa</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Excelente</translation>
    </message>
    <message>
        <source>Passwords do not match</source>
        <translation>As palavras-passe não coincidem</translation>
    </message>
    <message>
        <source>Invalid current item name.</source>
        <translation>Nome do item atual inválido.</translation>
    </message>
    <message>
        <source>Damaged item record in archive.</source>
        <translation>Registo de item danificado no arquivo.</translation>
    </message>
    <message>
        <source>Invalid item name in archive.</source>
        <translation>Nome de item inválido no arquivo.</translation>
    </message>
    <message>
        <source>Duplicate item name.</source>
        <translation>Nome de item duplicado.</translation>
    </message>
    <message>
        <source>Invalid item name.</source>
        <translation>Nome de item inválido.</translation>
    </message>
    <message>
        <source>Damaged vault header in archive.</source>
        <translation>Cabeçalho do cofre danificado no arquivo.</translation>
    </message>
    <message>
        <source>Invalid parent path in archive.</source>
        <translation>Caminho principal inválido no arquivo.</translation>
    </message>
    <message>
        <source>Invalid class name in archive.</source>
        <translation>Nome de classe inválido no arquivo.</translation>
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
        <translation>Data de criação</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Copying  file...</source>
        <translation>A copiar ficheiro...</translation>
    </message>
    <message>
        <source>Copying Item...</source>
        <translation>A copiar item...</translation>
    </message>
    <message>
        <source>Can not move</source>
        <translation>Não é possível mover</translation>
    </message>
    <message>
        <source>Processing Items...</source>
        <translation>A processar itens...</translation>
    </message>
    <message>
        <source>Moving Item...</source>
        <translation>A mover item...</translation>
    </message>
    <message>
        <source>There is already an item with the same name in this location. Do you want to replace it?</source>
        <translation>Já existe um item com o mesmo nome nesta localização. Pretende substituí-lo?</translation>
    </message>
    <message>
        <source>Failed to move</source>
        <translation>Falha ao mover</translation>
    </message>
    <message>
        <source>Failed to copy</source>
        <translation>Falha ao copiar</translation>
    </message>
    <message>
        <source>The application can not add more files because the vault&apos;s disk is full.</source>
        <translation>A aplicação não pode adicionar mais ficheiros porque o disco do cofre está cheio.</translation>
    </message>
    <message>
        <source>Moving file...</source>
        <translation>A mover ficheiro...</translation>
    </message>
    <message>
        <source>Copy folder...</source>
        <translation>Copiar pasta...</translation>
    </message>
    <message>
        <source>Add a vault here</source>
        <translation>Adicionar um cofre aqui</translation>
    </message>
    <message>
        <source>Add a file or create a folder here</source>
        <translation>Adicionar um ficheiro ou criar uma pasta aqui</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Timeouts</source>
        <translation>Tempos limite</translation>
    </message>
    <message>
        <source>Application timeout</source>
        <translation>Tempo limite da aplicação</translation>
    </message>
    <message>
        <source>Timeout in minutes:</source>
        <translation>Tempo limite em minutos:</translation>
    </message>
    <message>
        <source>0 = Timeout Disabled</source>
        <translation>0 = Tempo limite desativado</translation>
    </message>
    <message>
        <source>Password expiration</source>
        <translation>Expiração da palavra-passe</translation>
    </message>
    <message>
        <source>Expiration in days:</source>
        <translation>Expiração em dias:</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmação</translation>
    </message>
    <message>
        <source>File delete confirmation</source>
        <translation>Confirmação ao eliminar ficheiros</translation>
    </message>
    <message>
        <source>Restore to default</source>
        <translation>Repor predefinições</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Cifra</translation>
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
        <translation>Método de cifra preferido:</translation>
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
        <translation>Localizações</translation>
    </message>
    <message>
        <source>Backup options</source>
        <translation>Opções de cópia de segurança</translation>
    </message>
    <message>
        <source>Backup location</source>
        <translation>Localização das cópias de segurança</translation>
    </message>
    <message>
        <source>Application Data</source>
        <translation>Dados de aplicações</translation>
    </message>
    <message>
        <source>My Documents</source>
        <translation>Os meus documentos</translation>
    </message>
    <message>
        <source>Mount options</source>
        <translation>Opções de montagem</translation>
    </message>
    <message>
        <source>Mount location</source>
        <translation>Localização de montagem</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Caminho</translation>
    </message>
    <message>
        <source>Backup retention</source>
        <translation>Retenção de cópias de segurança</translation>
    </message>
    <message>
        <source>Keep number of backups:</source>
        <translation>Número de cópias a manter:</translation>
    </message>
    <message>
        <source>Enable automatic backup retention</source>
        <translation>Limitar as cópias conservadas</translation>
    </message>
    <message>
        <source>You will need to restart the application for these changes to take effect</source>
        <translation>Tem de reiniciar a aplicação para que estas alterações tenham efeito</translation>
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
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Está a decorrer uma cópia de segurança. Aguarde até que termine antes de sair do programa ou ejetar a pen USB.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>ProblemReport</name>
    <message>
        <source>A problem occured</source>
        <translation>Ocorreu um problema</translation>
    </message>
    <message>
        <source>Sending Report. . .</source>
        <translation>A enviar o relatório. . .</translation>
    </message>
    <message>
        <source>Send Report</source>
        <translation>Enviar relatório</translation>
    </message>
    <message>
        <source>Report was sent successful!</source>
        <translation>O relatório foi enviado com êxito!</translation>
    </message>
    <message>
        <source>Error sending report!
%2 (%1)</source>
        <translation>Erro ao enviar o relatório!
%2 (%1)</translation>
    </message>
</context>
<context>
    <name>RestoreWizard</name>
    <message>
        <source>Restore Wizard</source>
        <translation>Assistente de restauro</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Welcome to the restore wizard.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;This wizard will guide you through the process of restoring current data from a previous backup.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Bem-vindo ao assistente de restauro.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;Este assistente guia-o no processo de restaurar os dados atuais a partir de uma cópia de segurança anterior.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Please choose the location to be restored from the backup file and click &apos;Next&apos; to proceed.</source>
        <translation>Escolha a localização a restaurar a partir do ficheiro de cópia de segurança e clique em &apos;Seguinte&apos; para continuar.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Seguinte</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Please select the backup to be restored and click &apos;Next&apos; to proceed.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Selecione a cópia de segurança a restaurar e clique em &apos;Seguinte&apos; para continuar.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Antiguidade</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The encryption key for the selected backup is not available. &lt;/p&gt;&lt;p&gt;A copy of the key is present in the backup, but is protected by a password.&lt;/p&gt;&lt;p&gt;Please enter the password that was in use when the backup was made and click &apos;Next&apos; to proceed.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A chave de cifra da cópia de segurança selecionada não está disponível. &lt;/p&gt;&lt;p&gt;Existe uma cópia da chave na cópia de segurança, mas está protegida por uma palavra-passe.&lt;/p&gt;&lt;p&gt;Introduza a palavra-passe que estava em uso quando a cópia de segurança foi feita e clique em &apos;Seguinte&apos; para continuar.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Password:&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Palavra-passe:&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;You have entered an incorrect password. &lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Introduziu uma palavra-passe incorreta. &lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Please go back and try again.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Volte atrás e tente novamente.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;By clicking &apos;Restore&apos; you will replace all data in the selected vault with data from the backup.&lt;/p&gt;&lt;p&gt;Click &apos;Back&apos; if any changes are needed before proceeding.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ao clicar em &apos;Restaurar&apos;, substituirá todos os dados do cofre selecionado pelos dados da cópia de segurança.&lt;/p&gt;&lt;p&gt;Clique em &apos;Anterior&apos; se forem necessárias alterações antes de continuar.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>New, empty folder for the vault:</source>
        <translation>Pasta nova e vazia para o cofre:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procurar...</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Restoring backup data.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A restaurar os dados da cópia de segurança.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;There are no other backup files available.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Não existem outros ficheiros de cópia de segurança disponíveis.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Data restored succesfully!&lt;br/&gt;&lt;/p&gt;&lt;p&gt;You can now close this Wizard and access the restored data.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Dados restaurados com êxito!&lt;br/&gt;&lt;/p&gt;&lt;p&gt;Pode agora fechar este assistente e aceder aos dados restaurados.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The backup was not restored.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A cópia de segurança não foi restaurada.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Select the vault to restore</source>
        <translation>Selecione o cofre a restaurar</translation>
    </message>
    <message>
        <source>Other unlisted vault</source>
        <translation>Outro cofre não listado</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Ontem</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoje</translation>
    </message>
    <message>
        <source>%1 Days ago</source>
        <translation>Há %1 dias</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;By clicking &apos;Restore&apos; the backup becomes a new vault in the new, empty folder below. No existing vault is changed.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ao clicar em &apos;Restaurar&apos;, a cópia de segurança torna-se um novo cofre na pasta nova e vazia abaixo. Nenhum cofre existente é alterado.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Choose a new, empty folder for the vault</source>
        <translation>Escolha uma pasta nova e vazia para o cofre</translation>
    </message>
    <message>
        <source>Please choose a new, empty folder for the restored vault.</source>
        <translation>Escolha uma pasta nova e vazia para o cofre restaurado.</translation>
    </message>
    <message>
        <source>%1 is not a folder. Please choose a new, empty folder for the restored vault.</source>
        <translation>%1 não é uma pasta. Escolha uma pasta nova e vazia para o cofre restaurado.</translation>
    </message>
    <message>
        <source>The folder %1 is not empty. Please choose a new, empty folder for the restored vault.</source>
        <translation>A pasta %1 não está vazia. Escolha uma pasta nova e vazia para o cofre restaurado.</translation>
    </message>
    <message>
        <source>The folder %1 belongs to the vault %2. Please choose a new, empty folder for the restored vault.</source>
        <translation>A pasta %1 pertence ao cofre %2. Escolha uma pasta nova e vazia para o cofre restaurado.</translation>
    </message>
    <message>
        <source>The folder %1 lies in the backup location. Please choose another folder.</source>
        <translation>A pasta %1 está na localização das cópias de segurança. Escolha outra pasta.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Não foi possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>Restored vault</source>
        <translation>Cofre restaurado</translation>
    </message>
    <message>
        <source>The backup can be copied straight over the vault&apos;s files instead. If that fails part-way, the vault can&apos;t be put back as it was. Restore anyway?</source>
        <translation>Em alternativa, a cópia de segurança pode ser copiada diretamente sobre os ficheiros do cofre. Se isso falhar a meio, o cofre não poderá voltar ao estado anterior. Restaurar mesmo assim?</translation>
    </message>
    <message>
        <source> Yes </source>
        <translation> Sim </translation>
    </message>
    <message>
        <source> No </source>
        <translation> Não </translation>
    </message>
    <message>
        <source>A synchronisation is running; please try again when it has finished.</source>
        <translation>Está a decorrer uma sincronização; tente novamente quando terminar.</translation>
    </message>
    <message>
        <source>The folder of the vault %1 is not available.</source>
        <translation>A pasta do cofre %1 não está disponível.</translation>
    </message>
    <message>
        <source>The backup holds no vault index.</source>
        <translation>A cópia de segurança não contém nenhum índice de cofre.</translation>
    </message>
    <message>
        <source>There is not enough free space beside the vault to restore it safely: %1 are needed, %2 are free.</source>
        <translation>Não há espaço livre suficiente junto do cofre para o restaurar em segurança: são necessários %1, estão livres %2.</translation>
    </message>
    <message>
        <source>No room could be made beside the vault folder %1 to restore into.</source>
        <translation>Não foi possível arranjar espaço junto da pasta do cofre %1 para restaurar.</translation>
    </message>
    <message>
        <source>The backup could not be copied: %1 The vault was not changed.</source>
        <translation>Não foi possível copiar a cópia de segurança: %1 O cofre não foi alterado.</translation>
    </message>
    <message>
        <source>The vault was not changed.</source>
        <translation>O cofre não foi alterado.</translation>
    </message>
    <message>
        <source>The backup&apos;s files could not be put in place in the vault folder %1.</source>
        <translation>Não foi possível colocar os ficheiros da cópia de segurança na pasta do cofre %1.</translation>
    </message>
    <message>
        <source>Some of the vault&apos;s own files could not be put back; they are kept in %1.</source>
        <translation>Não foi possível repor alguns ficheiros próprios do cofre; estão guardados em %1.</translation>
    </message>
    <message>
        <source>The vault is as it was before.</source>
        <translation>O cofre está como estava.</translation>
    </message>
    <message>
        <source>The vault&apos;s files are as they were before.</source>
        <translation>Os ficheiros do cofre estão como estavam.</translation>
    </message>
    <message>
        <source>The backup could not be copied: %1 The vault may be damaged; restore it again once there is more free space.</source>
        <translation>Não foi possível copiar a cópia de segurança: %1 O cofre pode estar danificado; restaure-o novamente quando houver mais espaço livre.</translation>
    </message>
    <message>
        <source>The vault may be damaged.</source>
        <translation>O cofre pode estar danificado.</translation>
    </message>
    <message>
        <source>The backup&apos;s index can&apos;t be opened with the key that was found for it.</source>
        <translation>Não é possível abrir o índice da cópia de segurança com a chave encontrada para ela.</translation>
    </message>
    <message>
        <source>The backup&apos;s index can&apos;t be read.</source>
        <translation>Não é possível ler o índice da cópia de segurança.</translation>
    </message>
    <message>
        <source>The backup&apos;s index is damaged: %1</source>
        <translation>O índice da cópia de segurança está danificado: %1</translation>
    </message>
    <message>
        <source>The backup lacks the encrypted file of %1.</source>
        <translation>Falta na cópia de segurança o ficheiro cifrado de %1.</translation>
    </message>
    <message>
        <source>The restored vault could not be loaded: %1</source>
        <translation>Não foi possível carregar o cofre restaurado: %1</translation>
    </message>
    <message>
        <source>The restored vault could not be loaded.</source>
        <translation>Não foi possível carregar o cofre restaurado.</translation>
    </message>
    <message>
        <source>The encrypted file of %1 in the backup is not whole (%2).</source>
        <translation>O ficheiro encriptado de %1 na cópia de segurança não está completo (%2).</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Não é possível escrever %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a symbolic link</source>
        <translation>Não é possível escrever %1: é uma ligação simbólica</translation>
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
        <translation>Selecione uma pasta de destino:</translation>
    </message>
    <message>
        <source>Please select a target folder.</source>
        <translation>Selecione uma pasta de destino.</translation>
    </message>
</context>
<context>
    <name>TAVCryptoThread</name>
    <message>
        <source>Cannot open file for read %1
Error: %2</source>
        <translation>Não é possível abrir o ficheiro para leitura %1
Erro: %2</translation>
    </message>
    <message>
        <source>Cannot open file for write %1
Error: %2</source>
        <translation>Não é possível abrir o ficheiro para escrita %1
Erro: %2</translation>
    </message>
</context>
<context>
    <name>TAVFile</name>
    <message>
        <source>File %1 does not exist</source>
        <translation>O ficheiro %1 não existe</translation>
    </message>
</context>
<context>
    <name>TAVFileWatcher</name>
    <message>
        <source>%1 is a symbolic link: the decrypted copy is not written there.</source>
        <translation>%1 é uma ligação simbólica: a cópia decifrada não é escrita aí.</translation>
    </message>
    <message>
        <source>%1 is open with changes that are not in the vault yet.</source>
        <translation>%1 está aberto com alterações que ainda não estão no cofre.</translation>
    </message>
    <message>
        <source>The folder %1 for the decrypted copy could not be made.</source>
        <translation>Não foi possível criar a pasta %1 para a cópia decifrada.</translation>
    </message>
    <message>
        <source>The changes of %1 could not be put into the vault: the vault is not open.</source>
        <translation>Não foi possível colocar as alterações de %1 no cofre: o cofre não está aberto.</translation>
    </message>
    <message>
        <source>The changes of %1 could not be put into the vault: the vault&apos;s folder is not found.</source>
        <translation>Não foi possível colocar as alterações de %1 no cofre: a pasta do cofre não foi encontrada.</translation>
    </message>
    <message>
        <source>The changes of %1 are in the vault, but the vault&apos;s index could not be saved.</source>
        <translation>As alterações de %1 estão no cofre, mas não foi possível guardar o índice do cofre.</translation>
    </message>
</context>
<context>
    <name>TAVItem</name>
    <message>
        <source>Decryption failed.</source>
        <translation>A decifração falhou.</translation>
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
        <translation>A cifrar...</translation>
    </message>
    <message>
        <source>Estimated Time to Complete: 0.00 minutes</source>
        <translation>Tempo estimado para concluir: 0,00 minutos</translation>
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
        <translation>Tempo estimado para concluir:</translation>
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
        <translation>Sincronização</translation>
    </message>
    <message>
        <source>Synchronization progress:</source>
        <translation>Progresso da sincronização:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>No items is synced</source>
        <translation>Nenhum item sincronizado</translation>
    </message>
    <message>
        <source>Synchronization completed successfully.</source>
        <translation>Sincronização concluída com êxito.</translation>
    </message>
    <message>
        <source>Synchronization finished, but not every file could be synchronized. See the lines above.</source>
        <translation>A sincronização terminou, mas nem todos os ficheiros foram sincronizados. Veja as linhas acima.</translation>
    </message>
</context>
<context>
    <name>TAVSync</name>
    <message>
        <source>Synchronization cancelled.</source>
        <translation>Sincronização cancelada.</translation>
    </message>
    <message>
        <source>Vault is not loaded</source>
        <translation>O cofre não está carregado</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>A pasta não existe.</translation>
    </message>
    <message>
        <source>The disk folder %1 is empty, but held %2 items at the last synchronization: nothing was deleted or copied for this peer.</source>
        <translation>A pasta do disco %1 está vazia, mas continha %2 itens na última sincronização: nada foi eliminado nem copiado para este par.</translation>
    </message>
    <message>
        <source>The vault folder %1 is empty, but held %2 items at the last synchronization: nothing was deleted or copied for this peer.</source>
        <translation>A pasta do cofre %1 está vazia, mas continha %2 itens na última sincronização: nada foi eliminado nem copiado para este par.</translation>
    </message>
    <message>
        <source>The new files could not be written to the disk.</source>
        <translation>Não foi possível escrever os novos ficheiros no disco.</translation>
    </message>
    <message>
        <source>The vault&apos;s index could not be saved.</source>
        <translation>Não foi possível guardar o índice do cofre.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>The item is no longer in the vault.</source>
        <translation>O item já não está no cofre.</translation>
    </message>
    <message>
        <source>A folder of that name is in the vault.</source>
        <translation>Existe uma pasta com esse nome no cofre.</translation>
    </message>
    <message>
        <source>Its folder is not in the vault.</source>
        <translation>A sua pasta não está no cofre.</translation>
    </message>
    <message>
        <source>Kept %1: it holds items the last synchronization did not know.</source>
        <translation>%1 mantido: contém itens que a última sincronização não conhecia.</translation>
    </message>
    <message>
        <source>Kept %1: it is reached through a symbolic link.</source>
        <translation>%1 mantido: é alcançado através de uma ligação simbólica.</translation>
    </message>
    <message>
        <source>Kept %1: it holds files the last synchronization did not know.</source>
        <translation>%1 mantido: contém ficheiros que a última sincronização não conhecia.</translation>
    </message>
    <message>
        <source>The list of synchronization peers of this vault can&apos;t be read. Nothing was changed.</source>
        <translation>Não é possível ler a lista de pares de sincronização deste cofre. Nada foi alterado.</translation>
    </message>
    <message>
        <source>These folders are already synchronized.</source>
        <translation>Estas pastas já estão sincronizadas.</translation>
    </message>
    <message>
        <source>The list of synchronization peers could not be written. The folder was not added.</source>
        <translation>Não foi possível escrever a lista de pares de sincronização. A pasta não foi adicionada.</translation>
    </message>
    <message>
        <source>This folder can&apos;t be synchronized: it is the vault&apos;s own folder, lies inside it or holds it.</source>
        <translation>Esta pasta não pode ser sincronizada: é a própria pasta do cofre, está dentro dela ou contém-na.</translation>
    </message>
    <message>
        <source>This folder can&apos;t be synchronized: the application keeps its own files there.</source>
        <translation>Esta pasta não pode ser sincronizada: a aplicação guarda aí os seus próprios ficheiros.</translation>
    </message>
    <message>
        <source>The folder could not be added.</source>
        <translation>Não foi possível adicionar a pasta.</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>A iniciar...</translation>
    </message>
    <message>
        <source>Synchronization finished with errors: see the lines above.</source>
        <translation>A sincronização terminou com erros: veja as linhas acima.</translation>
    </message>
    <message>
        <source>Another synchronization is running.</source>
        <translation>Está a decorrer outra sincronização.</translation>
    </message>
    <message>
        <source>No synchronization peers defined.</source>
        <translation>Nenhum par de sincronização definido.</translation>
    </message>
    <message>
        <source>Skipped: %1 (names that differ only in case)</source>
        <translation>Ignorado: %1 (nomes que só diferem em maiúsculas/minúsculas)</translation>
    </message>
    <message>
        <source>The folder can&apos;t be read: nothing was deleted or copied for this peer.</source>
        <translation>Não é possível ler a pasta: nada foi eliminado nem copiado para este par.</translation>
    </message>
    <message>
        <source>The folder %1 was removed or replaced during the synchronization: nothing more was copied or deleted for this peer.</source>
        <translation>A pasta %1 foi removida ou substituída durante a sincronização: nada mais foi copiado nem eliminado para este par.</translation>
    </message>
    <message>
        <source>Kept %1: it changed on the disk during the synchronization.</source>
        <translation>%1 mantido: foi alterado no disco durante a sincronização.</translation>
    </message>
    <message>
        <source>The vault&apos;s folder can&apos;t be written.</source>
        <translation>Não é possível escrever na pasta do cofre.</translation>
    </message>
    <message>
        <source>Skipped: %1 (a symbolic link)</source>
        <translation>Ignorado: %1 (uma ligação simbólica)</translation>
    </message>
    <message>
        <source>This folder can&apos;t be synchronized: it holds or lies inside a folder already synchronized with this vault.</source>
        <translation>Esta pasta não pode ser sincronizada: contém uma pasta já sincronizada com este cofre ou está dentro dela.</translation>
    </message>
    <message>
        <source>Failed: %1 (can&apos;t be read: %2)</source>
        <translation>Falhou: %1 (não é possível ler: %2)</translation>
    </message>
    <message>
        <source>Skipped: %1 (not a file or a folder)</source>
        <translation>Ignorado: %1 (não é um ficheiro nem uma pasta)</translation>
    </message>
</context>
<context>
    <name>TAVSyncProgressDialog</name>
    <message>
        <source>Synchronization</source>
        <translation>Sincronização</translation>
    </message>
    <message>
        <source>Synchronization progress:</source>
        <translation>Progresso da sincronização:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>No items is synced</source>
        <translation>Nenhum item sincronizado</translation>
    </message>
    <message>
        <source>Synchronization completed successfully.</source>
        <translation>Sincronização concluída com êxito.</translation>
    </message>
    <message>
        <source>Repair completed successfully.</source>
        <translation>Reparação concluída com êxito.</translation>
    </message>
    <message>
        <source>Synchronization finished with errors:</source>
        <translation>A sincronização terminou com erros:</translation>
    </message>
    <message>
        <source>Synchronization finished with errors. The lines in the progress window say which items could not be synchronized.</source>
        <translation>A sincronização terminou com erros. As linhas na janela de progresso indicam os itens que não foi possível sincronizar.</translation>
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
        <translation>Informações</translation>
    </message>
    <message>
        <source>Type of encryption:</source>
        <translation>Tipo de cifra:</translation>
    </message>
    <message>
        <source>Total number of files:</source>
        <translation>Número total de ficheiros:</translation>
    </message>
    <message>
        <source>Total storage space:</source>
        <translation>Espaço de armazenamento total:</translation>
    </message>
    <message>
        <source>Full Physical Path:</source>
        <translation>Caminho físico completo:</translation>
    </message>
    <message>
        <source>Set Vault Password</source>
        <translation>Definir palavra-passe do cofre</translation>
    </message>
    <message>
        <source>Repair vault </source>
        <translation>Reparar cofre </translation>
    </message>
    <message>
        <source>Synchronization</source>
        <translation>Sincronização</translation>
    </message>
    <message>
        <source>Synchronization peers:</source>
        <translation>Pares de sincronização:</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Anfitrião</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>Pasta local</translation>
    </message>
    <message>
        <source>Vault folder</source>
        <translation>Pasta do cofre</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>Sincronizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>This repair has already run.</source>
        <translation>Esta reparação já foi executada.</translation>
    </message>
    <message>
        <source>The folder of the vault cannot be found: %1
Nothing was repaired.</source>
        <translation>A pasta do cofre não foi encontrada: %1
Nada foi reparado.</translation>
    </message>
    <message>
        <source>A repair of this vault is already running.</source>
        <translation>Já está a decorrer uma reparação deste cofre.</translation>
    </message>
    <message>
        <source>A synchronization is running. Please try again when it has finished.</source>
        <translation>Está a decorrer uma sincronização. Tente novamente quando terminar.</translation>
    </message>
    <message>
        <source>Start repair index file</source>
        <translation>Iniciar a reparação do ficheiro de índice</translation>
    </message>
    <message>
        <source>The repair was cancelled. The index was not changed.</source>
        <translation>A reparação foi cancelada. O índice não foi alterado.</translation>
    </message>
    <message>
        <source>Only %1 of the %2 files listed in the index of the vault &quot;%3&quot; were found in its folder %4.
If the drive or the folder is incomplete, repairing now takes the missing files out of the index.

Repair the index anyway?</source>
        <translation>Só foram encontrados %1 dos %2 ficheiros listados no índice do cofre &quot;%3&quot; na sua pasta %4.
Se a unidade ou a pasta estiver incompleta, a reparação retira agora do índice os ficheiros em falta.

Reparar o índice mesmo assim?</translation>
    </message>
    <message>
        <source>The index was not repaired.</source>
        <translation>O índice não foi reparado.</translation>
    </message>
    <message>
        <source>The vault&apos;s key does not fit the files in its folder. Nothing was repaired.</source>
        <translation>A chave do cofre não corresponde aos ficheiros da sua pasta. Nada foi reparado.</translation>
    </message>
    <message>
        <source>The vault was closed during the repair. The index was not changed.</source>
        <translation>O cofre foi fechado durante a reparação. O índice não foi alterado.</translation>
    </message>
    <message>
        <source>The previous index could not be kept (%1). The index was not changed.</source>
        <translation>Não foi possível manter o índice anterior (%1). O índice não foi alterado.</translation>
    </message>
    <message>
        <source>The index could not be rebuilt. The index was not changed.</source>
        <translation>Não foi possível reconstruir o índice. O índice não foi alterado.</translation>
    </message>
    <message>
        <source>The repaired index could not be written. The previous index is kept.</source>
        <translation>Não foi possível escrever o índice reparado. O índice anterior é mantido.</translation>
    </message>
    <message>
        <source>The index was repaired: %1 files rebuilt (%2 of them in the folder &quot;%3&quot;), %4 removed, %5 skipped.</source>
        <translation>O índice foi reparado: %1 ficheiros reconstruídos (%2 deles na pasta &quot;%3&quot;), %4 removidos, %5 ignorados.</translation>
    </message>
    <message>
        <source>Please choose a folder to synchronise with:</source>
        <translation>Escolha uma pasta com a qual sincronizar:</translation>
    </message>
    <message>
        <source>This synchronization peer is no longer in the list of the vault.</source>
        <translation>Este par de sincronização já não está na lista do cofre.</translation>
    </message>
    <message>
        <source>The list of synchronization peers of this vault could not be changed. The peer was not removed.</source>
        <translation>Não foi possível alterar a lista de pares de sincronização deste cofre. O par não foi removido.</translation>
    </message>
    <message>
        <source>Please try again and enter a password</source>
        <translation>Tente novamente e introduza uma palavra-passe</translation>
    </message>
    <message>
        <source>Please enter a new password to encrypt the key:</source>
        <translation>Introduza uma nova palavra-passe para cifrar a chave:</translation>
    </message>
    <message>
        <source>Please enter the password again:</source>
        <translation>Introduza novamente a palavra-passe:</translation>
    </message>
    <message>
        <source>The two passwords are not the same. The vault password was not changed.</source>
        <translation>As duas palavras-passe não são iguais. A palavra-passe do cofre não foi alterada.</translation>
    </message>
    <message>
        <source>The vault password could not be saved in %1. The key chain was not changed.</source>
        <translation>Não foi possível guardar a palavra-passe do cofre em %1. O porta-chaves não foi alterado.</translation>
    </message>
    <message>
        <source>The vault password was set.</source>
        <translation>A palavra-passe do cofre foi definida.</translation>
    </message>
    <message>
        <source>Repair Progress</source>
        <translation>Progresso da reparação</translation>
    </message>
</context>
<context>
    <name>UpdateAvailableDialog</name>
    <message>
        <source>Kolvane - New Version Available</source>
        <translation>Kolvane - Nova versão disponível</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
</context>
<context>
    <name>UpdateConfigDialog</name>
    <message>
        <source>Kolvane - Updates configuration</source>
        <translation>Kolvane - Configuração de atualizações</translation>
    </message>
    <message>
        <source>How often do you want to check for updates?</source>
        <translation>Com que frequência pretende procurar atualizações?</translation>
    </message>
    <message>
        <source>Once a week</source>
        <translation>Uma vez por semana</translation>
    </message>
    <message>
        <source>Every two weeks</source>
        <translation>De duas em duas semanas</translation>
    </message>
    <message>
        <source>Once a month</source>
        <translation>Uma vez por mês</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>Check for updates now</source>
        <translation>Procurar atualizações agora</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Thank you for using %1
You are using %1 %2. There are currently no updates available.
Please try again later.</source>
        <translation>Obrigado por utilizar o %1
Está a utilizar o %1 %2. De momento não existem atualizações disponíveis.
Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source> - New Version Available</source>
        <translation> - Nova versão disponível</translation>
    </message>
</context>
<context>
    <name>UpdateDownload</name>
    <message>
        <source>The server did not answer in time</source>
        <translation>O servidor não respondeu a tempo</translation>
    </message>
    <message>
        <source>A download is already under way</source>
        <translation>Já está a decorrer uma transferência</translation>
    </message>
    <message>
        <source>The address %1 is not a secure one</source>
        <translation>O endereço %1 não é seguro</translation>
    </message>
    <message>
        <source>The address %1 names no file</source>
        <translation>O endereço %1 não indica nenhum ficheiro</translation>
    </message>
    <message>
        <source>Redirected without a new address</source>
        <translation>Redirecionado sem um novo endereço</translation>
    </message>
    <message>
        <source>Too many redirections</source>
        <translation>Demasiados redirecionamentos</translation>
    </message>
    <message>
        <source>Redirected from a secure address to %1</source>
        <translation>Redirecionado de um endereço seguro para %1</translation>
    </message>
    <message>
        <source>The server answered %1</source>
        <translation>O servidor respondeu %1</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>The package is larger than %1 MiB</source>
        <translation>O pacote excede %1 MiB</translation>
    </message>
</context>
<context>
    <name>Utils</name>
    <message>
        <source>Start synchronizing files now.</source>
        <translation>Sincronizar ficheiros agora.</translation>
    </message>
    <message>
        <source>There are %1 file(s) to be synchronized.</source>
        <translation>Existem %1 ficheiro(s) para sincronizar.</translation>
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
        <translation>Mostrar texto simples</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Maiúsculas</translation>
    </message>
    <message>
        <source>&lt;--</source>
        <translation>&lt;--</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Repor</translation>
    </message>
    <message>
        <source>Security Level</source>
        <translation>Nível de segurança</translation>
    </message>
    <message>
        <source>Realtime</source>
        <translation>Tempo real</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baixo</translation>
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
        <translation>Não existe nenhuma pasta de dados para a pasta da unidade.</translation>
    </message>
    <message>
        <source>%1 must name a folder by its full path: %2</source>
        <translation>%1 tem de indicar uma pasta pelo caminho completo: %2</translation>
    </message>
    <message>
        <source>The drive folder %1 can&apos;t be made.</source>
        <translation>Não é possível criar a pasta da unidade %1.</translation>
    </message>
    <message>
        <source>The drive folder can&apos;t be the root folder.</source>
        <translation>A pasta da unidade não pode ser a pasta raiz.</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 can&apos;t be made: %2</source>
        <translation>Não é possível criar o ficheiro de número de série da unidade %1: %2</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 can&apos;t be written: %2</source>
        <translation>Não é possível escrever o ficheiro de número de série da unidade %1: %2</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 can&apos;t be read: %2</source>
        <translation>Não é possível ler o ficheiro de número de série da unidade %1: %2</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 is damaged.</source>
        <translation>O ficheiro de número de série da unidade %1 está danificado.</translation>
    </message>
    <message>
        <source>The drive folder %1 named by %2 does not exist.</source>
        <translation>A pasta de unidade %1 indicada por %2 não existe.</translation>
    </message>
</context>
<context>
    <name>velmora_howto</name>
    <message>
        <source>Data Protection</source>
        <translation>Proteção de dados</translation>
    </message>
    <message>
        <source>4 ways to protect your files</source>
        <translation>4 formas de proteger os seus ficheiros</translation>
    </message>
    <message>
        <source>Drag and drop files onto main screen</source>
        <translation>Arrastar e largar ficheiros no ecrã principal</translation>
    </message>
    <message>
        <source>Copy and paste files onto main screen</source>
        <translation>Copiar e colar ficheiros no ecrã principal</translation>
    </message>
    <message>
        <source>Click &apos;Add files&apos; button to browse and add file</source>
        <translation>Clique no botão &apos;Adicionar ficheiros&apos; para procurar e adicionar ficheiros</translation>
    </message>
    <message>
        <source>Use Backup Data to safeguard your data against loss</source>
        <translation>Utilize a cópia de segurança de dados para proteger os seus dados contra perdas</translation>
    </message>
    <message>
        <source>Ctrl-C / Ctrl-V</source>
        <translation>Ctrl-C / Ctrl-V</translation>
    </message>
    <message>
        <source>Do not show again</source>
        <translation>Não mostrar novamente</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Seguinte</translation>
    </message>
</context>
</TS>
