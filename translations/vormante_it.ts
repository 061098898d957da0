<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>ArchiveDialog</name>
    <message>
        <source>Time</source>
        <extracomment>Column caption: when the image was archived.</extracomment>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Kind</source>
        <extracomment>Column caption: received, sent or kept before saving.</extracomment>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>File or port</source>
        <extracomment>Column caption: the file saved or the serial port used.</extracomment>
        <translation>File o porta</translation>
    </message>
    <message>
        <source>Satellites</source>
        <extracomment>Column caption: the number of satellites in the image.</extracomment>
        <translation>Satelliti</translation>
    </message>
    <message>
        <source>Transponders</source>
        <extracomment>Column caption: the number of transponders in the image.</extracomment>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Channels</source>
        <extracomment>Column caption: the number of channels in the image.</extracomment>
        <translation>Canali</translation>
    </message>
    <message>
        <source>Received</source>
        <extracomment>An archived image&apos;s kind: received from the receiver.</extracomment>
        <translation>Ricevuta</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Inviata</translation>
    </message>
    <message>
        <source>Before saving</source>
        <translation>Prima del salvataggio</translation>
    </message>
    <message>
        <source>%1 (damaged)</source>
        <extracomment>%1 is an archived image&apos;s kind (Received, Sent, Before saving) whose file is damaged.</extracomment>
        <translation>%1 (danneggiata)</translation>
    </message>
    <message>
        <source>Archive</source>
        <extracomment>The window of the images kept by the program (a noun).</extracomment>
        <translation>Archivio</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>A button (a verb): open the archived image.</extracomment>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Compare with the open image</source>
        <translation>Confronta con l&apos;immagine aperta</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>A button (a verb): put the archived image into the open document.</extracomment>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>A button (a verb): delete the archived image.</extracomment>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Mostra nella cartella</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Open the image as a new, unnamed document</source>
        <translation>Apre l&apos;immagine come nuovo documento senza nome</translation>
    </message>
    <message>
        <source>Put the image into the open document, as one step Undo takes back</source>
        <translation>Inserisce l&apos;immagine nel documento aperto, come un unico passo annullabile</translation>
    </message>
    <message>
        <source>Keep at most</source>
        <extracomment>Before a number box; &quot;images&quot; follows it: &quot;Keep at most [50] images&quot;.</extracomment>
        <translation>Conserva al massimo</translation>
    </message>
    <message>
        <source>images</source>
        <extracomment>After a number box: &quot;Keep at most [50] images&quot;.</extracomment>
        <translation>immagini</translation>
    </message>
    <message>
        <source>Restore image of %1</source>
        <extracomment>The name of an edit step: %1 is when the image was archived.</extracomment>
        <translation>Ripristina immagine del %1</translation>
    </message>
    <message numerus="yes">
        <source>%n image in %1</source>
        <extracomment>%1 is the archive&apos;s folder.</extracomment>
        <translation>
            <numerusform>%n immagine in %1</numerusform>
            <numerusform>%n immagini in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n images in %1</source>
        <translation>
            <numerusform>%n immagine in %1</numerusform>
            <numerusform>%n immagini in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <extracomment>%1 names the archived image, %2 says why it cannot be read.</extracomment>
        <translation>Impossibile leggere %1: %2.</translation>
    </message>
    <message>
        <source>the open image</source>
        <translation>l&apos;immagine aperta</translation>
    </message>
    <message>
        <source>The open image is already the same as %1.</source>
        <extracomment>%1 names the archived image.</extracomment>
        <translation>L&apos;immagine aperta è già uguale a %1.</translation>
    </message>
    <message>
        <source>Delete %1 from the archive?</source>
        <extracomment>%1 names the archived image.</extracomment>
        <translation>Eliminare %1 dall&apos;archivio?</translation>
    </message>
    <message>
        <source>%1 could not be deleted: %2.</source>
        <extracomment>%1 names the archived image, %2 says why it could not be deleted.</extracomment>
        <translation>Impossibile eliminare %1: %2.</translation>
    </message>
    <message>
        <source>The archive holds %1 images. Keeping at most %2 removes %3 of them now: the oldest copies from before saving first, received images last. Go ahead?</source>
        <extracomment>%1 is the number of images held, %2 the new bound, %3 the number removed.</extracomment>
        <translation>L&apos;archivio contiene %1 immagini. Conservarne al massimo %2 ne rimuove ora %3: prima le copie più vecchie fatte prima del salvataggio, per ultime le immagini ricevute. Procedere?</translation>
    </message>
    <message>
        <source>The bound could not be changed: %1.</source>
        <extracomment>%1 says why the number of images kept could not be changed.</extracomment>
        <translation>Impossibile cambiare il limite: %1.</translation>
    </message>
</context>
<context>
    <name>ArchiveKeeper</name>
    <message>
        <source>the received image</source>
        <translation>l&apos;immagine ricevuta</translation>
    </message>
    <message>
        <source>the sent image</source>
        <translation>l&apos;immagine inviata</translation>
    </message>
    <message>
        <source>the file content before saving</source>
        <translation>il contenuto del file prima del salvataggio</translation>
    </message>
    <message>
        <source>The archive could not keep %1: %2. Transfers and saves go on without it.</source>
        <extracomment>%1 is what was to be kept, e.g. &quot;the received image&quot;; %2 the reason</extracomment>
        <translation>L&apos;archivio non ha potuto conservare %1: %2. Trasferimenti e salvataggi proseguono senza archivio.</translation>
    </message>
    <message>
        <source>The archive kept %1, but %2.</source>
        <extracomment>%1 is what was kept, e.g. &quot;the received image&quot;; %2 what went wrong</extracomment>
        <translation>L&apos;archivio ha conservato %1, ma %2.</translation>
    </message>
    <message>
        <source>the image received on %1</source>
        <extracomment>%1 is the date and time</extracomment>
        <translation>l&apos;immagine ricevuta il %1</translation>
    </message>
    <message>
        <source>the image received on %1 from %2</source>
        <extracomment>%1 is the date and time, %2 the serial port</extracomment>
        <translation>l&apos;immagine ricevuta il %1 da %2</translation>
    </message>
    <message>
        <source>the image sent on %1</source>
        <extracomment>%1 is the date and time</extracomment>
        <translation>l&apos;immagine inviata il %1</translation>
    </message>
    <message>
        <source>the image sent on %1 to %2</source>
        <extracomment>%1 is the date and time, %2 the file sent</extracomment>
        <translation>l&apos;immagine inviata il %1 a %2</translation>
    </message>
    <message>
        <source>the copy from before saving on %1</source>
        <extracomment>%1 is the date and time</extracomment>
        <translation>la copia prima del salvataggio del %1</translation>
    </message>
    <message>
        <source>the copy from before saving on %1 (%2)</source>
        <extracomment>%1 is the date and time, %2 the file&apos;s name</extracomment>
        <translation>la copia prima del salvataggio del %1 (%2)</translation>
    </message>
    <message>
        <source>The archive keeps at most %1 images: %2 was removed.</source>
        <extracomment>%1 is the archive&apos;s bound, %2 the image removed, e.g. &quot;the image sent on ...&quot;</extracomment>
        <translation>L&apos;archivio conserva al massimo %1 immagini: è stata rimossa %2.</translation>
    </message>
    <message>
        <source>The archive keeps at most %1 images: %2 images were removed, the newest of them %3.</source>
        <extracomment>%1 is the archive&apos;s bound, %2 how many were removed, %3 the newest of them, e.g. &quot;the image sent on ...&quot;</extracomment>
        <translation>L&apos;archivio conserva al massimo %1 immagini: sono state rimosse %2 immagini, la più recente delle quali è %3.</translation>
    </message>
</context>
<context>
    <name>BulkChannelCommands</name>
    <message numerus="yes">
        <source>%n channel</source>
        <extracomment>A number of channels in the name of an edit step, for example &quot;Move 3 channels to top&quot;.</extracomment>
        <translation>
            <numerusform>%n canale</numerusform>
            <numerusform>%n canali</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n canale</numerusform>
            <numerusform>%n canali</numerusform>
        </translation>
    </message>
    <message>
        <source>Del Channel</source>
        <extracomment>The title of the question before channels are deleted.</extracomment>
        <translation>Elimina canale</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channels?</source>
        <translation>
            <numerusform>Eliminare %n canale?</numerusform>
            <numerusform>Eliminare %n canali?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channels</source>
        <translation>
            <numerusform>Elimina %n canale</numerusform>
            <numerusform>Elimina %n canali</numerusform>
        </translation>
    </message>
    <message>
        <source>The channels have changed; nothing was deleted.</source>
        <translation>I canali sono cambiati; non è stato eliminato nulla.</translation>
    </message>
    <message>
        <source>Move %1 to %2</source>
        <extracomment>The name of an edit step: %1 is a channel&apos;s name or a number of channels, %2 the new channel number.</extracomment>
        <translation>Sposta %1 al numero %2</translation>
    </message>
    <message>
        <source>Move %1 to top</source>
        <extracomment>The name of an edit step: %1 is a channel&apos;s name or a number of channels.</extracomment>
        <translation>Sposta %1 in cima</translation>
    </message>
    <message>
        <source>Move %1 to bottom</source>
        <extracomment>The name of an edit step: %1 is a channel&apos;s name or a number of channels.</extracomment>
        <translation>Sposta %1 in fondo</translation>
    </message>
    <message>
        <source>Move %1 to one place up</source>
        <extracomment>The name of an edit step: %1 is a channel&apos;s name or a number of channels.</extracomment>
        <translation>Sposta %1 su di un posto</translation>
    </message>
    <message>
        <source>Move %1 to one place down</source>
        <translation>Sposta %1 giù di un posto</translation>
    </message>
    <message>
        <source>Move %1 to before %2</source>
        <extracomment>The name of an edit step: %1 is a channel&apos;s name or a number of channels, %2 the name of the channel they now stand before.</extracomment>
        <translation>Sposta %1 prima di %2</translation>
    </message>
    <message>
        <source>Lock</source>
        <extracomment>The channel flag that locks a channel behind the receiver&apos;s PIN.</extracomment>
        <translation>Blocco</translation>
    </message>
    <message>
        <source>Fav 1</source>
        <extracomment>Favourite list 1 (a channel flag).</extracomment>
        <translation>Pref 1</translation>
    </message>
    <message>
        <source>Fav 2</source>
        <extracomment>Favourite list 2 (a channel flag).</extracomment>
        <translation>Pref 2</translation>
    </message>
    <message>
        <source>Fav 3</source>
        <extracomment>Favourite list 3 (a channel flag).</extracomment>
        <translation>Pref 3</translation>
    </message>
    <message>
        <source>Fav 4</source>
        <extracomment>Favourite list 4 (a channel flag).</extracomment>
        <translation>Pref 4</translation>
    </message>
    <message>
        <source>Set %1 on %2</source>
        <extracomment>The name of an edit step: %1 is a flag (Lock, Fav 1...), %2 a channel&apos;s name or a number of channels.</extracomment>
        <translation>Attiva %1 su %2</translation>
    </message>
    <message>
        <source>Clear %1 on %2</source>
        <extracomment>The name of an edit step: %1 is a flag (Lock, Fav 1...), %2 a channel&apos;s name or a number of channels.</extracomment>
        <translation>Disattiva %1 su %2</translation>
    </message>
    <message>
        <source>Flags</source>
        <extracomment>The submenu that sets and clears the lock and favourite flags.</extracomment>
        <translation>Flag</translation>
    </message>
    <message>
        <source>Set %1</source>
        <extracomment>A menu item: %1 is a flag (Lock, Fav 1...).</extracomment>
        <translation>Attiva %1</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Disattiva %1</translation>
    </message>
    <message>
        <source>Keep the shown order</source>
        <translation>Mantieni l&apos;ordine mostrato</translation>
    </message>
    <message>
        <source>The channels have changed; the order was not kept.</source>
        <translation>I canali sono cambiati; l&apos;ordine non è stato mantenuto.</translation>
    </message>
    <message>
        <source>Keep this order</source>
        <translation>Mantieni questo ordine</translation>
    </message>
</context>
<context>
    <name>ChannelCommands</name>
    <message>
        <source>Add Channel</source>
        <translation>Aggiungi canale</translation>
    </message>
    <message>
        <source>Add channel %1</source>
        <extracomment>The name of an edit step: %1 is the channel&apos;s name.</extracomment>
        <translation>Aggiungi canale %1</translation>
    </message>
    <message>
        <source>Prog is Full!</source>
        <translation>Elenco canali pieno!</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Modifica canale</translation>
    </message>
    <message>
        <source>Edit channel %1</source>
        <extracomment>The name of an edit step: %1 is the channel&apos;s name.</extracomment>
        <translation>Modifica canale %1</translation>
    </message>
    <message>
        <source>The channels have changed; nothing was stored.</source>
        <translation>I canali sono cambiati; non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>Del Channel</source>
        <extracomment>The title of the question before a channel is deleted.</extracomment>
        <translation>Elimina canale</translation>
    </message>
    <message>
        <source>Delete channel %1</source>
        <extracomment>The name of an edit step: %1 is the channel&apos;s name.</extracomment>
        <translation>Elimina canale %1</translation>
    </message>
