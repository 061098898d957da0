<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>ArchiveDialog</name>
    <message>
        <source>Time</source>
        <extracomment>Column caption: when the image was archived.</extracomment>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Kind</source>
        <extracomment>Column caption: received, sent or kept before saving.</extracomment>
        <translation>Rodzaj</translation>
    </message>
    <message>
        <source>File or port</source>
        <extracomment>Column caption: the file saved or the serial port used.</extracomment>
        <translation>Plik lub port</translation>
    </message>
    <message>
        <source>Satellites</source>
        <extracomment>Column caption: the number of satellites in the image.</extracomment>
        <translation>Satelity</translation>
    </message>
    <message>
        <source>Transponders</source>
        <extracomment>Column caption: the number of transponders in the image.</extracomment>
        <translation>Transpondery</translation>
    </message>
    <message>
        <source>Channels</source>
        <extracomment>Column caption: the number of channels in the image.</extracomment>
        <translation>Kanały</translation>
    </message>
    <message>
        <source>Received</source>
        <extracomment>An archived image&apos;s kind: received from the receiver.</extracomment>
        <translation>Odebrany</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Wysłany</translation>
    </message>
    <message>
        <source>Before saving</source>
        <translation>Przed zapisem</translation>
    </message>
    <message>
        <source>%1 (damaged)</source>
        <extracomment>%1 is an archived image&apos;s kind (Received, Sent, Before saving) whose file is damaged.</extracomment>
        <translation>%1 (uszkodzony)</translation>
    </message>
    <message>
        <source>Archive</source>
        <extracomment>The window of the images kept by the program (a noun).</extracomment>
        <translation>Archiwum</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>A button (a verb): open the archived image.</extracomment>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Compare with the open image</source>
        <translation>Porównaj z otwartym obrazem</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>A button (a verb): put the archived image into the open document.</extracomment>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>A button (a verb): delete the archived image.</extracomment>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Pokaż w folderze</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Open the image as a new, unnamed document</source>
        <translation>Otwórz obraz jako nowy dokument bez nazwy</translation>
    </message>
    <message>
        <source>Put the image into the open document, as one step Undo takes back</source>
        <translation>Wstaw obraz do otwartego dokumentu jako jeden krok, który można cofnąć</translation>
    </message>
    <message>
        <source>Keep at most</source>
        <extracomment>Before a number box; &quot;images&quot; follows it: &quot;Keep at most [50] images&quot;.</extracomment>
        <translation>Przechowuj najwyżej</translation>
    </message>
    <message>
        <source>images</source>
        <extracomment>After a number box: &quot;Keep at most [50] images&quot;.</extracomment>
        <translation>obrazów</translation>
    </message>
    <message>
        <source>Restore image of %1</source>
        <extracomment>The name of an edit step: %1 is when the image was archived.</extracomment>
        <translation>Przywróć obraz z %1</translation>
    </message>
    <message numerus="yes">
        <source>%n image in %1</source>
        <extracomment>%1 is the archive&apos;s folder.</extracomment>
        <translation>
            <numerusform>%n obraz w %1</numerusform>
            <numerusform>%n obrazy w %1</numerusform>
            <numerusform>%n obrazów w %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n images in %1</source>
        <translation>
            <numerusform>%n obraz w %1</numerusform>
            <numerusform>%n obrazy w %1</numerusform>
            <numerusform>%n obrazów w %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <extracomment>%1 names the archived image, %2 says why it cannot be read.</extracomment>
        <translation>Nie udało się odczytać: %1 – %2.</translation>
    </message>
    <message>
        <source>the open image</source>
        <translation>otwarty obraz</translation>
    </message>
    <message>
        <source>The open image is already the same as %1.</source>
        <extracomment>%1 names the archived image.</extracomment>
        <translation>Otwarty obraz jest już taki sam jak %1.</translation>
    </message>
    <message>
        <source>Delete %1 from the archive?</source>
        <extracomment>%1 names the archived image.</extracomment>
        <translation>Usunąć z archiwum: %1?</translation>
    </message>
    <message>
        <source>%1 could not be deleted: %2.</source>
        <extracomment>%1 names the archived image, %2 says why it could not be deleted.</extracomment>
        <translation>Nie udało się usunąć: %1 – %2.</translation>
    </message>
    <message>
        <source>The archive holds %1 images. Keeping at most %2 removes %3 of them now: the oldest copies from before saving first, received images last. Go ahead?</source>
        <extracomment>%1 is the number of images held, %2 the new bound, %3 the number removed.</extracomment>
        <translation>Liczba obrazów w archiwum: %1. Limit %2 oznacza usunięcie teraz %3 z nich: najpierw najstarszych kopii sprzed zapisu, na końcu obrazów odebranych. Kontynuować?</translation>
    </message>
    <message>
        <source>The bound could not be changed: %1.</source>
        <extracomment>%1 says why the number of images kept could not be changed.</extracomment>
        <translation>Nie udało się zmienić limitu: %1.</translation>
    </message>
</context>
<context>
    <name>ArchiveKeeper</name>
    <message>
        <source>the received image</source>
        <translation>odebrany obraz</translation>
    </message>
    <message>
        <source>the sent image</source>
        <translation>wysłany obraz</translation>
    </message>
    <message>
        <source>the file content before saving</source>
        <translation>zawartość pliku sprzed zapisu</translation>
    </message>
    <message>
        <source>The archive could not keep %1: %2. Transfers and saves go on without it.</source>
        <extracomment>%1 is what was to be kept, e.g. &quot;the received image&quot;; %2 the reason</extracomment>
        <translation>Nie udało się zachować w archiwum (%1): %2. Transfery i zapisy przebiegają dalej bez archiwum.</translation>
    </message>
    <message>
        <source>The archive kept %1, but %2.</source>
        <extracomment>%1 is what was kept, e.g. &quot;the received image&quot;; %2 what went wrong</extracomment>
        <translation>Archiwum zachowało %1, ale %2.</translation>
    </message>
    <message>
        <source>the image received on %1</source>
        <extracomment>%1 is the date and time</extracomment>
        <translation>obraz odebrany %1</translation>
    </message>
    <message>
        <source>the image received on %1 from %2</source>
        <extracomment>%1 is the date and time, %2 the serial port</extracomment>
        <translation>obraz odebrany %1 z %2</translation>
    </message>
    <message>
        <source>the image sent on %1</source>
        <extracomment>%1 is the date and time</extracomment>
        <translation>obraz wysłany %1</translation>
    </message>
    <message>
        <source>the image sent on %1 to %2</source>
        <extracomment>%1 is the date and time, %2 the file sent</extracomment>
        <translation>obraz wysłany %1 (%2)</translation>
    </message>
    <message>
        <source>the copy from before saving on %1</source>
        <extracomment>%1 is the date and time</extracomment>
        <translation>kopia sprzed zapisu %1</translation>
    </message>
    <message>
        <source>the copy from before saving on %1 (%2)</source>
        <extracomment>%1 is the date and time, %2 the file&apos;s name</extracomment>
        <translation>kopia sprzed zapisu %1 (%2)</translation>
    </message>
    <message>
        <source>The archive keeps at most %1 images: %2 was removed.</source>
        <extracomment>%1 is the archive&apos;s bound, %2 the image removed, e.g. &quot;the image sent on ...&quot;</extracomment>
        <translation>Archiwum przechowuje najwyżej %1 obrazów; usunięto: %2.</translation>
    </message>
    <message>
        <source>The archive keeps at most %1 images: %2 images were removed, the newest of them %3.</source>
        <extracomment>%1 is the archive&apos;s bound, %2 how many were removed, %3 the newest of them, e.g. &quot;the image sent on ...&quot;</extracomment>
        <translation>Archiwum przechowuje najwyżej %1 obrazów; usunięte obrazy: %2, najnowszy z nich: %3.</translation>
    </message>
</context>
<context>
    <name>BulkChannelCommands</name>
    <message numerus="yes">
        <source>%n channel</source>
        <extracomment>A number of channels in the name of an edit step, for example &quot;Move 3 channels to top&quot;.</extracomment>
        <translation>
            <numerusform>%n kanał</numerusform>
            <numerusform>%n kanały</numerusform>
            <numerusform>%n kanałów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n kanał</numerusform>
            <numerusform>%n kanały</numerusform>
            <numerusform>%n kanałów</numerusform>
        </translation>
    </message>
    <message>
        <source>Del Channel</source>
        <extracomment>The title of the question before channels are deleted.</extracomment>
        <translation>Usuń kanał</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channels?</source>
        <translation>
            <numerusform>Usunąć %n kanał?</numerusform>
            <numerusform>Usunąć %n kanały?</numerusform>
            <numerusform>Usunąć %n kanałów?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channels</source>
        <translation>
            <numerusform>Usuń %n kanał</numerusform>
            <numerusform>Usuń %n kanały</numerusform>
            <numerusform>Usuń %n kanałów</numerusform>
        </translation>
    </message>
    <message>
        <source>The channels have changed; nothing was deleted.</source>
        <translation>Kanały się zmieniły; niczego nie usunięto.</translation>
    </message>
    <message>
        <source>Move %1 to %2</source>
        <extracomment>The name of an edit step: %1 is a channel&apos;s name or a number of channels, %2 the new channel number.</extracomment>
        <translation>Przenieś %1 na nr %2</translation>
    </message>
    <message>
        <source>Move %1 to top</source>
        <extracomment>The name of an edit step: %1 is a channel&apos;s name or a number of channels.</extracomment>
        <translation>Przenieś %1 na początek</translation>
    </message>
    <message>
        <source>Move %1 to bottom</source>
        <extracomment>The name of an edit step: %1 is a channel&apos;s name or a number of channels.</extracomment>
        <translation>Przenieś %1 na koniec</translation>
    </message>
    <message>
        <source>Move %1 to one place up</source>
        <extracomment>The name of an edit step: %1 is a channel&apos;s name or a number of channels.</extracomment>
        <translation>Przenieś %1 o jedno miejsce w górę</translation>
    </message>
    <message>
        <source>Move %1 to one place down</source>
        <translation>Przenieś %1 o jedno miejsce w dół</translation>
    </message>
    <message>
        <source>Move %1 to before %2</source>
        <extracomment>The name of an edit step: %1 is a channel&apos;s name or a number of channels, %2 the name of the channel they now stand before.</extracomment>
        <translation>Przenieś %1 przed %2</translation>
    </message>
    <message>
        <source>Lock</source>
        <extracomment>The channel flag that locks a channel behind the receiver&apos;s PIN.</extracomment>
        <translation>Blokada</translation>
    </message>
    <message>
        <source>Fav 1</source>
        <extracomment>Favourite list 1 (a channel flag).</extracomment>
        <translation>Ulub. 1</translation>
    </message>
    <message>
        <source>Fav 2</source>
        <extracomment>Favourite list 2 (a channel flag).</extracomment>
        <translation>Ulub. 2</translation>
    </message>
    <message>
        <source>Fav 3</source>
        <extracomment>Favourite list 3 (a channel flag).</extracomment>
        <translation>Ulub. 3</translation>
    </message>
    <message>
        <source>Fav 4</source>
        <extracomment>Favourite list 4 (a channel flag).</extracomment>
        <translation>Ulub. 4</translation>
    </message>
    <message>
        <source>Set %1 on %2</source>
        <extracomment>The name of an edit step: %1 is a flag (Lock, Fav 1...), %2 a channel&apos;s name or a number of channels.</extracomment>
        <translation>Ustaw flagę %1: %2</translation>
    </message>
    <message>
        <source>Clear %1 on %2</source>
        <extracomment>The name of an edit step: %1 is a flag (Lock, Fav 1...), %2 a channel&apos;s name or a number of channels.</extracomment>
        <translation>Wyczyść flagę %1: %2</translation>
    </message>
    <message>
        <source>Flags</source>
        <extracomment>The submenu that sets and clears the lock and favourite flags.</extracomment>
        <translation>Flagi</translation>
    </message>
    <message>
        <source>Set %1</source>
        <extracomment>A menu item: %1 is a flag (Lock, Fav 1...).</extracomment>
        <translation>Ustaw flagę %1</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Wyczyść flagę %1</translation>
    </message>
    <message>
        <source>Keep the shown order</source>
        <translation>Zachowaj pokazaną kolejność</translation>
    </message>
    <message>
        <source>The channels have changed; the order was not kept.</source>
        <translation>Kanały się zmieniły; kolejność nie została zachowana.</translation>
    </message>
    <message>
        <source>Keep this order</source>
        <translation>Zachowaj tę kolejność</translation>
    </message>
</context>
<context>
    <name>ChannelCommands</name>
    <message>
        <source>Add Channel</source>
        <translation>Dodaj kanał</translation>
    </message>
    <message>
        <source>Add channel %1</source>
        <extracomment>The name of an edit step: %1 is the channel&apos;s name.</extracomment>
        <translation>Dodaj kanał %1</translation>
    </message>
    <message>
        <source>Prog is Full!</source>
        <translation>Brak miejsca na kanały!</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Edytuj kanał</translation>
    </message>
    <message>
        <source>Edit channel %1</source>
        <extracomment>The name of an edit step: %1 is the channel&apos;s name.</extracomment>
        <translation>Edytuj kanał %1</translation>
    </message>
    <message>
        <source>The channels have changed; nothing was stored.</source>
        <translation>Kanały się zmieniły; niczego nie zapisano.</translation>
    </message>
    <message>
        <source>Del Channel</source>
        <extracomment>The title of the question before a channel is deleted.</extracomment>
        <translation>Usuń kanał</translation>
    </message>
    <message>
        <source>Delete channel %1</source>
        <extracomment>The name of an edit step: %1 is the channel&apos;s name.</extracomment>
        <translation>Usuń kanał %1</translation>
    </message>
</context>
<context>
    <name>ChannelDatabase</name>
    <message>
        <source>The file holds %1 bytes, but a receiver database image holds exactly %2 bytes. It is not an image and was not opened.</source>
        <extracomment>%1 is the file&apos;s size in bytes, %2 the size of every image</extracomment>
        <translation>Plik ma %1 bajtów, a obraz bazy danych odbiornika ma dokładnie %2 bajtów. To nie jest obraz, więc nie został otwarty.</translation>
    </message>
