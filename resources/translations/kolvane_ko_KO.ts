<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KO" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Software License Agreement</source>
        <translation>소프트웨어 사용권 계약</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>날짜</translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>the vault folder %1 does not exist.</source>
        <translation>보관함 폴더 %1이(가) 없습니다.</translation>
    </message>
    <message>
        <source>the backup location lies inside the vault folder.</source>
        <translation>백업 위치가 보관함 폴더 안에 있습니다.</translation>
    </message>
    <message>
        <source>no random bytes could be had for the backup&apos;s key check.</source>
        <translation>백업의 키 검사에 사용할 임의 바이트를 얻을 수 없습니다.</translation>
    </message>
    <message>
        <source>the vault key could not be protected for the backup&apos;s key check.</source>
        <translation>백업의 키 검사를 위해 보관함 키를 보호할 수 없습니다.</translation>
    </message>
    <message>
        <source>the earlier key check %1 could not be removed.</source>
        <translation>이전 키 검사 %1을(를) 제거할 수 없습니다.</translation>
    </message>
    <message>
        <source>the key check %1 could not be written: %2</source>
        <translation>키 검사 %1을(를) 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>the copied files could not be written to the disk: %1</source>
        <translation>복사한 파일을 디스크에 쓸 수 없습니다: %1</translation>
    </message>
    <message>
        <source>the backup folder %1 does not exist.</source>
        <translation>백업 폴더 %1이(가) 없습니다.</translation>
    </message>
    <message>
        <source>the folder %1 does not exist.</source>
        <translation>폴더 %1이(가) 없습니다.</translation>
    </message>
    <message>
        <source>the folder %1 could not be read.</source>
        <translation>폴더 %1을(를) 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>the folder %1 could not be made.</source>
        <translation>폴더 %1을(를) 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1을(를) 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>%1 could not be written: it is a symbolic link.</source>
        <translation>%1에 쓸 수 없습니다: 심볼릭 링크입니다.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1에 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>%1 could not be read to its end.</source>
        <translation>%1을(를) 끝까지 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>%1 could not be written whole.</source>
        <translation>%1을(를) 완전히 쓸 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>ChangePasswordDialog</name>
    <message>
        <source>Dialog</source>
        <translation>대화 상자</translation>
    </message>
    <message>
        <source>Enter your new password:</source>
        <translation>새 암호 입력:</translation>
    </message>
    <message>
        <source>Enter your current password:</source>
        <translation>현재 암호 입력:</translation>
    </message>
    <message>
        <source>Confirm your new password:</source>
        <translation>새 암호 확인:</translation>
    </message>
    <message>
        <source>Password Strength:</source>
        <translation>암호 강도:</translation>
    </message>
    <message>
        <source>Virtual keyboard</source>
        <translation>가상 키보드</translation>
    </message>
    <message>
        <source>Use more than 6 characters</source>
        <translation>6자보다 길게 사용</translation>
    </message>
    <message>
        <source>Use numeric and alpha numeric characters</source>
        <translation>숫자와 영문자를 함께 사용</translation>
    </message>
    <message>
        <source>Use upper- and lower case characters</source>
        <translation>대문자와 소문자를 함께 사용</translation>
    </message>
    <message>
        <source>Use special characters (#, $, !, %, &amp;&amp;, ^, *)</source>
        <translation>특수 문자 사용 (#, $, !, %, &amp;&amp;, ^, *)</translation>
    </message>
    <message>
        <source>Password Hint: (optional)</source>
        <translation>암호 힌트: (선택 사항)</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:13pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;You can type a password hint here, to help you remember your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;Try to pick a word or phrase that is clear enough to remind you, but vague&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;enough that nobody can guess your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(For example, the password &amp;quot;R0sebud#1941&amp;quot; with the hint &amp;quot;sled&amp;quot;.)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:13pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;암호를 기억하는 데 도움이 되도록 여기에 암호 힌트를 입력할 수 있습니다.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;떠올리기에는 충분히 분명하지만 다른 사람이 암호를 추측할 수 없을 만큼&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;모호한 단어나 문구를 고르세요.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(예: 암호 &amp;quot;R0sebud#1941&amp;quot;에 힌트 &amp;quot;sled&amp;quot;)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Password Recommendations:</source>
        <translation>암호 권장 사항:</translation>
    </message>
</context>
<context>
    <name>ConfirmFileDeleteDialog</name>
    <message>
        <source>Are you sure you want to delete the file?</source>
        <translation>이 파일을 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>Don’t ask this question again.</source>
        <translation>이 질문을 다시 묻지 않습니다.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
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
        <translation>원격 서버와의 연결 시간이 초과되었습니다</translation>
    </message>
    <message>
        <source>The answer of the server is larger than %1 KiB</source>
        <translation>서버 응답이 %1KiB보다 큽니다</translation>
    </message>
</context>
<context>
    <name>KVVaveCreatePasswordDialog</name>
    <message>
        <source>Dialog</source>
        <translation>대화 상자</translation>
    </message>
    <message>
        <source>Create your password:</source>
        <translation>암호 만들기:</translation>
    </message>
    <message>
        <source>Confirm your password:</source>
        <translation>암호 확인:</translation>
    </message>
    <message>
        <source>Password Strength:</source>
        <translation>암호 강도:</translation>
    </message>
    <message>
        <source>Virtual keyboard</source>
        <translation>가상 키보드</translation>
    </message>
    <message>
        <source>Use more than 6 characters</source>
        <translation>6자보다 길게 사용</translation>
    </message>
    <message>
        <source>Use numeric and alpha numeric characters</source>
        <translation>숫자와 영문자를 함께 사용</translation>
    </message>
    <message>
        <source>Use upper- and lower case characters</source>
        <translation>대문자와 소문자를 함께 사용</translation>
    </message>
    <message>
        <source>Use special characters (#, $, !, %, &amp;&amp;, ^, *)</source>
        <translation>특수 문자 사용 (#, $, !, %, &amp;&amp;, ^, *)</translation>
    </message>
    <message>
        <source>Create Password</source>
        <translation>암호 만들기</translation>
    </message>
    <message>
        <source>Password Hint: (optional)</source>
        <translation>암호 힌트: (선택 사항)</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:10pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;You can type a password hint here, to help you remember your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;Try to pick a word or phrase that is clear enough to remind you, but vague&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;enough that nobody can guess your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(For example, the password &amp;quot;R0sebud#1941&amp;quot; with the hint &amp;quot;sled&amp;quot;.)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:10pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;암호를 기억하는 데 도움이 되도록 여기에 암호 힌트를 입력할 수 있습니다.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;떠올리기에는 충분히 분명하지만 다른 사람이 암호를 추측할 수 없을 만큼&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;모호한 단어나 문구를 고르세요.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(예: 암호 &amp;quot;R0sebud#1941&amp;quot;에 힌트 &amp;quot;sled&amp;quot;)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Password Recommendations:</source>
        <translation>암호 권장 사항:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source> - Select Files to Encrypt</source>
        <translation> - 암호화할 파일 선택</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>암호화</translation>
    </message>
    <message>
        <source>Cannot add files here.</source>
        <translation>여기에는 파일을 추가할 수 없습니다.</translation>
    </message>
    <message>
        <source>These items could not be found and were not added:
%1</source>
        <translation>다음 항목을 찾을 수 없어 추가하지 않았습니다:
%1</translation>
    </message>
    <message>
        <source>Would you like to completely remove the original file(s) from your computer?</source>
        <translation>컴퓨터에서 원본 파일을 완전히 제거하시겠습니까?</translation>
    </message>
    <message>
        <source>You are about to securely wipe the original file(s) from your computer. You will not be able to recover these file(s) once they have been removed. Do you wish to continue?</source>
        <translation>컴퓨터에서 원본 파일을 안전하게 완전 삭제하려고 합니다. 제거한 파일은 복구할 수 없습니다. 계속하시겠습니까?</translation>
    </message>
    <message>
        <source>The vault %1 could not be saved, so the files just added are not kept in it. The original files have not been removed.</source>
        <translation>보관함 %1을(를) 저장할 수 없어 방금 추가한 파일이 보관함에 보관되지 않았습니다. 원본 파일은 제거되지 않았습니다.</translation>
    </message>
    <message>
        <source>The files added to the vault %1 could not be written safely to its disk. The original files have not been removed.</source>
        <translation>보관함 %1에 추가한 파일을 디스크에 안전하게 쓸 수 없습니다. 원본 파일은 제거되지 않았습니다.</translation>
    </message>
    <message>
        <source>can not remove</source>
        <translation>제거할 수 없음</translation>
    </message>
    <message>
        <source>This file is read-only or locked by another application.

Press &apos;Try Again&apos; to try to remove it, &apos;Ignore&apos; to continue or &apos;Cancel&apos; to stop removing files.</source>
        <translation>이 파일은 읽기 전용이거나 다른 응용 프로그램에 의해 잠겨 있습니다.

다시 제거하려면 &apos;다시 시도&apos;, 계속하려면 &apos;무시&apos;, 파일 제거를 중지하려면 &apos;취소&apos;를 누르세요.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>무시</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source> is neither a directory nor a file. %1 encrypts a directory or a file only. Please try again.</source>
        <translation> 은(는) 폴더도 파일도 아닙니다. %1은(는) 폴더나 파일만 암호화합니다. 다시 시도하세요.</translation>
    </message>
    <message>
        <source>The folder %1 was not added: a file of the same name is already there.</source>
        <translation>폴더 %1을(를) 추가하지 않았습니다: 같은 이름의 파일이 이미 있습니다.</translation>
    </message>
    <message>
        <source>The folder %1 could not be added: %2</source>
        <translation>폴더 %1을(를) 추가할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>%1 was not added: it is not a file that can be read.</source>
        <translation>%1을(를) 추가하지 않았습니다: 읽을 수 있는 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>The application can not add more files because the vault&apos;s disk is full.</source>
        <translation>보관함이 있는 디스크가 가득 차서 더 이상 파일을 추가할 수 없습니다.</translation>
    </message>
    <message>
        <source>It is not possible to encrypt the selected file. This may be due to a restriction of the USB flash drive file system or the drive is full.</source>
        <translation>선택한 파일을 암호화할 수 없습니다. USB 플래시 드라이브 파일 시스템의 제한 때문이거나 드라이브가 가득 찼기 때문일 수 있습니다.</translation>
    </message>
    <message>
        <source>The file %1 was not added: a folder of the same name is already there.</source>
        <translation>파일 %1을(를) 추가하지 않았습니다: 같은 이름의 폴더가 이미 있습니다.</translation>
    </message>
    <message>
        <source>%1 already contains a file name &apos;</source>
        <translation>%1에 이미 &apos;</translation>
    </message>
    <message>
        <source>&apos;. Would you like to replace the existing file?</source>
        <translation>&apos; 이름의 파일이 있습니다. 기존 파일을 바꾸시겠습니까?</translation>
    </message>
    <message>
        <source>The copy operation was cancelled by the user</source>
        <translation>사용자가 복사 작업을 취소했습니다</translation>
    </message>
    <message>
        <source>%1 could not be added: %2</source>
        <translation>%1을(를) 추가할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>알 수 없는 오류</translation>
    </message>
    <message>
        <source>%1 could not be encrypted into the vault: %2</source>
        <translation>%1을(를) 보관함에 암호화할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The selected items lie in more than one vault. Please select the one vault to back up.</source>
        <translation>선택한 항목이 여러 보관함에 있습니다. 백업할 보관함을 하나만 선택하세요.</translation>
    </message>
    <message>
        <source>Please select the vault to back up.</source>
        <translation>백업할 보관함을 선택하세요.</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>백업하는 중...</translation>
    </message>
    <message>
        <source>You don&apos;t have any backup file in backup location</source>
        <translation>백업 위치에 백업 파일이 없습니다</translation>
    </message>
    <message>
        <source>The list of vaults could not be saved to %1.</source>
        <translation>보관함 목록을 %1에 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>%1 cannot continue because the USB drive used has been removed. Click OK to exit %1</source>
        <translation>사용 중인 USB 드라이브가 제거되어 %1을(를) 계속할 수 없습니다. 확인을 클릭하면 %1이(가) 종료됩니다</translation>
    </message>
    <message>
        <source>Please choose a folder to extract the file(s) to:</source>
        <translation>파일을 추출할 폴더를 선택하세요:</translation>
    </message>
    <message>
        <source>Selected files are extracted to: [%1]</source>
        <translation>선택한 파일을 다음 위치에 추출했습니다: [%1]</translation>
    </message>
    <message>
        <source>The filename %1 contains characters that are not allowed on all platforms and cannot be copied.</source>
        <translation>파일 이름 %1에 일부 플랫폼에서 허용되지 않는 문자가 있어 복사할 수 없습니다.</translation>
    </message>
    <message>
        <source>The folder already contains a file name &apos;%1&apos;. Would you like to replace the existing file?</source>
        <translation>폴더에 이미 &apos;%1&apos; 이름의 파일이 있습니다. 기존 파일을 바꾸시겠습니까?</translation>
    </message>
    <message>
        <source>The file %1 could not be written.
Error: %2</source>
        <translation>파일 %1을(를) 쓸 수 없습니다.
오류: %2</translation>
    </message>
    <message>
        <source>The %1 can not create a directory on your path.</source>
        <translation>%1이(가) 지정한 경로에 폴더를 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>This file is already open or being used. The error is: %1</source>
        <translation>이 파일은 이미 열려 있거나 사용 중입니다. 오류: %1</translation>
    </message>
    <message>
        <source>There is no default application specified to open the document [%1]</source>
        <translation>문서 [%1]을(를) 열 기본 응용 프로그램이 지정되어 있지 않습니다</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>%1을(를) 시작할 수 없습니다.</translation>
    </message>
    <message>
        <source>This vault could not be loaded, it may be located on another computer or the original vault file has been manually removed.</source>
        <translation>이 보관함을 불러올 수 없습니다. 다른 컴퓨터에 있거나 원본 보관함 파일이 수동으로 제거되었을 수 있습니다.</translation>
    </message>
    <message>
        <source>This vault could not be loaded, it may be located on another computer or the original vault file has been manually removed. The error is: %1</source>
        <translation>이 보관함을 불러올 수 없습니다. 다른 컴퓨터에 있거나 원본 보관함 파일이 수동으로 제거되었을 수 있습니다. 오류: %1</translation>
    </message>
    <message>
        <source>Please make sure that your flash drive is formatted and that it is not write-protected.</source>
        <translation>플래시 드라이브가 포맷되어 있고 쓰기 방지 상태가 아닌지 확인하세요.</translation>
    </message>
    <message>
        <source>Unable to write vault structure. This program cannot continue.</source>
        <translation>보관함 구조를 쓸 수 없습니다. 이 프로그램을 계속할 수 없습니다.</translation>
    </message>
    <message>
        <source>A vault already exists on the flash drive. Do you want to use that vault?</source>
        <translation>플래시 드라이브에 이미 보관함이 있습니다. 그 보관함을 사용하시겠습니까?</translation>
    </message>
    <message>
        <source>Please enter a new password to decrypt the key:</source>
        <translation>키를 해독할 새 암호를 입력하세요:</translation>
    </message>
    <message>
        <source>Enter your password to unlock the vault:</source>
        <translation>보관함 잠금을 해제할 암호를 입력하세요:</translation>
    </message>
    <message>
        <source>That is not the correct password for this vault. Do you want to try again?</source>
        <translation>이 보관함의 올바른 암호가 아닙니다. 다시 시도하시겠습니까?</translation>
    </message>
    <message>
        <source>%1 cannot continue as there is already a vault on the flash drive. Please remove it and try again.</source>
        <translation>플래시 드라이브에 이미 보관함이 있어 %1을(를) 계속할 수 없습니다. 보관함을 제거한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>The file %1 is damaged and could not be read. This is not caused by your password.</source>
        <translation>파일 %1이(가) 손상되어 읽을 수 없습니다. 암호 때문이 아닙니다.</translation>
    </message>
    <message>
        <source>Your password is not correct. Please try again.</source>
        <translation>암호가 올바르지 않습니다. 다시 시도하세요.</translation>
    </message>
    <message>
        <source>You have exceeded the maximum (10) login attempts. You must wait 1 minute before trying to login again.</source>
        <translation>최대 로그인 시도 횟수(10회)를 초과했습니다. 1분 후에 다시 로그인하세요.</translation>
    </message>
    <message>
        <source> - Virtual Keyboard</source>
        <translation> - 가상 키보드</translation>
    </message>
    <message>
        <source>The vault on your Flash Drive is missing, do you want to create a new one?</source>
        <translation>플래시 드라이브의 보관함이 없습니다. 새로 만드시겠습니까?</translation>
    </message>
    <message>
        <source>These opened files hold changes that could not be put into their vault (its folder was not found or could not be written), so they were kept unencrypted on the disk:
%1

Their changes are put into the vault as soon as it can be reached again.</source>
        <translation>다음 열린 파일의 변경 내용을 보관함에 넣을 수 없어(폴더를 찾을 수 없거나 쓸 수 없음) 암호화되지 않은 상태로 디스크에 남겨 두었습니다:
%1

보관함에 다시 접근할 수 있게 되면 변경 내용이 바로 보관함에 들어갑니다.</translation>
    </message>
    <message>
        <source>These files hold changes that are not in their vault yet:
%1

If you quit now, the changes stay only in these unencrypted copies. Quit anyway?</source>
        <translation>다음 파일에 아직 보관함에 들어가지 않은 변경 내용이 있습니다:
%1

지금 종료하면 변경 내용은 암호화되지 않은 이 사본에만 남습니다. 그래도 종료하시겠습니까?</translation>
    </message>
    <message>
        <source>Your %1 password has reached it&apos;s timeout date. It is recommended that you change your password often to ensure the highest level of security. Would you like to change it now?</source>
        <translation>%1 암호의 사용 기한이 되었습니다. 최고 수준의 보안을 위해 암호를 자주 변경하는 것이 좋습니다. 지금 변경하시겠습니까?</translation>
    </message>
    <message>
        <source>, Vault Protection: %1</source>
        <translation>, 보관함 보호: %1</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>크기</translation>
    </message>
    <message>
        <source> (%1% used)</source>
        <translation> (%1% 사용됨)</translation>
    </message>
    <message>
        <source> (%1 items)</source>
        <translation> (항목 %1개)</translation>
    </message>
    <message>
        <source>No drive to work on was found: %1</source>
        <translation>작업할 드라이브를 찾을 수 없습니다: %1</translation>
    </message>
    <message>
        <source>Please choose a folder to synchronise this folder with:</source>
        <translation>이 폴더와 동기화할 폴더를 선택하세요:</translation>
    </message>
    <message>
        <source>Checking for updates... please wait</source>
        <translation>업데이트를 확인하는 중... 잠시 기다려 주세요</translation>
    </message>
    <message>
        <source> - New Version Available</source>
        <translation> - 새 버전 사용 가능</translation>
    </message>
    <message>
        <source>Updates are not available: this copy of %1 has no update server to ask.</source>
        <translation>업데이트를 사용할 수 없습니다: 이 %1에는 확인할 업데이트 서버가 없습니다.</translation>
    </message>
    <message>
        <source> - Update Configuration</source>
        <translation> - 업데이트 구성</translation>
    </message>
    <message>
        <source>Downloading the update...              </source>
        <translation>업데이트를 다운로드하는 중...              </translation>
    </message>
    <message>
        <source>Unable to save the file %1: %2.</source>
        <translation>파일 %1을(를) 저장할 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>The update could not be installed.</source>
        <translation>업데이트를 설치할 수 없습니다.</translation>
    </message>
    <message>
        <source>Download failed: %1.</source>
        <translation>다운로드 실패: %1.</translation>
    </message>
    <message>
        <source>The application will now restart.</source>
        <translation>응용 프로그램이 이제 다시 시작됩니다.</translation>
    </message>
    <message>
        <source>Please select a location for the new vault:</source>
        <translation>새 보관함의 위치를 선택하세요:</translation>
    </message>
    <message>
        <source>The selected folder already contains a vault. Use Add Existing Vault to connect it.</source>
        <translation>선택한 폴더에 이미 보관함이 있습니다. 연결하려면 &apos;기존 보관함 추가&apos;를 사용하세요.</translation>
    </message>
    <message>
        <source>The filename %1 contains characters that are not allowed on all platforms.</source>
        <translation>파일 이름 %1에 일부 플랫폼에서 허용되지 않는 문자가 있습니다.</translation>
    </message>
    <message>
        <source>A Vault with the name you specified already exists. Specify a different vault name and try again.</source>
        <translation>지정한 이름의 보관함이 이미 있습니다. 다른 보관함 이름을 지정하고 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Do you really want to remove the selected vault?</source>
        <translation>선택한 보관함을 제거하시겠습니까?</translation>
    </message>
    <message>
        <source>The selected item is not a vault.</source>
        <translation>선택한 항목은 보관함이 아닙니다.</translation>
    </message>
    <message>
        <source>Please choose the folder of your existing vault(s):</source>
        <translation>기존 보관함이 있는 폴더를 선택하세요:</translation>
    </message>
    <message>
        <source>The selected folder does not contain a vault.</source>
        <translation>선택한 폴더에 보관함이 없습니다.</translation>
    </message>
    <message>
        <source>A vault with the same name already exists.
Please enter a new name</source>
        <translation>같은 이름의 보관함이 이미 있습니다.
새 이름을 입력하세요</translation>
    </message>
    <message>
        <source>Please try again and enter a password</source>
        <translation>다시 시도하여 암호를 입력하세요</translation>
    </message>
    <message>
        <source>The password is not correct for this vault.</source>
        <translation>이 보관함의 올바른 암호가 아닙니다.</translation>
    </message>
    <message>
        <source>Unable to add this Vault. A Vault with the same name already exists. The error is: %1</source>
        <translation>이 보관함을 추가할 수 없습니다. 같은 이름의 보관함이 이미 있습니다. 오류: %1</translation>
    </message>
    <message>
        <source>You have choosen to delete the vault titled [%1]. All files within this vault will also be deleted. Do you wish to continue?</source>
        <translation>[%1] 보관함을 삭제하도록 선택했습니다. 이 보관함의 모든 파일도 삭제됩니다. 계속하시겠습니까?</translation>
    </message>
    <message>
        <source>Do you really want to delete the selected item(s)?</source>
        <translation>선택한 항목을 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>Please enter a name for your new folder:                    </source>
        <translation>새 폴더의 이름을 입력하세요:                    </translation>
    </message>
    <message>
        <source>Failed to create the &apos;%1&apos; directory</source>
        <translation>&apos;%1&apos; 폴더를 만들지 못했습니다</translation>
    </message>
    <message>
        <source>You cannot create a folder here.</source>
        <translation>여기에는 폴더를 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>A folder with the name you specified already exists. Specify a different folder name and try again.</source>
        <translation>지정한 이름의 폴더가 이미 있습니다. 다른 폴더 이름을 지정하고 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Do you really want to remove the selected folder?</source>
        <translation>선택한 폴더를 제거하시겠습니까?</translation>
    </message>
    <message>
        <source>The selected item is not a folder.</source>
        <translation>선택한 항목은 폴더가 아닙니다.</translation>
    </message>
    <message>
        <source>Please enter a new name:                                        </source>
        <translation>새 이름을 입력하세요:                                        </translation>
    </message>
    <message>
        <source>The file name extension is going to be changed. Do you really want to rename it?</source>
        <translation>파일 확장명이 변경됩니다. 이름을 바꾸시겠습니까?</translation>
    </message>
    <message>
        <source>An item with the name you specified already exists. Please try again.</source>
        <translation>지정한 이름의 항목이 이미 있습니다. 다시 시도하세요.</translation>
    </message>
    <message>
        <source> - Vault Property</source>
        <translation> - 보관함 속성</translation>
    </message>
    <message>
        <source>Load Vault</source>
        <translation>보관함 불러오기</translation>
    </message>
    <message>
        <source>The vault&apos;s location is accessible but the vault could not be loaded. Do you want to try to repair the vault?</source>
        <translation>보관함 위치에는 접근할 수 있지만 보관함을 불러올 수 없습니다. 보관함 복구를 시도하시겠습니까?</translation>
    </message>
    <message>
        <source>The index of the vault %1 could not be saved.</source>
        <translation>보관함 %1의 인덱스를 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>%1 - Confirm file delete</source>
        <translation>%1 - 파일 삭제 확인</translation>
    </message>
    <message>
        <source>Backup failed: %1</source>
        <translation>백업 실패: %1</translation>
    </message>
    <message>
        <source>A synchronisation is running; please try again when it has finished.</source>
        <translation>동기화가 실행 중입니다. 끝난 후에 다시 시도하세요.</translation>
    </message>
    <message>
        <source>There is nothing to backup as your vault does not contain any data.</source>
        <translation>보관함에 데이터가 없으므로 백업할 것이 없습니다.</translation>
    </message>
    <message>
        <source>Vault %1 does not exist.</source>
        <translation>보관함 %1이(가) 없습니다.</translation>
    </message>
    <message>
        <source>the new backup could not be read back.</source>
        <translation>새 백업을 다시 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>Backup completed successfully.</source>
        <translation>백업을 완료했습니다.</translation>
    </message>
    <message>
        <source>There is already a file with the same name in this location. Do you want to replace it?</source>
        <translation>이 위치에 같은 이름의 파일이 이미 있습니다. 바꾸시겠습니까?</translation>
    </message>
    <message>
        <source>%1 item(s) could not be moved:
%2</source>
        <translation>항목 %1개를 이동할 수 없습니다:
%2</translation>
    </message>
    <message>
        <source>%1 item(s) could not be copied:
%2</source>
        <translation>항목 %1개를 복사할 수 없습니다:
%2</translation>
    </message>
    <message>
        <source>Moving Item...</source>
        <translation>항목 이동 중...</translation>
    </message>
    <message>
        <source>Can not move</source>
        <translation>이동할 수 없음</translation>
    </message>
    <message>
        <source>The extracted files could not be written safely to %1. Check the disk and extract them again.</source>
        <translation>추출한 파일을 %1에 안전하게 쓸 수 없습니다. 디스크를 확인한 후 다시 추출하세요.</translation>
    </message>
    <message>
        <source>The application can not rename a file</source>
        <translation>파일 이름을 바꿀 수 없습니다</translation>
    </message>
    <message>
        <source>Are you sure you want to permanently delete this folder?</source>
        <translation>이 폴더를 영구적으로 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>Are you sure you want to permanently delete this file?</source>
        <translation>이 파일을 영구적으로 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>Are you sure you want to permanently delete these %1 items?</source>
        <translation>이 항목 %1개를 영구적으로 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source> - Options</source>
        <translation> - 옵션</translation>
    </message>
    <message>
        <source>The options could not be saved to %1. They hold until the program ends.</source>
        <translation>옵션을 %1에 저장할 수 없습니다. 옵션은 프로그램을 종료할 때까지만 유지됩니다.</translation>
    </message>
    <message>
        <source>Password Hint</source>
        <translation>암호 힌트</translation>
    </message>
    <message>
        <source> - Change Password</source>
        <translation> - 암호 변경</translation>
    </message>
    <message>
        <source>The current password entered is invalid. Please try again.</source>
        <translation>입력한 현재 암호가 올바르지 않습니다. 다시 시도하세요.</translation>
    </message>
    <message>
        <source>The list of vaults %1 could not be read. Your password has not been changed.</source>
        <translation>보관함 목록 %1을(를) 읽을 수 없습니다. 암호가 변경되지 않았습니다.</translation>
    </message>
    <message>
        <source>The list of vaults could not be saved to %1. Your password has not been changed; the current password still opens your vaults.</source>
        <translation>보관함 목록을 %1에 저장할 수 없습니다. 암호가 변경되지 않았으며, 현재 암호로 계속 보관함을 열 수 있습니다.</translation>
    </message>
    <message>
        <source>Your password has been changed, but the key files of these vaults could not be written and still hold their keys under the old password:
%1

The vaults open as before; only adding such a folder again as an existing vault needs the old password.</source>
        <translation>암호가 변경되었지만 다음 보관함의 키 파일을 쓸 수 없어 해당 키는 여전히 이전 암호로 보호되어 있습니다:
%1

보관함은 이전과 같이 열 수 있습니다. 이러한 폴더를 기존 보관함으로 다시 추가할 때에만 이전 암호가 필요합니다.</translation>
    </message>
    <message>
        <source>Unable to write vault structure. The vault was not created.</source>
        <translation>보관함 구조를 쓸 수 없습니다. 보관함이 만들어지지 않았습니다.</translation>
    </message>
    <message>
        <source>Unable to write vault structure. The vault was not added.</source>
        <translation>보관함 구조를 쓸 수 없습니다. 보관함이 추가되지 않았습니다.</translation>
    </message>
    <message>
        <source>An earlier list of vaults was found on the drive. It was kept as %1.</source>
        <translation>드라이브에서 이전 보관함 목록을 찾았습니다. %1(으)로 보관했습니다.</translation>
    </message>
    <message>
        <source>The key of the vault %1 in %2 is damaged. The vault&apos;s own key file still opens it: disconnect the vault and add it again with Add Existing Vault.</source>
        <translation>%2에 있는 보관함 %1의 키가 손상되었습니다. 보관함 자체의 키 파일로는 아직 열 수 있습니다. 보관함 연결을 끊은 다음 &quot;기존 보관함 추가&quot;로 다시 추가하십시오.</translation>
    </message>
    <message>
        <source>Your password has been changed, but the key files of these vaults are damaged and were left as they are:
%1

The vaults open as before, but such a folder can&apos;t be added again as an existing vault.</source>
        <translation>암호가 변경되었지만 다음 보관함의 키 파일이 손상되어 그대로 두었습니다:
%1

보관함은 이전처럼 열리지만, 이러한 폴더는 기존 보관함으로 다시 추가할 수 없습니다.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged. It was kept as %2, and the default settings are used.</source>
        <translation>설정 파일 %1이(가) 손상되었습니다. %2(으)로 보관했으며 기본 설정을 사용합니다.</translation>
    </message>
</context>
<context>
    <name>MainWindowClass</name>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source> No </source>
        <translation> 아니요 </translation>
    </message>
    <message>
        <source> Yes </source>
        <translation> 예 </translation>
    </message>
    <message>
        <source>Encrypting...</source>
        <translation>암호화하는 중...</translation>
    </message>
    <message>
        <source>Yes to All</source>
        <translation>모두 예</translation>
    </message>
    <message>
        <source>Decrypting...</source>
        <translation>해독하는 중...</translation>
    </message>
    <message>
        <source>Decrypting Item...</source>
        <translation>항목을 해독하는 중...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Flash Drive</source>
        <translation>플래시 드라이브</translation>
    </message>
    <message>
        <source> - Create Password</source>
        <translation> - 암호 만들기</translation>
    </message>
    <message>
        <source> - About</source>
        <translation> - 정보</translation>
    </message>
    <message>
        <source>This vault could not be loaded, it may be located on another computer or the original vault file has been manually removed. The error is: %1</source>
        <translation>이 보관함을 불러올 수 없습니다. 다른 컴퓨터에 있거나 원본 보관함 파일이 수동으로 제거되었을 수 있습니다. 오류: %1</translation>
    </message>
    <message>
        <source>[Select Language]</source>
        <translation>[언어 선택]</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>로그인</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>암호를 잊으셨습니까?</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>가상 키보드</translation>
    </message>
    <message>
        <source>Enter Your Password</source>
        <translation>암호를 입력하세요</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>검색...</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>내 컴퓨터</translation>
    </message>
    <message>
        <source>My Vault</source>
        <translation>내 보관함</translation>
    </message>
    <message>
        <source>Add File(s)</source>
        <translation>파일 추가</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>이름 바꾸기</translation>
    </message>
    <message>
        <source>New Vault</source>
        <translation>새 보관함</translation>
    </message>
    <message>
        <source>Disconnect Vault</source>
        <translation>보관함 연결 끊기</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>끝내기</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>동기화</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>자세히</translation>
    </message>
    <message>
        <source>List</source>
        <translation>목록</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>아이콘</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>폴더</translation>
    </message>
    <message>
        <source>Get Online Support</source>
        <translation>온라인 지원 받기</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>새 폴더</translation>
    </message>
    <message>
        <source>Remove Folder</source>
        <translation>폴더 제거</translation>
    </message>
    <message>
        <source>Save File(s) to...</source>
        <translation>파일 저장 위치...</translation>
    </message>
    <message>
        <source>Add Existing Vault</source>
        <translation>기존 보관함 추가</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>암호 변경</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>잠금</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>잘라내기</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>붙여넣기</translation>
    </message>
    <message>
        <source>Move to Folder...</source>
        <translation>폴더로 이동...</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>뒤로 가기</translation>
    </message>
    <message>
        <source>Go Forward</source>
        <translation>앞으로 가기</translation>
    </message>
    <message>
        <source>Go Home</source>
        <translation>홈으로 가기</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>모두 선택</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>바탕 화면</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>문서</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>컴퓨터</translation>
    </message>
    <message>
        <source>Backup Vault Data</source>
        <translation>보관함 데이터 백업</translation>
    </message>
    <message>
        <source>Restore Vault Data</source>
        <translation>보관함 데이터 복원</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>옵션...</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>속성</translation>
    </message>
    <message>
        <source>Add Sync Peer</source>
        <translation>동기화 대상 추가</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>파일 관리자에서 보기</translation>
    </message>
    <message>
        <source>Backup Vault</source>
        <translation>보관함 백업</translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>도구</translation>
    </message>
    <message>
        <source>View</source>
        <translation>보기</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Main ToolBar</source>
        <translation>기본 도구 모음</translation>
    </message>
    <message>
        <source>Could not create random bytes.</source>
        <translation>임의 바이트를 생성할 수 없습니다.</translation>
    </message>
    <message>
        <source>The password cannot contain these characters: %1
Please use only letters, digits and signs of Western European languages.</source>
        <translation>암호에 다음 문자를 사용할 수 없습니다: %1
영문자, 숫자, 서유럽 언어의 기호만 사용하세요.</translation>
    </message>
    <message>
        <source> - Virtual Keyboard</source>
        <translation> - 가상 키보드</translation>
    </message>
    <message>
        <source>Weak</source>
        <translation>약함</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>보통</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>좋음</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>매우 좋음</translation>
    </message>
    <message>
        <source>Passwords do not match</source>
        <translation>암호가 일치하지 않습니다</translation>
    </message>
    <message>
        <source>Invalid current item name.</source>
        <translation>현재 항목 이름이 잘못되었습니다.</translation>
    </message>
    <message>
        <source>Damaged item record in archive.</source>
        <translation>아카이브의 항목 레코드가 손상되었습니다.</translation>
    </message>
    <message>
        <source>Invalid item name in archive.</source>
        <translation>아카이브의 항목 이름이 잘못되었습니다.</translation>
    </message>
    <message>
        <source>Duplicate item name.</source>
        <translation>항목 이름이 중복됩니다.</translation>
    </message>
    <message>
        <source>Invalid item name.</source>
        <translation>항목 이름이 잘못되었습니다.</translation>
    </message>
    <message>
        <source>Damaged vault header in archive.</source>
        <translation>아카이브의 보관함 헤더가 손상되었습니다.</translation>
    </message>
    <message>
        <source>Invalid parent path in archive.</source>
        <translation>아카이브의 상위 경로가 잘못되었습니다.</translation>
    </message>
    <message>
        <source>Invalid class name in archive.</source>
        <translation>아카이브의 클래스 이름이 잘못되었습니다.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>유형</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>Date Created</source>
        <translation>만든 날짜</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>드라이브</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>폴더</translation>
    </message>
    <message>
        <source>Copying  file...</source>
        <translation>파일 복사 중...</translation>
    </message>
    <message>
        <source>Copying Item...</source>
        <translation>항목 복사 중...</translation>
    </message>
    <message>
        <source>Can not move</source>
        <translation>이동할 수 없음</translation>
    </message>
    <message>
        <source>Processing Items...</source>
        <translation>항목 처리 중...</translation>
    </message>
    <message>
        <source>Moving Item...</source>
        <translation>항목 이동 중...</translation>
    </message>
    <message>
        <source>There is already an item with the same name in this location. Do you want to replace it?</source>
        <translation>이 위치에 같은 이름의 항목이 이미 있습니다. 바꾸시겠습니까?</translation>
    </message>
    <message>
        <source>Failed to move</source>
        <translation>이동 실패</translation>
    </message>
    <message>
        <source>Failed to copy</source>
        <translation>복사 실패</translation>
    </message>
    <message>
        <source>The application can not add more files because the vault&apos;s disk is full.</source>
        <translation>보관함이 있는 디스크가 가득 차서 더 이상 파일을 추가할 수 없습니다.</translation>
    </message>
    <message>
        <source>Moving file...</source>
        <translation>파일 이동 중...</translation>
    </message>
    <message>
        <source>Copy folder...</source>
        <translation>폴더 복사...</translation>
    </message>
    <message>
        <source>Add a vault here</source>
        <translation>여기에 보관함을 추가하세요</translation>
    </message>
    <message>
        <source>Add a file or create a folder here</source>
        <translation>여기에 파일을 추가하거나 폴더를 만드세요</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Ok</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Timeouts</source>
        <translation>시간 제한</translation>
    </message>
    <message>
        <source>Application timeout</source>
        <translation>응용 프로그램 시간 제한</translation>
    </message>
    <message>
        <source>Timeout in minutes:</source>
        <translation>시간 제한(분):</translation>
    </message>
    <message>
        <source>0 = Timeout Disabled</source>
        <translation>0 = 시간 제한 사용 안 함</translation>
    </message>
    <message>
        <source>Password expiration</source>
        <translation>암호 만료</translation>
    </message>
    <message>
        <source>Expiration in days:</source>
        <translation>만료 기간(일):</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>확인 메시지</translation>
    </message>
    <message>
        <source>File delete confirmation</source>
        <translation>파일 삭제 확인</translation>
    </message>
    <message>
        <source>Restore to default</source>
        <translation>기본값으로 복원</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>암호화</translation>
    </message>
    <message>
        <source>AES 256 bit</source>
        <translation>AES 256비트</translation>
    </message>
    <message>
        <source>AES 512 bit</source>
        <translation>AES 512비트</translation>
    </message>
    <message>
        <source>Preferred encryption method:</source>
        <translation>기본 암호화 방식:</translation>
    </message>
    <message>
        <source>AES 128 bit</source>
        <translation>AES 128비트</translation>
    </message>
    <message>
        <source>AES 1024 bit</source>
        <translation>AES 1024비트</translation>
    </message>
    <message>
        <source>Locations</source>
        <translation>위치</translation>
    </message>
    <message>
        <source>Backup options</source>
        <translation>백업 옵션</translation>
    </message>
    <message>
        <source>Backup location</source>
        <translation>백업 위치</translation>
    </message>
    <message>
        <source>Application Data</source>
        <translation>응용 프로그램 데이터</translation>
    </message>
    <message>
        <source>My Documents</source>
        <translation>내 문서</translation>
    </message>
    <message>
        <source>Mount options</source>
        <translation>마운트 옵션</translation>
    </message>
    <message>
        <source>Mount location</source>
        <translation>마운트 위치</translation>
    </message>
    <message>
        <source>None</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>경로</translation>
    </message>
    <message>
        <source>Backup retention</source>
        <translation>백업 보존</translation>
    </message>
    <message>
        <source>Keep number of backups:</source>
        <translation>보존할 백업 수:</translation>
    </message>
    <message>
        <source>Enable automatic backup retention</source>
        <translation>자동 백업 보존 사용</translation>
    </message>
    <message>
        <source>You will need to restart the application for these changes to take effect</source>
        <translation>변경 내용을 적용하려면 응용 프로그램을 다시 시작해야 합니다</translation>
    </message>
</context>
<context>
    <name>PleaseWaitDialog</name>
    <message>
        <source>Dialog</source>
        <translation>대화 상자</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A backup is running. Please wait until it has finished before you quit the program or eject the flash drive.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;백업이 진행 중입니다. 백업이 끝날 때까지 기다린 후 프로그램을 종료하거나 플래시 드라이브를 꺼내세요.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>ProblemReport</name>
    <message>
        <source>A problem occured</source>
        <translation>문제가 발생했습니다</translation>
    </message>
    <message>
        <source>Sending Report. . .</source>
        <translation>보고서를 보내는 중. . .</translation>
    </message>
    <message>
        <source>Send Report</source>
        <translation>보고서 보내기</translation>
    </message>
    <message>
        <source>Report was sent successful!</source>
        <translation>보고서를 보냈습니다!</translation>
    </message>
    <message>
        <source>Error sending report!
%2 (%1)</source>
        <translation>보고서를 보내는 중 오류가 발생했습니다!
%2 (%1)</translation>
    </message>
</context>
<context>
    <name>RestoreWizard</name>
    <message>
        <source>Restore Wizard</source>
        <translation>복원 마법사</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Welcome to the restore wizard.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;This wizard will guide you through the process of restoring current data from a previous backup.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;복원 마법사를 시작합니다.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;이 마법사는 이전 백업에서 현재 데이터를 복원하는 과정을 안내합니다.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Please choose the location to be restored from the backup file and click &apos;Next&apos; to proceed.</source>
        <translation>백업 파일에서 복원할 위치를 선택하고 &apos;다음&apos;을 클릭하여 계속하세요.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Please select the backup to be restored and click &apos;Next&apos; to proceed.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;복원할 백업을 선택하고 &apos;다음&apos;을 클릭하여 계속하세요.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>경과 기간</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The encryption key for the selected backup is not available. &lt;/p&gt;&lt;p&gt;A copy of the key is present in the backup, but is protected by a password.&lt;/p&gt;&lt;p&gt;Please enter the password that was in use when the backup was made and click &apos;Next&apos; to proceed.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;선택한 백업의 암호화 키를 사용할 수 없습니다.&lt;/p&gt;&lt;p&gt;백업에 키 사본이 있지만 암호로 보호되어 있습니다.&lt;/p&gt;&lt;p&gt;백업을 만들 때 사용한 암호를 입력하고 &apos;다음&apos;을 클릭하여 계속하세요.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Password:&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;암호:&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;You have entered an incorrect password. &lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;잘못된 암호를 입력했습니다.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Please go back and try again.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;뒤로 돌아가 다시 시도하세요.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;By clicking &apos;Restore&apos; you will replace all data in the selected vault with data from the backup.&lt;/p&gt;&lt;p&gt;Click &apos;Back&apos; if any changes are needed before proceeding.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&apos;복원&apos;을 클릭하면 선택한 보관함의 모든 데이터가 백업의 데이터로 바뀝니다.&lt;/p&gt;&lt;p&gt;계속하기 전에 변경할 내용이 있으면 &apos;뒤로&apos;를 클릭하세요.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>New, empty folder for the vault:</source>
        <translation>보관함용 새 빈 폴더:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>찾아보기...</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>복원</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Restoring backup data.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;백업 데이터를 복원하는 중입니다.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;There are no other backup files available.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;사용할 수 있는 다른 백업 파일이 없습니다.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Data restored succesfully!&lt;br/&gt;&lt;/p&gt;&lt;p&gt;You can now close this Wizard and access the restored data.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;데이터를 복원했습니다!&lt;br/&gt;&lt;/p&gt;&lt;p&gt;이제 이 마법사를 닫고 복원된 데이터를 사용할 수 있습니다.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The backup was not restored.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;백업이 복원되지 않았습니다.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Select the vault to restore</source>
        <translation>복원할 보관함 선택</translation>
    </message>
    <message>
        <source>Other unlisted vault</source>
        <translation>목록에 없는 다른 보관함</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>어제</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>오늘</translation>
    </message>
    <message>
        <source>%1 Days ago</source>
        <translation>%1일 전</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;By clicking &apos;Restore&apos; the backup becomes a new vault in the new, empty folder below. No existing vault is changed.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&apos;복원&apos;을 클릭하면 백업이 아래의 새 빈 폴더에 새 보관함으로 만들어집니다. 기존 보관함은 변경되지 않습니다.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Choose a new, empty folder for the vault</source>
        <translation>보관함용 새 빈 폴더 선택</translation>
    </message>
    <message>
        <source>Please choose a new, empty folder for the restored vault.</source>
        <translation>복원할 보관함용 새 빈 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>%1 is not a folder. Please choose a new, empty folder for the restored vault.</source>
        <translation>%1은(는) 폴더가 아닙니다. 복원할 보관함용 새 빈 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>The folder %1 is not empty. Please choose a new, empty folder for the restored vault.</source>
        <translation>폴더 %1이(가) 비어 있지 않습니다. 복원할 보관함용 새 빈 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>The folder %1 belongs to the vault %2. Please choose a new, empty folder for the restored vault.</source>
        <translation>폴더 %1은(는) 보관함 %2의 폴더입니다. 복원할 보관함용 새 빈 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>The folder %1 lies in the backup location. Please choose another folder.</source>
        <translation>폴더 %1이(가) 백업 위치 안에 있습니다. 다른 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>폴더 %1을(를) 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>Restored vault</source>
        <translation>복원된 보관함</translation>
    </message>
    <message>
        <source>The backup can be copied straight over the vault&apos;s files instead. If that fails part-way, the vault can&apos;t be put back as it was. Restore anyway?</source>
        <translation>대신 백업을 보관함 파일 위에 바로 복사할 수도 있습니다. 도중에 실패하면 보관함을 원래대로 되돌릴 수 없습니다. 그래도 복원하시겠습니까?</translation>
    </message>
    <message>
        <source> Yes </source>
        <translation> 예 </translation>
    </message>
    <message>
        <source> No </source>
        <translation> 아니요 </translation>
    </message>
    <message>
        <source>A synchronisation is running; please try again when it has finished.</source>
        <translation>동기화가 실행 중입니다. 끝난 후에 다시 시도하세요.</translation>
    </message>
    <message>
        <source>The folder of the vault %1 is not available.</source>
        <translation>보관함 %1의 폴더를 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>The backup holds no vault index.</source>
        <translation>백업에 보관함 인덱스가 없습니다.</translation>
    </message>
    <message>
        <source>There is not enough free space beside the vault to restore it safely: %1 are needed, %2 are free.</source>
        <translation>보관함 옆에 안전하게 복원할 여유 공간이 부족합니다: %1 필요, %2 사용 가능.</translation>
    </message>
    <message>
        <source>No room could be made beside the vault folder %1 to restore into.</source>
        <translation>보관함 폴더 %1 옆에 복원할 공간을 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>The backup could not be copied: %1 The vault was not changed.</source>
        <translation>백업을 복사할 수 없습니다: %1 보관함은 변경되지 않았습니다.</translation>
    </message>
    <message>
        <source>The vault was not changed.</source>
        <translation>보관함은 변경되지 않았습니다.</translation>
    </message>
    <message>
        <source>The backup&apos;s files could not be put in place in the vault folder %1.</source>
        <translation>백업의 파일을 보관함 폴더 %1에 배치할 수 없습니다.</translation>
    </message>
    <message>
        <source>Some of the vault&apos;s own files could not be put back; they are kept in %1.</source>
        <translation>보관함 자체 파일 중 일부를 되돌려 놓을 수 없어 %1에 보관했습니다.</translation>
    </message>
    <message>
        <source>The vault is as it was before.</source>
        <translation>보관함은 이전 상태 그대로입니다.</translation>
    </message>
    <message>
        <source>The vault&apos;s files are as they were before.</source>
        <translation>보관함의 파일은 이전 상태 그대로입니다.</translation>
    </message>
    <message>
        <source>The backup could not be copied: %1 The vault may be damaged; restore it again once there is more free space.</source>
        <translation>백업을 복사할 수 없습니다: %1 보관함이 손상되었을 수 있습니다. 여유 공간을 늘린 후 다시 복원하세요.</translation>
    </message>
    <message>
        <source>The vault may be damaged.</source>
        <translation>보관함이 손상되었을 수 있습니다.</translation>
    </message>
    <message>
        <source>The backup&apos;s index can&apos;t be opened with the key that was found for it.</source>
        <translation>이 백업에 대해 찾은 키로는 백업의 인덱스를 열 수 없습니다.</translation>
    </message>
    <message>
        <source>The backup&apos;s index can&apos;t be read.</source>
        <translation>백업의 인덱스를 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>The backup&apos;s index is damaged: %1</source>
        <translation>백업의 인덱스가 손상되었습니다: %1</translation>
    </message>
    <message>
        <source>The backup lacks the encrypted file of %1.</source>
        <translation>백업에 %1의 암호화된 파일이 없습니다.</translation>
    </message>
    <message>
        <source>The restored vault could not be loaded: %1</source>
        <translation>복원된 보관함을 불러올 수 없습니다: %1</translation>
    </message>
    <message>
        <source>The restored vault could not be loaded.</source>
        <translation>복원된 보관함을 불러올 수 없습니다.</translation>
    </message>
    <message>
        <source>The encrypted file of %1 in the backup is not whole (%2).</source>
        <translation>백업에 있는 %1의 암호화된 파일이 온전하지 않습니다(%2).</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1에 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a symbolic link</source>
        <translation>%1에 쓸 수 없습니다: 심볼릭 링크입니다</translation>
    </message>
</context>
<context>
    <name>TAVBrowseFolderDialog</name>
    <message>
        <source>Dialog</source>
        <translation>대화 상자</translation>
    </message>
    <message>
        <source>Select a target folder:</source>
        <translation>대상 폴더 선택:</translation>
    </message>
    <message>
        <source>Please select a target folder.</source>
        <translation>대상 폴더를 선택하세요.</translation>
    </message>
</context>
<context>
    <name>TAVCryptoThread</name>
    <message>
        <source>Cannot open file for read %1
Error: %2</source>
        <translation>읽기용으로 파일을 열 수 없습니다 %1
오류: %2</translation>
    </message>
    <message>
        <source>Cannot open file for write %1
Error: %2</source>
        <translation>쓰기용으로 파일을 열 수 없습니다 %1
오류: %2</translation>
    </message>
</context>
<context>
    <name>TAVFile</name>
    <message>
        <source>File %1 does not exist</source>
        <translation>파일 %1이(가) 없습니다</translation>
    </message>
</context>
<context>
    <name>TAVFileWatcher</name>
    <message>
        <source>%1 is a symbolic link: the decrypted copy is not written there.</source>
        <translation>%1은(는) 심볼릭 링크입니다: 해독된 사본을 그곳에 쓰지 않습니다.</translation>
    </message>
    <message>
        <source>%1 is open with changes that are not in the vault yet.</source>
        <translation>%1이(가) 아직 보관함에 들어가지 않은 변경 내용과 함께 열려 있습니다.</translation>
    </message>
    <message>
        <source>The folder %1 for the decrypted copy could not be made.</source>
        <translation>해독된 사본을 둘 폴더 %1을(를) 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>The changes of %1 could not be put into the vault: the vault is not open.</source>
        <translation>%1의 변경 내용을 보관함에 넣을 수 없습니다: 보관함이 열려 있지 않습니다.</translation>
    </message>
    <message>
        <source>The changes of %1 could not be put into the vault: the vault&apos;s folder is not found.</source>
        <translation>%1의 변경 내용을 보관함에 넣을 수 없습니다: 보관함의 폴더를 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>The changes of %1 are in the vault, but the vault&apos;s index could not be saved.</source>
        <translation>%1의 변경 내용은 보관함에 들어갔지만 보관함의 인덱스를 저장할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>TAVItem</name>
    <message>
        <source>Decryption failed.</source>
        <translation>해독하지 못했습니다.</translation>
    </message>
</context>
<context>
    <name>TAVProgressDialog</name>
    <message>
        <source>Dialog</source>
        <translation>대화 상자</translation>
    </message>
    <message>
        <source>Encrypting...</source>
        <translation>암호화하는 중...</translation>
    </message>
    <message>
        <source>Estimated Time to Complete: 0.00 minutes</source>
        <translation>예상 남은 시간: 0.00분</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>Estimated Time to Complete:</source>
        <translation>예상 남은 시간:</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>분</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>초</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>시간</translation>
    </message>
</context>
<context>
    <name>TAVProgressLogDialog</name>
    <message>
        <source>Synchronization</source>
        <translation>동기화</translation>
    </message>
    <message>
        <source>Synchronization progress:</source>
        <translation>동기화 진행률:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>No items is synced</source>
        <translation>동기화된 항목이 없습니다</translation>
    </message>
    <message>
        <source>Synchronization completed successfully.</source>
        <translation>동기화를 완료했습니다.</translation>
    </message>
    <message>
        <source>Synchronization finished, but not every file could be synchronized. See the lines above.</source>
        <translation>동기화가 끝났지만 일부 파일을 동기화할 수 없습니다. 위의 줄을 참조하세요.</translation>
    </message>
</context>
<context>
    <name>TAVSync</name>
    <message>
        <source>Synchronization cancelled.</source>
        <translation>동기화가 취소되었습니다.</translation>
    </message>
    <message>
        <source>Vault is not loaded</source>
        <translation>보관함이 로드되지 않았습니다</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>폴더가 없습니다.</translation>
    </message>
    <message>
        <source>The disk folder %1 is empty, but held %2 items at the last synchronization: nothing was deleted or copied for this peer.</source>
        <translation>디스크 폴더 %1이(가) 비어 있지만 마지막 동기화 때는 항목이 %2개 있었습니다: 이 동기화 대상에 대해 아무것도 삭제하거나 복사하지 않았습니다.</translation>
    </message>
    <message>
        <source>The vault folder %1 is empty, but held %2 items at the last synchronization: nothing was deleted or copied for this peer.</source>
        <translation>보관함 폴더 %1이(가) 비어 있지만 마지막 동기화 때는 항목이 %2개 있었습니다: 이 동기화 대상에 대해 아무것도 삭제하거나 복사하지 않았습니다.</translation>
    </message>
    <message>
        <source>The new files could not be written to the disk.</source>
        <translation>새 파일을 디스크에 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>The vault&apos;s index could not be saved.</source>
        <translation>보관함의 인덱스를 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>The item is no longer in the vault.</source>
        <translation>이 항목은 더 이상 보관함에 없습니다.</translation>
    </message>
    <message>
        <source>A folder of that name is in the vault.</source>
        <translation>보관함에 같은 이름의 폴더가 있습니다.</translation>
    </message>
    <message>
        <source>Its folder is not in the vault.</source>
        <translation>해당 폴더가 보관함에 없습니다.</translation>
    </message>
    <message>
        <source>Kept %1: it holds items the last synchronization did not know.</source>
        <translation>%1을(를) 유지했습니다: 마지막 동기화에서 알지 못한 항목이 들어 있습니다.</translation>
    </message>
    <message>
        <source>Kept %1: it is reached through a symbolic link.</source>
        <translation>%1을(를) 유지했습니다: 심볼릭 링크를 통해 접근합니다.</translation>
    </message>
    <message>
        <source>Kept %1: it holds files the last synchronization did not know.</source>
        <translation>%1을(를) 유지했습니다: 마지막 동기화에서 알지 못한 파일이 들어 있습니다.</translation>
    </message>
    <message>
        <source>The list of synchronization peers of this vault can&apos;t be read. Nothing was changed.</source>
        <translation>이 보관함의 동기화 대상 목록을 읽을 수 없습니다. 아무것도 변경되지 않았습니다.</translation>
    </message>
    <message>
        <source>These folders are already synchronized.</source>
        <translation>이 폴더들은 이미 동기화되어 있습니다.</translation>
    </message>
    <message>
        <source>The list of synchronization peers could not be written. The folder was not added.</source>
        <translation>동기화 대상 목록을 쓸 수 없습니다. 폴더를 추가하지 않았습니다.</translation>
    </message>
    <message>
        <source>This folder can&apos;t be synchronized: it is the vault&apos;s own folder, lies inside it or holds it.</source>
        <translation>이 폴더는 동기화할 수 없습니다: 보관함 자체의 폴더이거나, 그 안에 있거나, 그 폴더를 포함합니다.</translation>
    </message>
    <message>
        <source>This folder can&apos;t be synchronized: the application keeps its own files there.</source>
        <translation>이 폴더는 동기화할 수 없습니다: 응용 프로그램이 자체 파일을 보관하는 곳입니다.</translation>
    </message>
    <message>
        <source>The folder could not be added.</source>
        <translation>폴더를 추가할 수 없습니다.</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>시작하는 중...</translation>
    </message>
    <message>
        <source>Synchronization finished with errors: see the lines above.</source>
        <translation>동기화가 오류와 함께 끝났습니다: 위의 줄을 참조하세요.</translation>
    </message>
    <message>
        <source>Another synchronization is running.</source>
        <translation>다른 동기화가 실행 중입니다.</translation>
    </message>
    <message>
        <source>No synchronization peers defined.</source>
        <translation>정의된 동기화 대상이 없습니다.</translation>
    </message>
    <message>
        <source>Skipped: %1 (names that differ only in case)</source>
        <translation>건너뜀: %1 (대소문자만 다른 이름)</translation>
    </message>
    <message>
        <source>The folder can&apos;t be read: nothing was deleted or copied for this peer.</source>
        <translation>폴더를 읽을 수 없습니다: 이 동기화 대상에서는 아무것도 삭제하거나 복사하지 않았습니다.</translation>
    </message>
    <message>
        <source>The folder %1 was removed or replaced during the synchronization: nothing more was copied or deleted for this peer.</source>
        <translation>동기화 중에 폴더 %1이(가) 제거되거나 바뀌었습니다: 이 동기화 대상에서는 더 이상 복사하거나 삭제하지 않았습니다.</translation>
    </message>
    <message>
        <source>Kept %1: it changed on the disk during the synchronization.</source>
        <translation>%1을(를) 유지했습니다: 동기화 중에 디스크에서 변경되었습니다.</translation>
    </message>
    <message>
        <source>The vault&apos;s folder can&apos;t be written.</source>
        <translation>보관함 폴더에 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Skipped: %1 (a symbolic link)</source>
        <translation>건너뜀: %1 (심볼릭 링크)</translation>
    </message>
    <message>
        <source>This folder can&apos;t be synchronized: it holds or lies inside a folder already synchronized with this vault.</source>
        <translation>이 폴더는 동기화할 수 없습니다: 이 보관함과 이미 동기화되는 폴더를 포함하거나 그 안에 있습니다.</translation>
    </message>
    <message>
        <source>Failed: %1 (can&apos;t be read: %2)</source>
        <translation>실패: %1 (읽을 수 없음: %2)</translation>
    </message>
    <message>
        <source>Skipped: %1 (not a file or a folder)</source>
        <translation>건너뜀: %1 (파일이나 폴더가 아님)</translation>
    </message>
</context>
<context>
    <name>TAVSyncProgressDialog</name>
    <message>
        <source>Synchronization</source>
        <translation>동기화</translation>
    </message>
    <message>
        <source>Synchronization progress:</source>
        <translation>동기화 진행률:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>No items is synced</source>
        <translation>동기화된 항목이 없습니다</translation>
    </message>
    <message>
        <source>Synchronization completed successfully.</source>
        <translation>동기화를 완료했습니다.</translation>
    </message>
    <message>
        <source>Repair completed successfully.</source>
        <translation>복구를 완료했습니다.</translation>
    </message>
    <message>
        <source>Synchronization finished with errors:</source>
        <translation>동기화가 오류와 함께 끝났습니다:</translation>
    </message>
    <message>
        <source>Synchronization finished with errors. The lines in the progress window say which items could not be synchronized.</source>
        <translation>동기화가 오류와 함께 끝났습니다. 동기화할 수 없었던 항목은 진행 창의 각 줄에 표시됩니다.</translation>
    </message>
</context>
<context>
    <name>TavVaultProperty</name>
    <message>
        <source>Dialog</source>
        <translation>대화 상자</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Type of encryption:</source>
        <translation>암호화 유형:</translation>
    </message>
    <message>
        <source>Total number of files:</source>
        <translation>전체 파일 수:</translation>
    </message>
    <message>
        <source>Total storage space:</source>
        <translation>전체 저장 공간:</translation>
    </message>
    <message>
        <source>Full Physical Path:</source>
        <translation>전체 물리 경로:</translation>
    </message>
    <message>
        <source>Set Vault Password</source>
        <translation>보관함 암호 설정</translation>
    </message>
    <message>
        <source>Repair vault </source>
        <translation>보관함 복구 </translation>
    </message>
    <message>
        <source>Synchronization</source>
        <translation>동기화</translation>
    </message>
    <message>
        <source>Synchronization peers:</source>
        <translation>동기화 대상:</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>호스트</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>로컬 폴더</translation>
    </message>
    <message>
        <source>Vault folder</source>
        <translation>보관함 폴더</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>동기화</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>This repair has already run.</source>
        <translation>이 복구는 이미 실행되었습니다.</translation>
    </message>
    <message>
        <source>The folder of the vault cannot be found: %1
Nothing was repaired.</source>
        <translation>보관함의 폴더를 찾을 수 없습니다: %1
아무것도 복구하지 않았습니다.</translation>
    </message>
    <message>
        <source>A repair of this vault is already running.</source>
        <translation>이 보관함의 복구가 이미 실행 중입니다.</translation>
    </message>
    <message>
        <source>A synchronization is running. Please try again when it has finished.</source>
        <translation>동기화가 실행 중입니다. 끝난 후에 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Start repair index file</source>
        <translation>인덱스 파일 복구 시작</translation>
    </message>
    <message>
        <source>The repair was cancelled. The index was not changed.</source>
        <translation>복구가 취소되었습니다. 인덱스는 변경되지 않았습니다.</translation>
    </message>
    <message>
        <source>Only %1 of the %2 files listed in the index of the vault &quot;%3&quot; were found in its folder %4.
If the drive or the folder is incomplete, repairing now takes the missing files out of the index.

Repair the index anyway?</source>
        <translation>보관함 &quot;%3&quot;의 인덱스에 있는 파일 %2개 중 %1개만 폴더 %4에서 찾았습니다.
드라이브나 폴더가 불완전한 경우 지금 복구하면 누락된 파일이 인덱스에서 제거됩니다.

그래도 인덱스를 복구하시겠습니까?</translation>
    </message>
    <message>
        <source>The index was not repaired.</source>
        <translation>인덱스를 복구하지 않았습니다.</translation>
    </message>
    <message>
        <source>The vault&apos;s key does not fit the files in its folder. Nothing was repaired.</source>
        <translation>보관함의 키가 폴더의 파일과 맞지 않습니다. 아무것도 복구하지 않았습니다.</translation>
    </message>
    <message>
        <source>The vault was closed during the repair. The index was not changed.</source>
        <translation>복구 중에 보관함이 닫혔습니다. 인덱스는 변경되지 않았습니다.</translation>
    </message>
    <message>
        <source>The previous index could not be kept (%1). The index was not changed.</source>
        <translation>이전 인덱스를 보존할 수 없습니다(%1). 인덱스는 변경되지 않았습니다.</translation>
    </message>
    <message>
        <source>The index could not be rebuilt. The index was not changed.</source>
        <translation>인덱스를 다시 만들 수 없습니다. 인덱스는 변경되지 않았습니다.</translation>
    </message>
    <message>
        <source>The repaired index could not be written. The previous index is kept.</source>
        <translation>복구된 인덱스를 쓸 수 없습니다. 이전 인덱스가 유지됩니다.</translation>
    </message>
    <message>
        <source>The index was repaired: %1 files rebuilt (%2 of them in the folder &quot;%3&quot;), %4 removed, %5 skipped.</source>
        <translation>인덱스를 복구했습니다: 파일 %1개 재구성(그중 %2개는 폴더 &quot;%3&quot;에 있음), %4개 제거, %5개 건너뜀.</translation>
    </message>
    <message>
        <source>Please choose a folder to synchronise with:</source>
        <translation>동기화할 폴더를 선택하세요:</translation>
    </message>
    <message>
        <source>This synchronization peer is no longer in the list of the vault.</source>
        <translation>이 동기화 대상은 더 이상 보관함의 목록에 없습니다.</translation>
    </message>
    <message>
        <source>The list of synchronization peers of this vault could not be changed. The peer was not removed.</source>
        <translation>이 보관함의 동기화 대상 목록을 변경할 수 없습니다. 동기화 대상을 제거하지 않았습니다.</translation>
    </message>
    <message>
        <source>Please try again and enter a password</source>
        <translation>다시 시도하여 암호를 입력하세요</translation>
    </message>
    <message>
        <source>Please enter a new password to encrypt the key:</source>
        <translation>키를 암호화할 새 암호를 입력하세요:</translation>
    </message>
    <message>
        <source>Please enter the password again:</source>
        <translation>암호를 다시 입력하세요:</translation>
    </message>
    <message>
        <source>The two passwords are not the same. The vault password was not changed.</source>
        <translation>두 암호가 같지 않습니다. 보관함 암호를 변경하지 않았습니다.</translation>
    </message>
    <message>
        <source>The vault password could not be saved in %1. The key chain was not changed.</source>
        <translation>보관함 암호를 %1에 저장할 수 없습니다. 키 체인을 변경하지 않았습니다.</translation>
    </message>
    <message>
        <source>The vault password was set.</source>
        <translation>보관함 암호를 설정했습니다.</translation>
    </message>
    <message>
        <source>Repair Progress</source>
        <translation>복구 진행률</translation>
    </message>
</context>
<context>
    <name>UpdateAvailableDialog</name>
    <message>
        <source>Kolvane - New Version Available</source>
        <translation>Kolvane - 새 버전 사용 가능</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>업데이트</translation>
    </message>
</context>
<context>
    <name>UpdateConfigDialog</name>
    <message>
        <source>Kolvane - Updates configuration</source>
        <translation>Kolvane - 업데이트 구성</translation>
    </message>
    <message>
        <source>How often do you want to check for updates?</source>
        <translation>업데이트를 얼마나 자주 확인하시겠습니까?</translation>
    </message>
    <message>
        <source>Once a week</source>
        <translation>매주 한 번</translation>
    </message>
    <message>
        <source>Every two weeks</source>
        <translation>2주마다 한 번</translation>
    </message>
    <message>
        <source>Once a month</source>
        <translation>매월 한 번</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>안 함</translation>
    </message>
    <message>
        <source>Check for updates now</source>
        <translation>지금 업데이트 확인</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Thank you for using %1
You are using %1 %2. There are currently no updates available.
Please try again later.</source>
        <translation>%1을(를) 사용해 주셔서 감사합니다
%1 %2을(를) 사용하고 있습니다. 현재 사용 가능한 업데이트가 없습니다.
나중에 다시 시도하세요.</translation>
    </message>
    <message>
        <source> - New Version Available</source>
        <translation> - 새 버전 사용 가능</translation>
    </message>
</context>
<context>
    <name>UpdateDownload</name>
    <message>
        <source>The server did not answer in time</source>
        <translation>서버가 제시간에 응답하지 않았습니다</translation>
    </message>
    <message>
        <source>A download is already under way</source>
        <translation>이미 다운로드가 진행 중입니다</translation>
    </message>
    <message>
        <source>The address %1 is not a secure one</source>
        <translation>주소 %1은(는) 보안 주소가 아닙니다</translation>
    </message>
    <message>
        <source>The address %1 names no file</source>
        <translation>주소 %1이(가) 파일을 가리키지 않습니다</translation>
    </message>
    <message>
        <source>Redirected without a new address</source>
        <translation>새 주소 없이 리디렉션되었습니다</translation>
    </message>
    <message>
        <source>Too many redirections</source>
        <translation>리디렉션이 너무 많습니다</translation>
    </message>
    <message>
        <source>Redirected from a secure address to %1</source>
        <translation>보안 주소에서 %1(으)로 리디렉션되었습니다</translation>
    </message>
    <message>
        <source>The server answered %1</source>
        <translation>서버 응답: %1</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>취소됨</translation>
    </message>
    <message>
        <source>The package is larger than %1 MiB</source>
        <translation>패키지가 %1MiB보다 큽니다</translation>
    </message>
</context>
<context>
    <name>Utils</name>
    <message>
        <source>There are %1 file(s) to be synchronized.</source>
        <translation>동기화할 파일이 %1개 있습니다.</translation>
    </message>
    <message>
        <source>Start synchronizing files now.</source>
        <translation>지금 파일 동기화를 시작합니다.</translation>
    </message>
</context>
<context>
    <name>Vir_KeyPad_Dialog</name>
    <message>
        <source>Virtual Keypad</source>
        <translation>가상 키패드</translation>
    </message>
    <message>
        <source>Show Plain Text</source>
        <translation>일반 텍스트 표시</translation>
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
        <translation>재설정</translation>
    </message>
    <message>
        <source>Security Level</source>
        <translation>보안 수준</translation>
    </message>
    <message>
        <source>Realtime</source>
        <translation>실시간</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>보통</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>낮음</translation>
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
        <translation>드라이브 폴더에 대한 데이터 폴더가 없습니다.</translation>
    </message>
    <message>
        <source>%1 must name a folder by its full path: %2</source>
        <translation>%1은(는) 폴더를 전체 경로로 지정해야 합니다: %2</translation>
    </message>
    <message>
        <source>The drive folder %1 can&apos;t be made.</source>
        <translation>드라이브 폴더 %1을(를) 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>The drive folder can&apos;t be the root folder.</source>
        <translation>드라이브 폴더는 루트 폴더일 수 없습니다.</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 can&apos;t be made: %2</source>
        <translation>드라이브의 일련 번호 파일 %1을(를) 만들 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 can&apos;t be written: %2</source>
        <translation>드라이브의 일련 번호 파일 %1에 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 can&apos;t be read: %2</source>
        <translation>드라이브의 일련 번호 파일 %1을(를) 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 is damaged.</source>
        <translation>드라이브의 일련 번호 파일 %1이(가) 손상되었습니다.</translation>
    </message>
    <message>
        <source>The drive folder %1 named by %2 does not exist.</source>
        <translation>%2에서 지정한 드라이브 폴더 %1이(가) 없습니다.</translation>
    </message>
</context>
<context>
    <name>velmora_howto</name>
    <message>
        <source>Data Protection</source>
        <translation>데이터 보호</translation>
    </message>
    <message>
        <source>4 ways to protect your files</source>
        <translation>파일을 보호하는 4가지 방법</translation>
    </message>
    <message>
        <source>Drag and drop files onto main screen</source>
        <translation>파일을 기본 화면으로 끌어다 놓기</translation>
    </message>
    <message>
        <source>Copy and paste files onto main screen</source>
        <translation>파일을 기본 화면에 복사하여 붙여넣기</translation>
    </message>
    <message>
        <source>Click &apos;Add files&apos; button to browse and add file</source>
        <translation>&apos;파일 추가&apos; 단추를 클릭하여 파일을 찾아 추가</translation>
    </message>
    <message>
        <source>Use Backup Data to safeguard your data against loss</source>
        <translation>&apos;데이터 백업&apos;으로 데이터 손실 방지</translation>
    </message>
    <message>
        <source>Ctrl-C / Ctrl-V</source>
        <translation>Ctrl-C / Ctrl-V</translation>
    </message>
    <message>
        <source>Do not show again</source>
        <translation>다시 표시 안 함</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>다음</translation>
    </message>
</context>
</TS>