</context>
<context>
    <name>ChannelDatabase</name>
    <message>
        <source>The file holds %1 bytes, but a receiver database image holds exactly %2 bytes. It is not an image and was not opened.</source>
        <extracomment>%1 is the file&apos;s size in bytes, %2 the size of every image</extracomment>
        <translation>Il file contiene %1 byte, ma un&apos;immagine del database del ricevitore ne contiene esattamente %2. Non è un&apos;immagine e non è stato aperto.</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Channel Name:</source>
        <translation>Nome canale:</translation>
    </message>
    <message>
        <source>Video PID:</source>
        <extracomment>PID: the packet identifier of a stream in the transport stream.</extracomment>
        <translation>PID video:</translation>
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
        <translation>PID televideo:</translation>
    </message>
    <message>
        <source>Satellite:</source>
        <translation>Satellite:</translation>
    </message>
    <message>
        <source>TransponderID:</source>
        <translation>ID transponder:</translation>
    </message>
    <message>
        <source>Lock:</source>
        <extracomment>The channel flag that locks a channel behind the receiver&apos;s PIN.</extracomment>
        <translation>Blocco:</translation>
    </message>
    <message>
        <source>Fav 1:</source>
        <extracomment>Favourite list 1 (a channel flag).</extracomment>
        <translation>Pref 1:</translation>
    </message>
    <message>
        <source>Fav 2:</source>
        <extracomment>Favourite list 2 (a channel flag).</extracomment>
        <translation>Pref 2:</translation>
    </message>
    <message>
        <source>Fav 3:</source>
        <extracomment>Favourite list 3 (a channel flag).</extracomment>
        <translation>Pref 3:</translation>
    </message>
    <message>
        <source>Fav 4:</source>
        <extracomment>Favourite list 4 (a channel flag).</extracomment>
        <translation>Pref 4:</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <extracomment>The channel flag of an encrypted channel.</extracomment>
        <translation>Codificato</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID video</translation>
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
        <translation>PID televideo</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Nome canale</translation>
    </message>
</context>
<context>
    <name>ChannelList</name>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line number of the list, %2 what is wrong there</extracomment>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>un campo tra virgolette non è chiuso</translation>
    </message>
    <message>
        <source>text follows the closing quote of field %1</source>
        <extracomment>%1 is the field&apos;s number in its row</extracomment>
        <translation>c&apos;è del testo dopo le virgolette di chiusura del campo %1</translation>
    </message>
    <message>
        <source>more than %1 fields hold text; a channel list has %2 columns</source>
        <translation>più di %1 campi contengono testo; un elenco canali ha %2 colonne</translation>
    </message>
    <message>
        <source>%1 %2 is not a satellite position like 19.2E or 5.0W</source>
        <extracomment>%1 is a column header of the list (not translated), %2 the quoted field</extracomment>
        <translation>%1 %2 non è una posizione satellitare come 19.2E o 5.0W</translation>
    </message>
    <message>
        <source>%1 %2 is not TV or Radio</source>
        <translation>%1 %2 non è TV o Radio</translation>
    </message>
    <message>
        <source>%1 %2 is not a channel number</source>
        <translation>%1 %2 non è un numero di canale</translation>
    </message>
    <message>
        <source>%1 %2 is not a frequency in MHz</source>
        <translation>%1 %2 non è una frequenza in MHz</translation>
    </message>
    <message>
        <source>%1 %2 is not H or V</source>
        <translation>%1 %2 non è H o V</translation>
    </message>
    <message>
        <source>%1 %2 is not a symbol rate in kS/s</source>
        <translation>%1 %2 non è un symbol rate in kS/s</translation>
    </message>
    <message>
        <source>%1 %2 is not a PID from 0 to 16383</source>
        <translation>%1 %2 non è un PID da 0 a 16383</translation>
    </message>
    <message>
        <source>%1 %2 is not 1 or 0</source>
        <translation>%1 %2 non è 1 o 0</translation>
    </message>
    <message>
        <source>the list is larger than %1 MB</source>
        <translation>l&apos;elenco supera %1 MB</translation>
    </message>
    <message>
        <source>not a channel list: the header row has no comma, semicolon or tab</source>
        <translation>non è un elenco canali: la riga d&apos;intestazione non ha virgole, punti e virgola o tabulazioni</translation>
    </message>
    <message>
        <source>not a channel list: the header row has no &quot;%1&quot; column</source>
        <extracomment>%1 is a column header of the list (not translated)</extracomment>
        <translation>non è un elenco canali: la riga d&apos;intestazione non ha la colonna &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the list has more than %1 rows; an image holds at most %2 channels</source>
        <translation>l&apos;elenco ha più di %1 righe; un&apos;immagine contiene al massimo %2 canali</translation>
    </message>
    <message>
        <source>%1 fields where the header has %2</source>
        <extracomment>%1 is the row&apos;s number of fields, %2 the header&apos;s</extracomment>
        <translation>%1 campi dove l&apos;intestazione ne ha %2</translation>
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
        <translation>Cod. prima</translation>
    </message>
    <message>
        <source>Scr down</source>
        <extracomment>Sort the scrambled (encrypted) channels last.</extracomment>
        <translation>Cod. dopo</translation>
    </message>
    <message>
        <source>Freq up</source>
        <extracomment>Sort by frequency, lowest first.</extracomment>
        <translation>Freq cresc.</translation>
    </message>
    <message>
        <source>Freq down</source>
        <extracomment>Sort by frequency, highest first.</extracomment>
        <translation>Freq decresc.</translation>
    </message>
    <message>
        <source>	 Do you want to del channel [%1]?		</source>
        <extracomment>%1 is the channel&apos;s name; keep the tabs.</extracomment>
        <translation>	 Eliminare il canale [%1]?		</translation>
    </message>
    <message>
        <source>Select Satellite:</source>
        <translation>Seleziona satellite:</translation>
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
        <translation>N. TV:</translation>
    </message>
    <message>
        <source>Radio No:</source>
        <extracomment>The number of radio channels follows.</extracomment>
        <translation>N. radio:</translation>
    </message>
    <message>
        <source>Total No:</source>
        <extracomment>The number of all channels follows.</extracomment>
        <translation>Totale:</translation>
    </message>
    <message>
        <source>Add Channel...</source>
        <translation>Aggiungi canale...</translation>
    </message>
    <message>
        <source>Edit Channel...</source>
        <translation>Modifica canale...</translation>
    </message>
    <message>
        <source>Del Channel</source>
        <extracomment>Delete the channel (a menu item).</extracomment>
        <translation>Elimina canale</translation>
    </message>
    <message>
        <source>Sort</source>
        <extracomment>A submenu: the ways to sort the channels.</extracomment>
        <translation>Ordina</translation>
    </message>
    <message>
        <source>Move</source>
        <extracomment>A menu item (a verb): move the channel to a number typed in.</extracomment>
        <translation>Sposta</translation>
    </message>
    <message>
        <source>Move to top</source>
        <translation>Sposta in cima</translation>
    </message>
    <message>
        <source>Move to bottom</source>
        <translation>Sposta in fondo</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <source>Sort %1 on %2</source>
        <extracomment>The name of an edit step: %1 is the sort (a..Z, Freq up...), %2 the satellite.</extracomment>
        <translation>Ordina %1 su %2</translation>
    </message>
    <message>
        <source>Error Input!</source>
        <translation>Valore non valido!</translation>
    </message>
    <message>
        <source>Move %1 to %2</source>
        <extracomment>The name of an edit step: %1 is the channel&apos;s name, %2 its new number.</extracomment>
        <translation>Sposta %1 al numero %2</translation>
    </message>
</context>
<context>
    <name>ChannelOrderPlan</name>
    <message>
        <source>channel slot %1 lies on the chains of satellite slots %2 and %3</source>
        <translation>lo slot canale %1 si trova sulle catene degli slot satellite %2 e %3</translation>
    </message>
</context>
<context>
    <name>ChannelRowTexts</name>
    <message>
        <source>No</source>
        <extracomment>Column caption: the channel&apos;s place in the list.</extracomment>
        <translation>N.</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Nome canale</translation>
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
        <translation>blocco</translation>
    </message>
    <message>
        <source>scr</source>
        <extracomment>Column caption: the scrambled (encrypted) flag.</extracomment>
        <translation>cod</translation>
    </message>
    <message>
        <source>fav 1</source>
        <extracomment>Column caption: favourite list 1.</extracomment>
        <translation>pref 1</translation>
    </message>
    <message>
        <source>fav 2</source>
        <extracomment>Column caption: favourite list 2.</extracomment>
        <translation>pref 2</translation>
    </message>
    <message>
        <source>fav 3</source>
        <extracomment>Column caption: favourite list 3.</extracomment>
        <translation>pref 3</translation>
    </message>
    <message>
        <source>fav 4</source>
        <extracomment>Column caption: favourite list 4.</extracomment>
        <translation>pref 4</translation>
    </message>
    <message>
        <source>CH No</source>
        <extracomment>Column caption: the channel number the receiver stores.</extracomment>
        <translation>N. can.</translation>
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
        <translation>errore sconosciuto</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>Title of the message box.</extracomment>
        <translation>Errore</translation>
    </message>
    <message>
        <source>The command could not be completed (%1). The image was left as it was before the command.</source>
        <extracomment>%1: why the command failed.</extracomment>
        <translation>Impossibile completare il comando (%1). L&apos;immagine è rimasta com&apos;era prima del comando.</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Compare with %1</source>
        <extracomment>%1 names the other image (a file name or an archived copy).</extracomment>
        <translation>Confronta con %1</translation>
    </message>
    <message>
        <source>The images do not differ.</source>
        <translation>Le immagini non differiscono.</translation>
    </message>
    <message>
        <source>No compared field differs, but bytes do: %1.</source>
        <translation>Nessun campo confrontato differisce, ma i byte sì: %1.</translation>
    </message>
    <message>
        <source>From %1 to %2; &quot;added&quot; is only in %2, &quot;removed&quot; only in %1.</source>
        <translation>Da %1 a %2; &quot;aggiunto&quot; è solo in %2, &quot;rimosso&quot; solo in %1.</translation>
    </message>
    <message>
        <source>Satellite %1 (%2): %3</source>
        <extracomment>%1 is the satellite&apos;s name, %2 its position, %3 what happened to it (added, removed, changed).</extracomment>
        <translation>Satellite %1 (%2): %3</translation>
    </message>
    <message>
        <source>Transponder %1: %2</source>
        <extracomment>%1 is the transponder, %2 what happened to it (added, removed, changed).</extracomment>
        <translation>Transponder %1: %2</translation>
    </message>
    <message>
        <source>Settings: changed</source>
        <translation>Impostazioni: modificate</translation>
    </message>
    <message>
        <source>Bytes that differ</source>
        <translation>Byte diversi</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n byte</source>
        <extracomment>%1 is a table of the image (satellites, channels...).</extracomment>
        <translation>
            <numerusform>%1: %n byte</numerusform>
            <numerusform>%1: %n byte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n bytes</source>
        <translation>
            <numerusform>%1: %n byte</numerusform>
            <numerusform>%1: %n byte</numerusform>
        </translation>
    </message>
    <message>
        <source>Save report...</source>
        <translation>Salva rapporto...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Save the comparison</source>
        <translation>Salva il confronto</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>File di testo (*.txt);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>The report could not be saved: %1</source>
        <translation>Impossibile salvare il rapporto: %1</translation>
    </message>