</context>
<context>
    <name>ChannelDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Channel Name:</source>
        <translation>Nazwa kanału:</translation>
    </message>
    <message>
        <source>Video PID:</source>
        <extracomment>PID: the packet identifier of a stream in the transport stream.</extracomment>
        <translation>PID wideo:</translation>
    </message>
    <message>
        <source>Audio PID:</source>
        <translation>PID audio:</translation>
    </message>
    <message>
        <source>PCR PID:</source>
        <extracomment>PCR: the programme clock reference.</extracomment>
        <translation>PID PCR:</translation>
    </message>
    <message>
        <source>TTxt PID:</source>
        <extracomment>TTxt: teletext.</extracomment>
        <translation>PID TTxt:</translation>
    </message>
    <message>
        <source>Satellite:</source>
        <translation>Satelita:</translation>
    </message>
    <message>
        <source>TransponderID:</source>
        <translation>ID transpondera:</translation>
    </message>
    <message>
        <source>Lock:</source>
        <extracomment>The channel flag that locks a channel behind the receiver&apos;s PIN.</extracomment>
        <translation>Blokada:</translation>
    </message>
    <message>
        <source>Fav 1:</source>
        <extracomment>Favourite list 1 (a channel flag).</extracomment>
        <translation>Ulub. 1:</translation>
    </message>
    <message>
        <source>Fav 2:</source>
        <extracomment>Favourite list 2 (a channel flag).</extracomment>
        <translation>Ulub. 2:</translation>
    </message>
    <message>
        <source>Fav 3:</source>
        <extracomment>Favourite list 3 (a channel flag).</extracomment>
        <translation>Ulub. 3:</translation>
    </message>
    <message>
        <source>Fav 4:</source>
        <extracomment>Favourite list 4 (a channel flag).</extracomment>
        <translation>Ulub. 4:</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <extracomment>The channel flag of an encrypted channel.</extracomment>
        <translation>Kodowany</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID wideo</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID audio</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>TTxt PID</source>
        <extracomment>TTxt: teletext.</extracomment>
        <translation>PID TTxt</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Nazwa kanału</translation>
    </message>
</context>
<context>
    <name>ChannelList</name>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line number of the list, %2 what is wrong there</extracomment>
        <translation>wiersz %1: %2</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>pole w cudzysłowie nie jest zamknięte</translation>
    </message>
    <message>
        <source>text follows the closing quote of field %1</source>
        <extracomment>%1 is the field&apos;s number in its row</extracomment>
        <translation>za cudzysłowem zamykającym pole %1 jest tekst</translation>
    </message>
    <message>
        <source>more than %1 fields hold text; a channel list has %2 columns</source>
        <translation>więcej niż %1 pól zawiera tekst; lista kanałów ma %2 kolumn</translation>
    </message>
    <message>
        <source>%1 %2 is not a satellite position like 19.2E or 5.0W</source>
        <extracomment>%1 is a column header of the list (not translated), %2 the quoted field</extracomment>
        <translation>%1 %2 nie jest pozycją satelity w rodzaju 19.2E lub 5.0W</translation>
    </message>
    <message>
        <source>%1 %2 is not TV or Radio</source>
        <translation>%1 %2 nie jest wartością TV ani Radio</translation>
    </message>
    <message>
        <source>%1 %2 is not a channel number</source>
        <translation>%1 %2 nie jest numerem kanału</translation>
    </message>
    <message>
        <source>%1 %2 is not a frequency in MHz</source>
        <translation>%1 %2 nie jest częstotliwością w MHz</translation>
    </message>
    <message>
        <source>%1 %2 is not H or V</source>
        <translation>%1 %2 nie jest wartością H ani V</translation>
    </message>
    <message>
        <source>%1 %2 is not a symbol rate in kS/s</source>
        <translation>%1 %2 nie jest prędkością symbolową w kS/s</translation>
    </message>
    <message>
        <source>%1 %2 is not a PID from 0 to 16383</source>
        <translation>%1 %2 nie jest PID-em z zakresu od 0 do 16383</translation>
    </message>
    <message>
        <source>%1 %2 is not 1 or 0</source>
        <translation>%1 %2 nie jest wartością 1 ani 0</translation>
    </message>
    <message>
        <source>the list is larger than %1 MB</source>
        <translation>lista jest większa niż %1 MB</translation>
    </message>
    <message>
        <source>not a channel list: the header row has no comma, semicolon or tab</source>
        <translation>to nie jest lista kanałów: wiersz nagłówka nie zawiera przecinka, średnika ani tabulatora</translation>
    </message>
    <message>
        <source>not a channel list: the header row has no &quot;%1&quot; column</source>
        <extracomment>%1 is a column header of the list (not translated)</extracomment>
        <translation>to nie jest lista kanałów: w wierszu nagłówka brak kolumny „%1”</translation>
    </message>
    <message>
        <source>the list has more than %1 rows; an image holds at most %2 channels</source>
        <translation>lista ma więcej niż %1 wierszy; obraz mieści najwyżej %2 kanałów</translation>
    </message>
    <message>
        <source>%1 fields where the header has %2</source>
        <extracomment>%1 is the row&apos;s number of fields, %2 the header&apos;s</extracomment>
        <translation>liczba pól: %1, a w nagłówku: %2</translation>
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
        <translation>Kodowane najpierw</translation>
    </message>
    <message>
        <source>Scr down</source>
        <extracomment>Sort the scrambled (encrypted) channels last.</extracomment>
        <translation>Kodowane na końcu</translation>
    </message>
    <message>
        <source>Freq up</source>
        <extracomment>Sort by frequency, lowest first.</extracomment>
        <translation>Częst. rosnąco</translation>
    </message>
    <message>
        <source>Freq down</source>
        <extracomment>Sort by frequency, highest first.</extracomment>
        <translation>Częst. malejąco</translation>
    </message>
    <message>
        <source>	 Do you want to del channel [%1]?		</source>
        <extracomment>%1 is the channel&apos;s name; keep the tabs.</extracomment>
        <translation>	 Czy usunąć kanał [%1]?		</translation>
    </message>
    <message>
        <source>Select Satellite:</source>
        <translation>Wybierz satelitę:</translation>
    </message>
    <message>
        <source>TV</source>
        <extracomment>Show the TV channels (a choice beside Radio).</extracomment>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <extracomment>Show the radio channels (a choice beside TV).</extracomment>
        <translation>Radio</translation>
    </message>
    <message>
        <source>TV No:</source>
        <extracomment>The number of TV channels follows.</extracomment>
        <translation>Kanały TV:</translation>
    </message>
    <message>
        <source>Radio No:</source>
        <extracomment>The number of radio channels follows.</extracomment>
        <translation>Kanały radiowe:</translation>
    </message>
    <message>
        <source>Total No:</source>
        <extracomment>The number of all channels follows.</extracomment>
        <translation>Razem:</translation>
    </message>
    <message>
        <source>Add Channel...</source>
        <translation>Dodaj kanał...</translation>
    </message>
    <message>
        <source>Edit Channel...</source>
        <translation>Edytuj kanał...</translation>
    </message>
    <message>
        <source>Del Channel</source>
        <extracomment>Delete the channel (a menu item).</extracomment>
        <translation>Usuń kanał</translation>
    </message>
    <message>
        <source>Sort</source>
        <extracomment>A submenu: the ways to sort the channels.</extracomment>
        <translation>Sortuj</translation>
    </message>
    <message>
        <source>Move</source>
        <extracomment>A menu item (a verb): move the channel to a number typed in.</extracomment>
        <translation>Przenieś</translation>
    </message>
    <message>
        <source>Move to top</source>
        <translation>Przenieś na początek</translation>
    </message>
    <message>
        <source>Move to bottom</source>
        <translation>Przenieś na koniec</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Przenieś w górę</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Przenieś w dół</translation>
    </message>
    <message>
        <source>Sort %1 on %2</source>
        <extracomment>The name of an edit step: %1 is the sort (a..Z, Freq up...), %2 the satellite.</extracomment>
        <translation>Sortuj %2: %1</translation>
    </message>
    <message>
        <source>Error Input!</source>
        <translation>Błędne dane!</translation>
    </message>
    <message>
        <source>Move %1 to %2</source>
        <extracomment>The name of an edit step: %1 is the channel&apos;s name, %2 its new number.</extracomment>
        <translation>Przenieś %1 na nr %2</translation>
    </message>
</context>
<context>
    <name>ChannelOrderPlan</name>
    <message>
        <source>channel slot %1 lies on the chains of satellite slots %2 and %3</source>
        <translation>rekord kanału %1 leży na łańcuchach rekordów satelitów %2 i %3</translation>
    </message>
</context>
<context>
    <name>ChannelRowTexts</name>
    <message>
        <source>No</source>
        <extracomment>Column caption: the channel&apos;s place in the list.</extracomment>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Nazwa kanału</translation>
    </message>
    <message>
        <source>v pid</source>
        <extracomment>Column caption: video PID.</extracomment>
        <translation>pid v</translation>
    </message>
    <message>
        <source>a pid</source>
        <extracomment>Column caption: audio PID.</extracomment>
        <translation>pid a</translation>
    </message>
    <message>
        <source>pcr pid</source>
        <extracomment>Column caption: PCR (programme clock reference) PID.</extracomment>
        <translation>pid pcr</translation>
    </message>
    <message>
        <source>txt pid</source>
        <extracomment>Column caption: teletext PID.</extracomment>
        <translation>pid txt</translation>
    </message>
    <message>
        <source>lock</source>
        <extracomment>Column caption: the lock flag.</extracomment>
        <translation>blok.</translation>
    </message>
    <message>
        <source>scr</source>
        <extracomment>Column caption: the scrambled (encrypted) flag.</extracomment>
        <translation>kod.</translation>
    </message>
    <message>
        <source>fav 1</source>
        <extracomment>Column caption: favourite list 1.</extracomment>
        <translation>ulub. 1</translation>
    </message>
    <message>
        <source>fav 2</source>
        <extracomment>Column caption: favourite list 2.</extracomment>
        <translation>ulub. 2</translation>
    </message>
    <message>
        <source>fav 3</source>
        <extracomment>Column caption: favourite list 3.</extracomment>
        <translation>ulub. 3</translation>
    </message>
    <message>
        <source>fav 4</source>
        <extracomment>Column caption: favourite list 4.</extracomment>
        <translation>ulub. 4</translation>
    </message>
    <message>
        <source>CH No</source>
        <extracomment>Column caption: the channel number the receiver stores.</extracomment>
        <translation>Nr kan.</translation>
    </message>
    <message>
        <source>Sat</source>
        <extracomment>Column caption: the satellite.</extracomment>
        <translation>Sat</translation>
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
        <translation>nieznany błąd</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>Title of the message box.</extracomment>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>The command could not be completed (%1). The image was left as it was before the command.</source>
        <extracomment>%1: why the command failed.</extracomment>
        <translation>Nie udało się wykonać polecenia (%1). Obraz pozostał taki jak przed poleceniem.</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Compare with %1</source>
        <extracomment>%1 names the other image (a file name or an archived copy).</extracomment>
        <translation>Porównanie z: %1</translation>
    </message>
    <message>
        <source>The images do not differ.</source>
        <translation>Obrazy się nie różnią.</translation>
    </message>
    <message>
        <source>No compared field differs, but bytes do: %1.</source>
        <translation>Żadne porównywane pole się nie różni, ale bajty tak: %1.</translation>
    </message>
    <message>
        <source>From %1 to %2; &quot;added&quot; is only in %2, &quot;removed&quot; only in %1.</source>
        <translation>Od %1 do %2; „dodany” występuje tylko w %2, „usunięty” tylko w %1.</translation>
    </message>
    <message>
        <source>Satellite %1 (%2): %3</source>
        <extracomment>%1 is the satellite&apos;s name, %2 its position, %3 what happened to it (added, removed, changed).</extracomment>
        <translation>Satelita %1 (%2): %3</translation>
    </message>
    <message>
        <source>Transponder %1: %2</source>
        <extracomment>%1 is the transponder, %2 what happened to it (added, removed, changed).</extracomment>
        <translation>Transponder %1: %2</translation>
    </message>
    <message>
        <source>Settings: changed</source>
        <translation>Ustawienia: zmienione</translation>
    </message>
    <message>
        <source>Bytes that differ</source>
        <translation>Różniące się bajty</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n byte</source>
        <extracomment>%1 is a table of the image (satellites, channels...).</extracomment>
        <translation>
            <numerusform>%1: %n bajt</numerusform>
            <numerusform>%1: %n bajty</numerusform>
            <numerusform>%1: %n bajtów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n bytes</source>
        <translation>
            <numerusform>%1: %n bajt</numerusform>
            <numerusform>%1: %n bajty</numerusform>
            <numerusform>%1: %n bajtów</numerusform>
        </translation>
    </message>
    <message>
        <source>Save report...</source>
        <translation>Zapisz raport...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Save the comparison</source>
        <translation>Zapisz porównanie</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Pliki tekstowe (*.txt);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>The report could not be saved: %1</source>
        <translation>Nie udało się zapisać raportu: %1</translation>
    </message>
