<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>ArchiveDialog</name>
    <message>
        <source>Time</source>
        <extracomment>Column caption: when the image was archived.</extracomment>
        <translation>Zaman</translation>
    </message>
    <message>
        <source>Kind</source>
        <extracomment>Column caption: received, sent or kept before saving.</extracomment>
        <translation>Tür</translation>
    </message>
    <message>
        <source>File or port</source>
        <extracomment>Column caption: the file saved or the serial port used.</extracomment>
        <translation>Dosya veya port</translation>
    </message>
    <message>
        <source>Satellites</source>
        <extracomment>Column caption: the number of satellites in the image.</extracomment>
        <translation>Uydular</translation>
    </message>
    <message>
        <source>Transponders</source>
        <extracomment>Column caption: the number of transponders in the image.</extracomment>
        <translation>Transponderler</translation>
    </message>
    <message>
        <source>Channels</source>
        <extracomment>Column caption: the number of channels in the image.</extracomment>
        <translation>Kanallar</translation>
    </message>
    <message>
        <source>Received</source>
        <extracomment>An archived image&apos;s kind: received from the receiver.</extracomment>
        <translation>Alınan</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Gönderilen</translation>
    </message>
    <message>
        <source>Before saving</source>
        <translation>Kaydetmeden önce</translation>
    </message>
    <message>
        <source>%1 (damaged)</source>
        <extracomment>%1 is an archived image&apos;s kind (Received, Sent, Before saving) whose file is damaged.</extracomment>
        <translation>%1 (hasarlı)</translation>
    </message>
    <message>
        <source>Archive</source>
        <extracomment>The window of the images kept by the program (a noun).</extracomment>
        <translation>Arşiv</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>A button (a verb): open the archived image.</extracomment>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Compare with the open image</source>
        <translation>Açık imajla karşılaştır</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>A button (a verb): put the archived image into the open document.</extracomment>
        <translation>Geri yükle</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>A button (a verb): delete the archived image.</extracomment>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Klasörde göster</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Open the image as a new, unnamed document</source>
        <translation>İmajı yeni, adsız bir belge olarak aç</translation>
    </message>
    <message>
        <source>Put the image into the open document, as one step Undo takes back</source>
        <translation>İmajı açık belgeye koy; Geri al bunu tek adımda geri alır</translation>
    </message>
    <message>
        <source>Keep at most</source>
        <extracomment>Before a number box; &quot;images&quot; follows it: &quot;Keep at most [50] images&quot;.</extracomment>
        <translation>En fazla</translation>
    </message>
    <message>
        <source>images</source>
        <extracomment>After a number box: &quot;Keep at most [50] images&quot;.</extracomment>
        <translation>imaj sakla</translation>
    </message>
    <message>
        <source>Restore image of %1</source>
        <extracomment>The name of an edit step: %1 is when the image was archived.</extracomment>
        <translation>%1 tarihli imajı geri yükle</translation>
    </message>
    <message numerus="yes">
        <source>%n image in %1</source>
        <extracomment>%1 is the archive&apos;s folder.</extracomment>
        <translation>
            <numerusform>%1 içinde %n imaj</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n images in %1</source>
        <translation>
            <numerusform>%1 içinde %n imaj</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <extracomment>%1 names the archived image, %2 says why it cannot be read.</extracomment>
        <translation>%1 okunamıyor: %2.</translation>
    </message>
    <message>
        <source>the open image</source>
        <translation>açık imaj</translation>
    </message>
    <message>
        <source>The open image is already the same as %1.</source>
        <extracomment>%1 names the archived image.</extracomment>
        <translation>Açık imaj zaten %1 ile aynı.</translation>
    </message>
    <message>
        <source>Delete %1 from the archive?</source>
        <extracomment>%1 names the archived image.</extracomment>
        <translation>%1 arşivden silinsin mi?</translation>
    </message>
    <message>
        <source>%1 could not be deleted: %2.</source>
        <extracomment>%1 names the archived image, %2 says why it could not be deleted.</extracomment>
        <translation>%1 silinemedi: %2.</translation>
    </message>
    <message>
        <source>The archive holds %1 images. Keeping at most %2 removes %3 of them now: the oldest copies from before saving first, received images last. Go ahead?</source>
        <extracomment>%1 is the number of images held, %2 the new bound, %3 the number removed.</extracomment>
        <translation>Arşivde %1 imaj var. En fazla %2 imaj saklanırsa şimdi %3 tanesi silinir: önce kaydetmeden önceki en eski kopyalar, alınan imajlar en son. Devam edilsin mi?</translation>
    </message>
    <message>
        <source>The bound could not be changed: %1.</source>
        <extracomment>%1 says why the number of images kept could not be changed.</extracomment>
        <translation>Sınır değiştirilemedi: %1.</translation>
    </message>
</context>
<context>
    <name>ArchiveKeeper</name>
    <message>
        <source>the received image</source>
        <translation>alınan imaj</translation>
    </message>
    <message>
        <source>the sent image</source>
        <translation>gönderilen imaj</translation>
    </message>
    <message>
        <source>the file content before saving</source>
        <translation>kaydetmeden önceki dosya içeriği</translation>
    </message>
    <message>
        <source>The archive could not keep %1: %2. Transfers and saves go on without it.</source>
        <extracomment>%1 is what was to be kept, e.g. &quot;the received image&quot;; %2 the reason</extracomment>
        <translation>Arşiv hatası: %1 saklanamadı: %2. Aktarım ve kaydetme işlemleri arşiv olmadan sürer.</translation>
    </message>
    <message>
        <source>The archive kept %1, but %2.</source>
        <extracomment>%1 is what was kept, e.g. &quot;the received image&quot;; %2 what went wrong</extracomment>
        <translation>Arşiv: %1 saklandı, ancak %2.</translation>
    </message>
    <message>
        <source>the image received on %1</source>
        <extracomment>%1 is the date and time</extracomment>
        <translation>%1 tarihinde alınan imaj</translation>
    </message>
    <message>
        <source>the image received on %1 from %2</source>
        <extracomment>%1 is the date and time, %2 the serial port</extracomment>
        <translation>%1 tarihinde %2 portundan alınan imaj</translation>
    </message>
    <message>
        <source>the image sent on %1</source>
        <extracomment>%1 is the date and time</extracomment>
        <translation>%1 tarihinde gönderilen imaj</translation>
    </message>
    <message>
        <source>the image sent on %1 to %2</source>
        <extracomment>%1 is the date and time, %2 the file sent</extracomment>
        <translation>%1 tarihinde gönderilen imaj (%2)</translation>
    </message>
    <message>
        <source>the copy from before saving on %1</source>
        <extracomment>%1 is the date and time</extracomment>
        <translation>%1 tarihli, kaydetmeden önceki kopya</translation>
    </message>
    <message>
        <source>the copy from before saving on %1 (%2)</source>
        <extracomment>%1 is the date and time, %2 the file&apos;s name</extracomment>
        <translation>%1 tarihli, kaydetmeden önceki kopya (%2)</translation>
    </message>
    <message>
        <source>The archive keeps at most %1 images: %2 was removed.</source>
        <extracomment>%1 is the archive&apos;s bound, %2 the image removed, e.g. &quot;the image sent on ...&quot;</extracomment>
        <translation>Arşiv en fazla %1 imaj saklar: %2 silindi.</translation>
    </message>
    <message>
        <source>The archive keeps at most %1 images: %2 images were removed, the newest of them %3.</source>
        <extracomment>%1 is the archive&apos;s bound, %2 how many were removed, %3 the newest of them, e.g. &quot;the image sent on ...&quot;</extracomment>
        <translation>Arşiv en fazla %1 imaj saklar: %2 imaj silindi, en yenisi %3.</translation>
    </message>
</context>
<context>
    <name>BulkChannelCommands</name>
    <message numerus="yes">
        <source>%n channel</source>
        <extracomment>A number of channels in the name of an edit step, for example &quot;Move 3 channels to top&quot;.</extracomment>
        <translation>
            <numerusform>%n kanal</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n kanal</numerusform>
        </translation>
    </message>
    <message>
        <source>Del Channel</source>
        <extracomment>The title of the question before channels are deleted.</extracomment>
        <translation>Kanal Sil</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channels?</source>
        <translation>
            <numerusform>%n kanal silinsin mi?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channels</source>
        <translation>
            <numerusform>%n kanalı sil</numerusform>
        </translation>
    </message>
    <message>
        <source>The channels have changed; nothing was deleted.</source>
        <translation>Kanallar değişti; hiçbir şey silinmedi.</translation>
    </message>
    <message>
        <source>Move %1 to %2</source>
        <extracomment>The name of an edit step: %1 is a channel&apos;s name or a number of channels, %2 the new channel number.</extracomment>
        <translation>%2 numarasına taşı: %1</translation>
    </message>
    <message>
        <source>Move %1 to top</source>
        <extracomment>The name of an edit step: %1 is a channel&apos;s name or a number of channels.</extracomment>
        <translation>En üste taşı: %1</translation>
    </message>
    <message>
        <source>Move %1 to bottom</source>
        <extracomment>The name of an edit step: %1 is a channel&apos;s name or a number of channels.</extracomment>
        <translation>En alta taşı: %1</translation>
    </message>
    <message>
        <source>Move %1 to one place up</source>
        <extracomment>The name of an edit step: %1 is a channel&apos;s name or a number of channels.</extracomment>
        <translation>Bir yukarı taşı: %1</translation>
    </message>
    <message>
        <source>Move %1 to one place down</source>
        <translation>Bir aşağı taşı: %1</translation>
    </message>
    <message>
        <source>Move %1 to before %2</source>
        <extracomment>The name of an edit step: %1 is a channel&apos;s name or a number of channels, %2 the name of the channel they now stand before.</extracomment>
        <translation>%2 kanalının önüne taşı: %1</translation>
    </message>
    <message>
        <source>Lock</source>
        <extracomment>The channel flag that locks a channel behind the receiver&apos;s PIN.</extracomment>
        <translation>Kilit</translation>
    </message>
    <message>
        <source>Fav 1</source>
        <extracomment>Favourite list 1 (a channel flag).</extracomment>
        <translation>Fav 1</translation>
    </message>
    <message>
        <source>Fav 2</source>
        <extracomment>Favourite list 2 (a channel flag).</extracomment>
        <translation>Fav 2</translation>
    </message>
    <message>
        <source>Fav 3</source>
        <extracomment>Favourite list 3 (a channel flag).</extracomment>
        <translation>Fav 3</translation>
    </message>
    <message>
        <source>Fav 4</source>
        <extracomment>Favourite list 4 (a channel flag).</extracomment>
        <translation>Fav 4</translation>
    </message>
    <message>
        <source>Set %1 on %2</source>
        <extracomment>The name of an edit step: %1 is a flag (Lock, Fav 1...), %2 a channel&apos;s name or a number of channels.</extracomment>
        <translation>%1 ayarla: %2</translation>
    </message>
    <message>
        <source>Clear %1 on %2</source>
        <extracomment>The name of an edit step: %1 is a flag (Lock, Fav 1...), %2 a channel&apos;s name or a number of channels.</extracomment>
        <translation>%1 kaldır: %2</translation>
    </message>
    <message>
        <source>Flags</source>
        <extracomment>The submenu that sets and clears the lock and favourite flags.</extracomment>
        <translation>İşaretler</translation>
    </message>
    <message>
        <source>Set %1</source>
        <extracomment>A menu item: %1 is a flag (Lock, Fav 1...).</extracomment>
        <translation>%1 ayarla</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>%1 kaldır</translation>
    </message>
    <message>
        <source>Keep the shown order</source>
        <translation>Gösterilen sırayı koru</translation>
    </message>
    <message>
        <source>The channels have changed; the order was not kept.</source>
        <translation>Kanallar değişti; sıra korunmadı.</translation>
    </message>
    <message>
        <source>Keep this order</source>
        <translation>Bu sırayı koru</translation>
    </message>
</context>
<context>
    <name>ChannelCommands</name>
    <message>
        <source>Add Channel</source>
        <translation>Kanal Ekle</translation>
    </message>
    <message>
        <source>Add channel %1</source>
        <extracomment>The name of an edit step: %1 is the channel&apos;s name.</extracomment>
        <translation>%1 kanalını ekle</translation>
    </message>
    <message>
        <source>Prog is Full!</source>
        <translation>Kanal listesi dolu!</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Kanal Düzenle</translation>
    </message>
    <message>
        <source>Edit channel %1</source>
        <extracomment>The name of an edit step: %1 is the channel&apos;s name.</extracomment>
        <translation>%1 kanalını düzenle</translation>
    </message>
    <message>
        <source>The channels have changed; nothing was stored.</source>
        <translation>Kanallar değişti; hiçbir şey kaydedilmedi.</translation>
    </message>
    <message>
        <source>Del Channel</source>
        <extracomment>The title of the question before a channel is deleted.</extracomment>
        <translation>Kanal Sil</translation>
    </message>
    <message>
        <source>Delete channel %1</source>
        <extracomment>The name of an edit step: %1 is the channel&apos;s name.</extracomment>
        <translation>%1 kanalını sil</translation>
    </message>
</context>
<context>
    <name>ChannelDatabase</name>
    <message>
        <source>The file holds %1 bytes, but a receiver database image holds exactly %2 bytes. It is not an image and was not opened.</source>
        <extracomment>%1 is the file&apos;s size in bytes, %2 the size of every image</extracomment>
        <translation>Dosya %1 bayt içeriyor, ancak bir alıcı veritabanı imajı tam olarak %2 bayttır. Bu bir imaj değil ve açılmadı.</translation>
    </message>
</context>
<context>
    <name>ChannelDialog</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Channel Name:</source>
        <translation>Kanal Adı:</translation>
    </message>
    <message>
        <source>Video PID:</source>
        <extracomment>PID: the packet identifier of a stream in the transport stream.</extracomment>
        <translation>Video PID:</translation>
    </message>
    <message>
        <source>Audio PID:</source>
        <translation>Ses PID:</translation>
    </message>
    <message>
        <source>PCR PID:</source>
        <extracomment>PCR: the programme clock reference.</extracomment>
        <translation>PCR PID:</translation>
    </message>
    <message>
        <source>TTxt PID:</source>
        <extracomment>TTxt: teletext.</extracomment>
        <translation>TTxt PID:</translation>
    </message>
    <message>
        <source>Satellite:</source>
        <translation>Uydu:</translation>
    </message>
    <message>
        <source>TransponderID:</source>
        <translation>Transponder ID:</translation>
    </message>
    <message>
        <source>Lock:</source>
        <extracomment>The channel flag that locks a channel behind the receiver&apos;s PIN.</extracomment>
        <translation>Kilit:</translation>
    </message>
    <message>
        <source>Fav 1:</source>
        <extracomment>Favourite list 1 (a channel flag).</extracomment>
        <translation>Fav 1:</translation>
    </message>
    <message>
        <source>Fav 2:</source>
        <extracomment>Favourite list 2 (a channel flag).</extracomment>
        <translation>Fav 2:</translation>
    </message>
    <message>
        <source>Fav 3:</source>
        <extracomment>Favourite list 3 (a channel flag).</extracomment>
        <translation>Fav 3:</translation>
    </message>
    <message>
        <source>Fav 4:</source>
        <extracomment>Favourite list 4 (a channel flag).</extracomment>
        <translation>Fav 4:</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <extracomment>The channel flag of an encrypted channel.</extracomment>
        <translation>Şifreli</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Video PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Ses PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>TTxt PID</source>
        <extracomment>TTxt: teletext.</extracomment>
        <translation>TTxt PID</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Kanal Adı</translation>
    </message>