</context>
<context>
    <name>ConsistencyCheck</name>
    <message>
        <source>Satellite slot %1: the transponder chain starts at slot %2, outside the table.</source>
        <translation>Slot satellite %1: la catena dei transponder inizia allo slot %2, fuori dalla tabella.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain links slot %2 to slot %3, outside the table.</source>
        <translation>Slot satellite %1: la catena dei transponder collega lo slot %2 allo slot %3, fuori dalla tabella.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain comes back to slot %2 after slot %3.</source>
        <translation>Slot satellite %1: la catena dei transponder torna allo slot %2 dopo lo slot %3.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain reaches slot %2, which is on the chain of satellite slot %3 as well.</source>
        <translation>Slot satellite %1: la catena dei transponder raggiunge lo slot %2, che si trova anche sulla catena dello slot satellite %3.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain starts at slot %2, whose previous link is %3 instead of none.</source>
        <translation>Slot satellite %1: la catena dei transponder inizia allo slot %2, il cui collegamento precedente è %3 invece di nessuno.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain goes from slot %2 to slot %3, whose previous link is %4.</source>
        <translation>Slot satellite %1: la catena dei transponder va dallo slot %2 allo slot %3, il cui collegamento precedente è %4.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain&apos;s tail is %2, but the chain is empty.</source>
        <translation>Slot satellite %1: la coda della catena dei transponder è %2, ma la catena è vuota.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain&apos;s tail is %2, but the chain ends at slot %3.</source>
        <translation>Slot satellite %1: la coda della catena dei transponder è %2, ma la catena termina allo slot %3.</translation>
    </message>
    <message>
        <source>Satellite slot %1 counts %2 transponders, but its chain holds %3.</source>
        <translation>Lo slot satellite %1 conta %2 transponder, ma la sua catena ne contiene %3.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain starts at slot %2, outside the table.</source>
        <translation>Slot satellite %1: la catena dei canali inizia allo slot %2, fuori dalla tabella.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain links slot %2 to slot %3, outside the table.</source>
        <translation>Slot satellite %1: la catena dei canali collega lo slot %2 allo slot %3, fuori dalla tabella.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain comes back to slot %2 after slot %3.</source>
        <translation>Slot satellite %1: la catena dei canali torna allo slot %2 dopo lo slot %3.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain reaches slot %2, which is on the chain of satellite slot %3 as well.</source>
        <translation>Slot satellite %1: la catena dei canali raggiunge lo slot %2, che si trova anche sulla catena dello slot satellite %3.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain starts at slot %2, whose previous link is %3 instead of none.</source>
        <translation>Slot satellite %1: la catena dei canali inizia allo slot %2, il cui collegamento precedente è %3 invece di nessuno.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain goes from slot %2 to slot %3, whose previous link is %4.</source>
        <translation>Slot satellite %1: la catena dei canali va dallo slot %2 allo slot %3, il cui collegamento precedente è %4.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain&apos;s tail is %2, but the chain is empty.</source>
        <translation>Slot satellite %1: la coda della catena dei canali è %2, ma la catena è vuota.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain&apos;s tail is %2, but the chain ends at slot %3.</source>
        <translation>Slot satellite %1: la coda della catena dei canali è %2, ma la catena termina allo slot %3.</translation>
    </message>
    <message>
        <source>Satellite slot %1 counts %2 channels, but its chain holds %3.</source>
        <translation>Lo slot satellite %1 conta %2 canali, ma la sua catena ne contiene %3.</translation>
    </message>
    <message>
        <source>The satellite count is %1, but %2 satellite slots are in use.</source>
        <translation>Il numero di satelliti è %1, ma sono in uso %2 slot satellite.</translation>
    </message>
    <message>
        <source>Satellite slot %1: transponder slot %2 is on the chain but free.</source>
        <translation>Slot satellite %1: lo slot transponder %2 è sulla catena ma è libero.</translation>
    </message>
    <message>
        <source>Satellite slot %1: transponder slot %2 is on the chain but names satellite slot %3.</source>
        <translation>Slot satellite %1: lo slot transponder %2 è sulla catena ma indica lo slot satellite %3.</translation>
    </message>
    <message>
        <source>Satellite slot %1 holds channels, but its state is %2 instead of 1, so they are never renumbered.</source>
        <translation>Lo slot satellite %1 contiene canali, ma il suo stato è %2 invece di 1, quindi non vengono mai rinumerati.</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 has service type %3, but its video PID makes it radio (2).</source>
        <extracomment>%1 satellite slot, %2 channel slot, %3 the stored service type</extracomment>
        <translation>Slot satellite %1: lo slot canale %2 ha tipo di servizio %3, ma il suo PID video lo rende radio (2).</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 has service type %3, but its video PID makes it TV (1).</source>
        <translation>Slot satellite %1: lo slot canale %2 ha tipo di servizio %3, ma il suo PID video lo rende TV (1).</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 has number %3, but its place among the radio channels makes it %4.</source>
        <extracomment>%1 satellite slot, %2 channel slot, %3 the stored number, %4 the number it should have</extracomment>
        <translation>Slot satellite %1: lo slot canale %2 ha numero %3, ma la sua posizione tra i canali radio lo rende %4.</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 has number %3, but its place among the TV channels makes it %4.</source>
        <translation>Slot satellite %1: lo slot canale %2 ha numero %3, ma la sua posizione tra i canali TV lo rende %4.</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 is on the chain but free.</source>
        <translation>Slot satellite %1: lo slot canale %2 è sulla catena ma è libero.</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 names transponder %3, which is no transponder slot.</source>
        <extracomment>%3 is the stored transponder number, which names no slot</extracomment>
        <translation>Slot satellite %1: lo slot canale %2 indica il transponder %3, che non è uno slot transponder.</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 names transponder slot %3, which is free.</source>
        <translation>Slot satellite %1: lo slot canale %2 indica lo slot transponder %3, che è libero.</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 names transponder slot %3 of satellite slot %4.</source>
        <translation>Slot satellite %1: lo slot canale %2 indica lo slot transponder %3 dello slot satellite %4.</translation>
    </message>
    <message>
        <source>Transponder slot %1 is in use, but no satellite&apos;s chain reaches it.</source>
        <translation>Lo slot transponder %1 è in uso, ma nessuna catena di satellite lo raggiunge.</translation>
    </message>
    <message>
        <source>Channel slot %1 is in use, but no satellite&apos;s chain reaches it.</source>
        <translation>Lo slot canale %1 è in uso, ma nessuna catena di satellite lo raggiunge.</translation>
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
        <translation>Annulla</translation>
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
        <translation>nessun transponder</translation>
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
        <translation>Trova duplicati</translation>
    </message>
    <message>
        <source>Delete selected</source>
        <translation>Elimina selezionati</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>No channel is stored twice.</source>
        <translation>Nessun canale è memorizzato due volte.</translation>
    </message>
    <message>
        <source>Stored more than once: %1. Selected for deletion: %2.</source>
        <extracomment>%1 is a number of services (&quot;3 services&quot;), %2 a number of channels.</extracomment>
        <translation>Memorizzati più volte: %1. Selezionati per l&apos;eliminazione: %2.</translation>
    </message>
    <message>
        <source>The image is damaged: %1, so nothing can be deleted; the consistency check lists its problems.</source>
        <translation>L&apos;immagine è danneggiata: %1, quindi non si può eliminare nulla; il controllo di coerenza ne elenca i problemi.</translation>
    </message>
</context>
<context>
    <name>FindChannelDialog</name>
    <message>
        <source>Find Channel</source>
        <translation>Trova canale</translation>
    </message>
    <message>
        <source>Name, channel number or PID</source>
        <translation>Nome, numero di canale o PID</translation>
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
        <translation>Digitare un nome, un numero di canale o un PID.</translation>
    </message>
    <message>
        <source>No channel found.</source>
        <translation>Nessun canale trovato.</translation>
    </message>
    <message>
        <source>1 channel found.</source>
        <translation>1 canale trovato.</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
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
        <translation>N.</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Nome canale</translation>
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
            <numerusform>%n canale trovato.</numerusform>
            <numerusform>%n canali trovati.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImageArchive</name>
    <message>
        <source>The archive&apos;s index could not be repaired: %1</source>
        <extracomment>%1 is the reason</extracomment>
        <translation>Impossibile riparare l&apos;indice dell&apos;archivio: %1</translation>
    </message>
    <message>
        <source>it is not a whole image (%1 bytes)</source>
        <extracomment>%1 is the file&apos;s size</extracomment>
        <translation>non è un&apos;immagine completa (%1 byte)</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <extracomment>%1 is the folder</extracomment>
        <translation>impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>the archive is busy; its index lists the image later</source>
        <translation>l&apos;archivio è occupato; il suo indice elencherà l&apos;immagine più tardi</translation>
    </message>
    <message>
        <source>the archive&apos;s index could not be written: %1</source>
        <extracomment>%1 is the reason</extracomment>
        <translation>impossibile scrivere l&apos;indice dell&apos;archivio: %1</translation>
    </message>
    <message>
        <source>the archive holds no image %1</source>
        <extracomment>%1 is the image&apos;s name in the archive</extracomment>
        <translation>l&apos;archivio non contiene l&apos;immagine %1</translation>
    </message>
    <message>
        <source>the archived image %1 is damaged: its file %2 is not a whole image of %3 bytes</source>
        <extracomment>%1 is the image&apos;s name in the archive, %2 its file, %3 an image&apos;s size</extracomment>
        <translation>l&apos;immagine archiviata %1 è danneggiata: il suo file %2 non è un&apos;immagine completa di %3 byte</translation>
    </message>
    <message>
        <source>the archive is busy; try again</source>
        <translation>l&apos;archivio è occupato; riprovare</translation>
    </message>
</context>
<context>
    <name>ImageDiff</name>
    <message>
        <source>sector headers</source>
        <translation>intestazioni dei settori</translation>
    </message>
    <message>
        <source>%1 in the sector headers</source>
        <translation>%1 nelle intestazioni dei settori</translation>
    </message>
    <message>
        <source>satellite table</source>
        <translation>tabella dei satelliti</translation>
    </message>
    <message>
        <source>%1 in the satellite table</source>
        <translation>%1 nella tabella dei satelliti</translation>
    </message>
    <message>
        <source>transponder marks</source>
        <translation>marcatori dei transponder</translation>
    </message>
    <message>
        <source>%1 in the transponder marks</source>
        <translation>%1 nei marcatori dei transponder</translation>
    </message>
    <message>
        <source>settings</source>
        <translation>impostazioni</translation>
    </message>
    <message>
        <source>%1 in the settings</source>
        <translation>%1 nelle impostazioni</translation>
    </message>
    <message>
        <source>transponder table</source>
        <translation>tabella dei transponder</translation>
    </message>
    <message>
        <source>%1 in the transponder table</source>
        <translation>%1 nella tabella dei transponder</translation>
    </message>
    <message>
        <source>channel table</source>
        <translation>tabella dei canali</translation>
    </message>
    <message>
        <source>%1 in the channel table</source>
        <translation>%1 nella tabella dei canali</translation>
    </message>
    <message>
        <source>unused bytes</source>
        <translation>byte inutilizzati</translation>
    </message>
    <message>
        <source>%1 of the unused bytes</source>
        <translation>%1 dei byte inutilizzati</translation>
    </message>
    <message>
        <source>%1 MHz %2 %3 kS/s</source>
        <extracomment>A transponder: %1 frequency, %2 polarization V or H, %3 symbol rate</extracomment>
        <translation>%1 MHz %2 %3 kS/s</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>frequenza</translation>
    </message>
    <message>
        <source>symbol rate</source>
        <translation>symbol rate</translation>
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
        <translation>blocco</translation>
    </message>
    <message>
        <source>scrambled</source>
        <translation>codificato</translation>
    </message>
    <message>
        <source>fav 1</source>
        <translation>pref 1</translation>
    </message>
    <message>
        <source>fav 2</source>
        <translation>pref 2</translation>
    </message>
    <message>
        <source>fav 3</source>
        <translation>pref 3</translation>
    </message>
    <message>
        <source>fav 4</source>
        <translation>pref 4</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nome</translation>
    </message>
    <message>
        <source>number</source>
        <translation>numero</translation>
    </message>
    <message>
        <source>polarization</source>
        <translation>polarizzazione</translation>
    </message>
    <message>
        <source>video PID</source>
        <translation>PID video</translation>
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
        <translation>PID televideo</translation>
    </message>
    <message>
        <source>standby</source>
        <extracomment>A receiver setting&apos;s name in the list of differences</extracomment>
        <translation>standby</translation>
    </message>
    <message>
        <source>aspect ratio</source>
        <translation>formato schermo</translation>
    </message>
    <message>
        <source>menu language</source>
        <translation>lingua del menu</translation>
    </message>
    <message>
        <source>RF channel</source>
        <translation>canale RF</translation>
    </message>
    <message>
        <source>sound system</source>
        <translation>sistema audio</translation>
    </message>
    <message>
        <source>colour system</source>
        <translation>sistema colore</translation>
    </message>
    <message>
        <source>receiver lock</source>
        <translation>blocco ricevitore</translation>
    </message>
    <message>
        <source>menu lock</source>
        <translation>blocco menu</translation>
    </message>
    <message>
        <source>delay time</source>
        <translation>tempo di ritardo</translation>
    </message>
    <message>
        <source>time zone</source>
        <translation>fuso orario</translation>
    </message>
    <message>
        <source>GMT usage</source>
        <translation>uso GMT</translation>
    </message>
    <message>
        <source>summer time</source>
        <translation>ora legale</translation>
    </message>
    <message>
        <source>time offset</source>
        <translation>scostamento orario</translation>
    </message>
    <message>
        <source>current satellite</source>
        <translation>satellite attuale</translation>
    </message>
    <message>
        <source>transparency</source>
        <translation>trasparenza</translation>
    </message>
    <message>
        <source>volume left</source>
        <translation>volume sinistro</translation>
    </message>
    <message>
        <source>volume right</source>
        <translation>volume destro</translation>
    </message>
    <message>
        <source>PIN code</source>
        <translation>codice PIN</translation>
    </message>
    <message>
        <source>LNB Type%1 low frequency</source>
        <extracomment>An LNB type&apos;s setting; %1 is the type&apos;s number (the receiver calls its types Type1..Type8)</extracomment>
        <translation>LNB Type%1 frequenza bassa</translation>
    </message>
    <message>
        <source>LNB Type%1 high frequency</source>
        <translation>LNB Type%1 frequenza alta</translation>
    </message>
    <message>
        <source>LNB Type%1 low band</source>
        <translation>LNB Type%1 banda bassa</translation>
    </message>
    <message>
        <source>LNB Type%1 high band</source>
        <translation>LNB Type%1 banda alta</translation>
    </message>
    <message>
        <source>LNB Type%1 DiSEqC</source>
        <translation>LNB Type%1 DiSEqC</translation>
    </message>
    <message>
        <source>LNB Type%1 polarity control</source>
        <translation>LNB Type%1 controllo polarizzazione</translation>
    </message>
    <message>
        <source>LNB Type%1 band control</source>
        <translation>LNB Type%1 controllo banda</translation>
    </message>
    <message>
        <source>LNB Type%1 22 kHz tone</source>
        <translation>LNB Type%1 tono 22 kHz</translation>
    </message>
    <message>
        <source>LNB Type%1 12 V switch</source>
        <translation>LNB Type%1 commutazione 12 V</translation>
    </message>
    <message>
        <source>LNB Type%1 LNB power</source>
        <translation>LNB Type%1 alimentazione LNB</translation>
    </message>
    <message>
        <source>added</source>
        <extracomment>What happened to a satellite, transponder or channel from the first image to the second</extracomment>
        <translation>aggiunto</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>rimosso</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>modificato</translation>
    </message>
    <message>
        <source>LNB type</source>
        <translation>tipo di LNB</translation>
    </message>
    <message>
        <source>Differences from %1 to %2</source>
        <extracomment>%1 and %2 are the names of the compared images</extracomment>
        <translation>Differenze da %1 a %2</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Nessuna differenza.</translation>
    </message>
    <message>
        <source>No compared field differs, but bytes do.</source>
        <translation>Nessun campo confrontato differisce, ma i byte sì.</translation>
    </message>
    <message>
        <source>Satellite %1 (%2): %3</source>
        <extracomment>%1 satellite name, %2 its position, %3 added, removed or changed</extracomment>
        <translation>Satellite %1 (%2): %3</translation>
    </message>
    <message>
        <source>Transponder %1: %2</source>
        <extracomment>%1 a transponder (frequency, polarization, symbol rate), %2 added, removed or changed</extracomment>
        <translation>Transponder %1: %2</translation>
    </message>
    <message>
        <source>Settings: changed</source>
        <translation>Impostazioni: modificate</translation>
    </message>
    <message>
        <source>Bytes that differ: %1.</source>
        <extracomment>%1 lists the differing bytes per part, e.g. &quot;3 in the channel table, 2 of the unused bytes&quot;</extracomment>
        <translation>Byte diversi: %1.</translation>
    </message>