</context>
<context>
    <name>ConsistencyCheck</name>
    <message>
        <source>Satellite slot %1: the transponder chain starts at slot %2, outside the table.</source>
        <translation>Rekord satelity %1: łańcuch transponderów zaczyna się w rekordzie %2, poza tabelą.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain links slot %2 to slot %3, outside the table.</source>
        <translation>Rekord satelity %1: łańcuch transponderów łączy rekord %2 z rekordem %3, poza tabelą.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain comes back to slot %2 after slot %3.</source>
        <translation>Rekord satelity %1: łańcuch transponderów wraca do rekordu %2 po rekordzie %3.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain reaches slot %2, which is on the chain of satellite slot %3 as well.</source>
        <translation>Rekord satelity %1: łańcuch transponderów dochodzi do rekordu %2, który leży także na łańcuchu rekordu satelity %3.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain starts at slot %2, whose previous link is %3 instead of none.</source>
        <translation>Rekord satelity %1: łańcuch transponderów zaczyna się w rekordzie %2, którego poprzednim łączem jest %3 zamiast żadnego.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain goes from slot %2 to slot %3, whose previous link is %4.</source>
        <translation>Rekord satelity %1: łańcuch transponderów prowadzi z rekordu %2 do rekordu %3, którego poprzednim łączem jest %4.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain&apos;s tail is %2, but the chain is empty.</source>
        <translation>Rekord satelity %1: koniec łańcucha transponderów to %2, ale łańcuch jest pusty.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain&apos;s tail is %2, but the chain ends at slot %3.</source>
        <translation>Rekord satelity %1: koniec łańcucha transponderów to %2, ale łańcuch kończy się w rekordzie %3.</translation>
    </message>
    <message>
        <source>Satellite slot %1 counts %2 transponders, but its chain holds %3.</source>
        <translation>Rekord satelity %1 podaje liczbę transponderów %2, ale jego łańcuch zawiera %3.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain starts at slot %2, outside the table.</source>
        <translation>Rekord satelity %1: łańcuch kanałów zaczyna się w rekordzie %2, poza tabelą.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain links slot %2 to slot %3, outside the table.</source>
        <translation>Rekord satelity %1: łańcuch kanałów łączy rekord %2 z rekordem %3, poza tabelą.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain comes back to slot %2 after slot %3.</source>
        <translation>Rekord satelity %1: łańcuch kanałów wraca do rekordu %2 po rekordzie %3.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain reaches slot %2, which is on the chain of satellite slot %3 as well.</source>
        <translation>Rekord satelity %1: łańcuch kanałów dochodzi do rekordu %2, który leży także na łańcuchu rekordu satelity %3.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain starts at slot %2, whose previous link is %3 instead of none.</source>
        <translation>Rekord satelity %1: łańcuch kanałów zaczyna się w rekordzie %2, którego poprzednim łączem jest %3 zamiast żadnego.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain goes from slot %2 to slot %3, whose previous link is %4.</source>
        <translation>Rekord satelity %1: łańcuch kanałów prowadzi z rekordu %2 do rekordu %3, którego poprzednim łączem jest %4.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain&apos;s tail is %2, but the chain is empty.</source>
        <translation>Rekord satelity %1: koniec łańcucha kanałów to %2, ale łańcuch jest pusty.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain&apos;s tail is %2, but the chain ends at slot %3.</source>
        <translation>Rekord satelity %1: koniec łańcucha kanałów to %2, ale łańcuch kończy się w rekordzie %3.</translation>
    </message>
    <message>
        <source>Satellite slot %1 counts %2 channels, but its chain holds %3.</source>
        <translation>Rekord satelity %1 podaje liczbę kanałów %2, ale jego łańcuch zawiera %3.</translation>
    </message>
    <message>
        <source>The satellite count is %1, but %2 satellite slots are in use.</source>
        <translation>Liczba satelitów wynosi %1, ale zajętych rekordów satelitów jest %2.</translation>
    </message>
    <message>
        <source>Satellite slot %1: transponder slot %2 is on the chain but free.</source>
        <translation>Rekord satelity %1: rekord transpondera %2 jest na łańcuchu, ale jest wolny.</translation>
    </message>
    <message>
        <source>Satellite slot %1: transponder slot %2 is on the chain but names satellite slot %3.</source>
        <translation>Rekord satelity %1: rekord transpondera %2 jest na łańcuchu, ale wskazuje rekord satelity %3.</translation>
    </message>
    <message>
        <source>Satellite slot %1 holds channels, but its state is %2 instead of 1, so they are never renumbered.</source>
        <translation>Rekord satelity %1 zawiera kanały, ale jego stan to %2 zamiast 1, więc nigdy nie są one przenumerowywane.</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 has service type %3, but its video PID makes it radio (2).</source>
        <extracomment>%1 satellite slot, %2 channel slot, %3 the stored service type</extracomment>
        <translation>Rekord satelity %1: rekord kanału %2 ma typ usługi %3, ale jego PID wideo wskazuje na radio (2).</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 has service type %3, but its video PID makes it TV (1).</source>
        <translation>Rekord satelity %1: rekord kanału %2 ma typ usługi %3, ale jego PID wideo wskazuje na TV (1).</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 has number %3, but its place among the radio channels makes it %4.</source>
        <extracomment>%1 satellite slot, %2 channel slot, %3 the stored number, %4 the number it should have</extracomment>
        <translation>Rekord satelity %1: rekord kanału %2 ma numer %3, ale jego miejsce wśród kanałów radiowych wymaga numeru %4.</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 has number %3, but its place among the TV channels makes it %4.</source>
        <translation>Rekord satelity %1: rekord kanału %2 ma numer %3, ale jego miejsce wśród kanałów TV wymaga numeru %4.</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 is on the chain but free.</source>
        <translation>Rekord satelity %1: rekord kanału %2 jest na łańcuchu, ale jest wolny.</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 names transponder %3, which is no transponder slot.</source>
        <extracomment>%3 is the stored transponder number, which names no slot</extracomment>
        <translation>Rekord satelity %1: rekord kanału %2 wskazuje transponder %3, a taki rekord transpondera nie istnieje.</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 names transponder slot %3, which is free.</source>
        <translation>Rekord satelity %1: rekord kanału %2 wskazuje rekord transpondera %3, który jest wolny.</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 names transponder slot %3 of satellite slot %4.</source>
        <translation>Rekord satelity %1: rekord kanału %2 wskazuje rekord transpondera %3 należący do rekordu satelity %4.</translation>
    </message>
    <message>
        <source>Transponder slot %1 is in use, but no satellite&apos;s chain reaches it.</source>
        <translation>Rekord transpondera %1 jest zajęty, ale nie prowadzi do niego łańcuch żadnego satelity.</translation>
    </message>
    <message>
        <source>Channel slot %1 is in use, but no satellite&apos;s chain reaches it.</source>
        <translation>Rekord kanału %1 jest zajęty, ale nie prowadzi do niego łańcuch żadnego satelity.</translation>
    </message>
</context>
<context>
    <name>DialogLayout</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
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
        <translation>brak transpondera</translation>
    </message>
    <message>
        <source>Radio</source>
        <extracomment>A channel&apos;s kind, before its number: &quot;Radio 3 Bayern 1&quot;.</extracomment>
        <translation>Radio</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Find duplicates</source>
        <translation>Znajdź duplikaty</translation>
    </message>
    <message>
        <source>Delete selected</source>
        <translation>Usuń zaznaczone</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>No channel is stored twice.</source>
        <translation>Żaden kanał nie jest zapisany dwukrotnie.</translation>
    </message>
    <message>
        <source>Stored more than once: %1. Selected for deletion: %2.</source>
        <extracomment>%1 is a number of services (&quot;3 services&quot;), %2 a number of channels.</extracomment>
        <translation>Zapisane więcej niż raz: %1. Zaznaczone do usunięcia: %2.</translation>
    </message>
    <message>
        <source>The image is damaged: %1, so nothing can be deleted; the consistency check lists its problems.</source>
        <translation>Obraz jest uszkodzony: %1, więc nie można niczego usunąć; kontrola spójności wymienia jego problemy.</translation>
    </message>
</context>
<context>
    <name>FindChannelDialog</name>
    <message>
        <source>Find Channel</source>
        <translation>Znajdź kanał</translation>
    </message>
    <message>
        <source>Name, channel number or PID</source>
        <translation>Nazwa, numer kanału lub PID</translation>
    </message>
    <message>
        <source>TV</source>
        <extracomment>A channel&apos;s kind (beside Radio).</extracomment>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <extracomment>A channel&apos;s kind (beside TV).</extracomment>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Type a name, a channel number or a PID.</source>
        <translation>Proszę wpisać nazwę, numer kanału lub PID.</translation>
    </message>
    <message>
        <source>No channel found.</source>
        <translation>Nie znaleziono kanału.</translation>
    </message>
    <message>
        <source>1 channel found.</source>
        <translation>Znaleziono 1 kanał.</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelita</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>TV/Radio</source>
        <extracomment>Column caption: whether the channel is a TV or a radio channel.</extracomment>
        <translation>TV/Radio</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>Column caption: the channel&apos;s number in its list.</extracomment>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Nazwa kanału</translation>
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
            <numerusform>Znaleziono %n kanał.</numerusform>
            <numerusform>Znaleziono %n kanały.</numerusform>
            <numerusform>Znaleziono %n kanałów.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImageArchive</name>
    <message>
        <source>The archive&apos;s index could not be repaired: %1</source>
        <extracomment>%1 is the reason</extracomment>
        <translation>Nie udało się naprawić indeksu archiwum: %1</translation>
    </message>
    <message>
        <source>it is not a whole image (%1 bytes)</source>
        <extracomment>%1 is the file&apos;s size</extracomment>
        <translation>to nie jest pełny obraz (%1 bajtów)</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <extracomment>%1 is the folder</extracomment>
        <translation>nie można utworzyć folderu %1</translation>
    </message>
    <message>
        <source>the archive is busy; its index lists the image later</source>
        <translation>archiwum jest zajęte; jego indeks uwzględni obraz później</translation>
    </message>
    <message>
        <source>the archive&apos;s index could not be written: %1</source>
        <extracomment>%1 is the reason</extracomment>
        <translation>nie udało się zapisać indeksu archiwum: %1</translation>
    </message>
    <message>
        <source>the archive holds no image %1</source>
        <extracomment>%1 is the image&apos;s name in the archive</extracomment>
        <translation>archiwum nie zawiera obrazu %1</translation>
    </message>
    <message>
        <source>the archived image %1 is damaged: its file %2 is not a whole image of %3 bytes</source>
        <extracomment>%1 is the image&apos;s name in the archive, %2 its file, %3 an image&apos;s size</extracomment>
        <translation>zarchiwizowany obraz %1 jest uszkodzony: jego plik %2 nie jest pełnym obrazem o rozmiarze %3 bajtów</translation>
    </message>
    <message>
        <source>the archive is busy; try again</source>
        <translation>archiwum jest zajęte; proszę spróbować ponownie</translation>
    </message>
</context>
<context>
    <name>ImageDiff</name>
    <message>
        <source>sector headers</source>
        <translation>nagłówki sektorów</translation>
    </message>
    <message>
        <source>%1 in the sector headers</source>
        <translation>%1 w nagłówkach sektorów</translation>
    </message>
    <message>
        <source>satellite table</source>
        <translation>tabela satelitów</translation>
    </message>
    <message>
        <source>%1 in the satellite table</source>
        <translation>%1 w tabeli satelitów</translation>
    </message>
    <message>
        <source>transponder marks</source>
        <translation>znaczniki transponderów</translation>
    </message>
    <message>
        <source>%1 in the transponder marks</source>
        <translation>%1 w znacznikach transponderów</translation>
    </message>
    <message>
        <source>settings</source>
        <translation>ustawienia</translation>
    </message>
    <message>
        <source>%1 in the settings</source>
        <translation>%1 w ustawieniach</translation>
    </message>
    <message>
        <source>transponder table</source>
        <translation>tabela transponderów</translation>
    </message>
    <message>
        <source>%1 in the transponder table</source>
        <translation>%1 w tabeli transponderów</translation>
    </message>
    <message>
        <source>channel table</source>
        <translation>tabela kanałów</translation>
    </message>
    <message>
        <source>%1 in the channel table</source>
        <translation>%1 w tabeli kanałów</translation>
    </message>
    <message>
        <source>unused bytes</source>
        <translation>nieużywane bajty</translation>
    </message>
    <message>
        <source>%1 of the unused bytes</source>
        <translation>%1 wśród nieużywanych bajtów</translation>
    </message>
    <message>
        <source>%1 MHz %2 %3 kS/s</source>
        <extracomment>A transponder: %1 frequency, %2 polarization V or H, %3 symbol rate</extracomment>
        <translation>%1 MHz %2 %3 kS/s</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>częstotliwość</translation>
    </message>
    <message>
        <source>symbol rate</source>
        <translation>prędkość symbolowa</translation>
    </message>
    <message>
        <source>TV %1 %2</source>
        <extracomment>A channel: %1 its number, %2 its name</extracomment>
        <translation>TV %1 %2</translation>
    </message>
    <message>
        <source>Radio %1 %2</source>
        <translation>Radio %1 %2</translation>
    </message>
    <message>
        <source>lock</source>
        <extracomment>A channel&apos;s flags in the list of differences</extracomment>
        <translation>blokada</translation>
    </message>
    <message>
        <source>scrambled</source>
        <translation>kodowany</translation>
    </message>
    <message>
        <source>fav 1</source>
        <translation>ulub. 1</translation>
    </message>
    <message>
        <source>fav 2</source>
        <translation>ulub. 2</translation>
    </message>
    <message>
        <source>fav 3</source>
        <translation>ulub. 3</translation>
    </message>
    <message>
        <source>fav 4</source>
        <translation>ulub. 4</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nazwa</translation>
    </message>
    <message>
        <source>number</source>
        <translation>numer</translation>
    </message>
    <message>
        <source>polarization</source>
        <translation>polaryzacja</translation>
    </message>
    <message>
        <source>video PID</source>
        <translation>PID wideo</translation>
    </message>
    <message>
        <source>audio PID</source>
        <translation>PID audio</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>teletext PID</source>
        <translation>PID telegazety</translation>
    </message>
    <message>
        <source>standby</source>
        <extracomment>A receiver setting&apos;s name in the list of differences</extracomment>
        <translation>czuwanie</translation>
    </message>
    <message>
        <source>aspect ratio</source>
        <translation>format obrazu</translation>
    </message>
    <message>
        <source>menu language</source>
        <translation>język menu</translation>
    </message>
    <message>
        <source>RF channel</source>
        <translation>kanał RF</translation>
    </message>
    <message>
        <source>sound system</source>
        <translation>system dźwięku</translation>
    </message>
    <message>
        <source>colour system</source>
        <translation>system koloru</translation>
    </message>
    <message>
        <source>receiver lock</source>
        <translation>blokada odbiornika</translation>
    </message>
    <message>
        <source>menu lock</source>
        <translation>blokada menu</translation>
    </message>
    <message>
        <source>delay time</source>
        <translation>czas opóźnienia</translation>
    </message>
    <message>
        <source>time zone</source>
        <translation>strefa czasowa</translation>
    </message>
    <message>
        <source>GMT usage</source>
        <translation>użycie GMT</translation>
    </message>
    <message>
        <source>summer time</source>
        <translation>czas letni</translation>
    </message>
    <message>
        <source>time offset</source>
        <translation>przesunięcie czasu</translation>
    </message>
    <message>
        <source>current satellite</source>
        <translation>bieżący satelita</translation>
    </message>
    <message>
        <source>transparency</source>
        <translation>przezroczystość</translation>
    </message>
    <message>
        <source>volume left</source>
        <translation>głośność lewa</translation>
    </message>
    <message>
        <source>volume right</source>
        <translation>głośność prawa</translation>
    </message>
    <message>
        <source>PIN code</source>
        <translation>kod PIN</translation>
    </message>
    <message>
        <source>LNB Type%1 low frequency</source>
        <extracomment>An LNB type&apos;s setting; %1 is the type&apos;s number (the receiver calls its types Type1..Type8)</extracomment>
        <translation>LNB Type%1 częstotliwość dolna</translation>
    </message>
    <message>
        <source>LNB Type%1 high frequency</source>
        <translation>LNB Type%1 częstotliwość górna</translation>
    </message>
    <message>
        <source>LNB Type%1 low band</source>
        <translation>LNB Type%1 pasmo dolne</translation>
    </message>
    <message>
        <source>LNB Type%1 high band</source>
        <translation>LNB Type%1 pasmo górne</translation>
    </message>
    <message>
        <source>LNB Type%1 DiSEqC</source>
        <translation>LNB Type%1 DiSEqC</translation>
    </message>
    <message>
        <source>LNB Type%1 polarity control</source>
        <translation>LNB Type%1 sterowanie polaryzacją</translation>
    </message>
    <message>
        <source>LNB Type%1 band control</source>
        <translation>LNB Type%1 sterowanie pasmem</translation>
    </message>
    <message>
        <source>LNB Type%1 22 kHz tone</source>
        <translation>LNB Type%1 ton 22 kHz</translation>
    </message>
    <message>
        <source>LNB Type%1 12 V switch</source>
        <translation>LNB Type%1 przełącznik 12 V</translation>
    </message>
    <message>
        <source>LNB Type%1 LNB power</source>
        <translation>LNB Type%1 zasilanie LNB</translation>
    </message>
    <message>
        <source>added</source>
        <extracomment>What happened to a satellite, transponder or channel from the first image to the second</extracomment>
        <translation>dodany</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>usunięty</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>zmieniony</translation>
    </message>
    <message>
        <source>LNB type</source>
        <translation>typ LNB</translation>
    </message>
    <message>
        <source>Differences from %1 to %2</source>
        <extracomment>%1 and %2 are the names of the compared images</extracomment>
        <translation>Różnice od %1 do %2</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Brak różnic.</translation>
    </message>
    <message>
        <source>No compared field differs, but bytes do.</source>
        <translation>Żadne porównywane pole się nie różni, ale bajty tak.</translation>
    </message>
    <message>
        <source>Satellite %1 (%2): %3</source>
        <extracomment>%1 satellite name, %2 its position, %3 added, removed or changed</extracomment>
        <translation>Satelita %1 (%2): %3</translation>
    </message>
    <message>
        <source>Transponder %1: %2</source>
        <extracomment>%1 a transponder (frequency, polarization, symbol rate), %2 added, removed or changed</extracomment>
        <translation>Transponder %1: %2</translation>
    </message>
    <message>
        <source>Settings: changed</source>
        <translation>Ustawienia: zmienione</translation>
    </message>
    <message>
        <source>Bytes that differ: %1.</source>
        <extracomment>%1 lists the differing bytes per part, e.g. &quot;3 in the channel table, 2 of the unused bytes&quot;</extracomment>
        <translation>Różniące się bajty: %1.</translation>
    </message>