</context>
<context>
    <name>ChannelList</name>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line number of the list, %2 what is wrong there</extracomment>
        <translation>satır %1: %2</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>tırnak içindeki bir alan kapatılmamış</translation>
    </message>
    <message>
        <source>text follows the closing quote of field %1</source>
        <extracomment>%1 is the field&apos;s number in its row</extracomment>
        <translation>%1. alanın kapanış tırnağından sonra metin var</translation>
    </message>
    <message>
        <source>more than %1 fields hold text; a channel list has %2 columns</source>
        <translation>%1 alandan fazlası metin içeriyor; bir kanal listesinde %2 sütun vardır</translation>
    </message>
    <message>
        <source>%1 %2 is not a satellite position like 19.2E or 5.0W</source>
        <extracomment>%1 is a column header of the list (not translated), %2 the quoted field</extracomment>
        <translation>%1 %2: 19.2E veya 5.0W gibi bir uydu konumu değil</translation>
    </message>
    <message>
        <source>%1 %2 is not TV or Radio</source>
        <translation>%1 %2: TV veya Radio değil</translation>
    </message>
    <message>
        <source>%1 %2 is not a channel number</source>
        <translation>%1 %2: bir kanal numarası değil</translation>
    </message>
    <message>
        <source>%1 %2 is not a frequency in MHz</source>
        <translation>%1 %2: MHz cinsinden bir frekans değil</translation>
    </message>
    <message>
        <source>%1 %2 is not H or V</source>
        <translation>%1 %2: H veya V değil</translation>
    </message>
    <message>
        <source>%1 %2 is not a symbol rate in kS/s</source>
        <translation>%1 %2: kS/s cinsinden bir sembol oranı değil</translation>
    </message>
    <message>
        <source>%1 %2 is not a PID from 0 to 16383</source>
        <translation>%1 %2: 0 ile 16383 arasında bir PID değil</translation>
    </message>
    <message>
        <source>%1 %2 is not 1 or 0</source>
        <translation>%1 %2: 1 veya 0 değil</translation>
    </message>
    <message>
        <source>the list is larger than %1 MB</source>
        <translation>liste %1 MB sınırını aşıyor</translation>
    </message>
    <message>
        <source>not a channel list: the header row has no comma, semicolon or tab</source>
        <translation>kanal listesi değil: başlık satırında virgül, noktalı virgül veya sekme yok</translation>
    </message>
    <message>
        <source>not a channel list: the header row has no &quot;%1&quot; column</source>
        <extracomment>%1 is a column header of the list (not translated)</extracomment>
        <translation>kanal listesi değil: başlık satırında &quot;%1&quot; sütunu yok</translation>
    </message>
    <message>
        <source>the list has more than %1 rows; an image holds at most %2 channels</source>
        <translation>listede %1 satırdan fazla var; bir imaj en fazla %2 kanal tutar</translation>
    </message>
    <message>
        <source>%1 fields where the header has %2</source>
        <extracomment>%1 is the row&apos;s number of fields, %2 the header&apos;s</extracomment>
        <translation>%1 alan var, başlıkta ise %2</translation>
    </message>
</context>
<context>
    <name>ChannelListPage</name>
    <message>
        <source>a..Z</source>
        <extracomment>Sort by name, A to Z.</extracomment>
        <translation>a..Z</translation>
    </message>
    <message>
        <source>Z..a</source>
        <extracomment>Sort by name, Z to A.</extracomment>
        <translation>Z..a</translation>
    </message>
    <message>
        <source>Scr up</source>
        <extracomment>Sort the scrambled (encrypted) channels first.</extracomment>
        <translation>Şifreli üstte</translation>
    </message>
    <message>
        <source>Scr down</source>
        <extracomment>Sort the scrambled (encrypted) channels last.</extracomment>
        <translation>Şifreli altta</translation>
    </message>
    <message>
        <source>Freq up</source>
        <extracomment>Sort by frequency, lowest first.</extracomment>
        <translation>Frek artan</translation>
    </message>
    <message>
        <source>Freq down</source>
        <extracomment>Sort by frequency, highest first.</extracomment>
        <translation>Frek azalan</translation>
    </message>
    <message>
        <source>	 Do you want to del channel [%1]?		</source>
        <extracomment>%1 is the channel&apos;s name; keep the tabs.</extracomment>
        <translation>	 [%1] kanalı silinsin mi?		</translation>
    </message>
    <message>
        <source>Select Satellite:</source>
        <translation>Uydu Seçin:</translation>
    </message>
    <message>
        <source>TV</source>
        <extracomment>Show the TV channels (a choice beside Radio).</extracomment>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <extracomment>Show the radio channels (a choice beside TV).</extracomment>
        <translation>Radyo</translation>
    </message>
    <message>
        <source>TV No:</source>
        <extracomment>The number of TV channels follows.</extracomment>
        <translation>TV Sayısı:</translation>
    </message>
    <message>
        <source>Radio No:</source>
        <extracomment>The number of radio channels follows.</extracomment>
        <translation>Radyo Sayısı:</translation>
    </message>
    <message>
        <source>Total No:</source>
        <extracomment>The number of all channels follows.</extracomment>
        <translation>Toplam:</translation>
    </message>
    <message>
        <source>Add Channel...</source>
        <translation>Kanal Ekle...</translation>
    </message>
    <message>
        <source>Edit Channel...</source>
        <translation>Kanal Düzenle...</translation>
    </message>
    <message>
        <source>Del Channel</source>
        <extracomment>Delete the channel (a menu item).</extracomment>
        <translation>Kanal Sil</translation>
    </message>
    <message>
        <source>Sort</source>
        <extracomment>A submenu: the ways to sort the channels.</extracomment>
        <translation>Sırala</translation>
    </message>
    <message>
        <source>Move</source>
        <extracomment>A menu item (a verb): move the channel to a number typed in.</extracomment>
        <translation>Taşı</translation>
    </message>
    <message>
        <source>Move to top</source>
        <translation>En üste taşı</translation>
    </message>
    <message>
        <source>Move to bottom</source>
        <translation>En alta taşı</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Yukarı taşı</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Aşağı taşı</translation>
    </message>
    <message>
        <source>Sort %1 on %2</source>
        <extracomment>The name of an edit step: %1 is the sort (a..Z, Freq up...), %2 the satellite.</extracomment>
        <translation>%2 uydusunu sırala (%1)</translation>
    </message>
    <message>
        <source>Error Input!</source>
        <translation>Hatalı giriş!</translation>
    </message>
    <message>
        <source>Move %1 to %2</source>
        <extracomment>The name of an edit step: %1 is the channel&apos;s name, %2 its new number.</extracomment>
        <translation>%2 numarasına taşı: %1</translation>
    </message>
</context>
<context>
    <name>ChannelOrderPlan</name>
    <message>
        <source>channel slot %1 lies on the chains of satellite slots %2 and %3</source>
        <translation>kanal yuvası %1, %2 ve %3 uydu yuvalarının zincirlerinde bulunuyor</translation>
    </message>
</context>
<context>
    <name>ChannelRowTexts</name>
    <message>
        <source>No</source>
        <extracomment>Column caption: the channel&apos;s place in the list.</extracomment>
        <translation>No</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Kanal Adı</translation>
    </message>
    <message>
        <source>v pid</source>
        <extracomment>Column caption: video PID.</extracomment>
        <translation>v pid</translation>
    </message>
    <message>
        <source>a pid</source>
        <extracomment>Column caption: audio PID.</extracomment>
        <translation>ses pid</translation>
    </message>
    <message>
        <source>pcr pid</source>
        <extracomment>Column caption: PCR (programme clock reference) PID.</extracomment>
        <translation>pcr pid</translation>
    </message>
    <message>
        <source>txt pid</source>
        <extracomment>Column caption: teletext PID.</extracomment>
        <translation>txt pid</translation>
    </message>
    <message>
        <source>lock</source>
        <extracomment>Column caption: the lock flag.</extracomment>
        <translation>kilit</translation>
    </message>
    <message>
        <source>scr</source>
        <extracomment>Column caption: the scrambled (encrypted) flag.</extracomment>
        <translation>şfr</translation>
    </message>
    <message>
        <source>fav 1</source>
        <extracomment>Column caption: favourite list 1.</extracomment>
        <translation>fav 1</translation>
    </message>
    <message>
        <source>fav 2</source>
        <extracomment>Column caption: favourite list 2.</extracomment>
        <translation>fav 2</translation>
    </message>
    <message>
        <source>fav 3</source>
        <extracomment>Column caption: favourite list 3.</extracomment>
        <translation>fav 3</translation>
    </message>
    <message>
        <source>fav 4</source>
        <extracomment>Column caption: favourite list 4.</extracomment>
        <translation>fav 4</translation>
    </message>
    <message>
        <source>CH No</source>
        <extracomment>Column caption: the channel number the receiver stores.</extracomment>
        <translation>Kanal No</translation>
    </message>
    <message>
        <source>Sat</source>
        <extracomment>Column caption: the satellite.</extracomment>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>TP</source>
        <extracomment>Column caption: the transponder (frequency, symbol rate, polarization).</extracomment>
        <translation>TP</translation>
    </message>
</context>
<context>
    <name>CommandGuard</name>
    <message>
        <source>unknown error</source>
        <extracomment>Stands in the error message when the cause is not known.</extracomment>
        <translation>bilinmeyen hata</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>Title of the message box.</extracomment>
        <translation>Hata</translation>
    </message>
    <message>
        <source>The command could not be completed (%1). The image was left as it was before the command.</source>
        <extracomment>%1: why the command failed.</extracomment>
        <translation>Komut tamamlanamadı (%1). İmaj, komuttan önceki haliyle bırakıldı.</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Compare with %1</source>
        <extracomment>%1 names the other image (a file name or an archived copy).</extracomment>
        <translation>%1 ile karşılaştır</translation>
    </message>
    <message>
        <source>The images do not differ.</source>
        <translation>İmajlar arasında fark yok.</translation>
    </message>
    <message>
        <source>No compared field differs, but bytes do: %1.</source>
        <translation>Karşılaştırılan hiçbir alan farklı değil, ancak baytlar farklı: %1.</translation>
    </message>
    <message>
        <source>From %1 to %2; &quot;added&quot; is only in %2, &quot;removed&quot; only in %1.</source>
        <translation>%1 → %2; &quot;eklendi&quot; yalnızca %2 içinde, &quot;kaldırıldı&quot; yalnızca %1 içinde var.</translation>
    </message>
    <message>
        <source>Satellite %1 (%2): %3</source>
        <extracomment>%1 is the satellite&apos;s name, %2 its position, %3 what happened to it (added, removed, changed).</extracomment>
        <translation>Uydu %1 (%2): %3</translation>
    </message>
    <message>
        <source>Transponder %1: %2</source>
        <extracomment>%1 is the transponder, %2 what happened to it (added, removed, changed).</extracomment>
        <translation>Transponder %1: %2</translation>
    </message>
    <message>
        <source>Settings: changed</source>
        <translation>Ayarlar: değişti</translation>
    </message>
    <message>
        <source>Bytes that differ</source>
        <translation>Farklı baytlar</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n byte</source>
        <extracomment>%1 is a table of the image (satellites, channels...).</extracomment>
        <translation>
            <numerusform>%1: %n bayt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n bytes</source>
        <translation>
            <numerusform>%1: %n bayt</numerusform>
        </translation>
    </message>
    <message>
        <source>Save report...</source>
        <translation>Raporu kaydet...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Save the comparison</source>
        <translation>Karşılaştırmayı kaydet</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Metin dosyaları (*.txt);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>The report could not be saved: %1</source>
        <translation>Rapor kaydedilemedi: %1</translation>
    </message>