</context>
<context>
    <name>ImageFile</name>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Why a file is refused; follows &quot;Cannot read/write FILE: &quot;</extracomment>
        <translation>non è un file regolare</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <extracomment>%1 is the quoted file name, %2 the reason</extracomment>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <extracomment>%1 is the quoted file name, %2 the reason</extracomment>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source> (the file was being overwritten in place and may be incomplete)</source>
        <extracomment>Follows the system&apos;s reason why writing failed</extracomment>
        <translation> (il file veniva sovrascritto sul posto e potrebbe essere incompleto)</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <extracomment>%1 is the quoted file name, %2 the system&apos;s reason</extracomment>
        <translation>Impossibile aprire %1: %2</translation>
    </message>
    <message>
        <source>it is too large to be kept in a backup</source>
        <translation>è troppo grande per essere conservato in un backup</translation>
    </message>
    <message>
        <source>Cannot back up %1 to %2: %3</source>
        <extracomment>%1 is the quoted file, %2 the quoted backup file, %3 the reason</extracomment>
        <translation>Impossibile fare il backup di %1 in %2: %3</translation>
    </message>
    <message>
        <source>Cannot back up %1: %2</source>
        <extracomment>%1 is the quoted file, %2 the message of the failed backup write</extracomment>
        <translation>Impossibile fare il backup di %1: %2</translation>
    </message>
</context>
<context>
    <name>ImageProblems</name>
    <message>
        <source>%1 has 1 problem: its chains, counts or channel numbers do not fit together.</source>
        <extracomment>%1 is the file name</extracomment>
        <translation>%1 ha 1 problema: catene, conteggi o numeri dei canali non sono coerenti tra loro.</translation>
    </message>
    <message>
        <source>%1 has %2 problems: its chains, counts or channel numbers do not fit together.</source>
        <extracomment>%1 is the file name, %2 the number of problems (more than one)</extracomment>
        <translation>%1 ha %2 problemi: catene, conteggi o numeri dei canali non sono coerenti tra loro.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>The image is open as it is. Editing it may not work as expected; &quot;Show Details...&quot; lists each problem.</source>
        <translation>L&apos;immagine è aperta così com&apos;è. La modifica potrebbe non funzionare come previsto; &quot;Mostra dettagli...&quot; elenca ogni problema.</translation>
    </message>
</context>
<context>
    <name>ListFilterBar</name>
    <message>
        <source>%1 of %2</source>
        <extracomment>Rows shown by the filter: %1 shown of %2 in the list.</extracomment>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>Filter</source>
        <extracomment>Placeholder of the box that filters the channel list (a noun).</extracomment>
        <translation>Filtro</translation>
    </message>
</context>
<context>
    <name>ListImportDialog</name>
    <message>
        <source>Import txt file</source>
        <translation>Importa file txt</translation>
    </message>
    <message>
        <source>Not in the list</source>
        <translation>Non nell&apos;elenco</translation>
    </message>
    <message>
        <source>Line %1: %2 (%3)</source>
        <extracomment>%1 is a line number of the file, %2 the name there, %3 the satellite&apos;s position.</extracomment>
        <translation>Riga %1: %2 (%3)</translation>
    </message>
    <message>
        <source>Line %1: %2 (keeps the name %3)</source>
        <extracomment>%1 is a line number of the file, %2 the name there, %3 the channel&apos;s stored name.</extracomment>
        <translation>Riga %1: %2 (mantiene il nome %3)</translation>
    </message>
    <message>
        <source>Rows that match no channel</source>
        <translation>Righe che non corrispondono a nessun canale</translation>
    </message>
    <message>
        <source>Names that do not fit 11 Latin-1 characters</source>
        <translation>Nomi che non stanno in 11 caratteri Latin-1</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>%1 is a line number of the file, %2 the name there.</extracomment>
        <translation>Riga %1: %2</translation>
    </message>
    <message>
        <source>Rows paired by name: their PIDs or transponder differ, the channels keep theirs</source>
        <translation>Righe abbinate per nome: PID o transponder diversi, i canali mantengono i propri</translation>
    </message>
    <message>
        <source>Delete channels missing from the list</source>
        <translation>Elimina i canali assenti dall&apos;elenco</translation>
    </message>
    <message>
        <source>The image is damaged: %1. Nothing can be imported; the consistency check lists its problems.</source>
        <extracomment>%1 says what is wrong with the image.</extracomment>
        <translation>L&apos;immagine è danneggiata: %1. Non si può importare nulla; il controllo di coerenza ne elenca i problemi.</translation>
    </message>
    <message>
        <source>Read as %1 text (the file is not UTF-8).</source>
        <extracomment>%1 is the name of a character encoding, such as Latin-1.</extracomment>
        <translation>Letto come testo %1 (il file non è UTF-8).</translation>
    </message>
    <message>
        <source>The list changes nothing.</source>
        <translation>L&apos;elenco non cambia nulla.</translation>
    </message>
    <message>
        <source>Moved: %1. Renamed: %2. Flags changed: %3.</source>
        <extracomment>Each of %1, %2 and %3 is a number of channels (&quot;3 channels&quot;).</extracomment>
        <translation>Spostati: %1. Rinominati: %2. Flag modificati: %3.</translation>
    </message>
    <message>
        <source>Not in the list: %1, to be deleted.</source>
        <translation>Non nell&apos;elenco: %1, da eliminare.</translation>
    </message>
    <message>
        <source>Not in the list: %1, kept after the listed ones.</source>
        <translation>Non nell&apos;elenco: %1, da mantenere dopo quelli elencati.</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>LNB Edit</source>
        <extracomment>Dialog title: editing an LNB type.</extracomment>
        <translation>Modifica LNB</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <extracomment>LNB: the low-noise block converter on the dish.</extracomment>
        <translation>Tipo LNB</translation>
    </message>
    <message>
        <source>LNB Freq Low</source>
        <translation>Freq LNB bassa</translation>
    </message>
    <message>
        <source>LNB Freq High</source>
        <translation>Freq LNB alta</translation>
    </message>
    <message>
        <source>DiSEqC</source>
        <extracomment>The dish switching protocol&apos;s name; usually kept as it is.</extracomment>
        <translation>DiSEqC</translation>
    </message>
    <message>
        <source>Polarity Control</source>
        <translation>Controllo polarizzazione</translation>
    </message>
    <message>
        <source>FreqBaudControl</source>
        <extracomment>How the receiver switches the LNB between its low and high band.</extracomment>
        <translation>Controllo banda</translation>
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
        <translation>Alimentazione LNB</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Undo</source>
        <extracomment>a command</extracomment>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>a command</extracomment>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <extracomment>%1 is the name of the step, e.g. &quot;Delete channel arte&quot;</extracomment>
        <translation>Annulla: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <extracomment>%1 is the name of the step, e.g. &quot;Delete channel arte&quot;</extracomment>
        <translation>Ripeti: %1</translation>
    </message>
    <message>
        <source>Sat+LNB+TP+Channel</source>
        <extracomment>the tab of satellites, LNBs, transponders and their channels</extracomment>
        <translation>Sat+LNB+TP+Canali</translation>
    </message>
    <message>
        <source>All Channels Edit</source>
        <translation>Modifica tutti i canali</translation>
    </message>
    <message>
        <source>System setting</source>
        <translation>Impostazioni di sistema</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Save</source>
        <extracomment>Button: save the changes, then go on.</extracomment>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Discard</source>
        <extracomment>Button: drop the unsaved changes, then go on.</extracomment>
        <translation>Scarta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>Button: the answer to a question.</extracomment>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>MoveToDialog</name>
    <message>
        <source>Dialog</source>
        <extracomment>The title of the window that asks for a channel&apos;s new number.</extracomment>
        <translation>Sposta canale</translation>
    </message>
    <message>
        <source>Move to</source>
        <translation>Sposta a</translation>
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
        <source>Please enter an integer.</source>
        <translation>Inserire un numero intero.</translation>
    </message>
</context>
<context>
    <name>MultiChannelEdit</name>
    <message>
        <source>(several)</source>
        <extracomment>Shown in an empty box whose value differs between the channels edited.</extracomment>
        <translation>(diversi)</translation>
    </message>
    <message numerus="yes">
        <source>Edit %n channels</source>
        <extracomment>The title of the dialog and the name of the edit step.</extracomment>
        <translation>
            <numerusform>Modifica %n canale</numerusform>
            <numerusform>Modifica %n canali</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NamesList</name>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line number of the list, %2 what is wrong there</extracomment>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>the list is larger than %1 MiB; a list of names for one satellite is far smaller</source>
        <translation>l&apos;elenco supera %1 MiB; un elenco di nomi per un satellite è molto più piccolo</translation>
    </message>
    <message>
        <source>the list has more than %1 lines; an image holds at most %2 channels</source>
        <translation>l&apos;elenco ha più di %1 righe; un&apos;immagine contiene al massimo %2 canali</translation>
    </message>
    <message>
        <source>the control character %1 is no part of a list of names; is this a binary file?</source>
        <extracomment>%1 is the character&apos;s code, such as 0x07</extracomment>
        <translation>il carattere di controllo %1 non fa parte di un elenco di nomi; è un file binario?</translation>
    </message>
    <message>
        <source>the line is longer than %1 characters; a channel name has at most %2</source>
        <translation>la riga supera %1 caratteri; un nome di canale ne ha al massimo %2</translation>
    </message>
</context>
<context>
    <name>NamesOrder</name>
    <message>
        <source>exact</source>
        <extracomment>How a line of a list of names found its channel: by the same name</extracomment>
        <translation>esatta</translation>
    </message>
    <message>
        <source>case-folded</source>
        <extracomment>How a line of a list of names found its channel: ignoring case, spaces and punctuation</extracomment>
        <translation>normalizzata</translation>
    </message>
    <message>
        <source>loose</source>
        <extracomment>How a line of a list of names found its channel: also ignoring accents and an HD, SD, TV or +1 marker</extracomment>
        <translation>approssimata</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>A line of a list of names that found no channel</extracomment>
        <translation>nessuna</translation>
    </message>
</context>
<context>
    <name>NamesOrderDialog</name>
    <message>
        <source>Order by a list of names</source>
        <translation>Ordina secondo un elenco di nomi</translation>
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
        <translation>Satellite:</translation>
    </message>
    <message>
        <source>Line</source>
        <extracomment>Column caption: the line number in the list of names.</extracomment>
        <translation>Riga</translation>
    </message>
    <message>
        <source>In the list</source>
        <extracomment>Column caption: the name as the list spells it.</extracomment>
        <translation>Nell&apos;elenco</translation>
    </message>
    <message>
        <source>Channel</source>
        <extracomment>Column caption: the channel of the image the line matches.</extracomment>
        <translation>Canale</translation>
    </message>
    <message>
        <source>Match</source>
        <extracomment>Column caption: how the name matched (exact, case-folded, loose).</extracomment>
        <translation>Corrispondenza</translation>
    </message>
    <message>
        <source>Give matched channels the list&apos;s spelling</source>
        <translation>Dai ai canali abbinati la grafia dell&apos;elenco</translation>
    </message>
    <message>
        <source>Delete channels missing from the list</source>
        <translation>Elimina i canali assenti dall&apos;elenco</translation>
    </message>
    <message>
        <source>%1 (No %2)</source>
        <extracomment>%1 is the channel&apos;s name, %2 its number in the list.</extracomment>
        <translation>%1 (N. %2)</translation>
    </message>
    <message>
        <source>Matched lines</source>
        <translation>Righe abbinate</translation>
    </message>
    <message>
        <source>%1, one of %2</source>
        <extracomment>%1 is how the name matched, %2 the number of channels it could be.</extracomment>
        <translation>%1, uno di %2</translation>
    </message>
    <message>
        <source>Lines that match no channel</source>
        <translation>Righe che non corrispondono a nessun canale</translation>
    </message>
    <message>
        <source>no such name</source>
        <translation>nome inesistente</translation>
    </message>
    <message>
        <source>not Latin-1</source>
        <translation>non Latin-1</translation>
    </message>
    <message>
        <source>Channels not in the list</source>
        <translation>Canali non nell&apos;elenco</translation>
    </message>
    <message>
        <source>to be deleted</source>
        <translation>da eliminare</translation>
    </message>
    <message>
        <source>kept after the listed ones</source>
        <translation>mantenuti dopo quelli elencati</translation>
    </message>
    <message>
        <source>Renamed</source>
        <extracomment>A group of channels that get another name.</extracomment>
        <translation>Rinominati</translation>
    </message>
    <message>
        <source>takes this spelling</source>
        <translation>prende questa grafia</translation>
    </message>
    <message>
        <source>Names that do not fit 11 Latin-1 characters</source>
        <translation>Nomi che non stanno in 11 caratteri Latin-1</translation>
    </message>
    <message>
        <source>keeps its name</source>
        <translation>mantiene il nome</translation>
    </message>
    <message>
        <source>%1 (%2), %3: %4 exact, %5 case-folded, %6 loose, %7 matching no channel.</source>
        <extracomment>%1 is the list&apos;s file name, %2 its character encoding, %3 a number of lines (&quot;12 lines&quot;), %4 to %7 numbers of lines.</extracomment>
        <translation>%1 (%2), %3: %4 esatte, %5 normalizzate, %6 approssimate, %7 senza canale corrispondente.</translation>
    </message>
    <message>
        <source>%1 could take several channels: pick one in the Channel column.</source>
        <extracomment>%1 is a number of lines (&quot;2 lines&quot;).</extracomment>
        <translation>Più canali possibili per %1: sceglierne uno nella colonna Canale.</translation>
    </message>
    <message>
        <source>The list changes nothing.</source>
        <translation>L&apos;elenco non cambia nulla.</translation>
    </message>
    <message>
        <source>Moved: %1.</source>
        <extracomment>%1 is a number of channels (&quot;3 channels&quot;).</extracomment>
        <translation>Spostati: %1.</translation>
    </message>
    <message>
        <source>Renamed: %1.</source>
        <extracomment>%1 is a number of channels (&quot;3 channels&quot;).</extracomment>
        <translation>Rinominati: %1.</translation>
    </message>
    <message>
        <source>Deleted: %1.</source>
        <extracomment>%1 is a number of channels (&quot;3 channels&quot;).</extracomment>
        <translation>Eliminati: %1.</translation>
    </message>
