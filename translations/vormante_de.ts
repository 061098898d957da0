<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ArchiveDialog</name>
    <message>
        <source>Time</source>
        <extracomment>Column caption: when the image was archived.</extracomment>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Kind</source>
        <extracomment>Column caption: received, sent or kept before saving.</extracomment>
        <translation>Art</translation>
    </message>
    <message>
        <source>File or port</source>
        <extracomment>Column caption: the file saved or the serial port used.</extracomment>
        <translation>Datei oder Port</translation>
    </message>
    <message>
        <source>Satellites</source>
        <extracomment>Column caption: the number of satellites in the image.</extracomment>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>Transponders</source>
        <extracomment>Column caption: the number of transponders in the image.</extracomment>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Channels</source>
        <extracomment>Column caption: the number of channels in the image.</extracomment>
        <translation>Sender</translation>
    </message>
    <message>
        <source>Received</source>
        <extracomment>An archived image&apos;s kind: received from the receiver.</extracomment>
        <translation>Empfangen</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Gesendet</translation>
    </message>
    <message>
        <source>Before saving</source>
        <translation>Vor dem Speichern</translation>
    </message>
    <message>
        <source>%1 (damaged)</source>
        <extracomment>%1 is an archived image&apos;s kind (Received, Sent, Before saving) whose file is damaged.</extracomment>
        <translation>%1 (beschädigt)</translation>
    </message>
    <message>
        <source>Archive</source>
        <extracomment>The window of the images kept by the program (a noun).</extracomment>
        <translation>Archiv</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>A button (a verb): open the archived image.</extracomment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Compare with the open image</source>
        <translation>Mit offenem Image vergleichen</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>A button (a verb): put the archived image into the open document.</extracomment>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>A button (a verb): delete the archived image.</extracomment>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Im Ordner zeigen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Open the image as a new, unnamed document</source>
        <translation>Das Image als neues, unbenanntes Dokument öffnen</translation>
    </message>
    <message>
        <source>Put the image into the open document, as one step Undo takes back</source>
        <translation>Das Image in das offene Dokument übernehmen, als einen Schritt, den „Rückgängig“ zurücknimmt</translation>
    </message>
    <message>
        <source>Keep at most</source>
        <extracomment>Before a number box; &quot;images&quot; follows it: &quot;Keep at most [50] images&quot;.</extracomment>
        <translation>Höchstens</translation>
    </message>
    <message>
        <source>images</source>
        <extracomment>After a number box: &quot;Keep at most [50] images&quot;.</extracomment>
        <translation>Images behalten</translation>
    </message>
    <message>
        <source>Restore image of %1</source>
        <extracomment>The name of an edit step: %1 is when the image was archived.</extracomment>
        <translation>Image vom %1 wiederherstellen</translation>
    </message>
    <message numerus="yes">
        <source>%n image in %1</source>
        <extracomment>%1 is the archive&apos;s folder.</extracomment>
        <translation>
            <numerusform>%n Image in %1</numerusform>
            <numerusform>%n Images in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n images in %1</source>
        <translation>
            <numerusform>%n Image in %1</numerusform>
            <numerusform>%n Images in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <extracomment>%1 names the archived image, %2 says why it cannot be read.</extracomment>
        <translation>Das Archiv kann %1 nicht lesen: %2.</translation>
    </message>
    <message>
        <source>the open image</source>
        <translation>das offene Image</translation>
    </message>
    <message>
        <source>The open image is already the same as %1.</source>
        <extracomment>%1 names the archived image.</extracomment>
        <translation>Das offene Image ist bereits dasselbe wie %1.</translation>
    </message>
    <message>
        <source>Delete %1 from the archive?</source>
        <extracomment>%1 names the archived image.</extracomment>
        <translation>Soll %1 aus dem Archiv gelöscht werden?</translation>
    </message>
    <message>
        <source>%1 could not be deleted: %2.</source>
        <extracomment>%1 names the archived image, %2 says why it could not be deleted.</extracomment>
        <translation>Das Archiv konnte %1 nicht löschen: %2.</translation>
    </message>
    <message>
        <source>The archive holds %1 images. Keeping at most %2 removes %3 of them now: the oldest copies from before saving first, received images last. Go ahead?</source>
        <extracomment>%1 is the number of images held, %2 the new bound, %3 the number removed.</extracomment>
        <translation>Das Archiv enthält %1 Images. Bei höchstens %2 werden jetzt %3 davon entfernt: zuerst die ältesten Kopien von vor dem Speichern, empfangene Images zuletzt. Fortfahren?</translation>
    </message>
    <message>
        <source>The bound could not be changed: %1.</source>
        <extracomment>%1 says why the number of images kept could not be changed.</extracomment>
        <translation>Die Obergrenze konnte nicht geändert werden: %1.</translation>
    </message>
</context>
<context>
    <name>ArchiveKeeper</name>
    <message>
        <source>the received image</source>
        <translation>das empfangene Image</translation>
    </message>
    <message>
        <source>the sent image</source>
        <translation>das gesendete Image</translation>
    </message>
    <message>
        <source>the file content before saving</source>
        <translation>den Dateiinhalt vor dem Speichern</translation>
    </message>
    <message>
        <source>The archive could not keep %1: %2. Transfers and saves go on without it.</source>
        <extracomment>%1 is what was to be kept, e.g. &quot;the received image&quot;; %2 the reason</extracomment>
        <translation>Das Archiv konnte %1 nicht aufbewahren: %2. Übertragungen und Speichervorgänge laufen ohne das Archiv weiter.</translation>
    </message>
    <message>
        <source>The archive kept %1, but %2.</source>
        <extracomment>%1 is what was kept, e.g. &quot;the received image&quot;; %2 what went wrong</extracomment>
        <translation>Das Archiv hat %1 aufbewahrt, aber %2.</translation>
    </message>
    <message>
        <source>the image received on %1</source>
        <extracomment>%1 is the date and time</extracomment>
        <translation>das am %1 empfangene Image</translation>
    </message>
    <message>
        <source>the image received on %1 from %2</source>
        <extracomment>%1 is the date and time, %2 the serial port</extracomment>
        <translation>das am %1 von %2 empfangene Image</translation>
    </message>
    <message>
        <source>the image sent on %1</source>
        <extracomment>%1 is the date and time</extracomment>
        <translation>das am %1 gesendete Image</translation>
    </message>
    <message>
        <source>the image sent on %1 to %2</source>
        <extracomment>%1 is the date and time, %2 the file sent</extracomment>
        <translation>das am %1 gesendete Image (%2)</translation>
    </message>
    <message>
        <source>the copy from before saving on %1</source>
        <extracomment>%1 is the date and time</extracomment>
        <translation>die vor dem Speichern am %1 angelegte Kopie</translation>
    </message>
    <message>
        <source>the copy from before saving on %1 (%2)</source>
        <extracomment>%1 is the date and time, %2 the file&apos;s name</extracomment>
        <translation>die vor dem Speichern am %1 angelegte Kopie (%2)</translation>
    </message>
    <message>
        <source>The archive keeps at most %1 images: %2 was removed.</source>
        <extracomment>%1 is the archive&apos;s bound, %2 the image removed, e.g. &quot;the image sent on ...&quot;</extracomment>
        <translation>Das Archiv behält höchstens %1 Images: %2 wurde entfernt.</translation>
    </message>
    <message>
        <source>The archive keeps at most %1 images: %2 images were removed, the newest of them %3.</source>
        <extracomment>%1 is the archive&apos;s bound, %2 how many were removed, %3 the newest of them, e.g. &quot;the image sent on ...&quot;</extracomment>
        <translation>Das Archiv behält höchstens %1 Images: %2 Images wurden entfernt, das neueste davon ist %3.</translation>
    </message>
</context>
<context>
    <name>BulkChannelCommands</name>
    <message numerus="yes">
        <source>%n channel</source>
        <extracomment>A number of channels in the name of an edit step, for example &quot;Move 3 channels to top&quot;.</extracomment>
        <translation>
            <numerusform>%n Sender</numerusform>
            <numerusform>%n Sender</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n Sender</numerusform>
            <numerusform>%n Sender</numerusform>
        </translation>
    </message>
    <message>
        <source>Del Channel</source>
        <extracomment>The title of the question before channels are deleted.</extracomment>
        <translation>Sender löschen</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channels?</source>
        <translation>
            <numerusform>%n Sender löschen?</numerusform>
            <numerusform>%n Sender löschen?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channels</source>
        <translation>
            <numerusform>%n Sender löschen</numerusform>
            <numerusform>%n Sender löschen</numerusform>
        </translation>
    </message>
    <message>
        <source>The channels have changed; nothing was deleted.</source>
        <translation>Die Sender haben sich geändert; nichts wurde gelöscht.</translation>
    </message>
    <message>
        <source>Move %1 to %2</source>
        <extracomment>The name of an edit step: %1 is a channel&apos;s name or a number of channels, %2 the new channel number.</extracomment>
        <translation>%1 auf %2 verschieben</translation>
    </message>
    <message>
        <source>Move %1 to top</source>
        <extracomment>The name of an edit step: %1 is a channel&apos;s name or a number of channels.</extracomment>
        <translation>%1 an den Anfang verschieben</translation>
    </message>
    <message>
        <source>Move %1 to bottom</source>
        <extracomment>The name of an edit step: %1 is a channel&apos;s name or a number of channels.</extracomment>
        <translation>%1 an das Ende verschieben</translation>
    </message>
    <message>
        <source>Move %1 to one place up</source>
        <extracomment>The name of an edit step: %1 is a channel&apos;s name or a number of channels.</extracomment>
        <translation>%1 um einen Platz nach oben verschieben</translation>
    </message>
    <message>
        <source>Move %1 to one place down</source>
        <translation>%1 um einen Platz nach unten verschieben</translation>
    </message>
    <message>
        <source>Move %1 to before %2</source>
        <extracomment>The name of an edit step: %1 is a channel&apos;s name or a number of channels, %2 the name of the channel they now stand before.</extracomment>
        <translation>%1 vor %2 verschieben</translation>
    </message>
    <message>
        <source>Lock</source>
        <extracomment>The channel flag that locks a channel behind the receiver&apos;s PIN.</extracomment>
        <translation>Sperre</translation>
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
        <translation>%1 bei %2 setzen</translation>
    </message>
    <message>
        <source>Clear %1 on %2</source>
        <extracomment>The name of an edit step: %1 is a flag (Lock, Fav 1...), %2 a channel&apos;s name or a number of channels.</extracomment>
        <translation>%1 bei %2 entfernen</translation>
    </message>
    <message>
        <source>Flags</source>
        <extracomment>The submenu that sets and clears the lock and favourite flags.</extracomment>
        <translation>Markierungen</translation>
    </message>
    <message>
        <source>Set %1</source>
        <extracomment>A menu item: %1 is a flag (Lock, Fav 1...).</extracomment>
        <translation>%1 setzen</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>Keep the shown order</source>
        <translation>Angezeigte Reihenfolge übernehmen</translation>
    </message>
    <message>
        <source>The channels have changed; the order was not kept.</source>
        <translation>Die Sender haben sich geändert; die Reihenfolge wurde nicht übernommen.</translation>
    </message>
    <message>
        <source>Keep this order</source>
        <translation>Diese Reihenfolge übernehmen</translation>
    </message>
</context>
<context>
    <name>ChannelCommands</name>
    <message>
        <source>Add Channel</source>
        <translation>Sender hinzufügen</translation>
    </message>
    <message>
        <source>Add channel %1</source>
        <extracomment>The name of an edit step: %1 is the channel&apos;s name.</extracomment>
        <translation>Sender %1 hinzufügen</translation>
    </message>
    <message>
        <source>Prog is Full!</source>
        <translation>Programmspeicher voll!</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Sender bearbeiten</translation>
    </message>
    <message>
        <source>Edit channel %1</source>
        <extracomment>The name of an edit step: %1 is the channel&apos;s name.</extracomment>
        <translation>Sender %1 bearbeiten</translation>
    </message>
    <message>
        <source>The channels have changed; nothing was stored.</source>
        <translation>Die Sender haben sich geändert; nichts wurde gespeichert.</translation>
    </message>
    <message>
        <source>Del Channel</source>
        <extracomment>The title of the question before a channel is deleted.</extracomment>
        <translation>Sender löschen</translation>
    </message>
    <message>
        <source>Delete channel %1</source>
        <extracomment>The name of an edit step: %1 is the channel&apos;s name.</extracomment>
        <translation>Sender %1 löschen</translation>
    </message>
</context>
<context>
    <name>ChannelDatabase</name>
    <message>
        <source>The file holds %1 bytes, but a receiver database image holds exactly %2 bytes. It is not an image and was not opened.</source>
        <extracomment>%1 is the file&apos;s size in bytes, %2 the size of every image</extracomment>
        <translation>Die Datei umfasst %1 Bytes, ein Datenbank-Image des Receivers umfasst aber genau %2 Bytes. Sie ist kein Image und wurde nicht geöffnet.</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Channel Name:</source>
        <translation>Sendername:</translation>
    </message>
    <message>
        <source>Video PID:</source>
        <extracomment>PID: the packet identifier of a stream in the transport stream.</extracomment>
        <translation>Video-PID:</translation>
    </message>
    <message>
        <source>Audio PID:</source>
        <translation>Audio-PID:</translation>
    </message>
    <message>
        <source>PCR PID:</source>
        <extracomment>PCR: the programme clock reference.</extracomment>
        <translation>PCR-PID:</translation>
    </message>
    <message>
        <source>TTxt PID:</source>
        <extracomment>TTxt: teletext.</extracomment>
        <translation>VT-PID:</translation>
    </message>
    <message>
        <source>Satellite:</source>
        <translation>Satellit:</translation>
    </message>
    <message>
        <source>TransponderID:</source>
        <translation>Transponder-ID:</translation>
    </message>
    <message>
        <source>Lock:</source>
        <extracomment>The channel flag that locks a channel behind the receiver&apos;s PIN.</extracomment>
        <translation>Sperre:</translation>
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
        <translation>Verschlüsselt</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Video-PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Audio-PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <source>TTxt PID</source>
        <extracomment>TTxt: teletext.</extracomment>
        <translation>VT-PID</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Sendername</translation>
    </message>