</context>
<context>
    <name>ConsistencyCheck</name>
    <message>
        <source>Satellite slot %1: the transponder chain starts at slot %2, outside the table.</source>
        <translation>Uydu yuvası %1: transponder zinciri tablonun dışındaki %2 yuvasında başlıyor.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain links slot %2 to slot %3, outside the table.</source>
        <translation>Uydu yuvası %1: transponder zinciri %2 yuvasını tablonun dışındaki %3 yuvasına bağlıyor.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain comes back to slot %2 after slot %3.</source>
        <translation>Uydu yuvası %1: transponder zinciri %3 yuvasından sonra %2 yuvasına geri dönüyor.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain reaches slot %2, which is on the chain of satellite slot %3 as well.</source>
        <translation>Uydu yuvası %1: transponder zinciri %2 yuvasına ulaşıyor; bu yuva %3 uydu yuvasının zincirinde de var.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain starts at slot %2, whose previous link is %3 instead of none.</source>
        <translation>Uydu yuvası %1: transponder zinciri %2 yuvasında başlıyor, ancak bu yuvanın önceki bağlantısı boş olmalıyken %3.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain goes from slot %2 to slot %3, whose previous link is %4.</source>
        <translation>Uydu yuvası %1: transponder zinciri %2 yuvasından %3 yuvasına gidiyor, ancak bu yuvanın önceki bağlantısı %4.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain&apos;s tail is %2, but the chain is empty.</source>
        <translation>Uydu yuvası %1: transponder zincirinin sonu %2, ancak zincir boş.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain&apos;s tail is %2, but the chain ends at slot %3.</source>
        <translation>Uydu yuvası %1: transponder zincirinin sonu %2, ancak zincir %3 yuvasında bitiyor.</translation>
    </message>
    <message>
        <source>Satellite slot %1 counts %2 transponders, but its chain holds %3.</source>
        <translation>Uydu yuvası %1 için transponder sayısı %2, ancak zincirinde %3 transponder var.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain starts at slot %2, outside the table.</source>
        <translation>Uydu yuvası %1: kanal zinciri tablonun dışındaki %2 yuvasında başlıyor.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain links slot %2 to slot %3, outside the table.</source>
        <translation>Uydu yuvası %1: kanal zinciri %2 yuvasını tablonun dışındaki %3 yuvasına bağlıyor.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain comes back to slot %2 after slot %3.</source>
        <translation>Uydu yuvası %1: kanal zinciri %3 yuvasından sonra %2 yuvasına geri dönüyor.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain reaches slot %2, which is on the chain of satellite slot %3 as well.</source>
        <translation>Uydu yuvası %1: kanal zinciri %2 yuvasına ulaşıyor; bu yuva %3 uydu yuvasının zincirinde de var.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain starts at slot %2, whose previous link is %3 instead of none.</source>
        <translation>Uydu yuvası %1: kanal zinciri %2 yuvasında başlıyor, ancak bu yuvanın önceki bağlantısı boş olmalıyken %3.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain goes from slot %2 to slot %3, whose previous link is %4.</source>
        <translation>Uydu yuvası %1: kanal zinciri %2 yuvasından %3 yuvasına gidiyor, ancak bu yuvanın önceki bağlantısı %4.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain&apos;s tail is %2, but the chain is empty.</source>
        <translation>Uydu yuvası %1: kanal zincirinin sonu %2, ancak zincir boş.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain&apos;s tail is %2, but the chain ends at slot %3.</source>
        <translation>Uydu yuvası %1: kanal zincirinin sonu %2, ancak zincir %3 yuvasında bitiyor.</translation>
    </message>
    <message>
        <source>Satellite slot %1 counts %2 channels, but its chain holds %3.</source>
        <translation>Uydu yuvası %1 için kanal sayısı %2, ancak zincirinde %3 kanal var.</translation>
    </message>
    <message>
        <source>The satellite count is %1, but %2 satellite slots are in use.</source>
        <translation>Uydu sayısı %1, ancak %2 uydu yuvası kullanımda.</translation>
    </message>
    <message>
        <source>Satellite slot %1: transponder slot %2 is on the chain but free.</source>
        <translation>Uydu yuvası %1: transponder yuvası %2 zincirde, ancak boş.</translation>
    </message>
    <message>
        <source>Satellite slot %1: transponder slot %2 is on the chain but names satellite slot %3.</source>
        <translation>Uydu yuvası %1: transponder yuvası %2 zincirde, ancak %3 uydu yuvasını gösteriyor.</translation>
    </message>
    <message>
        <source>Satellite slot %1 holds channels, but its state is %2 instead of 1, so they are never renumbered.</source>
        <translation>Uydu yuvası %1 kanal içeriyor, ancak durumu 1 yerine %2; bu yüzden kanalları hiç yeniden numaralanmaz.</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 has service type %3, but its video PID makes it radio (2).</source>
        <extracomment>%1 satellite slot, %2 channel slot, %3 the stored service type</extracomment>
        <translation>Uydu yuvası %1: kanal yuvası %2 servis türü %3, ancak video PID&apos;ine göre radyo (2) olmalı.</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 has service type %3, but its video PID makes it TV (1).</source>
        <translation>Uydu yuvası %1: kanal yuvası %2 servis türü %3, ancak video PID&apos;ine göre TV (1) olmalı.</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 has number %3, but its place among the radio channels makes it %4.</source>
        <extracomment>%1 satellite slot, %2 channel slot, %3 the stored number, %4 the number it should have</extracomment>
        <translation>Uydu yuvası %1: kanal yuvası %2 numarası %3, ancak radyo kanalları arasındaki yerine göre %4 olmalı.</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 has number %3, but its place among the TV channels makes it %4.</source>
        <translation>Uydu yuvası %1: kanal yuvası %2 numarası %3, ancak TV kanalları arasındaki yerine göre %4 olmalı.</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 is on the chain but free.</source>
        <translation>Uydu yuvası %1: kanal yuvası %2 zincirde, ancak boş.</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 names transponder %3, which is no transponder slot.</source>
        <extracomment>%3 is the stored transponder number, which names no slot</extracomment>
        <translation>Uydu yuvası %1: kanal yuvası %2 transponder olarak %3 gösteriyor, ancak bu bir transponder yuvası değil.</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 names transponder slot %3, which is free.</source>
        <translation>Uydu yuvası %1: kanal yuvası %2 transponder yuvası olarak %3 gösteriyor, ancak o yuva boş.</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 names transponder slot %3 of satellite slot %4.</source>
        <translation>Uydu yuvası %1: kanal yuvası %2, %4 uydu yuvasına ait %3 transponder yuvasını gösteriyor.</translation>
    </message>
    <message>
        <source>Transponder slot %1 is in use, but no satellite&apos;s chain reaches it.</source>
        <translation>Transponder yuvası %1 kullanımda, ancak hiçbir uydunun zinciri ona ulaşmıyor.</translation>
    </message>
    <message>
        <source>Channel slot %1 is in use, but no satellite&apos;s chain reaches it.</source>
        <translation>Kanal yuvası %1 kullanımda, ancak hiçbir uydunun zinciri ona ulaşmıyor.</translation>
    </message>
</context>
<context>
    <name>DialogLayout</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>DuplicatesDialog</name>
    <message>
        <source>%1 MHz</source>
        <extracomment>%1 is the transponder&apos;s frequency.</extracomment>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>no transponder</source>
        <extracomment>Said of a channel whose transponder is missing.</extracomment>
        <translation>transponder yok</translation>
    </message>
    <message>
        <source>Radio</source>
        <extracomment>A channel&apos;s kind, before its number: &quot;Radio 3 Bayern 1&quot;.</extracomment>
        <translation>Radyo</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Find duplicates</source>
        <translation>Yinelenenleri bul</translation>
    </message>
    <message>
        <source>Delete selected</source>
        <translation>Seçilenleri sil</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>No channel is stored twice.</source>
        <translation>Hiçbir kanal iki kez kayıtlı değil.</translation>
    </message>
    <message>
        <source>Stored more than once: %1. Selected for deletion: %2.</source>
        <extracomment>%1 is a number of services (&quot;3 services&quot;), %2 a number of channels.</extracomment>
        <translation>Birden çok kez kayıtlı: %1. Silinmek üzere seçilen: %2.</translation>
    </message>
    <message>
        <source>The image is damaged: %1, so nothing can be deleted; the consistency check lists its problems.</source>
        <translation>İmaj hasarlı: %1, bu yüzden hiçbir şey silinemez; tutarlılık denetimi sorunlarını listeler.</translation>
    </message>
</context>
<context>
    <name>FindChannelDialog</name>
    <message>
        <source>Find Channel</source>
        <translation>Kanal Bul</translation>
    </message>
    <message>
        <source>Name, channel number or PID</source>
        <translation>Ad, kanal numarası veya PID</translation>
    </message>
    <message>
        <source>TV</source>
        <extracomment>A channel&apos;s kind (beside Radio).</extracomment>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <extracomment>A channel&apos;s kind (beside TV).</extracomment>
        <translation>Radyo</translation>
    </message>
    <message>
        <source>Type a name, a channel number or a PID.</source>
        <translation>Bir ad, kanal numarası veya PID yazın.</translation>
    </message>
    <message>
        <source>No channel found.</source>
        <translation>Kanal bulunamadı.</translation>
    </message>
    <message>
        <source>1 channel found.</source>
        <translation>1 kanal bulundu.</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>TV/Radio</source>
        <extracomment>Column caption: whether the channel is a TV or a radio channel.</extracomment>
        <translation>TV/Radyo</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>Column caption: the channel&apos;s number in its list.</extracomment>
        <translation>No</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Kanal Adı</translation>
    </message>
    <message>
        <source>V</source>
        <extracomment>Polarization: V(ertical).</extracomment>
        <translation>V</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message numerus="yes">
        <source>%n channels found.</source>
        <translation>
            <numerusform>%n kanal bulundu.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImageArchive</name>
    <message>
        <source>The archive&apos;s index could not be repaired: %1</source>
        <extracomment>%1 is the reason</extracomment>
        <translation>Arşivin dizini onarılamadı: %1</translation>
    </message>
    <message>
        <source>it is not a whole image (%1 bytes)</source>
        <extracomment>%1 is the file&apos;s size</extracomment>
        <translation>tam bir imaj değil (%1 bayt)</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <extracomment>%1 is the folder</extracomment>
        <translation>%1 klasörü oluşturulamıyor</translation>
    </message>
    <message>
        <source>the archive is busy; its index lists the image later</source>
        <translation>arşiv meşgul; dizini imajı daha sonra listeler</translation>
    </message>
    <message>
        <source>the archive&apos;s index could not be written: %1</source>
        <extracomment>%1 is the reason</extracomment>
        <translation>arşivin dizini yazılamadı: %1</translation>
    </message>
    <message>
        <source>the archive holds no image %1</source>
        <extracomment>%1 is the image&apos;s name in the archive</extracomment>
        <translation>arşivde %1 imajı yok</translation>
    </message>
    <message>
        <source>the archived image %1 is damaged: its file %2 is not a whole image of %3 bytes</source>
        <extracomment>%1 is the image&apos;s name in the archive, %2 its file, %3 an image&apos;s size</extracomment>
        <translation>arşivlenen %1 imajı hasarlı: %2 dosyası %3 baytlık tam bir imaj değil</translation>
    </message>
    <message>
        <source>the archive is busy; try again</source>
        <translation>arşiv meşgul; yeniden deneyin</translation>
    </message>
</context>
<context>
    <name>ImageDiff</name>
    <message>
        <source>sector headers</source>
        <translation>sektör başlıkları</translation>
    </message>
    <message>
        <source>%1 in the sector headers</source>
        <translation>sektör başlıklarında %1</translation>
    </message>
    <message>
        <source>satellite table</source>
        <translation>uydu tablosu</translation>
    </message>
    <message>
        <source>%1 in the satellite table</source>
        <translation>uydu tablosunda %1</translation>
    </message>
    <message>
        <source>transponder marks</source>
        <translation>transponder işaretleri</translation>
    </message>
    <message>
        <source>%1 in the transponder marks</source>
        <translation>transponder işaretlerinde %1</translation>
    </message>
    <message>
        <source>settings</source>
        <translation>ayarlar</translation>
    </message>
    <message>
        <source>%1 in the settings</source>
        <translation>ayarlarda %1</translation>
    </message>
    <message>
        <source>transponder table</source>
        <translation>transponder tablosu</translation>
    </message>
    <message>
        <source>%1 in the transponder table</source>
        <translation>transponder tablosunda %1</translation>
    </message>
    <message>
        <source>channel table</source>
        <translation>kanal tablosu</translation>
    </message>
    <message>
        <source>%1 in the channel table</source>
        <translation>kanal tablosunda %1</translation>
    </message>
    <message>
        <source>unused bytes</source>
        <translation>kullanılmayan baytlar</translation>
    </message>
    <message>
        <source>%1 of the unused bytes</source>
        <translation>kullanılmayan baytlardan %1</translation>
    </message>
    <message>
        <source>%1 MHz %2 %3 kS/s</source>
        <extracomment>A transponder: %1 frequency, %2 polarization V or H, %3 symbol rate</extracomment>
        <translation>%1 MHz %2 %3 kS/s</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>frekans</translation>
    </message>
    <message>
        <source>symbol rate</source>
        <translation>sembol oranı</translation>
    </message>
    <message>
        <source>TV %1 %2</source>
        <extracomment>A channel: %1 its number, %2 its name</extracomment>
        <translation>TV %1 %2</translation>
    </message>
    <message>
        <source>Radio %1 %2</source>
        <translation>Radyo %1 %2</translation>
    </message>
    <message>
        <source>lock</source>
        <extracomment>A channel&apos;s flags in the list of differences</extracomment>
        <translation>kilit</translation>
    </message>
    <message>
        <source>scrambled</source>
        <translation>şifreli</translation>
    </message>
    <message>
        <source>fav 1</source>
        <translation>fav 1</translation>
    </message>
    <message>
        <source>fav 2</source>
        <translation>fav 2</translation>
    </message>
    <message>
        <source>fav 3</source>
        <translation>fav 3</translation>
    </message>
    <message>
        <source>fav 4</source>
        <translation>fav 4</translation>
    </message>
    <message>
        <source>name</source>
        <translation>ad</translation>
    </message>
    <message>
        <source>number</source>
        <translation>numara</translation>
    </message>
    <message>
        <source>polarization</source>
        <translation>polarizasyon</translation>
    </message>
    <message>
        <source>video PID</source>
        <translation>video PID</translation>
    </message>
    <message>
        <source>audio PID</source>
        <translation>ses PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>teletext PID</source>
        <translation>teletekst PID</translation>
    </message>
    <message>
        <source>standby</source>
        <extracomment>A receiver setting&apos;s name in the list of differences</extracomment>
        <translation>bekleme</translation>
    </message>
    <message>
        <source>aspect ratio</source>
        <translation>en-boy oranı</translation>
    </message>
    <message>
        <source>menu language</source>
        <translation>menü dili</translation>
    </message>
    <message>
        <source>RF channel</source>
        <translation>RF kanalı</translation>
    </message>
    <message>
        <source>sound system</source>
        <translation>ses sistemi</translation>
    </message>
    <message>
        <source>colour system</source>
        <translation>renk sistemi</translation>
    </message>
    <message>
        <source>receiver lock</source>
        <translation>alıcı kilidi</translation>
    </message>
    <message>
        <source>menu lock</source>
        <translation>menü kilidi</translation>
    </message>
    <message>
        <source>delay time</source>
        <translation>gecikme süresi</translation>
    </message>
    <message>
        <source>time zone</source>
        <translation>saat dilimi</translation>
    </message>
    <message>
        <source>GMT usage</source>
        <translation>GMT kullanımı</translation>
    </message>
    <message>
        <source>summer time</source>
        <translation>yaz saati</translation>
    </message>
    <message>
        <source>time offset</source>
        <translation>saat farkı</translation>
    </message>
    <message>
        <source>current satellite</source>
        <translation>geçerli uydu</translation>
    </message>
    <message>
        <source>transparency</source>
        <translation>saydamlık</translation>
    </message>
    <message>
        <source>volume left</source>
        <translation>sol ses düzeyi</translation>
    </message>
    <message>
        <source>volume right</source>
        <translation>sağ ses düzeyi</translation>
    </message>
    <message>
        <source>PIN code</source>
        <translation>PIN kodu</translation>
    </message>
    <message>
        <source>LNB Type%1 low frequency</source>
        <extracomment>An LNB type&apos;s setting; %1 is the type&apos;s number (the receiver calls its types Type1..Type8)</extracomment>
        <translation>LNB Type%1 düşük frekans</translation>
    </message>
    <message>
        <source>LNB Type%1 high frequency</source>
        <translation>LNB Type%1 yüksek frekans</translation>
    </message>
    <message>
        <source>LNB Type%1 low band</source>
        <translation>LNB Type%1 alçak bant</translation>
    </message>
    <message>
        <source>LNB Type%1 high band</source>
        <translation>LNB Type%1 yüksek bant</translation>
    </message>
    <message>
        <source>LNB Type%1 DiSEqC</source>
        <translation>LNB Type%1 DiSEqC</translation>
    </message>
    <message>
        <source>LNB Type%1 polarity control</source>
        <translation>LNB Type%1 polarite kontrolü</translation>
    </message>
    <message>
        <source>LNB Type%1 band control</source>
        <translation>LNB Type%1 bant kontrolü</translation>
    </message>
    <message>
        <source>LNB Type%1 22 kHz tone</source>
        <translation>LNB Type%1 22 kHz tonu</translation>
    </message>
    <message>
        <source>LNB Type%1 12 V switch</source>
        <translation>LNB Type%1 12 V anahtarı</translation>
    </message>
    <message>
        <source>LNB Type%1 LNB power</source>
        <translation>LNB Type%1 LNB gücü</translation>
    </message>
    <message>
        <source>added</source>
        <extracomment>What happened to a satellite, transponder or channel from the first image to the second</extracomment>
        <translation>eklendi</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>kaldırıldı</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>değişti</translation>
    </message>
    <message>
        <source>LNB type</source>
        <translation>LNB tipi</translation>
    </message>
    <message>
        <source>Differences from %1 to %2</source>
        <extracomment>%1 and %2 are the names of the compared images</extracomment>
        <translation>Farklar: %1 → %2</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Fark yok.</translation>
    </message>
    <message>
        <source>No compared field differs, but bytes do.</source>
        <translation>Karşılaştırılan hiçbir alan farklı değil, ancak baytlar farklı.</translation>
    </message>
    <message>
        <source>Satellite %1 (%2): %3</source>
        <extracomment>%1 satellite name, %2 its position, %3 added, removed or changed</extracomment>
        <translation>Uydu %1 (%2): %3</translation>
    </message>
    <message>
        <source>Transponder %1: %2</source>
        <extracomment>%1 a transponder (frequency, polarization, symbol rate), %2 added, removed or changed</extracomment>
        <translation>Transponder %1: %2</translation>
    </message>
    <message>
        <source>Settings: changed</source>
        <translation>Ayarlar: değişti</translation>
    </message>
    <message>
        <source>Bytes that differ: %1.</source>
        <extracomment>%1 lists the differing bytes per part, e.g. &quot;3 in the channel table, 2 of the unused bytes&quot;</extracomment>
        <translation>Farklı baytlar: %1.</translation>
    </message>