</context>
<context>
    <name>NumberBoxes</name>
    <message>
        <source>%1 takes a number from %2 to %3.</source>
        <extracomment>%1: the box&apos;s name (e.g. Video PID), %2 and %3: the lowest and highest number it takes.</extracomment>
        <translation>%1 accetta un numero da %2 a %3.</translation>
    </message>
    <message>
        <source>%1 cannot hold the characters %2: the receiver stores names in Latin-1, which has no such characters.</source>
        <extracomment>%1: the box&apos;s name, %2: the characters, separated by spaces.</extracomment>
        <translation>%1 non può contenere i caratteri %2: il ricevitore memorizza i nomi in Latin-1, che non ha questi caratteri.</translation>
    </message>
    <message>
        <source>%1 takes at most %2 characters.</source>
        <extracomment>%1: the box&apos;s name, %2: the most characters it holds.</extracomment>
        <translation>%1 accetta al massimo %2 caratteri.</translation>
    </message>
</context>
<context>
    <name>OrderPlanTree</name>
    <message numerus="yes">
        <source>%n channel</source>
        <translation>
            <numerusform>%n canale</numerusform>
            <numerusform>%n canali</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n canale</numerusform>
            <numerusform>%n canali</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line</source>
        <extracomment>Lines of a text file.</extracomment>
        <translation>
            <numerusform>%n riga</numerusform>
            <numerusform>%n righe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines</source>
        <translation>
            <numerusform>%n riga</numerusform>
            <numerusform>%n righe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n satellite</source>
        <translation>
            <numerusform>%n satellite</numerusform>
            <numerusform>%n satelliti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n satellites</source>
        <translation>
            <numerusform>%n satellite</numerusform>
            <numerusform>%n satelliti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n service</source>
        <extracomment>Services: channels as the broadcaster sends them; a service stored twice is a duplicate.</extracomment>
        <translation>
            <numerusform>%n servizio</numerusform>
            <numerusform>%n servizi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n services</source>
        <translation>
            <numerusform>%n servizio</numerusform>
            <numerusform>%n servizi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponder</source>
        <translation>
            <numerusform>%n transponder</numerusform>
            <numerusform>%n transponder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponders</source>
        <translation>
            <numerusform>%n transponder</numerusform>
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
        <translation>Radio</translation>
    </message>
    <message>
        <source>Lock</source>
        <extracomment>The channel flag that locks a channel behind the receiver&apos;s PIN.</extracomment>
        <translation>Blocco</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <extracomment>The channel flag of an encrypted channel.</extracomment>
        <translation>Codificato</translation>
    </message>
    <message>
        <source>Fav 1</source>
        <extracomment>Favourite list 1 (a channel flag).</extracomment>
        <translation>Pref 1</translation>
    </message>
    <message>
        <source>Fav 2</source>
        <extracomment>Favourite list 2 (a channel flag).</extracomment>
        <translation>Pref 2</translation>
    </message>
    <message>
        <source>Fav 3</source>
        <extracomment>Favourite list 3 (a channel flag).</extracomment>
        <translation>Pref 3</translation>
    </message>
    <message>
        <source>Fav 4</source>
        <extracomment>Favourite list 4 (a channel flag).</extracomment>
        <translation>Pref 4</translation>
    </message>
    <message>
        <source>%1 on</source>
        <extracomment>%1 is a channel flag (Lock, Fav 1...) that gets set.</extracomment>
        <translation>%1 attivato</translation>
    </message>
    <message>
        <source>%1 off</source>
        <translation>%1 disattivato</translation>
    </message>
    <message>
        <source>%1 (was %2)</source>
        <extracomment>%1 is a channel at its new place, %2 its number before.</extracomment>
        <translation>%1 (era %2)</translation>
    </message>
    <message>
        <source>Moved</source>
        <extracomment>A group of channels that move to another place.</extracomment>
        <translation>Spostati</translation>
    </message>
    <message>
        <source>Renamed</source>
        <extracomment>A group of channels that get another name.</extracomment>
        <translation>Rinominati</translation>
    </message>
    <message>
        <source>Flags changed</source>
        <translation>Flag modificati</translation>
    </message>
</context>
<context>
    <name>PortProblem</name>
    <message>
        <source>There is no device %1: check that the adapter is plugged in and the name is right.</source>
        <extracomment>%1 is the device, e.g. /dev/ttyUSB0</extracomment>
        <translation>Il dispositivo %1 non esiste: verificare che l&apos;adattatore sia collegato e che il nome sia corretto.</translation>
    </message>
    <message>
        <source>You have no permission to use %1: serial ports usually belong to the group &quot;dialout&quot;; join it with &quot;sudo usermod -aG dialout $USER&quot;, then log out and log in again.</source>
        <extracomment>%1 is the device; keep the command as it is</extracomment>
        <translation>Nessun permesso per usare %1: di solito le porte seriali appartengono al gruppo &quot;dialout&quot;; aggiungersi con &quot;sudo usermod -aG dialout $USER&quot;, poi uscire e rientrare nella sessione.</translation>
    </message>
    <message>
        <source>You have no permission to use %1, which belongs to the group &quot;%2&quot;: join the group with &quot;sudo usermod -aG %2 $USER&quot;, then log out and log in again.</source>
        <extracomment>%1 is the device, %2 its group; keep the command as it is</extracomment>
        <translation>Nessun permesso per usare %1, che appartiene al gruppo &quot;%2&quot;: aggiungersi al gruppo con &quot;sudo usermod -aG %2 $USER&quot;, poi uscire e rientrare nella sessione.</translation>
    </message>
    <message>
        <source>Another program is using %1: close that program and try again.</source>
        <extracomment>%1 is the device</extracomment>
        <translation>Un altro programma sta usando %1: chiudere quel programma e riprovare.</translation>
    </message>
</context>
<context>
    <name>ReorderDialog</name>
    <message>
        <source>Order like another image</source>
        <translation>Ordina come un&apos;altra immagine</translation>
    </message>
    <message>
        <source>Also take the names</source>
        <translation>Prendi anche i nomi</translation>
    </message>
    <message>
        <source>Also take the lock and favourite flags</source>
        <translation>Prendi anche i flag di blocco e preferiti</translation>
    </message>
    <message>
        <source>The image is damaged: %1. Nothing can be ordered; the consistency check lists its problems.</source>
        <extracomment>%1 says what is wrong with the image.</extracomment>
        <translation>L&apos;immagine è danneggiata: %1. Non si può ordinare nulla; il controllo di coerenza ne elenca i problemi.</translation>
    </message>
    <message>
        <source>Not in the other image</source>
        <translation>Non nell&apos;altra immagine</translation>
    </message>
    <message>
        <source>Moved: %1. Renamed: %2. Flags changed: %3.</source>
        <extracomment>Each of %1, %2 and %3 is a number of channels (&quot;3 channels&quot;).</extracomment>
        <translation>Spostati: %1. Rinominati: %2. Flag modificati: %3.</translation>
    </message>
    <message>
        <source>The channels are in that order already.</source>
        <translation>I canali sono già in quell&apos;ordine.</translation>
    </message>
    <message>
        <source>Not in the other image: %1, kept after the others.</source>
        <extracomment>%1 is a number of channels (&quot;3 channels&quot;).</extracomment>
        <translation>Non nell&apos;altra immagine: %1, mantenuti dopo gli altri.</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Satellite Name:</source>
        <translation>Nome satellite:</translation>
    </message>
    <message>
        <source>Log:</source>
        <extracomment>The satellite&apos;s orbital position (longitude).</extracomment>
        <translation>Long.:</translation>
    </message>
    <message>
        <source>LNB Type:</source>
        <translation>Tipo LNB:</translation>
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
        <translation>Nome satellite</translation>
    </message>
    <message>
        <source>The tenths of the position</source>
        <extracomment>Names the box in a message: &quot;The tenths of the position takes a number from 0 to 9.&quot;</extracomment>
        <translation>Il decimale della posizione</translation>
    </message>
    <message>
        <source>The position takes 0.0 to 180.0 degrees.</source>
        <translation>La posizione accetta da 0.0 a 180.0 gradi.</translation>
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
        <translation>Satellite</translation>
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
        <translation>Canale</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>Column: the running number of the row (not the answer &quot;no&quot;).</extracomment>
        <translation>N.</translation>
    </message>
    <message>
        <source>Sat Name</source>
        <extracomment>Column: the satellite&apos;s name.</extracomment>
        <translation>Nome sat</translation>
    </message>
    <message>
        <source>Pos</source>
        <extracomment>Column: the satellite&apos;s orbital position, e.g. 19.2E.</extracomment>
        <translation>Pos</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <extracomment>Column: the satellite&apos;s LNB type.</extracomment>
        <translation>Tipo LNB</translation>
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
        <translation>Symbol rate</translation>
    </message>
    <message>
        <source>TP ID</source>
        <extracomment>Column: the transponder&apos;s record number.</extracomment>
        <translation>ID TP</translation>
    </message>
    <message>
        <source>LNB Freq Low</source>
        <extracomment>Column: the LNB&apos;s low band local oscillator frequency.</extracomment>
        <translation>Freq LNB bassa</translation>
    </message>
    <message>
        <source>LNB Freq High</source>
        <extracomment>Column: the LNB&apos;s high band local oscillator frequency.</extracomment>
        <translation>Freq LNB alta</translation>
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
        <translation>Alim. LNB</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <extracomment>Column: the channel&apos;s name.</extracomment>
        <translation>Nome canale</translation>
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
        <translation>blocco</translation>
    </message>
    <message>
        <source>scr</source>
        <extracomment>Column: the channel is scrambled, Y or N.</extracomment>
        <translation>cod</translation>
    </message>
    <message>
        <source>fav 1</source>
        <extracomment>Column: the channel is in favourites list 1, Y or N.</extracomment>
        <translation>pref 1</translation>
    </message>
    <message>
        <source>fav 2</source>
        <extracomment>Column: the channel is in favourites list 2, Y or N.</extracomment>
        <translation>pref 2</translation>
    </message>
    <message>
        <source>fav 3</source>
        <extracomment>Column: the channel is in favourites list 3, Y or N.</extracomment>
        <translation>pref 3</translation>
    </message>
    <message>
        <source>fav 4</source>
        <extracomment>Column: the channel is in favourites list 4, Y or N.</extracomment>
        <translation>pref 4</translation>
    </message>
    <message>
        <source>CH No</source>
        <extracomment>Column: the channel&apos;s number on the receiver.</extracomment>
        <translation>N. can.</translation>
    </message>
    <message>
        <source>Add Satellite...</source>
        <translation>Aggiungi satellite...</translation>
    </message>
    <message>
        <source>Edit Satellite...</source>
        <translation>Modifica satellite...</translation>
    </message>
    <message>
        <source>Del Satellite</source>
        <extracomment>Menu item: delete the satellite.</extracomment>
        <translation>Elimina satellite</translation>
    </message>
    <message>
        <source>Add new Transponder...</source>
        <translation>Aggiungi nuovo transponder...</translation>
    </message>
    <message>
        <source>Add Transponder...</source>
        <translation>Aggiungi transponder...</translation>
    </message>
    <message>
        <source>Edit Transponder...</source>
        <translation>Modifica transponder...</translation>
    </message>
    <message>
        <source>Del Transponder</source>
        <extracomment>Menu item: delete the transponder.</extracomment>
        <translation>Elimina transponder</translation>
    </message>
    <message>
        <source>Add a Program...</source>
        <extracomment>Menu item: add a channel (a program) on the transponder.</extracomment>
        <translation>Aggiungi un canale...</translation>
    </message>
    <message>
        <source>Edit LNB...</source>
        <translation>Modifica LNB...</translation>
    </message>
    <message>
        <source>Add Channel...</source>
        <translation>Aggiungi canale...</translation>
    </message>
    <message>
        <source>Edit Channel...</source>
        <translation>Modifica canale...</translation>
    </message>
    <message>
        <source>Del Channel</source>
        <extracomment>Menu item: delete the channel.</extracomment>
        <translation>Elimina canale</translation>
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
        <translation>	 Eliminare il canale [ %1]?		</translation>
    </message>