</context>
<context>
    <name>ChannelList</name>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line number of the list, %2 what is wrong there</extracomment>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>ein Feld in Anführungszeichen wird nicht geschlossen</translation>
    </message>
    <message>
        <source>text follows the closing quote of field %1</source>
        <extracomment>%1 is the field&apos;s number in its row</extracomment>
        <translation>auf das schließende Anführungszeichen von Feld %1 folgt Text</translation>
    </message>
    <message>
        <source>more than %1 fields hold text; a channel list has %2 columns</source>
        <translation>mehr als %1 Felder enthalten Text; eine Senderliste hat %2 Spalten</translation>
    </message>
    <message>
        <source>%1 %2 is not a satellite position like 19.2E or 5.0W</source>
        <extracomment>%1 is a column header of the list (not translated), %2 the quoted field</extracomment>
        <translation>%1 %2 ist keine Satellitenposition wie 19.2E oder 5.0W</translation>
    </message>
    <message>
        <source>%1 %2 is not TV or Radio</source>
        <translation>%1 %2 ist weder TV noch Radio</translation>
    </message>
    <message>
        <source>%1 %2 is not a channel number</source>
        <translation>%1 %2 ist keine Sendernummer</translation>
    </message>
    <message>
        <source>%1 %2 is not a frequency in MHz</source>
        <translation>%1 %2 ist keine Frequenz in MHz</translation>
    </message>
    <message>
        <source>%1 %2 is not H or V</source>
        <translation>%1 %2 ist weder H noch V</translation>
    </message>
    <message>
        <source>%1 %2 is not a symbol rate in kS/s</source>
        <translation>%1 %2 ist keine Symbolrate in kS/s</translation>
    </message>
    <message>
        <source>%1 %2 is not a PID from 0 to 16383</source>
        <translation>%1 %2 ist keine PID von 0 bis 16383</translation>
    </message>
    <message>
        <source>%1 %2 is not 1 or 0</source>
        <translation>%1 %2 ist weder 1 noch 0</translation>
    </message>
    <message>
        <source>the list is larger than %1 MB</source>
        <translation>die Liste ist größer als %1 MB</translation>
    </message>
    <message>
        <source>not a channel list: the header row has no comma, semicolon or tab</source>
        <translation>keine Senderliste: die Kopfzeile enthält weder Komma noch Semikolon noch Tabulator</translation>
    </message>
    <message>
        <source>not a channel list: the header row has no &quot;%1&quot; column</source>
        <extracomment>%1 is a column header of the list (not translated)</extracomment>
        <translation>keine Senderliste: die Kopfzeile hat keine Spalte „%1“</translation>
    </message>
    <message>
        <source>the list has more than %1 rows; an image holds at most %2 channels</source>
        <translation>die Liste hat mehr als %1 Zeilen; ein Image fasst höchstens %2 Sender</translation>
    </message>
    <message>
        <source>%1 fields where the header has %2</source>
        <extracomment>%1 is the row&apos;s number of fields, %2 the header&apos;s</extracomment>
        <translation>%1 Felder, wo die Kopfzeile %2 hat</translation>
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
        <translation>Verschlüsselte zuerst</translation>
    </message>
    <message>
        <source>Scr down</source>
        <extracomment>Sort the scrambled (encrypted) channels last.</extracomment>
        <translation>Verschlüsselte zuletzt</translation>
    </message>
    <message>
        <source>Freq up</source>
        <extracomment>Sort by frequency, lowest first.</extracomment>
        <translation>Frequenz aufsteigend</translation>
    </message>
    <message>
        <source>Freq down</source>
        <extracomment>Sort by frequency, highest first.</extracomment>
        <translation>Frequenz absteigend</translation>
    </message>
    <message>
        <source>	 Do you want to del channel [%1]?		</source>
        <extracomment>%1 is the channel&apos;s name; keep the tabs.</extracomment>
        <translation>	 Möchten Sie den Sender [%1] löschen?		</translation>
    </message>
    <message>
        <source>Select Satellite:</source>
        <translation>Satellit wählen:</translation>
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
        <translation>TV-Anzahl:</translation>
    </message>
    <message>
        <source>Radio No:</source>
        <extracomment>The number of radio channels follows.</extracomment>
        <translation>Radio-Anzahl:</translation>
    </message>
    <message>
        <source>Total No:</source>
        <extracomment>The number of all channels follows.</extracomment>
        <translation>Gesamt:</translation>
    </message>
    <message>
        <source>Add Channel...</source>
        <translation>Sender hinzufügen...</translation>
    </message>
    <message>
        <source>Edit Channel...</source>
        <translation>Sender bearbeiten...</translation>
    </message>
    <message>
        <source>Del Channel</source>
        <extracomment>Delete the channel (a menu item).</extracomment>
        <translation>Sender löschen</translation>
    </message>
    <message>
        <source>Sort</source>
        <extracomment>A submenu: the ways to sort the channels.</extracomment>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>Move</source>
        <extracomment>A menu item (a verb): move the channel to a number typed in.</extracomment>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Move to top</source>
        <translation>An den Anfang</translation>
    </message>
    <message>
        <source>Move to bottom</source>
        <translation>An das Ende</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Sort %1 on %2</source>
        <extracomment>The name of an edit step: %1 is the sort (a..Z, Freq up...), %2 the satellite.</extracomment>
        <translation>%2 sortieren (%1)</translation>
    </message>
    <message>
        <source>Error Input!</source>
        <translation>Eingabefehler!</translation>
    </message>
    <message>
        <source>Move %1 to %2</source>
        <extracomment>The name of an edit step: %1 is the channel&apos;s name, %2 its new number.</extracomment>
        <translation>%1 auf %2 verschieben</translation>
    </message>
</context>
<context>
    <name>ChannelOrderPlan</name>
    <message>
        <source>channel slot %1 lies on the chains of satellite slots %2 and %3</source>
        <translation>Senderplatz %1 liegt auf den Ketten der Satellitenplätze %2 und %3</translation>
    </message>
</context>
<context>
    <name>ChannelRowTexts</name>
    <message>
        <source>No</source>
        <extracomment>Column caption: the channel&apos;s place in the list.</extracomment>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Sendername</translation>
    </message>
    <message>
        <source>v pid</source>
        <extracomment>Column caption: video PID.</extracomment>
        <translation>V-PID</translation>
    </message>
    <message>
        <source>a pid</source>
        <extracomment>Column caption: audio PID.</extracomment>
        <translation>A-PID</translation>
    </message>
    <message>
        <source>pcr pid</source>
        <extracomment>Column caption: PCR (programme clock reference) PID.</extracomment>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <source>txt pid</source>
        <extracomment>Column caption: teletext PID.</extracomment>
        <translation>VT-PID</translation>
    </message>
    <message>
        <source>lock</source>
        <extracomment>Column caption: the lock flag.</extracomment>
        <translation>Sperre</translation>
    </message>
    <message>
        <source>scr</source>
        <extracomment>Column caption: the scrambled (encrypted) flag.</extracomment>
        <translation>Verschl.</translation>
    </message>
    <message>
        <source>fav 1</source>
        <extracomment>Column caption: favourite list 1.</extracomment>
        <translation>Fav 1</translation>
    </message>
    <message>
        <source>fav 2</source>
        <extracomment>Column caption: favourite list 2.</extracomment>
        <translation>Fav 2</translation>
    </message>
    <message>
        <source>fav 3</source>
        <extracomment>Column caption: favourite list 3.</extracomment>
        <translation>Fav 3</translation>
    </message>
    <message>
        <source>fav 4</source>
        <extracomment>Column caption: favourite list 4.</extracomment>
        <translation>Fav 4</translation>
    </message>
    <message>
        <source>CH No</source>
        <extracomment>Column caption: the channel number the receiver stores.</extracomment>
        <translation>Sender-Nr.</translation>
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
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>Title of the message box.</extracomment>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The command could not be completed (%1). The image was left as it was before the command.</source>
        <extracomment>%1: why the command failed.</extracomment>
        <translation>Der Befehl konnte nicht ausgeführt werden (%1). Das Image blieb so, wie es vor dem Befehl war.</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Compare with %1</source>
        <extracomment>%1 names the other image (a file name or an archived copy).</extracomment>
        <translation>Vergleich: %1</translation>
    </message>
    <message>
        <source>The images do not differ.</source>
        <translation>Die Images unterscheiden sich nicht.</translation>
    </message>
    <message>
        <source>No compared field differs, but bytes do: %1.</source>
        <translation>Keines der verglichenen Felder unterscheidet sich, wohl aber Bytes: %1.</translation>
    </message>
    <message>
        <source>From %1 to %2; &quot;added&quot; is only in %2, &quot;removed&quot; only in %1.</source>
        <translation>%1 → %2; „hinzugefügt“ steht nur in %2, „entfernt“ nur in %1.</translation>
    </message>
    <message>
        <source>Satellite %1 (%2): %3</source>
        <extracomment>%1 is the satellite&apos;s name, %2 its position, %3 what happened to it (added, removed, changed).</extracomment>
        <translation>Satellit %1 (%2): %3</translation>
    </message>
    <message>
        <source>Transponder %1: %2</source>
        <extracomment>%1 is the transponder, %2 what happened to it (added, removed, changed).</extracomment>
        <translation>Transponder %1: %2</translation>
    </message>
    <message>
        <source>Settings: changed</source>
        <translation>Einstellungen: geändert</translation>
    </message>
    <message>
        <source>Bytes that differ</source>
        <translation>Abweichende Bytes</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n byte</source>
        <extracomment>%1 is a table of the image (satellites, channels...).</extracomment>
        <translation>
            <numerusform>%1: %n Byte</numerusform>
            <numerusform>%1: %n Bytes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n bytes</source>
        <translation>
            <numerusform>%1: %n Byte</numerusform>
            <numerusform>%1: %n Bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>Save report...</source>
        <translation>Bericht speichern...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Save the comparison</source>
        <translation>Vergleich speichern</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The report could not be saved: %1</source>
        <translation>Der Bericht konnte nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>ConsistencyCheck</name>
    <message>
        <source>Satellite slot %1: the transponder chain starts at slot %2, outside the table.</source>
        <translation>Satellitenplatz %1: Die Transponderkette beginnt bei Platz %2, außerhalb der Tabelle.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain links slot %2 to slot %3, outside the table.</source>
        <translation>Satellitenplatz %1: Die Transponderkette verweist von Platz %2 auf Platz %3, außerhalb der Tabelle.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain comes back to slot %2 after slot %3.</source>
        <translation>Satellitenplatz %1: Die Transponderkette kehrt nach Platz %3 zu Platz %2 zurück.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain reaches slot %2, which is on the chain of satellite slot %3 as well.</source>
        <translation>Satellitenplatz %1: Die Transponderkette erreicht Platz %2, der auch auf der Kette von Satellitenplatz %3 liegt.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain starts at slot %2, whose previous link is %3 instead of none.</source>
        <translation>Satellitenplatz %1: Die Transponderkette beginnt bei Platz %2, dessen Vorgänger %3 statt keiner ist.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain goes from slot %2 to slot %3, whose previous link is %4.</source>
        <translation>Satellitenplatz %1: Die Transponderkette führt von Platz %2 zu Platz %3, dessen Vorgänger %4 ist.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain&apos;s tail is %2, but the chain is empty.</source>
        <translation>Satellitenplatz %1: Das Ende der Transponderkette ist %2, aber die Kette ist leer.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain&apos;s tail is %2, but the chain ends at slot %3.</source>
        <translation>Satellitenplatz %1: Das Ende der Transponderkette ist %2, aber die Kette endet bei Platz %3.</translation>
    </message>
    <message>
        <source>Satellite slot %1 counts %2 transponders, but its chain holds %3.</source>
        <translation>Satellitenplatz %1 zählt %2 Transponder, aber seine Kette enthält %3.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain starts at slot %2, outside the table.</source>
        <translation>Satellitenplatz %1: Die Senderkette beginnt bei Platz %2, außerhalb der Tabelle.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain links slot %2 to slot %3, outside the table.</source>
        <translation>Satellitenplatz %1: Die Senderkette verweist von Platz %2 auf Platz %3, außerhalb der Tabelle.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain comes back to slot %2 after slot %3.</source>
        <translation>Satellitenplatz %1: Die Senderkette kehrt nach Platz %3 zu Platz %2 zurück.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain reaches slot %2, which is on the chain of satellite slot %3 as well.</source>
        <translation>Satellitenplatz %1: Die Senderkette erreicht Platz %2, der auch auf der Kette von Satellitenplatz %3 liegt.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain starts at slot %2, whose previous link is %3 instead of none.</source>
        <translation>Satellitenplatz %1: Die Senderkette beginnt bei Platz %2, dessen Vorgänger %3 statt keiner ist.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain goes from slot %2 to slot %3, whose previous link is %4.</source>
        <translation>Satellitenplatz %1: Die Senderkette führt von Platz %2 zu Platz %3, dessen Vorgänger %4 ist.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain&apos;s tail is %2, but the chain is empty.</source>
        <translation>Satellitenplatz %1: Das Ende der Senderkette ist %2, aber die Kette ist leer.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain&apos;s tail is %2, but the chain ends at slot %3.</source>
        <translation>Satellitenplatz %1: Das Ende der Senderkette ist %2, aber die Kette endet bei Platz %3.</translation>
    </message>
    <message>
        <source>Satellite slot %1 counts %2 channels, but its chain holds %3.</source>
        <translation>Satellitenplatz %1 zählt %2 Sender, aber seine Kette enthält %3.</translation>
    </message>
    <message>
        <source>The satellite count is %1, but %2 satellite slots are in use.</source>
        <translation>Die Satellitenanzahl ist %1, aber %2 Satellitenplätze sind belegt.</translation>
    </message>
    <message>
        <source>Satellite slot %1: transponder slot %2 is on the chain but free.</source>
        <translation>Satellitenplatz %1: Transponderplatz %2 liegt auf der Kette, ist aber frei.</translation>
    </message>
    <message>
        <source>Satellite slot %1: transponder slot %2 is on the chain but names satellite slot %3.</source>
        <translation>Satellitenplatz %1: Transponderplatz %2 liegt auf der Kette, nennt aber Satellitenplatz %3.</translation>
    </message>
    <message>
        <source>Satellite slot %1 holds channels, but its state is %2 instead of 1, so they are never renumbered.</source>
        <translation>Satellitenplatz %1 enthält Sender, aber sein Status ist %2 statt 1, daher werden sie nie neu nummeriert.</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 has service type %3, but its video PID makes it radio (2).</source>
        <extracomment>%1 satellite slot, %2 channel slot, %3 the stored service type</extracomment>
        <translation>Satellitenplatz %1: Senderplatz %2 hat den Diensttyp %3, aber seine Video-PID macht ihn zu Radio (2).</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 has service type %3, but its video PID makes it TV (1).</source>
        <translation>Satellitenplatz %1: Senderplatz %2 hat den Diensttyp %3, aber seine Video-PID macht ihn zu TV (1).</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 has number %3, but its place among the radio channels makes it %4.</source>
        <extracomment>%1 satellite slot, %2 channel slot, %3 the stored number, %4 the number it should have</extracomment>
        <translation>Satellitenplatz %1: Senderplatz %2 hat die Nummer %3, aber sein Platz unter den Radiosendern ergibt %4.</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 has number %3, but its place among the TV channels makes it %4.</source>
        <translation>Satellitenplatz %1: Senderplatz %2 hat die Nummer %3, aber sein Platz unter den TV-Sendern ergibt %4.</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 is on the chain but free.</source>
        <translation>Satellitenplatz %1: Senderplatz %2 liegt auf der Kette, ist aber frei.</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 names transponder %3, which is no transponder slot.</source>
        <extracomment>%3 is the stored transponder number, which names no slot</extracomment>
        <translation>Satellitenplatz %1: Senderplatz %2 nennt Transponder %3, der kein Transponderplatz ist.</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 names transponder slot %3, which is free.</source>
        <translation>Satellitenplatz %1: Senderplatz %2 nennt Transponderplatz %3, der frei ist.</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 names transponder slot %3 of satellite slot %4.</source>
        <translation>Satellitenplatz %1: Senderplatz %2 nennt Transponderplatz %3 von Satellitenplatz %4.</translation>
    </message>
    <message>
        <source>Transponder slot %1 is in use, but no satellite&apos;s chain reaches it.</source>
        <translation>Transponderplatz %1 ist belegt, aber keine Satellitenkette erreicht ihn.</translation>
    </message>
    <message>
        <source>Channel slot %1 is in use, but no satellite&apos;s chain reaches it.</source>
        <translation>Senderplatz %1 ist belegt, aber keine Satellitenkette erreicht ihn.</translation>
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
        <translation>Abbrechen</translation>
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
        <translation>kein Transponder</translation>
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
        <translation>Duplikate suchen</translation>
    </message>
    <message>
        <source>Delete selected</source>
        <translation>Auswahl löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>No channel is stored twice.</source>
        <translation>Kein Sender ist doppelt gespeichert.</translation>
    </message>
    <message>
        <source>Stored more than once: %1. Selected for deletion: %2.</source>
        <extracomment>%1 is a number of services (&quot;3 services&quot;), %2 a number of channels.</extracomment>
        <translation>Mehrfach gespeichert: %1. Zum Löschen ausgewählt: %2.</translation>
    </message>
    <message>
        <source>The image is damaged: %1, so nothing can be deleted; the consistency check lists its problems.</source>
        <translation>Das Image ist beschädigt: %1, daher kann nichts gelöscht werden; die Konsistenzprüfung listet seine Probleme auf.</translation>
    </message>