</context>
<context>
    <name>ImageFile</name>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Why a file is refused; follows &quot;Cannot read/write FILE: &quot;</extracomment>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <extracomment>%1 is the quoted file name, %2 the reason</extracomment>
        <translation>Nie można odczytać pliku %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <extracomment>%1 is the quoted file name, %2 the reason</extracomment>
        <translation>Nie można zapisać pliku %1: %2</translation>
    </message>
    <message>
        <source> (the file was being overwritten in place and may be incomplete)</source>
        <extracomment>Follows the system&apos;s reason why writing failed</extracomment>
        <translation> (plik był nadpisywany w miejscu i może być niekompletny)</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <extracomment>%1 is the quoted file name, %2 the system&apos;s reason</extracomment>
        <translation>Nie można otworzyć pliku %1: %2</translation>
    </message>
    <message>
        <source>it is too large to be kept in a backup</source>
        <translation>plik jest zbyt duży, by przechowywać go w kopii zapasowej</translation>
    </message>
    <message>
        <source>Cannot back up %1 to %2: %3</source>
        <extracomment>%1 is the quoted file, %2 the quoted backup file, %3 the reason</extracomment>
        <translation>Nie można utworzyć kopii zapasowej pliku %1 jako %2: %3</translation>
    </message>
    <message>
        <source>Cannot back up %1: %2</source>
        <extracomment>%1 is the quoted file, %2 the message of the failed backup write</extracomment>
        <translation>Nie można utworzyć kopii zapasowej pliku %1: %2</translation>
    </message>
</context>
<context>
    <name>ImageProblems</name>
    <message>
        <source>%1 has 1 problem: its chains, counts or channel numbers do not fit together.</source>
        <extracomment>%1 is the file name</extracomment>
        <translation>Plik %1 ma 1 problem: jego łańcuchy, liczniki lub numery kanałów do siebie nie pasują.</translation>
    </message>
    <message>
        <source>%1 has %2 problems: its chains, counts or channel numbers do not fit together.</source>
        <extracomment>%1 is the file name, %2 the number of problems (more than one)</extracomment>
        <translation>Liczba problemów w pliku %1: %2. Jego łańcuchy, liczniki lub numery kanałów do siebie nie pasują.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>The image is open as it is. Editing it may not work as expected; &quot;Show Details...&quot; lists each problem.</source>
        <translation>Obraz został otwarty w obecnej postaci. Edycja może nie działać zgodnie z oczekiwaniami; „Pokaż szczegóły...” wymienia każdy problem.</translation>
    </message>
</context>
<context>
    <name>ListFilterBar</name>
    <message>
        <source>%1 of %2</source>
        <extracomment>Rows shown by the filter: %1 shown of %2 in the list.</extracomment>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>Filter</source>
        <extracomment>Placeholder of the box that filters the channel list (a noun).</extracomment>
        <translation>Filtr</translation>
    </message>
</context>
<context>
    <name>ListImportDialog</name>
    <message>
        <source>Import txt file</source>
        <translation>Importuj plik txt</translation>
    </message>
    <message>
        <source>Not in the list</source>
        <translation>Brak na liście</translation>
    </message>
    <message>
        <source>Line %1: %2 (%3)</source>
        <extracomment>%1 is a line number of the file, %2 the name there, %3 the satellite&apos;s position.</extracomment>
        <translation>Wiersz %1: %2 (%3)</translation>
    </message>
    <message>
        <source>Line %1: %2 (keeps the name %3)</source>
        <extracomment>%1 is a line number of the file, %2 the name there, %3 the channel&apos;s stored name.</extracomment>
        <translation>Wiersz %1: %2 (zachowuje nazwę %3)</translation>
    </message>
    <message>
        <source>Rows that match no channel</source>
        <translation>Wiersze bez pasującego kanału</translation>
    </message>
    <message>
        <source>Names that do not fit 11 Latin-1 characters</source>
        <translation>Nazwy, które nie mieszczą się w 11 znakach Latin-1</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>%1 is a line number of the file, %2 the name there.</extracomment>
        <translation>Wiersz %1: %2</translation>
    </message>
    <message>
        <source>Rows paired by name: their PIDs or transponder differ, the channels keep theirs</source>
        <translation>Wiersze dopasowane po nazwie: różnią się PID-y lub transponder, kanały zachowują swoje</translation>
    </message>
    <message>
        <source>Delete channels missing from the list</source>
        <translation>Usuń kanały nieobecne na liście</translation>
    </message>
    <message>
        <source>The image is damaged: %1. Nothing can be imported; the consistency check lists its problems.</source>
        <extracomment>%1 says what is wrong with the image.</extracomment>
        <translation>Obraz jest uszkodzony: %1. Nie można niczego zaimportować; kontrola spójności wymienia jego problemy.</translation>
    </message>
    <message>
        <source>Read as %1 text (the file is not UTF-8).</source>
        <extracomment>%1 is the name of a character encoding, such as Latin-1.</extracomment>
        <translation>Odczytano jako tekst %1 (plik nie jest w UTF-8).</translation>
    </message>
    <message>
        <source>The list changes nothing.</source>
        <translation>Lista niczego nie zmienia.</translation>
    </message>
    <message>
        <source>Moved: %1. Renamed: %2. Flags changed: %3.</source>
        <extracomment>Each of %1, %2 and %3 is a number of channels (&quot;3 channels&quot;).</extracomment>
        <translation>Przeniesione: %1. Ze zmienioną nazwą: %2. Ze zmienionymi flagami: %3.</translation>
    </message>
    <message>
        <source>Not in the list: %1, to be deleted.</source>
        <translation>Nieobecne na liście: %1, do usunięcia.</translation>
    </message>
    <message>
        <source>Not in the list: %1, kept after the listed ones.</source>
        <translation>Nieobecne na liście: %1, zachowane za kanałami z listy.</translation>
    </message>
</context>
<context>
    <name>LnbDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>LNB Edit</source>
        <extracomment>Dialog title: editing an LNB type.</extracomment>
        <translation>Edycja LNB</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <extracomment>LNB: the low-noise block converter on the dish.</extracomment>
        <translation>Typ LNB</translation>
    </message>
    <message>
        <source>LNB Freq Low</source>
        <translation>Częst. LNB dolna</translation>
    </message>
    <message>
        <source>LNB Freq High</source>
        <translation>Częst. LNB górna</translation>
    </message>
    <message>
        <source>DiSEqC</source>
        <extracomment>The dish switching protocol&apos;s name; usually kept as it is.</extracomment>
        <translation>DiSEqC</translation>
    </message>
    <message>
        <source>Polarity Control</source>
        <translation>Sterowanie polaryzacją</translation>
    </message>
    <message>
        <source>FreqBaudControl</source>
        <extracomment>How the receiver switches the LNB between its low and high band.</extracomment>
        <translation>Sterowanie pasmem</translation>
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
        <translation>Zasilanie LNB</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Undo</source>
        <extracomment>a command</extracomment>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>a command</extracomment>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <extracomment>%1 is the name of the step, e.g. &quot;Delete channel arte&quot;</extracomment>
        <translation>Cofnij: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <extracomment>%1 is the name of the step, e.g. &quot;Delete channel arte&quot;</extracomment>
        <translation>Ponów: %1</translation>
    </message>
    <message>
        <source>Sat+LNB+TP+Channel</source>
        <extracomment>the tab of satellites, LNBs, transponders and their channels</extracomment>
        <translation>Sat+LNB+TP+Kanał</translation>
    </message>
    <message>
        <source>All Channels Edit</source>
        <translation>Wszystkie kanały</translation>
    </message>
    <message>
        <source>System setting</source>
        <translation>Ustawienia systemu</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Save</source>
        <extracomment>Button: save the changes, then go on.</extracomment>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Discard</source>
        <extracomment>Button: drop the unsaved changes, then go on.</extracomment>
        <translation>Odrzuć</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>Button: the answer to a question.</extracomment>
        <translation>Nie</translation>
    </message>
</context>
<context>
    <name>MoveToDialog</name>
    <message>
        <source>Dialog</source>
        <extracomment>The title of the window that asks for a channel&apos;s new number.</extracomment>
        <translation>Przenieś kanał</translation>
    </message>
    <message>
        <source>Move to</source>
        <translation>Przenieś na</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Proszę podać liczbę całkowitą.</translation>
    </message>
</context>
<context>
    <name>MultiChannelEdit</name>
    <message>
        <source>(several)</source>
        <extracomment>Shown in an empty box whose value differs between the channels edited.</extracomment>
        <translation>(różne)</translation>
    </message>
    <message numerus="yes">
        <source>Edit %n channels</source>
        <extracomment>The title of the dialog and the name of the edit step.</extracomment>
        <translation>
            <numerusform>Edytuj %n kanał</numerusform>
            <numerusform>Edytuj %n kanały</numerusform>
            <numerusform>Edytuj %n kanałów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NamesList</name>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line number of the list, %2 what is wrong there</extracomment>
        <translation>wiersz %1: %2</translation>
    </message>
    <message>
        <source>the list is larger than %1 MiB; a list of names for one satellite is far smaller</source>
        <translation>lista jest większa niż %1 MiB; lista nazw dla jednego satelity jest znacznie mniejsza</translation>
    </message>
    <message>
        <source>the list has more than %1 lines; an image holds at most %2 channels</source>
        <translation>lista ma więcej niż %1 wierszy; obraz mieści najwyżej %2 kanałów</translation>
    </message>
    <message>
        <source>the control character %1 is no part of a list of names; is this a binary file?</source>
        <extracomment>%1 is the character&apos;s code, such as 0x07</extracomment>
        <translation>znak sterujący %1 nie może wystąpić w liście nazw; czy to plik binarny?</translation>
    </message>
    <message>
        <source>the line is longer than %1 characters; a channel name has at most %2</source>
        <translation>wiersz jest dłuższy niż %1 znaków; nazwa kanału ma najwyżej %2</translation>
    </message>
</context>
<context>
    <name>NamesOrder</name>
    <message>
        <source>exact</source>
        <extracomment>How a line of a list of names found its channel: by the same name</extracomment>
        <translation>dokładne</translation>
    </message>
    <message>
        <source>case-folded</source>
        <extracomment>How a line of a list of names found its channel: ignoring case, spaces and punctuation</extracomment>
        <translation>bez wielkości liter</translation>
    </message>
    <message>
        <source>loose</source>
        <extracomment>How a line of a list of names found its channel: also ignoring accents and an HD, SD, TV or +1 marker</extracomment>
        <translation>przybliżone</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>A line of a list of names that found no channel</extracomment>
        <translation>brak</translation>
    </message>
</context>
<context>
    <name>NamesOrderDialog</name>
    <message>
        <source>Order by a list of names</source>
        <translation>Uporządkuj wg listy nazw</translation>
    </message>
    <message>
        <source>TV</source>
        <extracomment>Order the TV channels (a choice beside Radio).</extracomment>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <extracomment>Order the radio channels (a choice beside TV).</extracomment>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Satellite:</source>
        <translation>Satelita:</translation>
    </message>
    <message>
        <source>Line</source>
        <extracomment>Column caption: the line number in the list of names.</extracomment>
        <translation>Wiersz</translation>
    </message>
    <message>
        <source>In the list</source>
        <extracomment>Column caption: the name as the list spells it.</extracomment>
        <translation>Na liście</translation>
    </message>
    <message>
        <source>Channel</source>
        <extracomment>Column caption: the channel of the image the line matches.</extracomment>
        <translation>Kanał</translation>
    </message>
    <message>
        <source>Match</source>
        <extracomment>Column caption: how the name matched (exact, case-folded, loose).</extracomment>
        <translation>Dopasowanie</translation>
    </message>
    <message>
        <source>Give matched channels the list&apos;s spelling</source>
        <translation>Nadaj dopasowanym kanałom pisownię z listy</translation>
    </message>
    <message>
        <source>Delete channels missing from the list</source>
        <translation>Usuń kanały nieobecne na liście</translation>
    </message>
    <message>
        <source>%1 (No %2)</source>
        <extracomment>%1 is the channel&apos;s name, %2 its number in the list.</extracomment>
        <translation>%1 (nr %2)</translation>
    </message>
    <message>
        <source>Matched lines</source>
        <translation>Dopasowane wiersze</translation>
    </message>
    <message>
        <source>%1, one of %2</source>
        <extracomment>%1 is how the name matched, %2 the number of channels it could be.</extracomment>
        <translation>%1, jeden z %2</translation>
    </message>
    <message>
        <source>Lines that match no channel</source>
        <translation>Wiersze bez pasującego kanału</translation>
    </message>
    <message>
        <source>no such name</source>
        <translation>brak takiej nazwy</translation>
    </message>
    <message>
        <source>not Latin-1</source>
        <translation>spoza Latin-1</translation>
    </message>
    <message>
        <source>Channels not in the list</source>
        <translation>Kanały nieobecne na liście</translation>
    </message>
    <message>
        <source>to be deleted</source>
        <translation>do usunięcia</translation>
    </message>
    <message>
        <source>kept after the listed ones</source>
        <translation>zachowane za kanałami z listy</translation>
    </message>
    <message>
        <source>Renamed</source>
        <extracomment>A group of channels that get another name.</extracomment>
        <translation>Zmienione nazwy</translation>
    </message>
    <message>
        <source>takes this spelling</source>
        <translation>przyjmuje tę pisownię</translation>
    </message>
    <message>
        <source>Names that do not fit 11 Latin-1 characters</source>
        <translation>Nazwy, które nie mieszczą się w 11 znakach Latin-1</translation>
    </message>
    <message>
        <source>keeps its name</source>
        <translation>zachowuje swoją nazwę</translation>
    </message>
    <message>
        <source>%1 (%2), %3: %4 exact, %5 case-folded, %6 loose, %7 matching no channel.</source>
        <extracomment>%1 is the list&apos;s file name, %2 its character encoding, %3 a number of lines (&quot;12 lines&quot;), %4 to %7 numbers of lines.</extracomment>
        <translation>%1 (%2), %3: dokładne: %4, bez wielkości liter: %5, przybliżone: %6, bez pasującego kanału: %7.</translation>
    </message>
    <message>
        <source>%1 could take several channels: pick one in the Channel column.</source>
        <extracomment>%1 is a number of lines (&quot;2 lines&quot;).</extracomment>
        <translation>Wiersze pasujące do kilku kanałów: %1. Proszę wybrać kanał w kolumnie Kanał.</translation>
    </message>
    <message>
        <source>The list changes nothing.</source>
        <translation>Lista niczego nie zmienia.</translation>
    </message>
    <message>
        <source>Moved: %1.</source>
        <extracomment>%1 is a number of channels (&quot;3 channels&quot;).</extracomment>
        <translation>Przeniesione: %1.</translation>
    </message>
    <message>
        <source>Renamed: %1.</source>
        <extracomment>%1 is a number of channels (&quot;3 channels&quot;).</extracomment>
        <translation>Ze zmienioną nazwą: %1.</translation>
    </message>
    <message>
        <source>Deleted: %1.</source>
        <extracomment>%1 is a number of channels (&quot;3 channels&quot;).</extracomment>
        <translation>Usunięte: %1.</translation>
    </message>
