<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ArchiveDialog</name>
    <message>
        <source>Time</source>
        <extracomment>Column caption: when the image was archived.</extracomment>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Kind</source>
        <extracomment>Column caption: received, sent or kept before saving.</extracomment>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>File or port</source>
        <extracomment>Column caption: the file saved or the serial port used.</extracomment>
        <translation>Archivo o puerto</translation>
    </message>
    <message>
        <source>Satellites</source>
        <extracomment>Column caption: the number of satellites in the image.</extracomment>
        <translation>Satélites</translation>
    </message>
    <message>
        <source>Transponders</source>
        <extracomment>Column caption: the number of transponders in the image.</extracomment>
        <translation>Transpondedores</translation>
    </message>
    <message>
        <source>Channels</source>
        <extracomment>Column caption: the number of channels in the image.</extracomment>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Received</source>
        <extracomment>An archived image&apos;s kind: received from the receiver.</extracomment>
        <translation>Recibida</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Enviada</translation>
    </message>
    <message>
        <source>Before saving</source>
        <translation>Antes de guardar</translation>
    </message>
    <message>
        <source>%1 (damaged)</source>
        <extracomment>%1 is an archived image&apos;s kind (Received, Sent, Before saving) whose file is damaged.</extracomment>
        <translation>%1 (dañada)</translation>
    </message>
    <message>
        <source>Archive</source>
        <extracomment>The window of the images kept by the program (a noun).</extracomment>
        <translation>Archivo de imágenes</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>A button (a verb): open the archived image.</extracomment>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Compare with the open image</source>
        <translation>Comparar con la imagen abierta</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>A button (a verb): put the archived image into the open document.</extracomment>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>A button (a verb): delete the archived image.</extracomment>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Open the image as a new, unnamed document</source>
        <translation>Abrir la imagen como un documento nuevo sin nombre</translation>
    </message>
    <message>
        <source>Put the image into the open document, as one step Undo takes back</source>
        <translation>Cargar la imagen en el documento abierto, en un solo paso que Deshacer puede revertir</translation>
    </message>
    <message>
        <source>Keep at most</source>
        <extracomment>Before a number box; &quot;images&quot; follows it: &quot;Keep at most [50] images&quot;.</extracomment>
        <translation>Conservar como máximo</translation>
    </message>
    <message>
        <source>images</source>
        <extracomment>After a number box: &quot;Keep at most [50] images&quot;.</extracomment>
        <translation>imágenes</translation>
    </message>
    <message>
        <source>Restore image of %1</source>
        <extracomment>The name of an edit step: %1 is when the image was archived.</extracomment>
        <translation>Restaurar imagen de %1</translation>
    </message>
    <message numerus="yes">
        <source>%n image in %1</source>
        <extracomment>%1 is the archive&apos;s folder.</extracomment>
        <translation>
            <numerusform>%n imagen en %1</numerusform>
            <numerusform>%n imágenes en %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n images in %1</source>
        <translation>
            <numerusform>%n imagen en %1</numerusform>
            <numerusform>%n imágenes en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <extracomment>%1 names the archived image, %2 says why it cannot be read.</extracomment>
        <translation>%1 no se puede leer: %2.</translation>
    </message>
    <message>
        <source>the open image</source>
        <translation>la imagen abierta</translation>
    </message>
    <message>
        <source>The open image is already the same as %1.</source>
        <extracomment>%1 names the archived image.</extracomment>
        <translation>La imagen abierta ya es igual a %1.</translation>
    </message>
    <message>
        <source>Delete %1 from the archive?</source>
        <extracomment>%1 names the archived image.</extracomment>
        <translation>¿Eliminar %1 del archivo de imágenes?</translation>
    </message>
    <message>
        <source>%1 could not be deleted: %2.</source>
        <extracomment>%1 names the archived image, %2 says why it could not be deleted.</extracomment>
        <translation>%1 no se pudo eliminar: %2.</translation>
    </message>
    <message>
        <source>The archive holds %1 images. Keeping at most %2 removes %3 of them now: the oldest copies from before saving first, received images last. Go ahead?</source>
        <extracomment>%1 is the number of images held, %2 the new bound, %3 the number removed.</extracomment>
        <translation>El archivo de imágenes contiene %1 imágenes. Conservar como máximo %2 elimina ahora %3 de ellas: primero las copias más antiguas de antes de guardar y en último lugar las imágenes recibidas. ¿Continuar?</translation>
    </message>
    <message>
        <source>The bound could not be changed: %1.</source>
        <extracomment>%1 says why the number of images kept could not be changed.</extracomment>
        <translation>No se pudo cambiar el límite: %1.</translation>
    </message>
</context>
<context>
    <name>ArchiveKeeper</name>
    <message>
        <source>the received image</source>
        <translation>la imagen recibida</translation>
    </message>
    <message>
        <source>the sent image</source>
        <translation>la imagen enviada</translation>
    </message>
    <message>
        <source>the file content before saving</source>
        <translation>el contenido del archivo antes de guardar</translation>
    </message>
    <message>
        <source>The archive could not keep %1: %2. Transfers and saves go on without it.</source>
        <extracomment>%1 is what was to be kept, e.g. &quot;the received image&quot;; %2 the reason</extracomment>
        <translation>El archivo de imágenes no pudo conservar %1: %2. Las transferencias y el guardado continúan sin él.</translation>
    </message>
    <message>
        <source>The archive kept %1, but %2.</source>
        <extracomment>%1 is what was kept, e.g. &quot;the received image&quot;; %2 what went wrong</extracomment>
        <translation>El archivo de imágenes conservó %1, pero %2.</translation>
    </message>
    <message>
        <source>the image received on %1</source>
        <extracomment>%1 is the date and time</extracomment>
        <translation>la imagen recibida el %1</translation>
    </message>
    <message>
        <source>the image received on %1 from %2</source>
        <extracomment>%1 is the date and time, %2 the serial port</extracomment>
        <translation>la imagen recibida el %1 desde %2</translation>
    </message>
    <message>
        <source>the image sent on %1</source>
        <extracomment>%1 is the date and time</extracomment>
        <translation>la imagen enviada el %1</translation>
    </message>
    <message>
        <source>the image sent on %1 to %2</source>
        <extracomment>%1 is the date and time, %2 the file sent</extracomment>
        <translation>la imagen enviada el %1 a %2</translation>
    </message>
    <message>
        <source>the copy from before saving on %1</source>
        <extracomment>%1 is the date and time</extracomment>
        <translation>la copia de antes de guardar del %1</translation>
    </message>
    <message>
        <source>the copy from before saving on %1 (%2)</source>
        <extracomment>%1 is the date and time, %2 the file&apos;s name</extracomment>
        <translation>la copia de antes de guardar del %1 (%2)</translation>
    </message>
    <message>
        <source>The archive keeps at most %1 images: %2 was removed.</source>
        <extracomment>%1 is the archive&apos;s bound, %2 the image removed, e.g. &quot;the image sent on ...&quot;</extracomment>
        <translation>El archivo de imágenes conserva como máximo %1 imágenes: se eliminó %2.</translation>
    </message>
    <message>
        <source>The archive keeps at most %1 images: %2 images were removed, the newest of them %3.</source>
        <extracomment>%1 is the archive&apos;s bound, %2 how many were removed, %3 the newest of them, e.g. &quot;the image sent on ...&quot;</extracomment>
        <translation>El archivo de imágenes conserva como máximo %1 imágenes: se eliminaron %2 imágenes, la más reciente de ellas %3.</translation>
    </message>
</context>
<context>
    <name>BulkChannelCommands</name>
    <message numerus="yes">
        <source>%n channel</source>
        <extracomment>A number of channels in the name of an edit step, for example &quot;Move 3 channels to top&quot;.</extracomment>
        <translation>
            <numerusform>%n canal</numerusform>
            <numerusform>%n canales</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n canal</numerusform>
            <numerusform>%n canales</numerusform>
        </translation>
    </message>
    <message>
        <source>Del Channel</source>
        <extracomment>The title of the question before channels are deleted.</extracomment>
        <translation>Eliminar canal</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channels?</source>
        <translation>
            <numerusform>¿Eliminar %n canal?</numerusform>
            <numerusform>¿Eliminar %n canales?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channels</source>
        <translation>
            <numerusform>Eliminar %n canal</numerusform>
            <numerusform>Eliminar %n canales</numerusform>
        </translation>
    </message>
    <message>
        <source>The channels have changed; nothing was deleted.</source>
        <translation>Los canales han cambiado; no se eliminó nada.</translation>
    </message>
    <message>
        <source>Move %1 to %2</source>
        <extracomment>The name of an edit step: %1 is a channel&apos;s name or a number of channels, %2 the new channel number.</extracomment>
        <translation>Mover %1 a %2</translation>
    </message>
    <message>
        <source>Move %1 to top</source>
        <extracomment>The name of an edit step: %1 is a channel&apos;s name or a number of channels.</extracomment>
        <translation>Mover %1 al principio</translation>
    </message>
    <message>
        <source>Move %1 to bottom</source>
        <extracomment>The name of an edit step: %1 is a channel&apos;s name or a number of channels.</extracomment>
        <translation>Mover %1 al final</translation>
    </message>
    <message>
        <source>Move %1 to one place up</source>
        <extracomment>The name of an edit step: %1 is a channel&apos;s name or a number of channels.</extracomment>
        <translation>Subir %1 una posición</translation>
    </message>
    <message>
        <source>Move %1 to one place down</source>
        <translation>Bajar %1 una posición</translation>
    </message>
    <message>
        <source>Move %1 to before %2</source>
        <extracomment>The name of an edit step: %1 is a channel&apos;s name or a number of channels, %2 the name of the channel they now stand before.</extracomment>
        <translation>Mover %1 delante de %2</translation>
    </message>
    <message>
        <source>Lock</source>
        <extracomment>The channel flag that locks a channel behind the receiver&apos;s PIN.</extracomment>
        <translation>Bloqueo</translation>
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
        <translation>Activar %1 en %2</translation>
    </message>
    <message>
        <source>Clear %1 on %2</source>
        <extracomment>The name of an edit step: %1 is a flag (Lock, Fav 1...), %2 a channel&apos;s name or a number of channels.</extracomment>
        <translation>Desactivar %1 en %2</translation>
    </message>
    <message>
        <source>Flags</source>
        <extracomment>The submenu that sets and clears the lock and favourite flags.</extracomment>
        <translation>Indicadores</translation>
    </message>
    <message>
        <source>Set %1</source>
        <extracomment>A menu item: %1 is a flag (Lock, Fav 1...).</extracomment>
        <translation>Activar %1</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Desactivar %1</translation>
    </message>
    <message>
        <source>Keep the shown order</source>
        <translation>Conservar el orden mostrado</translation>
    </message>
    <message>
        <source>The channels have changed; the order was not kept.</source>
        <translation>Los canales han cambiado; no se conservó el orden.</translation>
    </message>
    <message>
        <source>Keep this order</source>
        <translation>Conservar este orden</translation>
    </message>
</context>
<context>
    <name>ChannelCommands</name>
    <message>
        <source>Add Channel</source>
        <translation>Añadir canal</translation>
    </message>
    <message>
        <source>Add channel %1</source>
        <extracomment>The name of an edit step: %1 is the channel&apos;s name.</extracomment>
        <translation>Añadir canal %1</translation>
    </message>
    <message>
        <source>Prog is Full!</source>
        <translation>¡No caben más canales!</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Editar canal</translation>
    </message>
    <message>
        <source>Edit channel %1</source>
        <extracomment>The name of an edit step: %1 is the channel&apos;s name.</extracomment>
        <translation>Editar canal %1</translation>
    </message>
    <message>
        <source>The channels have changed; nothing was stored.</source>
        <translation>Los canales han cambiado; no se guardó nada.</translation>
    </message>
    <message>
        <source>Del Channel</source>
        <extracomment>The title of the question before a channel is deleted.</extracomment>
        <translation>Eliminar canal</translation>
    </message>
    <message>
        <source>Delete channel %1</source>
        <extracomment>The name of an edit step: %1 is the channel&apos;s name.</extracomment>
        <translation>Eliminar canal %1</translation>
    </message>
</context>
<context>
    <name>ChannelDatabase</name>
    <message>
        <source>The file holds %1 bytes, but a receiver database image holds exactly %2 bytes. It is not an image and was not opened.</source>
        <extracomment>%1 is the file&apos;s size in bytes, %2 the size of every image</extracomment>
        <translation>El archivo tiene %1 bytes, pero una imagen de la base de datos del receptor tiene exactamente %2 bytes. No es una imagen y no se abrió.</translation>
    </message>