</context>
<context>
    <name>FindChannelDialog</name>
    <message>
        <source>Find Channel</source>
        <translation>Sender suchen</translation>
    </message>
    <message>
        <source>Name, channel number or PID</source>
        <translation>Name, Sendernummer oder PID</translation>
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
        <translation>Geben Sie einen Namen, eine Sendernummer oder eine PID ein.</translation>
    </message>
    <message>
        <source>No channel found.</source>
        <translation>Kein Sender gefunden.</translation>
    </message>
    <message>
        <source>1 channel found.</source>
        <translation>1 Sender gefunden.</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
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
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Sendername</translation>
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
            <numerusform>%n Sender gefunden.</numerusform>
            <numerusform>%n Sender gefunden.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImageArchive</name>
    <message>
        <source>The archive&apos;s index could not be repaired: %1</source>
        <extracomment>%1 is the reason</extracomment>
        <translation>Der Index des Archivs konnte nicht repariert werden: %1</translation>
    </message>
    <message>
        <source>it is not a whole image (%1 bytes)</source>
        <extracomment>%1 is the file&apos;s size</extracomment>
        <translation>es ist kein vollständiges Image (%1 Bytes)</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <extracomment>%1 is the folder</extracomment>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the archive is busy; its index lists the image later</source>
        <translation>das Archiv ist belegt; sein Index führt das Image später auf</translation>
    </message>
    <message>
        <source>the archive&apos;s index could not be written: %1</source>
        <extracomment>%1 is the reason</extracomment>
        <translation>der Index des Archivs konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>the archive holds no image %1</source>
        <extracomment>%1 is the image&apos;s name in the archive</extracomment>
        <translation>das Archiv enthält kein Image %1</translation>
    </message>
    <message>
        <source>the archived image %1 is damaged: its file %2 is not a whole image of %3 bytes</source>
        <extracomment>%1 is the image&apos;s name in the archive, %2 its file, %3 an image&apos;s size</extracomment>
        <translation>das archivierte Image %1 ist beschädigt: seine Datei %2 ist kein vollständiges Image mit %3 Bytes</translation>
    </message>
    <message>
        <source>the archive is busy; try again</source>
        <translation>das Archiv ist belegt; versuchen Sie es erneut</translation>
    </message>
</context>
<context>
    <name>ImageDiff</name>
    <message>
        <source>sector headers</source>
        <translation>Sektorköpfe</translation>
    </message>
    <message>
        <source>%1 in the sector headers</source>
        <translation>%1 in den Sektorköpfen</translation>
    </message>
    <message>
        <source>satellite table</source>
        <translation>Satellitentabelle</translation>
    </message>
    <message>
        <source>%1 in the satellite table</source>
        <translation>%1 in der Satellitentabelle</translation>
    </message>
    <message>
        <source>transponder marks</source>
        <translation>Transpondermarken</translation>
    </message>
    <message>
        <source>%1 in the transponder marks</source>
        <translation>%1 in den Transpondermarken</translation>
    </message>
    <message>
        <source>settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>%1 in the settings</source>
        <translation>%1 in den Einstellungen</translation>
    </message>
    <message>
        <source>transponder table</source>
        <translation>Transpondertabelle</translation>
    </message>
    <message>
        <source>%1 in the transponder table</source>
        <translation>%1 in der Transpondertabelle</translation>
    </message>
    <message>
        <source>channel table</source>
        <translation>Sendertabelle</translation>
    </message>
    <message>
        <source>%1 in the channel table</source>
        <translation>%1 in der Sendertabelle</translation>
    </message>
    <message>
        <source>unused bytes</source>
        <translation>ungenutzte Bytes</translation>
    </message>
    <message>
        <source>%1 of the unused bytes</source>
        <translation>%1 der ungenutzten Bytes</translation>
    </message>
    <message>
        <source>%1 MHz %2 %3 kS/s</source>
        <extracomment>A transponder: %1 frequency, %2 polarization V or H, %3 symbol rate</extracomment>
        <translation>%1 MHz %2 %3 kS/s</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>symbol rate</source>
        <translation>Symbolrate</translation>
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
        <translation>Sperre</translation>
    </message>
    <message>
        <source>scrambled</source>
        <translation>verschlüsselt</translation>
    </message>
    <message>
        <source>fav 1</source>
        <translation>Fav 1</translation>
    </message>
    <message>
        <source>fav 2</source>
        <translation>Fav 2</translation>
    </message>
    <message>
        <source>fav 3</source>
        <translation>Fav 3</translation>
    </message>
    <message>
        <source>fav 4</source>
        <translation>Fav 4</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>polarization</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>video PID</source>
        <translation>Video-PID</translation>
    </message>
    <message>
        <source>audio PID</source>
        <translation>Audio-PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <source>teletext PID</source>
        <translation>Videotext-PID</translation>
    </message>
    <message>
        <source>standby</source>
        <extracomment>A receiver setting&apos;s name in the list of differences</extracomment>
        <translation>Standby</translation>
    </message>
    <message>
        <source>aspect ratio</source>
        <translation>Bildformat</translation>
    </message>
    <message>
        <source>menu language</source>
        <translation>Menüsprache</translation>
    </message>
    <message>
        <source>RF channel</source>
        <translation>HF-Kanal</translation>
    </message>
    <message>
        <source>sound system</source>
        <translation>Tonnorm</translation>
    </message>
    <message>
        <source>colour system</source>
        <translation>Farbnorm</translation>
    </message>
    <message>
        <source>receiver lock</source>
        <translation>Receiversperre</translation>
    </message>
    <message>
        <source>menu lock</source>
        <translation>Menüsperre</translation>
    </message>
    <message>
        <source>delay time</source>
        <translation>Verzögerungszeit</translation>
    </message>
    <message>
        <source>time zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>GMT usage</source>
        <translation>GMT-Nutzung</translation>
    </message>
    <message>
        <source>summer time</source>
        <translation>Sommerzeit</translation>
    </message>
    <message>
        <source>time offset</source>
        <translation>Zeitversatz</translation>
    </message>
    <message>
        <source>current satellite</source>
        <translation>aktueller Satellit</translation>
    </message>
    <message>
        <source>transparency</source>
        <translation>Transparenz</translation>
    </message>
    <message>
        <source>volume left</source>
        <translation>Lautstärke links</translation>
    </message>
    <message>
        <source>volume right</source>
        <translation>Lautstärke rechts</translation>
    </message>
    <message>
        <source>PIN code</source>
        <translation>PIN-Code</translation>
    </message>
    <message>
        <source>LNB Type%1 low frequency</source>
        <extracomment>An LNB type&apos;s setting; %1 is the type&apos;s number (the receiver calls its types Type1..Type8)</extracomment>
        <translation>LNB Type%1 untere Frequenz</translation>
    </message>
    <message>
        <source>LNB Type%1 high frequency</source>
        <translation>LNB Type%1 obere Frequenz</translation>
    </message>
    <message>
        <source>LNB Type%1 low band</source>
        <translation>LNB Type%1 Low-Band</translation>
    </message>
    <message>
        <source>LNB Type%1 high band</source>
        <translation>LNB Type%1 High-Band</translation>
    </message>
    <message>
        <source>LNB Type%1 DiSEqC</source>
        <translation>LNB Type%1 DiSEqC</translation>
    </message>
    <message>
        <source>LNB Type%1 polarity control</source>
        <translation>LNB Type%1 Polarisationssteuerung</translation>
    </message>
    <message>
        <source>LNB Type%1 band control</source>
        <translation>LNB Type%1 Bandumschaltung</translation>
    </message>
    <message>
        <source>LNB Type%1 22 kHz tone</source>
        <translation>LNB Type%1 22-kHz-Ton</translation>
    </message>
    <message>
        <source>LNB Type%1 12 V switch</source>
        <translation>LNB Type%1 12-V-Schaltausgang</translation>
    </message>
    <message>
        <source>LNB Type%1 LNB power</source>
        <translation>LNB Type%1 LNB-Speisung</translation>
    </message>
    <message>
        <source>added</source>
        <extracomment>What happened to a satellite, transponder or channel from the first image to the second</extracomment>
        <translation>hinzugefügt</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>entfernt</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>geändert</translation>
    </message>
    <message>
        <source>LNB type</source>
        <translation>LNB-Typ</translation>
    </message>
    <message>
        <source>Differences from %1 to %2</source>
        <extracomment>%1 and %2 are the names of the compared images</extracomment>
        <translation>Unterschiede %1 → %2</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Keine Unterschiede.</translation>
    </message>
    <message>
        <source>No compared field differs, but bytes do.</source>
        <translation>Keines der verglichenen Felder unterscheidet sich, wohl aber Bytes.</translation>
    </message>
    <message>
        <source>Satellite %1 (%2): %3</source>
        <extracomment>%1 satellite name, %2 its position, %3 added, removed or changed</extracomment>
        <translation>Satellit %1 (%2): %3</translation>
    </message>
    <message>
        <source>Transponder %1: %2</source>
        <extracomment>%1 a transponder (frequency, polarization, symbol rate), %2 added, removed or changed</extracomment>
        <translation>Transponder %1: %2</translation>
    </message>
    <message>
        <source>Settings: changed</source>
        <translation>Einstellungen: geändert</translation>
    </message>
    <message>
        <source>Bytes that differ: %1.</source>
        <extracomment>%1 lists the differing bytes per part, e.g. &quot;3 in the channel table, 2 of the unused bytes&quot;</extracomment>
        <translation>Abweichende Bytes: %1.</translation>
    </message>
</context>
<context>
    <name>ImageFile</name>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Why a file is refused; follows &quot;Cannot read/write FILE: &quot;</extracomment>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <extracomment>%1 is the quoted file name, %2 the reason</extracomment>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <extracomment>%1 is the quoted file name, %2 the reason</extracomment>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source> (the file was being overwritten in place and may be incomplete)</source>
        <extracomment>Follows the system&apos;s reason why writing failed</extracomment>
        <translation> (die Datei wurde direkt überschrieben und ist möglicherweise unvollständig)</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <extracomment>%1 is the quoted file name, %2 the system&apos;s reason</extracomment>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>it is too large to be kept in a backup</source>
        <translation>sie ist zu groß für eine Sicherungskopie</translation>
    </message>
    <message>
        <source>Cannot back up %1 to %2: %3</source>
        <extracomment>%1 is the quoted file, %2 the quoted backup file, %3 the reason</extracomment>
        <translation>%1 kann nicht nach %2 gesichert werden: %3</translation>
    </message>
    <message>
        <source>Cannot back up %1: %2</source>
        <extracomment>%1 is the quoted file, %2 the message of the failed backup write</extracomment>
        <translation>%1 kann nicht gesichert werden: %2</translation>
    </message>
