<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_AR" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Software License Agreement</source>
        <translation>اتفاقية ترخيص البرنامج</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>the vault folder %1 does not exist.</source>
        <translation>مجلد الخزنة %1 غير موجود.</translation>
    </message>
    <message>
        <source>the backup location lies inside the vault folder.</source>
        <translation>موقع النسخ الاحتياطي يقع داخل مجلد الخزنة.</translation>
    </message>
    <message>
        <source>no random bytes could be had for the backup&apos;s key check.</source>
        <translation>تعذر الحصول على بايتات عشوائية لفحص مفتاح النسخة الاحتياطية.</translation>
    </message>
    <message>
        <source>the vault key could not be protected for the backup&apos;s key check.</source>
        <translation>تعذرت حماية مفتاح الخزنة لفحص مفتاح النسخة الاحتياطية.</translation>
    </message>
    <message>
        <source>the earlier key check %1 could not be removed.</source>
        <translation>تعذرت إزالة فحص المفتاح السابق %1.</translation>
    </message>
    <message>
        <source>the key check %1 could not be written: %2</source>
        <translation>تعذرت كتابة فحص المفتاح %1: %2</translation>
    </message>
    <message>
        <source>the copied files could not be written to the disk: %1</source>
        <translation>تعذرت كتابة الملفات المنسوخة على القرص: %1</translation>
    </message>
    <message>
        <source>the backup folder %1 does not exist.</source>
        <translation>مجلد النسخ الاحتياطي %1 غير موجود.</translation>
    </message>
    <message>
        <source>the folder %1 does not exist.</source>
        <translation>المجلد %1 غير موجود.</translation>
    </message>
    <message>
        <source>the folder %1 could not be read.</source>
        <translation>تعذرت قراءة المجلد %1.</translation>
    </message>
    <message>
        <source>the folder %1 could not be made.</source>
        <translation>تعذر إنشاء المجلد %1.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>تعذرت قراءة %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be written: it is a symbolic link.</source>
        <translation>تعذرت الكتابة في %1: إنه ارتباط رمزي.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>تعذرت الكتابة في %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be read to its end.</source>
        <translation>تعذرت قراءة %1 حتى نهايته.</translation>
    </message>
    <message>
        <source>%1 could not be written whole.</source>
        <translation>تعذرت كتابة %1 كاملاً.</translation>
    </message>