</context>
<context>
    <name>NumberBoxes</name>
    <message>
        <source>%1 takes a number from %2 to %3.</source>
        <extracomment>%1: the box&apos;s name (e.g. Video PID), %2 and %3: the lowest and highest number it takes.</extracomment>
        <translation>%1: dozwolona liczba od %2 do %3.</translation>
    </message>
    <message>
        <source>%1 cannot hold the characters %2: the receiver stores names in Latin-1, which has no such characters.</source>
        <extracomment>%1: the box&apos;s name, %2: the characters, separated by spaces.</extracomment>
        <translation>%1: nie można użyć znaków %2 – odbiornik zapisuje nazwy w Latin-1, który ich nie zawiera.</translation>
    </message>
    <message>
        <source>%1 takes at most %2 characters.</source>
        <extracomment>%1: the box&apos;s name, %2: the most characters it holds.</extracomment>
        <translation>%1: dozwolone najwyżej %2 znaków.</translation>
    </message>
</context>
<context>
    <name>OrderPlanTree</name>
    <message numerus="yes">
        <source>%n channel</source>
        <translation>
            <numerusform>%n kanał</numerusform>
            <numerusform>%n kanały</numerusform>
            <numerusform>%n kanałów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n kanał</numerusform>
            <numerusform>%n kanały</numerusform>
            <numerusform>%n kanałów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line</source>
        <extracomment>Lines of a text file.</extracomment>
        <translation>
            <numerusform>%n wiersz</numerusform>
            <numerusform>%n wiersze</numerusform>
            <numerusform>%n wierszy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines</source>
        <translation>
            <numerusform>%n wiersz</numerusform>
            <numerusform>%n wiersze</numerusform>
            <numerusform>%n wierszy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n satellite</source>
        <translation>
            <numerusform>%n satelita</numerusform>
            <numerusform>%n satelity</numerusform>
            <numerusform>%n satelitów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n satellites</source>
        <translation>
            <numerusform>%n satelita</numerusform>
            <numerusform>%n satelity</numerusform>
            <numerusform>%n satelitów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n service</source>
        <extracomment>Services: channels as the broadcaster sends them; a service stored twice is a duplicate.</extracomment>
        <translation>
            <numerusform>%n usługa</numerusform>
            <numerusform>%n usługi</numerusform>
            <numerusform>%n usług</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n services</source>
        <translation>
            <numerusform>%n usługa</numerusform>
            <numerusform>%n usługi</numerusform>
            <numerusform>%n usług</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponder</source>
        <translation>
            <numerusform>%n transponder</numerusform>
            <numerusform>%n transpondery</numerusform>
            <numerusform>%n transponderów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponders</source>
        <translation>
            <numerusform>%n transponder</numerusform>
            <numerusform>%n transpondery</numerusform>
            <numerusform>%n transponderów</numerusform>
        </translation>
    </message>
    <message>
        <source>TV</source>
        <extracomment>A channel&apos;s kind, before its number: &quot;TV 3 Das Erste&quot;.</extracomment>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Lock</source>
        <extracomment>The channel flag that locks a channel behind the receiver&apos;s PIN.</extracomment>
        <translation>Blokada</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <extracomment>The channel flag of an encrypted channel.</extracomment>
        <translation>Kodowany</translation>
    </message>
    <message>
        <source>Fav 1</source>
        <extracomment>Favourite list 1 (a channel flag).</extracomment>
        <translation>Ulub. 1</translation>
    </message>
    <message>
        <source>Fav 2</source>
        <extracomment>Favourite list 2 (a channel flag).</extracomment>
        <translation>Ulub. 2</translation>
    </message>
    <message>
        <source>Fav 3</source>
        <extracomment>Favourite list 3 (a channel flag).</extracomment>
        <translation>Ulub. 3</translation>
    </message>
    <message>
        <source>Fav 4</source>
        <extracomment>Favourite list 4 (a channel flag).</extracomment>
        <translation>Ulub. 4</translation>
    </message>
    <message>
        <source>%1 on</source>
        <extracomment>%1 is a channel flag (Lock, Fav 1...) that gets set.</extracomment>
        <translation>%1: wł.</translation>
    </message>
    <message>
        <source>%1 off</source>
        <translation>%1: wył.</translation>
    </message>
    <message>
        <source>%1 (was %2)</source>
        <extracomment>%1 is a channel at its new place, %2 its number before.</extracomment>
        <translation>%1 (wcześniej %2)</translation>
    </message>
    <message>
        <source>Moved</source>
        <extracomment>A group of channels that move to another place.</extracomment>
        <translation>Przeniesione</translation>
    </message>
    <message>
        <source>Renamed</source>
        <extracomment>A group of channels that get another name.</extracomment>
        <translation>Zmienione nazwy</translation>
    </message>
    <message>
        <source>Flags changed</source>
        <translation>Zmienione flagi</translation>
    </message>
</context>
<context>
    <name>PortProblem</name>
    <message>
        <source>There is no device %1: check that the adapter is plugged in and the name is right.</source>
        <extracomment>%1 is the device, e.g. /dev/ttyUSB0</extracomment>
        <translation>Urządzenie %1 nie istnieje: proszę sprawdzić, czy adapter jest podłączony i czy nazwa jest poprawna.</translation>
    </message>
    <message>
        <source>You have no permission to use %1: serial ports usually belong to the group &quot;dialout&quot;; join it with &quot;sudo usermod -aG dialout $USER&quot;, then log out and log in again.</source>
        <extracomment>%1 is the device; keep the command as it is</extracomment>
        <translation>Brak uprawnień do używania %1: porty szeregowe zwykle należą do grupy „dialout”; aby do niej dołączyć, należy wykonać „sudo usermod -aG dialout $USER”, a następnie wylogować się i zalogować ponownie.</translation>
    </message>
    <message>
        <source>You have no permission to use %1, which belongs to the group &quot;%2&quot;: join the group with &quot;sudo usermod -aG %2 $USER&quot;, then log out and log in again.</source>
        <extracomment>%1 is the device, %2 its group; keep the command as it is</extracomment>
        <translation>Brak uprawnień do używania %1, który należy do grupy „%2”: aby do niej dołączyć, należy wykonać „sudo usermod -aG %2 $USER”, a następnie wylogować się i zalogować ponownie.</translation>
    </message>
    <message>
        <source>Another program is using %1: close that program and try again.</source>
        <extracomment>%1 is the device</extracomment>
        <translation>Inny program używa %1: proszę zamknąć ten program i spróbować ponownie.</translation>
    </message>
</context>
<context>
    <name>ReorderDialog</name>
    <message>
        <source>Order like another image</source>
        <translation>Uporządkuj jak inny obraz</translation>
    </message>
    <message>
        <source>Also take the names</source>
        <translation>Przejmij także nazwy</translation>
    </message>
    <message>
        <source>Also take the lock and favourite flags</source>
        <translation>Przejmij także flagi blokady i ulubionych</translation>
    </message>
    <message>
        <source>The image is damaged: %1. Nothing can be ordered; the consistency check lists its problems.</source>
        <extracomment>%1 says what is wrong with the image.</extracomment>
        <translation>Obraz jest uszkodzony: %1. Nie można niczego uporządkować; kontrola spójności wymienia jego problemy.</translation>
    </message>
    <message>
        <source>Not in the other image</source>
        <translation>Nieobecne w innym obrazie</translation>
    </message>
    <message>
        <source>Moved: %1. Renamed: %2. Flags changed: %3.</source>
        <extracomment>Each of %1, %2 and %3 is a number of channels (&quot;3 channels&quot;).</extracomment>
        <translation>Przeniesione: %1. Ze zmienioną nazwą: %2. Ze zmienionymi flagami: %3.</translation>
    </message>
    <message>
        <source>The channels are in that order already.</source>
        <translation>Kanały są już w tej kolejności.</translation>
    </message>
    <message>
        <source>Not in the other image: %1, kept after the others.</source>
        <extracomment>%1 is a number of channels (&quot;3 channels&quot;).</extracomment>
        <translation>Nieobecne w innym obrazie: %1, zachowane za pozostałymi.</translation>
    </message>
</context>
<context>
    <name>SatelliteDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Satellite Name:</source>
        <translation>Nazwa satelity:</translation>
    </message>
    <message>
        <source>Log:</source>
        <extracomment>The satellite&apos;s orbital position (longitude).</extracomment>
        <translation>Pozycja:</translation>
    </message>
    <message>
        <source>LNB Type:</source>
        <translation>Typ LNB:</translation>
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
        <translation>Nazwa satelity</translation>
    </message>
    <message>
        <source>The tenths of the position</source>
        <extracomment>Names the box in a message: &quot;The tenths of the position takes a number from 0 to 9.&quot;</extracomment>
        <translation>Dziesiąte części pozycji</translation>
    </message>
    <message>
        <source>The position takes 0.0 to 180.0 degrees.</source>
        <translation>Pozycja może wynosić od 0.0 do 180.0 stopni.</translation>
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
        <translation>Radio</translation>
    </message>
    <message>
        <source>Satellite</source>
        <extracomment>Title of the satellite list&apos;s frame.</extracomment>
        <translation>Satelita</translation>
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
        <translation>Kanał</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>Column: the running number of the row (not the answer &quot;no&quot;).</extracomment>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Sat Name</source>
        <extracomment>Column: the satellite&apos;s name.</extracomment>
        <translation>Nazwa sat.</translation>
    </message>
    <message>
        <source>Pos</source>
        <extracomment>Column: the satellite&apos;s orbital position, e.g. 19.2E.</extracomment>
        <translation>Poz.</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <extracomment>Column: the satellite&apos;s LNB type.</extracomment>
        <translation>Typ LNB</translation>
    </message>
    <message>
        <source>Freq</source>
        <extracomment>Column: the transponder&apos;s frequency in MHz.</extracomment>
        <translation>Częst.</translation>
    </message>
    <message>
        <source>Pol</source>
        <extracomment>Column: the transponder&apos;s polarisation, V or H.</extracomment>
        <translation>Pol.</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <extracomment>Column: the transponder&apos;s symbol rate.</extracomment>
        <translation>Prędk. symb.</translation>
    </message>
    <message>
        <source>TP ID</source>
        <extracomment>Column: the transponder&apos;s record number.</extracomment>
        <translation>ID TP</translation>
    </message>
    <message>
        <source>LNB Freq Low</source>
        <extracomment>Column: the LNB&apos;s low band local oscillator frequency.</extracomment>
        <translation>Częst. LNB dolna</translation>
    </message>
    <message>
        <source>LNB Freq High</source>
        <extracomment>Column: the LNB&apos;s high band local oscillator frequency.</extracomment>
        <translation>Częst. LNB górna</translation>
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
        <translation>Zasil. LNB</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <extracomment>Column: the channel&apos;s name.</extracomment>
        <translation>Nazwa kanału</translation>
    </message>
    <message>
        <source>v pid</source>
        <extracomment>Column: the video PID.</extracomment>
        <translation>pid v</translation>
    </message>
    <message>
        <source>a pid</source>
        <extracomment>Column: the audio PID.</extracomment>
        <translation>pid a</translation>
    </message>
    <message>
        <source>pcr pid</source>
        <extracomment>Column: the PCR (clock) PID.</extracomment>
        <translation>pid pcr</translation>
    </message>
    <message>
        <source>txt pid</source>
        <extracomment>Column: the teletext PID.</extracomment>
        <translation>pid txt</translation>
    </message>
    <message>
        <source>lock</source>
        <extracomment>Column: the channel is locked (parental lock), Y or N.</extracomment>
        <translation>blok.</translation>
    </message>
    <message>
        <source>scr</source>
        <extracomment>Column: the channel is scrambled, Y or N.</extracomment>
        <translation>kod.</translation>
    </message>
    <message>
        <source>fav 1</source>
        <extracomment>Column: the channel is in favourites list 1, Y or N.</extracomment>
        <translation>ulub. 1</translation>
    </message>
    <message>
        <source>fav 2</source>
        <extracomment>Column: the channel is in favourites list 2, Y or N.</extracomment>
        <translation>ulub. 2</translation>
    </message>
    <message>
        <source>fav 3</source>
        <extracomment>Column: the channel is in favourites list 3, Y or N.</extracomment>
        <translation>ulub. 3</translation>
    </message>
    <message>
        <source>fav 4</source>
        <extracomment>Column: the channel is in favourites list 4, Y or N.</extracomment>
        <translation>ulub. 4</translation>
    </message>
    <message>
        <source>CH No</source>
        <extracomment>Column: the channel&apos;s number on the receiver.</extracomment>
        <translation>Nr kan.</translation>
    </message>
    <message>
        <source>Add Satellite...</source>
        <translation>Dodaj satelitę...</translation>
    </message>
    <message>
        <source>Edit Satellite...</source>
        <translation>Edytuj satelitę...</translation>
    </message>
    <message>
        <source>Del Satellite</source>
        <extracomment>Menu item: delete the satellite.</extracomment>
        <translation>Usuń satelitę</translation>
    </message>
    <message>
        <source>Add new Transponder...</source>
        <translation>Dodaj nowy transponder...</translation>
    </message>
    <message>
        <source>Add Transponder...</source>
        <translation>Dodaj transponder...</translation>
    </message>
    <message>
        <source>Edit Transponder...</source>
        <translation>Edytuj transponder...</translation>
    </message>
    <message>
        <source>Del Transponder</source>
        <extracomment>Menu item: delete the transponder.</extracomment>
        <translation>Usuń transponder</translation>
    </message>
    <message>
        <source>Add a Program...</source>
        <extracomment>Menu item: add a channel (a program) on the transponder.</extracomment>
        <translation>Dodaj program...</translation>
    </message>
    <message>
        <source>Edit LNB...</source>
        <translation>Edytuj LNB...</translation>
    </message>
    <message>
        <source>Add Channel...</source>
        <translation>Dodaj kanał...</translation>
    </message>
    <message>
        <source>Edit Channel...</source>
        <translation>Edytuj kanał...</translation>
    </message>
    <message>
        <source>Del Channel</source>
        <extracomment>Menu item: delete the channel.</extracomment>
        <translation>Usuń kanał</translation>
    </message>
    <message>
        <source>SAT</source>
        <extracomment>Title of the satellite list&apos;s menu: short for satellite.</extracomment>
        <translation>SAT</translation>
    </message>
    <message>
        <source>XPDR</source>
        <extracomment>Title of the transponder list&apos;s menu: short for transponder.</extracomment>
        <translation>TP</translation>
    </message>
    <message>
        <source>	 Do you want to del channel [ %1]?		</source>
        <extracomment>%1: the channel&apos;s name. The tabs are kept for the box&apos;s spacing.</extracomment>
        <translation>	 Czy usunąć kanał [ %1]?		</translation>
    </message>