</context>
<context>
    <name>ImageProblems</name>
    <message>
        <source>%1 has 1 problem: its chains, counts or channel numbers do not fit together.</source>
        <extracomment>%1 is the file name</extracomment>
        <translation>%1 hat 1 Problem: Ketten, Zähler oder Sendernummern passen nicht zusammen.</translation>
    </message>
    <message>
        <source>%1 has %2 problems: its chains, counts or channel numbers do not fit together.</source>
        <extracomment>%1 is the file name, %2 the number of problems (more than one)</extracomment>
        <translation>%1 hat %2 Probleme: Ketten, Zähler oder Sendernummern passen nicht zusammen.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The image is open as it is. Editing it may not work as expected; &quot;Show Details...&quot; lists each problem.</source>
        <translation>Das Image ist unverändert geöffnet. Das Bearbeiten funktioniert möglicherweise nicht wie erwartet; „Details einblenden...“ listet jedes Problem auf.</translation>
    </message>
</context>
<context>
    <name>ListFilterBar</name>
    <message>
        <source>%1 of %2</source>
        <extracomment>Rows shown by the filter: %1 shown of %2 in the list.</extracomment>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Filter</source>
        <extracomment>Placeholder of the box that filters the channel list (a noun).</extracomment>
        <translation>Filter</translation>
    </message>
</context>
<context>
    <name>ListImportDialog</name>
    <message>
        <source>Import txt file</source>
        <translation>TXT-Datei importieren</translation>
    </message>
    <message>
        <source>Not in the list</source>
        <translation>Nicht in der Liste</translation>
    </message>
    <message>
        <source>Line %1: %2 (%3)</source>
        <extracomment>%1 is a line number of the file, %2 the name there, %3 the satellite&apos;s position.</extracomment>
        <translation>Zeile %1: %2 (%3)</translation>
    </message>
    <message>
        <source>Line %1: %2 (keeps the name %3)</source>
        <extracomment>%1 is a line number of the file, %2 the name there, %3 the channel&apos;s stored name.</extracomment>
        <translation>Zeile %1: %2 (behält den Namen %3)</translation>
    </message>
    <message>
        <source>Rows that match no channel</source>
        <translation>Zeilen ohne passenden Sender</translation>
    </message>
    <message>
        <source>Names that do not fit 11 Latin-1 characters</source>
        <translation>Namen, die nicht in 11 Latin-1-Zeichen passen</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>%1 is a line number of the file, %2 the name there.</extracomment>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Rows paired by name: their PIDs or transponder differ, the channels keep theirs</source>
        <translation>Nach Namen zugeordnete Zeilen: PIDs oder Transponder weichen ab, die Sender behalten ihre</translation>
    </message>
    <message>
        <source>Delete channels missing from the list</source>
        <translation>Sender löschen, die in der Liste fehlen</translation>
    </message>
    <message>
        <source>The image is damaged: %1. Nothing can be imported; the consistency check lists its problems.</source>
        <extracomment>%1 says what is wrong with the image.</extracomment>
        <translation>Das Image ist beschädigt: %1. Nichts kann importiert werden; die Konsistenzprüfung listet seine Probleme auf.</translation>
    </message>
    <message>
        <source>Read as %1 text (the file is not UTF-8).</source>
        <extracomment>%1 is the name of a character encoding, such as Latin-1.</extracomment>
        <translation>Als %1-Text gelesen (die Datei ist nicht UTF-8).</translation>
    </message>
    <message>
        <source>The list changes nothing.</source>
        <translation>Die Liste ändert nichts.</translation>
    </message>
    <message>
        <source>Moved: %1. Renamed: %2. Flags changed: %3.</source>
        <extracomment>Each of %1, %2 and %3 is a number of channels (&quot;3 channels&quot;).</extracomment>
        <translation>Verschoben: %1. Umbenannt: %2. Markierungen geändert: %3.</translation>
    </message>
    <message>
        <source>Not in the list: %1, to be deleted.</source>
        <translation>Nicht in der Liste: %1, werden gelöscht.</translation>
    </message>
    <message>
        <source>Not in the list: %1, kept after the listed ones.</source>
        <translation>Nicht in der Liste: %1, bleiben hinter den aufgeführten.</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>LNB Edit</source>
        <extracomment>Dialog title: editing an LNB type.</extracomment>
        <translation>LNB bearbeiten</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <extracomment>LNB: the low-noise block converter on the dish.</extracomment>
        <translation>LNB-Typ</translation>
    </message>
    <message>
        <source>LNB Freq Low</source>
        <translation>LNB-Freq. Low</translation>
    </message>
    <message>
        <source>LNB Freq High</source>
        <translation>LNB-Freq. High</translation>
    </message>
    <message>
        <source>DiSEqC</source>
        <extracomment>The dish switching protocol&apos;s name; usually kept as it is.</extracomment>
        <translation>DiSEqC</translation>
    </message>
    <message>
        <source>Polarity Control</source>
        <translation>Polarisationssteuerung</translation>
    </message>
    <message>
        <source>FreqBaudControl</source>
        <extracomment>How the receiver switches the LNB between its low and high band.</extracomment>
        <translation>Bandumschaltung</translation>
    </message>
    <message>
        <source>22kHz</source>
        <extracomment>The 22 kHz tone sent to the LNB.</extracomment>
        <translation>22 kHz</translation>
    </message>
    <message>
        <source>12V</source>
        <extracomment>The 12 volt switching output.</extracomment>
        <translation>12 V</translation>
    </message>
    <message>
        <source>LNB Power</source>
        <translation>LNB-Speisung</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Undo</source>
        <extracomment>a command</extracomment>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>a command</extracomment>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <extracomment>%1 is the name of the step, e.g. &quot;Delete channel arte&quot;</extracomment>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <extracomment>%1 is the name of the step, e.g. &quot;Delete channel arte&quot;</extracomment>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>Sat+LNB+TP+Channel</source>
        <extracomment>the tab of satellites, LNBs, transponders and their channels</extracomment>
        <translation>Sat+LNB+TP+Sender</translation>
    </message>
    <message>
        <source>All Channels Edit</source>
        <translation>Alle Sender bearbeiten</translation>
    </message>
    <message>
        <source>System setting</source>
        <translation>Systemeinstellung</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Save</source>
        <extracomment>Button: save the changes, then go on.</extracomment>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Discard</source>
        <extracomment>Button: drop the unsaved changes, then go on.</extracomment>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>Button: the answer to a question.</extracomment>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>MoveToDialog</name>
    <message>
        <source>Dialog</source>
        <extracomment>The title of the window that asks for a channel&apos;s new number.</extracomment>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Move to</source>
        <translation>Verschieben nach</translation>
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
        <source>Please enter an integer.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
</context>
<context>
    <name>MultiChannelEdit</name>
    <message>
        <source>(several)</source>
        <extracomment>Shown in an empty box whose value differs between the channels edited.</extracomment>
        <translation>(mehrere)</translation>
    </message>
    <message numerus="yes">
        <source>Edit %n channels</source>
        <extracomment>The title of the dialog and the name of the edit step.</extracomment>
        <translation>
            <numerusform>%n Sender bearbeiten</numerusform>
            <numerusform>%n Sender bearbeiten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NamesList</name>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line number of the list, %2 what is wrong there</extracomment>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the list is larger than %1 MiB; a list of names for one satellite is far smaller</source>
        <translation>die Liste ist größer als %1 MiB; eine Namensliste für einen Satelliten ist viel kleiner</translation>
    </message>
    <message>
        <source>the list has more than %1 lines; an image holds at most %2 channels</source>
        <translation>die Liste hat mehr als %1 Zeilen; ein Image fasst höchstens %2 Sender</translation>
    </message>
    <message>
        <source>the control character %1 is no part of a list of names; is this a binary file?</source>
        <extracomment>%1 is the character&apos;s code, such as 0x07</extracomment>
        <translation>das Steuerzeichen %1 gehört nicht in eine Namensliste; ist das eine Binärdatei?</translation>
    </message>
    <message>
        <source>the line is longer than %1 characters; a channel name has at most %2</source>
        <translation>die Zeile ist länger als %1 Zeichen; ein Sendername hat höchstens %2</translation>
    </message>
</context>
<context>
    <name>NamesOrder</name>
    <message>
        <source>exact</source>
        <extracomment>How a line of a list of names found its channel: by the same name</extracomment>
        <translation>exakt</translation>
    </message>
    <message>
        <source>case-folded</source>
        <extracomment>How a line of a list of names found its channel: ignoring case, spaces and punctuation</extracomment>
        <translation>vereinfacht</translation>
    </message>
    <message>
        <source>loose</source>
        <extracomment>How a line of a list of names found its channel: also ignoring accents and an HD, SD, TV or +1 marker</extracomment>
        <translation>ungefähr</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>A line of a list of names that found no channel</extracomment>
        <translation>keine</translation>
    </message>
</context>
<context>
    <name>NamesOrderDialog</name>
    <message>
        <source>Order by a list of names</source>
        <translation>Nach einer Namensliste ordnen</translation>
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
        <translation>Satellit:</translation>
    </message>
    <message>
        <source>Line</source>
        <extracomment>Column caption: the line number in the list of names.</extracomment>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>In the list</source>
        <extracomment>Column caption: the name as the list spells it.</extracomment>
        <translation>In der Liste</translation>
    </message>
    <message>
        <source>Channel</source>
        <extracomment>Column caption: the channel of the image the line matches.</extracomment>
        <translation>Sender</translation>
    </message>
    <message>
        <source>Match</source>
        <extracomment>Column caption: how the name matched (exact, case-folded, loose).</extracomment>
        <translation>Zuordnung</translation>
    </message>
    <message>
        <source>Give matched channels the list&apos;s spelling</source>
        <translation>Zugeordneten Sendern die Schreibweise der Liste geben</translation>
    </message>
    <message>
        <source>Delete channels missing from the list</source>
        <translation>Sender löschen, die in der Liste fehlen</translation>
    </message>
    <message>
        <source>%1 (No %2)</source>
        <extracomment>%1 is the channel&apos;s name, %2 its number in the list.</extracomment>
        <translation>%1 (Nr. %2)</translation>
    </message>
    <message>
        <source>Matched lines</source>
        <translation>Zugeordnete Zeilen</translation>
    </message>
    <message>
        <source>%1, one of %2</source>
        <extracomment>%1 is how the name matched, %2 the number of channels it could be.</extracomment>
        <translation>%1, einer von %2</translation>
    </message>
    <message>
        <source>Lines that match no channel</source>
        <translation>Zeilen ohne passenden Sender</translation>
    </message>
    <message>
        <source>no such name</source>
        <translation>kein solcher Name</translation>
    </message>
    <message>
        <source>not Latin-1</source>
        <translation>nicht Latin-1</translation>
    </message>
    <message>
        <source>Channels not in the list</source>
        <translation>Sender, die nicht in der Liste stehen</translation>
    </message>
    <message>
        <source>to be deleted</source>
        <translation>werden gelöscht</translation>
    </message>
    <message>
        <source>kept after the listed ones</source>
        <translation>bleiben hinter den aufgeführten</translation>
    </message>
    <message>
        <source>Renamed</source>
        <extracomment>A group of channels that get another name.</extracomment>
        <translation>Umbenannt</translation>
    </message>
    <message>
        <source>takes this spelling</source>
        <translation>übernimmt diese Schreibweise</translation>
    </message>
    <message>
        <source>Names that do not fit 11 Latin-1 characters</source>
        <translation>Namen, die nicht in 11 Latin-1-Zeichen passen</translation>
    </message>
    <message>
        <source>keeps its name</source>
        <translation>behält seinen Namen</translation>
    </message>
    <message>
        <source>%1 (%2), %3: %4 exact, %5 case-folded, %6 loose, %7 matching no channel.</source>
        <extracomment>%1 is the list&apos;s file name, %2 its character encoding, %3 a number of lines (&quot;12 lines&quot;), %4 to %7 numbers of lines.</extracomment>
        <translation>%1 (%2), %3: %4 exakt, %5 vereinfacht, %6 ungefähr, %7 ohne passenden Sender.</translation>
    </message>
    <message>
        <source>%1 could take several channels: pick one in the Channel column.</source>
        <extracomment>%1 is a number of lines (&quot;2 lines&quot;).</extracomment>
        <translation>%1 mit mehreren möglichen Sendern: wählen Sie einen in der Spalte „Sender“.</translation>
    </message>
    <message>
        <source>The list changes nothing.</source>
        <translation>Die Liste ändert nichts.</translation>
    </message>
    <message>
        <source>Moved: %1.</source>
        <extracomment>%1 is a number of channels (&quot;3 channels&quot;).</extracomment>
        <translation>Verschoben: %1.</translation>
    </message>
    <message>
        <source>Renamed: %1.</source>
        <extracomment>%1 is a number of channels (&quot;3 channels&quot;).</extracomment>
        <translation>Umbenannt: %1.</translation>
    </message>
    <message>
        <source>Deleted: %1.</source>
        <extracomment>%1 is a number of channels (&quot;3 channels&quot;).</extracomment>
        <translation>Gelöscht: %1.</translation>
    </message>