</context>
<context>
    <name>ChannelDialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Channel Name:</source>
        <translation>Nombre del canal:</translation>
    </message>
    <message>
        <source>Video PID:</source>
        <extracomment>PID: the packet identifier of a stream in the transport stream.</extracomment>
        <translation>PID de vídeo:</translation>
    </message>
    <message>
        <source>Audio PID:</source>
        <translation>PID de audio:</translation>
    </message>
    <message>
        <source>PCR PID:</source>
        <extracomment>PCR: the programme clock reference.</extracomment>
        <translation>PID PCR:</translation>
    </message>
    <message>
        <source>TTxt PID:</source>
        <extracomment>TTxt: teletext.</extracomment>
        <translation>PID teletexto:</translation>
    </message>
    <message>
        <source>Satellite:</source>
        <translation>Satélite:</translation>
    </message>
    <message>
        <source>TransponderID:</source>
        <translation>ID de transpondedor:</translation>
    </message>
    <message>
        <source>Lock:</source>
        <extracomment>The channel flag that locks a channel behind the receiver&apos;s PIN.</extracomment>
        <translation>Bloqueo:</translation>
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
        <translation>Codificado</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID de vídeo</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID de audio</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>TTxt PID</source>
        <extracomment>TTxt: teletext.</extracomment>
        <translation>PID teletexto</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Nombre del canal</translation>
    </message>
</context>
<context>
    <name>ChannelList</name>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line number of the list, %2 what is wrong there</extracomment>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>un campo entre comillas no está cerrado</translation>
    </message>
    <message>
        <source>text follows the closing quote of field %1</source>
        <extracomment>%1 is the field&apos;s number in its row</extracomment>
        <translation>hay texto después de la comilla de cierre del campo %1</translation>
    </message>
    <message>
        <source>more than %1 fields hold text; a channel list has %2 columns</source>
        <translation>más de %1 campos tienen texto; una lista de canales tiene %2 columnas</translation>
    </message>
    <message>
        <source>%1 %2 is not a satellite position like 19.2E or 5.0W</source>
        <extracomment>%1 is a column header of the list (not translated), %2 the quoted field</extracomment>
        <translation>%1 %2 no es una posición de satélite como 19.2E o 5.0W</translation>
    </message>
    <message>
        <source>%1 %2 is not TV or Radio</source>
        <translation>%1 %2 no es TV ni Radio</translation>
    </message>
    <message>
        <source>%1 %2 is not a channel number</source>
        <translation>%1 %2 no es un número de canal</translation>
    </message>
    <message>
        <source>%1 %2 is not a frequency in MHz</source>
        <translation>%1 %2 no es una frecuencia en MHz</translation>
    </message>
    <message>
        <source>%1 %2 is not H or V</source>
        <translation>%1 %2 no es H ni V</translation>
    </message>
    <message>
        <source>%1 %2 is not a symbol rate in kS/s</source>
        <translation>%1 %2 no es una tasa de símbolos en kS/s</translation>
    </message>
    <message>
        <source>%1 %2 is not a PID from 0 to 16383</source>
        <translation>%1 %2 no es un PID de 0 a 16383</translation>
    </message>
    <message>
        <source>%1 %2 is not 1 or 0</source>
        <translation>%1 %2 no es 1 ni 0</translation>
    </message>
    <message>
        <source>the list is larger than %1 MB</source>
        <translation>la lista ocupa más de %1 MB</translation>
    </message>
    <message>
        <source>not a channel list: the header row has no comma, semicolon or tab</source>
        <translation>no es una lista de canales: la fila de cabecera no tiene coma, punto y coma ni tabulador</translation>
    </message>
    <message>
        <source>not a channel list: the header row has no &quot;%1&quot; column</source>
        <extracomment>%1 is a column header of the list (not translated)</extracomment>
        <translation>no es una lista de canales: la fila de cabecera no tiene la columna &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the list has more than %1 rows; an image holds at most %2 channels</source>
        <translation>la lista tiene más de %1 filas; una imagen contiene como máximo %2 canales</translation>
    </message>
    <message>
        <source>%1 fields where the header has %2</source>
        <extracomment>%1 is the row&apos;s number of fields, %2 the header&apos;s</extracomment>
        <translation>%1 campos donde la cabecera tiene %2</translation>
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
        <translation>Cod. primero</translation>
    </message>
    <message>
        <source>Scr down</source>
        <extracomment>Sort the scrambled (encrypted) channels last.</extracomment>
        <translation>Cod. al final</translation>
    </message>
    <message>
        <source>Freq up</source>
        <extracomment>Sort by frequency, lowest first.</extracomment>
        <translation>Frec. asc.</translation>
    </message>
    <message>
        <source>Freq down</source>
        <extracomment>Sort by frequency, highest first.</extracomment>
        <translation>Frec. desc.</translation>
    </message>
    <message>
        <source>	 Do you want to del channel [%1]?		</source>
        <extracomment>%1 is the channel&apos;s name; keep the tabs.</extracomment>
        <translation>	 ¿Desea eliminar el canal [%1]?		</translation>
    </message>
    <message>
        <source>Select Satellite:</source>
        <translation>Seleccionar satélite:</translation>
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
        <translation>N.º TV:</translation>
    </message>
    <message>
        <source>Radio No:</source>
        <extracomment>The number of radio channels follows.</extracomment>
        <translation>N.º radio:</translation>
    </message>
    <message>
        <source>Total No:</source>
        <extracomment>The number of all channels follows.</extracomment>
        <translation>N.º total:</translation>
    </message>
    <message>
        <source>Add Channel...</source>
        <translation>Añadir canal...</translation>
    </message>
    <message>
        <source>Edit Channel...</source>
        <translation>Editar canal...</translation>
    </message>
    <message>
        <source>Del Channel</source>
        <extracomment>Delete the channel (a menu item).</extracomment>
        <translation>Eliminar canal</translation>
    </message>
    <message>
        <source>Sort</source>
        <extracomment>A submenu: the ways to sort the channels.</extracomment>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source>Move</source>
        <extracomment>A menu item (a verb): move the channel to a number typed in.</extracomment>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Move to top</source>
        <translation>Mover al principio</translation>
    </message>
    <message>
        <source>Move to bottom</source>
        <translation>Mover al final</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Sort %1 on %2</source>
        <extracomment>The name of an edit step: %1 is the sort (a..Z, Freq up...), %2 the satellite.</extracomment>
        <translation>Ordenar %1 en %2</translation>
    </message>
    <message>
        <source>Error Input!</source>
        <translation>¡Entrada no válida!</translation>
    </message>
    <message>
        <source>Move %1 to %2</source>
        <extracomment>The name of an edit step: %1 is the channel&apos;s name, %2 its new number.</extracomment>
        <translation>Mover %1 a %2</translation>
    </message>
</context>
<context>
    <name>ChannelOrderPlan</name>
    <message>
        <source>channel slot %1 lies on the chains of satellite slots %2 and %3</source>
        <translation>el registro de canal %1 está en las cadenas de los registros de satélite %2 y %3</translation>
    </message>