</context>
<context>
    <name>SatellitePageCommands</name>
    <message>
        <source>Add transponder %1 on %2</source>
        <extracomment>The name of an edit step (Undo/Redo). %1: the transponder (frequency, symbol rate, polarisation), %2: the satellite.</extracomment>
        <translation>Dodaj transponder %1 do satelity %2</translation>
    </message>
    <message>
        <source>Edit transponder %1</source>
        <extracomment>The name of an edit step. %1: the transponder.</extracomment>
        <translation>Edytuj transponder %1</translation>
    </message>
    <message>
        <source>Transponder is Full!</source>
        <translation>Tabela transponderów jest pełna!</translation>
    </message>
    <message>
        <source>Add Satellite</source>
        <extracomment>Dialog title.</extracomment>
        <translation>Dodaj satelitę</translation>
    </message>
    <message>
        <source>Satellite is full!</source>
        <translation>Tabela satelitów jest pełna!</translation>
    </message>
    <message>
        <source>Add satellite %1</source>
        <extracomment>The name of an edit step (Undo/Redo). %1: the satellite&apos;s name and position.</extracomment>
        <translation>Dodaj satelitę %1</translation>
    </message>
    <message>
        <source>Edit Satellite</source>
        <extracomment>Dialog title.</extracomment>
        <translation>Edytuj satelitę</translation>
    </message>
    <message>
        <source>Edit satellite %1</source>
        <extracomment>The name of an edit step (Undo/Redo). %1: the satellite&apos;s name and position.</extracomment>
        <translation>Edytuj satelitę %1</translation>
    </message>
    <message>
        <source>Del Satellite</source>
        <extracomment>Title of the question before a satellite is deleted; &quot;Del&quot; is short for Delete.</extracomment>
        <translation>Usuń satelitę</translation>
    </message>
    <message>
        <source>	 Do you want to del [%1]?		</source>
        <extracomment>%1: the satellite&apos;s name. The tabs are kept for the box&apos;s spacing.</extracomment>
        <translation>	 Czy usunąć [%1]?		</translation>
    </message>
    <message>
        <source>Delete satellite %1</source>
        <extracomment>The name of an edit step (Undo/Redo). %1: the satellite&apos;s name and position.</extracomment>
        <translation>Usuń satelitę %1</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <extracomment>Dialog title.</extracomment>
        <translation>Dodaj transponder</translation>
    </message>
    <message>
        <source>Edit Transponder</source>
        <extracomment>Dialog title.</extracomment>
        <translation>Edytuj transponder</translation>
    </message>
    <message>
        <source>	 Do you want to del xpdr [%1/%2/%3]?		</source>
        <extracomment>%1: frequency in MHz, %2: symbol rate, %3: polarisation (V or H); &quot;xpdr&quot; is short for transponder. The tabs are kept for the box&apos;s spacing.</extracomment>
        <translation>	 Czy usunąć transponder [%1/%2/%3]?		</translation>
    </message>
    <message>
        <source>It has no channels.</source>
        <extracomment>Said of a transponder about to be deleted.</extracomment>
        <translation>Nie ma żadnych kanałów.</translation>
    </message>
    <message>
        <source>Its 1 channel is deleted with it.</source>
        <extracomment>Said of a transponder about to be deleted.</extracomment>
        <translation>Jego 1 kanał zostanie usunięty razem z nim.</translation>
    </message>
    <message>
        <source>Its %1 channels are deleted with it.</source>
        <extracomment>Said of a transponder about to be deleted. %1: the number of its channels, 2 or more.</extracomment>
        <translation>Jego kanały (%1) zostaną usunięte razem z nim.</translation>
    </message>
    <message>
        <source>Del Transponder</source>
        <extracomment>Title of the question before a transponder is deleted; &quot;Del&quot; is short for Delete.</extracomment>
        <translation>Usuń transponder</translation>
    </message>
    <message>
        <source>Delete transponder %1</source>
        <extracomment>The name of an edit step (Undo/Redo). %1: the transponder (frequency, symbol rate, polarisation).</extracomment>
        <translation>Usuń transponder %1</translation>
    </message>
    <message>
        <source>Edit LNB %1</source>
        <extracomment>The name of an edit step (Undo/Redo). %1: the LNB type&apos;s name, e.g. Type1.</extracomment>
        <translation>Edytuj LNB %1</translation>
    </message>
</context>
<context>
    <name>SatellitePageText</name>
    <message>
        <source>Y</source>
        <extracomment>A channel&apos;s flag (lock, scrambled, favourites) is set: short for Yes.</extracomment>
        <translation>T</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>A channel&apos;s flag (lock, scrambled, favourites) is not set: short for No.</extracomment>
        <translation>N</translation>
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
        <translation>%1 „%2” nie jest liczbą całkowitą</translation>
    </message>
    <message>
        <source>the file declares entities, which are not accepted</source>
        <translation>plik deklaruje encje, które nie są akceptowane</translation>
    </message>
    <message>
        <source>the file holds no &lt;satellites&gt; element</source>
        <translation>plik nie zawiera elementu &lt;satellites&gt;</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is the line number, %2 what is wrong there</extracomment>
        <translation>wiersz %1: %2</translation>
    </message>
    <message>
        <source>the file ends before its elements are closed (is it cut off?)</source>
        <translation>plik kończy się przed zamknięciem elementów (czy jest ucięty?)</translation>
    </message>
    <message>
        <source>not well-formed XML: %1</source>
        <extracomment>%1 is the XML reader&apos;s own message</extracomment>
        <translation>niepoprawny składniowo XML: %1</translation>
    </message>
    <message>
        <source>the root element is &lt;%1&gt;, not &lt;satellites&gt;</source>
        <extracomment>%1 is the name of the file&apos;s first element</extracomment>
        <translation>element główny to &lt;%1&gt;, a nie &lt;satellites&gt;</translation>
    </message>
    <message>
        <source>the satellite has no position</source>
        <translation>satelita nie ma pozycji</translation>
    </message>
    <message>
        <source>position %1 lies outside -1800 to 1800 (180.0W to 180.0E)</source>
        <extracomment>%1 is the position in tenths of a degree, east positive</extracomment>
        <translation>pozycja %1 leży poza zakresem od -1800 do 1800 (od 180.0W do 180.0E)</translation>
    </message>
    <message>
        <source>more than %1 satellites</source>
        <extracomment>%1 is the most satellites a file may hold</extracomment>
        <translation>więcej niż %1 satelitów</translation>
    </message>
    <message>
        <source>the transponder lacks its frequency, symbol_rate or polarization</source>
        <extracomment>frequency, symbol_rate and polarization are the names of XML attributes; keep them</extracomment>
        <translation>transponderowi brakuje atrybutu frequency, symbol_rate lub polarization</translation>
    </message>
    <message>
        <source>polarization &quot;%1&quot; is not 0, 1, 2 or 3</source>
        <extracomment>%1 is the value of the XML attribute polarization</extracomment>
        <translation>polarization „%1” nie jest wartością 0, 1, 2 ani 3</translation>
    </message>
    <message>
        <source>frequency %1 is not above 0</source>
        <extracomment>%1 is the value of the XML attribute frequency</extracomment>
        <translation>frequency %1 nie jest większe od 0</translation>
    </message>
    <message>
        <source>symbol_rate %1 is not above 0</source>
        <extracomment>%1 is the value of the XML attribute symbol_rate</extracomment>
        <translation>symbol_rate %1 nie jest większe od 0</translation>
    </message>
    <message>
        <source>more than %1 transponders</source>
        <extracomment>%1 is the most transponders a file may hold</extracomment>
        <translation>więcej niż %1 transponderów</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB, far more than any transponder list</source>
        <extracomment>%1 is the largest size accepted, in megabytes</extracomment>
        <translation>plik jest większy niż %1 MB, znacznie więcej niż jakakolwiek lista transponderów</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>plik jest pusty</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>błąd odczytu: %1</translation>
    </message>
</context>
<context>
    <name>SatellitesXmlDialog</name>
    <message>
        <source>%1 (C-band)</source>
        <extracomment>%1 is an LNB type&apos;s name (as the receiver stores it) of a C-band LNB.</extracomment>
        <translation>%1 (pasmo C)</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1 (wiersz %2)</translation>
    </message>
    <message>
        <source>%1 (line %2), does not fit</source>
        <translation>%1 (wiersz %2), nie mieści się</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>%1 is a line number of the file, %2 why the transponder there is skipped.</extracomment>
        <translation>Wiersz %1: %2</translation>
    </message>
    <message>
        <source>Import satellites.xml</source>
        <extracomment>satellites.xml is a file name and stays as it is.</extracomment>
        <translation>Importuj satellites.xml</translation>
    </message>
    <message>
        <source>Satellite</source>
        <extracomment>Column caption: a satellite of the image.</extracomment>
        <translation>Satelita</translation>
    </message>
    <message>
        <source>LNB type</source>
        <extracomment>Column caption: the LNB type the satellite uses.</extracomment>
        <translation>Typ LNB</translation>
    </message>
    <message>
        <source>Takes from the file</source>
        <extracomment>Column caption: the satellite of the file whose transponders it takes.</extracomment>
        <translation>Pobiera z pliku</translation>
    </message>
    <message>
        <source>Added as</source>
        <extracomment>Column caption: the name and position the new satellite gets.</extracomment>
        <translation>Dodany jako</translation>
    </message>
    <message>
        <source>Transponders</source>
        <extracomment>Column caption: the number of transponders.</extracomment>
        <translation>Transpondery</translation>
    </message>
    <message>
        <source>Satellite in the file</source>
        <extracomment>Column caption: the satellite as the file names it.</extracomment>
        <translation>Satelita w pliku</translation>
    </message>
    <message>
        <source>Changes</source>
        <extracomment>A tab (a noun): the changes the import makes.</extracomment>
        <translation>Zmiany</translation>
    </message>
    <message>
        <source>Satellites of the image</source>
        <translation>Satelity obrazu</translation>
    </message>
    <message>
        <source>Add satellites</source>
        <translation>Dodaj satelity</translation>
    </message>
    <message>
        <source>Take DVB-S2 transponders too (the receiver tunes DVB-S)</source>
        <translation>Pobierz też transpondery DVB-S2 (odbiornik odbiera DVB-S)</translation>
    </message>
    <message>
        <source>Delete transponders not in the file that carry no channels</source>
        <translation>Usuń transpondery nieobecne w pliku, które nie mają kanałów</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <extracomment>%1 is a satellite as the file names it, %2 its line in the file.</extracomment>
        <translation>%1, wiersz %2</translation>
    </message>
    <message>
        <source>Not in the file</source>
        <translation>Nieobecne w pliku</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>%1 → %2 kS/s (line %3)</source>
        <extracomment>%1 is a transponder (&quot;11747/27500/V&quot;), %2 its new symbol rate, %3 its line in the file.</extracomment>
        <translation>%1 → %2 kS/s (wiersz %3)</translation>
    </message>
    <message>
        <source>%1, %2, to be deleted</source>
        <translation>%1, %2, do usunięcia</translation>
    </message>
    <message>
        <source>To add</source>
        <extracomment>A group of transponders to add.</extracomment>
        <translation>Do dodania</translation>
    </message>
    <message>
        <source>Updated</source>
        <extracomment>A group of transponders that get a new symbol rate.</extracomment>
        <translation>Zaktualizowane</translation>
    </message>
    <message>
        <source>Skipped</source>
        <extracomment>A group of transponders of the file that are not taken.</extracomment>
        <translation>Pominięte</translation>
    </message>
    <message>
        <source>New satellite %1, %2</source>
        <translation>Nowy satelita %1, %2</translation>
    </message>
    <message>
        <source>New satellite %1, %2, does not fit</source>
        <translation>Nowy satelita %1, %2, nie mieści się</translation>
    </message>
    <message>
        <source>%1 of the image found in the file: %2 to add, %3 updated, %4 not in the file (%5 to be deleted).</source>
        <translation>Satelity obrazu znalezione w pliku: %1; do dodania: %2, zaktualizowane: %3, nieobecne w pliku: %4 (do usunięcia: %5).</translation>
    </message>
    <message>
        <source>%1 of the image found in the file: %2 to add, %3 updated, %4 not in the file.</source>
        <extracomment>%1 is a number of satellites (&quot;2 satellites&quot;), %2 a number of transponders, %3 and %4 numbers of transponders.</extracomment>
        <translation>Satelity obrazu znalezione w pliku: %1; do dodania: %2, zaktualizowane: %3, nieobecne w pliku: %4.</translation>
    </message>
    <message>
        <source>New: %1 with %2.</source>
        <extracomment>%1 is a number of satellites (&quot;2 satellites&quot;), %2 a number of transponders.</extracomment>
        <translation>Nowe: %1, a w nich %2.</translation>
    </message>
    <message>
        <source>Skipped: %1 (%2 DVB-S2).</source>
        <extracomment>%1 is a number of transponders, %2 how many of them are DVB-S2.</extracomment>
        <translation>Pominięte: %1 (DVB-S2: %2).</translation>
    </message>
    <message>
        <source>Does not fit the tables (%1 satellites, %2 transponders): %3 and %4; OK adds what fits, in the order shown.</source>
        <extracomment>%1 and %2 are the sizes of the image&apos;s tables, %3 a number of satellites (&quot;2 satellites&quot;), %4 a number of transponders.</extracomment>
        <translation>Nie mieści się w tabelach (satelity: %1, transpondery: %2): %3 i %4; OK dodaje to, co się mieści, w pokazanej kolejności.</translation>
    </message>
    <message>
        <source>Does not fit the tables (%1 satellites, %2 transponders): %3 and %4; nothing else changes, so OK changes nothing.</source>
        <translation>Nie mieści się w tabelach (satelity: %1, transpondery: %2): %3 i %4; nic innego się nie zmienia, więc OK niczego nie zmieni.</translation>
    </message>
    <message>
        <source>The file changes nothing.</source>
        <translation>Plik niczego nie zmienia.</translation>
    </message>