</context>
<context>
    <name>NumberBoxes</name>
    <message>
        <source>%1 takes a number from %2 to %3.</source>
        <extracomment>%1: the box&apos;s name (e.g. Video PID), %2 and %3: the lowest and highest number it takes.</extracomment>
        <translation>%1: erlaubt ist eine Zahl von %2 bis %3.</translation>
    </message>
    <message>
        <source>%1 cannot hold the characters %2: the receiver stores names in Latin-1, which has no such characters.</source>
        <extracomment>%1: the box&apos;s name, %2: the characters, separated by spaces.</extracomment>
        <translation>%1 kann die Zeichen %2 nicht aufnehmen: Der Receiver speichert Namen in Latin-1, das diese Zeichen nicht kennt.</translation>
    </message>
    <message>
        <source>%1 takes at most %2 characters.</source>
        <extracomment>%1: the box&apos;s name, %2: the most characters it holds.</extracomment>
        <translation>%1: höchstens %2 Zeichen erlaubt.</translation>
    </message>
</context>
<context>
    <name>OrderPlanTree</name>
    <message numerus="yes">
        <source>%n channel</source>
        <translation>
            <numerusform>%n Sender</numerusform>
            <numerusform>%n Sender</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n Sender</numerusform>
            <numerusform>%n Sender</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line</source>
        <extracomment>Lines of a text file.</extracomment>
        <translation>
            <numerusform>%n Zeile</numerusform>
            <numerusform>%n Zeilen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines</source>
        <translation>
            <numerusform>%n Zeile</numerusform>
            <numerusform>%n Zeilen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n satellite</source>
        <translation>
            <numerusform>%n Satellit</numerusform>
            <numerusform>%n Satelliten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n satellites</source>
        <translation>
            <numerusform>%n Satellit</numerusform>
            <numerusform>%n Satelliten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n service</source>
        <extracomment>Services: channels as the broadcaster sends them; a service stored twice is a duplicate.</extracomment>
        <translation>
            <numerusform>%n Dienst</numerusform>
            <numerusform>%n Dienste</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n services</source>
        <translation>
            <numerusform>%n Dienst</numerusform>
            <numerusform>%n Dienste</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponder</source>
        <translation>
            <numerusform>%n Transponder</numerusform>
            <numerusform>%n Transponder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponders</source>
        <translation>
            <numerusform>%n Transponder</numerusform>
            <numerusform>%n Transponder</numerusform>
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
        <translation>Sperre</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <extracomment>The channel flag of an encrypted channel.</extracomment>
        <translation>Verschlüsselt</translation>
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
        <translation>%1 an</translation>
    </message>
    <message>
        <source>%1 off</source>
        <translation>%1 aus</translation>
    </message>
    <message>
        <source>%1 (was %2)</source>
        <extracomment>%1 is a channel at its new place, %2 its number before.</extracomment>
        <translation>%1 (vorher %2)</translation>
    </message>
    <message>
        <source>Moved</source>
        <extracomment>A group of channels that move to another place.</extracomment>
        <translation>Verschoben</translation>
    </message>
    <message>
        <source>Renamed</source>
        <extracomment>A group of channels that get another name.</extracomment>
        <translation>Umbenannt</translation>
    </message>
    <message>
        <source>Flags changed</source>
        <translation>Markierungen geändert</translation>
    </message>
</context>
<context>
    <name>PortProblem</name>
    <message>
        <source>There is no device %1: check that the adapter is plugged in and the name is right.</source>
        <extracomment>%1 is the device, e.g. /dev/ttyUSB0</extracomment>
        <translation>Es gibt kein Gerät %1: Prüfen Sie, ob der Adapter eingesteckt und der Name richtig ist.</translation>
    </message>
    <message>
        <source>You have no permission to use %1: serial ports usually belong to the group &quot;dialout&quot;; join it with &quot;sudo usermod -aG dialout $USER&quot;, then log out and log in again.</source>
        <extracomment>%1 is the device; keep the command as it is</extracomment>
        <translation>Sie haben keine Berechtigung, %1 zu benutzen: Serielle Schnittstellen gehören meist der Gruppe „dialout“. Treten Sie ihr mit „sudo usermod -aG dialout $USER“ bei, melden Sie sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>You have no permission to use %1, which belongs to the group &quot;%2&quot;: join the group with &quot;sudo usermod -aG %2 $USER&quot;, then log out and log in again.</source>
        <extracomment>%1 is the device, %2 its group; keep the command as it is</extracomment>
        <translation>Sie haben keine Berechtigung, %1 zu benutzen, das der Gruppe „%2“ gehört: Treten Sie der Gruppe mit „sudo usermod -aG %2 $USER“ bei, melden Sie sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>Another program is using %1: close that program and try again.</source>
        <extracomment>%1 is the device</extracomment>
        <translation>Ein anderes Programm benutzt %1: Schließen Sie dieses Programm und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>ReorderDialog</name>
    <message>
        <source>Order like another image</source>
        <translation>Wie ein anderes Image ordnen</translation>
    </message>
    <message>
        <source>Also take the names</source>
        <translation>Auch die Namen übernehmen</translation>
    </message>
    <message>
        <source>Also take the lock and favourite flags</source>
        <translation>Auch Sperre und Favoriten übernehmen</translation>
    </message>
    <message>
        <source>The image is damaged: %1. Nothing can be ordered; the consistency check lists its problems.</source>
        <extracomment>%1 says what is wrong with the image.</extracomment>
        <translation>Das Image ist beschädigt: %1. Nichts kann geordnet werden; die Konsistenzprüfung listet seine Probleme auf.</translation>
    </message>
    <message>
        <source>Not in the other image</source>
        <translation>Nicht im anderen Image</translation>
    </message>
    <message>
        <source>Moved: %1. Renamed: %2. Flags changed: %3.</source>
        <extracomment>Each of %1, %2 and %3 is a number of channels (&quot;3 channels&quot;).</extracomment>
        <translation>Verschoben: %1. Umbenannt: %2. Markierungen geändert: %3.</translation>
    </message>
    <message>
        <source>The channels are in that order already.</source>
        <translation>Die Sender stehen bereits in dieser Reihenfolge.</translation>
    </message>
    <message>
        <source>Not in the other image: %1, kept after the others.</source>
        <extracomment>%1 is a number of channels (&quot;3 channels&quot;).</extracomment>
        <translation>Nicht im anderen Image: %1, bleiben hinter den anderen.</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Satellite Name:</source>
        <translation>Satellitenname:</translation>
    </message>
    <message>
        <source>Log:</source>
        <extracomment>The satellite&apos;s orbital position (longitude).</extracomment>
        <translation>Position:</translation>
    </message>
    <message>
        <source>LNB Type:</source>
        <translation>LNB-Typ:</translation>
    </message>
    <message>
        <source>E</source>
        <extracomment>East, one letter: a satellite&apos;s orbital position.</extracomment>
        <translation>O</translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>West, one letter: a satellite&apos;s orbital position.</extracomment>
        <translation>W</translation>
    </message>
    <message>
        <source>Satellite Name</source>
        <extracomment>Names the name box in a message: &quot;Satellite Name takes at most ...&quot;.</extracomment>
        <translation>Satellitenname</translation>
    </message>
    <message>
        <source>The tenths of the position</source>
        <extracomment>Names the box in a message: &quot;The tenths of the position takes a number from 0 to 9.&quot;</extracomment>
        <translation>Die Zehntel der Position</translation>
    </message>
    <message>
        <source>The position takes 0.0 to 180.0 degrees.</source>
        <translation>Die Position muss zwischen 0,0 und 180,0 Grad liegen.</translation>
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
        <translation>Satellit</translation>
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
        <translation>Sender</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>Column: the running number of the row (not the answer &quot;no&quot;).</extracomment>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Sat Name</source>
        <extracomment>Column: the satellite&apos;s name.</extracomment>
        <translation>Sat-Name</translation>
    </message>
    <message>
        <source>Pos</source>
        <extracomment>Column: the satellite&apos;s orbital position, e.g. 19.2E.</extracomment>
        <translation>Pos</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <extracomment>Column: the satellite&apos;s LNB type.</extracomment>
        <translation>LNB-Typ</translation>
    </message>
    <message>
        <source>Freq</source>
        <extracomment>Column: the transponder&apos;s frequency in MHz.</extracomment>
        <translation>Freq</translation>
    </message>
    <message>
        <source>Pol</source>
        <extracomment>Column: the transponder&apos;s polarisation, V or H.</extracomment>
        <translation>Pol</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <extracomment>Column: the transponder&apos;s symbol rate.</extracomment>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <source>TP ID</source>
        <extracomment>Column: the transponder&apos;s record number.</extracomment>
        <translation>TP-ID</translation>
    </message>
    <message>
        <source>LNB Freq Low</source>
        <extracomment>Column: the LNB&apos;s low band local oscillator frequency.</extracomment>
        <translation>LNB-Freq. Low</translation>
    </message>
    <message>
        <source>LNB Freq High</source>
        <extracomment>Column: the LNB&apos;s high band local oscillator frequency.</extracomment>
        <translation>LNB-Freq. High</translation>
    </message>
    <message>
        <source>DiSEqC</source>
        <extracomment>Column: the DiSEqC port; the protocol&apos;s name is usually kept.</extracomment>
        <translation>DiSEqC</translation>
    </message>
    <message>
        <source>0/22KHz</source>
        <extracomment>Column: the 22 kHz tone switch.</extracomment>
        <translation>0/22kHz</translation>
    </message>
    <message>
        <source>0/12V</source>
        <extracomment>Column: the 0/12 volt switch.</extracomment>
        <translation>0/12V</translation>
    </message>
    <message>
        <source>LNB Power</source>
        <extracomment>Column: whether the receiver powers the LNB.</extracomment>
        <translation>LNB-Speisung</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <extracomment>Column: the channel&apos;s name.</extracomment>
        <translation>Sendername</translation>
    </message>
    <message>
        <source>v pid</source>
        <extracomment>Column: the video PID.</extracomment>
        <translation>V-PID</translation>
    </message>
    <message>
        <source>a pid</source>
        <extracomment>Column: the audio PID.</extracomment>
        <translation>A-PID</translation>
    </message>
    <message>
        <source>pcr pid</source>
        <extracomment>Column: the PCR (clock) PID.</extracomment>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <source>txt pid</source>
        <extracomment>Column: the teletext PID.</extracomment>
        <translation>VT-PID</translation>
    </message>
    <message>
        <source>lock</source>
        <extracomment>Column: the channel is locked (parental lock), Y or N.</extracomment>
        <translation>Sperre</translation>
    </message>
    <message>
        <source>scr</source>
        <extracomment>Column: the channel is scrambled, Y or N.</extracomment>
        <translation>Verschl.</translation>
    </message>
    <message>
        <source>fav 1</source>
        <extracomment>Column: the channel is in favourites list 1, Y or N.</extracomment>
        <translation>Fav 1</translation>
    </message>
    <message>
        <source>fav 2</source>
        <extracomment>Column: the channel is in favourites list 2, Y or N.</extracomment>
        <translation>Fav 2</translation>
    </message>
    <message>
        <source>fav 3</source>
        <extracomment>Column: the channel is in favourites list 3, Y or N.</extracomment>
        <translation>Fav 3</translation>
    </message>
    <message>
        <source>fav 4</source>
        <extracomment>Column: the channel is in favourites list 4, Y or N.</extracomment>
        <translation>Fav 4</translation>
    </message>
    <message>
        <source>CH No</source>
        <extracomment>Column: the channel&apos;s number on the receiver.</extracomment>
        <translation>Sender-Nr.</translation>
    </message>
    <message>
        <source>Add Satellite...</source>
        <translation>Satellit hinzufügen...</translation>
    </message>
    <message>
        <source>Edit Satellite...</source>
        <translation>Satellit bearbeiten...</translation>
    </message>
    <message>
        <source>Del Satellite</source>
        <extracomment>Menu item: delete the satellite.</extracomment>
        <translation>Satellit löschen</translation>
    </message>
    <message>
        <source>Add new Transponder...</source>
        <translation>Neuen Transponder hinzufügen...</translation>
    </message>
    <message>
        <source>Add Transponder...</source>
        <translation>Transponder hinzufügen...</translation>
    </message>
    <message>
        <source>Edit Transponder...</source>
        <translation>Transponder bearbeiten...</translation>
    </message>
    <message>
        <source>Del Transponder</source>
        <extracomment>Menu item: delete the transponder.</extracomment>
        <translation>Transponder löschen</translation>
    </message>
    <message>
        <source>Add a Program...</source>
        <extracomment>Menu item: add a channel (a program) on the transponder.</extracomment>
        <translation>Sender hinzufügen...</translation>
    </message>
    <message>
        <source>Edit LNB...</source>
        <translation>LNB bearbeiten...</translation>
    </message>
    <message>
        <source>Add Channel...</source>
        <translation>Sender hinzufügen...</translation>
    </message>
    <message>
        <source>Edit Channel...</source>
        <translation>Sender bearbeiten...</translation>
    </message>
    <message>
        <source>Del Channel</source>
        <extracomment>Menu item: delete the channel.</extracomment>
        <translation>Sender löschen</translation>
    </message>
    <message>
        <source>SAT</source>
        <extracomment>Title of the satellite list&apos;s menu: short for satellite.</extracomment>
        <translation>SAT</translation>
    </message>
    <message>
        <source>XPDR</source>
        <extracomment>Title of the transponder list&apos;s menu: short for transponder.</extracomment>
        <translation>XPDR</translation>
    </message>
    <message>
        <source>	 Do you want to del channel [ %1]?		</source>
        <extracomment>%1: the channel&apos;s name. The tabs are kept for the box&apos;s spacing.</extracomment>
        <translation>	 Möchten Sie den Sender [ %1] löschen?		</translation>
    </message>