</context>
<context>
    <name>SatellitePageCommands</name>
    <message>
        <source>Add transponder %1 on %2</source>
        <extracomment>The name of an edit step (Undo/Redo). %1: the transponder (frequency, symbol rate, polarisation), %2: the satellite.</extracomment>
        <translation>Aggiungi transponder %1 su %2</translation>
    </message>
    <message>
        <source>Edit transponder %1</source>
        <extracomment>The name of an edit step. %1: the transponder.</extracomment>
        <translation>Modifica transponder %1</translation>
    </message>
    <message>
        <source>Transponder is Full!</source>
        <translation>Tabella transponder piena!</translation>
    </message>
    <message>
        <source>Add Satellite</source>
        <extracomment>Dialog title.</extracomment>
        <translation>Aggiungi satellite</translation>
    </message>
    <message>
        <source>Satellite is full!</source>
        <translation>Tabella satelliti piena!</translation>
    </message>
    <message>
        <source>Add satellite %1</source>
        <extracomment>The name of an edit step (Undo/Redo). %1: the satellite&apos;s name and position.</extracomment>
        <translation>Aggiungi satellite %1</translation>
    </message>
    <message>
        <source>Edit Satellite</source>
        <extracomment>Dialog title.</extracomment>
        <translation>Modifica satellite</translation>
    </message>
    <message>
        <source>Edit satellite %1</source>
        <extracomment>The name of an edit step (Undo/Redo). %1: the satellite&apos;s name and position.</extracomment>
        <translation>Modifica satellite %1</translation>
    </message>
    <message>
        <source>Del Satellite</source>
        <extracomment>Title of the question before a satellite is deleted; &quot;Del&quot; is short for Delete.</extracomment>
        <translation>Elimina satellite</translation>
    </message>
    <message>
        <source>	 Do you want to del [%1]?		</source>
        <extracomment>%1: the satellite&apos;s name. The tabs are kept for the box&apos;s spacing.</extracomment>
        <translation>	 Eliminare [%1]?		</translation>
    </message>
    <message>
        <source>Delete satellite %1</source>
        <extracomment>The name of an edit step (Undo/Redo). %1: the satellite&apos;s name and position.</extracomment>
        <translation>Elimina satellite %1</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <extracomment>Dialog title.</extracomment>
        <translation>Aggiungi transponder</translation>
    </message>
    <message>
        <source>Edit Transponder</source>
        <extracomment>Dialog title.</extracomment>
        <translation>Modifica transponder</translation>
    </message>
    <message>
        <source>	 Do you want to del xpdr [%1/%2/%3]?		</source>
        <extracomment>%1: frequency in MHz, %2: symbol rate, %3: polarisation (V or H); &quot;xpdr&quot; is short for transponder. The tabs are kept for the box&apos;s spacing.</extracomment>
        <translation>	 Eliminare il transponder [%1/%2/%3]?		</translation>
    </message>
    <message>
        <source>It has no channels.</source>
        <extracomment>Said of a transponder about to be deleted.</extracomment>
        <translation>Non ha canali.</translation>
    </message>
    <message>
        <source>Its 1 channel is deleted with it.</source>
        <extracomment>Said of a transponder about to be deleted.</extracomment>
        <translation>Anche il suo unico canale viene eliminato.</translation>
    </message>
    <message>
        <source>Its %1 channels are deleted with it.</source>
        <extracomment>Said of a transponder about to be deleted. %1: the number of its channels, 2 or more.</extracomment>
        <translation>Anche i suoi %1 canali vengono eliminati.</translation>
    </message>
    <message>
        <source>Del Transponder</source>
        <extracomment>Title of the question before a transponder is deleted; &quot;Del&quot; is short for Delete.</extracomment>
        <translation>Elimina transponder</translation>
    </message>
    <message>
        <source>Delete transponder %1</source>
        <extracomment>The name of an edit step (Undo/Redo). %1: the transponder (frequency, symbol rate, polarisation).</extracomment>
        <translation>Elimina transponder %1</translation>
    </message>
    <message>
        <source>Edit LNB %1</source>
        <extracomment>The name of an edit step (Undo/Redo). %1: the LNB type&apos;s name, e.g. Type1.</extracomment>
        <translation>Modifica LNB %1</translation>
    </message>
</context>
<context>
    <name>SatellitePageText</name>
    <message>
        <source>Y</source>
        <extracomment>A channel&apos;s flag (lock, scrambled, favourites) is set: short for Yes.</extracomment>
        <translation>S</translation>
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
        <translation>%1 &quot;%2&quot; non è un numero intero</translation>
    </message>
    <message>
        <source>the file declares entities, which are not accepted</source>
        <translation>il file dichiara entità, che non sono accettate</translation>
    </message>
    <message>
        <source>the file holds no &lt;satellites&gt; element</source>
        <translation>il file non contiene un elemento &lt;satellites&gt;</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is the line number, %2 what is wrong there</extracomment>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>the file ends before its elements are closed (is it cut off?)</source>
        <translation>il file termina prima che i suoi elementi siano chiusi (è troncato?)</translation>
    </message>
    <message>
        <source>not well-formed XML: %1</source>
        <extracomment>%1 is the XML reader&apos;s own message</extracomment>
        <translation>XML non ben formato: %1</translation>
    </message>
    <message>
        <source>the root element is &lt;%1&gt;, not &lt;satellites&gt;</source>
        <extracomment>%1 is the name of the file&apos;s first element</extracomment>
        <translation>l&apos;elemento radice è &lt;%1&gt;, non &lt;satellites&gt;</translation>
    </message>
    <message>
        <source>the satellite has no position</source>
        <translation>il satellite non ha una posizione</translation>
    </message>
    <message>
        <source>position %1 lies outside -1800 to 1800 (180.0W to 180.0E)</source>
        <extracomment>%1 is the position in tenths of a degree, east positive</extracomment>
        <translation>la posizione %1 è fuori dall&apos;intervallo da -1800 a 1800 (da 180.0W a 180.0E)</translation>
    </message>
    <message>
        <source>more than %1 satellites</source>
        <extracomment>%1 is the most satellites a file may hold</extracomment>
        <translation>più di %1 satelliti</translation>
    </message>
    <message>
        <source>the transponder lacks its frequency, symbol_rate or polarization</source>
        <extracomment>frequency, symbol_rate and polarization are the names of XML attributes; keep them</extracomment>
        <translation>al transponder manca frequency, symbol_rate o polarization</translation>
    </message>
    <message>
        <source>polarization &quot;%1&quot; is not 0, 1, 2 or 3</source>
        <extracomment>%1 is the value of the XML attribute polarization</extracomment>
        <translation>polarization &quot;%1&quot; non è 0, 1, 2 o 3</translation>
    </message>
    <message>
        <source>frequency %1 is not above 0</source>
        <extracomment>%1 is the value of the XML attribute frequency</extracomment>
        <translation>frequency %1 non è maggiore di 0</translation>
    </message>
    <message>
        <source>symbol_rate %1 is not above 0</source>
        <extracomment>%1 is the value of the XML attribute symbol_rate</extracomment>
        <translation>symbol_rate %1 non è maggiore di 0</translation>
    </message>
    <message>
        <source>more than %1 transponders</source>
        <extracomment>%1 is the most transponders a file may hold</extracomment>
        <translation>più di %1 transponder</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB, far more than any transponder list</source>
        <extracomment>%1 is the largest size accepted, in megabytes</extracomment>
        <translation>il file supera %1 MB, molto più di qualsiasi elenco di transponder</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>il file è vuoto</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file regolare</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>non può essere letto: %1</translation>
    </message>
</context>
<context>
    <name>SatellitesXmlDialog</name>
    <message>
        <source>%1 (C-band)</source>
        <extracomment>%1 is an LNB type&apos;s name (as the receiver stores it) of a C-band LNB.</extracomment>
        <translation>%1 (banda C)</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1 (riga %2)</translation>
    </message>
    <message>
        <source>%1 (line %2), does not fit</source>
        <translation>%1 (riga %2), non c&apos;è posto</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>%1 is a line number of the file, %2 why the transponder there is skipped.</extracomment>
        <translation>Riga %1: %2</translation>
    </message>
    <message>
        <source>Import satellites.xml</source>
        <extracomment>satellites.xml is a file name and stays as it is.</extracomment>
        <translation>Importa satellites.xml</translation>
    </message>
    <message>
        <source>Satellite</source>
        <extracomment>Column caption: a satellite of the image.</extracomment>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>LNB type</source>
        <extracomment>Column caption: the LNB type the satellite uses.</extracomment>
        <translation>Tipo LNB</translation>
    </message>
    <message>
        <source>Takes from the file</source>
        <extracomment>Column caption: the satellite of the file whose transponders it takes.</extracomment>
        <translation>Prende dal file</translation>
    </message>
    <message>
        <source>Added as</source>
        <extracomment>Column caption: the name and position the new satellite gets.</extracomment>
        <translation>Aggiunto come</translation>
    </message>
    <message>
        <source>Transponders</source>
        <extracomment>Column caption: the number of transponders.</extracomment>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Satellite in the file</source>
        <extracomment>Column caption: the satellite as the file names it.</extracomment>
        <translation>Satellite nel file</translation>
    </message>
    <message>
        <source>Changes</source>
        <extracomment>A tab (a noun): the changes the import makes.</extracomment>
        <translation>Modifiche</translation>
    </message>
    <message>
        <source>Satellites of the image</source>
        <translation>Satelliti dell&apos;immagine</translation>
    </message>
    <message>
        <source>Add satellites</source>
        <translation>Aggiungi satelliti</translation>
    </message>
    <message>
        <source>Take DVB-S2 transponders too (the receiver tunes DVB-S)</source>
        <translation>Includi anche i transponder DVB-S2 (il ricevitore sintonizza solo DVB-S)</translation>
    </message>
    <message>
        <source>Delete transponders not in the file that carry no channels</source>
        <translation>Elimina i transponder assenti dal file che non hanno canali</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <extracomment>%1 is a satellite as the file names it, %2 its line in the file.</extracomment>
        <translation>%1, riga %2</translation>
    </message>
    <message>
        <source>Not in the file</source>
        <translation>Non nel file</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>%1 → %2 kS/s (line %3)</source>
        <extracomment>%1 is a transponder (&quot;11747/27500/V&quot;), %2 its new symbol rate, %3 its line in the file.</extracomment>
        <translation>%1 → %2 kS/s (riga %3)</translation>
    </message>
    <message>
        <source>%1, %2, to be deleted</source>
        <translation>%1, %2, da eliminare</translation>
    </message>
    <message>
        <source>To add</source>
        <extracomment>A group of transponders to add.</extracomment>
        <translation>Da aggiungere</translation>
    </message>
    <message>
        <source>Updated</source>
        <extracomment>A group of transponders that get a new symbol rate.</extracomment>
        <translation>Aggiornati</translation>
    </message>
    <message>
        <source>Skipped</source>
        <extracomment>A group of transponders of the file that are not taken.</extracomment>
        <translation>Saltati</translation>
    </message>
    <message>
        <source>New satellite %1, %2</source>
        <translation>Nuovo satellite %1, %2</translation>
    </message>
    <message>
        <source>New satellite %1, %2, does not fit</source>
        <translation>Nuovo satellite %1, %2, non c&apos;è posto</translation>
    </message>
    <message>
        <source>%1 of the image found in the file: %2 to add, %3 updated, %4 not in the file (%5 to be deleted).</source>
        <translation>%1 dell&apos;immagine trovati nel file: %2 da aggiungere, %3 aggiornati, %4 non nel file (%5 da eliminare).</translation>
    </message>
    <message>
        <source>%1 of the image found in the file: %2 to add, %3 updated, %4 not in the file.</source>
        <extracomment>%1 is a number of satellites (&quot;2 satellites&quot;), %2 a number of transponders, %3 and %4 numbers of transponders.</extracomment>
        <translation>%1 dell&apos;immagine trovati nel file: %2 da aggiungere, %3 aggiornati, %4 non nel file.</translation>
    </message>
    <message>
        <source>New: %1 with %2.</source>
        <extracomment>%1 is a number of satellites (&quot;2 satellites&quot;), %2 a number of transponders.</extracomment>
        <translation>Nuovi: %1 con %2.</translation>
    </message>
    <message>
        <source>Skipped: %1 (%2 DVB-S2).</source>
        <extracomment>%1 is a number of transponders, %2 how many of them are DVB-S2.</extracomment>
        <translation>Saltati: %1 (%2 DVB-S2).</translation>
    </message>
    <message>
        <source>Does not fit the tables (%1 satellites, %2 transponders): %3 and %4; OK adds what fits, in the order shown.</source>
        <extracomment>%1 and %2 are the sizes of the image&apos;s tables, %3 a number of satellites (&quot;2 satellites&quot;), %4 a number of transponders.</extracomment>
        <translation>Non entrano nelle tabelle (%1 satelliti, %2 transponder): %3 e %4; OK aggiunge ciò che ci sta, nell&apos;ordine mostrato.</translation>
    </message>
    <message>
        <source>Does not fit the tables (%1 satellites, %2 transponders): %3 and %4; nothing else changes, so OK changes nothing.</source>
        <translation>Non entrano nelle tabelle (%1 satelliti, %2 transponder): %3 e %4; nient&apos;altro cambia, quindi OK non cambia nulla.</translation>
    </message>
    <message>
        <source>The file changes nothing.</source>
        <translation>Il file non cambia nulla.</translation>
    </message>
</context>
<context>
    <name>SendCheck</name>
    <message>
        <source>outside the tables</source>
        <translation>fuori dalle tabelle</translation>
    </message>
    <message>
        <source>past the image</source>
        <translation>oltre la fine dell&apos;immagine</translation>
    </message>
    <message>
        <source>sector header %1</source>
        <extracomment>%1 is the sector&apos;s number</extracomment>
        <translation>intestazione del settore %1</translation>
    </message>
    <message>
        <source>satellite slot %1</source>
        <extracomment>%1 is the slot&apos;s number</extracomment>
        <translation>slot satellite %1</translation>
    </message>
    <message>
        <source>transponder mark %1</source>
        <extracomment>%1 is the mark&apos;s number</extracomment>
        <translation>marcatore transponder %1</translation>
    </message>
    <message>
        <source>the settings block</source>
        <translation>il blocco delle impostazioni</translation>
    </message>
    <message>
        <source>transponder slot %1</source>
        <extracomment>%1 is the slot&apos;s number</extracomment>
        <translation>slot transponder %1</translation>
    </message>
    <message>
        <source>channel slot %1</source>
        <extracomment>%1 is the slot&apos;s number</extracomment>
        <translation>slot canale %1</translation>
    </message>
    <message>
        <source>byte %1 (%2, %3): sent %4, the receiver holds %5</source>
        <extracomment>%1 is the offset, %2 the same in hex, %3 where it lies, %4 and %5 the byte values in hex</extracomment>
        <translation>byte %1 (%2, %3): inviato %4, il ricevitore contiene %5</translation>
    </message>
    <message>
        <source>The receiver holds an image that differs from the one sent in 1 byte:</source>
        <translation>L&apos;immagine nel ricevitore differisce da quella inviata in 1 byte:</translation>
    </message>
    <message>
        <source>The receiver holds an image that differs from the one sent in %1 bytes:</source>
        <extracomment>%1 is the number of bytes (more than one)</extracomment>
        <translation>L&apos;immagine nel ricevitore differisce da quella inviata in %1 byte:</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <extracomment>%1 is the number of differing bytes not listed</extracomment>
        <translation>e altri %1</translation>
    </message>
    <message>
        <source>The receiver holds exactly the image that was sent.</source>
        <translation>Il ricevitore contiene esattamente l&apos;immagine inviata.</translation>
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
        <translation>Satelliti %1/%2, Transponder %3/%4, Canali %5/%6</translation>
    </message>
    <message>
        <source>Untitled</source>
        <extracomment>Status line: the image has no file yet.</extracomment>
        <translation>Senza nome</translation>
    </message>
    <message>
        <source>Modified</source>
        <extracomment>Status line: the image has unsaved changes.</extracomment>
        <translation>Modificato</translation>
    </message>