</context>
<context>
    <name>SendCheck</name>
    <message>
        <source>outside the tables</source>
        <translation>poza tabelami</translation>
    </message>
    <message>
        <source>past the image</source>
        <translation>za końcem obrazu</translation>
    </message>
    <message>
        <source>sector header %1</source>
        <extracomment>%1 is the sector&apos;s number</extracomment>
        <translation>nagłówek sektora %1</translation>
    </message>
    <message>
        <source>satellite slot %1</source>
        <extracomment>%1 is the slot&apos;s number</extracomment>
        <translation>rekord satelity %1</translation>
    </message>
    <message>
        <source>transponder mark %1</source>
        <extracomment>%1 is the mark&apos;s number</extracomment>
        <translation>znacznik transpondera %1</translation>
    </message>
    <message>
        <source>the settings block</source>
        <translation>blok ustawień</translation>
    </message>
    <message>
        <source>transponder slot %1</source>
        <extracomment>%1 is the slot&apos;s number</extracomment>
        <translation>rekord transpondera %1</translation>
    </message>
    <message>
        <source>channel slot %1</source>
        <extracomment>%1 is the slot&apos;s number</extracomment>
        <translation>rekord kanału %1</translation>
    </message>
    <message>
        <source>byte %1 (%2, %3): sent %4, the receiver holds %5</source>
        <extracomment>%1 is the offset, %2 the same in hex, %3 where it lies, %4 and %5 the byte values in hex</extracomment>
        <translation>bajt %1 (%2, %3): wysłano %4, odbiornik ma %5</translation>
    </message>
    <message>
        <source>The receiver holds an image that differs from the one sent in 1 byte:</source>
        <translation>Odbiornik zawiera obraz, który różni się od wysłanego w 1 bajcie:</translation>
    </message>
    <message>
        <source>The receiver holds an image that differs from the one sent in %1 bytes:</source>
        <extracomment>%1 is the number of bytes (more than one)</extracomment>
        <translation>Odbiornik zawiera obraz, który różni się od wysłanego w %1 bajtach:</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <extracomment>%1 is the number of differing bytes not listed</extracomment>
        <translation>i jeszcze %1</translation>
    </message>
    <message>
        <source>The receiver holds exactly the image that was sent.</source>
        <translation>Odbiornik zawiera dokładnie ten obraz, który został wysłany.</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>TV %1, Radio %2</source>
        <extracomment>Status line: %1 TV channels, %2 radio channels in the image.</extracomment>
        <translation>TV %1, Radio %2</translation>
    </message>
    <message>
        <source>Satellites %1/%2, Transponders %3/%4, Channels %5/%6</source>
        <extracomment>Status line: records used of the slots the image has, e.g. &quot;Satellites 12/200&quot;.</extracomment>
        <translation>Satelity %1/%2, Transpondery %3/%4, Kanały %5/%6</translation>
    </message>
    <message>
        <source>Untitled</source>
        <extracomment>Status line: the image has no file yet.</extracomment>
        <translation>Bez nazwy</translation>
    </message>
    <message>
        <source>Modified</source>
        <extracomment>Status line: the image has unsaved changes.</extracomment>
        <translation>Zmieniony</translation>
    </message>
</context>
<context>
    <name>SystemSettingsPage</name>
    <message>
        <source>System Setting</source>
        <extracomment>Group title: the receiver&apos;s system settings.</extracomment>
        <translation>Ustawienia systemu</translation>
    </message>
    <message>
        <source>Menu Language</source>
        <translation>Język menu</translation>
    </message>
    <message>
        <source>Main audio Lang</source>
        <extracomment>The receiver&apos;s main audio language.</extracomment>
        <translation>Główny język audio</translation>
    </message>
    <message>
        <source>2nd Audio Lang</source>
        <extracomment>The receiver&apos;s second audio language.</extracomment>
        <translation>Drugi język audio</translation>
    </message>
    <message>
        <source>GMT Usage</source>
        <extracomment>Whether the receiver uses GMT (Off/On).</extracomment>
        <translation>Użycie GMT</translation>
    </message>
    <message>
        <source>Select Time Zone</source>
        <translation>Strefa czasowa</translation>
    </message>
    <message>
        <source>Summer Time</source>
        <translation>Czas letni</translation>
    </message>
    <message>
        <source>Time Offset</source>
        <extracomment>The receiver&apos;s time offset.</extracomment>
        <translation>Przesunięcie czasu</translation>
    </message>
    <message>
        <source>Aspect</source>
        <extracomment>The TV picture&apos;s aspect ratio (4:3, 16:9).</extracomment>
        <translation>Format obrazu</translation>
    </message>
    <message>
        <source>Delay Time</source>
        <extracomment>A receiver setting whose values are ALWAYS, 2 Sec .. 7 Sec.</extracomment>
        <translation>Czas opóźnienia</translation>
    </message>
    <message>
        <source>Transparency</source>
        <extracomment>The transparency of the receiver&apos;s on-screen display.</extracomment>
        <translation>Przezroczystość</translation>
    </message>
    <message>
        <source>Color</source>
        <extracomment>The TV colour system (Auto, PAL, NTSC).</extracomment>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>The TV sound system (M, B/G, I, D/K).</extracomment>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source> RF Channel</source>
        <extracomment>The UHF channel of the receiver&apos;s RF modulator output.</extracomment>
        <translation> Kanał RF</translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>Group title: figures the receiver keeps.</extracomment>
        <translation>Stan</translation>
    </message>
    <message>
        <source>TV Num</source>
        <extracomment>The number of TV channels.</extracomment>
        <translation>Liczba TV</translation>
    </message>
    <message>
        <source>Radio Num</source>
        <extracomment>The number of radio channels.</extracomment>
        <translation>Liczba radio</translation>
    </message>
    <message>
        <source>Total Channl</source>
        <extracomment>The total number of channels (the receiver&apos;s own spelling).</extracomment>
        <translation>Razem kanałów</translation>
    </message>
    <message>
        <source>Volume L</source>
        <extracomment>The left audio channel&apos;s volume.</extracomment>
        <translation>Głośność L</translation>
    </message>
    <message>
        <source>Volume R</source>
        <extracomment>The right audio channel&apos;s volume.</extracomment>
        <translation>Głośność P</translation>
    </message>
    <message>
        <source>StandBy</source>
        <extracomment>The receiver&apos;s standby setting (No/Yes).</extracomment>
        <translation>Czuwanie</translation>
    </message>
    <message>
        <source>Parent Lock</source>
        <extracomment>Group title: the parental lock.</extracomment>
        <translation>Blokada rodzicielska</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <extracomment>The parental lock&apos;s PIN.</extracomment>
        <translation>Kod PIN</translation>
    </message>
    <message>
        <source>Lock Receiver</source>
        <extracomment>Parental lock of the whole receiver (Free/Locked).</extracomment>
        <translation>Blokada odbiornika</translation>
    </message>
    <message>
        <source>Lock Menu</source>
        <extracomment>Parental lock of the receiver&apos;s menu (Free/Locked).</extracomment>
        <translation>Blokada menu</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The name of an edit step (Undo/Redo). %1: the setting&apos;s caption, %2: the value chosen.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>TransferProtocol</name>
    <message>
        <source>The selected COM is invalid or have already been opened!</source>
        <translation>Wybrany port COM jest nieprawidłowy lub został już otwarty!</translation>
    </message>
    <message>
        <source>Error!</source>
        <extracomment>follows a message about a failed transfer</extracomment>
        <translation>Błąd!</translation>
    </message>
    <message>
        <source>Please Select Port type and press the Start button!</source>
        <translation>Proszę wybrać typ portu i nacisnąć przycisk Start!</translation>
    </message>
    <message>
        <source>Waiting for handshake signal!</source>
        <translation>Oczekiwanie na sygnał uzgadniania!</translation>
    </message>
    <message>
        <source>Data is transmitting form STB!</source>
        <extracomment>STB: the set-top box, the receiver</extracomment>
        <translation>Trwa odbieranie danych z STB!</translation>
    </message>
    <message>
        <source>Data is uploading to STB!</source>
        <translation>Trwa wysyłanie danych do STB!</translation>
    </message>
    <message>
        <source>You have select wrong direction</source>
        <extracomment>the receiver was set to receive when the PC sends, or the other way round</extracomment>
        <translation>Wybrano niewłaściwy kierunek transmisji</translation>
    </message>
    <message>
        <source>Data have been uploaded to STB</source>
        <translation>Dane zostały wysłane do STB</translation>
    </message>
    <message>
        <source>Data have been DownLoaded and saved to %1</source>
        <extracomment>%1 is the path the received image was saved to</extracomment>
        <translation>Dane zostały pobrane i zapisane w %1</translation>
    </message>
    <message>
        <source>Data from PC to IRD</source>
        <extracomment>IRD: the receiver</extracomment>
        <translation>Dane z PC do IRD</translation>
    </message>
    <message>
        <source>Data from IRD to PC</source>
        <extracomment>IRD: the receiver</extracomment>
        <translation>Dane z IRD do PC</translation>
    </message>
</context>
<context>
    <name>TransponderDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Freq:</source>
        <extracomment>Short for the transponder&apos;s frequency.</extracomment>
        <translation>Częst.:</translation>
    </message>
    <message>
        <source>Symbol Rate:</source>
        <translation>Prędkość symbolowa:</translation>
    </message>
    <message>
        <source>Polarity:</source>
        <extracomment>The transponder&apos;s polarisation, H or V.</extracomment>
        <translation>Polaryzacja:</translation>
    </message>
    <message>
        <source>MHz (%1 to %2)</source>
        <extracomment>After the frequency box. %1 and %2: the lowest and highest frequency accepted, in MHz.</extracomment>
        <translation>MHz (od %1 do %2)</translation>
    </message>
    <message>
        <source>Freq (MHz)</source>
        <extracomment>Names the frequency box in a message: &quot;Freq (MHz) takes a number from ...&quot;.</extracomment>
        <translation>Częst. (MHz)</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <extracomment>Names the symbol rate box in a message: &quot;Symbol Rate takes a number from ...&quot;.</extracomment>
        <translation>Prędkość symbolowa</translation>
    </message>
</context>
<context>
    <name>TransponderUpdate</name>
    <message>
        <source>frequency %1 kHz does not fit the receiver&apos;s 1 to 65535 MHz</source>
        <extracomment>%1 is the list&apos;s frequency in kHz</extracomment>
        <translation>częstotliwość %1 kHz nie mieści się w zakresie odbiornika od 1 do 65535 MHz</translation>
    </message>
    <message>
        <source>symbol rate %1 does not fit the receiver&apos;s 1 to 65535 kS/s</source>
        <translation>prędkość symbolowa %1 nie mieści się w zakresie odbiornika od 1 do 65535 kS/s</translation>
    </message>
    <message>
        <source>DVB-S2, left out; the image&apos;s %1/%2/%3 stays as it is</source>
        <extracomment>%1 frequency in MHz, %2 symbol rate in kS/s, %3 polarization V or H</extracomment>
        <translation>DVB-S2, pominięty; transponder %1/%2/%3 w obrazie pozostaje bez zmian</translation>
    </message>
    <message>
        <source>repeats the transponder of line %1</source>
        <translation>powtarza transponder z wiersza %1</translation>
    </message>
    <message>
        <source>DVB-S2, left out</source>
        <translation>DVB-S2, pominięty</translation>
    </message>
</context>
<context>
    <name>vormante::AboutDialog</name>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Version  Num: %1</source>
        <extracomment>%1 is the program&apos;s version number, e.g. 1.4.0</extracomment>
        <translation>Wersja: %1</translation>
    </message>
</context>
<context>
    <name>vormante::DataCommands</name>
    <message>
        <source>%1 has unsaved changes. Save them before sending?

Otherwise the receiver gets the file as it was last saved.</source>
        <extracomment>%1 is the file name, or &quot;The image&quot; when it has none</extracomment>
        <translation>%1: niezapisane zmiany. Zapisać je przed wysłaniem?

W przeciwnym razie odbiornik otrzyma plik w wersji ostatnio zapisanej.</translation>
    </message>
    <message>
        <source>Open the received image %1 in the editor?</source>
        <extracomment>%1 is the path of the file the received image was saved to</extracomment>
        <translation>Otworzyć odebrany obraz %1 w edytorze?</translation>
    </message>
    <message>
        <source>Data From PC To IRD</source>
        <translation>Dane z PC do IRD</translation>
    </message>
    <message>
        <source>The image</source>
        <translation>Obraz</translation>
    </message>
    <message>
        <source>the received image</source>
        <translation>odebrany obraz</translation>
    </message>
    <message>
        <source>Data From IRD To PC</source>
        <translation>Dane z IRD do PC</translation>
    </message>
</context>
<context>
    <name>vormante::ExchangeCommands</name>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <extracomment>%1 is the path, %2 the system&apos;s reason</extracomment>
        <translation>Nie można zapisać pliku %1: %2.</translation>
    </message>
</context>
<context>
    <name>vormante::FileCommands</name>
    <message>
        <source>Open</source>
        <extracomment>a dialog title</extracomment>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>The backup file %1 could not be written: %2.

Replace %3 without a backup?</source>
        <extracomment>%1 is the backup file, %2 the system&apos;s reason, %3 the file to be replaced</extracomment>
        <translation>Nie można zapisać kopii zapasowej %1: %2.

Zastąpić plik %3 bez kopii zapasowej?</translation>
    </message>
    <message>
        <source>The backup file %1 could not be written: %2.

Nothing was saved; the changes are still open in the editor.</source>
        <translation>Nie można zapisać kopii zapasowej %1: %2.

Niczego nie zapisano; zmiany są nadal otwarte w edytorze.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.

The file may be incomplete; its previous content is in the backup file. The changes are still open in the editor.</source>
        <translation>Nie można zapisać pliku %1: %2.

Plik może być niekompletny; jego poprzednia zawartość jest w kopii zapasowej. Zmiany są nadal otwarte w edytorze.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.

The file keeps its previous content; the changes are still open in the editor.</source>
        <translation>Nie można zapisać pliku %1: %2.

Plik zachował poprzednią zawartość; zmiany są nadal otwarte w edytorze.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>Choose another name for the changes.</source>
        <translation>Proszę wybrać inną nazwę dla zmian.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.

The changes are still open in the editor.</source>
        <translation>Nie można zapisać pliku %1: %2.

Zmiany są nadal otwarte w edytorze.</translation>
    </message>
    <message>
        <source>Unsaved changes in the image, which has no file yet.</source>
        <translation>Niezapisane zmiany w obrazie, który nie ma jeszcze pliku.</translation>
    </message>
    <message>
        <source>Unsaved changes in %1.</source>
        <extracomment>%1 is the file name</extracomment>
        <translation>Niezapisane zmiany w pliku %1.</translation>
    </message>
    <message>
        <source>%1 now holds %2.</source>
        <extracomment>%1 is the file name, %2 what it holds now, e.g. &quot;the received image&quot;</extracomment>
        <translation>Plik %1 zawiera teraz %2.</translation>
    </message>
    <message>
        <source>Save asks for another name for them.</source>
        <translation>Zapis zapyta o inną nazwę pliku.</translation>
    </message>
    <message>
        <source>Data has been changed,do you want to change!</source>
        <translation>Dane zostały zmienione. Czy zapisać zmiany?</translation>
    </message>
    <message>
        <source>File open error!</source>
        <translation>Błąd otwarcia pliku!</translation>
    </message>
    <message>
        <source>BIN data</source>
        <extracomment>the file type in file dialogs</extracomment>
        <translation>Dane BIN</translation>
    </message>