</context>
<context>
    <name>ImageFile</name>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Why a file is refused; follows &quot;Cannot read/write FILE: &quot;</extracomment>
        <translation>normal bir dosya değil</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <extracomment>%1 is the quoted file name, %2 the reason</extracomment>
        <translation>%1 okunamıyor: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <extracomment>%1 is the quoted file name, %2 the reason</extracomment>
        <translation>%1 yazılamıyor: %2</translation>
    </message>
    <message>
        <source> (the file was being overwritten in place and may be incomplete)</source>
        <extracomment>Follows the system&apos;s reason why writing failed</extracomment>
        <translation> (dosyanın üzerine yerinde yazılıyordu; dosya eksik olabilir)</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <extracomment>%1 is the quoted file name, %2 the system&apos;s reason</extracomment>
        <translation>%1 açılamıyor: %2</translation>
    </message>
    <message>
        <source>it is too large to be kept in a backup</source>
        <translation>yedekte tutulamayacak kadar büyük</translation>
    </message>
    <message>
        <source>Cannot back up %1 to %2: %3</source>
        <extracomment>%1 is the quoted file, %2 the quoted backup file, %3 the reason</extracomment>
        <translation>%1 dosyası %2 dosyasına yedeklenemiyor: %3</translation>
    </message>
    <message>
        <source>Cannot back up %1: %2</source>
        <extracomment>%1 is the quoted file, %2 the message of the failed backup write</extracomment>
        <translation>%1 yedeklenemiyor: %2</translation>
    </message>
</context>
<context>
    <name>ImageProblems</name>
    <message>
        <source>%1 has 1 problem: its chains, counts or channel numbers do not fit together.</source>
        <extracomment>%1 is the file name</extracomment>
        <translation>%1 dosyasında 1 sorun var: zincirleri, sayıları veya kanal numaraları birbirini tutmuyor.</translation>
    </message>
    <message>
        <source>%1 has %2 problems: its chains, counts or channel numbers do not fit together.</source>
        <extracomment>%1 is the file name, %2 the number of problems (more than one)</extracomment>
        <translation>%1 dosyasında %2 sorun var: zincirleri, sayıları veya kanal numaraları birbirini tutmuyor.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Uyarı</translation>
    </message>
    <message>
        <source>The image is open as it is. Editing it may not work as expected; &quot;Show Details...&quot; lists each problem.</source>
        <translation>İmaj olduğu gibi açıldı. Düzenleme beklendiği gibi çalışmayabilir; &quot;Ayrıntıları Göster...&quot; her sorunu listeler.</translation>
    </message>
</context>
<context>
    <name>ListFilterBar</name>
    <message>
        <source>%1 of %2</source>
        <extracomment>Rows shown by the filter: %1 shown of %2 in the list.</extracomment>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Filter</source>
        <extracomment>Placeholder of the box that filters the channel list (a noun).</extracomment>
        <translation>Filtre</translation>
    </message>
</context>
<context>
    <name>ListImportDialog</name>
    <message>
        <source>Import txt file</source>
        <translation>İçe aktar (txt dosyası)</translation>
    </message>
    <message>
        <source>Not in the list</source>
        <translation>Listede yok</translation>
    </message>
    <message>
        <source>Line %1: %2 (%3)</source>
        <extracomment>%1 is a line number of the file, %2 the name there, %3 the satellite&apos;s position.</extracomment>
        <translation>Satır %1: %2 (%3)</translation>
    </message>
    <message>
        <source>Line %1: %2 (keeps the name %3)</source>
        <extracomment>%1 is a line number of the file, %2 the name there, %3 the channel&apos;s stored name.</extracomment>
        <translation>Satır %1: %2 (%3 adını korur)</translation>
    </message>
    <message>
        <source>Rows that match no channel</source>
        <translation>Hiçbir kanalla eşleşmeyen satırlar</translation>
    </message>
    <message>
        <source>Names that do not fit 11 Latin-1 characters</source>
        <translation>11 Latin-1 karakterine sığmayan adlar</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>%1 is a line number of the file, %2 the name there.</extracomment>
        <translation>Satır %1: %2</translation>
    </message>
    <message>
        <source>Rows paired by name: their PIDs or transponder differ, the channels keep theirs</source>
        <translation>Adla eşleşen satırlar: PID&apos;leri veya transponderleri farklı, kanallar kendilerininkini korur</translation>
    </message>
    <message>
        <source>Delete channels missing from the list</source>
        <translation>Listede olmayan kanalları sil</translation>
    </message>
    <message>
        <source>The image is damaged: %1. Nothing can be imported; the consistency check lists its problems.</source>
        <extracomment>%1 says what is wrong with the image.</extracomment>
        <translation>İmaj hasarlı: %1. Hiçbir şey içe aktarılamaz; tutarlılık denetimi sorunlarını listeler.</translation>
    </message>
    <message>
        <source>Read as %1 text (the file is not UTF-8).</source>
        <extracomment>%1 is the name of a character encoding, such as Latin-1.</extracomment>
        <translation>%1 metni olarak okundu (dosya UTF-8 değil).</translation>
    </message>
    <message>
        <source>The list changes nothing.</source>
        <translation>Liste hiçbir şeyi değiştirmiyor.</translation>
    </message>
    <message>
        <source>Moved: %1. Renamed: %2. Flags changed: %3.</source>
        <extracomment>Each of %1, %2 and %3 is a number of channels (&quot;3 channels&quot;).</extracomment>
        <translation>Taşınan: %1. Yeniden adlandırılan: %2. İşaretleri değişen: %3.</translation>
    </message>
    <message>
        <source>Not in the list: %1, to be deleted.</source>
        <translation>Listede yok: %1, silinecek.</translation>
    </message>
    <message>
        <source>Not in the list: %1, kept after the listed ones.</source>
        <translation>Listede yok: %1, listelenenlerden sonra korunacak.</translation>
    </message>
</context>
<context>
    <name>LnbDialog</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>LNB Edit</source>
        <extracomment>Dialog title: editing an LNB type.</extracomment>
        <translation>LNB Düzenle</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <extracomment>LNB: the low-noise block converter on the dish.</extracomment>
        <translation>LNB Tipi</translation>
    </message>
    <message>
        <source>LNB Freq Low</source>
        <translation>LNB Düşük Frek</translation>
    </message>
    <message>
        <source>LNB Freq High</source>
        <translation>LNB Yüksek Frek</translation>
    </message>
    <message>
        <source>DiSEqC</source>
        <extracomment>The dish switching protocol&apos;s name; usually kept as it is.</extracomment>
        <translation>DiSEqC</translation>
    </message>
    <message>
        <source>Polarity Control</source>
        <translation>Polarite Kontrolü</translation>
    </message>
    <message>
        <source>FreqBaudControl</source>
        <extracomment>How the receiver switches the LNB between its low and high band.</extracomment>
        <translation>Bant Kontrolü</translation>
    </message>
    <message>
        <source>22kHz</source>
        <extracomment>The 22 kHz tone sent to the LNB.</extracomment>
        <translation>22kHz</translation>
    </message>
    <message>
        <source>12V</source>
        <extracomment>The 12 volt switching output.</extracomment>
        <translation>12V</translation>
    </message>
    <message>
        <source>LNB Power</source>
        <translation>LNB Gücü</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Undo</source>
        <extracomment>a command</extracomment>
        <translation>Geri al</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>a command</extracomment>
        <translation>Yinele</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <extracomment>%1 is the name of the step, e.g. &quot;Delete channel arte&quot;</extracomment>
        <translation>Geri al: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <extracomment>%1 is the name of the step, e.g. &quot;Delete channel arte&quot;</extracomment>
        <translation>Yinele: %1</translation>
    </message>
    <message>
        <source>Sat+LNB+TP+Channel</source>
        <extracomment>the tab of satellites, LNBs, transponders and their channels</extracomment>
        <translation>Uydu+LNB+TP+Kanal</translation>
    </message>
    <message>
        <source>All Channels Edit</source>
        <translation>Tüm Kanalları Düzenle</translation>
    </message>
    <message>
        <source>System setting</source>
        <translation>Sistem ayarları</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Save</source>
        <extracomment>Button: save the changes, then go on.</extracomment>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Discard</source>
        <extracomment>Button: drop the unsaved changes, then go on.</extracomment>
        <translation>Kaydetme</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>Button: the answer to a question.</extracomment>
        <translation>Hayır</translation>
    </message>
</context>
<context>
    <name>MoveToDialog</name>
    <message>
        <source>Dialog</source>
        <extracomment>The title of the window that asks for a channel&apos;s new number.</extracomment>
        <translation>Taşı</translation>
    </message>
    <message>
        <source>Move to</source>
        <translation>Şuraya taşı</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Lütfen bir tam sayı girin.</translation>
    </message>
</context>
<context>
    <name>MultiChannelEdit</name>
    <message>
        <source>(several)</source>
        <extracomment>Shown in an empty box whose value differs between the channels edited.</extracomment>
        <translation>(çeşitli)</translation>
    </message>
    <message numerus="yes">
        <source>Edit %n channels</source>
        <extracomment>The title of the dialog and the name of the edit step.</extracomment>
        <translation>
            <numerusform>%n kanalı düzenle</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NamesList</name>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line number of the list, %2 what is wrong there</extracomment>
        <translation>satır %1: %2</translation>
    </message>
    <message>
        <source>the list is larger than %1 MiB; a list of names for one satellite is far smaller</source>
        <translation>liste %1 MiB sınırını aşıyor; bir uydunun ad listesi çok daha küçüktür</translation>
    </message>
    <message>
        <source>the list has more than %1 lines; an image holds at most %2 channels</source>
        <translation>listede %1 satırdan fazla var; bir imaj en fazla %2 kanal tutar</translation>
    </message>
    <message>
        <source>the control character %1 is no part of a list of names; is this a binary file?</source>
        <extracomment>%1 is the character&apos;s code, such as 0x07</extracomment>
        <translation>%1 denetim karakteri bir ad listesinde bulunmaz; bu bir ikili dosya mı?</translation>
    </message>
    <message>
        <source>the line is longer than %1 characters; a channel name has at most %2</source>
        <translation>satır %1 karakterden uzun; bir kanal adı en fazla %2 karakterdir</translation>
    </message>
</context>
<context>
    <name>NamesOrder</name>
    <message>
        <source>exact</source>
        <extracomment>How a line of a list of names found its channel: by the same name</extracomment>
        <translation>tam</translation>
    </message>
    <message>
        <source>case-folded</source>
        <extracomment>How a line of a list of names found its channel: ignoring case, spaces and punctuation</extracomment>
        <translation>harf duyarsız</translation>
    </message>
    <message>
        <source>loose</source>
        <extracomment>How a line of a list of names found its channel: also ignoring accents and an HD, SD, TV or +1 marker</extracomment>
        <translation>gevşek</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>A line of a list of names that found no channel</extracomment>
        <translation>yok</translation>
    </message>
</context>
<context>
    <name>NamesOrderDialog</name>
    <message>
        <source>Order by a list of names</source>
        <translation>Ad listesine göre sırala</translation>
    </message>
    <message>
        <source>TV</source>
        <extracomment>Order the TV channels (a choice beside Radio).</extracomment>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <extracomment>Order the radio channels (a choice beside TV).</extracomment>
        <translation>Radyo</translation>
    </message>
    <message>
        <source>Satellite:</source>
        <translation>Uydu:</translation>
    </message>
    <message>
        <source>Line</source>
        <extracomment>Column caption: the line number in the list of names.</extracomment>
        <translation>Satır</translation>
    </message>
    <message>
        <source>In the list</source>
        <extracomment>Column caption: the name as the list spells it.</extracomment>
        <translation>Listede</translation>
    </message>
    <message>
        <source>Channel</source>
        <extracomment>Column caption: the channel of the image the line matches.</extracomment>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Match</source>
        <extracomment>Column caption: how the name matched (exact, case-folded, loose).</extracomment>
        <translation>Eşleşme</translation>
    </message>
    <message>
        <source>Give matched channels the list&apos;s spelling</source>
        <translation>Eşleşen kanallara listedeki yazımı ver</translation>
    </message>
    <message>
        <source>Delete channels missing from the list</source>
        <translation>Listede olmayan kanalları sil</translation>
    </message>
    <message>
        <source>%1 (No %2)</source>
        <extracomment>%1 is the channel&apos;s name, %2 its number in the list.</extracomment>
        <translation>%1 (No %2)</translation>
    </message>
    <message>
        <source>Matched lines</source>
        <translation>Eşleşen satırlar</translation>
    </message>
    <message>
        <source>%1, one of %2</source>
        <extracomment>%1 is how the name matched, %2 the number of channels it could be.</extracomment>
        <translation>%1, %2 kanaldan biri</translation>
    </message>
    <message>
        <source>Lines that match no channel</source>
        <translation>Hiçbir kanalla eşleşmeyen satırlar</translation>
    </message>
    <message>
        <source>no such name</source>
        <translation>böyle bir ad yok</translation>
    </message>
    <message>
        <source>not Latin-1</source>
        <translation>Latin-1 değil</translation>
    </message>
    <message>
        <source>Channels not in the list</source>
        <translation>Listede olmayan kanallar</translation>
    </message>
    <message>
        <source>to be deleted</source>
        <translation>silinecek</translation>
    </message>
    <message>
        <source>kept after the listed ones</source>
        <translation>listelenenlerden sonra korunacak</translation>
    </message>
    <message>
        <source>Renamed</source>
        <extracomment>A group of channels that get another name.</extracomment>
        <translation>Yeniden adlandırılan</translation>
    </message>
    <message>
        <source>takes this spelling</source>
        <translation>bu yazımı alır</translation>
    </message>
    <message>
        <source>Names that do not fit 11 Latin-1 characters</source>
        <translation>11 Latin-1 karakterine sığmayan adlar</translation>
    </message>
    <message>
        <source>keeps its name</source>
        <translation>adını korur</translation>
    </message>
    <message>
        <source>%1 (%2), %3: %4 exact, %5 case-folded, %6 loose, %7 matching no channel.</source>
        <extracomment>%1 is the list&apos;s file name, %2 its character encoding, %3 a number of lines (&quot;12 lines&quot;), %4 to %7 numbers of lines.</extracomment>
        <translation>%1 (%2), %3: %4 tam, %5 harf duyarsız, %6 gevşek, %7 hiçbir kanalla eşleşmiyor.</translation>
    </message>
    <message>
        <source>%1 could take several channels: pick one in the Channel column.</source>
        <extracomment>%1 is a number of lines (&quot;2 lines&quot;).</extracomment>
        <translation>%1 birden çok kanala uyabilir: Kanal sütununda birini seçin.</translation>
    </message>
    <message>
        <source>The list changes nothing.</source>
        <translation>Liste hiçbir şeyi değiştirmiyor.</translation>
    </message>
    <message>
        <source>Moved: %1.</source>
        <extracomment>%1 is a number of channels (&quot;3 channels&quot;).</extracomment>
        <translation>Taşınan: %1.</translation>
    </message>
    <message>
        <source>Renamed: %1.</source>
        <extracomment>%1 is a number of channels (&quot;3 channels&quot;).</extracomment>
        <translation>Yeniden adlandırılan: %1.</translation>
    </message>
    <message>
        <source>Deleted: %1.</source>
        <extracomment>%1 is a number of channels (&quot;3 channels&quot;).</extracomment>
        <translation>Silinen: %1.</translation>
    </message>