</context>
<context>
    <name>SystemSettingsPage</name>
    <message>
        <source>System Setting</source>
        <extracomment>Group title: the receiver&apos;s system settings.</extracomment>
        <translation>Impostazioni di sistema</translation>
    </message>
    <message>
        <source>Menu Language</source>
        <translation>Lingua menu</translation>
    </message>
    <message>
        <source>Main audio Lang</source>
        <extracomment>The receiver&apos;s main audio language.</extracomment>
        <translation>Lingua audio princ.</translation>
    </message>
    <message>
        <source>2nd Audio Lang</source>
        <extracomment>The receiver&apos;s second audio language.</extracomment>
        <translation>2ª lingua audio</translation>
    </message>
    <message>
        <source>GMT Usage</source>
        <extracomment>Whether the receiver uses GMT (Off/On).</extracomment>
        <translation>Uso GMT</translation>
    </message>
    <message>
        <source>Select Time Zone</source>
        <translation>Fuso orario</translation>
    </message>
    <message>
        <source>Summer Time</source>
        <translation>Ora legale</translation>
    </message>
    <message>
        <source>Time Offset</source>
        <extracomment>The receiver&apos;s time offset.</extracomment>
        <translation>Scostamento ora</translation>
    </message>
    <message>
        <source>Aspect</source>
        <extracomment>The TV picture&apos;s aspect ratio (4:3, 16:9).</extracomment>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Delay Time</source>
        <extracomment>A receiver setting whose values are ALWAYS, 2 Sec .. 7 Sec.</extracomment>
        <translation>Tempo di ritardo</translation>
    </message>
    <message>
        <source>Transparency</source>
        <extracomment>The transparency of the receiver&apos;s on-screen display.</extracomment>
        <translation>Trasparenza</translation>
    </message>
    <message>
        <source>Color</source>
        <extracomment>The TV colour system (Auto, PAL, NTSC).</extracomment>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>The TV sound system (M, B/G, I, D/K).</extracomment>
        <translation>Audio</translation>
    </message>
    <message>
        <source> RF Channel</source>
        <extracomment>The UHF channel of the receiver&apos;s RF modulator output.</extracomment>
        <translation> Canale RF</translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>Group title: figures the receiver keeps.</extracomment>
        <translation>Stato</translation>
    </message>
    <message>
        <source>TV Num</source>
        <extracomment>The number of TV channels.</extracomment>
        <translation>N. TV</translation>
    </message>
    <message>
        <source>Radio Num</source>
        <extracomment>The number of radio channels.</extracomment>
        <translation>N. radio</translation>
    </message>
    <message>
        <source>Total Channl</source>
        <extracomment>The total number of channels (the receiver&apos;s own spelling).</extracomment>
        <translation>Totale canali</translation>
    </message>
    <message>
        <source>Volume L</source>
        <extracomment>The left audio channel&apos;s volume.</extracomment>
        <translation>Volume S</translation>
    </message>
    <message>
        <source>Volume R</source>
        <extracomment>The right audio channel&apos;s volume.</extracomment>
        <translation>Volume D</translation>
    </message>
    <message>
        <source>StandBy</source>
        <extracomment>The receiver&apos;s standby setting (No/Yes).</extracomment>
        <translation>Standby</translation>
    </message>
    <message>
        <source>Parent Lock</source>
        <extracomment>Group title: the parental lock.</extracomment>
        <translation>Blocco parentale</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <extracomment>The parental lock&apos;s PIN.</extracomment>
        <translation>Codice PIN</translation>
    </message>
    <message>
        <source>Lock Receiver</source>
        <extracomment>Parental lock of the whole receiver (Free/Locked).</extracomment>
        <translation>Blocco ricevitore</translation>
    </message>
    <message>
        <source>Lock Menu</source>
        <extracomment>Parental lock of the receiver&apos;s menu (Free/Locked).</extracomment>
        <translation>Blocco menu</translation>
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
        <translation>La porta COM selezionata non è valida o è già aperta!</translation>
    </message>
    <message>
        <source>Error!</source>
        <extracomment>follows a message about a failed transfer</extracomment>
        <translation>Errore!</translation>
    </message>
    <message>
        <source>Please Select Port type and press the Start button!</source>
        <translation>Selezionare il tipo di porta e premere il pulsante Avvia!</translation>
    </message>
    <message>
        <source>Waiting for handshake signal!</source>
        <translation>In attesa del segnale di handshake!</translation>
    </message>
    <message>
        <source>Data is transmitting form STB!</source>
        <extracomment>STB: the set-top box, the receiver</extracomment>
        <translation>Ricezione dati dallo STB in corso!</translation>
    </message>
    <message>
        <source>Data is uploading to STB!</source>
        <translation>Invio dati allo STB in corso!</translation>
    </message>
    <message>
        <source>You have select wrong direction</source>
        <extracomment>the receiver was set to receive when the PC sends, or the other way round</extracomment>
        <translation>È stata selezionata la direzione sbagliata</translation>
    </message>
    <message>
        <source>Data have been uploaded to STB</source>
        <translation>I dati sono stati inviati allo STB</translation>
    </message>
    <message>
        <source>Data have been DownLoaded and saved to %1</source>
        <extracomment>%1 is the path the received image was saved to</extracomment>
        <translation>I dati sono stati scaricati e salvati in %1</translation>
    </message>
    <message>
        <source>Data from PC to IRD</source>
        <extracomment>IRD: the receiver</extracomment>
        <translation>Dati dal PC all&apos;IRD</translation>
    </message>
    <message>
        <source>Data from IRD to PC</source>
        <extracomment>IRD: the receiver</extracomment>
        <translation>Dati dall&apos;IRD al PC</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Freq:</source>
        <extracomment>Short for the transponder&apos;s frequency.</extracomment>
        <translation>Freq:</translation>
    </message>
    <message>
        <source>Symbol Rate:</source>
        <translation>Symbol rate:</translation>
    </message>
    <message>
        <source>Polarity:</source>
        <extracomment>The transponder&apos;s polarisation, H or V.</extracomment>
        <translation>Polarizzazione:</translation>
    </message>
    <message>
        <source>MHz (%1 to %2)</source>
        <extracomment>After the frequency box. %1 and %2: the lowest and highest frequency accepted, in MHz.</extracomment>
        <translation>MHz (da %1 a %2)</translation>
    </message>
    <message>
        <source>Freq (MHz)</source>
        <extracomment>Names the frequency box in a message: &quot;Freq (MHz) takes a number from ...&quot;.</extracomment>
        <translation>Freq (MHz)</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <extracomment>Names the symbol rate box in a message: &quot;Symbol Rate takes a number from ...&quot;.</extracomment>
        <translation>Symbol rate</translation>
    </message>
</context>
<context>
    <name>TransponderUpdate</name>
    <message>
        <source>frequency %1 kHz does not fit the receiver&apos;s 1 to 65535 MHz</source>
        <extracomment>%1 is the list&apos;s frequency in kHz</extracomment>
        <translation>la frequenza %1 kHz non rientra nell&apos;intervallo del ricevitore, da 1 a 65535 MHz</translation>
    </message>
    <message>
        <source>symbol rate %1 does not fit the receiver&apos;s 1 to 65535 kS/s</source>
        <translation>il symbol rate %1 non rientra nell&apos;intervallo del ricevitore, da 1 a 65535 kS/s</translation>
    </message>
    <message>
        <source>DVB-S2, left out; the image&apos;s %1/%2/%3 stays as it is</source>
        <extracomment>%1 frequency in MHz, %2 symbol rate in kS/s, %3 polarization V or H</extracomment>
        <translation>DVB-S2, escluso; il transponder %1/%2/%3 dell&apos;immagine resta invariato</translation>
    </message>
    <message>
        <source>repeats the transponder of line %1</source>
        <translation>ripete il transponder della riga %1</translation>
    </message>
    <message>
        <source>DVB-S2, left out</source>
        <translation>DVB-S2, escluso</translation>
    </message>
</context>
<context>
    <name>vormante::AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Version  Num: %1</source>
        <extracomment>%1 is the program&apos;s version number, e.g. 1.4.0</extracomment>
        <translation>Versione: %1</translation>
    </message>
</context>
<context>
    <name>vormante::DataCommands</name>
    <message>
        <source>%1 has unsaved changes. Save them before sending?

Otherwise the receiver gets the file as it was last saved.</source>
        <extracomment>%1 is the file name, or &quot;The image&quot; when it has none</extracomment>
        <translation>%1 contiene modifiche non salvate. Salvarle prima dell&apos;invio?

Altrimenti il ricevitore riceve il file come è stato salvato l&apos;ultima volta.</translation>
    </message>
    <message>
        <source>Open the received image %1 in the editor?</source>
        <extracomment>%1 is the path of the file the received image was saved to</extracomment>
        <translation>Aprire nell&apos;editor l&apos;immagine ricevuta %1?</translation>
    </message>
    <message>
        <source>Data From PC To IRD</source>
        <translation>Dati dal PC all&apos;IRD</translation>
    </message>
    <message>
        <source>The image</source>
        <translation>L&apos;immagine</translation>
    </message>
    <message>
        <source>the received image</source>
        <translation>l&apos;immagine ricevuta</translation>
    </message>
    <message>
        <source>Data From IRD To PC</source>
        <translation>Dati dall&apos;IRD al PC</translation>
    </message>
</context>
<context>
    <name>vormante::ExchangeCommands</name>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <extracomment>%1 is the path, %2 the system&apos;s reason</extracomment>
        <translation>Impossibile scrivere %1: %2.</translation>
    </message>
</context>
<context>
    <name>vormante::FileCommands</name>
    <message>
        <source>Open</source>
        <extracomment>a dialog title</extracomment>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>The backup file %1 could not be written: %2.

Replace %3 without a backup?</source>
        <extracomment>%1 is the backup file, %2 the system&apos;s reason, %3 the file to be replaced</extracomment>
        <translation>Impossibile scrivere il file di backup %1: %2.

Sostituire %3 senza backup?</translation>
    </message>
    <message>
        <source>The backup file %1 could not be written: %2.

Nothing was saved; the changes are still open in the editor.</source>
        <translation>Impossibile scrivere il file di backup %1: %2.

Non è stato salvato nulla; le modifiche sono ancora aperte nell&apos;editor.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.

The file may be incomplete; its previous content is in the backup file. The changes are still open in the editor.</source>
        <translation>Impossibile scrivere %1: %2.

Il file potrebbe essere incompleto; il contenuto precedente è nel file di backup. Le modifiche sono ancora aperte nell&apos;editor.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.

The file keeps its previous content; the changes are still open in the editor.</source>
        <translation>Impossibile scrivere %1: %2.

Il file conserva il contenuto precedente; le modifiche sono ancora aperte nell&apos;editor.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>Choose another name for the changes.</source>
        <translation>Scegliere un altro nome per le modifiche.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.

The changes are still open in the editor.</source>
        <translation>Impossibile scrivere %1: %2.

Le modifiche sono ancora aperte nell&apos;editor.</translation>
    </message>
    <message>
        <source>Unsaved changes in the image, which has no file yet.</source>
        <translation>Modifiche non salvate nell&apos;immagine, che non ha ancora un file.</translation>
    </message>
    <message>
        <source>Unsaved changes in %1.</source>
        <extracomment>%1 is the file name</extracomment>
        <translation>Modifiche non salvate in %1.</translation>
    </message>
    <message>
        <source>%1 now holds %2.</source>
        <extracomment>%1 is the file name, %2 what it holds now, e.g. &quot;the received image&quot;</extracomment>
        <translation>%1 ora contiene %2.</translation>
    </message>
    <message>
        <source>Save asks for another name for them.</source>
        <translation>Il comando Salva chiederà un altro nome per le modifiche.</translation>
    </message>
    <message>
        <source>Data has been changed,do you want to change!</source>
        <translation>I dati sono stati modificati: salvare le modifiche?</translation>
    </message>
    <message>
        <source>File open error!</source>
        <translation>Errore nell&apos;apertura del file!</translation>
    </message>
    <message>
        <source>BIN data</source>
        <extracomment>the file type in file dialogs</extracomment>
        <translation>Dati BIN</translation>
    </message>
</context>
<context>
    <name>vormante::LanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The choice that follows the desktop&apos;s language</extracomment>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Lingua:</translation>
    </message>
    <message>
        <source>Vormante shows the chosen language the next time it starts.</source>
        <translation>Vormante mostrerà la lingua scelta al prossimo avvio.</translation>
    </message>