</context>
<context>
    <name>SatellitePageCommands</name>
    <message>
        <source>Add transponder %1 on %2</source>
        <extracomment>The name of an edit step (Undo/Redo). %1: the transponder (frequency, symbol rate, polarisation), %2: the satellite.</extracomment>
        <translation>Transponder %1 auf %2 hinzufügen</translation>
    </message>
    <message>
        <source>Edit transponder %1</source>
        <extracomment>The name of an edit step. %1: the transponder.</extracomment>
        <translation>Transponder %1 bearbeiten</translation>
    </message>
    <message>
        <source>Transponder is Full!</source>
        <translation>Transponderspeicher voll!</translation>
    </message>
    <message>
        <source>Add Satellite</source>
        <extracomment>Dialog title.</extracomment>
        <translation>Satellit hinzufügen</translation>
    </message>
    <message>
        <source>Satellite is full!</source>
        <translation>Satellitenspeicher voll!</translation>
    </message>
    <message>
        <source>Add satellite %1</source>
        <extracomment>The name of an edit step (Undo/Redo). %1: the satellite&apos;s name and position.</extracomment>
        <translation>Satellit %1 hinzufügen</translation>
    </message>
    <message>
        <source>Edit Satellite</source>
        <extracomment>Dialog title.</extracomment>
        <translation>Satellit bearbeiten</translation>
    </message>
    <message>
        <source>Edit satellite %1</source>
        <extracomment>The name of an edit step (Undo/Redo). %1: the satellite&apos;s name and position.</extracomment>
        <translation>Satellit %1 bearbeiten</translation>
    </message>
    <message>
        <source>Del Satellite</source>
        <extracomment>Title of the question before a satellite is deleted; &quot;Del&quot; is short for Delete.</extracomment>
        <translation>Satellit löschen</translation>
    </message>
    <message>
        <source>	 Do you want to del [%1]?		</source>
        <extracomment>%1: the satellite&apos;s name. The tabs are kept for the box&apos;s spacing.</extracomment>
        <translation>	 Möchten Sie [%1] löschen?		</translation>
    </message>
    <message>
        <source>Delete satellite %1</source>
        <extracomment>The name of an edit step (Undo/Redo). %1: the satellite&apos;s name and position.</extracomment>
        <translation>Satellit %1 löschen</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <extracomment>Dialog title.</extracomment>
        <translation>Transponder hinzufügen</translation>
    </message>
    <message>
        <source>Edit Transponder</source>
        <extracomment>Dialog title.</extracomment>
        <translation>Transponder bearbeiten</translation>
    </message>
    <message>
        <source>	 Do you want to del xpdr [%1/%2/%3]?		</source>
        <extracomment>%1: frequency in MHz, %2: symbol rate, %3: polarisation (V or H); &quot;xpdr&quot; is short for transponder. The tabs are kept for the box&apos;s spacing.</extracomment>
        <translation>	 Möchten Sie den Transponder [%1/%2/%3] löschen?		</translation>
    </message>
    <message>
        <source>It has no channels.</source>
        <extracomment>Said of a transponder about to be deleted.</extracomment>
        <translation>Er hat keine Sender.</translation>
    </message>
    <message>
        <source>Its 1 channel is deleted with it.</source>
        <extracomment>Said of a transponder about to be deleted.</extracomment>
        <translation>Sein 1 Sender wird mit ihm gelöscht.</translation>
    </message>
    <message>
        <source>Its %1 channels are deleted with it.</source>
        <extracomment>Said of a transponder about to be deleted. %1: the number of its channels, 2 or more.</extracomment>
        <translation>Seine %1 Sender werden mit ihm gelöscht.</translation>
    </message>
    <message>
        <source>Del Transponder</source>
        <extracomment>Title of the question before a transponder is deleted; &quot;Del&quot; is short for Delete.</extracomment>
        <translation>Transponder löschen</translation>
    </message>
    <message>
        <source>Delete transponder %1</source>
        <extracomment>The name of an edit step (Undo/Redo). %1: the transponder (frequency, symbol rate, polarisation).</extracomment>
        <translation>Transponder %1 löschen</translation>
    </message>
    <message>
        <source>Edit LNB %1</source>
        <extracomment>The name of an edit step (Undo/Redo). %1: the LNB type&apos;s name, e.g. Type1.</extracomment>
        <translation>LNB %1 bearbeiten</translation>
    </message>
</context>
<context>
    <name>SatellitePageText</name>
    <message>
        <source>Y</source>
        <extracomment>A channel&apos;s flag (lock, scrambled, favourites) is set: short for Yes.</extracomment>
        <translation>J</translation>
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
        <translation>%1 „%2“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>the file declares entities, which are not accepted</source>
        <translation>die Datei deklariert Entitäten, die nicht akzeptiert werden</translation>
    </message>
    <message>
        <source>the file holds no &lt;satellites&gt; element</source>
        <translation>die Datei enthält kein Element &lt;satellites&gt;</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is the line number, %2 what is wrong there</extracomment>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the file ends before its elements are closed (is it cut off?)</source>
        <translation>die Datei endet, bevor ihre Elemente geschlossen sind (ist sie abgeschnitten?)</translation>
    </message>
    <message>
        <source>not well-formed XML: %1</source>
        <extracomment>%1 is the XML reader&apos;s own message</extracomment>
        <translation>kein wohlgeformtes XML: %1</translation>
    </message>
    <message>
        <source>the root element is &lt;%1&gt;, not &lt;satellites&gt;</source>
        <extracomment>%1 is the name of the file&apos;s first element</extracomment>
        <translation>das Wurzelelement ist &lt;%1&gt;, nicht &lt;satellites&gt;</translation>
    </message>
    <message>
        <source>the satellite has no position</source>
        <translation>der Satellit hat keine Position</translation>
    </message>
    <message>
        <source>position %1 lies outside -1800 to 1800 (180.0W to 180.0E)</source>
        <extracomment>%1 is the position in tenths of a degree, east positive</extracomment>
        <translation>Position %1 liegt außerhalb von -1800 bis 1800 (180.0W bis 180.0E)</translation>
    </message>
    <message>
        <source>more than %1 satellites</source>
        <extracomment>%1 is the most satellites a file may hold</extracomment>
        <translation>mehr als %1 Satelliten</translation>
    </message>
    <message>
        <source>the transponder lacks its frequency, symbol_rate or polarization</source>
        <extracomment>frequency, symbol_rate and polarization are the names of XML attributes; keep them</extracomment>
        <translation>dem Transponder fehlt frequency, symbol_rate oder polarization</translation>
    </message>
    <message>
        <source>polarization &quot;%1&quot; is not 0, 1, 2 or 3</source>
        <extracomment>%1 is the value of the XML attribute polarization</extracomment>
        <translation>polarization „%1“ ist nicht 0, 1, 2 oder 3</translation>
    </message>
    <message>
        <source>frequency %1 is not above 0</source>
        <extracomment>%1 is the value of the XML attribute frequency</extracomment>
        <translation>frequency %1 ist nicht größer als 0</translation>
    </message>
    <message>
        <source>symbol_rate %1 is not above 0</source>
        <extracomment>%1 is the value of the XML attribute symbol_rate</extracomment>
        <translation>symbol_rate %1 ist nicht größer als 0</translation>
    </message>
    <message>
        <source>more than %1 transponders</source>
        <extracomment>%1 is the most transponders a file may hold</extracomment>
        <translation>mehr als %1 Transponder</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB, far more than any transponder list</source>
        <extracomment>%1 is the largest size accepted, in megabytes</extracomment>
        <translation>die Datei ist größer als %1 MB, weit mehr als jede Transponderliste</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>SatellitesXmlDialog</name>
    <message>
        <source>%1 (C-band)</source>
        <extracomment>%1 is an LNB type&apos;s name (as the receiver stores it) of a C-band LNB.</extracomment>
        <translation>%1 (C-Band)</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1 (Zeile %2)</translation>
    </message>
    <message>
        <source>%1 (line %2), does not fit</source>
        <translation>%1 (Zeile %2), passt nicht</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>%1 is a line number of the file, %2 why the transponder there is skipped.</extracomment>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Import satellites.xml</source>
        <extracomment>satellites.xml is a file name and stays as it is.</extracomment>
        <translation>satellites.xml importieren</translation>
    </message>
    <message>
        <source>Satellite</source>
        <extracomment>Column caption: a satellite of the image.</extracomment>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>LNB type</source>
        <extracomment>Column caption: the LNB type the satellite uses.</extracomment>
        <translation>LNB-Typ</translation>
    </message>
    <message>
        <source>Takes from the file</source>
        <extracomment>Column caption: the satellite of the file whose transponders it takes.</extracomment>
        <translation>Übernimmt aus der Datei</translation>
    </message>
    <message>
        <source>Added as</source>
        <extracomment>Column caption: the name and position the new satellite gets.</extracomment>
        <translation>Hinzugefügt als</translation>
    </message>
    <message>
        <source>Transponders</source>
        <extracomment>Column caption: the number of transponders.</extracomment>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Satellite in the file</source>
        <extracomment>Column caption: the satellite as the file names it.</extracomment>
        <translation>Satellit in der Datei</translation>
    </message>
    <message>
        <source>Changes</source>
        <extracomment>A tab (a noun): the changes the import makes.</extracomment>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>Satellites of the image</source>
        <translation>Satelliten des Images</translation>
    </message>
    <message>
        <source>Add satellites</source>
        <translation>Satelliten hinzufügen</translation>
    </message>
    <message>
        <source>Take DVB-S2 transponders too (the receiver tunes DVB-S)</source>
        <translation>Auch DVB-S2-Transponder übernehmen (der Receiver empfängt DVB-S)</translation>
    </message>
    <message>
        <source>Delete transponders not in the file that carry no channels</source>
        <translation>Transponder ohne Sender löschen, die nicht in der Datei stehen</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <extracomment>%1 is a satellite as the file names it, %2 its line in the file.</extracomment>
        <translation>%1, Zeile %2</translation>
    </message>
    <message>
        <source>Not in the file</source>
        <translation>Nicht in der Datei</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>%1 → %2 kS/s (line %3)</source>
        <extracomment>%1 is a transponder (&quot;11747/27500/V&quot;), %2 its new symbol rate, %3 its line in the file.</extracomment>
        <translation>%1 → %2 kS/s (Zeile %3)</translation>
    </message>
    <message>
        <source>%1, %2, to be deleted</source>
        <translation>%1, %2, wird gelöscht</translation>
    </message>
    <message>
        <source>To add</source>
        <extracomment>A group of transponders to add.</extracomment>
        <translation>Hinzuzufügen</translation>
    </message>
    <message>
        <source>Updated</source>
        <extracomment>A group of transponders that get a new symbol rate.</extracomment>
        <translation>Aktualisiert</translation>
    </message>
    <message>
        <source>Skipped</source>
        <extracomment>A group of transponders of the file that are not taken.</extracomment>
        <translation>Übersprungen</translation>
    </message>
    <message>
        <source>New satellite %1, %2</source>
        <translation>Neuer Satellit %1, %2</translation>
    </message>
    <message>
        <source>New satellite %1, %2, does not fit</source>
        <translation>Neuer Satellit %1, %2, passt nicht</translation>
    </message>
    <message>
        <source>%1 of the image found in the file: %2 to add, %3 updated, %4 not in the file (%5 to be deleted).</source>
        <translation>%1 des Images in der Datei gefunden: %2 neu, %3 aktualisiert, %4 nicht in der Datei (%5 zu löschen).</translation>
    </message>
    <message>
        <source>%1 of the image found in the file: %2 to add, %3 updated, %4 not in the file.</source>
        <extracomment>%1 is a number of satellites (&quot;2 satellites&quot;), %2 a number of transponders, %3 and %4 numbers of transponders.</extracomment>
        <translation>%1 des Images in der Datei gefunden: %2 neu, %3 aktualisiert, %4 nicht in der Datei.</translation>
    </message>
    <message>
        <source>New: %1 with %2.</source>
        <extracomment>%1 is a number of satellites (&quot;2 satellites&quot;), %2 a number of transponders.</extracomment>
        <translation>Neu: %1 mit %2.</translation>
    </message>
    <message>
        <source>Skipped: %1 (%2 DVB-S2).</source>
        <extracomment>%1 is a number of transponders, %2 how many of them are DVB-S2.</extracomment>
        <translation>Übersprungen: %1 (%2 DVB-S2).</translation>
    </message>
    <message>
        <source>Does not fit the tables (%1 satellites, %2 transponders): %3 and %4; OK adds what fits, in the order shown.</source>
        <extracomment>%1 and %2 are the sizes of the image&apos;s tables, %3 a number of satellites (&quot;2 satellites&quot;), %4 a number of transponders.</extracomment>
        <translation>Passt nicht in die Tabellen (%1 Satelliten, %2 Transponder): %3 und %4; OK fügt hinzu, was passt, in der angezeigten Reihenfolge.</translation>
    </message>
    <message>
        <source>Does not fit the tables (%1 satellites, %2 transponders): %3 and %4; nothing else changes, so OK changes nothing.</source>
        <translation>Passt nicht in die Tabellen (%1 Satelliten, %2 Transponder): %3 und %4; sonst ändert sich nichts, daher ändert OK nichts.</translation>
    </message>
    <message>
        <source>The file changes nothing.</source>
        <translation>Die Datei ändert nichts.</translation>
    </message>
</context>
<context>
    <name>SendCheck</name>
    <message>
        <source>outside the tables</source>
        <translation>außerhalb der Tabellen</translation>
    </message>
    <message>
        <source>past the image</source>
        <translation>hinter dem Ende des Images</translation>
    </message>
    <message>
        <source>sector header %1</source>
        <extracomment>%1 is the sector&apos;s number</extracomment>
        <translation>Sektorkopf %1</translation>
    </message>
    <message>
        <source>satellite slot %1</source>
        <extracomment>%1 is the slot&apos;s number</extracomment>
        <translation>Satellitenplatz %1</translation>
    </message>
    <message>
        <source>transponder mark %1</source>
        <extracomment>%1 is the mark&apos;s number</extracomment>
        <translation>Transpondermarke %1</translation>
    </message>
    <message>
        <source>the settings block</source>
        <translation>der Einstellungsblock</translation>
    </message>
    <message>
        <source>transponder slot %1</source>
        <extracomment>%1 is the slot&apos;s number</extracomment>
        <translation>Transponderplatz %1</translation>
    </message>
    <message>
        <source>channel slot %1</source>
        <extracomment>%1 is the slot&apos;s number</extracomment>
        <translation>Senderplatz %1</translation>
    </message>
    <message>
        <source>byte %1 (%2, %3): sent %4, the receiver holds %5</source>
        <extracomment>%1 is the offset, %2 the same in hex, %3 where it lies, %4 and %5 the byte values in hex</extracomment>
        <translation>Byte %1 (%2, %3): gesendet %4, im Receiver %5</translation>
    </message>
    <message>
        <source>The receiver holds an image that differs from the one sent in 1 byte:</source>
        <translation>Das Image im Receiver weicht in 1 Byte vom gesendeten ab:</translation>
    </message>
    <message>
        <source>The receiver holds an image that differs from the one sent in %1 bytes:</source>
        <extracomment>%1 is the number of bytes (more than one)</extracomment>
        <translation>Das Image im Receiver weicht in %1 Bytes vom gesendeten ab:</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <extracomment>%1 is the number of differing bytes not listed</extracomment>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>The receiver holds exactly the image that was sent.</source>
        <translation>Der Receiver enthält genau das gesendete Image.</translation>
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
        <translation>Satelliten %1/%2, Transponder %3/%4, Sender %5/%6</translation>
    </message>
    <message>
        <source>Untitled</source>
        <extracomment>Status line: the image has no file yet.</extracomment>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Modified</source>
        <extracomment>Status line: the image has unsaved changes.</extracomment>
        <translation>Geändert</translation>
    </message>