</context>
<context>
    <name>NumberBoxes</name>
    <message>
        <source>%1 takes a number from %2 to %3.</source>
        <extracomment>%1: the box&apos;s name (e.g. Video PID), %2 and %3: the lowest and highest number it takes.</extracomment>
        <translation>%1, %2 ile %3 arasında bir sayı alır.</translation>
    </message>
    <message>
        <source>%1 cannot hold the characters %2: the receiver stores names in Latin-1, which has no such characters.</source>
        <extracomment>%1: the box&apos;s name, %2: the characters, separated by spaces.</extracomment>
        <translation>%1 şu karakterleri içeremez: %2. Alıcı adları Latin-1 olarak saklar ve Latin-1&apos;de bu karakterler yoktur.</translation>
    </message>
    <message>
        <source>%1 takes at most %2 characters.</source>
        <extracomment>%1: the box&apos;s name, %2: the most characters it holds.</extracomment>
        <translation>%1 en fazla %2 karakter alır.</translation>
    </message>
</context>
<context>
    <name>OrderPlanTree</name>
    <message numerus="yes">
        <source>%n channel</source>
        <translation>
            <numerusform>%n kanal</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n kanal</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line</source>
        <extracomment>Lines of a text file.</extracomment>
        <translation>
            <numerusform>%n satır</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines</source>
        <translation>
            <numerusform>%n satır</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n satellite</source>
        <translation>
            <numerusform>%n uydu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n satellites</source>
        <translation>
            <numerusform>%n uydu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n service</source>
        <extracomment>Services: channels as the broadcaster sends them; a service stored twice is a duplicate.</extracomment>
        <translation>
            <numerusform>%n servis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n services</source>
        <translation>
            <numerusform>%n servis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponder</source>
        <translation>
            <numerusform>%n transponder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponders</source>
        <translation>
            <numerusform>%n transponder</numerusform>
        </translation>
    </message>
    <message>
        <source>TV</source>
        <extracomment>A channel&apos;s kind, before its number: &quot;TV 3 Das Erste&quot;.</extracomment>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radyo</translation>
    </message>
    <message>
        <source>Lock</source>
        <extracomment>The channel flag that locks a channel behind the receiver&apos;s PIN.</extracomment>
        <translation>Kilit</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <extracomment>The channel flag of an encrypted channel.</extracomment>
        <translation>Şifreli</translation>
    </message>
    <message>
        <source>Fav 1</source>
        <extracomment>Favourite list 1 (a channel flag).</extracomment>
        <translation>Fav 1</translation>
    </message>
    <message>
        <source>Fav 2</source>
        <extracomment>Favourite list 2 (a channel flag).</extracomment>
        <translation>Fav 2</translation>
    </message>
    <message>
        <source>Fav 3</source>
        <extracomment>Favourite list 3 (a channel flag).</extracomment>
        <translation>Fav 3</translation>
    </message>
    <message>
        <source>Fav 4</source>
        <extracomment>Favourite list 4 (a channel flag).</extracomment>
        <translation>Fav 4</translation>
    </message>
    <message>
        <source>%1 on</source>
        <extracomment>%1 is a channel flag (Lock, Fav 1...) that gets set.</extracomment>
        <translation>%1 açık</translation>
    </message>
    <message>
        <source>%1 off</source>
        <translation>%1 kapalı</translation>
    </message>
    <message>
        <source>%1 (was %2)</source>
        <extracomment>%1 is a channel at its new place, %2 its number before.</extracomment>
        <translation>%1 (önceden %2)</translation>
    </message>
    <message>
        <source>Moved</source>
        <extracomment>A group of channels that move to another place.</extracomment>
        <translation>Taşınan</translation>
    </message>
    <message>
        <source>Renamed</source>
        <extracomment>A group of channels that get another name.</extracomment>
        <translation>Yeniden adlandırılan</translation>
    </message>
    <message>
        <source>Flags changed</source>
        <translation>İşaretleri değişen</translation>
    </message>
</context>
<context>
    <name>PortProblem</name>
    <message>
        <source>There is no device %1: check that the adapter is plugged in and the name is right.</source>
        <extracomment>%1 is the device, e.g. /dev/ttyUSB0</extracomment>
        <translation>%1 aygıtı yok: adaptörün takılı ve adın doğru olduğunu denetleyin.</translation>
    </message>
    <message>
        <source>You have no permission to use %1: serial ports usually belong to the group &quot;dialout&quot;; join it with &quot;sudo usermod -aG dialout $USER&quot;, then log out and log in again.</source>
        <extracomment>%1 is the device; keep the command as it is</extracomment>
        <translation>%1 aygıtını kullanma izniniz yok: seri portlar genellikle &quot;dialout&quot; grubuna aittir; &quot;sudo usermod -aG dialout $USER&quot; komutuyla bu gruba katılın, ardından oturumu kapatıp yeniden açın.</translation>
    </message>
    <message>
        <source>You have no permission to use %1, which belongs to the group &quot;%2&quot;: join the group with &quot;sudo usermod -aG %2 $USER&quot;, then log out and log in again.</source>
        <extracomment>%1 is the device, %2 its group; keep the command as it is</extracomment>
        <translation>%1 aygıtını kullanma izniniz yok; aygıt &quot;%2&quot; grubuna ait: &quot;sudo usermod -aG %2 $USER&quot; komutuyla gruba katılın, ardından oturumu kapatıp yeniden açın.</translation>
    </message>
    <message>
        <source>Another program is using %1: close that program and try again.</source>
        <extracomment>%1 is the device</extracomment>
        <translation>%1 aygıtını başka bir program kullanıyor: o programı kapatıp yeniden deneyin.</translation>
    </message>
</context>
<context>
    <name>ReorderDialog</name>
    <message>
        <source>Order like another image</source>
        <translation>Başka bir imaj gibi sırala</translation>
    </message>
    <message>
        <source>Also take the names</source>
        <translation>Adları da al</translation>
    </message>
    <message>
        <source>Also take the lock and favourite flags</source>
        <translation>Kilit ve favori işaretlerini de al</translation>
    </message>
    <message>
        <source>The image is damaged: %1. Nothing can be ordered; the consistency check lists its problems.</source>
        <extracomment>%1 says what is wrong with the image.</extracomment>
        <translation>İmaj hasarlı: %1. Hiçbir şey sıralanamaz; tutarlılık denetimi sorunlarını listeler.</translation>
    </message>
    <message>
        <source>Not in the other image</source>
        <translation>Diğer imajda yok</translation>
    </message>
    <message>
        <source>Moved: %1. Renamed: %2. Flags changed: %3.</source>
        <extracomment>Each of %1, %2 and %3 is a number of channels (&quot;3 channels&quot;).</extracomment>
        <translation>Taşınan: %1. Yeniden adlandırılan: %2. İşaretleri değişen: %3.</translation>
    </message>
    <message>
        <source>The channels are in that order already.</source>
        <translation>Kanallar zaten bu sırada.</translation>
    </message>
    <message>
        <source>Not in the other image: %1, kept after the others.</source>
        <extracomment>%1 is a number of channels (&quot;3 channels&quot;).</extracomment>
        <translation>Diğer imajda yok: %1, diğerlerinden sonra korunacak.</translation>
    </message>
</context>
<context>
    <name>SatelliteDialog</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Satellite Name:</source>
        <translation>Uydu Adı:</translation>
    </message>
    <message>
        <source>Log:</source>
        <extracomment>The satellite&apos;s orbital position (longitude).</extracomment>
        <translation>Konum:</translation>
    </message>
    <message>
        <source>LNB Type:</source>
        <translation>LNB Tipi:</translation>
    </message>
    <message>
        <source>E</source>
        <extracomment>East, one letter: a satellite&apos;s orbital position.</extracomment>
        <translation>E</translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>West, one letter: a satellite&apos;s orbital position.</extracomment>
        <translation>W</translation>
    </message>
    <message>
        <source>Satellite Name</source>
        <extracomment>Names the name box in a message: &quot;Satellite Name takes at most ...&quot;.</extracomment>
        <translation>Uydu Adı</translation>
    </message>
    <message>
        <source>The tenths of the position</source>
        <extracomment>Names the box in a message: &quot;The tenths of the position takes a number from 0 to 9.&quot;</extracomment>
        <translation>Konumun ondalık hanesi</translation>
    </message>
    <message>
        <source>The position takes 0.0 to 180.0 degrees.</source>
        <translation>Konum 0.0 ile 180.0 derece arasında olmalıdır.</translation>
    </message>
</context>
<context>
    <name>SatellitePage</name>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radyo</translation>
    </message>
    <message>
        <source>Satellite</source>
        <extracomment>Title of the satellite list&apos;s frame.</extracomment>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>LNB</source>
        <extracomment>Title of the LNB list&apos;s frame and of its menu.</extracomment>
        <translation>LNB</translation>
    </message>
    <message>
        <source>Channel</source>
        <extracomment>Title of the channel list&apos;s frame and of its menu.</extracomment>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>Column: the running number of the row (not the answer &quot;no&quot;).</extracomment>
        <translation>No</translation>
    </message>
    <message>
        <source>Sat Name</source>
        <extracomment>Column: the satellite&apos;s name.</extracomment>
        <translation>Uydu Adı</translation>
    </message>
    <message>
        <source>Pos</source>
        <extracomment>Column: the satellite&apos;s orbital position, e.g. 19.2E.</extracomment>
        <translation>Konum</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <extracomment>Column: the satellite&apos;s LNB type.</extracomment>
        <translation>LNB Tipi</translation>
    </message>
    <message>
        <source>Freq</source>
        <extracomment>Column: the transponder&apos;s frequency in MHz.</extracomment>
        <translation>Frek</translation>
    </message>
    <message>
        <source>Pol</source>
        <extracomment>Column: the transponder&apos;s polarisation, V or H.</extracomment>
        <translation>Pol</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <extracomment>Column: the transponder&apos;s symbol rate.</extracomment>
        <translation>Sembol Oranı</translation>
    </message>
    <message>
        <source>TP ID</source>
        <extracomment>Column: the transponder&apos;s record number.</extracomment>
        <translation>TP ID</translation>
    </message>
    <message>
        <source>LNB Freq Low</source>
        <extracomment>Column: the LNB&apos;s low band local oscillator frequency.</extracomment>
        <translation>LNB Düşük Frek</translation>
    </message>
    <message>
        <source>LNB Freq High</source>
        <extracomment>Column: the LNB&apos;s high band local oscillator frequency.</extracomment>
        <translation>LNB Yüksek Frek</translation>
    </message>
    <message>
        <source>DiSEqC</source>
        <extracomment>Column: the DiSEqC port; the protocol&apos;s name is usually kept.</extracomment>
        <translation>DiSEqC</translation>
    </message>
    <message>
        <source>0/22KHz</source>
        <extracomment>Column: the 22 kHz tone switch.</extracomment>
        <translation>0/22KHz</translation>
    </message>
    <message>
        <source>0/12V</source>
        <extracomment>Column: the 0/12 volt switch.</extracomment>
        <translation>0/12V</translation>
    </message>
    <message>
        <source>LNB Power</source>
        <extracomment>Column: whether the receiver powers the LNB.</extracomment>
        <translation>LNB Gücü</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <extracomment>Column: the channel&apos;s name.</extracomment>
        <translation>Kanal Adı</translation>
    </message>
    <message>
        <source>v pid</source>
        <extracomment>Column: the video PID.</extracomment>
        <translation>v pid</translation>
    </message>
    <message>
        <source>a pid</source>
        <extracomment>Column: the audio PID.</extracomment>
        <translation>ses pid</translation>
    </message>
    <message>
        <source>pcr pid</source>
        <extracomment>Column: the PCR (clock) PID.</extracomment>
        <translation>pcr pid</translation>
    </message>
    <message>
        <source>txt pid</source>
        <extracomment>Column: the teletext PID.</extracomment>
        <translation>txt pid</translation>
    </message>
    <message>
        <source>lock</source>
        <extracomment>Column: the channel is locked (parental lock), Y or N.</extracomment>
        <translation>kilit</translation>
    </message>
    <message>
        <source>scr</source>
        <extracomment>Column: the channel is scrambled, Y or N.</extracomment>
        <translation>şfr</translation>
    </message>
    <message>
        <source>fav 1</source>
        <extracomment>Column: the channel is in favourites list 1, Y or N.</extracomment>
        <translation>fav 1</translation>
    </message>
    <message>
        <source>fav 2</source>
        <extracomment>Column: the channel is in favourites list 2, Y or N.</extracomment>
        <translation>fav 2</translation>
    </message>
    <message>
        <source>fav 3</source>
        <extracomment>Column: the channel is in favourites list 3, Y or N.</extracomment>
        <translation>fav 3</translation>
    </message>
    <message>
        <source>fav 4</source>
        <extracomment>Column: the channel is in favourites list 4, Y or N.</extracomment>
        <translation>fav 4</translation>
    </message>
    <message>
        <source>CH No</source>
        <extracomment>Column: the channel&apos;s number on the receiver.</extracomment>
        <translation>Kanal No</translation>
    </message>
    <message>
        <source>Add Satellite...</source>
        <translation>Uydu Ekle...</translation>
    </message>
    <message>
        <source>Edit Satellite...</source>
        <translation>Uydu Düzenle...</translation>
    </message>
    <message>
        <source>Del Satellite</source>
        <extracomment>Menu item: delete the satellite.</extracomment>
        <translation>Uydu Sil</translation>
    </message>
    <message>
        <source>Add new Transponder...</source>
        <translation>Yeni Transponder Ekle...</translation>
    </message>
    <message>
        <source>Add Transponder...</source>
        <translation>Transponder Ekle...</translation>
    </message>
    <message>
        <source>Edit Transponder...</source>
        <translation>Transponder Düzenle...</translation>
    </message>
    <message>
        <source>Del Transponder</source>
        <extracomment>Menu item: delete the transponder.</extracomment>
        <translation>Transponder Sil</translation>
    </message>
    <message>
        <source>Add a Program...</source>
        <extracomment>Menu item: add a channel (a program) on the transponder.</extracomment>
        <translation>Program Ekle...</translation>
    </message>
    <message>
        <source>Edit LNB...</source>
        <translation>LNB Düzenle...</translation>
    </message>
    <message>
        <source>Add Channel...</source>
        <translation>Kanal Ekle...</translation>
    </message>
    <message>
        <source>Edit Channel...</source>
        <translation>Kanal Düzenle...</translation>
    </message>
    <message>
        <source>Del Channel</source>
        <extracomment>Menu item: delete the channel.</extracomment>
        <translation>Kanal Sil</translation>
    </message>
    <message>
        <source>SAT</source>
        <extracomment>Title of the satellite list&apos;s menu: short for satellite.</extracomment>
        <translation>UYDU</translation>
    </message>
    <message>
        <source>XPDR</source>
        <extracomment>Title of the transponder list&apos;s menu: short for transponder.</extracomment>
        <translation>TP</translation>
    </message>
    <message>
        <source>	 Do you want to del channel [ %1]?		</source>
        <extracomment>%1: the channel&apos;s name. The tabs are kept for the box&apos;s spacing.</extracomment>
        <translation>	 [ %1] kanalı silinsin mi?		</translation>
    </message>