</context>
<context>
    <name>vormante::LanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The choice that follows the desktop&apos;s language</extracomment>
        <translation>Systemowy</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Język:</translation>
    </message>
    <message>
        <source>Vormante shows the chosen language the next time it starts.</source>
        <translation>Vormante użyje wybranego języka przy następnym uruchomieniu.</translation>
    </message>
</context>
<context>
    <name>vormante::ListCommands</name>
    <message>
        <source>Export txt file</source>
        <translation>Eksportuj plik txt</translation>
    </message>
    <message>
        <source>The channel list was written to %1.</source>
        <translation>Lista kanałów została zapisana do pliku %1.</translation>
    </message>
    <message>
        <source>Import txt file</source>
        <translation>Importuj plik txt</translation>
    </message>
    <message>
        <source>%1 is not a channel list and was not imported: %2.</source>
        <extracomment>%1 is the file name, %2 the reason</extracomment>
        <translation>Plik %1 nie jest listą kanałów i nie został zaimportowany: %2.</translation>
    </message>
    <message>
        <source>Import %1</source>
        <extracomment>an undo step; %1 is the file name</extracomment>
        <translation>Importuj %1</translation>
    </message>
    <message>
        <source>The image has changed since the list was read; nothing was imported.</source>
        <translation>Obraz zmienił się od wczytania listy; niczego nie zaimportowano.</translation>
    </message>
    <message>
        <source>Order like another image</source>
        <translation>Uporządkuj jak inny obraz</translation>
    </message>
    <message>
        <source>Order like %1</source>
        <extracomment>an undo step; %1 is the file name of the other image</extracomment>
        <translation>Uporządkuj jak %1</translation>
    </message>
    <message>
        <source>The image has changed since the order was planned; nothing was changed.</source>
        <translation>Obraz zmienił się od zaplanowania kolejności; niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>Compare with</source>
        <translation>Porównaj z</translation>
    </message>
    <message>
        <source>Delete 1 duplicate channel</source>
        <extracomment>an undo step</extracomment>
        <translation>Usuń 1 zduplikowany kanał</translation>
    </message>
    <message>
        <source>Delete %1 duplicate channels</source>
        <extracomment>an undo step; %1 is the number of channels (more than one)</extracomment>
        <translation>Usuń zduplikowane kanały: %1</translation>
    </message>
    <message>
        <source>The image has changed since the duplicates were found; nothing was deleted.</source>
        <translation>Obraz zmienił się od wyszukania duplikatów; niczego nie usunięto.</translation>
    </message>
    <message>
        <source>Channel list</source>
        <extracomment>the file type in file dialogs</extracomment>
        <translation>Lista kanałów</translation>
    </message>
</context>
<context>
    <name>vormante::MainWindow</name>
    <message>
        <source>File</source>
        <extracomment>a menu</extracomment>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Open ...</source>
        <translation>Otwórz ...</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>a command</extracomment>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Save as ...</source>
        <translation>Zapisz jako ...</translation>
    </message>
    <message>
        <source>Export txt file</source>
        <translation>Eksportuj plik txt</translation>
    </message>
    <message>
        <source>Import txt file</source>
        <translation>Importuj plik txt</translation>
    </message>
    <message>
        <source>Order like another image...</source>
        <translation>Uporządkuj jak inny obraz...</translation>
    </message>
    <message>
        <source>Compare with...</source>
        <translation>Porównaj z...</translation>
    </message>
    <message>
        <source>Order by a list of names...</source>
        <translation>Uporządkuj wg listy nazw...</translation>
    </message>
    <message>
        <source>Export names...</source>
        <translation>Eksportuj nazwy...</translation>
    </message>
    <message>
        <source>Archive...</source>
        <translation>Archiwum...</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Ostatnie pliki</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>a command: quits the program</extracomment>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Data</source>
        <extracomment>the menu of transfers to and from the receiver</extracomment>
        <translation>Dane</translation>
    </message>
    <message>
        <source>Data From PC To IRD</source>
        <extracomment>IRD: the receiver (integrated receiver-decoder)</extracomment>
        <translation>Dane z PC do IRD</translation>
    </message>
    <message>
        <source>Data From IRD To PC</source>
        <translation>Dane z IRD do PC</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>a menu</extracomment>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Language...</source>
        <translation>Język...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Edit</source>
        <extracomment>a menu</extracomment>
        <translation>Edycja</translation>
    </message>
    <message>
        <source>Filter list</source>
        <translation>Filtruj listę</translation>
    </message>
    <message>
        <source>Find channel...</source>
        <translation>Znajdź kanał...</translation>
    </message>
    <message>
        <source>Find duplicates</source>
        <translation>Znajdź duplikaty</translation>
    </message>
    <message>
        <source>Keep this order</source>
        <translation>Zachowaj tę kolejność</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <extracomment>the toolbar&apos;s name, shown by some desktops</extracomment>
        <translation>Pasek narzędzi</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>a toolbar tip: opens an image file</extracomment>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>Untitled</source>
        <extracomment>the name of an image that has no file yet</extracomment>
        <translation>Bez nazwy</translation>
    </message>
</context>
<context>
    <name>vormante::NameListCommands</name>
    <message>
        <source>Order by a list of names</source>
        <translation>Uporządkuj wg listy nazw</translation>
    </message>
    <message>
        <source>%1 is not a list of names and was not used: %2.</source>
        <extracomment>%1 is the file name, %2 the reason</extracomment>
        <translation>Plik %1 nie jest listą nazw i nie został użyty: %2.</translation>
    </message>
    <message>
        <source>Order %1 TV by %2</source>
        <extracomment>an undo step; %1 is the satellite, %2 the file name of the list</extracomment>
        <translation>Uporządkuj kanały TV (%1) wg %2</translation>
    </message>
    <message>
        <source>Order %1 radio by %2</source>
        <extracomment>an undo step; %1 is the satellite, %2 the file name of the list</extracomment>
        <translation>Uporządkuj kanały radiowe (%1) wg %2</translation>
    </message>
    <message>
        <source>The image has changed since the list was matched; nothing was changed.</source>
        <translation>Obraz zmienił się od dopasowania listy; niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>Show the satellite whose channel names to export first.</source>
        <translation>Najpierw należy wyświetlić satelitę, którego nazwy kanałów mają zostać wyeksportowane.</translation>
    </message>
    <message>
        <source>%1 TV.txt</source>
        <extracomment>the file name offered; %1 is the satellite&apos;s name</extracomment>
        <translation>%1 TV.txt</translation>
    </message>
    <message>
        <source>%1 radio.txt</source>
        <extracomment>the file name offered; %1 is the satellite&apos;s name</extracomment>
        <translation>%1 radio.txt</translation>
    </message>
    <message>
        <source>Export names</source>
        <translation>Eksportuj nazwy</translation>
    </message>
    <message>
        <source>List of names</source>
        <extracomment>the file type in file dialogs</extracomment>
        <translation>Lista nazw</translation>
    </message>
</context>
<context>
    <name>vormante::PortOptionDialog</name>
    <message>
        <source>Option</source>
        <extracomment>the title of the dialog that chooses the serial port</extracomment>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>COM Port:</source>
        <extracomment>COM: a serial port</extracomment>
        <translation>Port COM:</translation>
    </message>
</context>
<context>
    <name>vormante::RecentFiles</name>
    <message>
        <source>The file %1 no longer exists. It has been taken off the list of recent files.</source>
        <translation>Plik %1 już nie istnieje. Usunięto go z listy ostatnich plików.</translation>
    </message>
    <message>
        <source>Clear list</source>
        <translation>Wyczyść listę</translation>
    </message>
</context>
<context>
    <name>vormante::SatellitesXmlCommands</name>
    <message>
        <source>Import satellites.xml...</source>
        <translation>Importuj satellites.xml...</translation>
    </message>
    <message>
        <source>Export satellites.xml...</source>
        <translation>Eksportuj satellites.xml...</translation>
    </message>
    <message>
        <source>Import satellites.xml</source>
        <translation>Importuj satellites.xml</translation>
    </message>
    <message>
        <source>%1 was not imported: %2.</source>
        <extracomment>%1 is the file name, %2 the reason</extracomment>
        <translation>Plik %1 nie został zaimportowany: %2.</translation>
    </message>
    <message>
        <source>The image has changed since the file was read; nothing was imported.</source>
        <translation>Obraz zmienił się od wczytania pliku; niczego nie zaimportowano.</translation>
    </message>
    <message>
        <source>Export satellites.xml</source>
        <translation>Eksportuj satellites.xml</translation>
    </message>
    <message>
        <source>Update transponders from satellites.xml</source>
        <extracomment>an undo step</extracomment>
        <translation>Aktualizuj transpondery z satellites.xml</translation>
    </message>
</context>
<context>
    <name>vormante::TransferDialog</name>
    <message>
        <source>BIN data</source>
        <extracomment>the file type in file dialogs</extracomment>
        <translation>Dane BIN</translation>
    </message>
    <message>
        <source>Check what the receiver now holds</source>
        <translation>Sprawdź, co teraz zawiera odbiornik</translation>
    </message>
    <message>
        <source>Port:</source>
        <extracomment>the serial port</extracomment>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>a button: starts listening for the receiver</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>a button: stops listening</extracomment>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>a button: closes the window</extracomment>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Plik:</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <extracomment>%1 is the path</extracomment>
        <translation>Plik %1 już istnieje.
Czy go zastąpić?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>the receiver&apos;s image</source>
        <translation>obraz z odbiornika</translation>
    </message>
    <message>
        <source>The channel lists do not differ: the bytes above lie outside what they show.</source>
        <translation>Listy kanałów się nie różnią: powyższe bajty leżą poza tym, co one pokazują.</translation>
    </message>
    <message>
        <source>The image has 1 problem that the receiver may not handle. Send it anyway?</source>
        <translation>Obraz ma 1 problem, którego odbiornik może nie obsłużyć. Wysłać mimo to?</translation>
    </message>
    <message>
        <source>The image has %1 problems that the receiver may not handle. Send it anyway?</source>
        <extracomment>%1 is the number of problems (more than one)</extracomment>
        <translation>Liczba problemów w obrazie, których odbiornik może nie obsłużyć: %1. Wysłać mimo to?</translation>
    </message>
    <message>
        <source>Send anyway</source>
        <translation>Wyślij mimo to</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Start sending on the receiver now. The image it holds comes back here, is kept in the archive and is compared byte for byte with %1.</source>
        <extracomment>%1 is the file name of the image sent</extracomment>
        <translation>Proszę teraz rozpocząć wysyłanie w odbiorniku. Obraz, który odbiornik zawiera, wróci tutaj, zostanie zachowany w archiwum i porównany bajt po bajcie z plikiem %1.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
</context>
<context>
    <name>vormante::TransferEngine</name>
    <message>
        <source>No handshake from the receiver yet: it must be in its update mode, and the cable must be connected.</source>
        <translation>Brak jeszcze sygnału uzgadniania z odbiornika: musi on być w trybie aktualizacji, a kabel musi być podłączony.</translation>
    </message>
    <message>
        <source>The receiver stopped answering: nothing arrived from it for 1 second.
The transfer has been stopped.</source>
        <translation>Odbiornik przestał odpowiadać: nic z niego nie dotarło przez 1 sekundę.
Transfer został zatrzymany.</translation>
    </message>
    <message>
        <source>The receiver stopped answering: nothing arrived from it for %1 seconds.
The transfer has been stopped.</source>
        <extracomment>%1 is the number of seconds (more than one)</extracomment>
        <translation>Odbiornik przestał odpowiadać: nic z niego nie dotarło przez %1 s.
Transfer został zatrzymany.</translation>
    </message>
    <message>
        <source>The received image has 1 problem (broken chains, wrong counts or channel numbers). It was saved as the receiver holds it; opening it in the editor lists the problems.</source>
        <translation>Odebrany obraz ma 1 problem (przerwane łańcuchy, błędne liczniki lub numery kanałów). Został zapisany w postaci, w jakiej jest w odbiorniku; po otwarciu go w edytorze pojawi się lista problemów.</translation>
    </message>
    <message>
        <source>The received image has %1 problems (broken chains, wrong counts or channel numbers). It was saved as the receiver holds it; opening it in the editor lists the problems.</source>
        <extracomment>%1 is the number of problems (more than one)</extracomment>
        <translation>Liczba problemów w odebranym obrazie: %1 (przerwane łańcuchy, błędne liczniki lub numery kanałów). Został zapisany w postaci, w jakiej jest w odbiorniku; po otwarciu go w edytorze pojawi się lista problemów.</translation>
    </message>
    <message>
        <source>The received data have not been saved.
Do you want to discard them?</source>
        <translation>Odebrane dane nie zostały zapisane.
Czy je odrzucić?</translation>
    </message>
    <message>
        <source>The received data could not be saved to %1:
%2

Choose another name, or cancel to discard them.</source>
        <extracomment>%1 is the path, %2 the system&apos;s reason</extracomment>
        <translation>Nie można zapisać odebranych danych do pliku %1:
%2

Proszę wybrać inną nazwę lub anulować, aby je odrzucić.</translation>
    </message>
    <message>
        <source>The connection to the receiver was lost.</source>
        <translation>Połączenie z odbiornikiem zostało przerwane.</translation>
    </message>
    <message>
        <source>The connection to the receiver was lost (%1).</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Połączenie z odbiornikiem zostało przerwane (%1).</translation>
    </message>
    <message>
        <source>The transfer has been stopped.</source>
        <translation>Transfer został zatrzymany.</translation>
    </message>
    <message>
        <source>no file was chosen</source>
        <translation>nie wybrano pliku</translation>
    </message>
    <message>
        <source>The file %1 is not sent: it is not a regular file (a pipe, a device or a folder), and a receiver image is always a plain file.</source>
        <translation>Plik %1 nie zostanie wysłany: to nie jest zwykły plik (lecz potok, urządzenie lub folder), a obraz odbiornika jest zawsze zwykłym plikiem.</translation>
    </message>
    <message>
        <source>The file %1 can&apos;t be opened:
%2</source>
        <extracomment>%1 is the path, %2 the system&apos;s reason</extracomment>
        <translation>Nie można otworzyć pliku %1:
%2</translation>
    </message>
    <message>
        <source>The file %1 is not sent: it holds %2 bytes, and a receiver image is exactly %3 bytes.
Padding it would overwrite the receiver&apos;s database with zeros.</source>
        <extracomment>%1 is the path, %2 the file&apos;s size, %3 an image&apos;s size</extracomment>
        <translation>Plik %1 nie zostanie wysłany: ma %2 bajtów, a obraz odbiornika ma dokładnie %3 bajtów.
Dopełnienie go nadpisałoby bazę danych odbiornika zerami.</translation>
    </message>
    <message>
        <source>The file %1 is not sent: it is longer than a receiver image, which is exactly %2 bytes.</source>
        <extracomment>%1 is the path, %2 an image&apos;s size</extracomment>
        <translation>Plik %1 nie zostanie wysłany: jest dłuższy niż obraz odbiornika, który ma dokładnie %2 bajtów.</translation>
    </message>
</context>
</TS>