</context>
<context>
    <name>SystemSettingsPage</name>
    <message>
        <source>System Setting</source>
        <extracomment>Group title: the receiver&apos;s system settings.</extracomment>
        <translation>Systemeinstellung</translation>
    </message>
    <message>
        <source>Menu Language</source>
        <translation>Menüsprache</translation>
    </message>
    <message>
        <source>Main audio Lang</source>
        <extracomment>The receiver&apos;s main audio language.</extracomment>
        <translation>Audiosprache 1</translation>
    </message>
    <message>
        <source>2nd Audio Lang</source>
        <extracomment>The receiver&apos;s second audio language.</extracomment>
        <translation>Audiosprache 2</translation>
    </message>
    <message>
        <source>GMT Usage</source>
        <extracomment>Whether the receiver uses GMT (Off/On).</extracomment>
        <translation>GMT-Nutzung</translation>
    </message>
    <message>
        <source>Select Time Zone</source>
        <translation>Zeitzone wählen</translation>
    </message>
    <message>
        <source>Summer Time</source>
        <translation>Sommerzeit</translation>
    </message>
    <message>
        <source>Time Offset</source>
        <extracomment>The receiver&apos;s time offset.</extracomment>
        <translation>Zeitversatz</translation>
    </message>
    <message>
        <source>Aspect</source>
        <extracomment>The TV picture&apos;s aspect ratio (4:3, 16:9).</extracomment>
        <translation>Bildformat</translation>
    </message>
    <message>
        <source>Delay Time</source>
        <extracomment>A receiver setting whose values are ALWAYS, 2 Sec .. 7 Sec.</extracomment>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>Transparency</source>
        <extracomment>The transparency of the receiver&apos;s on-screen display.</extracomment>
        <translation>Transparenz</translation>
    </message>
    <message>
        <source>Color</source>
        <extracomment>The TV colour system (Auto, PAL, NTSC).</extracomment>
        <translation>Farbnorm</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>The TV sound system (M, B/G, I, D/K).</extracomment>
        <translation>Tonnorm</translation>
    </message>
    <message>
        <source> RF Channel</source>
        <extracomment>The UHF channel of the receiver&apos;s RF modulator output.</extracomment>
        <translation> HF-Kanal</translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>Group title: figures the receiver keeps.</extracomment>
        <translation>Status</translation>
    </message>
    <message>
        <source>TV Num</source>
        <extracomment>The number of TV channels.</extracomment>
        <translation>TV-Anzahl</translation>
    </message>
    <message>
        <source>Radio Num</source>
        <extracomment>The number of radio channels.</extracomment>
        <translation>Radio-Anzahl</translation>
    </message>
    <message>
        <source>Total Channl</source>
        <extracomment>The total number of channels (the receiver&apos;s own spelling).</extracomment>
        <translation>Sender gesamt</translation>
    </message>
    <message>
        <source>Volume L</source>
        <extracomment>The left audio channel&apos;s volume.</extracomment>
        <translation>Lautst. L</translation>
    </message>
    <message>
        <source>Volume R</source>
        <extracomment>The right audio channel&apos;s volume.</extracomment>
        <translation>Lautst. R</translation>
    </message>
    <message>
        <source>StandBy</source>
        <extracomment>The receiver&apos;s standby setting (No/Yes).</extracomment>
        <translation>Standby</translation>
    </message>
    <message>
        <source>Parent Lock</source>
        <extracomment>Group title: the parental lock.</extracomment>
        <translation>Kindersicherung</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <extracomment>The parental lock&apos;s PIN.</extracomment>
        <translation>PIN-Code</translation>
    </message>
    <message>
        <source>Lock Receiver</source>
        <extracomment>Parental lock of the whole receiver (Free/Locked).</extracomment>
        <translation>Receiver sperren</translation>
    </message>
    <message>
        <source>Lock Menu</source>
        <extracomment>Parental lock of the receiver&apos;s menu (Free/Locked).</extracomment>
        <translation>Menü sperren</translation>
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
        <translation>Der gewählte COM-Port ist ungültig oder bereits geöffnet!</translation>
    </message>
    <message>
        <source>Error!</source>
        <extracomment>follows a message about a failed transfer</extracomment>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>Please Select Port type and press the Start button!</source>
        <translation>Bitte wählen Sie den Port und drücken Sie auf „Start“!</translation>
    </message>
    <message>
        <source>Waiting for handshake signal!</source>
        <translation>Warte auf Handshake-Signal!</translation>
    </message>
    <message>
        <source>Data is transmitting form STB!</source>
        <extracomment>STB: the set-top box, the receiver</extracomment>
        <translation>Daten werden vom Receiver übertragen!</translation>
    </message>
    <message>
        <source>Data is uploading to STB!</source>
        <translation>Daten werden zum Receiver übertragen!</translation>
    </message>
    <message>
        <source>You have select wrong direction</source>
        <extracomment>the receiver was set to receive when the PC sends, or the other way round</extracomment>
        <translation>Sie haben die falsche Richtung gewählt</translation>
    </message>
    <message>
        <source>Data have been uploaded to STB</source>
        <translation>Die Daten wurden zum Receiver übertragen</translation>
    </message>
    <message>
        <source>Data have been DownLoaded and saved to %1</source>
        <extracomment>%1 is the path the received image was saved to</extracomment>
        <translation>Die Daten wurden empfangen und in %1 gespeichert</translation>
    </message>
    <message>
        <source>Data from PC to IRD</source>
        <extracomment>IRD: the receiver</extracomment>
        <translation>Daten vom PC zum IRD</translation>
    </message>
    <message>
        <source>Data from IRD to PC</source>
        <extracomment>IRD: the receiver</extracomment>
        <translation>Daten vom IRD zum PC</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Freq:</source>
        <extracomment>Short for the transponder&apos;s frequency.</extracomment>
        <translation>Freq.:</translation>
    </message>
    <message>
        <source>Symbol Rate:</source>
        <translation>Symbolrate:</translation>
    </message>
    <message>
        <source>Polarity:</source>
        <extracomment>The transponder&apos;s polarisation, H or V.</extracomment>
        <translation>Polarisation:</translation>
    </message>
    <message>
        <source>MHz (%1 to %2)</source>
        <extracomment>After the frequency box. %1 and %2: the lowest and highest frequency accepted, in MHz.</extracomment>
        <translation>MHz (%1 bis %2)</translation>
    </message>
    <message>
        <source>Freq (MHz)</source>
        <extracomment>Names the frequency box in a message: &quot;Freq (MHz) takes a number from ...&quot;.</extracomment>
        <translation>Freq. (MHz)</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <extracomment>Names the symbol rate box in a message: &quot;Symbol Rate takes a number from ...&quot;.</extracomment>
        <translation>Symbolrate</translation>
    </message>
</context>
<context>
    <name>TransponderUpdate</name>
    <message>
        <source>frequency %1 kHz does not fit the receiver&apos;s 1 to 65535 MHz</source>
        <extracomment>%1 is the list&apos;s frequency in kHz</extracomment>
        <translation>Frequenz %1 kHz liegt außerhalb des Bereichs des Receivers von 1 bis 65535 MHz</translation>
    </message>
    <message>
        <source>symbol rate %1 does not fit the receiver&apos;s 1 to 65535 kS/s</source>
        <translation>Symbolrate %1 liegt außerhalb des Bereichs des Receivers von 1 bis 65535 kS/s</translation>
    </message>
    <message>
        <source>DVB-S2, left out; the image&apos;s %1/%2/%3 stays as it is</source>
        <extracomment>%1 frequency in MHz, %2 symbol rate in kS/s, %3 polarization V or H</extracomment>
        <translation>DVB-S2, ausgelassen; %1/%2/%3 des Images bleibt unverändert</translation>
    </message>
    <message>
        <source>repeats the transponder of line %1</source>
        <translation>wiederholt den Transponder aus Zeile %1</translation>
    </message>
    <message>
        <source>DVB-S2, left out</source>
        <translation>DVB-S2, ausgelassen</translation>
    </message>
</context>
<context>
    <name>vormante::AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Über Vormante</translation>
    </message>
    <message>
        <source>Version  Num: %1</source>
        <extracomment>%1 is the program&apos;s version number, e.g. 1.4.0</extracomment>
        <translation>Versionsnr.: %1</translation>
    </message>
</context>
<context>
    <name>vormante::DataCommands</name>
    <message>
        <source>%1 has unsaved changes. Save them before sending?

Otherwise the receiver gets the file as it was last saved.</source>
        <extracomment>%1 is the file name, or &quot;The image&quot; when it has none</extracomment>
        <translation>%1 hat ungespeicherte Änderungen. Vor dem Senden speichern?

Andernfalls erhält der Receiver die Datei im zuletzt gespeicherten Stand.</translation>
    </message>
    <message>
        <source>Open the received image %1 in the editor?</source>
        <extracomment>%1 is the path of the file the received image was saved to</extracomment>
        <translation>Das empfangene Image %1 im Editor öffnen?</translation>
    </message>
    <message>
        <source>Data From PC To IRD</source>
        <translation>Daten vom PC zum IRD</translation>
    </message>
    <message>
        <source>The image</source>
        <translation>Das Image</translation>
    </message>
    <message>
        <source>the received image</source>
        <translation>das empfangene Image</translation>
    </message>
    <message>
        <source>Data From IRD To PC</source>
        <translation>Daten vom IRD zum PC</translation>
    </message>
</context>
<context>
    <name>vormante::ExchangeCommands</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <extracomment>%1 is the path, %2 the system&apos;s reason</extracomment>
        <translation>%1 konnte nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>vormante::FileCommands</name>
    <message>
        <source>Open</source>
        <extracomment>a dialog title</extracomment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The backup file %1 could not be written: %2.

Replace %3 without a backup?</source>
        <extracomment>%1 is the backup file, %2 the system&apos;s reason, %3 the file to be replaced</extracomment>
        <translation>Die Sicherungsdatei %1 konnte nicht geschrieben werden: %2.

%3 ohne Sicherung ersetzen?</translation>
    </message>
    <message>
        <source>The backup file %1 could not be written: %2.

Nothing was saved; the changes are still open in the editor.</source>
        <translation>Die Sicherungsdatei %1 konnte nicht geschrieben werden: %2.

Es wurde nichts gespeichert; die Änderungen sind im Editor weiterhin offen.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.

The file may be incomplete; its previous content is in the backup file. The changes are still open in the editor.</source>
        <translation>%1 konnte nicht geschrieben werden: %2.

Die Datei ist möglicherweise unvollständig; ihr vorheriger Inhalt steht in der Sicherungsdatei. Die Änderungen sind im Editor weiterhin offen.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.

The file keeps its previous content; the changes are still open in the editor.</source>
        <translation>%1 konnte nicht geschrieben werden: %2.

Die Datei behält ihren vorherigen Inhalt; die Änderungen sind im Editor weiterhin offen.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Choose another name for the changes.</source>
        <translation>Wählen Sie einen anderen Namen für die Änderungen.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.

The changes are still open in the editor.</source>
        <translation>%1 konnte nicht geschrieben werden: %2.

Die Änderungen sind im Editor weiterhin offen.</translation>
    </message>
    <message>
        <source>Unsaved changes in the image, which has no file yet.</source>
        <translation>Ungespeicherte Änderungen im Image, das noch keine Datei hat.</translation>
    </message>
    <message>
        <source>Unsaved changes in %1.</source>
        <extracomment>%1 is the file name</extracomment>
        <translation>Ungespeicherte Änderungen in %1.</translation>
    </message>
    <message>
        <source>%1 now holds %2.</source>
        <extracomment>%1 is the file name, %2 what it holds now, e.g. &quot;the received image&quot;</extracomment>
        <translation>%1 enthält jetzt %2.</translation>
    </message>
    <message>
        <source>Save asks for another name for them.</source>
        <translation>Beim Speichern wird nach einem anderen Namen gefragt.</translation>
    </message>
    <message>
        <source>Data has been changed,do you want to change!</source>
        <translation>Die Daten wurden geändert. Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>File open error!</source>
        <translation>Fehler beim Öffnen der Datei!</translation>
    </message>
    <message>
        <source>BIN data</source>
        <extracomment>the file type in file dialogs</extracomment>
        <translation>BIN-Daten</translation>
    </message>
</context>
<context>
    <name>vormante::LanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The choice that follows the desktop&apos;s language</extracomment>
        <translation>System</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>Vormante shows the chosen language the next time it starts.</source>
        <translation>Vormante zeigt die gewählte Sprache beim nächsten Start.</translation>
    </message>