</context>
<context>
    <name>ChangePasswordDialog</name>
    <message>
        <source>Dialog</source>
        <translation>مربع حوار</translation>
    </message>
    <message>
        <source>Enter your new password:</source>
        <translation>أدخل كلمة المرور الجديدة:</translation>
    </message>
    <message>
        <source>Enter your current password:</source>
        <translation>أدخل كلمة المرور الحالية:</translation>
    </message>
    <message>
        <source>Confirm your new password:</source>
        <translation>أكّد كلمة المرور الجديدة:</translation>
    </message>
    <message>
        <source>Password Strength:</source>
        <translation>قوة كلمة المرور:</translation>
    </message>
    <message>
        <source>Virtual keyboard</source>
        <translation>لوحة المفاتيح الافتراضية</translation>
    </message>
    <message>
        <source>Use more than 6 characters</source>
        <translation>استخدم أكثر من 6 أحرف</translation>
    </message>
    <message>
        <source>Use numeric and alpha numeric characters</source>
        <translation>استخدم أرقامًا وحروفًا معًا</translation>
    </message>
    <message>
        <source>Use upper- and lower case characters</source>
        <translation>استخدم أحرفًا كبيرة وصغيرة</translation>
    </message>
    <message>
        <source>Use special characters (#, $, !, %, &amp;&amp;, ^, *)</source>
        <translation>استخدم رموزًا خاصة (#, $, !, %, &amp;&amp;, ^, *)</translation>
    </message>
    <message>
        <source>Password Hint: (optional)</source>
        <translation>تلميح كلمة المرور: (اختياري)</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:13pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;You can type a password hint here, to help you remember your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;Try to pick a word or phrase that is clear enough to remind you, but vague&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;enough that nobody can guess your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(For example, the password &amp;quot;R0sebud#1941&amp;quot; with the hint &amp;quot;sled&amp;quot;.)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:13pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;يمكنك كتابة تلميح لكلمة المرور هنا لمساعدتك على تذكرها.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;حاول اختيار كلمة أو عبارة واضحة بما يكفي لتذكيرك، ولكنها مبهمة&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;بما يكفي بحيث لا يستطيع أحد تخمين كلمة المرور.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(مثلاً، كلمة المرور &amp;quot;R0sebud#1941&amp;quot; مع التلميح &amp;quot;sled&amp;quot;.)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Password Recommendations:</source>
        <translation>توصيات كلمة المرور:</translation>
    </message>
</context>
<context>
    <name>ConfirmFileDeleteDialog</name>
    <message>
        <source>Are you sure you want to delete the file?</source>
        <translation>هل أنت متأكد من أنك تريد حذف الملف؟</translation>
    </message>
    <message>
        <source>Don’t ask this question again.</source>
        <translation>لا تطرح هذا السؤال مرة أخرى.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
</context>
<context>
    <name>FileUtils</name>
    <message>
        <source>0 KB</source>
        <translation>0 كيلوبايت</translation>
    </message>
    <message>
        <source>1 KB</source>
        <translation>1 كيلوبايت</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 كيلوبايت</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 ميغابايت</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 غيغابايت</translation>
    </message>
</context>
<context>
    <name>HttpHelper</name>
    <message>
        <source>The connection to the remote server is timed out</source>
        <translation>انتهت مهلة الاتصال بالخادم البعيد</translation>
    </message>
    <message>
        <source>The answer of the server is larger than %1 KiB</source>
        <translation>رد الخادم أكبر من %1 كيلوبايت</translation>
    </message>
</context>
<context>
    <name>KVVaveCreatePasswordDialog</name>
    <message>
        <source>Dialog</source>
        <translation>مربع حوار</translation>
    </message>
    <message>
        <source>Create your password:</source>
        <translation>أنشئ كلمة المرور:</translation>
    </message>
    <message>
        <source>Confirm your password:</source>
        <translation>أكّد كلمة المرور:</translation>
    </message>
    <message>
        <source>Password Strength:</source>
        <translation>قوة كلمة المرور:</translation>
    </message>
    <message>
        <source>Virtual keyboard</source>
        <translation>لوحة المفاتيح الافتراضية</translation>
    </message>
    <message>
        <source>Use more than 6 characters</source>
        <translation>استخدم أكثر من 6 أحرف</translation>
    </message>
    <message>
        <source>Use numeric and alpha numeric characters</source>
        <translation>استخدم أرقامًا وحروفًا معًا</translation>
    </message>
    <message>
        <source>Use upper- and lower case characters</source>
        <translation>استخدم أحرفًا كبيرة وصغيرة</translation>
    </message>
    <message>
        <source>Use special characters (#, $, !, %, &amp;&amp;, ^, *)</source>
        <translation>استخدم رموزًا خاصة (#, $, !, %, &amp;&amp;, ^, *)</translation>
    </message>
    <message>
        <source>Create Password</source>
        <translation>إنشاء كلمة المرور</translation>
    </message>
    <message>
        <source>Password Hint: (optional)</source>
        <translation>تلميح كلمة المرور: (اختياري)</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:10pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;You can type a password hint here, to help you remember your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;Try to pick a word or phrase that is clear enough to remind you, but vague&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;enough that nobody can guess your password.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(For example, the password &amp;quot;R0sebud#1941&amp;quot; with the hint &amp;quot;sled&amp;quot;.)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body style=&quot;font-family:&apos;Lucida Grande&apos;; font-size:10pt;&quot;&gt;&lt;p style=&quot;margin:0;&quot;&gt;يمكنك كتابة تلميح لكلمة المرور هنا لمساعدتك على تذكرها.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;حاول اختيار كلمة أو عبارة واضحة بما يكفي لتذكيرك، ولكنها مبهمة&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;بما يكفي بحيث لا يستطيع أحد تخمين كلمة المرور.&lt;/p&gt;&lt;p style=&quot;margin:0;&quot;&gt;(مثلاً، كلمة المرور &amp;quot;R0sebud#1941&amp;quot; مع التلميح &amp;quot;sled&amp;quot;.)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Password Recommendations:</source>
        <translation>توصيات كلمة المرور:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source> - Select Files to Encrypt</source>
        <translation> - تحديد الملفات المراد تشفيرها</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>تشفير</translation>
    </message>
    <message>
        <source>Cannot add files here.</source>
        <translation>لا يمكن إضافة ملفات هنا.</translation>
    </message>
    <message>
        <source>These items could not be found and were not added:
%1</source>
        <translation>تعذر العثور على هذه العناصر ولم تتم إضافتها:
%1</translation>
    </message>
    <message>
        <source>Would you like to completely remove the original file(s) from your computer?</source>
        <translation>هل تريد إزالة الملفات الأصلية من الكمبيوتر نهائيًا؟</translation>
    </message>
    <message>
        <source>You are about to securely wipe the original file(s) from your computer. You will not be able to recover these file(s) once they have been removed. Do you wish to continue?</source>
        <translation>أنت على وشك محو الملفات الأصلية من الكمبيوتر بشكل آمن. لن تتمكن من استعادة هذه الملفات بعد إزالتها. هل تريد المتابعة؟</translation>
    </message>
    <message>
        <source>The vault %1 could not be saved, so the files just added are not kept in it. The original files have not been removed.</source>
        <translation>تعذر حفظ الخزنة %1، لذلك لم يُحتفظ فيها بالملفات المضافة للتو. لم تتم إزالة الملفات الأصلية.</translation>
    </message>
    <message>
        <source>The files added to the vault %1 could not be written safely to its disk. The original files have not been removed.</source>
        <translation>تعذرت كتابة الملفات المضافة إلى الخزنة %1 على قرصها بأمان. لم تتم إزالة الملفات الأصلية.</translation>
    </message>
    <message>
        <source>can not remove</source>
        <translation>تعذرت الإزالة</translation>
    </message>
    <message>
        <source>This file is read-only or locked by another application.

Press &apos;Try Again&apos; to try to remove it, &apos;Ignore&apos; to continue or &apos;Cancel&apos; to stop removing files.</source>
        <translation>هذا الملف للقراءة فقط أو مقفل من قبل تطبيق آخر.

اضغط &quot;إعادة المحاولة&quot; لمحاولة إزالته، أو &quot;تجاهل&quot; للمتابعة، أو &quot;إلغاء&quot; لإيقاف إزالة الملفات.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>إعادة المحاولة</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>تجاهل</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source> is neither a directory nor a file. %1 encrypts a directory or a file only. Please try again.</source>
        <translation> ليس مجلدًا ولا ملفًا. يشفّر %1 مجلدًا أو ملفًا فقط. يرجى المحاولة مرة أخرى.</translation>
    </message>
    <message>
        <source>The folder %1 was not added: a file of the same name is already there.</source>
        <translation>لم تتم إضافة المجلد %1: يوجد ملف بالاسم نفسه.</translation>
    </message>
    <message>
        <source>The folder %1 could not be added: %2</source>
        <translation>تعذرت إضافة المجلد %1: %2</translation>
    </message>
    <message>
        <source>%1 was not added: it is not a file that can be read.</source>
        <translation>لم تتم إضافة %1: ليس ملفًا يمكن قراءته.</translation>
    </message>
    <message>
        <source>The application can not add more files because the vault&apos;s disk is full.</source>
        <translation>لا يمكن للتطبيق إضافة المزيد من الملفات لأن قرص الخزنة ممتلئ.</translation>
    </message>
    <message>
        <source>It is not possible to encrypt the selected file. This may be due to a restriction of the USB flash drive file system or the drive is full.</source>
        <translation>لا يمكن تشفير الملف المحدد. قد يرجع ذلك إلى قيد في نظام ملفات محرك أقراص USB المحمول أو إلى امتلاء المحرك.</translation>
    </message>
    <message>
        <source>The file %1 was not added: a folder of the same name is already there.</source>
        <translation>لم تتم إضافة الملف %1: يوجد مجلد بالاسم نفسه.</translation>
    </message>
    <message>
        <source>%1 already contains a file name &apos;</source>
        <translation>يحتوي %1 بالفعل على ملف باسم &apos;</translation>
    </message>
    <message>
        <source>&apos;. Would you like to replace the existing file?</source>
        <translation>&apos;. هل تريد استبدال الملف الموجود؟</translation>
    </message>
    <message>
        <source>The copy operation was cancelled by the user</source>
        <translation>ألغى المستخدم عملية النسخ</translation>
    </message>
    <message>
        <source>%1 could not be added: %2</source>
        <translation>تعذرت إضافة %1: %2</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>خطأ غير معروف</translation>
    </message>
    <message>
        <source>%1 could not be encrypted into the vault: %2</source>
        <translation>تعذر تشفير %1 في الخزنة: %2</translation>
    </message>
    <message>
        <source>The selected items lie in more than one vault. Please select the one vault to back up.</source>
        <translation>العناصر المحددة موجودة في أكثر من خزنة. يرجى تحديد الخزنة الوحيدة المراد نسخها احتياطيًا.</translation>
    </message>
    <message>
        <source>Please select the vault to back up.</source>
        <translation>يرجى تحديد الخزنة المراد نسخها احتياطيًا.</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>جارٍ النسخ الاحتياطي...</translation>
    </message>
    <message>
        <source>You don&apos;t have any backup file in backup location</source>
        <translation>لا يوجد أي ملف نسخ احتياطي في موقع النسخ الاحتياطي</translation>
    </message>
    <message>
        <source>The list of vaults could not be saved to %1.</source>
        <translation>تعذر حفظ قائمة الخزائن في %1.</translation>
    </message>
    <message>
        <source>%1 cannot continue because the USB drive used has been removed. Click OK to exit %1</source>
        <translation>لا يمكن لـ %1 المتابعة لأن محرك USB المستخدم قد أُزيل. انقر &quot;موافق&quot; لإنهاء %1</translation>
    </message>
    <message>
        <source>Please choose a folder to extract the file(s) to:</source>
        <translation>يرجى اختيار مجلد لاستخراج الملفات إليه:</translation>
    </message>
    <message>
        <source>Selected files are extracted to: [%1]</source>
        <translation>تم استخراج الملفات المحددة إلى: [%1]</translation>
    </message>
    <message>
        <source>The filename %1 contains characters that are not allowed on all platforms and cannot be copied.</source>
        <translation>يحتوي اسم الملف %1 على أحرف غير مسموح بها في جميع الأنظمة ولا يمكن نسخه.</translation>
    </message>
    <message>
        <source>The folder already contains a file name &apos;%1&apos;. Would you like to replace the existing file?</source>
        <translation>يحتوي المجلد بالفعل على ملف باسم &apos;%1&apos;. هل تريد استبدال الملف الموجود؟</translation>
    </message>
    <message>
        <source>The file %1 could not be written.
Error: %2</source>
        <translation>تعذرت كتابة الملف %1.
الخطأ: %2</translation>
    </message>
    <message>
        <source>The %1 can not create a directory on your path.</source>
        <translation>لا يمكن لـ %1 إنشاء مجلد في المسار الذي حددته.</translation>
    </message>
    <message>
        <source>This file is already open or being used. The error is: %1</source>
        <translation>هذا الملف مفتوح بالفعل أو قيد الاستخدام. الخطأ: %1</translation>
    </message>
    <message>
        <source>There is no default application specified to open the document [%1]</source>
        <translation>لم يتم تحديد تطبيق افتراضي لفتح المستند [%1]</translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation>تعذر تشغيل %1.</translation>
    </message>
    <message>
        <source>This vault could not be loaded, it may be located on another computer or the original vault file has been manually removed.</source>
        <translation>تعذر تحميل هذه الخزنة، فقد تكون موجودة على كمبيوتر آخر أو أن ملف الخزنة الأصلي قد أُزيل يدويًا.</translation>
    </message>
    <message>
        <source>This vault could not be loaded, it may be located on another computer or the original vault file has been manually removed. The error is: %1</source>
        <translation>تعذر تحميل هذه الخزنة، فقد تكون موجودة على كمبيوتر آخر أو أن ملف الخزنة الأصلي قد أُزيل يدويًا. الخطأ: %1</translation>
    </message>
    <message>
        <source>Please make sure that your flash drive is formatted and that it is not write-protected.</source>
        <translation>يرجى التأكد من أن محرك الأقراص المحمول مهيأ وغير محمي ضد الكتابة.</translation>
    </message>
    <message>
        <source>Unable to write vault structure. This program cannot continue.</source>
        <translation>تعذرت كتابة بنية الخزنة. لا يمكن لهذا البرنامج المتابعة.</translation>
    </message>
    <message>
        <source>A vault already exists on the flash drive. Do you want to use that vault?</source>
        <translation>توجد خزنة بالفعل على محرك الأقراص المحمول. هل تريد استخدام تلك الخزنة؟</translation>
    </message>
    <message>
        <source>Please enter a new password to decrypt the key:</source>
        <translation>يرجى إدخال كلمة مرور جديدة لفك تشفير المفتاح:</translation>
    </message>
    <message>
        <source>Enter your password to unlock the vault:</source>
        <translation>أدخل كلمة المرور لفتح قفل الخزنة:</translation>
    </message>
    <message>
        <source>That is not the correct password for this vault. Do you want to try again?</source>
        <translation>هذه ليست كلمة المرور الصحيحة لهذه الخزنة. هل تريد المحاولة مرة أخرى؟</translation>
    </message>
    <message>
        <source>%1 cannot continue as there is already a vault on the flash drive. Please remove it and try again.</source>
        <translation>لا يمكن لـ %1 المتابعة لوجود خزنة بالفعل على محرك الأقراص المحمول. يرجى إزالتها والمحاولة مرة أخرى.</translation>
    </message>
    <message>
        <source>The file %1 is damaged and could not be read. This is not caused by your password.</source>
        <translation>الملف %1 تالف ولم تمكن قراءته. ليس السبب في ذلك كلمة المرور.</translation>
    </message>
    <message>
        <source>Your password is not correct. Please try again.</source>
        <translation>كلمة المرور غير صحيحة. يرجى المحاولة مرة أخرى.</translation>
    </message>
    <message>
        <source>You have exceeded the maximum (10) login attempts. You must wait 1 minute before trying to login again.</source>
        <translation>لقد تجاوزت الحد الأقصى لمحاولات تسجيل الدخول (10). يجب الانتظار دقيقة واحدة قبل محاولة تسجيل الدخول مرة أخرى.</translation>
    </message>
    <message>
        <source> - Virtual Keyboard</source>
        <translation> - لوحة المفاتيح الافتراضية</translation>
    </message>
    <message>
        <source>The vault on your Flash Drive is missing, do you want to create a new one?</source>
        <translation>الخزنة الموجودة على محرك الأقراص المحمول مفقودة، هل تريد إنشاء خزنة جديدة؟</translation>
    </message>
    <message>
        <source>These opened files hold changes that could not be put into their vault (its folder was not found or could not be written), so they were kept unencrypted on the disk:
%1

Their changes are put into the vault as soon as it can be reached again.</source>
        <translation>تحتوي هذه الملفات المفتوحة على تغييرات تعذر إدخالها في خزنتها (لم يُعثر على مجلدها أو تعذرت الكتابة فيه)، لذلك احتُفظ بها غير مشفرة على القرص:
%1

ستُدخل تغييراتها في الخزنة بمجرد أن يصبح الوصول إليها ممكنًا مرة أخرى.</translation>
    </message>
    <message>
        <source>These files hold changes that are not in their vault yet:
%1

If you quit now, the changes stay only in these unencrypted copies. Quit anyway?</source>
        <translation>تحتوي هذه الملفات على تغييرات لم تدخل خزنتها بعد:
%1

إذا أنهيت البرنامج الآن، فستبقى التغييرات في هذه النسخ غير المشفرة فقط. هل تريد الإنهاء على أي حال؟</translation>
    </message>
    <message>
        <source>Your %1 password has reached it&apos;s timeout date. It is recommended that you change your password often to ensure the highest level of security. Would you like to change it now?</source>
        <translation>انتهت صلاحية كلمة مرور %1. يوصى بتغيير كلمة المرور كثيرًا لضمان أعلى مستوى من الأمان. هل تريد تغييرها الآن؟</translation>
    </message>
    <message>
        <source>, Vault Protection: %1</source>
        <translation>، حماية الخزنة: %1</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source> (%1% used)</source>
        <translation> (%1% مستخدم)</translation>
    </message>
    <message>
        <source> (%1 items)</source>
        <translation> (%1 عنصر)</translation>
    </message>
    <message>
        <source>No drive to work on was found: %1</source>
        <translation>لم يُعثر على محرك أقراص للعمل عليه: %1</translation>
    </message>
    <message>
        <source>Please choose a folder to synchronise this folder with:</source>
        <translation>يرجى اختيار مجلد لمزامنة هذا المجلد معه:</translation>
    </message>
    <message>
        <source>Checking for updates... please wait</source>
        <translation>جارٍ البحث عن تحديثات... يرجى الانتظار</translation>
    </message>
    <message>
        <source> - New Version Available</source>
        <translation> - يتوفر إصدار جديد</translation>
    </message>
    <message>
        <source>Updates are not available: this copy of %1 has no update server to ask.</source>
        <translation>التحديثات غير متاحة: لا يوجد لهذه النسخة من %1 خادم تحديثات للاستعلام منه.</translation>
    </message>
    <message>
        <source> - Update Configuration</source>
        <translation> - إعدادات التحديث</translation>
    </message>
    <message>
        <source>Downloading the update...              </source>
        <translation>جارٍ تنزيل التحديث...              </translation>
    </message>
    <message>
        <source>Unable to save the file %1: %2.</source>
        <translation>تعذر حفظ الملف %1: %2.</translation>
    </message>
    <message>
        <source>The update could not be installed.</source>
        <translation>تعذر تثبيت التحديث.</translation>
    </message>
    <message>
        <source>Download failed: %1.</source>
        <translation>فشل التنزيل: %1.</translation>
    </message>
    <message>
        <source>The application will now restart.</source>
        <translation>سيُعاد تشغيل التطبيق الآن.</translation>
    </message>
    <message>
        <source>Please select a location for the new vault:</source>
        <translation>يرجى تحديد موقع للخزنة الجديدة:</translation>
    </message>
    <message>
        <source>The selected folder already contains a vault. Use Add Existing Vault to connect it.</source>
        <translation>يحتوي المجلد المحدد بالفعل على خزنة. استخدم &quot;إضافة خزنة موجودة&quot; لتوصيلها.</translation>
    </message>
    <message>
        <source>The filename %1 contains characters that are not allowed on all platforms.</source>
        <translation>يحتوي اسم الملف %1 على أحرف غير مسموح بها في جميع الأنظمة.</translation>
    </message>
    <message>
        <source>A Vault with the name you specified already exists. Specify a different vault name and try again.</source>
        <translation>توجد خزنة بالاسم الذي حددته. حدد اسمًا مختلفًا للخزنة وحاول مرة أخرى.</translation>
    </message>
    <message>
        <source>Do you really want to remove the selected vault?</source>
        <translation>هل تريد حقًا إزالة الخزنة المحددة؟</translation>
    </message>
    <message>
        <source>The selected item is not a vault.</source>
        <translation>العنصر المحدد ليس خزنة.</translation>
    </message>
    <message>
        <source>Please choose the folder of your existing vault(s):</source>
        <translation>يرجى اختيار مجلد الخزائن الموجودة:</translation>
    </message>
    <message>
        <source>The selected folder does not contain a vault.</source>
        <translation>لا يحتوي المجلد المحدد على خزنة.</translation>
    </message>
    <message>
        <source>A vault with the same name already exists.
Please enter a new name</source>
        <translation>توجد خزنة بالاسم نفسه.
يرجى إدخال اسم جديد</translation>
    </message>
    <message>
        <source>Please try again and enter a password</source>
        <translation>يرجى المحاولة مرة أخرى وإدخال كلمة مرور</translation>
    </message>
    <message>
        <source>The password is not correct for this vault.</source>
        <translation>كلمة المرور غير صحيحة لهذه الخزنة.</translation>
    </message>
    <message>
        <source>Unable to add this Vault. A Vault with the same name already exists. The error is: %1</source>
        <translation>تعذرت إضافة هذه الخزنة. توجد خزنة بالاسم نفسه. الخطأ: %1</translation>
    </message>
    <message>
        <source>You have choosen to delete the vault titled [%1]. All files within this vault will also be deleted. Do you wish to continue?</source>
        <translation>لقد اخترت حذف الخزنة المسماة [%1]. سيتم أيضًا حذف جميع الملفات الموجودة في هذه الخزنة. هل تريد المتابعة؟</translation>
    </message>
    <message>
        <source>Do you really want to delete the selected item(s)?</source>
        <translation>هل تريد حقًا حذف العناصر المحددة؟</translation>
    </message>
    <message>
        <source>Please enter a name for your new folder:                    </source>
        <translation>يرجى إدخال اسم للمجلد الجديد:                    </translation>
    </message>
    <message>
        <source>Failed to create the &apos;%1&apos; directory</source>
        <translation>تعذر إنشاء المجلد &apos;%1&apos;</translation>
    </message>
    <message>
        <source>You cannot create a folder here.</source>
        <translation>لا يمكنك إنشاء مجلد هنا.</translation>
    </message>
    <message>
        <source>A folder with the name you specified already exists. Specify a different folder name and try again.</source>
        <translation>يوجد مجلد بالاسم الذي حددته. حدد اسمًا مختلفًا للمجلد وحاول مرة أخرى.</translation>
    </message>
    <message>
        <source>Do you really want to remove the selected folder?</source>
        <translation>هل تريد حقًا إزالة المجلد المحدد؟</translation>
    </message>
    <message>
        <source>The selected item is not a folder.</source>
        <translation>العنصر المحدد ليس مجلدًا.</translation>
    </message>
    <message>
        <source>Please enter a new name:                                        </source>
        <translation>يرجى إدخال اسم جديد:                                        </translation>
    </message>
    <message>
        <source>The file name extension is going to be changed. Do you really want to rename it?</source>
        <translation>سيتم تغيير امتداد اسم الملف. هل تريد حقًا إعادة تسميته؟</translation>
    </message>
    <message>
        <source>An item with the name you specified already exists. Please try again.</source>
        <translation>يوجد عنصر بالاسم الذي حددته. يرجى المحاولة مرة أخرى.</translation>
    </message>
    <message>
        <source> - Vault Property</source>
        <translation> - خصائص الخزنة</translation>
    </message>
    <message>
        <source>Load Vault</source>
        <translation>تحميل الخزنة</translation>
    </message>
    <message>
        <source>The vault&apos;s location is accessible but the vault could not be loaded. Do you want to try to repair the vault?</source>
        <translation>يمكن الوصول إلى موقع الخزنة ولكن تعذر تحميلها. هل تريد محاولة إصلاح الخزنة؟</translation>
    </message>
    <message>
        <source>The index of the vault %1 could not be saved.</source>
        <translation>تعذر حفظ فهرس الخزنة %1.</translation>
    </message>
    <message>
        <source>%1 - Confirm file delete</source>
        <translation>%1 - تأكيد حذف الملف</translation>
    </message>
    <message>
        <source>Backup failed: %1</source>
        <translation>فشل النسخ الاحتياطي: %1</translation>
    </message>
    <message>
        <source>A synchronisation is running; please try again when it has finished.</source>
        <translation>هناك مزامنة قيد التشغيل؛ يرجى المحاولة مرة أخرى عند انتهائها.</translation>
    </message>
    <message>
        <source>There is nothing to backup as your vault does not contain any data.</source>
        <translation>لا يوجد ما يُنسخ احتياطيًا لأن خزنتك لا تحتوي على أي بيانات.</translation>
    </message>
    <message>
        <source>Vault %1 does not exist.</source>
        <translation>الخزنة %1 غير موجودة.</translation>
    </message>
    <message>
        <source>the new backup could not be read back.</source>
        <translation>تعذرت إعادة قراءة النسخة الاحتياطية الجديدة.</translation>
    </message>
    <message>
        <source>Backup completed successfully.</source>
        <translation>اكتمل النسخ الاحتياطي بنجاح.</translation>
    </message>
    <message>
        <source>There is already a file with the same name in this location. Do you want to replace it?</source>
        <translation>يوجد ملف بالاسم نفسه في هذا الموقع. هل تريد استبداله؟</translation>
    </message>
    <message>
        <source>%1 item(s) could not be moved:
%2</source>
        <translation>تعذر نقل %1 من العناصر:
%2</translation>
    </message>
    <message>
        <source>%1 item(s) could not be copied:
%2</source>
        <translation>تعذر نسخ %1 من العناصر:
%2</translation>
    </message>
    <message>
        <source>Moving Item...</source>
        <translation>جارٍ نقل العنصر...</translation>
    </message>
    <message>
        <source>Can not move</source>
        <translation>تعذر النقل</translation>
    </message>
    <message>
        <source>The extracted files could not be written safely to %1. Check the disk and extract them again.</source>
        <translation>تعذرت كتابة الملفات المستخرجة في %1 بأمان. تحقق من القرص ثم استخرجها مرة أخرى.</translation>
    </message>
    <message>
        <source>The application can not rename a file</source>
        <translation>لا يمكن للتطبيق إعادة تسمية الملف</translation>
    </message>
    <message>
        <source>Are you sure you want to permanently delete this folder?</source>
        <translation>هل أنت متأكد من أنك تريد حذف هذا المجلد نهائيًا؟</translation>
    </message>
    <message>
        <source>Are you sure you want to permanently delete this file?</source>
        <translation>هل أنت متأكد من أنك تريد حذف هذا الملف نهائيًا؟</translation>
    </message>
    <message>
        <source>Are you sure you want to permanently delete these %1 items?</source>
        <translation>هل أنت متأكد من أنك تريد حذف هذه العناصر (%1) نهائيًا؟</translation>
    </message>
    <message>
        <source> - Options</source>
        <translation> - خيارات</translation>
    </message>
    <message>
        <source>The options could not be saved to %1. They hold until the program ends.</source>
        <translation>تعذر حفظ الخيارات في %1. ستظل سارية حتى إغلاق البرنامج.</translation>
    </message>
    <message>
        <source>Password Hint</source>
        <translation>تلميح كلمة المرور</translation>
    </message>
    <message>
        <source> - Change Password</source>
        <translation> - تغيير كلمة المرور</translation>
    </message>
    <message>
        <source>The current password entered is invalid. Please try again.</source>
        <translation>كلمة المرور الحالية التي أدخلتها غير صالحة. يرجى المحاولة مرة أخرى.</translation>
    </message>
    <message>
        <source>The list of vaults %1 could not be read. Your password has not been changed.</source>
        <translation>تعذرت قراءة قائمة الخزائن %1. لم يتم تغيير كلمة المرور.</translation>
    </message>
    <message>
        <source>The list of vaults could not be saved to %1. Your password has not been changed; the current password still opens your vaults.</source>
        <translation>تعذر حفظ قائمة الخزائن في %1. لم يتم تغيير كلمة المرور؛ ولا تزال كلمة المرور الحالية تفتح خزائنك.</translation>
    </message>
    <message>
        <source>Your password has been changed, but the key files of these vaults could not be written and still hold their keys under the old password:
%1

The vaults open as before; only adding such a folder again as an existing vault needs the old password.</source>
        <translation>تم تغيير كلمة المرور، ولكن تعذرت كتابة ملفات المفاتيح لهذه الخزائن، ولا تزال مفاتيحها محمية بكلمة المرور القديمة:
%1

تُفتح الخزائن كما كانت من قبل؛ ولا تلزم كلمة المرور القديمة إلا عند إضافة مجلد كهذا مرة أخرى كخزنة موجودة.</translation>
    </message>
    <message>
        <source>Unable to write vault structure. The vault was not created.</source>
        <translation>تعذّرت كتابة بنية الخزنة. لم يتم إنشاء الخزنة.</translation>
    </message>
    <message>
        <source>Unable to write vault structure. The vault was not added.</source>
        <translation>تعذّرت كتابة بنية الخزنة. لم تتم إضافة الخزنة.</translation>
    </message>
    <message>
        <source>An earlier list of vaults was found on the drive. It was kept as %1.</source>
        <translation>تم العثور على قائمة خزائن سابقة على محرك الأقراص. تم الاحتفاظ بها باسم %1.</translation>
    </message>
    <message>
        <source>The key of the vault %1 in %2 is damaged. The vault&apos;s own key file still opens it: disconnect the vault and add it again with Add Existing Vault.</source>
        <translation>مفتاح الخزنة %1 في %2 تالف. لا يزال ملف مفتاح الخزنة نفسه يفتحها: افصل الخزنة ثم أضفها مرة أخرى باستخدام «إضافة خزنة موجودة».</translation>
    </message>
    <message>
        <source>Your password has been changed, but the key files of these vaults are damaged and were left as they are:
%1

The vaults open as before, but such a folder can&apos;t be added again as an existing vault.</source>
        <translation>تم تغيير كلمة المرور، لكن ملفات المفاتيح لهذه الخزائن تالفة وتُركت كما هي:
%1

تفتح الخزائن كما كانت من قبل، لكن لا يمكن إضافة مثل هذا المجلد مرة أخرى كخزنة موجودة.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged. It was kept as %2, and the default settings are used.</source>
        <translation>ملف الإعدادات %1 تالف. تم الاحتفاظ به باسم %2، وتُستخدم الإعدادات الافتراضية.</translation>
    </message>
</context>
<context>
    <name>MainWindowClass</name>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source> No </source>
        <translation> لا </translation>
    </message>
    <message>
        <source> Yes </source>
        <translation> نعم </translation>
    </message>
    <message>
        <source>Encrypting...</source>
        <translation>جارٍ التشفير...</translation>
    </message>
    <message>
        <source>Yes to All</source>
        <translation>نعم للكل</translation>
    </message>
    <message>
        <source>Decrypting...</source>
        <translation>جارٍ فك التشفير...</translation>
    </message>
    <message>
        <source>Decrypting Item...</source>
        <translation>جارٍ فك تشفير العنصر...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Flash Drive</source>
        <translation>محرك الأقراص المحمول</translation>
    </message>
    <message>
        <source> - Create Password</source>
        <translation> - إنشاء كلمة المرور</translation>
    </message>
    <message>
        <source> - About</source>
        <translation> - حول</translation>
    </message>
    <message>
        <source>This vault could not be loaded, it may be located on another computer or the original vault file has been manually removed. The error is: %1</source>
        <translation>تعذر تحميل هذه الخزنة، فقد تكون موجودة على كمبيوتر آخر أو أن ملف الخزنة الأصلي قد أُزيل يدويًا. الخطأ: %1</translation>
    </message>
    <message>
        <source>[Select Language]</source>
        <translation>[اختر اللغة]</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>تسجيل الدخول</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>هل نسيت كلمة المرور؟</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>لوحة المفاتيح الافتراضية</translation>
    </message>
    <message>
        <source>Enter Your Password</source>
        <translation>أدخل كلمة المرور</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>بحث...</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>جهاز الكمبيوتر</translation>
    </message>
    <message>
        <source>My Vault</source>
        <translation>خزنتي</translation>
    </message>
    <message>
        <source>Add File(s)</source>
        <translation>إضافة ملفات</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>إعادة تسمية</translation>
    </message>
    <message>
        <source>New Vault</source>
        <translation>خزنة جديدة</translation>
    </message>
    <message>
        <source>Disconnect Vault</source>
        <translation>قطع اتصال الخزنة</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>مزامنة</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>تفاصيل</translation>
    </message>
    <message>
        <source>List</source>
        <translation>قائمة</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>أيقونات</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>المجلدات</translation>
    </message>
    <message>
        <source>Get Online Support</source>
        <translation>الحصول على الدعم عبر الإنترنت</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>مجلد جديد</translation>
    </message>
    <message>
        <source>Remove Folder</source>
        <translation>إزالة المجلد</translation>
    </message>
    <message>
        <source>Save File(s) to...</source>
        <translation>حفظ الملفات في...</translation>
    </message>
    <message>
        <source>Add Existing Vault</source>
        <translation>إضافة خزنة موجودة</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>تغيير كلمة المرور</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Check For Updates</source>
        <translation>البحث عن تحديثات</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>قفل</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>قص</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
    <message>
        <source>Move to Folder...</source>
        <translation>نقل إلى مجلد...</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>Go Forward</source>
        <translation>تقدم</translation>
    </message>
    <message>
        <source>Go Home</source>
        <translation>الصفحة الرئيسية</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>تحديد الكل</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>سطح المكتب</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>المستندات</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>الكمبيوتر</translation>
    </message>
    <message>
        <source>Backup Vault Data</source>
        <translation>نسخ بيانات الخزنة احتياطيًا</translation>
    </message>
    <message>
        <source>Restore Vault Data</source>
        <translation>استعادة بيانات الخزنة</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>خيارات...</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>خصائص</translation>
    </message>
    <message>
        <source>Add Sync Peer</source>
        <translation>إضافة نظير مزامنة</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>إظهار في مدير الملفات</translation>
    </message>
    <message>
        <source>Backup Vault</source>
        <translation>نسخ الخزنة احتياطيًا</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>تحرير</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>أدوات</translation>
    </message>
    <message>
        <source>View</source>
        <translation>عرض</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>تعليمات</translation>
    </message>
    <message>
        <source>Main ToolBar</source>
        <translation>شريط الأدوات الرئيسي</translation>
    </message>
    <message>
        <source>Could not create random bytes.</source>
        <translation>تعذر إنشاء بايتات عشوائية.</translation>
    </message>
    <message>
        <source>The password cannot contain these characters: %1
Please use only letters, digits and signs of Western European languages.</source>
        <translation>لا يمكن أن تحتوي كلمة المرور على هذه الأحرف: %1
يرجى استخدام الحروف والأرقام ورموز لغات أوروبا الغربية فقط.</translation>
    </message>
    <message>
        <source> - Virtual Keyboard</source>
        <translation> - لوحة المفاتيح الافتراضية</translation>
    </message>
    <message>
        <source>Weak</source>
        <translation>ضعيفة</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>مقبولة</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>جيدة</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>ممتازة</translation>
    </message>
    <message>
        <source>Passwords do not match</source>
        <translation>كلمتا المرور غير متطابقتين</translation>
    </message>
    <message>
        <source>Invalid current item name.</source>
        <translation>اسم العنصر الحالي غير صالح.</translation>
    </message>
    <message>
        <source>Damaged item record in archive.</source>
        <translation>سجل عنصر تالف في الأرشيف.</translation>
    </message>
    <message>
        <source>Invalid item name in archive.</source>
        <translation>اسم عنصر غير صالح في الأرشيف.</translation>
    </message>
    <message>
        <source>Duplicate item name.</source>
        <translation>اسم عنصر مكرر.</translation>
    </message>
    <message>
        <source>Invalid item name.</source>
        <translation>اسم عنصر غير صالح.</translation>
    </message>
    <message>
        <source>Damaged vault header in archive.</source>
        <translation>رأس خزنة تالف في الأرشيف.</translation>
    </message>
    <message>
        <source>Invalid parent path in archive.</source>
        <translation>مسار أصل غير صالح في الأرشيف.</translation>
    </message>
    <message>
        <source>Invalid class name in archive.</source>
        <translation>اسم فئة غير صالح في الأرشيف.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Date Created</source>
        <translation>تاريخ الإنشاء</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>محرك أقراص</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>مجلد</translation>
    </message>
    <message>
        <source>Copying  file...</source>
        <translation>جارٍ نسخ الملف...</translation>
    </message>
    <message>
        <source>Copying Item...</source>
        <translation>جارٍ نسخ العنصر...</translation>
    </message>
    <message>
        <source>Can not move</source>
        <translation>تعذر النقل</translation>
    </message>
    <message>
        <source>Processing Items...</source>
        <translation>جارٍ معالجة العناصر...</translation>
    </message>
    <message>
        <source>Moving Item...</source>
        <translation>جارٍ نقل العنصر...</translation>
    </message>
    <message>
        <source>There is already an item with the same name in this location. Do you want to replace it?</source>
        <translation>يوجد عنصر بالاسم نفسه في هذا الموقع. هل تريد استبداله؟</translation>
    </message>
    <message>
        <source>Failed to move</source>
        <translation>فشل النقل</translation>
    </message>
    <message>
        <source>Failed to copy</source>
        <translation>فشل النسخ</translation>
    </message>
    <message>
        <source>The application can not add more files because the vault&apos;s disk is full.</source>
        <translation>لا يمكن للتطبيق إضافة المزيد من الملفات لأن قرص الخزنة ممتلئ.</translation>
    </message>
    <message>
        <source>Moving file...</source>
        <translation>جارٍ نقل الملف...</translation>
    </message>
    <message>
        <source>Copy folder...</source>
        <translation>نسخ المجلد...</translation>
    </message>
    <message>
        <source>Add a vault here</source>
        <translation>أضف خزنة هنا</translation>
    </message>
    <message>
        <source>Add a file or create a folder here</source>
        <translation>أضف ملفًا أو أنشئ مجلدًا هنا</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Ok</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Timeouts</source>
        <translation>المهلات</translation>
    </message>
    <message>
        <source>Application timeout</source>
        <translation>مهلة التطبيق</translation>
    </message>
    <message>
        <source>Timeout in minutes:</source>
        <translation>المهلة بالدقائق:</translation>
    </message>
    <message>
        <source>0 = Timeout Disabled</source>
        <translation>0 = تعطيل المهلة</translation>
    </message>
    <message>
        <source>Password expiration</source>
        <translation>انتهاء صلاحية كلمة المرور</translation>
    </message>
    <message>
        <source>Expiration in days:</source>
        <translation>انتهاء الصلاحية بالأيام:</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>التأكيد</translation>
    </message>
    <message>
        <source>File delete confirmation</source>
        <translation>تأكيد حذف الملفات</translation>
    </message>
    <message>
        <source>Restore to default</source>
        <translation>استعادة الإعدادات الافتراضية</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>التشفير</translation>
    </message>
    <message>
        <source>AES 256 bit</source>
        <translation>AES 256 بت</translation>
    </message>
    <message>
        <source>AES 512 bit</source>
        <translation>AES 512 بت</translation>
    </message>
    <message>
        <source>Preferred encryption method:</source>
        <translation>طريقة التشفير المفضلة:</translation>
    </message>
    <message>
        <source>AES 128 bit</source>
        <translation>AES 128 بت</translation>
    </message>
    <message>
        <source>AES 1024 bit</source>
        <translation>AES 1024 بت</translation>
    </message>
    <message>
        <source>Locations</source>
        <translation>المواقع</translation>
    </message>
    <message>
        <source>Backup options</source>
        <translation>خيارات النسخ الاحتياطي</translation>
    </message>
    <message>
        <source>Backup location</source>
        <translation>موقع النسخ الاحتياطي</translation>
    </message>
    <message>
        <source>Application Data</source>
        <translation>بيانات التطبيق</translation>
    </message>
    <message>
        <source>My Documents</source>
        <translation>مستنداتي</translation>
    </message>
    <message>
        <source>Mount options</source>
        <translation>خيارات التركيب</translation>
    </message>
    <message>
        <source>Mount location</source>
        <translation>موقع التركيب</translation>
    </message>
    <message>
        <source>None</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>المسار</translation>
    </message>
    <message>
        <source>Backup retention</source>
        <translation>الاحتفاظ بالنسخ الاحتياطية</translation>
    </message>
    <message>
        <source>Keep number of backups:</source>
        <translation>عدد النسخ الاحتياطية المحتفظ بها:</translation>
    </message>
    <message>
        <source>Enable automatic backup retention</source>
        <translation>تمكين الاحتفاظ التلقائي بالنسخ الاحتياطية</translation>
    </message>
    <message>
        <source>You will need to restart the application for these changes to take effect</source>
        <translation>ستحتاج إلى إعادة تشغيل التطبيق لتصبح هذه التغييرات سارية</translation>
    </message>
</context>
<context>
    <name>PleaseWaitDialog</name>
    <message>
        <source>Dialog</source>
        <translation>مربع حوار</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;A backup is running. Please wait until it has finished before you quit the program or eject the flash drive.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;يجري نسخ احتياطي الآن. يرجى الانتظار حتى ينتهي قبل إنهاء البرنامج أو إخراج محرك الأقراص المحمول.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>ProblemReport</name>
    <message>
        <source>A problem occured</source>
        <translation>حدثت مشكلة</translation>
    </message>
    <message>
        <source>Sending Report. . .</source>
        <translation>جارٍ إرسال التقرير. . .</translation>
    </message>
    <message>
        <source>Send Report</source>
        <translation>إرسال التقرير</translation>
    </message>
    <message>
        <source>Report was sent successful!</source>
        <translation>تم إرسال التقرير بنجاح!</translation>
    </message>
    <message>
        <source>Error sending report!
%2 (%1)</source>
        <translation>حدث خطأ أثناء إرسال التقرير!
%2 (%1)</translation>
    </message>
</context>
<context>
    <name>RestoreWizard</name>
    <message>
        <source>Restore Wizard</source>
        <translation>معالج الاستعادة</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Welcome to the restore wizard.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;This wizard will guide you through the process of restoring current data from a previous backup.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;مرحبًا بك في معالج الاستعادة.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;سيرشدك هذا المعالج خلال عملية استعادة البيانات الحالية من نسخة احتياطية سابقة.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Please choose the location to be restored from the backup file and click &apos;Next&apos; to proceed.</source>
        <translation>يرجى اختيار الموقع المراد استعادته من ملف النسخ الاحتياطي والنقر على &quot;التالي&quot; للمتابعة.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>التالي</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Please select the backup to be restored and click &apos;Next&apos; to proceed.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;يرجى تحديد النسخة الاحتياطية المراد استعادتها والنقر على &quot;التالي&quot; للمتابعة.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>العمر</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>السابق</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The encryption key for the selected backup is not available. &lt;/p&gt;&lt;p&gt;A copy of the key is present in the backup, but is protected by a password.&lt;/p&gt;&lt;p&gt;Please enter the password that was in use when the backup was made and click &apos;Next&apos; to proceed.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;مفتاح التشفير الخاص بالنسخة الاحتياطية المحددة غير متاح.&lt;/p&gt;&lt;p&gt;توجد نسخة من المفتاح في النسخة الاحتياطية، لكنها محمية بكلمة مرور.&lt;/p&gt;&lt;p&gt;يرجى إدخال كلمة المرور التي كانت مستخدمة عند إنشاء النسخة الاحتياطية والنقر على &quot;التالي&quot; للمتابعة.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Password:&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;كلمة المرور:&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;You have entered an incorrect password. &lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;لقد أدخلت كلمة مرور غير صحيحة.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Please go back and try again.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;يرجى الرجوع والمحاولة مرة أخرى.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;By clicking &apos;Restore&apos; you will replace all data in the selected vault with data from the backup.&lt;/p&gt;&lt;p&gt;Click &apos;Back&apos; if any changes are needed before proceeding.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;بالنقر على &quot;استعادة&quot; ستستبدل كل البيانات في الخزنة المحددة ببيانات النسخة الاحتياطية.&lt;/p&gt;&lt;p&gt;انقر &quot;السابق&quot; إذا كانت هناك حاجة لأي تغييرات قبل المتابعة.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>New, empty folder for the vault:</source>
        <translation>مجلد جديد فارغ للخزنة:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>استعراض...</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>استعادة</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Restoring backup data.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;جارٍ استعادة بيانات النسخة الاحتياطية.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;There are no other backup files available.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;لا توجد ملفات نسخ احتياطي أخرى متاحة.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Data restored succesfully!&lt;br/&gt;&lt;/p&gt;&lt;p&gt;You can now close this Wizard and access the restored data.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;تمت استعادة البيانات بنجاح!&lt;br/&gt;&lt;/p&gt;&lt;p&gt;يمكنك الآن إغلاق هذا المعالج والوصول إلى البيانات المستعادة.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The backup was not restored.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;لم تتم استعادة النسخة الاحتياطية.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Select the vault to restore</source>
        <translation>حدد الخزنة المراد استعادتها</translation>
    </message>
    <message>
        <source>Other unlisted vault</source>
        <translation>خزنة أخرى غير مدرجة</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>أمس</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>%1 Days ago</source>
        <translation>منذ %1 يوم</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;By clicking &apos;Restore&apos; the backup becomes a new vault in the new, empty folder below. No existing vault is changed.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;بالنقر على &quot;استعادة&quot; تصبح النسخة الاحتياطية خزنة جديدة في المجلد الجديد الفارغ أدناه. لا يتم تغيير أي خزنة موجودة.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Choose a new, empty folder for the vault</source>
        <translation>اختر مجلدًا جديدًا فارغًا للخزنة</translation>
    </message>
    <message>
        <source>Please choose a new, empty folder for the restored vault.</source>
        <translation>يرجى اختيار مجلد جديد فارغ للخزنة المستعادة.</translation>
    </message>
    <message>
        <source>%1 is not a folder. Please choose a new, empty folder for the restored vault.</source>
        <translation>%1 ليس مجلدًا. يرجى اختيار مجلد جديد فارغ للخزنة المستعادة.</translation>
    </message>
    <message>
        <source>The folder %1 is not empty. Please choose a new, empty folder for the restored vault.</source>
        <translation>المجلد %1 ليس فارغًا. يرجى اختيار مجلد جديد فارغ للخزنة المستعادة.</translation>
    </message>
    <message>
        <source>The folder %1 belongs to the vault %2. Please choose a new, empty folder for the restored vault.</source>
        <translation>المجلد %1 تابع للخزنة %2. يرجى اختيار مجلد جديد فارغ للخزنة المستعادة.</translation>
    </message>
    <message>
        <source>The folder %1 lies in the backup location. Please choose another folder.</source>
        <translation>المجلد %1 يقع في موقع النسخ الاحتياطي. يرجى اختيار مجلد آخر.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>تعذر إنشاء المجلد %1.</translation>
    </message>
    <message>
        <source>Restored vault</source>
        <translation>الخزنة المستعادة</translation>
    </message>
    <message>
        <source>The backup can be copied straight over the vault&apos;s files instead. If that fails part-way, the vault can&apos;t be put back as it was. Restore anyway?</source>
        <translation>يمكن بدلاً من ذلك نسخ النسخة الاحتياطية مباشرة فوق ملفات الخزنة. إذا فشل ذلك في منتصفه، فلن يمكن إرجاع الخزنة إلى ما كانت عليه. هل تريد الاستعادة على أي حال؟</translation>
    </message>
    <message>
        <source> Yes </source>
        <translation> نعم </translation>
    </message>
    <message>
        <source> No </source>
        <translation> لا </translation>
    </message>
    <message>
        <source>A synchronisation is running; please try again when it has finished.</source>
        <translation>هناك مزامنة قيد التشغيل؛ يرجى المحاولة مرة أخرى عند انتهائها.</translation>
    </message>
    <message>
        <source>The folder of the vault %1 is not available.</source>
        <translation>مجلد الخزنة %1 غير متاح.</translation>
    </message>
    <message>
        <source>The backup holds no vault index.</source>
        <translation>لا تحتوي النسخة الاحتياطية على فهرس خزنة.</translation>
    </message>
    <message>
        <source>There is not enough free space beside the vault to restore it safely: %1 are needed, %2 are free.</source>
        <translation>لا توجد مساحة حرة كافية بجوار الخزنة لاستعادتها بأمان: المطلوب %1، والمتاح %2.</translation>
    </message>
    <message>
        <source>No room could be made beside the vault folder %1 to restore into.</source>
        <translation>تعذر تجهيز مساحة بجوار مجلد الخزنة %1 للاستعادة إليها.</translation>
    </message>
    <message>
        <source>The backup could not be copied: %1 The vault was not changed.</source>
        <translation>تعذر نسخ النسخة الاحتياطية: %1 لم تتغير الخزنة.</translation>
    </message>
    <message>
        <source>The vault was not changed.</source>
        <translation>لم تتغير الخزنة.</translation>
    </message>
    <message>
        <source>The backup&apos;s files could not be put in place in the vault folder %1.</source>
        <translation>تعذر وضع ملفات النسخة الاحتياطية في مجلد الخزنة %1.</translation>
    </message>
    <message>
        <source>Some of the vault&apos;s own files could not be put back; they are kept in %1.</source>
        <translation>تعذرت إعادة بعض ملفات الخزنة الخاصة؛ وهي محفوظة في %1.</translation>
    </message>
    <message>
        <source>The vault is as it was before.</source>
        <translation>الخزنة كما كانت من قبل.</translation>
    </message>
    <message>
        <source>The vault&apos;s files are as they were before.</source>
        <translation>ملفات الخزنة كما كانت من قبل.</translation>
    </message>
    <message>
        <source>The backup could not be copied: %1 The vault may be damaged; restore it again once there is more free space.</source>
        <translation>تعذر نسخ النسخة الاحتياطية: %1 قد تكون الخزنة تالفة؛ استعدها مرة أخرى عند توفر مساحة حرة أكبر.</translation>
    </message>
    <message>
        <source>The vault may be damaged.</source>
        <translation>قد تكون الخزنة تالفة.</translation>
    </message>
    <message>
        <source>The backup&apos;s index can&apos;t be opened with the key that was found for it.</source>
        <translation>يتعذر فتح فهرس النسخة الاحتياطية بالمفتاح الذي عُثر عليه لها.</translation>
    </message>
    <message>
        <source>The backup&apos;s index can&apos;t be read.</source>
        <translation>تتعذر قراءة فهرس النسخة الاحتياطية.</translation>
    </message>
    <message>
        <source>The backup&apos;s index is damaged: %1</source>
        <translation>فهرس النسخة الاحتياطية تالف: %1</translation>
    </message>
    <message>
        <source>The backup lacks the encrypted file of %1.</source>
        <translation>تفتقد النسخة الاحتياطية الملف المشفر لـ %1.</translation>
    </message>
    <message>
        <source>The restored vault could not be loaded: %1</source>
        <translation>تعذر تحميل الخزنة المستعادة: %1</translation>
    </message>
    <message>
        <source>The restored vault could not be loaded.</source>
        <translation>تعذر تحميل الخزنة المستعادة.</translation>
    </message>
    <message>
        <source>The encrypted file of %1 in the backup is not whole (%2).</source>
        <translation>الملف المشفّر لـ %1 في النسخة الاحتياطية غير كامل (%2).</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>تعذرت الكتابة في %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a symbolic link</source>
        <translation>تعذرت الكتابة في %1: إنه ارتباط رمزي</translation>
    </message>
</context>
<context>
    <name>TAVBrowseFolderDialog</name>
    <message>
        <source>Dialog</source>
        <translation>مربع حوار</translation>
    </message>
    <message>
        <source>Select a target folder:</source>
        <translation>حدد مجلدًا هدفًا:</translation>
    </message>
    <message>
        <source>Please select a target folder.</source>
        <translation>يرجى تحديد مجلد هدف.</translation>
    </message>
</context>
<context>
    <name>TAVCryptoThread</name>
    <message>
        <source>Cannot open file for read %1
Error: %2</source>
        <translation>تعذر فتح الملف للقراءة %1
الخطأ: %2</translation>
    </message>
    <message>
        <source>Cannot open file for write %1
Error: %2</source>
        <translation>تعذر فتح الملف للكتابة %1
الخطأ: %2</translation>
    </message>
</context>
<context>
    <name>TAVFile</name>
    <message>
        <source>File %1 does not exist</source>
        <translation>الملف %1 غير موجود</translation>
    </message>
</context>
<context>
    <name>TAVFileWatcher</name>
    <message>
        <source>%1 is a symbolic link: the decrypted copy is not written there.</source>
        <translation>%1 ارتباط رمزي: لا تُكتب النسخة المفكوكة التشفير هناك.</translation>
    </message>
    <message>
        <source>%1 is open with changes that are not in the vault yet.</source>
        <translation>%1 مفتوح وفيه تغييرات لم تدخل الخزنة بعد.</translation>
    </message>
    <message>
        <source>The folder %1 for the decrypted copy could not be made.</source>
        <translation>تعذر إنشاء المجلد %1 للنسخة المفكوكة التشفير.</translation>
    </message>
    <message>
        <source>The changes of %1 could not be put into the vault: the vault is not open.</source>
        <translation>تعذر إدخال تغييرات %1 في الخزنة: الخزنة غير مفتوحة.</translation>
    </message>
    <message>
        <source>The changes of %1 could not be put into the vault: the vault&apos;s folder is not found.</source>
        <translation>تعذر إدخال تغييرات %1 في الخزنة: لم يُعثر على مجلد الخزنة.</translation>
    </message>
    <message>
        <source>The changes of %1 are in the vault, but the vault&apos;s index could not be saved.</source>
        <translation>تغييرات %1 موجودة في الخزنة، لكن تعذر حفظ فهرس الخزنة.</translation>
    </message>
</context>
<context>
    <name>TAVItem</name>
    <message>
        <source>Decryption failed.</source>
        <translation>فشل فك التشفير.</translation>
    </message>
</context>
<context>
    <name>TAVProgressDialog</name>
    <message>
        <source>Dialog</source>
        <translation>مربع حوار</translation>
    </message>
    <message>
        <source>Encrypting...</source>
        <translation>جارٍ التشفير...</translation>
    </message>
    <message>
        <source>Estimated Time to Complete: 0.00 minutes</source>
        <translation>الوقت المقدر للاكتمال: 0.00 دقيقة</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>Estimated Time to Complete:</source>
        <translation>الوقت المقدر للاكتمال:</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>دقائق</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>ثوانٍ</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>ساعات</translation>
    </message>
</context>
<context>
    <name>TAVProgressLogDialog</name>
    <message>
        <source>Synchronization</source>
        <translation>المزامنة</translation>
    </message>
    <message>
        <source>Synchronization progress:</source>
        <translation>تقدم المزامنة:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>No items is synced</source>
        <translation>لم تتم مزامنة أي عنصر</translation>
    </message>
    <message>
        <source>Synchronization completed successfully.</source>
        <translation>اكتملت المزامنة بنجاح.</translation>
    </message>
    <message>
        <source>Synchronization finished, but not every file could be synchronized. See the lines above.</source>
        <translation>انتهت المزامنة، لكن تعذرت مزامنة بعض الملفات. راجع الأسطر أعلاه.</translation>
    </message>
</context>
<context>
    <name>TAVSync</name>
    <message>
        <source>Synchronization cancelled.</source>
        <translation>تم إلغاء المزامنة.</translation>
    </message>
    <message>
        <source>Vault is not loaded</source>
        <translation>الخزنة غير محمّلة</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>المجلد غير موجود.</translation>
    </message>
    <message>
        <source>The disk folder %1 is empty, but held %2 items at the last synchronization: nothing was deleted or copied for this peer.</source>
        <translation>مجلد القرص %1 فارغ، لكنه كان يحتوي على %2 عنصر عند آخر مزامنة: لم يُحذف أو يُنسخ شيء لهذا النظير.</translation>
    </message>
    <message>
        <source>The vault folder %1 is empty, but held %2 items at the last synchronization: nothing was deleted or copied for this peer.</source>
        <translation>مجلد الخزنة %1 فارغ، لكنه كان يحتوي على %2 عنصر عند آخر مزامنة: لم يُحذف أو يُنسخ شيء لهذا النظير.</translation>
    </message>
    <message>
        <source>The new files could not be written to the disk.</source>
        <translation>تعذرت كتابة الملفات الجديدة على القرص.</translation>
    </message>
    <message>
        <source>The vault&apos;s index could not be saved.</source>
        <translation>تعذر حفظ فهرس الخزنة.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>تم</translation>
    </message>
    <message>
        <source>The item is no longer in the vault.</source>
        <translation>لم يعد العنصر موجودًا في الخزنة.</translation>
    </message>
    <message>
        <source>A folder of that name is in the vault.</source>
        <translation>يوجد في الخزنة مجلد بهذا الاسم.</translation>
    </message>
    <message>
        <source>Its folder is not in the vault.</source>
        <translation>مجلده غير موجود في الخزنة.</translation>
    </message>
    <message>
        <source>Kept %1: it holds items the last synchronization did not know.</source>
        <translation>تم الإبقاء على %1: يحتوي على عناصر لم تكن معروفة في آخر مزامنة.</translation>
    </message>
    <message>
        <source>Kept %1: it is reached through a symbolic link.</source>
        <translation>تم الإبقاء على %1: يتم الوصول إليه عبر ارتباط رمزي.</translation>
    </message>
    <message>
        <source>Kept %1: it holds files the last synchronization did not know.</source>
        <translation>تم الإبقاء على %1: يحتوي على ملفات لم تكن معروفة في آخر مزامنة.</translation>
    </message>
    <message>
        <source>The list of synchronization peers of this vault can&apos;t be read. Nothing was changed.</source>
        <translation>تتعذر قراءة قائمة نظراء المزامنة لهذه الخزنة. لم يتغير شيء.</translation>
    </message>
    <message>
        <source>These folders are already synchronized.</source>
        <translation>هذه المجلدات متزامنة بالفعل.</translation>
    </message>
    <message>
        <source>The list of synchronization peers could not be written. The folder was not added.</source>
        <translation>تعذرت كتابة قائمة نظراء المزامنة. لم تتم إضافة المجلد.</translation>
    </message>
    <message>
        <source>This folder can&apos;t be synchronized: it is the vault&apos;s own folder, lies inside it or holds it.</source>
        <translation>لا يمكن مزامنة هذا المجلد: إنه مجلد الخزنة نفسه، أو يقع داخله، أو يحتويه.</translation>
    </message>
    <message>
        <source>This folder can&apos;t be synchronized: the application keeps its own files there.</source>
        <translation>لا يمكن مزامنة هذا المجلد: يحتفظ التطبيق بملفاته الخاصة فيه.</translation>
    </message>
    <message>
        <source>The folder could not be added.</source>
        <translation>تعذرت إضافة المجلد.</translation>
    </message>
    <message>
        <source>Starting...</source>
        <translation>جارٍ البدء...</translation>
    </message>
    <message>
        <source>Synchronization finished with errors: see the lines above.</source>
        <translation>انتهت المزامنة مع أخطاء: راجع الأسطر أعلاه.</translation>
    </message>
    <message>
        <source>Another synchronization is running.</source>
        <translation>هناك مزامنة أخرى قيد التشغيل.</translation>
    </message>
    <message>
        <source>No synchronization peers defined.</source>
        <translation>لم يتم تعريف أي نظراء للمزامنة.</translation>
    </message>
    <message>
        <source>Skipped: %1 (names that differ only in case)</source>
        <translation>تم التخطي: %1 (أسماء لا تختلف إلا في حالة الأحرف)</translation>
    </message>
    <message>
        <source>The folder can&apos;t be read: nothing was deleted or copied for this peer.</source>
        <translation>تعذّرت قراءة المجلد: لم يُحذف أو يُنسخ شيء لهذا الشريك.</translation>
    </message>
    <message>
        <source>The folder %1 was removed or replaced during the synchronization: nothing more was copied or deleted for this peer.</source>
        <translation>أُزيل المجلد %1 أو استُبدل أثناء المزامنة: لم يُنسخ أو يُحذف شيء آخر لهذا الشريك.</translation>
    </message>
    <message>
        <source>Kept %1: it changed on the disk during the synchronization.</source>
        <translation>أُبقي على %1: تغيّر على القرص أثناء المزامنة.</translation>
    </message>
    <message>
        <source>The vault&apos;s folder can&apos;t be written.</source>
        <translation>لا يمكن الكتابة في مجلد الخزنة.</translation>
    </message>
    <message>
        <source>Skipped: %1 (a symbolic link)</source>
        <translation>تم التخطي: %1 (رابط رمزي)</translation>
    </message>
    <message>
        <source>This folder can&apos;t be synchronized: it holds or lies inside a folder already synchronized with this vault.</source>
        <translation>لا يمكن مزامنة هذا المجلد: فهو يحتوي على مجلد تتم مزامنته مع هذه الخزنة أو يقع داخله.</translation>
    </message>
    <message>
        <source>Failed: %1 (can&apos;t be read: %2)</source>
        <translation>فشل: %1 (تتعذر القراءة: %2)</translation>
    </message>
    <message>
        <source>Skipped: %1 (not a file or a folder)</source>
        <translation>تم التخطي: %1 (ليس ملفًا ولا مجلدًا)</translation>
    </message>
</context>
<context>
    <name>TAVSyncProgressDialog</name>
    <message>
        <source>Synchronization</source>
        <translation>المزامنة</translation>
    </message>
    <message>
        <source>Synchronization progress:</source>
        <translation>تقدم المزامنة:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>No items is synced</source>
        <translation>لم تتم مزامنة أي عنصر</translation>
    </message>
    <message>
        <source>Synchronization completed successfully.</source>
        <translation>اكتملت المزامنة بنجاح.</translation>
    </message>
    <message>
        <source>Repair completed successfully.</source>
        <translation>اكتمل الإصلاح بنجاح.</translation>
    </message>
    <message>
        <source>Synchronization finished with errors:</source>
        <translation>انتهت المزامنة مع أخطاء:</translation>
    </message>
    <message>
        <source>Synchronization finished with errors. The lines in the progress window say which items could not be synchronized.</source>
        <translation>انتهت المزامنة مع أخطاء. توضح الأسطر في نافذة التقدم العناصر التي تعذرت مزامنتها.</translation>
    </message>
</context>
<context>
    <name>TavVaultProperty</name>
    <message>
        <source>Dialog</source>
        <translation>مربع حوار</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>معلومات</translation>
    </message>
    <message>
        <source>Type of encryption:</source>
        <translation>نوع التشفير:</translation>
    </message>
    <message>
        <source>Total number of files:</source>
        <translation>إجمالي عدد الملفات:</translation>
    </message>
    <message>
        <source>Total storage space:</source>
        <translation>إجمالي مساحة التخزين:</translation>
    </message>
    <message>
        <source>Full Physical Path:</source>
        <translation>المسار الفعلي الكامل:</translation>
    </message>
    <message>
        <source>Set Vault Password</source>
        <translation>تعيين كلمة مرور الخزنة</translation>
    </message>
    <message>
        <source>Repair vault </source>
        <translation>إصلاح الخزنة </translation>
    </message>
    <message>
        <source>Synchronization</source>
        <translation>المزامنة</translation>
    </message>
    <message>
        <source>Synchronization peers:</source>
        <translation>نظراء المزامنة:</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>المضيف</translation>
    </message>
    <message>
        <source>Local folder</source>
        <translation>المجلد المحلي</translation>
    </message>
    <message>
        <source>Vault folder</source>
        <translation>مجلد الخزنة</translation>
    </message>
    <message>
        <source>Synchronize</source>
        <translation>مزامنة</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>تم</translation>
    </message>
    <message>
        <source>This repair has already run.</source>
        <translation>تم تشغيل هذا الإصلاح بالفعل.</translation>
    </message>
    <message>
        <source>The folder of the vault cannot be found: %1
Nothing was repaired.</source>
        <translation>يتعذر العثور على مجلد الخزنة: %1
لم يتم إصلاح أي شيء.</translation>
    </message>
    <message>
        <source>A repair of this vault is already running.</source>
        <translation>هناك إصلاح لهذه الخزنة قيد التشغيل بالفعل.</translation>
    </message>
    <message>
        <source>A synchronization is running. Please try again when it has finished.</source>
        <translation>هناك مزامنة قيد التشغيل. يرجى المحاولة مرة أخرى عند انتهائها.</translation>
    </message>
    <message>
        <source>Start repair index file</source>
        <translation>بدء إصلاح ملف الفهرس</translation>
    </message>
    <message>
        <source>The repair was cancelled. The index was not changed.</source>
        <translation>تم إلغاء الإصلاح. لم يتغير الفهرس.</translation>
    </message>
    <message>
        <source>Only %1 of the %2 files listed in the index of the vault &quot;%3&quot; were found in its folder %4.
If the drive or the folder is incomplete, repairing now takes the missing files out of the index.

Repair the index anyway?</source>
        <translation>لم يُعثر في المجلد %4 إلا على %1 من أصل %2 ملف مدرج في فهرس الخزنة &quot;%3&quot;.
إذا كان محرك الأقراص أو المجلد غير مكتمل، فإن الإصلاح الآن يزيل الملفات المفقودة من الفهرس.

هل تريد إصلاح الفهرس على أي حال؟</translation>
    </message>
    <message>
        <source>The index was not repaired.</source>
        <translation>لم يتم إصلاح الفهرس.</translation>
    </message>
    <message>
        <source>The vault&apos;s key does not fit the files in its folder. Nothing was repaired.</source>
        <translation>مفتاح الخزنة لا يطابق الملفات الموجودة في مجلدها. لم يتم إصلاح أي شيء.</translation>
    </message>
    <message>
        <source>The vault was closed during the repair. The index was not changed.</source>
        <translation>أُغلقت الخزنة أثناء الإصلاح. لم يتغير الفهرس.</translation>
    </message>
    <message>
        <source>The previous index could not be kept (%1). The index was not changed.</source>
        <translation>تعذر الاحتفاظ بالفهرس السابق (%1). لم يتغير الفهرس.</translation>
    </message>
    <message>
        <source>The index could not be rebuilt. The index was not changed.</source>
        <translation>تعذرت إعادة بناء الفهرس. لم يتغير الفهرس.</translation>
    </message>
    <message>
        <source>The repaired index could not be written. The previous index is kept.</source>
        <translation>تعذرت كتابة الفهرس المُصلَح. تم الاحتفاظ بالفهرس السابق.</translation>
    </message>
    <message>
        <source>The index was repaired: %1 files rebuilt (%2 of them in the folder &quot;%3&quot;), %4 removed, %5 skipped.</source>
        <translation>تم إصلاح الفهرس: أُعيد بناء %1 ملف (%2 منها في المجلد &quot;%3&quot;)، وأُزيل %4، وتم تخطي %5.</translation>
    </message>
    <message>
        <source>Please choose a folder to synchronise with:</source>
        <translation>يرجى اختيار مجلد للمزامنة معه:</translation>
    </message>
    <message>
        <source>This synchronization peer is no longer in the list of the vault.</source>
        <translation>لم يعد نظير المزامنة هذا موجودًا في قائمة الخزنة.</translation>
    </message>
    <message>
        <source>The list of synchronization peers of this vault could not be changed. The peer was not removed.</source>
        <translation>تعذر تغيير قائمة نظراء المزامنة لهذه الخزنة. لم تتم إزالة النظير.</translation>
    </message>
    <message>
        <source>Please try again and enter a password</source>
        <translation>يرجى المحاولة مرة أخرى وإدخال كلمة مرور</translation>
    </message>
    <message>
        <source>Please enter a new password to encrypt the key:</source>
        <translation>يرجى إدخال كلمة مرور جديدة لتشفير المفتاح:</translation>
    </message>
    <message>
        <source>Please enter the password again:</source>
        <translation>يرجى إدخال كلمة المرور مرة أخرى:</translation>
    </message>
    <message>
        <source>The two passwords are not the same. The vault password was not changed.</source>
        <translation>كلمتا المرور غير متطابقتين. لم تتغير كلمة مرور الخزنة.</translation>
    </message>
    <message>
        <source>The vault password could not be saved in %1. The key chain was not changed.</source>
        <translation>تعذر حفظ كلمة مرور الخزنة في %1. لم تتغير سلسلة المفاتيح.</translation>
    </message>
    <message>
        <source>The vault password was set.</source>
        <translation>تم تعيين كلمة مرور الخزنة.</translation>
    </message>
    <message>
        <source>Repair Progress</source>
        <translation>تقدم الإصلاح</translation>
    </message>
</context>
<context>
    <name>UpdateAvailableDialog</name>
    <message>
        <source>Kolvane - New Version Available</source>
        <translation>Kolvane - يتوفر إصدار جديد</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>تحديث</translation>
    </message>
</context>
<context>
    <name>UpdateConfigDialog</name>
    <message>
        <source>Kolvane - Updates configuration</source>
        <translation>Kolvane - إعدادات التحديثات</translation>
    </message>
    <message>
        <source>How often do you want to check for updates?</source>
        <translation>كم مرة تريد البحث عن تحديثات؟</translation>
    </message>
    <message>
        <source>Once a week</source>
        <translation>مرة في الأسبوع</translation>
    </message>
    <message>
        <source>Every two weeks</source>
        <translation>كل أسبوعين</translation>
    </message>
    <message>
        <source>Once a month</source>
        <translation>مرة في الشهر</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>أبدًا</translation>
    </message>
    <message>
        <source>Check for updates now</source>
        <translation>البحث عن تحديثات الآن</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Thank you for using %1
You are using %1 %2. There are currently no updates available.
Please try again later.</source>
        <translation>شكرًا لاستخدامك %1
أنت تستخدم %1 %2. لا تتوفر تحديثات حاليًا.
يرجى المحاولة لاحقًا.</translation>
    </message>
    <message>
        <source> - New Version Available</source>
        <translation> - يتوفر إصدار جديد</translation>
    </message>
</context>
<context>
    <name>UpdateDownload</name>
    <message>
        <source>The server did not answer in time</source>
        <translation>لم يستجب الخادم في الوقت المحدد</translation>
    </message>
    <message>
        <source>A download is already under way</source>
        <translation>هناك تنزيل قيد التنفيذ بالفعل</translation>
    </message>
    <message>
        <source>The address %1 is not a secure one</source>
        <translation>العنوان %1 ليس عنوانًا آمنًا</translation>
    </message>
    <message>
        <source>The address %1 names no file</source>
        <translation>العنوان %1 لا يشير إلى أي ملف</translation>
    </message>
    <message>
        <source>Redirected without a new address</source>
        <translation>تمت إعادة التوجيه دون عنوان جديد</translation>
    </message>
    <message>
        <source>Too many redirections</source>
        <translation>عمليات إعادة توجيه كثيرة جدًا</translation>
    </message>
    <message>
        <source>Redirected from a secure address to %1</source>
        <translation>تمت إعادة التوجيه من عنوان آمن إلى %1</translation>
    </message>
    <message>
        <source>The server answered %1</source>
        <translation>أجاب الخادم %1</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>تم الإلغاء</translation>
    </message>
    <message>
        <source>The package is larger than %1 MiB</source>
        <translation>الحزمة أكبر من %1 ميغابايت</translation>
    </message>
</context>
<context>
    <name>Utils</name>
    <message>
        <source>There are %1 file(s) to be synchronized.</source>
        <translation>هناك %1 ملف بانتظار المزامنة.</translation>
    </message>
    <message>
        <source>Start synchronizing files now.</source>
        <translation>ابدأ مزامنة الملفات الآن.</translation>
    </message>
</context>
<context>
    <name>Vir_KeyPad_Dialog</name>
    <message>
        <source>Virtual Keypad</source>
        <translation>لوحة المفاتيح الافتراضية</translation>
    </message>
    <message>
        <source>Show Plain Text</source>
        <translation>إظهار النص العادي</translation>
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
        <translation>إعادة تعيين</translation>
    </message>
    <message>
        <source>Security Level</source>
        <translation>مستوى الأمان</translation>
    </message>
    <message>
        <source>Realtime</source>
        <translation>في الوقت الفعلي</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>عادي</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>منخفض</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>إدخال</translation>
    </message>
</context>
<context>
    <name>WorkingDrive</name>
    <message>
        <source>There is no data folder for the drive folder.</source>
        <translation>لا يوجد مجلد بيانات لمجلد محرك الأقراص.</translation>
    </message>
    <message>
        <source>%1 must name a folder by its full path: %2</source>
        <translation>يجب أن يحدد %1 مجلدًا بمساره الكامل: %2</translation>
    </message>
    <message>
        <source>The drive folder %1 can&apos;t be made.</source>
        <translation>يتعذر إنشاء مجلد محرك الأقراص %1.</translation>
    </message>
    <message>
        <source>The drive folder can&apos;t be the root folder.</source>
        <translation>لا يمكن أن يكون مجلد محرك الأقراص هو المجلد الجذر.</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 can&apos;t be made: %2</source>
        <translation>يتعذر إنشاء ملف الرقم التسلسلي لمحرك الأقراص %1: %2</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 can&apos;t be written: %2</source>
        <translation>تتعذر كتابة ملف الرقم التسلسلي لمحرك الأقراص %1: %2</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 can&apos;t be read: %2</source>
        <translation>تتعذر قراءة ملف الرقم التسلسلي لمحرك الأقراص %1: %2</translation>
    </message>
    <message>
        <source>The drive&apos;s serial file %1 is damaged.</source>
        <translation>ملف الرقم التسلسلي لمحرك الأقراص %1 تالف.</translation>
    </message>
    <message>
        <source>The drive folder %1 named by %2 does not exist.</source>
        <translation>مجلد محرك الأقراص %1 المحدد بواسطة %2 غير موجود.</translation>
    </message>
</context>
<context>
    <name>velmora_howto</name>
    <message>
        <source>Data Protection</source>
        <translation>حماية البيانات</translation>
    </message>
    <message>
        <source>4 ways to protect your files</source>
        <translation>4 طرق لحماية ملفاتك</translation>
    </message>
    <message>
        <source>Drag and drop files onto main screen</source>
        <translation>اسحب الملفات وأفلتها على الشاشة الرئيسية</translation>
    </message>
    <message>
        <source>Copy and paste files onto main screen</source>
        <translation>انسخ الملفات والصقها على الشاشة الرئيسية</translation>
    </message>
    <message>
        <source>Click &apos;Add files&apos; button to browse and add file</source>
        <translation>انقر زر &quot;إضافة ملفات&quot; لاستعراض ملف وإضافته</translation>
    </message>
    <message>
        <source>Use Backup Data to safeguard your data against loss</source>
        <translation>استخدم &quot;نسخ البيانات احتياطيًا&quot; لحماية بياناتك من الفقدان</translation>
    </message>
    <message>
        <source>Ctrl-C / Ctrl-V</source>
        <translation>Ctrl-C / Ctrl-V</translation>
    </message>
    <message>
        <source>Do not show again</source>
        <translation>عدم الإظهار مرة أخرى</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>التالي</translation>
    </message>
</context>
</TS>