</context>
<context>
    <name>SatellitePageCommands</name>
    <message>
        <source>Add transponder %1 on %2</source>
        <extracomment>The name of an edit step (Undo/Redo). %1: the transponder (frequency, symbol rate, polarisation), %2: the satellite.</extracomment>
        <translation>%2 uydusuna %1 transponderini ekle</translation>
    </message>
    <message>
        <source>Edit transponder %1</source>
        <extracomment>The name of an edit step. %1: the transponder.</extracomment>
        <translation>%1 transponderini düzenle</translation>
    </message>
    <message>
        <source>Transponder is Full!</source>
        <translation>Transponder listesi dolu!</translation>
    </message>
    <message>
        <source>Add Satellite</source>
        <extracomment>Dialog title.</extracomment>
        <translation>Uydu Ekle</translation>
    </message>
    <message>
        <source>Satellite is full!</source>
        <translation>Uydu listesi dolu!</translation>
    </message>
    <message>
        <source>Add satellite %1</source>
        <extracomment>The name of an edit step (Undo/Redo). %1: the satellite&apos;s name and position.</extracomment>
        <translation>%1 uydusunu ekle</translation>
    </message>
    <message>
        <source>Edit Satellite</source>
        <extracomment>Dialog title.</extracomment>
        <translation>Uydu Düzenle</translation>
    </message>
    <message>
        <source>Edit satellite %1</source>
        <extracomment>The name of an edit step (Undo/Redo). %1: the satellite&apos;s name and position.</extracomment>
        <translation>%1 uydusunu düzenle</translation>
    </message>
    <message>
        <source>Del Satellite</source>
        <extracomment>Title of the question before a satellite is deleted; &quot;Del&quot; is short for Delete.</extracomment>
        <translation>Uydu Sil</translation>
    </message>
    <message>
        <source>	 Do you want to del [%1]?		</source>
        <extracomment>%1: the satellite&apos;s name. The tabs are kept for the box&apos;s spacing.</extracomment>
        <translation>	 [%1] silinsin mi?		</translation>
    </message>
    <message>
        <source>Delete satellite %1</source>
        <extracomment>The name of an edit step (Undo/Redo). %1: the satellite&apos;s name and position.</extracomment>
        <translation>%1 uydusunu sil</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <extracomment>Dialog title.</extracomment>
        <translation>Transponder Ekle</translation>
    </message>
    <message>
        <source>Edit Transponder</source>
        <extracomment>Dialog title.</extracomment>
        <translation>Transponder Düzenle</translation>
    </message>
    <message>
        <source>	 Do you want to del xpdr [%1/%2/%3]?		</source>
        <extracomment>%1: frequency in MHz, %2: symbol rate, %3: polarisation (V or H); &quot;xpdr&quot; is short for transponder. The tabs are kept for the box&apos;s spacing.</extracomment>
        <translation>	 [%1/%2/%3] transponderi silinsin mi?		</translation>
    </message>
    <message>
        <source>It has no channels.</source>
        <extracomment>Said of a transponder about to be deleted.</extracomment>
        <translation>Hiç kanalı yok.</translation>
    </message>
    <message>
        <source>Its 1 channel is deleted with it.</source>
        <extracomment>Said of a transponder about to be deleted.</extracomment>
        <translation>1 kanalı da onunla birlikte silinir.</translation>
    </message>
    <message>
        <source>Its %1 channels are deleted with it.</source>
        <extracomment>Said of a transponder about to be deleted. %1: the number of its channels, 2 or more.</extracomment>
        <translation>%1 kanalı da onunla birlikte silinir.</translation>
    </message>
    <message>
        <source>Del Transponder</source>
        <extracomment>Title of the question before a transponder is deleted; &quot;Del&quot; is short for Delete.</extracomment>
        <translation>Transponder Sil</translation>
    </message>
    <message>
        <source>Delete transponder %1</source>
        <extracomment>The name of an edit step (Undo/Redo). %1: the transponder (frequency, symbol rate, polarisation).</extracomment>
        <translation>%1 transponderini sil</translation>
    </message>
    <message>
        <source>Edit LNB %1</source>
        <extracomment>The name of an edit step (Undo/Redo). %1: the LNB type&apos;s name, e.g. Type1.</extracomment>
        <translation>LNB düzenle: %1</translation>
    </message>
</context>
<context>
    <name>SatellitePageText</name>
    <message>
        <source>Y</source>
        <extracomment>A channel&apos;s flag (lock, scrambled, favourites) is set: short for Yes.</extracomment>
        <translation>E</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>A channel&apos;s flag (lock, scrambled, favourites) is not set: short for No.</extracomment>
        <translation>H</translation>
    </message>
    <message>
        <source>V</source>
        <extracomment>Vertical polarisation, one letter.</extracomment>
        <translation>V</translation>
    </message>
    <message>
        <source>H</source>
        <extracomment>Horizontal polarisation, one letter.</extracomment>
        <translation>H</translation>
    </message>
</context>
<context>
    <name>SatellitesXml</name>
    <message>
        <source>%1 &quot;%2&quot; is not a whole number</source>
        <extracomment>%1 is an XML attribute&apos;s name (keep it), %2 its value</extracomment>
        <translation>%1 &quot;%2&quot; bir tam sayı değil</translation>
    </message>
    <message>
        <source>the file declares entities, which are not accepted</source>
        <translation>dosya varlık (entity) bildiriyor; bunlar kabul edilmez</translation>
    </message>
    <message>
        <source>the file holds no &lt;satellites&gt; element</source>
        <translation>dosyada &lt;satellites&gt; öğesi yok</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is the line number, %2 what is wrong there</extracomment>
        <translation>satır %1: %2</translation>
    </message>
    <message>
        <source>the file ends before its elements are closed (is it cut off?)</source>
        <translation>dosya, öğeleri kapanmadan bitiyor (kesilmiş olabilir mi?)</translation>
    </message>
    <message>
        <source>not well-formed XML: %1</source>
        <extracomment>%1 is the XML reader&apos;s own message</extracomment>
        <translation>iyi biçimlendirilmiş XML değil: %1</translation>
    </message>
    <message>
        <source>the root element is &lt;%1&gt;, not &lt;satellites&gt;</source>
        <extracomment>%1 is the name of the file&apos;s first element</extracomment>
        <translation>kök öğe &lt;%1&gt;, &lt;satellites&gt; değil</translation>
    </message>
    <message>
        <source>the satellite has no position</source>
        <translation>uydunun konumu yok</translation>
    </message>
    <message>
        <source>position %1 lies outside -1800 to 1800 (180.0W to 180.0E)</source>
        <extracomment>%1 is the position in tenths of a degree, east positive</extracomment>
        <translation>%1 konumu -1800 ile 1800 (180.0W ile 180.0E) aralığının dışında</translation>
    </message>
    <message>
        <source>more than %1 satellites</source>
        <extracomment>%1 is the most satellites a file may hold</extracomment>
        <translation>%1 uydudan fazla</translation>
    </message>
    <message>
        <source>the transponder lacks its frequency, symbol_rate or polarization</source>
        <extracomment>frequency, symbol_rate and polarization are the names of XML attributes; keep them</extracomment>
        <translation>transponderde frequency, symbol_rate veya polarization eksik</translation>
    </message>
    <message>
        <source>polarization &quot;%1&quot; is not 0, 1, 2 or 3</source>
        <extracomment>%1 is the value of the XML attribute polarization</extracomment>
        <translation>polarization &quot;%1&quot; değeri 0, 1, 2 veya 3 değil</translation>
    </message>
    <message>
        <source>frequency %1 is not above 0</source>
        <extracomment>%1 is the value of the XML attribute frequency</extracomment>
        <translation>frequency %1 sıfırdan büyük değil</translation>
    </message>
    <message>
        <source>symbol_rate %1 is not above 0</source>
        <extracomment>%1 is the value of the XML attribute symbol_rate</extracomment>
        <translation>symbol_rate %1 sıfırdan büyük değil</translation>
    </message>
    <message>
        <source>more than %1 transponders</source>
        <extracomment>%1 is the most transponders a file may hold</extracomment>
        <translation>%1 transponderden fazla</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB, far more than any transponder list</source>
        <extracomment>%1 is the largest size accepted, in megabytes</extracomment>
        <translation>dosya %1 MB sınırını aşıyor; hiçbir transponder listesi bu kadar büyük olmaz</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>dosya boş</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>normal bir dosya değil</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>okunamıyor: %1</translation>
    </message>
</context>
<context>
    <name>SatellitesXmlDialog</name>
    <message>
        <source>%1 (C-band)</source>
        <extracomment>%1 is an LNB type&apos;s name (as the receiver stores it) of a C-band LNB.</extracomment>
        <translation>%1 (C-bant)</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1 (satır %2)</translation>
    </message>
    <message>
        <source>%1 (line %2), does not fit</source>
        <translation>%1 (satır %2), sığmıyor</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>%1 is a line number of the file, %2 why the transponder there is skipped.</extracomment>
        <translation>Satır %1: %2</translation>
    </message>
    <message>
        <source>Import satellites.xml</source>
        <extracomment>satellites.xml is a file name and stays as it is.</extracomment>
        <translation>satellites.xml içe aktar</translation>
    </message>
    <message>
        <source>Satellite</source>
        <extracomment>Column caption: a satellite of the image.</extracomment>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>LNB type</source>
        <extracomment>Column caption: the LNB type the satellite uses.</extracomment>
        <translation>LNB tipi</translation>
    </message>
    <message>
        <source>Takes from the file</source>
        <extracomment>Column caption: the satellite of the file whose transponders it takes.</extracomment>
        <translation>Dosyadan aldığı</translation>
    </message>
    <message>
        <source>Added as</source>
        <extracomment>Column caption: the name and position the new satellite gets.</extracomment>
        <translation>Eklenecek ad</translation>
    </message>
    <message>
        <source>Transponders</source>
        <extracomment>Column caption: the number of transponders.</extracomment>
        <translation>Transponderler</translation>
    </message>
    <message>
        <source>Satellite in the file</source>
        <extracomment>Column caption: the satellite as the file names it.</extracomment>
        <translation>Dosyadaki uydu</translation>
    </message>
    <message>
        <source>Changes</source>
        <extracomment>A tab (a noun): the changes the import makes.</extracomment>
        <translation>Değişiklikler</translation>
    </message>
    <message>
        <source>Satellites of the image</source>
        <translation>İmajın uyduları</translation>
    </message>
    <message>
        <source>Add satellites</source>
        <translation>Uydu ekle</translation>
    </message>
    <message>
        <source>Take DVB-S2 transponders too (the receiver tunes DVB-S)</source>
        <translation>DVB-S2 transponderlerini de al (alıcı DVB-S alır)</translation>
    </message>
    <message>
        <source>Delete transponders not in the file that carry no channels</source>
        <translation>Dosyada olmayan ve kanal taşımayan transponderleri sil</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <extracomment>%1 is a satellite as the file names it, %2 its line in the file.</extracomment>
        <translation>%1, satır %2</translation>
    </message>
    <message>
        <source>Not in the file</source>
        <translation>Dosyada yok</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Yok</translation>
    </message>
    <message>
        <source>%1 → %2 kS/s (line %3)</source>
        <extracomment>%1 is a transponder (&quot;11747/27500/V&quot;), %2 its new symbol rate, %3 its line in the file.</extracomment>
        <translation>%1 → %2 kS/s (satır %3)</translation>
    </message>
    <message>
        <source>%1, %2, to be deleted</source>
        <translation>%1, %2, silinecek</translation>
    </message>
    <message>
        <source>To add</source>
        <extracomment>A group of transponders to add.</extracomment>
        <translation>Eklenecek</translation>
    </message>
    <message>
        <source>Updated</source>
        <extracomment>A group of transponders that get a new symbol rate.</extracomment>
        <translation>Güncellenen</translation>
    </message>
    <message>
        <source>Skipped</source>
        <extracomment>A group of transponders of the file that are not taken.</extracomment>
        <translation>Atlanan</translation>
    </message>
    <message>
        <source>New satellite %1, %2</source>
        <translation>Yeni uydu %1, %2</translation>
    </message>
    <message>
        <source>New satellite %1, %2, does not fit</source>
        <translation>Yeni uydu %1, %2, sığmıyor</translation>
    </message>
    <message>
        <source>%1 of the image found in the file: %2 to add, %3 updated, %4 not in the file (%5 to be deleted).</source>
        <translation>İmajdaki %1 dosyada bulundu: %2 eklenecek, %3 güncellendi, %4 dosyada yok (%5 silinecek).</translation>
    </message>
    <message>
        <source>%1 of the image found in the file: %2 to add, %3 updated, %4 not in the file.</source>
        <extracomment>%1 is a number of satellites (&quot;2 satellites&quot;), %2 a number of transponders, %3 and %4 numbers of transponders.</extracomment>
        <translation>İmajdaki %1 dosyada bulundu: %2 eklenecek, %3 güncellendi, %4 dosyada yok.</translation>
    </message>
    <message>
        <source>New: %1 with %2.</source>
        <extracomment>%1 is a number of satellites (&quot;2 satellites&quot;), %2 a number of transponders.</extracomment>
        <translation>Yeni: %2 içeren %1.</translation>
    </message>
    <message>
        <source>Skipped: %1 (%2 DVB-S2).</source>
        <extracomment>%1 is a number of transponders, %2 how many of them are DVB-S2.</extracomment>
        <translation>Atlanan: %1 (%2 DVB-S2).</translation>
    </message>
    <message>
        <source>Does not fit the tables (%1 satellites, %2 transponders): %3 and %4; OK adds what fits, in the order shown.</source>
        <extracomment>%1 and %2 are the sizes of the image&apos;s tables, %3 a number of satellites (&quot;2 satellites&quot;), %4 a number of transponders.</extracomment>
        <translation>Tablolara sığmıyor (%1 uydu, %2 transponder): %3 ve %4; Tamam, sığanları gösterilen sırayla ekler.</translation>
    </message>
    <message>
        <source>Does not fit the tables (%1 satellites, %2 transponders): %3 and %4; nothing else changes, so OK changes nothing.</source>
        <translation>Tablolara sığmıyor (%1 uydu, %2 transponder): %3 ve %4; başka hiçbir şey değişmediği için Tamam hiçbir şeyi değiştirmez.</translation>
    </message>
    <message>
        <source>The file changes nothing.</source>
        <translation>Dosya hiçbir şeyi değiştirmiyor.</translation>
    </message>