</context>
<context>
    <name>vormante::ListCommands</name>
    <message>
        <source>Export txt file</source>
        <translation>TXT-Datei exportieren</translation>
    </message>
    <message>
        <source>The channel list was written to %1.</source>
        <translation>Die Senderliste wurde nach %1 geschrieben.</translation>
    </message>
    <message>
        <source>Import txt file</source>
        <translation>TXT-Datei importieren</translation>
    </message>
    <message>
        <source>%1 is not a channel list and was not imported: %2.</source>
        <extracomment>%1 is the file name, %2 the reason</extracomment>
        <translation>%1 ist keine Senderliste und wurde nicht importiert: %2.</translation>
    </message>
    <message>
        <source>Import %1</source>
        <extracomment>an undo step; %1 is the file name</extracomment>
        <translation>%1 importieren</translation>
    </message>
    <message>
        <source>The image has changed since the list was read; nothing was imported.</source>
        <translation>Das Image hat sich geändert, seit die Liste gelesen wurde; nichts wurde importiert.</translation>
    </message>
    <message>
        <source>Order like another image</source>
        <translation>Wie ein anderes Image ordnen</translation>
    </message>
    <message>
        <source>Order like %1</source>
        <extracomment>an undo step; %1 is the file name of the other image</extracomment>
        <translation>Wie %1 ordnen</translation>
    </message>
    <message>
        <source>The image has changed since the order was planned; nothing was changed.</source>
        <translation>Das Image hat sich geändert, seit die Reihenfolge geplant wurde; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Compare with</source>
        <translation>Vergleichen mit</translation>
    </message>
    <message>
        <source>Delete 1 duplicate channel</source>
        <extracomment>an undo step</extracomment>
        <translation>1 doppelten Sender löschen</translation>
    </message>
    <message>
        <source>Delete %1 duplicate channels</source>
        <extracomment>an undo step; %1 is the number of channels (more than one)</extracomment>
        <translation>%1 doppelte Sender löschen</translation>
    </message>
    <message>
        <source>The image has changed since the duplicates were found; nothing was deleted.</source>
        <translation>Das Image hat sich geändert, seit die Duplikate gefunden wurden; nichts wurde gelöscht.</translation>
    </message>
    <message>
        <source>Channel list</source>
        <extracomment>the file type in file dialogs</extracomment>
        <translation>Senderliste</translation>
    </message>
</context>
<context>
    <name>vormante::MainWindow</name>
    <message>
        <source>File</source>
        <extracomment>a menu</extracomment>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Open ...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>a command</extracomment>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save as ...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Export txt file</source>
        <translation>TXT-Datei exportieren</translation>
    </message>
    <message>
        <source>Import txt file</source>
        <translation>TXT-Datei importieren</translation>
    </message>
    <message>
        <source>Order like another image...</source>
        <translation>Wie ein anderes Image ordnen...</translation>
    </message>
    <message>
        <source>Compare with...</source>
        <translation>Vergleichen mit...</translation>
    </message>
    <message>
        <source>Order by a list of names...</source>
        <translation>Nach einer Namensliste ordnen...</translation>
    </message>
    <message>
        <source>Export names...</source>
        <translation>Namen exportieren...</translation>
    </message>
    <message>
        <source>Archive...</source>
        <translation>Archiv...</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Zuletzt geöffnete Dateien</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>a command: quits the program</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Data</source>
        <extracomment>the menu of transfers to and from the receiver</extracomment>
        <translation>Daten</translation>
    </message>
    <message>
        <source>Data From PC To IRD</source>
        <extracomment>IRD: the receiver (integrated receiver-decoder)</extracomment>
        <translation>Daten vom PC zum IRD</translation>
    </message>
    <message>
        <source>Data From IRD To PC</source>
        <translation>Daten vom IRD zum PC</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>a menu</extracomment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Language...</source>
        <translation>Sprache...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Edit</source>
        <extracomment>a menu</extracomment>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Filter list</source>
        <translation>Liste filtern</translation>
    </message>
    <message>
        <source>Find channel...</source>
        <translation>Sender suchen...</translation>
    </message>
    <message>
        <source>Find duplicates</source>
        <translation>Duplikate suchen</translation>
    </message>
    <message>
        <source>Keep this order</source>
        <translation>Diese Reihenfolge übernehmen</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <extracomment>the toolbar&apos;s name, shown by some desktops</extracomment>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>a toolbar tip: opens an image file</extracomment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Untitled</source>
        <extracomment>the name of an image that has no file yet</extracomment>
        <translation>Unbenannt</translation>
    </message>
</context>
<context>
    <name>vormante::NameListCommands</name>
    <message>
        <source>Order by a list of names</source>
        <translation>Nach einer Namensliste ordnen</translation>
    </message>
    <message>
        <source>%1 is not a list of names and was not used: %2.</source>
        <extracomment>%1 is the file name, %2 the reason</extracomment>
        <translation>%1 ist keine Namensliste und wurde nicht verwendet: %2.</translation>
    </message>
    <message>
        <source>Order %1 TV by %2</source>
        <extracomment>an undo step; %1 is the satellite, %2 the file name of the list</extracomment>
        <translation>TV von %1 nach %2 ordnen</translation>
    </message>
    <message>
        <source>Order %1 radio by %2</source>
        <extracomment>an undo step; %1 is the satellite, %2 the file name of the list</extracomment>
        <translation>Radio von %1 nach %2 ordnen</translation>
    </message>
    <message>
        <source>The image has changed since the list was matched; nothing was changed.</source>
        <translation>Das Image hat sich geändert, seit die Liste zugeordnet wurde; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Show the satellite whose channel names to export first.</source>
        <translation>Zeigen Sie zuerst den Satelliten an, dessen Sendernamen exportiert werden sollen.</translation>
    </message>
    <message>
        <source>%1 TV.txt</source>
        <extracomment>the file name offered; %1 is the satellite&apos;s name</extracomment>
        <translation>%1 TV.txt</translation>
    </message>
    <message>
        <source>%1 radio.txt</source>
        <extracomment>the file name offered; %1 is the satellite&apos;s name</extracomment>
        <translation>%1 Radio.txt</translation>
    </message>
    <message>
        <source>Export names</source>
        <translation>Namen exportieren</translation>
    </message>
    <message>
        <source>List of names</source>
        <extracomment>the file type in file dialogs</extracomment>
        <translation>Namensliste</translation>
    </message>
</context>
<context>
    <name>vormante::PortOptionDialog</name>
    <message>
        <source>Option</source>
        <extracomment>the title of the dialog that chooses the serial port</extracomment>
        <translation>Optionen</translation>
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
        <source>COM Port:</source>
        <extracomment>COM: a serial port</extracomment>
        <translation>COM-Port:</translation>
    </message>
</context>
<context>
    <name>vormante::RecentFiles</name>
    <message>
        <source>The file %1 no longer exists. It has been taken off the list of recent files.</source>
        <translation>Die Datei %1 existiert nicht mehr. Sie wurde aus der Liste der zuletzt geöffneten Dateien entfernt.</translation>
    </message>
    <message>
        <source>Clear list</source>
        <translation>Liste leeren</translation>
    </message>
</context>
<context>
    <name>vormante::SatellitesXmlCommands</name>
    <message>
        <source>Import satellites.xml...</source>
        <translation>satellites.xml importieren...</translation>
    </message>
    <message>
        <source>Export satellites.xml...</source>
        <translation>satellites.xml exportieren...</translation>
    </message>
    <message>
        <source>Import satellites.xml</source>
        <translation>satellites.xml importieren</translation>
    </message>
    <message>
        <source>%1 was not imported: %2.</source>
        <extracomment>%1 is the file name, %2 the reason</extracomment>
        <translation>%1 wurde nicht importiert: %2.</translation>
    </message>
    <message>
        <source>The image has changed since the file was read; nothing was imported.</source>
        <translation>Das Image hat sich geändert, seit die Datei gelesen wurde; nichts wurde importiert.</translation>
    </message>
    <message>
        <source>Export satellites.xml</source>
        <translation>satellites.xml exportieren</translation>
    </message>
    <message>
        <source>Update transponders from satellites.xml</source>
        <extracomment>an undo step</extracomment>
        <translation>Transponder aus satellites.xml aktualisieren</translation>
    </message>
</context>
<context>
    <name>vormante::TransferDialog</name>
    <message>
        <source>BIN data</source>
        <extracomment>the file type in file dialogs</extracomment>
        <translation>BIN-Daten</translation>
    </message>
    <message>
        <source>Check what the receiver now holds</source>
        <translation>Prüfen, was der Receiver jetzt enthält</translation>
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
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>a button: closes the window</extracomment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <extracomment>%1 is the path</extracomment>
        <translation>%1 existiert bereits.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>the receiver&apos;s image</source>
        <translation>das Image des Receivers</translation>
    </message>
    <message>
        <source>The channel lists do not differ: the bytes above lie outside what they show.</source>
        <translation>Die Senderlisten unterscheiden sich nicht: Die obigen Bytes liegen außerhalb dessen, was sie zeigen.</translation>
    </message>
    <message>
        <source>The image has 1 problem that the receiver may not handle. Send it anyway?</source>
        <translation>Das Image hat 1 Problem, das der Receiver möglicherweise nicht verarbeiten kann. Trotzdem senden?</translation>
    </message>
    <message>
        <source>The image has %1 problems that the receiver may not handle. Send it anyway?</source>
        <extracomment>%1 is the number of problems (more than one)</extracomment>
        <translation>Das Image hat %1 Probleme, die der Receiver möglicherweise nicht verarbeiten kann. Trotzdem senden?</translation>
    </message>
    <message>
        <source>Send anyway</source>
        <translation>Trotzdem senden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Start sending on the receiver now. The image it holds comes back here, is kept in the archive and is compared byte for byte with %1.</source>
        <extracomment>%1 is the file name of the image sent</extracomment>
        <translation>Starten Sie jetzt das Senden am Receiver. Das Image, das er enthält, kommt hierher zurück, wird im Archiv aufbewahrt und Byte für Byte mit %1 verglichen.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>vormante::TransferEngine</name>
    <message>
        <source>No handshake from the receiver yet: it must be in its update mode, and the cable must be connected.</source>
        <translation>Noch kein Handshake vom Receiver: Er muss im Update-Modus sein, und das Kabel muss angeschlossen sein.</translation>
    </message>
    <message>
        <source>The receiver stopped answering: nothing arrived from it for 1 second.
The transfer has been stopped.</source>
        <translation>Der Receiver antwortet nicht mehr: Seit 1 Sekunde kam nichts von ihm an.
Die Übertragung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The receiver stopped answering: nothing arrived from it for %1 seconds.
The transfer has been stopped.</source>
        <extracomment>%1 is the number of seconds (more than one)</extracomment>
        <translation>Der Receiver antwortet nicht mehr: Seit %1 Sekunden kam nichts von ihm an.
Die Übertragung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The received image has 1 problem (broken chains, wrong counts or channel numbers). It was saved as the receiver holds it; opening it in the editor lists the problems.</source>
        <translation>Das empfangene Image hat 1 Problem (defekte Ketten, falsche Zähler oder Sendernummern). Es wurde so gespeichert, wie der Receiver es enthält; wird es im Editor geöffnet, listet dieser die Probleme auf.</translation>
    </message>
    <message>
        <source>The received image has %1 problems (broken chains, wrong counts or channel numbers). It was saved as the receiver holds it; opening it in the editor lists the problems.</source>
        <extracomment>%1 is the number of problems (more than one)</extracomment>
        <translation>Das empfangene Image hat %1 Probleme (defekte Ketten, falsche Zähler oder Sendernummern). Es wurde so gespeichert, wie der Receiver es enthält; wird es im Editor geöffnet, listet dieser die Probleme auf.</translation>
    </message>
    <message>
        <source>The received data have not been saved.
Do you want to discard them?</source>
        <translation>Die empfangenen Daten wurden nicht gespeichert.
Möchten Sie sie verwerfen?</translation>
    </message>
    <message>
        <source>The received data could not be saved to %1:
%2

Choose another name, or cancel to discard them.</source>
        <extracomment>%1 is the path, %2 the system&apos;s reason</extracomment>
        <translation>Die empfangenen Daten konnten nicht in %1 gespeichert werden:
%2

Wählen Sie einen anderen Namen, oder brechen Sie ab, um sie zu verwerfen.</translation>
    </message>
    <message>
        <source>The connection to the receiver was lost.</source>
        <translation>Die Verbindung zum Receiver wurde unterbrochen.</translation>
    </message>
    <message>
        <source>The connection to the receiver was lost (%1).</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Die Verbindung zum Receiver wurde unterbrochen (%1).</translation>
    </message>
    <message>
        <source>The transfer has been stopped.</source>
        <translation>Die Übertragung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>no file was chosen</source>
        <translation>keine Datei gewählt</translation>
    </message>
    <message>
        <source>The file %1 is not sent: it is not a regular file (a pipe, a device or a folder), and a receiver image is always a plain file.</source>
        <translation>Die Datei %1 wird nicht gesendet: Sie ist keine reguläre Datei (eine Pipe, ein Gerät oder ein Ordner), und ein Receiver-Image ist immer eine normale Datei.</translation>
    </message>
    <message>
        <source>The file %1 can&apos;t be opened:
%2</source>
        <extracomment>%1 is the path, %2 the system&apos;s reason</extracomment>
        <translation>Die Datei %1 kann nicht geöffnet werden:
%2</translation>
    </message>
    <message>
        <source>The file %1 is not sent: it holds %2 bytes, and a receiver image is exactly %3 bytes.
Padding it would overwrite the receiver&apos;s database with zeros.</source>
        <extracomment>%1 is the path, %2 the file&apos;s size, %3 an image&apos;s size</extracomment>
        <translation>Die Datei %1 wird nicht gesendet: Sie umfasst %2 Bytes, ein Receiver-Image aber genau %3 Bytes.
Auffüllen würde die Datenbank des Receivers mit Nullen überschreiben.</translation>
    </message>
    <message>
        <source>The file %1 is not sent: it is longer than a receiver image, which is exactly %2 bytes.</source>
        <extracomment>%1 is the path, %2 an image&apos;s size</extracomment>
        <translation>Die Datei %1 wird nicht gesendet: Sie ist länger als ein Receiver-Image, das genau %2 Bytes umfasst.</translation>
    </message>
</context>
</TS>