</context>
<context>
    <name>ChannelRowTexts</name>
    <message>
        <source>No</source>
        <extracomment>Column caption: the channel&apos;s place in the list.</extracomment>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Nombre del canal</translation>
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
        <translation>bloq</translation>
    </message>
    <message>
        <source>scr</source>
        <extracomment>Column caption: the scrambled (encrypted) flag.</extracomment>
        <translation>cod</translation>
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
        <translation>N.º can</translation>
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
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>Title of the message box.</extracomment>
        <translation>Error</translation>
    </message>
    <message>
        <source>The command could not be completed (%1). The image was left as it was before the command.</source>
        <extracomment>%1: why the command failed.</extracomment>
        <translation>La operación no se pudo completar (%1). La imagen quedó como estaba antes de la operación.</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Compare with %1</source>
        <extracomment>%1 names the other image (a file name or an archived copy).</extracomment>
        <translation>Comparar con %1</translation>
    </message>
    <message>
        <source>The images do not differ.</source>
        <translation>Las imágenes no difieren.</translation>
    </message>
    <message>
        <source>No compared field differs, but bytes do: %1.</source>
        <translation>Ningún campo comparado difiere, pero sí hay bytes distintos: %1.</translation>
    </message>
    <message>
        <source>From %1 to %2; &quot;added&quot; is only in %2, &quot;removed&quot; only in %1.</source>
        <translation>De %1 a %2; &quot;añadido&quot; solo está en %2, &quot;eliminado&quot; solo en %1.</translation>
    </message>
    <message>
        <source>Satellite %1 (%2): %3</source>
        <extracomment>%1 is the satellite&apos;s name, %2 its position, %3 what happened to it (added, removed, changed).</extracomment>
        <translation>Satélite %1 (%2): %3</translation>
    </message>
    <message>
        <source>Transponder %1: %2</source>
        <extracomment>%1 is the transponder, %2 what happened to it (added, removed, changed).</extracomment>
        <translation>Transpondedor %1: %2</translation>
    </message>
    <message>
        <source>Settings: changed</source>
        <translation>Ajustes: cambiados</translation>
    </message>
    <message>
        <source>Bytes that differ</source>
        <translation>Bytes distintos</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n byte</source>
        <extracomment>%1 is a table of the image (satellites, channels...).</extracomment>
        <translation>
            <numerusform>%1: %n byte</numerusform>
            <numerusform>%1: %n bytes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n bytes</source>
        <translation>
            <numerusform>%1: %n byte</numerusform>
            <numerusform>%1: %n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>Save report...</source>
        <translation>Guardar informe...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Save the comparison</source>
        <translation>Guardar la comparación</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Archivos de texto (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The report could not be saved: %1</source>
        <translation>No se pudo guardar el informe: %1</translation>
    </message>
</context>
<context>
    <name>ConsistencyCheck</name>
    <message>
        <source>Satellite slot %1: the transponder chain starts at slot %2, outside the table.</source>
        <translation>Registro de satélite %1: la cadena de transpondedores empieza en el registro %2, fuera de la tabla.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain links slot %2 to slot %3, outside the table.</source>
        <translation>Registro de satélite %1: la cadena de transpondedores enlaza el registro %2 con el registro %3, fuera de la tabla.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain comes back to slot %2 after slot %3.</source>
        <translation>Registro de satélite %1: la cadena de transpondedores vuelve al registro %2 después del registro %3.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain reaches slot %2, which is on the chain of satellite slot %3 as well.</source>
        <translation>Registro de satélite %1: la cadena de transpondedores llega al registro %2, que también está en la cadena del registro de satélite %3.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain starts at slot %2, whose previous link is %3 instead of none.</source>
        <translation>Registro de satélite %1: la cadena de transpondedores empieza en el registro %2, cuyo enlace anterior es %3 en lugar de ninguno.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain goes from slot %2 to slot %3, whose previous link is %4.</source>
        <translation>Registro de satélite %1: la cadena de transpondedores va del registro %2 al registro %3, cuyo enlace anterior es %4.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain&apos;s tail is %2, but the chain is empty.</source>
        <translation>Registro de satélite %1: el final de la cadena de transpondedores es %2, pero la cadena está vacía.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain&apos;s tail is %2, but the chain ends at slot %3.</source>
        <translation>Registro de satélite %1: el final de la cadena de transpondedores es %2, pero la cadena termina en el registro %3.</translation>
    </message>
    <message>
        <source>Satellite slot %1 counts %2 transponders, but its chain holds %3.</source>
        <translation>El registro de satélite %1 cuenta %2 transpondedores, pero su cadena contiene %3.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain starts at slot %2, outside the table.</source>
        <translation>Registro de satélite %1: la cadena de canales empieza en el registro %2, fuera de la tabla.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain links slot %2 to slot %3, outside the table.</source>
        <translation>Registro de satélite %1: la cadena de canales enlaza el registro %2 con el registro %3, fuera de la tabla.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain comes back to slot %2 after slot %3.</source>
        <translation>Registro de satélite %1: la cadena de canales vuelve al registro %2 después del registro %3.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain reaches slot %2, which is on the chain of satellite slot %3 as well.</source>
        <translation>Registro de satélite %1: la cadena de canales llega al registro %2, que también está en la cadena del registro de satélite %3.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain starts at slot %2, whose previous link is %3 instead of none.</source>
        <translation>Registro de satélite %1: la cadena de canales empieza en el registro %2, cuyo enlace anterior es %3 en lugar de ninguno.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain goes from slot %2 to slot %3, whose previous link is %4.</source>
        <translation>Registro de satélite %1: la cadena de canales va del registro %2 al registro %3, cuyo enlace anterior es %4.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain&apos;s tail is %2, but the chain is empty.</source>
        <translation>Registro de satélite %1: el final de la cadena de canales es %2, pero la cadena está vacía.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain&apos;s tail is %2, but the chain ends at slot %3.</source>
        <translation>Registro de satélite %1: el final de la cadena de canales es %2, pero la cadena termina en el registro %3.</translation>
    </message>
    <message>
        <source>Satellite slot %1 counts %2 channels, but its chain holds %3.</source>
        <translation>El registro de satélite %1 cuenta %2 canales, pero su cadena contiene %3.</translation>
    </message>
    <message>
        <source>The satellite count is %1, but %2 satellite slots are in use.</source>
        <translation>El número de satélites es %1, pero hay %2 registros de satélite en uso.</translation>
    </message>
    <message>
        <source>Satellite slot %1: transponder slot %2 is on the chain but free.</source>
        <translation>Registro de satélite %1: el registro de transpondedor %2 está en la cadena, pero libre.</translation>
    </message>
    <message>
        <source>Satellite slot %1: transponder slot %2 is on the chain but names satellite slot %3.</source>
        <translation>Registro de satélite %1: el registro de transpondedor %2 está en la cadena, pero indica el registro de satélite %3.</translation>
    </message>
    <message>
        <source>Satellite slot %1 holds channels, but its state is %2 instead of 1, so they are never renumbered.</source>
        <translation>El registro de satélite %1 contiene canales, pero su estado es %2 en lugar de 1, así que nunca se renumeran.</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 has service type %3, but its video PID makes it radio (2).</source>
        <extracomment>%1 satellite slot, %2 channel slot, %3 the stored service type</extracomment>
        <translation>Registro de satélite %1: el registro de canal %2 tiene el tipo de servicio %3, pero su PID de vídeo lo hace de radio (2).</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 has service type %3, but its video PID makes it TV (1).</source>
        <translation>Registro de satélite %1: el registro de canal %2 tiene el tipo de servicio %3, pero su PID de vídeo lo hace de TV (1).</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 has number %3, but its place among the radio channels makes it %4.</source>
        <extracomment>%1 satellite slot, %2 channel slot, %3 the stored number, %4 the number it should have</extracomment>
        <translation>Registro de satélite %1: el registro de canal %2 tiene el número %3, pero por su lugar entre los canales de radio le corresponde el %4.</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 has number %3, but its place among the TV channels makes it %4.</source>
        <translation>Registro de satélite %1: el registro de canal %2 tiene el número %3, pero por su lugar entre los canales de TV le corresponde el %4.</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 is on the chain but free.</source>
        <translation>Registro de satélite %1: el registro de canal %2 está en la cadena, pero libre.</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 names transponder %3, which is no transponder slot.</source>
        <extracomment>%3 is the stored transponder number, which names no slot</extracomment>
        <translation>Registro de satélite %1: el registro de canal %2 indica el transpondedor %3, que no es ningún registro de transpondedor.</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 names transponder slot %3, which is free.</source>
        <translation>Registro de satélite %1: el registro de canal %2 indica el registro de transpondedor %3, que está libre.</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 names transponder slot %3 of satellite slot %4.</source>
        <translation>Registro de satélite %1: el registro de canal %2 indica el registro de transpondedor %3 del registro de satélite %4.</translation>
    </message>
    <message>
        <source>Transponder slot %1 is in use, but no satellite&apos;s chain reaches it.</source>
        <translation>El registro de transpondedor %1 está en uso, pero ninguna cadena de satélite llega a él.</translation>
    </message>
    <message>
        <source>Channel slot %1 is in use, but no satellite&apos;s chain reaches it.</source>
        <translation>El registro de canal %1 está en uso, pero ninguna cadena de satélite llega a él.</translation>
    </message>
</context>
<context>
    <name>DialogLayout</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>sin transpondedor</translation>
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
        <translation>Buscar duplicados</translation>
    </message>
    <message>
        <source>Delete selected</source>
        <translation>Eliminar seleccionados</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>No channel is stored twice.</source>
        <translation>Ningún canal está guardado dos veces.</translation>
    </message>
    <message>
        <source>Stored more than once: %1. Selected for deletion: %2.</source>
        <extracomment>%1 is a number of services (&quot;3 services&quot;), %2 a number of channels.</extracomment>
        <translation>Guardados más de una vez: %1. Seleccionados para eliminar: %2.</translation>
    </message>
    <message>
        <source>The image is damaged: %1, so nothing can be deleted; the consistency check lists its problems.</source>
        <translation>La imagen está dañada: %1, así que no se puede eliminar nada; la comprobación de coherencia enumera sus problemas.</translation>
    </message>
</context>
<context>
    <name>FindChannelDialog</name>
    <message>
        <source>Find Channel</source>
        <translation>Buscar canal</translation>
    </message>
    <message>
        <source>Name, channel number or PID</source>
        <translation>Nombre, número de canal o PID</translation>
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
        <translation>Escriba un nombre, un número de canal o un PID.</translation>
    </message>
    <message>
        <source>No channel found.</source>
        <translation>No se encontró ningún canal.</translation>
    </message>
    <message>
        <source>1 channel found.</source>
        <translation>1 canal encontrado.</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondedor</translation>
    </message>
    <message>
        <source>TV/Radio</source>
        <extracomment>Column caption: whether the channel is a TV or a radio channel.</extracomment>
        <translation>TV/Radio</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>Column caption: the channel&apos;s number in its list.</extracomment>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Nombre del canal</translation>
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
            <numerusform>%n canal encontrado.</numerusform>
            <numerusform>%n canales encontrados.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImageArchive</name>
    <message>
        <source>The archive&apos;s index could not be repaired: %1</source>
        <extracomment>%1 is the reason</extracomment>
        <translation>No se pudo reparar el índice del archivo de imágenes: %1</translation>
    </message>
    <message>
        <source>it is not a whole image (%1 bytes)</source>
        <extracomment>%1 is the file&apos;s size</extracomment>
        <translation>no es una imagen completa (%1 bytes)</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <extracomment>%1 is the folder</extracomment>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>the archive is busy; its index lists the image later</source>
        <translation>el archivo de imágenes está ocupado; su índice incluirá la imagen más tarde</translation>
    </message>
    <message>
        <source>the archive&apos;s index could not be written: %1</source>
        <extracomment>%1 is the reason</extracomment>
        <translation>no se pudo escribir el índice del archivo de imágenes: %1</translation>
    </message>
    <message>
        <source>the archive holds no image %1</source>
        <extracomment>%1 is the image&apos;s name in the archive</extracomment>
        <translation>el archivo de imágenes no contiene ninguna imagen %1</translation>
    </message>
    <message>
        <source>the archived image %1 is damaged: its file %2 is not a whole image of %3 bytes</source>
        <extracomment>%1 is the image&apos;s name in the archive, %2 its file, %3 an image&apos;s size</extracomment>
        <translation>la imagen archivada %1 está dañada: su archivo %2 no es una imagen completa de %3 bytes</translation>
    </message>
    <message>
        <source>the archive is busy; try again</source>
        <translation>el archivo de imágenes está ocupado; inténtelo de nuevo</translation>
    </message>
</context>
<context>
    <name>ImageDiff</name>
    <message>
        <source>sector headers</source>
        <translation>cabeceras de sector</translation>
    </message>
    <message>
        <source>%1 in the sector headers</source>
        <translation>%1 en las cabeceras de sector</translation>
    </message>
    <message>
        <source>satellite table</source>
        <translation>tabla de satélites</translation>
    </message>
    <message>
        <source>%1 in the satellite table</source>
        <translation>%1 en la tabla de satélites</translation>
    </message>
    <message>
        <source>transponder marks</source>
        <translation>marcas de transpondedor</translation>
    </message>
    <message>
        <source>%1 in the transponder marks</source>
        <translation>%1 en las marcas de transpondedor</translation>
    </message>
    <message>
        <source>settings</source>
        <translation>ajustes</translation>
    </message>
    <message>
        <source>%1 in the settings</source>
        <translation>%1 en los ajustes</translation>
    </message>
    <message>
        <source>transponder table</source>
        <translation>tabla de transpondedores</translation>
    </message>
    <message>
        <source>%1 in the transponder table</source>
        <translation>%1 en la tabla de transpondedores</translation>
    </message>
    <message>
        <source>channel table</source>
        <translation>tabla de canales</translation>
    </message>
    <message>
        <source>%1 in the channel table</source>
        <translation>%1 en la tabla de canales</translation>
    </message>
    <message>
        <source>unused bytes</source>
        <translation>bytes sin usar</translation>
    </message>
    <message>
        <source>%1 of the unused bytes</source>
        <translation>%1 de los bytes sin usar</translation>
    </message>
    <message>
        <source>%1 MHz %2 %3 kS/s</source>
        <extracomment>A transponder: %1 frequency, %2 polarization V or H, %3 symbol rate</extracomment>
        <translation>%1 MHz %2 %3 kS/s</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>frecuencia</translation>
    </message>
    <message>
        <source>symbol rate</source>
        <translation>tasa de símbolos</translation>
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
        <translation>bloqueo</translation>
    </message>
    <message>
        <source>scrambled</source>
        <translation>codificado</translation>
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
        <translation>nombre</translation>
    </message>
    <message>
        <source>number</source>
        <translation>número</translation>
    </message>
    <message>
        <source>polarization</source>
        <translation>polarización</translation>
    </message>
    <message>
        <source>video PID</source>
        <translation>PID de vídeo</translation>
    </message>
    <message>
        <source>audio PID</source>
        <translation>PID de audio</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>teletext PID</source>
        <translation>PID de teletexto</translation>
    </message>
    <message>
        <source>standby</source>
        <extracomment>A receiver setting&apos;s name in the list of differences</extracomment>
        <translation>reposo</translation>
    </message>
    <message>
        <source>aspect ratio</source>
        <translation>relación de aspecto</translation>
    </message>
    <message>
        <source>menu language</source>
        <translation>idioma del menú</translation>
    </message>
    <message>
        <source>RF channel</source>
        <translation>canal RF</translation>
    </message>
    <message>
        <source>sound system</source>
        <translation>sistema de sonido</translation>
    </message>
    <message>
        <source>colour system</source>
        <translation>sistema de color</translation>
    </message>
    <message>
        <source>receiver lock</source>
        <translation>bloqueo del receptor</translation>
    </message>
    <message>
        <source>menu lock</source>
        <translation>bloqueo del menú</translation>
    </message>
    <message>
        <source>delay time</source>
        <translation>tiempo de retardo</translation>
    </message>
    <message>
        <source>time zone</source>
        <translation>zona horaria</translation>
    </message>
    <message>
        <source>GMT usage</source>
        <translation>uso de GMT</translation>
    </message>
    <message>
        <source>summer time</source>
        <translation>horario de verano</translation>
    </message>
    <message>
        <source>time offset</source>
        <translation>desfase horario</translation>
    </message>
    <message>
        <source>current satellite</source>
        <translation>satélite actual</translation>
    </message>
    <message>
        <source>transparency</source>
        <translation>transparencia</translation>
    </message>
    <message>
        <source>volume left</source>
        <translation>volumen izquierdo</translation>
    </message>
    <message>
        <source>volume right</source>
        <translation>volumen derecho</translation>
    </message>
    <message>
        <source>PIN code</source>
        <translation>código PIN</translation>
    </message>
    <message>
        <source>LNB Type%1 low frequency</source>
        <extracomment>An LNB type&apos;s setting; %1 is the type&apos;s number (the receiver calls its types Type1..Type8)</extracomment>
        <translation>LNB Type%1: frecuencia baja</translation>
    </message>
    <message>
        <source>LNB Type%1 high frequency</source>
        <translation>LNB Type%1: frecuencia alta</translation>
    </message>
    <message>
        <source>LNB Type%1 low band</source>
        <translation>LNB Type%1: banda baja</translation>
    </message>
    <message>
        <source>LNB Type%1 high band</source>
        <translation>LNB Type%1: banda alta</translation>
    </message>
    <message>
        <source>LNB Type%1 DiSEqC</source>
        <translation>LNB Type%1: DiSEqC</translation>
    </message>
    <message>
        <source>LNB Type%1 polarity control</source>
        <translation>LNB Type%1: control de polaridad</translation>
    </message>
    <message>
        <source>LNB Type%1 band control</source>
        <translation>LNB Type%1: control de banda</translation>
    </message>
    <message>
        <source>LNB Type%1 22 kHz tone</source>
        <translation>LNB Type%1: tono de 22 kHz</translation>
    </message>
    <message>
        <source>LNB Type%1 12 V switch</source>
        <translation>LNB Type%1: conmutación 12 V</translation>
    </message>
    <message>
        <source>LNB Type%1 LNB power</source>
        <translation>LNB Type%1: alimentación LNB</translation>
    </message>
    <message>
        <source>added</source>
        <extracomment>What happened to a satellite, transponder or channel from the first image to the second</extracomment>
        <translation>añadido</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>eliminado</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>cambiado</translation>
    </message>
    <message>
        <source>LNB type</source>
        <translation>tipo de LNB</translation>
    </message>
    <message>
        <source>Differences from %1 to %2</source>
        <extracomment>%1 and %2 are the names of the compared images</extracomment>
        <translation>Diferencias de %1 a %2</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Sin diferencias.</translation>
    </message>
    <message>
        <source>No compared field differs, but bytes do.</source>
        <translation>Ningún campo comparado difiere, pero sí hay bytes distintos.</translation>
    </message>
    <message>
        <source>Satellite %1 (%2): %3</source>
        <extracomment>%1 satellite name, %2 its position, %3 added, removed or changed</extracomment>
        <translation>Satélite %1 (%2): %3</translation>
    </message>
    <message>
        <source>Transponder %1: %2</source>
        <extracomment>%1 a transponder (frequency, polarization, symbol rate), %2 added, removed or changed</extracomment>
        <translation>Transpondedor %1: %2</translation>
    </message>
    <message>
        <source>Settings: changed</source>
        <translation>Ajustes: cambiados</translation>
    </message>
    <message>
        <source>Bytes that differ: %1.</source>
        <extracomment>%1 lists the differing bytes per part, e.g. &quot;3 in the channel table, 2 of the unused bytes&quot;</extracomment>
        <translation>Bytes distintos: %1.</translation>
    </message>
</context>
<context>
    <name>ImageFile</name>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Why a file is refused; follows &quot;Cannot read/write FILE: &quot;</extracomment>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <extracomment>%1 is the quoted file name, %2 the reason</extracomment>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <extracomment>%1 is the quoted file name, %2 the reason</extracomment>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source> (the file was being overwritten in place and may be incomplete)</source>
        <extracomment>Follows the system&apos;s reason why writing failed</extracomment>
        <translation> (el archivo se estaba sobrescribiendo en su sitio y puede estar incompleto)</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <extracomment>%1 is the quoted file name, %2 the system&apos;s reason</extracomment>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>it is too large to be kept in a backup</source>
        <translation>es demasiado grande para guardarlo en una copia de seguridad</translation>
    </message>
    <message>
        <source>Cannot back up %1 to %2: %3</source>
        <extracomment>%1 is the quoted file, %2 the quoted backup file, %3 the reason</extracomment>
        <translation>No se puede hacer la copia de seguridad de %1 en %2: %3</translation>
    </message>
    <message>
        <source>Cannot back up %1: %2</source>
        <extracomment>%1 is the quoted file, %2 the message of the failed backup write</extracomment>
        <translation>No se puede hacer la copia de seguridad de %1: %2</translation>
    </message>
</context>
<context>
    <name>ImageProblems</name>
    <message>
        <source>%1 has 1 problem: its chains, counts or channel numbers do not fit together.</source>
        <extracomment>%1 is the file name</extracomment>
        <translation>%1 tiene 1 problema: sus cadenas, recuentos o números de canal no encajan.</translation>
    </message>
    <message>
        <source>%1 has %2 problems: its chains, counts or channel numbers do not fit together.</source>
        <extracomment>%1 is the file name, %2 the number of problems (more than one)</extracomment>
        <translation>%1 tiene %2 problemas: sus cadenas, recuentos o números de canal no encajan.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>The image is open as it is. Editing it may not work as expected; &quot;Show Details...&quot; lists each problem.</source>
        <translation>La imagen se abrió tal como está. Puede que editarla no funcione como se espera; &quot;Mostrar los detalles...&quot; enumera cada problema.</translation>
    </message>
</context>
<context>
    <name>ListFilterBar</name>
    <message>
        <source>%1 of %2</source>
        <extracomment>Rows shown by the filter: %1 shown of %2 in the list.</extracomment>
        <translation>%1 de %2</translation>
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
        <translation>Importar archivo txt</translation>
    </message>
    <message>
        <source>Not in the list</source>
        <translation>No está en la lista</translation>
    </message>
    <message>
        <source>Line %1: %2 (%3)</source>
        <extracomment>%1 is a line number of the file, %2 the name there, %3 the satellite&apos;s position.</extracomment>
        <translation>Línea %1: %2 (%3)</translation>
    </message>
    <message>
        <source>Line %1: %2 (keeps the name %3)</source>
        <extracomment>%1 is a line number of the file, %2 the name there, %3 the channel&apos;s stored name.</extracomment>
        <translation>Línea %1: %2 (conserva el nombre %3)</translation>
    </message>
    <message>
        <source>Rows that match no channel</source>
        <translation>Filas que no coinciden con ningún canal</translation>
    </message>
    <message>
        <source>Names that do not fit 11 Latin-1 characters</source>
        <translation>Nombres que no caben en 11 caracteres Latin-1</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>%1 is a line number of the file, %2 the name there.</extracomment>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>Rows paired by name: their PIDs or transponder differ, the channels keep theirs</source>
        <translation>Filas emparejadas por nombre: sus PID o su transpondedor difieren; los canales conservan los suyos</translation>
    </message>
    <message>
        <source>Delete channels missing from the list</source>
        <translation>Eliminar los canales que faltan en la lista</translation>
    </message>
    <message>
        <source>The image is damaged: %1. Nothing can be imported; the consistency check lists its problems.</source>
        <extracomment>%1 says what is wrong with the image.</extracomment>
        <translation>La imagen está dañada: %1. No se puede importar nada; la comprobación de coherencia enumera sus problemas.</translation>
    </message>
    <message>
        <source>Read as %1 text (the file is not UTF-8).</source>
        <extracomment>%1 is the name of a character encoding, such as Latin-1.</extracomment>
        <translation>Leído como texto %1 (el archivo no es UTF-8).</translation>
    </message>
    <message>
        <source>The list changes nothing.</source>
        <translation>La lista no cambia nada.</translation>
    </message>
    <message>
        <source>Moved: %1. Renamed: %2. Flags changed: %3.</source>
        <extracomment>Each of %1, %2 and %3 is a number of channels (&quot;3 channels&quot;).</extracomment>
        <translation>Movidos: %1. Renombrados: %2. Indicadores cambiados: %3.</translation>
    </message>
    <message>
        <source>Not in the list: %1, to be deleted.</source>
        <translation>No están en la lista: %1, se eliminarán.</translation>
    </message>
    <message>
        <source>Not in the list: %1, kept after the listed ones.</source>
        <translation>No están en la lista: %1, se conservan tras los de la lista.</translation>
    </message>
</context>
<context>
    <name>LnbDialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>LNB Edit</source>
        <extracomment>Dialog title: editing an LNB type.</extracomment>
        <translation>Editar LNB</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <extracomment>LNB: the low-noise block converter on the dish.</extracomment>
        <translation>Tipo de LNB</translation>
    </message>
    <message>
        <source>LNB Freq Low</source>
        <translation>Frec. baja LNB</translation>
    </message>
    <message>
        <source>LNB Freq High</source>
        <translation>Frec. alta LNB</translation>
    </message>
    <message>
        <source>DiSEqC</source>
        <extracomment>The dish switching protocol&apos;s name; usually kept as it is.</extracomment>
        <translation>DiSEqC</translation>
    </message>
    <message>
        <source>Polarity Control</source>
        <translation>Control de polaridad</translation>
    </message>
    <message>
        <source>FreqBaudControl</source>
        <extracomment>How the receiver switches the LNB between its low and high band.</extracomment>
        <translation>Control de banda</translation>
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
        <translation>Alimentación LNB</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Undo</source>
        <extracomment>a command</extracomment>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>a command</extracomment>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <extracomment>%1 is the name of the step, e.g. &quot;Delete channel arte&quot;</extracomment>
        <translation>Deshacer %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <extracomment>%1 is the name of the step, e.g. &quot;Delete channel arte&quot;</extracomment>
        <translation>Rehacer %1</translation>
    </message>
    <message>
        <source>Sat+LNB+TP+Channel</source>
        <extracomment>the tab of satellites, LNBs, transponders and their channels</extracomment>
        <translation>Sat+LNB+TP+Canal</translation>
    </message>
    <message>
        <source>All Channels Edit</source>
        <translation>Editar todos los canales</translation>
    </message>
    <message>
        <source>System setting</source>
        <translation>Ajustes del sistema</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Save</source>
        <extracomment>Button: save the changes, then go on.</extracomment>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Discard</source>
        <extracomment>Button: drop the unsaved changes, then go on.</extracomment>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
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
        <translation>Mover canal</translation>
    </message>
    <message>
        <source>Move to</source>
        <translation>Mover a</translation>
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
        <source>Please enter an integer.</source>
        <translation>Introduzca un número entero.</translation>
    </message>
</context>
<context>
    <name>MultiChannelEdit</name>
    <message>
        <source>(several)</source>
        <extracomment>Shown in an empty box whose value differs between the channels edited.</extracomment>
        <translation>(varios)</translation>
    </message>
    <message numerus="yes">
        <source>Edit %n channels</source>
        <extracomment>The title of the dialog and the name of the edit step.</extracomment>
        <translation>
            <numerusform>Editar %n canal</numerusform>
            <numerusform>Editar %n canales</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NamesList</name>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line number of the list, %2 what is wrong there</extracomment>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>the list is larger than %1 MiB; a list of names for one satellite is far smaller</source>
        <translation>la lista ocupa más de %1 MiB; una lista de nombres para un satélite es mucho más pequeña</translation>
    </message>
    <message>
        <source>the list has more than %1 lines; an image holds at most %2 channels</source>
        <translation>la lista tiene más de %1 líneas; una imagen contiene como máximo %2 canales</translation>
    </message>
    <message>
        <source>the control character %1 is no part of a list of names; is this a binary file?</source>
        <extracomment>%1 is the character&apos;s code, such as 0x07</extracomment>
        <translation>el carácter de control %1 no forma parte de una lista de nombres; ¿es un archivo binario?</translation>
    </message>
    <message>
        <source>the line is longer than %1 characters; a channel name has at most %2</source>
        <translation>la línea tiene más de %1 caracteres; un nombre de canal tiene como máximo %2</translation>
    </message>
</context>
<context>
    <name>NamesOrder</name>
    <message>
        <source>exact</source>
        <extracomment>How a line of a list of names found its channel: by the same name</extracomment>
        <translation>exacta</translation>
    </message>
    <message>
        <source>case-folded</source>
        <extracomment>How a line of a list of names found its channel: ignoring case, spaces and punctuation</extracomment>
        <translation>normalizada</translation>
    </message>
    <message>
        <source>loose</source>
        <extracomment>How a line of a list of names found its channel: also ignoring accents and an HD, SD, TV or +1 marker</extracomment>
        <translation>aproximada</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>A line of a list of names that found no channel</extracomment>
        <translation>ninguna</translation>
    </message>
</context>
<context>
    <name>NamesOrderDialog</name>
    <message>
        <source>Order by a list of names</source>
        <translation>Ordenar según una lista de nombres</translation>
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
        <translation>Satélite:</translation>
    </message>
    <message>
        <source>Line</source>
        <extracomment>Column caption: the line number in the list of names.</extracomment>
        <translation>Línea</translation>
    </message>
    <message>
        <source>In the list</source>
        <extracomment>Column caption: the name as the list spells it.</extracomment>
        <translation>En la lista</translation>
    </message>
    <message>
        <source>Channel</source>
        <extracomment>Column caption: the channel of the image the line matches.</extracomment>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Match</source>
        <extracomment>Column caption: how the name matched (exact, case-folded, loose).</extracomment>
        <translation>Coincidencia</translation>
    </message>
    <message>
        <source>Give matched channels the list&apos;s spelling</source>
        <translation>Dar a los canales encontrados la grafía de la lista</translation>
    </message>
    <message>
        <source>Delete channels missing from the list</source>
        <translation>Eliminar los canales que faltan en la lista</translation>
    </message>
    <message>
        <source>%1 (No %2)</source>
        <extracomment>%1 is the channel&apos;s name, %2 its number in the list.</extracomment>
        <translation>%1 (N.º %2)</translation>
    </message>
    <message>
        <source>Matched lines</source>
        <translation>Líneas con coincidencia</translation>
    </message>
    <message>
        <source>%1, one of %2</source>
        <extracomment>%1 is how the name matched, %2 the number of channels it could be.</extracomment>
        <translation>%1, uno de %2</translation>
    </message>
    <message>
        <source>Lines that match no channel</source>
        <translation>Líneas que no coinciden con ningún canal</translation>
    </message>
    <message>
        <source>no such name</source>
        <translation>no existe ese nombre</translation>
    </message>
    <message>
        <source>not Latin-1</source>
        <translation>no es Latin-1</translation>
    </message>
    <message>
        <source>Channels not in the list</source>
        <translation>Canales que no están en la lista</translation>
    </message>
    <message>
        <source>to be deleted</source>
        <translation>se eliminarán</translation>
    </message>
    <message>
        <source>kept after the listed ones</source>
        <translation>se conservan tras los de la lista</translation>
    </message>
    <message>
        <source>Renamed</source>
        <extracomment>A group of channels that get another name.</extracomment>
        <translation>Renombrados</translation>
    </message>
    <message>
        <source>takes this spelling</source>
        <translation>toma esta grafía</translation>
    </message>
    <message>
        <source>Names that do not fit 11 Latin-1 characters</source>
        <translation>Nombres que no caben en 11 caracteres Latin-1</translation>
    </message>
    <message>
        <source>keeps its name</source>
        <translation>conserva su nombre</translation>
    </message>
    <message>
        <source>%1 (%2), %3: %4 exact, %5 case-folded, %6 loose, %7 matching no channel.</source>
        <extracomment>%1 is the list&apos;s file name, %2 its character encoding, %3 a number of lines (&quot;12 lines&quot;), %4 to %7 numbers of lines.</extracomment>
        <translation>%1 (%2), %3: %4 exactas, %5 normalizadas, %6 aproximadas, %7 sin coincidencia.</translation>
    </message>
    <message>
        <source>%1 could take several channels: pick one in the Channel column.</source>
        <extracomment>%1 is a number of lines (&quot;2 lines&quot;).</extracomment>
        <translation>Varios canales posibles para %1: elija uno en la columna Canal.</translation>
    </message>
    <message>
        <source>The list changes nothing.</source>
        <translation>La lista no cambia nada.</translation>
    </message>
    <message>
        <source>Moved: %1.</source>
        <extracomment>%1 is a number of channels (&quot;3 channels&quot;).</extracomment>
        <translation>Movidos: %1.</translation>
    </message>
    <message>
        <source>Renamed: %1.</source>
        <extracomment>%1 is a number of channels (&quot;3 channels&quot;).</extracomment>
        <translation>Renombrados: %1.</translation>
    </message>
    <message>
        <source>Deleted: %1.</source>
        <extracomment>%1 is a number of channels (&quot;3 channels&quot;).</extracomment>
        <translation>Eliminados: %1.</translation>
    </message>
</context>
<context>
    <name>NumberBoxes</name>
    <message>
        <source>%1 takes a number from %2 to %3.</source>
        <extracomment>%1: the box&apos;s name (e.g. Video PID), %2 and %3: the lowest and highest number it takes.</extracomment>
        <translation>%1 admite un número de %2 a %3.</translation>
    </message>
    <message>
        <source>%1 cannot hold the characters %2: the receiver stores names in Latin-1, which has no such characters.</source>
        <extracomment>%1: the box&apos;s name, %2: the characters, separated by spaces.</extracomment>
        <translation>%1 no admite los caracteres %2: el receptor guarda los nombres en Latin-1, que no tiene esos caracteres.</translation>
    </message>
    <message>
        <source>%1 takes at most %2 characters.</source>
        <extracomment>%1: the box&apos;s name, %2: the most characters it holds.</extracomment>
        <translation>%1 admite como máximo %2 caracteres.</translation>
    </message>
</context>
<context>
    <name>OrderPlanTree</name>
    <message numerus="yes">
        <source>%n channel</source>
        <translation>
            <numerusform>%n canal</numerusform>
            <numerusform>%n canales</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n canal</numerusform>
            <numerusform>%n canales</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line</source>
        <extracomment>Lines of a text file.</extracomment>
        <translation>
            <numerusform>%n línea</numerusform>
            <numerusform>%n líneas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines</source>
        <translation>
            <numerusform>%n línea</numerusform>
            <numerusform>%n líneas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n satellite</source>
        <translation>
            <numerusform>%n satélite</numerusform>
            <numerusform>%n satélites</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n satellites</source>
        <translation>
            <numerusform>%n satélite</numerusform>
            <numerusform>%n satélites</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n service</source>
        <extracomment>Services: channels as the broadcaster sends them; a service stored twice is a duplicate.</extracomment>
        <translation>
            <numerusform>%n servicio</numerusform>
            <numerusform>%n servicios</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n services</source>
        <translation>
            <numerusform>%n servicio</numerusform>
            <numerusform>%n servicios</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponder</source>
        <translation>
            <numerusform>%n transpondedor</numerusform>
            <numerusform>%n transpondedores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponders</source>
        <translation>
            <numerusform>%n transpondedor</numerusform>
            <numerusform>%n transpondedores</numerusform>
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
        <translation>Bloqueo</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <extracomment>The channel flag of an encrypted channel.</extracomment>
        <translation>Codificado</translation>
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
        <translation>%1 activado</translation>
    </message>
    <message>
        <source>%1 off</source>
        <translation>%1 desactivado</translation>
    </message>
    <message>
        <source>%1 (was %2)</source>
        <extracomment>%1 is a channel at its new place, %2 its number before.</extracomment>
        <translation>%1 (antes %2)</translation>
    </message>
    <message>
        <source>Moved</source>
        <extracomment>A group of channels that move to another place.</extracomment>
        <translation>Movidos</translation>
    </message>
    <message>
        <source>Renamed</source>
        <extracomment>A group of channels that get another name.</extracomment>
        <translation>Renombrados</translation>
    </message>
    <message>
        <source>Flags changed</source>
        <translation>Indicadores cambiados</translation>
    </message>
</context>
<context>
    <name>PortProblem</name>
    <message>
        <source>There is no device %1: check that the adapter is plugged in and the name is right.</source>
        <extracomment>%1 is the device, e.g. /dev/ttyUSB0</extracomment>
        <translation>No existe el dispositivo %1: compruebe que el adaptador está conectado y que el nombre es correcto.</translation>
    </message>
    <message>
        <source>You have no permission to use %1: serial ports usually belong to the group &quot;dialout&quot;; join it with &quot;sudo usermod -aG dialout $USER&quot;, then log out and log in again.</source>
        <extracomment>%1 is the device; keep the command as it is</extracomment>
        <translation>No tiene permiso para usar %1: los puertos serie suelen pertenecer al grupo &quot;dialout&quot;; únase a él con &quot;sudo usermod -aG dialout $USER&quot; y después cierre la sesión y vuelva a iniciarla.</translation>
    </message>
    <message>
        <source>You have no permission to use %1, which belongs to the group &quot;%2&quot;: join the group with &quot;sudo usermod -aG %2 $USER&quot;, then log out and log in again.</source>
        <extracomment>%1 is the device, %2 its group; keep the command as it is</extracomment>
        <translation>No tiene permiso para usar %1, que pertenece al grupo &quot;%2&quot;: únase al grupo con &quot;sudo usermod -aG %2 $USER&quot; y después cierre la sesión y vuelva a iniciarla.</translation>
    </message>
    <message>
        <source>Another program is using %1: close that program and try again.</source>
        <extracomment>%1 is the device</extracomment>
        <translation>Otro programa está usando %1: cierre ese programa e inténtelo de nuevo.</translation>
    </message>
</context>
<context>
    <name>ReorderDialog</name>
    <message>
        <source>Order like another image</source>
        <translation>Ordenar como otra imagen</translation>
    </message>
    <message>
        <source>Also take the names</source>
        <translation>Tomar también los nombres</translation>
    </message>
    <message>
        <source>Also take the lock and favourite flags</source>
        <translation>Tomar también los indicadores de bloqueo y favoritos</translation>
    </message>
    <message>
        <source>The image is damaged: %1. Nothing can be ordered; the consistency check lists its problems.</source>
        <extracomment>%1 says what is wrong with the image.</extracomment>
        <translation>La imagen está dañada: %1. No se puede ordenar nada; la comprobación de coherencia enumera sus problemas.</translation>
    </message>
    <message>
        <source>Not in the other image</source>
        <translation>No están en la otra imagen</translation>
    </message>
    <message>
        <source>Moved: %1. Renamed: %2. Flags changed: %3.</source>
        <extracomment>Each of %1, %2 and %3 is a number of channels (&quot;3 channels&quot;).</extracomment>
        <translation>Movidos: %1. Renombrados: %2. Indicadores cambiados: %3.</translation>
    </message>
    <message>
        <source>The channels are in that order already.</source>
        <translation>Los canales ya están en ese orden.</translation>
    </message>
    <message>
        <source>Not in the other image: %1, kept after the others.</source>
        <extracomment>%1 is a number of channels (&quot;3 channels&quot;).</extracomment>
        <translation>No están en la otra imagen: %1, se conservan tras los demás.</translation>
    </message>
</context>
<context>
    <name>SatelliteDialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Satellite Name:</source>
        <translation>Nombre del satélite:</translation>
    </message>
    <message>
        <source>Log:</source>
        <extracomment>The satellite&apos;s orbital position (longitude).</extracomment>
        <translation>Posición:</translation>
    </message>
    <message>
        <source>LNB Type:</source>
        <translation>Tipo de LNB:</translation>
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
        <translation>Nombre del satélite</translation>
    </message>
    <message>
        <source>The tenths of the position</source>
        <extracomment>Names the box in a message: &quot;The tenths of the position takes a number from 0 to 9.&quot;</extracomment>
        <translation>La parte decimal de la posición</translation>
    </message>
    <message>
        <source>The position takes 0.0 to 180.0 degrees.</source>
        <translation>La posición admite de 0.0 a 180.0 grados.</translation>
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
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondedor</translation>
    </message>
    <message>
        <source>LNB</source>
        <extracomment>Title of the LNB list&apos;s frame and of its menu.</extracomment>
        <translation>LNB</translation>
    </message>
    <message>
        <source>Channel</source>
        <extracomment>Title of the channel list&apos;s frame and of its menu.</extracomment>
        <translation>Canal</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>Column: the running number of the row (not the answer &quot;no&quot;).</extracomment>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Sat Name</source>
        <extracomment>Column: the satellite&apos;s name.</extracomment>
        <translation>Nombre sat.</translation>
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
        <translation>Frec</translation>
    </message>
    <message>
        <source>Pol</source>
        <extracomment>Column: the transponder&apos;s polarisation, V or H.</extracomment>
        <translation>Pol</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <extracomment>Column: the transponder&apos;s symbol rate.</extracomment>
        <translation>Tasa de símbolos</translation>
    </message>
    <message>
        <source>TP ID</source>
        <extracomment>Column: the transponder&apos;s record number.</extracomment>
        <translation>ID TP</translation>
    </message>
    <message>
        <source>LNB Freq Low</source>
        <extracomment>Column: the LNB&apos;s low band local oscillator frequency.</extracomment>
        <translation>Frec. baja LNB</translation>
    </message>
    <message>
        <source>LNB Freq High</source>
        <extracomment>Column: the LNB&apos;s high band local oscillator frequency.</extracomment>
        <translation>Frec. alta LNB</translation>
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
        <translation>Nombre del canal</translation>
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
        <translation>bloq</translation>
    </message>
    <message>
        <source>scr</source>
        <extracomment>Column: the channel is scrambled, Y or N.</extracomment>
        <translation>cod</translation>
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
        <translation>N.º can</translation>
    </message>
    <message>
        <source>Add Satellite...</source>
        <translation>Añadir satélite...</translation>
    </message>
    <message>
        <source>Edit Satellite...</source>
        <translation>Editar satélite...</translation>
    </message>
    <message>
        <source>Del Satellite</source>
        <extracomment>Menu item: delete the satellite.</extracomment>
        <translation>Eliminar satélite</translation>
    </message>
    <message>
        <source>Add new Transponder...</source>
        <translation>Añadir nuevo transpondedor...</translation>
    </message>
    <message>
        <source>Add Transponder...</source>
        <translation>Añadir transpondedor...</translation>
    </message>
    <message>
        <source>Edit Transponder...</source>
        <translation>Editar transpondedor...</translation>
    </message>
    <message>
        <source>Del Transponder</source>
        <extracomment>Menu item: delete the transponder.</extracomment>
        <translation>Eliminar transpondedor</translation>
    </message>
    <message>
        <source>Add a Program...</source>
        <extracomment>Menu item: add a channel (a program) on the transponder.</extracomment>
        <translation>Añadir un programa...</translation>
    </message>
    <message>
        <source>Edit LNB...</source>
        <translation>Editar LNB...</translation>
    </message>
    <message>
        <source>Add Channel...</source>
        <translation>Añadir canal...</translation>
    </message>
    <message>
        <source>Edit Channel...</source>
        <translation>Editar canal...</translation>
    </message>
    <message>
        <source>Del Channel</source>
        <extracomment>Menu item: delete the channel.</extracomment>
        <translation>Eliminar canal</translation>
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
        <translation>	 ¿Desea eliminar el canal [ %1]?		</translation>
    </message>
</context>
<context>
    <name>SatellitePageCommands</name>
    <message>
        <source>Add transponder %1 on %2</source>
        <extracomment>The name of an edit step (Undo/Redo). %1: the transponder (frequency, symbol rate, polarisation), %2: the satellite.</extracomment>
        <translation>Añadir transpondedor %1 en %2</translation>
    </message>
    <message>
        <source>Edit transponder %1</source>
        <extracomment>The name of an edit step. %1: the transponder.</extracomment>
        <translation>Editar transpondedor %1</translation>
    </message>
    <message>
        <source>Transponder is Full!</source>
        <translation>¡No caben más transpondedores!</translation>
    </message>
    <message>
        <source>Add Satellite</source>
        <extracomment>Dialog title.</extracomment>
        <translation>Añadir satélite</translation>
    </message>
    <message>
        <source>Satellite is full!</source>
        <translation>¡No caben más satélites!</translation>
    </message>
    <message>
        <source>Add satellite %1</source>
        <extracomment>The name of an edit step (Undo/Redo). %1: the satellite&apos;s name and position.</extracomment>
        <translation>Añadir satélite %1</translation>
    </message>
    <message>
        <source>Edit Satellite</source>
        <extracomment>Dialog title.</extracomment>
        <translation>Editar satélite</translation>
    </message>
    <message>
        <source>Edit satellite %1</source>
        <extracomment>The name of an edit step (Undo/Redo). %1: the satellite&apos;s name and position.</extracomment>
        <translation>Editar satélite %1</translation>
    </message>
    <message>
        <source>Del Satellite</source>
        <extracomment>Title of the question before a satellite is deleted; &quot;Del&quot; is short for Delete.</extracomment>
        <translation>Eliminar satélite</translation>
    </message>
    <message>
        <source>	 Do you want to del [%1]?		</source>
        <extracomment>%1: the satellite&apos;s name. The tabs are kept for the box&apos;s spacing.</extracomment>
        <translation>	 ¿Desea eliminar [%1]?		</translation>
    </message>
    <message>
        <source>Delete satellite %1</source>
        <extracomment>The name of an edit step (Undo/Redo). %1: the satellite&apos;s name and position.</extracomment>
        <translation>Eliminar satélite %1</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <extracomment>Dialog title.</extracomment>
        <translation>Añadir transpondedor</translation>
    </message>
    <message>
        <source>Edit Transponder</source>
        <extracomment>Dialog title.</extracomment>
        <translation>Editar transpondedor</translation>
    </message>
    <message>
        <source>	 Do you want to del xpdr [%1/%2/%3]?		</source>
        <extracomment>%1: frequency in MHz, %2: symbol rate, %3: polarisation (V or H); &quot;xpdr&quot; is short for transponder. The tabs are kept for the box&apos;s spacing.</extracomment>
        <translation>	 ¿Desea eliminar el TP [%1/%2/%3]?		</translation>
    </message>
    <message>
        <source>It has no channels.</source>
        <extracomment>Said of a transponder about to be deleted.</extracomment>
        <translation>No tiene canales.</translation>
    </message>
    <message>
        <source>Its 1 channel is deleted with it.</source>
        <extracomment>Said of a transponder about to be deleted.</extracomment>
        <translation>Su único canal se elimina con él.</translation>
    </message>
    <message>
        <source>Its %1 channels are deleted with it.</source>
        <extracomment>Said of a transponder about to be deleted. %1: the number of its channels, 2 or more.</extracomment>
        <translation>Sus %1 canales se eliminan con él.</translation>
    </message>
    <message>
        <source>Del Transponder</source>
        <extracomment>Title of the question before a transponder is deleted; &quot;Del&quot; is short for Delete.</extracomment>
        <translation>Eliminar transpondedor</translation>
    </message>
    <message>
        <source>Delete transponder %1</source>
        <extracomment>The name of an edit step (Undo/Redo). %1: the transponder (frequency, symbol rate, polarisation).</extracomment>
        <translation>Eliminar transpondedor %1</translation>
    </message>
    <message>
        <source>Edit LNB %1</source>
        <extracomment>The name of an edit step (Undo/Redo). %1: the LNB type&apos;s name, e.g. Type1.</extracomment>
        <translation>Editar LNB %1</translation>
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
        <translation>%1 &quot;%2&quot; no es un número entero</translation>
    </message>
    <message>
        <source>the file declares entities, which are not accepted</source>
        <translation>el archivo declara entidades, que no se aceptan</translation>
    </message>
    <message>
        <source>the file holds no &lt;satellites&gt; element</source>
        <translation>el archivo no contiene ningún elemento &lt;satellites&gt;</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is the line number, %2 what is wrong there</extracomment>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>the file ends before its elements are closed (is it cut off?)</source>
        <translation>el archivo termina antes de cerrar sus elementos (¿está cortado?)</translation>
    </message>
    <message>
        <source>not well-formed XML: %1</source>
        <extracomment>%1 is the XML reader&apos;s own message</extracomment>
        <translation>XML mal formado: %1</translation>
    </message>
    <message>
        <source>the root element is &lt;%1&gt;, not &lt;satellites&gt;</source>
        <extracomment>%1 is the name of the file&apos;s first element</extracomment>
        <translation>el elemento raíz es &lt;%1&gt;, no &lt;satellites&gt;</translation>
    </message>
    <message>
        <source>the satellite has no position</source>
        <translation>el satélite no tiene posición</translation>
    </message>
    <message>
        <source>position %1 lies outside -1800 to 1800 (180.0W to 180.0E)</source>
        <extracomment>%1 is the position in tenths of a degree, east positive</extracomment>
        <translation>la posición %1 está fuera del rango de -1800 a 1800 (180.0W a 180.0E)</translation>
    </message>
    <message>
        <source>more than %1 satellites</source>
        <extracomment>%1 is the most satellites a file may hold</extracomment>
        <translation>más de %1 satélites</translation>
    </message>
    <message>
        <source>the transponder lacks its frequency, symbol_rate or polarization</source>
        <extracomment>frequency, symbol_rate and polarization are the names of XML attributes; keep them</extracomment>
        <translation>al transpondedor le falta frequency, symbol_rate o polarization</translation>
    </message>
    <message>
        <source>polarization &quot;%1&quot; is not 0, 1, 2 or 3</source>
        <extracomment>%1 is the value of the XML attribute polarization</extracomment>
        <translation>polarization &quot;%1&quot; no es 0, 1, 2 ni 3</translation>
    </message>
    <message>
        <source>frequency %1 is not above 0</source>
        <extracomment>%1 is the value of the XML attribute frequency</extracomment>
        <translation>frequency %1 no es mayor que 0</translation>
    </message>
    <message>
        <source>symbol_rate %1 is not above 0</source>
        <extracomment>%1 is the value of the XML attribute symbol_rate</extracomment>
        <translation>symbol_rate %1 no es mayor que 0</translation>
    </message>
    <message>
        <source>more than %1 transponders</source>
        <extracomment>%1 is the most transponders a file may hold</extracomment>
        <translation>más de %1 transpondedores</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB, far more than any transponder list</source>
        <extracomment>%1 is the largest size accepted, in megabytes</extracomment>
        <translation>el archivo ocupa más de %1 MB, mucho más que cualquier lista de transpondedores</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>no se puede leer: %1</translation>
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
        <translation>%1 (línea %2)</translation>
    </message>
    <message>
        <source>%1 (line %2), does not fit</source>
        <translation>%1 (línea %2), no cabe</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>%1 is a line number of the file, %2 why the transponder there is skipped.</extracomment>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>Import satellites.xml</source>
        <extracomment>satellites.xml is a file name and stays as it is.</extracomment>
        <translation>Importar satellites.xml</translation>
    </message>
    <message>
        <source>Satellite</source>
        <extracomment>Column caption: a satellite of the image.</extracomment>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>LNB type</source>
        <extracomment>Column caption: the LNB type the satellite uses.</extracomment>
        <translation>Tipo de LNB</translation>
    </message>
    <message>
        <source>Takes from the file</source>
        <extracomment>Column caption: the satellite of the file whose transponders it takes.</extracomment>
        <translation>Toma del archivo</translation>
    </message>
    <message>
        <source>Added as</source>
        <extracomment>Column caption: the name and position the new satellite gets.</extracomment>
        <translation>Añadido como</translation>
    </message>
    <message>
        <source>Transponders</source>
        <extracomment>Column caption: the number of transponders.</extracomment>
        <translation>Transpondedores</translation>
    </message>
    <message>
        <source>Satellite in the file</source>
        <extracomment>Column caption: the satellite as the file names it.</extracomment>
        <translation>Satélite en el archivo</translation>
    </message>
    <message>
        <source>Changes</source>
        <extracomment>A tab (a noun): the changes the import makes.</extracomment>
        <translation>Cambios</translation>
    </message>
    <message>
        <source>Satellites of the image</source>
        <translation>Satélites de la imagen</translation>
    </message>
    <message>
        <source>Add satellites</source>
        <translation>Añadir satélites</translation>
    </message>
    <message>
        <source>Take DVB-S2 transponders too (the receiver tunes DVB-S)</source>
        <translation>Tomar también transpondedores DVB-S2 (el receptor sintoniza DVB-S)</translation>
    </message>
    <message>
        <source>Delete transponders not in the file that carry no channels</source>
        <translation>Eliminar los transpondedores sin canales que no están en el archivo</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <extracomment>%1 is a satellite as the file names it, %2 its line in the file.</extracomment>
        <translation>%1, línea %2</translation>
    </message>
    <message>
        <source>Not in the file</source>
        <translation>No está en el archivo</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>%1 → %2 kS/s (line %3)</source>
        <extracomment>%1 is a transponder (&quot;11747/27500/V&quot;), %2 its new symbol rate, %3 its line in the file.</extracomment>
        <translation>%1 → %2 kS/s (línea %3)</translation>
    </message>
    <message>
        <source>%1, %2, to be deleted</source>
        <translation>%1, %2, se eliminará</translation>
    </message>
    <message>
        <source>To add</source>
        <extracomment>A group of transponders to add.</extracomment>
        <translation>Por añadir</translation>
    </message>
    <message>
        <source>Updated</source>
        <extracomment>A group of transponders that get a new symbol rate.</extracomment>
        <translation>Actualizados</translation>
    </message>
    <message>
        <source>Skipped</source>
        <extracomment>A group of transponders of the file that are not taken.</extracomment>
        <translation>Omitidos</translation>
    </message>
    <message>
        <source>New satellite %1, %2</source>
        <translation>Nuevo satélite %1, %2</translation>
    </message>
    <message>
        <source>New satellite %1, %2, does not fit</source>
        <translation>Nuevo satélite %1, %2, no cabe</translation>
    </message>
    <message>
        <source>%1 of the image found in the file: %2 to add, %3 updated, %4 not in the file (%5 to be deleted).</source>
        <translation>%1 de la imagen encontrados en el archivo: %2 por añadir, %3 actualizados, %4 no están en el archivo (%5 se eliminarán).</translation>
    </message>
    <message>
        <source>%1 of the image found in the file: %2 to add, %3 updated, %4 not in the file.</source>
        <extracomment>%1 is a number of satellites (&quot;2 satellites&quot;), %2 a number of transponders, %3 and %4 numbers of transponders.</extracomment>
        <translation>%1 de la imagen encontrados en el archivo: %2 por añadir, %3 actualizados, %4 no están en el archivo.</translation>
    </message>
    <message>
        <source>New: %1 with %2.</source>
        <extracomment>%1 is a number of satellites (&quot;2 satellites&quot;), %2 a number of transponders.</extracomment>
        <translation>Nuevos: %1 con %2.</translation>
    </message>
    <message>
        <source>Skipped: %1 (%2 DVB-S2).</source>
        <extracomment>%1 is a number of transponders, %2 how many of them are DVB-S2.</extracomment>
        <translation>Omitidos: %1 (%2 DVB-S2).</translation>
    </message>
    <message>
        <source>Does not fit the tables (%1 satellites, %2 transponders): %3 and %4; OK adds what fits, in the order shown.</source>
        <extracomment>%1 and %2 are the sizes of the image&apos;s tables, %3 a number of satellites (&quot;2 satellites&quot;), %4 a number of transponders.</extracomment>
        <translation>No cabe en las tablas (%1 satélites, %2 transpondedores): %3 y %4; Aceptar añade lo que cabe, en el orden mostrado.</translation>
    </message>
    <message>
        <source>Does not fit the tables (%1 satellites, %2 transponders): %3 and %4; nothing else changes, so OK changes nothing.</source>
        <translation>No cabe en las tablas (%1 satélites, %2 transpondedores): %3 y %4; no cambia nada más, así que Aceptar no cambia nada.</translation>
    </message>
    <message>
        <source>The file changes nothing.</source>
        <translation>El archivo no cambia nada.</translation>
    </message>
</context>
<context>
    <name>SendCheck</name>
    <message>
        <source>outside the tables</source>
        <translation>fuera de las tablas</translation>
    </message>
    <message>
        <source>past the image</source>
        <translation>más allá del final de la imagen</translation>
    </message>
    <message>
        <source>sector header %1</source>
        <extracomment>%1 is the sector&apos;s number</extracomment>
        <translation>cabecera de sector %1</translation>
    </message>
    <message>
        <source>satellite slot %1</source>
        <extracomment>%1 is the slot&apos;s number</extracomment>
        <translation>registro de satélite %1</translation>
    </message>
    <message>
        <source>transponder mark %1</source>
        <extracomment>%1 is the mark&apos;s number</extracomment>
        <translation>marca de transpondedor %1</translation>
    </message>
    <message>
        <source>the settings block</source>
        <translation>el bloque de ajustes</translation>
    </message>
    <message>
        <source>transponder slot %1</source>
        <extracomment>%1 is the slot&apos;s number</extracomment>
        <translation>registro de transpondedor %1</translation>
    </message>
    <message>
        <source>channel slot %1</source>
        <extracomment>%1 is the slot&apos;s number</extracomment>
        <translation>registro de canal %1</translation>
    </message>
    <message>
        <source>byte %1 (%2, %3): sent %4, the receiver holds %5</source>
        <extracomment>%1 is the offset, %2 the same in hex, %3 where it lies, %4 and %5 the byte values in hex</extracomment>
        <translation>byte %1 (%2, %3): enviado %4, el receptor tiene %5</translation>
    </message>
    <message>
        <source>The receiver holds an image that differs from the one sent in 1 byte:</source>
        <translation>La imagen del receptor difiere de la enviada en 1 byte:</translation>
    </message>
    <message>
        <source>The receiver holds an image that differs from the one sent in %1 bytes:</source>
        <extracomment>%1 is the number of bytes (more than one)</extracomment>
        <translation>La imagen del receptor difiere de la enviada en %1 bytes:</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <extracomment>%1 is the number of differing bytes not listed</extracomment>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>The receiver holds exactly the image that was sent.</source>
        <translation>El receptor tiene exactamente la imagen que se envió.</translation>
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
        <translation>Satélites %1/%2, Transpondedores %3/%4, Canales %5/%6</translation>
    </message>
    <message>
        <source>Untitled</source>
        <extracomment>Status line: the image has no file yet.</extracomment>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>Modified</source>
        <extracomment>Status line: the image has unsaved changes.</extracomment>
        <translation>Modificado</translation>
    </message>
</context>
<context>
    <name>SystemSettingsPage</name>
    <message>
        <source>System Setting</source>
        <extracomment>Group title: the receiver&apos;s system settings.</extracomment>
        <translation>Ajustes del sistema</translation>
    </message>
    <message>
        <source>Menu Language</source>
        <translation>Idioma del menú</translation>
    </message>
    <message>
        <source>Main audio Lang</source>
        <extracomment>The receiver&apos;s main audio language.</extracomment>
        <translation>Idioma de audio 1</translation>
    </message>
    <message>
        <source>2nd Audio Lang</source>
        <extracomment>The receiver&apos;s second audio language.</extracomment>
        <translation>Idioma de audio 2</translation>
    </message>
    <message>
        <source>GMT Usage</source>
        <extracomment>Whether the receiver uses GMT (Off/On).</extracomment>
        <translation>Usar GMT</translation>
    </message>
    <message>
        <source>Select Time Zone</source>
        <translation>Zona horaria</translation>
    </message>
    <message>
        <source>Summer Time</source>
        <translation>Horario de verano</translation>
    </message>
    <message>
        <source>Time Offset</source>
        <extracomment>The receiver&apos;s time offset.</extracomment>
        <translation>Desfase horario</translation>
    </message>
    <message>
        <source>Aspect</source>
        <extracomment>The TV picture&apos;s aspect ratio (4:3, 16:9).</extracomment>
        <translation>Aspecto</translation>
    </message>
    <message>
        <source>Delay Time</source>
        <extracomment>A receiver setting whose values are ALWAYS, 2 Sec .. 7 Sec.</extracomment>
        <translation>Tiempo de retardo</translation>
    </message>
    <message>
        <source>Transparency</source>
        <extracomment>The transparency of the receiver&apos;s on-screen display.</extracomment>
        <translation>Transparencia</translation>
    </message>
    <message>
        <source>Color</source>
        <extracomment>The TV colour system (Auto, PAL, NTSC).</extracomment>
        <translation>Color</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>The TV sound system (M, B/G, I, D/K).</extracomment>
        <translation>Sonido</translation>
    </message>
    <message>
        <source> RF Channel</source>
        <extracomment>The UHF channel of the receiver&apos;s RF modulator output.</extracomment>
        <translation> Canal RF</translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>Group title: figures the receiver keeps.</extracomment>
        <translation>Estado</translation>
    </message>
    <message>
        <source>TV Num</source>
        <extracomment>The number of TV channels.</extracomment>
        <translation>N.º TV</translation>
    </message>
    <message>
        <source>Radio Num</source>
        <extracomment>The number of radio channels.</extracomment>
        <translation>N.º radio</translation>
    </message>
    <message>
        <source>Total Channl</source>
        <extracomment>The total number of channels (the receiver&apos;s own spelling).</extracomment>
        <translation>Total canales</translation>
    </message>
    <message>
        <source>Volume L</source>
        <extracomment>The left audio channel&apos;s volume.</extracomment>
        <translation>Volumen I</translation>
    </message>
    <message>
        <source>Volume R</source>
        <extracomment>The right audio channel&apos;s volume.</extracomment>
        <translation>Volumen D</translation>
    </message>
    <message>
        <source>StandBy</source>
        <extracomment>The receiver&apos;s standby setting (No/Yes).</extracomment>
        <translation>Reposo</translation>
    </message>
    <message>
        <source>Parent Lock</source>
        <extracomment>Group title: the parental lock.</extracomment>
        <translation>Control parental</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <extracomment>The parental lock&apos;s PIN.</extracomment>
        <translation>Código PIN</translation>
    </message>
    <message>
        <source>Lock Receiver</source>
        <extracomment>Parental lock of the whole receiver (Free/Locked).</extracomment>
        <translation>Bloquear receptor</translation>
    </message>
    <message>
        <source>Lock Menu</source>
        <extracomment>Parental lock of the receiver&apos;s menu (Free/Locked).</extracomment>
        <translation>Bloquear menú</translation>
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
        <translation>¡El puerto COM seleccionado no es válido o ya está abierto!</translation>
    </message>
    <message>
        <source>Error!</source>
        <extracomment>follows a message about a failed transfer</extracomment>
        <translation>¡Error!</translation>
    </message>
    <message>
        <source>Please Select Port type and press the Start button!</source>
        <translation>¡Seleccione el tipo de puerto y pulse el botón Iniciar!</translation>
    </message>
    <message>
        <source>Waiting for handshake signal!</source>
        <translation>¡Esperando la señal de conexión!</translation>
    </message>
    <message>
        <source>Data is transmitting form STB!</source>
        <extracomment>STB: the set-top box, the receiver</extracomment>
        <translation>¡Recibiendo datos del receptor!</translation>
    </message>
    <message>
        <source>Data is uploading to STB!</source>
        <translation>¡Enviando datos al receptor!</translation>
    </message>
    <message>
        <source>You have select wrong direction</source>
        <extracomment>the receiver was set to receive when the PC sends, or the other way round</extracomment>
        <translation>Ha seleccionado la dirección equivocada</translation>
    </message>
    <message>
        <source>Data have been uploaded to STB</source>
        <translation>Los datos se han enviado al receptor</translation>
    </message>
    <message>
        <source>Data have been DownLoaded and saved to %1</source>
        <extracomment>%1 is the path the received image was saved to</extracomment>
        <translation>Los datos se han recibido y guardado en %1</translation>
    </message>
    <message>
        <source>Data from PC to IRD</source>
        <extracomment>IRD: the receiver</extracomment>
        <translation>Datos del PC al IRD</translation>
    </message>
    <message>
        <source>Data from IRD to PC</source>
        <extracomment>IRD: the receiver</extracomment>
        <translation>Datos del IRD al PC</translation>
    </message>
</context>
<context>
    <name>TransponderDialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Freq:</source>
        <extracomment>Short for the transponder&apos;s frequency.</extracomment>
        <translation>Frec.:</translation>
    </message>
    <message>
        <source>Symbol Rate:</source>
        <translation>Tasa de símbolos:</translation>
    </message>
    <message>
        <source>Polarity:</source>
        <extracomment>The transponder&apos;s polarisation, H or V.</extracomment>
        <translation>Polarización:</translation>
    </message>
    <message>
        <source>MHz (%1 to %2)</source>
        <extracomment>After the frequency box. %1 and %2: the lowest and highest frequency accepted, in MHz.</extracomment>
        <translation>MHz (%1 a %2)</translation>
    </message>
    <message>
        <source>Freq (MHz)</source>
        <extracomment>Names the frequency box in a message: &quot;Freq (MHz) takes a number from ...&quot;.</extracomment>
        <translation>Frec. (MHz)</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <extracomment>Names the symbol rate box in a message: &quot;Symbol Rate takes a number from ...&quot;.</extracomment>
        <translation>Tasa de símbolos</translation>
    </message>
</context>
<context>
    <name>TransponderUpdate</name>
    <message>
        <source>frequency %1 kHz does not fit the receiver&apos;s 1 to 65535 MHz</source>
        <extracomment>%1 is the list&apos;s frequency in kHz</extracomment>
        <translation>la frecuencia %1 kHz no cabe en el rango de 1 a 65535 MHz del receptor</translation>
    </message>
    <message>
        <source>symbol rate %1 does not fit the receiver&apos;s 1 to 65535 kS/s</source>
        <translation>la tasa de símbolos %1 no cabe en el rango de 1 a 65535 kS/s del receptor</translation>
    </message>
    <message>
        <source>DVB-S2, left out; the image&apos;s %1/%2/%3 stays as it is</source>
        <extracomment>%1 frequency in MHz, %2 symbol rate in kS/s, %3 polarization V or H</extracomment>
        <translation>DVB-S2, omitido; el %1/%2/%3 de la imagen queda como está</translation>
    </message>
    <message>
        <source>repeats the transponder of line %1</source>
        <translation>repite el transpondedor de la línea %1</translation>
    </message>
    <message>
        <source>DVB-S2, left out</source>
        <translation>DVB-S2, omitido</translation>
    </message>
</context>
<context>
    <name>vormante::AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Version  Num: %1</source>
        <extracomment>%1 is the program&apos;s version number, e.g. 1.4.0</extracomment>
        <translation>Versión: %1</translation>
    </message>
</context>
<context>
    <name>vormante::DataCommands</name>
    <message>
        <source>%1 has unsaved changes. Save them before sending?

Otherwise the receiver gets the file as it was last saved.</source>
        <extracomment>%1 is the file name, or &quot;The image&quot; when it has none</extracomment>
        <translation>%1 tiene cambios sin guardar. ¿Guardarlos antes de enviar?

Si no, el receptor recibe el archivo tal como se guardó por última vez.</translation>
    </message>
    <message>
        <source>Open the received image %1 in the editor?</source>
        <extracomment>%1 is the path of the file the received image was saved to</extracomment>
        <translation>¿Abrir en el editor la imagen recibida %1?</translation>
    </message>
    <message>
        <source>Data From PC To IRD</source>
        <translation>Datos del PC al IRD</translation>
    </message>
    <message>
        <source>The image</source>
        <translation>La imagen</translation>
    </message>
    <message>
        <source>the received image</source>
        <translation>la imagen recibida</translation>
    </message>
    <message>
        <source>Data From IRD To PC</source>
        <translation>Datos del IRD al PC</translation>
    </message>
</context>
<context>
    <name>vormante::ExchangeCommands</name>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <extracomment>%1 is the path, %2 the system&apos;s reason</extracomment>
        <translation>%1 no se pudo escribir: %2.</translation>
    </message>
</context>
<context>
    <name>vormante::FileCommands</name>
    <message>
        <source>Open</source>
        <extracomment>a dialog title</extracomment>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>The backup file %1 could not be written: %2.

Replace %3 without a backup?</source>
        <extracomment>%1 is the backup file, %2 the system&apos;s reason, %3 the file to be replaced</extracomment>
        <translation>No se pudo escribir la copia de seguridad %1: %2.

¿Reemplazar %3 sin copia de seguridad?</translation>
    </message>
    <message>
        <source>The backup file %1 could not be written: %2.

Nothing was saved; the changes are still open in the editor.</source>
        <translation>No se pudo escribir la copia de seguridad %1: %2.

No se guardó nada; los cambios siguen abiertos en el editor.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.

The file may be incomplete; its previous content is in the backup file. The changes are still open in the editor.</source>
        <translation>%1 no se pudo escribir: %2.

El archivo puede estar incompleto; su contenido anterior está en la copia de seguridad. Los cambios siguen abiertos en el editor.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.

The file keeps its previous content; the changes are still open in the editor.</source>
        <translation>%1 no se pudo escribir: %2.

El archivo conserva su contenido anterior; los cambios siguen abiertos en el editor.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Choose another name for the changes.</source>
        <translation>Elija otro nombre para los cambios.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.

The changes are still open in the editor.</source>
        <translation>%1 no se pudo escribir: %2.

Los cambios siguen abiertos en el editor.</translation>
    </message>
    <message>
        <source>Unsaved changes in the image, which has no file yet.</source>
        <translation>Cambios sin guardar en la imagen, que aún no tiene archivo.</translation>
    </message>
    <message>
        <source>Unsaved changes in %1.</source>
        <extracomment>%1 is the file name</extracomment>
        <translation>Cambios sin guardar en %1.</translation>
    </message>
    <message>
        <source>%1 now holds %2.</source>
        <extracomment>%1 is the file name, %2 what it holds now, e.g. &quot;the received image&quot;</extracomment>
        <translation>%1 contiene ahora %2.</translation>
    </message>
    <message>
        <source>Save asks for another name for them.</source>
        <translation>Al guardar se pedirá otro nombre para ellos.</translation>
    </message>
    <message>
        <source>Data has been changed,do you want to change!</source>
        <translation>Los datos han cambiado. ¿Desea guardar los cambios?</translation>
    </message>
    <message>
        <source>File open error!</source>
        <translation>¡Error al abrir el archivo!</translation>
    </message>
    <message>
        <source>BIN data</source>
        <extracomment>the file type in file dialogs</extracomment>
        <translation>Datos BIN</translation>
    </message>
</context>
<context>
    <name>vormante::LanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The choice that follows the desktop&apos;s language</extracomment>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>Vormante shows the chosen language the next time it starts.</source>
        <translation>Vormante mostrará el idioma elegido la próxima vez que se inicie.</translation>
    </message>
</context>
<context>
    <name>vormante::ListCommands</name>
    <message>
        <source>Export txt file</source>
        <translation>Exportar archivo txt</translation>
    </message>
    <message>
        <source>The channel list was written to %1.</source>
        <translation>La lista de canales se escribió en %1.</translation>
    </message>
    <message>
        <source>Import txt file</source>
        <translation>Importar archivo txt</translation>
    </message>
    <message>
        <source>%1 is not a channel list and was not imported: %2.</source>
        <extracomment>%1 is the file name, %2 the reason</extracomment>
        <translation>%1 no es una lista de canales y no se importó: %2.</translation>
    </message>
    <message>
        <source>Import %1</source>
        <extracomment>an undo step; %1 is the file name</extracomment>
        <translation>Importar %1</translation>
    </message>
    <message>
        <source>The image has changed since the list was read; nothing was imported.</source>
        <translation>La imagen ha cambiado desde que se leyó la lista; no se importó nada.</translation>
    </message>
    <message>
        <source>Order like another image</source>
        <translation>Ordenar como otra imagen</translation>
    </message>
    <message>
        <source>Order like %1</source>
        <extracomment>an undo step; %1 is the file name of the other image</extracomment>
        <translation>Ordenar como %1</translation>
    </message>
    <message>
        <source>The image has changed since the order was planned; nothing was changed.</source>
        <translation>La imagen ha cambiado desde que se planificó el orden; no se cambió nada.</translation>
    </message>
    <message>
        <source>Compare with</source>
        <translation>Comparar con</translation>
    </message>
    <message>
        <source>Delete 1 duplicate channel</source>
        <extracomment>an undo step</extracomment>
        <translation>Eliminar 1 canal duplicado</translation>
    </message>
    <message>
        <source>Delete %1 duplicate channels</source>
        <extracomment>an undo step; %1 is the number of channels (more than one)</extracomment>
        <translation>Eliminar %1 canales duplicados</translation>
    </message>
    <message>
        <source>The image has changed since the duplicates were found; nothing was deleted.</source>
        <translation>La imagen ha cambiado desde que se encontraron los duplicados; no se eliminó nada.</translation>
    </message>
    <message>
        <source>Channel list</source>
        <extracomment>the file type in file dialogs</extracomment>
        <translation>Lista de canales</translation>
    </message>
</context>
<context>
    <name>vormante::MainWindow</name>
    <message>
        <source>File</source>
        <extracomment>a menu</extracomment>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Open ...</source>
        <translation>Abrir...</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>a command</extracomment>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save as ...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Export txt file</source>
        <translation>Exportar archivo txt</translation>
    </message>
    <message>
        <source>Import txt file</source>
        <translation>Importar archivo txt</translation>
    </message>
    <message>
        <source>Order like another image...</source>
        <translation>Ordenar como otra imagen...</translation>
    </message>
    <message>
        <source>Compare with...</source>
        <translation>Comparar con...</translation>
    </message>
    <message>
        <source>Order by a list of names...</source>
        <translation>Ordenar según una lista de nombres...</translation>
    </message>
    <message>
        <source>Export names...</source>
        <translation>Exportar nombres...</translation>
    </message>
    <message>
        <source>Archive...</source>
        <translation>Archivo de imágenes...</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Archivos recientes</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>a command: quits the program</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Data</source>
        <extracomment>the menu of transfers to and from the receiver</extracomment>
        <translation>Datos</translation>
    </message>
    <message>
        <source>Data From PC To IRD</source>
        <extracomment>IRD: the receiver (integrated receiver-decoder)</extracomment>
        <translation>Datos del PC al IRD</translation>
    </message>
    <message>
        <source>Data From IRD To PC</source>
        <translation>Datos del IRD al PC</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>a menu</extracomment>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Language...</source>
        <translation>Idioma...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Edit</source>
        <extracomment>a menu</extracomment>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Filter list</source>
        <translation>Filtrar lista</translation>
    </message>
    <message>
        <source>Find channel...</source>
        <translation>Buscar canal...</translation>
    </message>
    <message>
        <source>Find duplicates</source>
        <translation>Buscar duplicados</translation>
    </message>
    <message>
        <source>Keep this order</source>
        <translation>Conservar este orden</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <extracomment>the toolbar&apos;s name, shown by some desktops</extracomment>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>a toolbar tip: opens an image file</extracomment>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Untitled</source>
        <extracomment>the name of an image that has no file yet</extracomment>
        <translation>Sin título</translation>
    </message>
</context>
<context>
    <name>vormante::NameListCommands</name>
    <message>
        <source>Order by a list of names</source>
        <translation>Ordenar según una lista de nombres</translation>
    </message>
    <message>
        <source>%1 is not a list of names and was not used: %2.</source>
        <extracomment>%1 is the file name, %2 the reason</extracomment>
        <translation>%1 no es una lista de nombres y no se usó: %2.</translation>
    </message>
    <message>
        <source>Order %1 TV by %2</source>
        <extracomment>an undo step; %1 is the satellite, %2 the file name of the list</extracomment>
        <translation>Ordenar TV de %1 según %2</translation>
    </message>
    <message>
        <source>Order %1 radio by %2</source>
        <extracomment>an undo step; %1 is the satellite, %2 the file name of the list</extracomment>
        <translation>Ordenar radio de %1 según %2</translation>
    </message>
    <message>
        <source>The image has changed since the list was matched; nothing was changed.</source>
        <translation>La imagen ha cambiado desde que se comparó la lista; no se cambió nada.</translation>
    </message>
    <message>
        <source>Show the satellite whose channel names to export first.</source>
        <translation>Muestre primero el satélite cuyos nombres de canal quiere exportar.</translation>
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
        <translation>Exportar nombres</translation>
    </message>
    <message>
        <source>List of names</source>
        <extracomment>the file type in file dialogs</extracomment>
        <translation>Lista de nombres</translation>
    </message>
</context>
<context>
    <name>vormante::PortOptionDialog</name>
    <message>
        <source>Option</source>
        <extracomment>the title of the dialog that chooses the serial port</extracomment>
        <translation>Opciones</translation>
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
        <source>COM Port:</source>
        <extracomment>COM: a serial port</extracomment>
        <translation>Puerto COM:</translation>
    </message>
</context>
<context>
    <name>vormante::RecentFiles</name>
    <message>
        <source>The file %1 no longer exists. It has been taken off the list of recent files.</source>
        <translation>El archivo %1 ya no existe. Se ha quitado de la lista de archivos recientes.</translation>
    </message>
    <message>
        <source>Clear list</source>
        <translation>Vaciar lista</translation>
    </message>
</context>
<context>
    <name>vormante::SatellitesXmlCommands</name>
    <message>
        <source>Import satellites.xml...</source>
        <translation>Importar satellites.xml...</translation>
    </message>
    <message>
        <source>Export satellites.xml...</source>
        <translation>Exportar satellites.xml...</translation>
    </message>
    <message>
        <source>Import satellites.xml</source>
        <translation>Importar satellites.xml</translation>
    </message>
    <message>
        <source>%1 was not imported: %2.</source>
        <extracomment>%1 is the file name, %2 the reason</extracomment>
        <translation>%1 no se importó: %2.</translation>
    </message>
    <message>
        <source>The image has changed since the file was read; nothing was imported.</source>
        <translation>La imagen ha cambiado desde que se leyó el archivo; no se importó nada.</translation>
    </message>
    <message>
        <source>Export satellites.xml</source>
        <translation>Exportar satellites.xml</translation>
    </message>
    <message>
        <source>Update transponders from satellites.xml</source>
        <extracomment>an undo step</extracomment>
        <translation>Actualizar transpondedores desde satellites.xml</translation>
    </message>
</context>
<context>
    <name>vormante::TransferDialog</name>
    <message>
        <source>BIN data</source>
        <extracomment>the file type in file dialogs</extracomment>
        <translation>Datos BIN</translation>
    </message>
    <message>
        <source>Check what the receiver now holds</source>
        <translation>Comprobar lo que tiene ahora el receptor</translation>
    </message>
    <message>
        <source>Port:</source>
        <extracomment>the serial port</extracomment>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>a button: starts listening for the receiver</extracomment>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>a button: stops listening</extracomment>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>a button: closes the window</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <extracomment>%1 is the path</extracomment>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>the receiver&apos;s image</source>
        <translation>la imagen del receptor</translation>
    </message>
    <message>
        <source>The channel lists do not differ: the bytes above lie outside what they show.</source>
        <translation>Las listas de canales no difieren: los bytes anteriores están fuera de lo que muestran.</translation>
    </message>
    <message>
        <source>The image has 1 problem that the receiver may not handle. Send it anyway?</source>
        <translation>La imagen tiene 1 problema que el receptor quizá no pueda manejar. ¿Enviarla de todos modos?</translation>
    </message>
    <message>
        <source>The image has %1 problems that the receiver may not handle. Send it anyway?</source>
        <extracomment>%1 is the number of problems (more than one)</extracomment>
        <translation>La imagen tiene %1 problemas que el receptor quizá no pueda manejar. ¿Enviarla de todos modos?</translation>
    </message>
    <message>
        <source>Send anyway</source>
        <translation>Enviar igualmente</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Start sending on the receiver now. The image it holds comes back here, is kept in the archive and is compared byte for byte with %1.</source>
        <extracomment>%1 is the file name of the image sent</extracomment>
        <translation>Inicie ahora el envío en el receptor. La imagen que contiene vuelve aquí, se guarda en el archivo de imágenes y se compara byte a byte con %1.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>vormante::TransferEngine</name>
    <message>
        <source>No handshake from the receiver yet: it must be in its update mode, and the cable must be connected.</source>
        <translation>El receptor aún no ha enviado la señal de conexión: debe estar en su modo de actualización y el cable debe estar conectado.</translation>
    </message>
    <message>
        <source>The receiver stopped answering: nothing arrived from it for 1 second.
The transfer has been stopped.</source>
        <translation>El receptor ha dejado de responder: no ha llegado nada de él durante 1 segundo.
Se ha detenido la transferencia.</translation>
    </message>
    <message>
        <source>The receiver stopped answering: nothing arrived from it for %1 seconds.
The transfer has been stopped.</source>
        <extracomment>%1 is the number of seconds (more than one)</extracomment>
        <translation>El receptor ha dejado de responder: no ha llegado nada de él durante %1 segundos.
Se ha detenido la transferencia.</translation>
    </message>
    <message>
        <source>The received image has 1 problem (broken chains, wrong counts or channel numbers). It was saved as the receiver holds it; opening it in the editor lists the problems.</source>
        <translation>La imagen recibida tiene 1 problema (cadenas rotas, recuentos o números de canal incorrectos). Se guardó tal como la tiene el receptor; al abrirla en el editor se enumeran los problemas.</translation>
    </message>
    <message>
        <source>The received image has %1 problems (broken chains, wrong counts or channel numbers). It was saved as the receiver holds it; opening it in the editor lists the problems.</source>
        <extracomment>%1 is the number of problems (more than one)</extracomment>
        <translation>La imagen recibida tiene %1 problemas (cadenas rotas, recuentos o números de canal incorrectos). Se guardó tal como la tiene el receptor; al abrirla en el editor se enumeran los problemas.</translation>
    </message>
    <message>
        <source>The received data have not been saved.
Do you want to discard them?</source>
        <translation>Los datos recibidos no se han guardado.
¿Desea descartarlos?</translation>
    </message>
    <message>
        <source>The received data could not be saved to %1:
%2

Choose another name, or cancel to discard them.</source>
        <extracomment>%1 is the path, %2 the system&apos;s reason</extracomment>
        <translation>Los datos recibidos no se pudieron guardar en %1:
%2

Elija otro nombre o cancele para descartarlos.</translation>
    </message>
    <message>
        <source>The connection to the receiver was lost.</source>
        <translation>Se ha perdido la conexión con el receptor.</translation>
    </message>
    <message>
        <source>The connection to the receiver was lost (%1).</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Se ha perdido la conexión con el receptor (%1).</translation>
    </message>
    <message>
        <source>The transfer has been stopped.</source>
        <translation>Se ha detenido la transferencia.</translation>
    </message>
    <message>
        <source>no file was chosen</source>
        <translation>no se eligió ningún archivo</translation>
    </message>
    <message>
        <source>The file %1 is not sent: it is not a regular file (a pipe, a device or a folder), and a receiver image is always a plain file.</source>
        <translation>El archivo %1 no se envía: no es un archivo normal (es una tubería, un dispositivo o una carpeta), y una imagen del receptor siempre es un archivo normal.</translation>
    </message>
    <message>
        <source>The file %1 can&apos;t be opened:
%2</source>
        <extracomment>%1 is the path, %2 the system&apos;s reason</extracomment>
        <translation>El archivo %1 no se puede abrir:
%2</translation>
    </message>
    <message>
        <source>The file %1 is not sent: it holds %2 bytes, and a receiver image is exactly %3 bytes.
Padding it would overwrite the receiver&apos;s database with zeros.</source>
        <extracomment>%1 is the path, %2 the file&apos;s size, %3 an image&apos;s size</extracomment>
        <translation>El archivo %1 no se envía: tiene %2 bytes, y una imagen del receptor tiene exactamente %3 bytes.
Rellenarlo sobrescribiría la base de datos del receptor con ceros.</translation>
    </message>
    <message>
        <source>The file %1 is not sent: it is longer than a receiver image, which is exactly %2 bytes.</source>
        <extracomment>%1 is the path, %2 an image&apos;s size</extracomment>
        <translation>El archivo %1 no se envía: es más largo que una imagen del receptor, que tiene exactamente %2 bytes.</translation>
    </message>
</context>
</TS>