</context>
<context>
    <name>SendCheck</name>
    <message>
        <source>outside the tables</source>
        <translation>tabloların dışında</translation>
    </message>
    <message>
        <source>past the image</source>
        <translation>imajın sonundan sonra</translation>
    </message>
    <message>
        <source>sector header %1</source>
        <extracomment>%1 is the sector&apos;s number</extracomment>
        <translation>sektör başlığı %1</translation>
    </message>
    <message>
        <source>satellite slot %1</source>
        <extracomment>%1 is the slot&apos;s number</extracomment>
        <translation>uydu yuvası %1</translation>
    </message>
    <message>
        <source>transponder mark %1</source>
        <extracomment>%1 is the mark&apos;s number</extracomment>
        <translation>transponder işareti %1</translation>
    </message>
    <message>
        <source>the settings block</source>
        <translation>ayarlar bloğu</translation>
    </message>
    <message>
        <source>transponder slot %1</source>
        <extracomment>%1 is the slot&apos;s number</extracomment>
        <translation>transponder yuvası %1</translation>
    </message>
    <message>
        <source>channel slot %1</source>
        <extracomment>%1 is the slot&apos;s number</extracomment>
        <translation>kanal yuvası %1</translation>
    </message>
    <message>
        <source>byte %1 (%2, %3): sent %4, the receiver holds %5</source>
        <extracomment>%1 is the offset, %2 the same in hex, %3 where it lies, %4 and %5 the byte values in hex</extracomment>
        <translation>bayt %1 (%2, %3): gönderilen %4, alıcıdaki %5</translation>
    </message>
    <message>
        <source>The receiver holds an image that differs from the one sent in 1 byte:</source>
        <translation>Alıcıdaki imaj, gönderilenden 1 baytta farklı:</translation>
    </message>
    <message>
        <source>The receiver holds an image that differs from the one sent in %1 bytes:</source>
        <extracomment>%1 is the number of bytes (more than one)</extracomment>
        <translation>Alıcıdaki imaj, gönderilenden %1 baytta farklı:</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <extracomment>%1 is the number of differing bytes not listed</extracomment>
        <translation>ve %1 tane daha</translation>
    </message>
    <message>
        <source>The receiver holds exactly the image that was sent.</source>
        <translation>Alıcıda tam olarak gönderilen imaj var.</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>TV %1, Radio %2</source>
        <extracomment>Status line: %1 TV channels, %2 radio channels in the image.</extracomment>
        <translation>TV %1, Radyo %2</translation>
    </message>
    <message>
        <source>Satellites %1/%2, Transponders %3/%4, Channels %5/%6</source>
        <extracomment>Status line: records used of the slots the image has, e.g. &quot;Satellites 12/200&quot;.</extracomment>
        <translation>Uydu %1/%2, Transponder %3/%4, Kanal %5/%6</translation>
    </message>
    <message>
        <source>Untitled</source>
        <extracomment>Status line: the image has no file yet.</extracomment>
        <translation>Adsız</translation>
    </message>
    <message>
        <source>Modified</source>
        <extracomment>Status line: the image has unsaved changes.</extracomment>
        <translation>Değiştirildi</translation>
    </message>
</context>
<context>
    <name>SystemSettingsPage</name>
    <message>
        <source>System Setting</source>
        <extracomment>Group title: the receiver&apos;s system settings.</extracomment>
        <translation>Sistem Ayarları</translation>
    </message>
    <message>
        <source>Menu Language</source>
        <translation>Menü Dili</translation>
    </message>
    <message>
        <source>Main audio Lang</source>
        <extracomment>The receiver&apos;s main audio language.</extracomment>
        <translation>Ana Ses Dili</translation>
    </message>
    <message>
        <source>2nd Audio Lang</source>
        <extracomment>The receiver&apos;s second audio language.</extracomment>
        <translation>2. Ses Dili</translation>
    </message>
    <message>
        <source>GMT Usage</source>
        <extracomment>Whether the receiver uses GMT (Off/On).</extracomment>
        <translation>GMT Kullanımı</translation>
    </message>
    <message>
        <source>Select Time Zone</source>
        <translation>Saat Dilimi Seç</translation>
    </message>
    <message>
        <source>Summer Time</source>
        <translation>Yaz Saati</translation>
    </message>
    <message>
        <source>Time Offset</source>
        <extracomment>The receiver&apos;s time offset.</extracomment>
        <translation>Saat Farkı</translation>
    </message>
    <message>
        <source>Aspect</source>
        <extracomment>The TV picture&apos;s aspect ratio (4:3, 16:9).</extracomment>
        <translation>En-Boy Oranı</translation>
    </message>
    <message>
        <source>Delay Time</source>
        <extracomment>A receiver setting whose values are ALWAYS, 2 Sec .. 7 Sec.</extracomment>
        <translation>Gecikme Süresi</translation>
    </message>
    <message>
        <source>Transparency</source>
        <extracomment>The transparency of the receiver&apos;s on-screen display.</extracomment>
        <translation>Saydamlık</translation>
    </message>
    <message>
        <source>Color</source>
        <extracomment>The TV colour system (Auto, PAL, NTSC).</extracomment>
        <translation>Renk</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>The TV sound system (M, B/G, I, D/K).</extracomment>
        <translation>Ses</translation>
    </message>
    <message>
        <source> RF Channel</source>
        <extracomment>The UHF channel of the receiver&apos;s RF modulator output.</extracomment>
        <translation> RF Kanalı</translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>Group title: figures the receiver keeps.</extracomment>
        <translation>Durum</translation>
    </message>
    <message>
        <source>TV Num</source>
        <extracomment>The number of TV channels.</extracomment>
        <translation>TV Sayısı</translation>
    </message>
    <message>
        <source>Radio Num</source>
        <extracomment>The number of radio channels.</extracomment>
        <translation>Radyo Sayısı</translation>
    </message>
    <message>
        <source>Total Channl</source>
        <extracomment>The total number of channels (the receiver&apos;s own spelling).</extracomment>
        <translation>Toplam Kanal</translation>
    </message>
    <message>
        <source>Volume L</source>
        <extracomment>The left audio channel&apos;s volume.</extracomment>
        <translation>Sol Ses</translation>
    </message>
    <message>
        <source>Volume R</source>
        <extracomment>The right audio channel&apos;s volume.</extracomment>
        <translation>Sağ Ses</translation>
    </message>
    <message>
        <source>StandBy</source>
        <extracomment>The receiver&apos;s standby setting (No/Yes).</extracomment>
        <translation>Bekleme</translation>
    </message>
    <message>
        <source>Parent Lock</source>
        <extracomment>Group title: the parental lock.</extracomment>
        <translation>Ebeveyn Kilidi</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <extracomment>The parental lock&apos;s PIN.</extracomment>
        <translation>PIN Kodu</translation>
    </message>
    <message>
        <source>Lock Receiver</source>
        <extracomment>Parental lock of the whole receiver (Free/Locked).</extracomment>
        <translation>Alıcıyı Kilitle</translation>
    </message>
    <message>
        <source>Lock Menu</source>
        <extracomment>Parental lock of the receiver&apos;s menu (Free/Locked).</extracomment>
        <translation>Menüyü Kilitle</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The name of an edit step (Undo/Redo). %1: the setting&apos;s caption, %2: the value chosen.</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>TransferProtocol</name>
    <message>
        <source>The selected COM is invalid or have already been opened!</source>
        <translation>Seçilen COM portu geçersiz veya zaten açık!</translation>
    </message>
    <message>
        <source>Error!</source>
        <extracomment>follows a message about a failed transfer</extracomment>
        <translation>Hata!</translation>
    </message>
    <message>
        <source>Please Select Port type and press the Start button!</source>
        <translation>Lütfen port türünü seçip Başlat düğmesine basın!</translation>
    </message>
    <message>
        <source>Waiting for handshake signal!</source>
        <translation>El sıkışma sinyali bekleniyor!</translation>
    </message>
    <message>
        <source>Data is transmitting form STB!</source>
        <extracomment>STB: the set-top box, the receiver</extracomment>
        <translation>Veri STB&apos;den aktarılıyor!</translation>
    </message>
    <message>
        <source>Data is uploading to STB!</source>
        <translation>Veri STB&apos;ye yükleniyor!</translation>
    </message>
    <message>
        <source>You have select wrong direction</source>
        <extracomment>the receiver was set to receive when the PC sends, or the other way round</extracomment>
        <translation>Yanlış yön seçtiniz</translation>
    </message>
    <message>
        <source>Data have been uploaded to STB</source>
        <translation>Veriler STB&apos;ye yüklendi</translation>
    </message>
    <message>
        <source>Data have been DownLoaded and saved to %1</source>
        <extracomment>%1 is the path the received image was saved to</extracomment>
        <translation>Veriler indirildi ve %1 konumuna kaydedildi</translation>
    </message>
    <message>
        <source>Data from PC to IRD</source>
        <extracomment>IRD: the receiver</extracomment>
        <translation>PC&apos;den IRD&apos;ye Veri</translation>
    </message>
    <message>
        <source>Data from IRD to PC</source>
        <extracomment>IRD: the receiver</extracomment>
        <translation>IRD&apos;den PC&apos;ye Veri</translation>
    </message>
</context>
<context>
    <name>TransponderDialog</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Freq:</source>
        <extracomment>Short for the transponder&apos;s frequency.</extracomment>
        <translation>Frek:</translation>
    </message>
    <message>
        <source>Symbol Rate:</source>
        <translation>Sembol Oranı:</translation>
    </message>
    <message>
        <source>Polarity:</source>
        <extracomment>The transponder&apos;s polarisation, H or V.</extracomment>
        <translation>Polarizasyon:</translation>
    </message>
    <message>
        <source>MHz (%1 to %2)</source>
        <extracomment>After the frequency box. %1 and %2: the lowest and highest frequency accepted, in MHz.</extracomment>
        <translation>MHz (%1 - %2)</translation>
    </message>
    <message>
        <source>Freq (MHz)</source>
        <extracomment>Names the frequency box in a message: &quot;Freq (MHz) takes a number from ...&quot;.</extracomment>
        <translation>Frek (MHz)</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <extracomment>Names the symbol rate box in a message: &quot;Symbol Rate takes a number from ...&quot;.</extracomment>
        <translation>Sembol Oranı</translation>
    </message>
</context>
<context>
    <name>TransponderUpdate</name>
    <message>
        <source>frequency %1 kHz does not fit the receiver&apos;s 1 to 65535 MHz</source>
        <extracomment>%1 is the list&apos;s frequency in kHz</extracomment>
        <translation>%1 kHz frekansı alıcının 1 - 65535 MHz aralığına uymuyor</translation>
    </message>
    <message>
        <source>symbol rate %1 does not fit the receiver&apos;s 1 to 65535 kS/s</source>
        <translation>%1 sembol oranı alıcının 1 - 65535 kS/s aralığına uymuyor</translation>
    </message>
    <message>
        <source>DVB-S2, left out; the image&apos;s %1/%2/%3 stays as it is</source>
        <extracomment>%1 frequency in MHz, %2 symbol rate in kS/s, %3 polarization V or H</extracomment>
        <translation>DVB-S2, alınmadı; imajdaki %1/%2/%3 olduğu gibi kalır</translation>
    </message>
    <message>
        <source>repeats the transponder of line %1</source>
        <translation>satır %1 ile aynı transponder</translation>
    </message>
    <message>
        <source>DVB-S2, left out</source>
        <translation>DVB-S2, alınmadı</translation>
    </message>
</context>
<context>
    <name>vormante::AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Version  Num: %1</source>
        <extracomment>%1 is the program&apos;s version number, e.g. 1.4.0</extracomment>
        <translation>Sürüm  No: %1</translation>
    </message>
</context>
<context>
    <name>vormante::DataCommands</name>
    <message>
        <source>%1 has unsaved changes. Save them before sending?

Otherwise the receiver gets the file as it was last saved.</source>
        <extracomment>%1 is the file name, or &quot;The image&quot; when it has none</extracomment>
        <translation>%1 kaydedilmemiş değişiklikler içeriyor. Göndermeden önce kaydedilsin mi?

Aksi halde alıcı dosyayı en son kaydedildiği haliyle alır.</translation>
    </message>
    <message>
        <source>Open the received image %1 in the editor?</source>
        <extracomment>%1 is the path of the file the received image was saved to</extracomment>
        <translation>Alınan imaj %1 düzenleyicide açılsın mı?</translation>
    </message>
    <message>
        <source>Data From PC To IRD</source>
        <translation>PC&apos;den IRD&apos;ye Veri</translation>
    </message>
    <message>
        <source>The image</source>
        <translation>İmaj</translation>
    </message>
    <message>
        <source>the received image</source>
        <translation>alınan imaj</translation>
    </message>
    <message>
        <source>Data From IRD To PC</source>
        <translation>IRD&apos;den PC&apos;ye Veri</translation>
    </message>
</context>
<context>
    <name>vormante::ExchangeCommands</name>
    <message>
        <source>Warning</source>
        <translation>Uyarı</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <extracomment>%1 is the path, %2 the system&apos;s reason</extracomment>
        <translation>%1 yazılamadı: %2.</translation>
    </message>
</context>
<context>
    <name>vormante::FileCommands</name>
    <message>
        <source>Open</source>
        <extracomment>a dialog title</extracomment>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Uyarı</translation>
    </message>
    <message>
        <source>The backup file %1 could not be written: %2.

Replace %3 without a backup?</source>
        <extracomment>%1 is the backup file, %2 the system&apos;s reason, %3 the file to be replaced</extracomment>
        <translation>Yedek dosyası %1 yazılamadı: %2.

%3 yedeksiz olarak değiştirilsin mi?</translation>
    </message>
    <message>
        <source>The backup file %1 could not be written: %2.

Nothing was saved; the changes are still open in the editor.</source>
        <translation>Yedek dosyası %1 yazılamadı: %2.

Hiçbir şey kaydedilmedi; değişiklikler düzenleyicide hâlâ açık.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.

The file may be incomplete; its previous content is in the backup file. The changes are still open in the editor.</source>
        <translation>%1 yazılamadı: %2.

Dosya eksik olabilir; önceki içeriği yedek dosyasında. Değişiklikler düzenleyicide hâlâ açık.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.

The file keeps its previous content; the changes are still open in the editor.</source>
        <translation>%1 yazılamadı: %2.

Dosya önceki içeriğini koruyor; değişiklikler düzenleyicide hâlâ açık.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Farklı Kaydet</translation>
    </message>
    <message>
        <source>Choose another name for the changes.</source>
        <translation>Değişiklikler için başka bir ad seçin.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.

The changes are still open in the editor.</source>
        <translation>%1 yazılamadı: %2.

Değişiklikler düzenleyicide hâlâ açık.</translation>
    </message>
    <message>
        <source>Unsaved changes in the image, which has no file yet.</source>
        <translation>Henüz dosyası olmayan imajda kaydedilmemiş değişiklikler var.</translation>
    </message>
    <message>
        <source>Unsaved changes in %1.</source>
        <extracomment>%1 is the file name</extracomment>
        <translation>%1 içinde kaydedilmemiş değişiklikler var.</translation>
    </message>
    <message>
        <source>%1 now holds %2.</source>
        <extracomment>%1 is the file name, %2 what it holds now, e.g. &quot;the received image&quot;</extracomment>
        <translation>%1 dosyasında artık %2 var.</translation>
    </message>
    <message>
        <source>Save asks for another name for them.</source>
        <translation>Kaydet komutu bunlar için başka bir ad sorar.</translation>
    </message>
    <message>
        <source>Data has been changed,do you want to change!</source>
        <translation>Veriler değişti, değişiklikler kaydedilsin mi?</translation>
    </message>
    <message>
        <source>File open error!</source>
        <translation>Dosya açma hatası!</translation>
    </message>
    <message>
        <source>BIN data</source>
        <extracomment>the file type in file dialogs</extracomment>
        <translation>BIN verisi</translation>
    </message>