</context>
<context>
    <name>vormante::ListCommands</name>
    <message>
        <source>Export txt file</source>
        <translation>Esporta file txt</translation>
    </message>
    <message>
        <source>The channel list was written to %1.</source>
        <translation>L&apos;elenco canali è stato scritto in %1.</translation>
    </message>
    <message>
        <source>Import txt file</source>
        <translation>Importa file txt</translation>
    </message>
    <message>
        <source>%1 is not a channel list and was not imported: %2.</source>
        <extracomment>%1 is the file name, %2 the reason</extracomment>
        <translation>%1 non è un elenco canali e non è stato importato: %2.</translation>
    </message>
    <message>
        <source>Import %1</source>
        <extracomment>an undo step; %1 is the file name</extracomment>
        <translation>Importa %1</translation>
    </message>
    <message>
        <source>The image has changed since the list was read; nothing was imported.</source>
        <translation>L&apos;immagine è cambiata dopo la lettura dell&apos;elenco; non è stato importato nulla.</translation>
    </message>
    <message>
        <source>Order like another image</source>
        <translation>Ordina come un&apos;altra immagine</translation>
    </message>
    <message>
        <source>Order like %1</source>
        <extracomment>an undo step; %1 is the file name of the other image</extracomment>
        <translation>Ordina come %1</translation>
    </message>
    <message>
        <source>The image has changed since the order was planned; nothing was changed.</source>
        <translation>L&apos;immagine è cambiata dopo la pianificazione dell&apos;ordine; non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Compare with</source>
        <translation>Confronta con</translation>
    </message>
    <message>
        <source>Delete 1 duplicate channel</source>
        <extracomment>an undo step</extracomment>
        <translation>Elimina 1 canale duplicato</translation>
    </message>
    <message>
        <source>Delete %1 duplicate channels</source>
        <extracomment>an undo step; %1 is the number of channels (more than one)</extracomment>
        <translation>Elimina %1 canali duplicati</translation>
    </message>
    <message>
        <source>The image has changed since the duplicates were found; nothing was deleted.</source>
        <translation>L&apos;immagine è cambiata dopo la ricerca dei duplicati; non è stato eliminato nulla.</translation>
    </message>
    <message>
        <source>Channel list</source>
        <extracomment>the file type in file dialogs</extracomment>
        <translation>Elenco canali</translation>
    </message>
</context>
<context>
    <name>vormante::MainWindow</name>
    <message>
        <source>File</source>
        <extracomment>a menu</extracomment>
        <translation>File</translation>
    </message>
    <message>
        <source>Open ...</source>
        <translation>Apri ...</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>a command</extracomment>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save as ...</source>
        <translation>Salva con nome ...</translation>
    </message>
    <message>
        <source>Export txt file</source>
        <translation>Esporta file txt</translation>
    </message>
    <message>
        <source>Import txt file</source>
        <translation>Importa file txt</translation>
    </message>
    <message>
        <source>Order like another image...</source>
        <translation>Ordina come un&apos;altra immagine...</translation>
    </message>
    <message>
        <source>Compare with...</source>
        <translation>Confronta con...</translation>
    </message>
    <message>
        <source>Order by a list of names...</source>
        <translation>Ordina secondo un elenco di nomi...</translation>
    </message>
    <message>
        <source>Export names...</source>
        <translation>Esporta nomi...</translation>
    </message>
    <message>
        <source>Archive...</source>
        <translation>Archivio...</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>File recenti</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>a command: quits the program</extracomment>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Data</source>
        <extracomment>the menu of transfers to and from the receiver</extracomment>
        <translation>Dati</translation>
    </message>
    <message>
        <source>Data From PC To IRD</source>
        <extracomment>IRD: the receiver (integrated receiver-decoder)</extracomment>
        <translation>Dati dal PC all&apos;IRD</translation>
    </message>
    <message>
        <source>Data From IRD To PC</source>
        <translation>Dati dall&apos;IRD al PC</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>a menu</extracomment>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Language...</source>
        <translation>Lingua...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Edit</source>
        <extracomment>a menu</extracomment>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Filter list</source>
        <translation>Filtra elenco</translation>
    </message>
    <message>
        <source>Find channel...</source>
        <translation>Trova canale...</translation>
    </message>
    <message>
        <source>Find duplicates</source>
        <translation>Trova duplicati</translation>
    </message>
    <message>
        <source>Keep this order</source>
        <translation>Mantieni questo ordine</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <extracomment>the toolbar&apos;s name, shown by some desktops</extracomment>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>a toolbar tip: opens an image file</extracomment>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>Untitled</source>
        <extracomment>the name of an image that has no file yet</extracomment>
        <translation>Senza nome</translation>
    </message>
</context>
<context>
    <name>vormante::NameListCommands</name>
    <message>
        <source>Order by a list of names</source>
        <translation>Ordina secondo un elenco di nomi</translation>
    </message>
    <message>
        <source>%1 is not a list of names and was not used: %2.</source>
        <extracomment>%1 is the file name, %2 the reason</extracomment>
        <translation>%1 non è un elenco di nomi e non è stato usato: %2.</translation>
    </message>
    <message>
        <source>Order %1 TV by %2</source>
        <extracomment>an undo step; %1 is the satellite, %2 the file name of the list</extracomment>
        <translation>Ordina TV di %1 secondo %2</translation>
    </message>
    <message>
        <source>Order %1 radio by %2</source>
        <extracomment>an undo step; %1 is the satellite, %2 the file name of the list</extracomment>
        <translation>Ordina radio di %1 secondo %2</translation>
    </message>
    <message>
        <source>The image has changed since the list was matched; nothing was changed.</source>
        <translation>L&apos;immagine è cambiata dopo l&apos;abbinamento dell&apos;elenco; non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Show the satellite whose channel names to export first.</source>
        <translation>Mostrare prima il satellite di cui esportare i nomi dei canali.</translation>
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
        <translation>Esporta nomi</translation>
    </message>
    <message>
        <source>List of names</source>
        <extracomment>the file type in file dialogs</extracomment>
        <translation>Elenco di nomi</translation>
    </message>
</context>
<context>
    <name>vormante::PortOptionDialog</name>
    <message>
        <source>Option</source>
        <extracomment>the title of the dialog that chooses the serial port</extracomment>
        <translation>Opzioni</translation>
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
        <source>COM Port:</source>
        <extracomment>COM: a serial port</extracomment>
        <translation>Porta COM:</translation>
    </message>
</context>
<context>
    <name>vormante::RecentFiles</name>
    <message>
        <source>The file %1 no longer exists. It has been taken off the list of recent files.</source>
        <translation>Il file %1 non esiste più. È stato tolto dall&apos;elenco dei file recenti.</translation>
    </message>
    <message>
        <source>Clear list</source>
        <translation>Svuota elenco</translation>
    </message>
</context>
<context>
    <name>vormante::SatellitesXmlCommands</name>
    <message>
        <source>Import satellites.xml...</source>
        <translation>Importa satellites.xml...</translation>
    </message>
    <message>
        <source>Export satellites.xml...</source>
        <translation>Esporta satellites.xml...</translation>
    </message>
    <message>
        <source>Import satellites.xml</source>
        <translation>Importa satellites.xml</translation>
    </message>
    <message>
        <source>%1 was not imported: %2.</source>
        <extracomment>%1 is the file name, %2 the reason</extracomment>
        <translation>%1 non è stato importato: %2.</translation>
    </message>
    <message>
        <source>The image has changed since the file was read; nothing was imported.</source>
        <translation>L&apos;immagine è cambiata dopo la lettura del file; non è stato importato nulla.</translation>
    </message>
    <message>
        <source>Export satellites.xml</source>
        <translation>Esporta satellites.xml</translation>
    </message>
    <message>
        <source>Update transponders from satellites.xml</source>
        <extracomment>an undo step</extracomment>
        <translation>Aggiorna transponder da satellites.xml</translation>
    </message>
</context>
<context>
    <name>vormante::TransferDialog</name>
    <message>
        <source>BIN data</source>
        <extracomment>the file type in file dialogs</extracomment>
        <translation>Dati BIN</translation>
    </message>
    <message>
        <source>Check what the receiver now holds</source>
        <translation>Verifica cosa contiene ora il ricevitore</translation>
    </message>
    <message>
        <source>Port:</source>
        <extracomment>the serial port</extracomment>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>a button: starts listening for the receiver</extracomment>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>a button: stops listening</extracomment>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>a button: closes the window</extracomment>
        <translation>Esci</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <extracomment>%1 is the path</extracomment>
        <translation>%1 esiste già.
Sostituirlo?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>the receiver&apos;s image</source>
        <translation>l&apos;immagine del ricevitore</translation>
    </message>
    <message>
        <source>The channel lists do not differ: the bytes above lie outside what they show.</source>
        <translation>Gli elenchi canali non differiscono: i byte sopra sono al di fuori di ciò che mostrano.</translation>
    </message>
    <message>
        <source>The image has 1 problem that the receiver may not handle. Send it anyway?</source>
        <translation>L&apos;immagine ha 1 problema che il ricevitore potrebbe non gestire. Inviarla comunque?</translation>
    </message>
    <message>
        <source>The image has %1 problems that the receiver may not handle. Send it anyway?</source>
        <extracomment>%1 is the number of problems (more than one)</extracomment>
        <translation>L&apos;immagine ha %1 problemi che il ricevitore potrebbe non gestire. Inviarla comunque?</translation>
    </message>
    <message>
        <source>Send anyway</source>
        <translation>Invia comunque</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Start sending on the receiver now. The image it holds comes back here, is kept in the archive and is compared byte for byte with %1.</source>
        <extracomment>%1 is the file name of the image sent</extracomment>
        <translation>Avviare ora l&apos;invio sul ricevitore. L&apos;immagine che contiene tornerà qui, sarà conservata nell&apos;archivio e confrontata byte per byte con %1.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
</context>
<context>
    <name>vormante::TransferEngine</name>
    <message>
        <source>No handshake from the receiver yet: it must be in its update mode, and the cable must be connected.</source>
        <translation>Ancora nessun handshake dal ricevitore: deve essere in modalità aggiornamento e il cavo deve essere collegato.</translation>
    </message>
    <message>
        <source>The receiver stopped answering: nothing arrived from it for 1 second.
The transfer has been stopped.</source>
        <translation>Il ricevitore ha smesso di rispondere: non è arrivato nulla per 1 secondo.
Il trasferimento è stato interrotto.</translation>
    </message>
    <message>
        <source>The receiver stopped answering: nothing arrived from it for %1 seconds.
The transfer has been stopped.</source>
        <extracomment>%1 is the number of seconds (more than one)</extracomment>
        <translation>Il ricevitore ha smesso di rispondere: non è arrivato nulla per %1 secondi.
Il trasferimento è stato interrotto.</translation>
    </message>
    <message>
        <source>The received image has 1 problem (broken chains, wrong counts or channel numbers). It was saved as the receiver holds it; opening it in the editor lists the problems.</source>
        <translation>L&apos;immagine ricevuta ha 1 problema (catene interrotte, conteggi o numeri di canale errati). È stata salvata così come la contiene il ricevitore; aprendola nell&apos;editor se ne elencano i problemi.</translation>
    </message>
    <message>
        <source>The received image has %1 problems (broken chains, wrong counts or channel numbers). It was saved as the receiver holds it; opening it in the editor lists the problems.</source>
        <extracomment>%1 is the number of problems (more than one)</extracomment>
        <translation>L&apos;immagine ricevuta ha %1 problemi (catene interrotte, conteggi o numeri di canale errati). È stata salvata così come la contiene il ricevitore; aprendola nell&apos;editor se ne elencano i problemi.</translation>
    </message>
    <message>
        <source>The received data have not been saved.
Do you want to discard them?</source>
        <translation>I dati ricevuti non sono stati salvati.
Scartarli?</translation>
    </message>
    <message>
        <source>The received data could not be saved to %1:
%2

Choose another name, or cancel to discard them.</source>
        <extracomment>%1 is the path, %2 the system&apos;s reason</extracomment>
        <translation>Impossibile salvare i dati ricevuti in %1:
%2

Scegliere un altro nome, o annullare per scartarli.</translation>
    </message>
    <message>
        <source>The connection to the receiver was lost.</source>
        <translation>La connessione con il ricevitore si è interrotta.</translation>
    </message>
    <message>
        <source>The connection to the receiver was lost (%1).</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>La connessione con il ricevitore si è interrotta (%1).</translation>
    </message>
    <message>
        <source>The transfer has been stopped.</source>
        <translation>Il trasferimento è stato interrotto.</translation>
    </message>
    <message>
        <source>no file was chosen</source>
        <translation>nessun file scelto</translation>
    </message>
    <message>
        <source>The file %1 is not sent: it is not a regular file (a pipe, a device or a folder), and a receiver image is always a plain file.</source>
        <translation>Il file %1 non viene inviato: non è un file regolare (una pipe, un dispositivo o una cartella), e un&apos;immagine del ricevitore è sempre un file normale.</translation>
    </message>
    <message>
        <source>The file %1 can&apos;t be opened:
%2</source>
        <extracomment>%1 is the path, %2 the system&apos;s reason</extracomment>
        <translation>Impossibile aprire il file %1:
%2</translation>
    </message>
    <message>
        <source>The file %1 is not sent: it holds %2 bytes, and a receiver image is exactly %3 bytes.
Padding it would overwrite the receiver&apos;s database with zeros.</source>
        <extracomment>%1 is the path, %2 the file&apos;s size, %3 an image&apos;s size</extracomment>
        <translation>Il file %1 non viene inviato: contiene %2 byte, e un&apos;immagine del ricevitore è esattamente di %3 byte.
Completarlo con zeri sovrascriverebbe con zeri il database del ricevitore.</translation>
    </message>
    <message>
        <source>The file %1 is not sent: it is longer than a receiver image, which is exactly %2 bytes.</source>
        <extracomment>%1 is the path, %2 an image&apos;s size</extracomment>
        <translation>Il file %1 non viene inviato: è più lungo di un&apos;immagine del ricevitore, che è esattamente di %2 byte.</translation>
    </message>
</context>
</TS>