</context>
<context>
    <name>vormante::LanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The choice that follows the desktop&apos;s language</extracomment>
        <translation>Sistem</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Dil:</translation>
    </message>
    <message>
        <source>Vormante shows the chosen language the next time it starts.</source>
        <translation>Vormante seçilen dili bir sonraki başlatılışında gösterir.</translation>
    </message>
</context>
<context>
    <name>vormante::ListCommands</name>
    <message>
        <source>Export txt file</source>
        <translation>Dışa aktar (txt dosyası)</translation>
    </message>
    <message>
        <source>The channel list was written to %1.</source>
        <translation>Kanal listesi %1 dosyasına yazıldı.</translation>
    </message>
    <message>
        <source>Import txt file</source>
        <translation>İçe aktar (txt dosyası)</translation>
    </message>
    <message>
        <source>%1 is not a channel list and was not imported: %2.</source>
        <extracomment>%1 is the file name, %2 the reason</extracomment>
        <translation>%1 bir kanal listesi değil ve içe aktarılmadı: %2.</translation>
    </message>
    <message>
        <source>Import %1</source>
        <extracomment>an undo step; %1 is the file name</extracomment>
        <translation>İçe aktar: %1</translation>
    </message>
    <message>
        <source>The image has changed since the list was read; nothing was imported.</source>
        <translation>Liste okunduğundan beri imaj değişti; hiçbir şey içe aktarılmadı.</translation>
    </message>
    <message>
        <source>Order like another image</source>
        <translation>Başka bir imaj gibi sırala</translation>
    </message>
    <message>
        <source>Order like %1</source>
        <extracomment>an undo step; %1 is the file name of the other image</extracomment>
        <translation>%1 gibi sırala</translation>
    </message>
    <message>
        <source>The image has changed since the order was planned; nothing was changed.</source>
        <translation>Sıra planlandığından beri imaj değişti; hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>Compare with</source>
        <translation>Şununla karşılaştır</translation>
    </message>
    <message>
        <source>Delete 1 duplicate channel</source>
        <extracomment>an undo step</extracomment>
        <translation>1 yinelenen kanalı sil</translation>
    </message>
    <message>
        <source>Delete %1 duplicate channels</source>
        <extracomment>an undo step; %1 is the number of channels (more than one)</extracomment>
        <translation>%1 yinelenen kanalı sil</translation>
    </message>
    <message>
        <source>The image has changed since the duplicates were found; nothing was deleted.</source>
        <translation>Yinelenenler bulunduğundan beri imaj değişti; hiçbir şey silinmedi.</translation>
    </message>
    <message>
        <source>Channel list</source>
        <extracomment>the file type in file dialogs</extracomment>
        <translation>Kanal listesi</translation>
    </message>
</context>
<context>
    <name>vormante::MainWindow</name>
    <message>
        <source>File</source>
        <extracomment>a menu</extracomment>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>Open ...</source>
        <translation>Aç ...</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>a command</extracomment>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Save as ...</source>
        <translation>Farklı kaydet ...</translation>
    </message>
    <message>
        <source>Export txt file</source>
        <translation>Dışa aktar (txt dosyası)</translation>
    </message>
    <message>
        <source>Import txt file</source>
        <translation>İçe aktar (txt dosyası)</translation>
    </message>
    <message>
        <source>Order like another image...</source>
        <translation>Başka bir imaj gibi sırala...</translation>
    </message>
    <message>
        <source>Compare with...</source>
        <translation>Şununla karşılaştır...</translation>
    </message>
    <message>
        <source>Order by a list of names...</source>
        <translation>Ad listesine göre sırala...</translation>
    </message>
    <message>
        <source>Export names...</source>
        <translation>Adları dışa aktar...</translation>
    </message>
    <message>
        <source>Archive...</source>
        <translation>Arşiv...</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Son dosyalar</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>a command: quits the program</extracomment>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Data</source>
        <extracomment>the menu of transfers to and from the receiver</extracomment>
        <translation>Veri</translation>
    </message>
    <message>
        <source>Data From PC To IRD</source>
        <extracomment>IRD: the receiver (integrated receiver-decoder)</extracomment>
        <translation>PC&apos;den IRD&apos;ye Veri</translation>
    </message>
    <message>
        <source>Data From IRD To PC</source>
        <translation>IRD&apos;den PC&apos;ye Veri</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>a menu</extracomment>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>Language...</source>
        <translation>Dil...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Edit</source>
        <extracomment>a menu</extracomment>
        <translation>Düzen</translation>
    </message>
    <message>
        <source>Filter list</source>
        <translation>Listeyi filtrele</translation>
    </message>
    <message>
        <source>Find channel...</source>
        <translation>Kanal bul...</translation>
    </message>
    <message>
        <source>Find duplicates</source>
        <translation>Yinelenenleri bul</translation>
    </message>
    <message>
        <source>Keep this order</source>
        <translation>Bu sırayı koru</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <extracomment>the toolbar&apos;s name, shown by some desktops</extracomment>
        <translation>Araç çubuğu</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>a toolbar tip: opens an image file</extracomment>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Farklı kaydet</translation>
    </message>
    <message>
        <source>Untitled</source>
        <extracomment>the name of an image that has no file yet</extracomment>
        <translation>Adsız</translation>
    </message>
</context>
<context>
    <name>vormante::NameListCommands</name>
    <message>
        <source>Order by a list of names</source>
        <translation>Ad listesine göre sırala</translation>
    </message>
    <message>
        <source>%1 is not a list of names and was not used: %2.</source>
        <extracomment>%1 is the file name, %2 the reason</extracomment>
        <translation>%1 bir ad listesi değil ve kullanılmadı: %2.</translation>
    </message>
    <message>
        <source>Order %1 TV by %2</source>
        <extracomment>an undo step; %1 is the satellite, %2 the file name of the list</extracomment>
        <translation>%1 TV kanallarını sırala (%2)</translation>
    </message>
    <message>
        <source>Order %1 radio by %2</source>
        <extracomment>an undo step; %1 is the satellite, %2 the file name of the list</extracomment>
        <translation>%1 radyo kanallarını sırala (%2)</translation>
    </message>
    <message>
        <source>The image has changed since the list was matched; nothing was changed.</source>
        <translation>Liste eşleştirildiğinden beri imaj değişti; hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>Show the satellite whose channel names to export first.</source>
        <translation>Önce kanal adları dışa aktarılacak uyduyu gösterin.</translation>
    </message>
    <message>
        <source>%1 TV.txt</source>
        <extracomment>the file name offered; %1 is the satellite&apos;s name</extracomment>
        <translation>%1 TV.txt</translation>
    </message>
    <message>
        <source>%1 radio.txt</source>
        <extracomment>the file name offered; %1 is the satellite&apos;s name</extracomment>
        <translation>%1 radyo.txt</translation>
    </message>
    <message>
        <source>Export names</source>
        <translation>Adları dışa aktar</translation>
    </message>
    <message>
        <source>List of names</source>
        <extracomment>the file type in file dialogs</extracomment>
        <translation>Ad listesi</translation>
    </message>
</context>
<context>
    <name>vormante::PortOptionDialog</name>
    <message>
        <source>Option</source>
        <extracomment>the title of the dialog that chooses the serial port</extracomment>
        <translation>Seçenekler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>COM Port:</source>
        <extracomment>COM: a serial port</extracomment>
        <translation>COM Portu:</translation>
    </message>
</context>
<context>
    <name>vormante::RecentFiles</name>
    <message>
        <source>The file %1 no longer exists. It has been taken off the list of recent files.</source>
        <translation>%1 dosyası artık yok. Son dosyalar listesinden çıkarıldı.</translation>
    </message>
    <message>
        <source>Clear list</source>
        <translation>Listeyi temizle</translation>
    </message>
</context>
<context>
    <name>vormante::SatellitesXmlCommands</name>
    <message>
        <source>Import satellites.xml...</source>
        <translation>satellites.xml içe aktar...</translation>
    </message>
    <message>
        <source>Export satellites.xml...</source>
        <translation>satellites.xml dışa aktar...</translation>
    </message>
    <message>
        <source>Import satellites.xml</source>
        <translation>satellites.xml içe aktar</translation>
    </message>
    <message>
        <source>%1 was not imported: %2.</source>
        <extracomment>%1 is the file name, %2 the reason</extracomment>
        <translation>%1 içe aktarılmadı: %2.</translation>
    </message>
    <message>
        <source>The image has changed since the file was read; nothing was imported.</source>
        <translation>Dosya okunduğundan beri imaj değişti; hiçbir şey içe aktarılmadı.</translation>
    </message>
    <message>
        <source>Export satellites.xml</source>
        <translation>satellites.xml dışa aktar</translation>
    </message>
    <message>
        <source>Update transponders from satellites.xml</source>
        <extracomment>an undo step</extracomment>
        <translation>Transponderleri satellites.xml dosyasından güncelle</translation>
    </message>
</context>
<context>
    <name>vormante::TransferDialog</name>
    <message>
        <source>BIN data</source>
        <extracomment>the file type in file dialogs</extracomment>
        <translation>BIN verisi</translation>
    </message>
    <message>
        <source>Check what the receiver now holds</source>
        <translation>Alıcının şimdi ne içerdiğini denetle</translation>
    </message>
    <message>
        <source>Port:</source>
        <extracomment>the serial port</extracomment>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>a button: starts listening for the receiver</extracomment>
        <translation>Başlat</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>a button: stops listening</extracomment>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>a button: closes the window</extracomment>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Dosya:</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Farklı Kaydet</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <extracomment>%1 is the path</extracomment>
        <translation>%1 zaten var.
Değiştirmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>the receiver&apos;s image</source>
        <translation>alıcının imajı</translation>
    </message>
    <message>
        <source>The channel lists do not differ: the bytes above lie outside what they show.</source>
        <translation>Kanal listeleri farklı değil: yukarıdaki baytlar, listelerin gösterdiği alanların dışında.</translation>
    </message>
    <message>
        <source>The image has 1 problem that the receiver may not handle. Send it anyway?</source>
        <translation>İmajda alıcının işleyemeyebileceği 1 sorun var. Yine de gönderilsin mi?</translation>
    </message>
    <message>
        <source>The image has %1 problems that the receiver may not handle. Send it anyway?</source>
        <extracomment>%1 is the number of problems (more than one)</extracomment>
        <translation>İmajda alıcının işleyemeyebileceği %1 sorun var. Yine de gönderilsin mi?</translation>
    </message>
    <message>
        <source>Send anyway</source>
        <translation>Yine de gönder</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Start sending on the receiver now. The image it holds comes back here, is kept in the archive and is compared byte for byte with %1.</source>
        <extracomment>%1 is the file name of the image sent</extracomment>
        <translation>Şimdi alıcıda göndermeyi başlatın. Alıcıdaki imaj buraya geri gelir, arşivde saklanır ve %1 ile bayt bayt karşılaştırılır.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
</context>
<context>
    <name>vormante::TransferEngine</name>
    <message>
        <source>No handshake from the receiver yet: it must be in its update mode, and the cable must be connected.</source>
        <translation>Alıcıdan henüz el sıkışma yok: alıcı güncelleme modunda ve kablo bağlı olmalı.</translation>
    </message>
    <message>
        <source>The receiver stopped answering: nothing arrived from it for 1 second.
The transfer has been stopped.</source>
        <translation>Alıcı yanıt vermeyi kesti: 1 saniyedir ondan hiçbir şey gelmedi.
Aktarım durduruldu.</translation>
    </message>
    <message>
        <source>The receiver stopped answering: nothing arrived from it for %1 seconds.
The transfer has been stopped.</source>
        <extracomment>%1 is the number of seconds (more than one)</extracomment>
        <translation>Alıcı yanıt vermeyi kesti: %1 saniyedir ondan hiçbir şey gelmedi.
Aktarım durduruldu.</translation>
    </message>
    <message>
        <source>The received image has 1 problem (broken chains, wrong counts or channel numbers). It was saved as the receiver holds it; opening it in the editor lists the problems.</source>
        <translation>Alınan imajda 1 sorun var (bozuk zincirler, yanlış sayılar veya kanal numaraları). Alıcıdaki haliyle kaydedildi; düzenleyicide açıldığında sorunlar listelenir.</translation>
    </message>
    <message>
        <source>The received image has %1 problems (broken chains, wrong counts or channel numbers). It was saved as the receiver holds it; opening it in the editor lists the problems.</source>
        <extracomment>%1 is the number of problems (more than one)</extracomment>
        <translation>Alınan imajda %1 sorun var (bozuk zincirler, yanlış sayılar veya kanal numaraları). Alıcıdaki haliyle kaydedildi; düzenleyicide açıldığında sorunlar listelenir.</translation>
    </message>
    <message>
        <source>The received data have not been saved.
Do you want to discard them?</source>
        <translation>Alınan veriler kaydedilmedi.
Atılsın mı?</translation>
    </message>
    <message>
        <source>The received data could not be saved to %1:
%2

Choose another name, or cancel to discard them.</source>
        <extracomment>%1 is the path, %2 the system&apos;s reason</extracomment>
        <translation>Alınan veriler %1 konumuna kaydedilemedi:
%2

Başka bir ad seçin veya atmak için iptal edin.</translation>
    </message>
    <message>
        <source>The connection to the receiver was lost.</source>
        <translation>Alıcıyla bağlantı koptu.</translation>
    </message>
    <message>
        <source>The connection to the receiver was lost (%1).</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Alıcıyla bağlantı koptu (%1).</translation>
    </message>
    <message>
        <source>The transfer has been stopped.</source>
        <translation>Aktarım durduruldu.</translation>
    </message>
    <message>
        <source>no file was chosen</source>
        <translation>hiçbir dosya seçilmedi</translation>
    </message>
    <message>
        <source>The file %1 is not sent: it is not a regular file (a pipe, a device or a folder), and a receiver image is always a plain file.</source>
        <translation>%1 dosyası gönderilmedi: normal bir dosya değil (boru, aygıt veya klasör); alıcı imajı her zaman düz bir dosyadır.</translation>
    </message>
    <message>
        <source>The file %1 can&apos;t be opened:
%2</source>
        <extracomment>%1 is the path, %2 the system&apos;s reason</extracomment>
        <translation>%1 dosyası açılamıyor:
%2</translation>
    </message>
    <message>
        <source>The file %1 is not sent: it holds %2 bytes, and a receiver image is exactly %3 bytes.
Padding it would overwrite the receiver&apos;s database with zeros.</source>
        <extracomment>%1 is the path, %2 the file&apos;s size, %3 an image&apos;s size</extracomment>
        <translation>%1 dosyası gönderilmedi: %2 bayt içeriyor, alıcı imajı ise tam olarak %3 bayttır.
Dosyayı doldurmak, alıcının veritabanının üzerine sıfırlar yazardı.</translation>
    </message>
    <message>
        <source>The file %1 is not sent: it is longer than a receiver image, which is exactly %2 bytes.</source>
        <extracomment>%1 is the path, %2 an image&apos;s size</extracomment>
        <translation>%1 dosyası gönderilmedi: bir alıcı imajından uzun; alıcı imajı tam olarak %2 bayttır.</translation>
    </message>
</context>
</TS>
