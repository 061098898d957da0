<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ArchiveDialog</name>
    <message>
        <source>Time</source>
        <extracomment>Column caption: when the image was archived.</extracomment>
        <translation>Date</translation>
    </message>
    <message>
        <source>Kind</source>
        <extracomment>Column caption: received, sent or kept before saving.</extracomment>
        <translation>Type</translation>
    </message>
    <message>
        <source>File or port</source>
        <extracomment>Column caption: the file saved or the serial port used.</extracomment>
        <translation>Fichier ou port</translation>
    </message>
    <message>
        <source>Satellites</source>
        <extracomment>Column caption: the number of satellites in the image.</extracomment>
        <translation>Satellites</translation>
    </message>
    <message>
        <source>Transponders</source>
        <extracomment>Column caption: the number of transponders in the image.</extracomment>
        <translation>Transpondeurs</translation>
    </message>
    <message>
        <source>Channels</source>
        <extracomment>Column caption: the number of channels in the image.</extracomment>
        <translation>Chaînes</translation>
    </message>
    <message>
        <source>Received</source>
        <extracomment>An archived image&apos;s kind: received from the receiver.</extracomment>
        <translation>Reçue</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Envoyée</translation>
    </message>
    <message>
        <source>Before saving</source>
        <translation>Avant enregistrement</translation>
    </message>
    <message>
        <source>%1 (damaged)</source>
        <extracomment>%1 is an archived image&apos;s kind (Received, Sent, Before saving) whose file is damaged.</extracomment>
        <translation>%1 (endommagée)</translation>
    </message>
    <message>
        <source>Archive</source>
        <extracomment>The window of the images kept by the program (a noun).</extracomment>
        <translation>Archives</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>A button (a verb): open the archived image.</extracomment>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Compare with the open image</source>
        <translation>Comparer avec l&apos;image ouverte</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>A button (a verb): put the archived image into the open document.</extracomment>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>A button (a verb): delete the archived image.</extracomment>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Open the image as a new, unnamed document</source>
        <translation>Ouvrir l&apos;image comme nouveau document sans nom</translation>
    </message>
    <message>
        <source>Put the image into the open document, as one step Undo takes back</source>
        <translation>Placer l&apos;image dans le document ouvert, en une seule étape qu&apos;Annuler peut défaire</translation>
    </message>
    <message>
        <source>Keep at most</source>
        <extracomment>Before a number box; &quot;images&quot; follows it: &quot;Keep at most [50] images&quot;.</extracomment>
        <translation>Conserver au plus</translation>
    </message>
    <message>
        <source>images</source>
        <extracomment>After a number box: &quot;Keep at most [50] images&quot;.</extracomment>
        <translation>images</translation>
    </message>
    <message>
        <source>Restore image of %1</source>
        <extracomment>The name of an edit step: %1 is when the image was archived.</extracomment>
        <translation>Restaurer l&apos;image du %1</translation>
    </message>
    <message numerus="yes">
        <source>%n image in %1</source>
        <extracomment>%1 is the archive&apos;s folder.</extracomment>
        <translation>
            <numerusform>%n image dans %1</numerusform>
            <numerusform>%n images dans %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n images in %1</source>
        <translation>
            <numerusform>%n image dans %1</numerusform>
            <numerusform>%n images dans %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <extracomment>%1 names the archived image, %2 says why it cannot be read.</extracomment>
        <translation>Impossible de lire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>the open image</source>
        <translation>l&apos;image ouverte</translation>
    </message>
    <message>
        <source>The open image is already the same as %1.</source>
        <extracomment>%1 names the archived image.</extracomment>
        <translation>L&apos;image ouverte est déjà identique à %1.</translation>
    </message>
    <message>
        <source>Delete %1 from the archive?</source>
        <extracomment>%1 names the archived image.</extracomment>
        <translation>Supprimer %1 des archives&#xa0;?</translation>
    </message>
    <message>
        <source>%1 could not be deleted: %2.</source>
        <extracomment>%1 names the archived image, %2 says why it could not be deleted.</extracomment>
        <translation>Impossible de supprimer %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The archive holds %1 images. Keeping at most %2 removes %3 of them now: the oldest copies from before saving first, received images last. Go ahead?</source>
        <extracomment>%1 is the number of images held, %2 the new bound, %3 the number removed.</extracomment>
        <translation>Les archives contiennent %1 images. En conserver au plus %2 en supprime %3 dès maintenant&#xa0;: d&apos;abord les plus anciennes copies d&apos;avant enregistrement, les images reçues en dernier. Continuer&#xa0;?</translation>
    </message>
    <message>
        <source>The bound could not be changed: %1.</source>
        <extracomment>%1 says why the number of images kept could not be changed.</extracomment>
        <translation>Impossible de modifier la limite&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>ArchiveKeeper</name>
    <message>
        <source>the received image</source>
        <translation>l&apos;image reçue</translation>
    </message>
    <message>
        <source>the sent image</source>
        <translation>l&apos;image envoyée</translation>
    </message>
    <message>
        <source>the file content before saving</source>
        <translation>le contenu du fichier avant enregistrement</translation>
    </message>
    <message>
        <source>The archive could not keep %1: %2. Transfers and saves go on without it.</source>
        <extracomment>%1 is what was to be kept, e.g. &quot;the received image&quot;; %2 the reason</extracomment>
        <translation>Les archives n&apos;ont pas pu conserver %1&#xa0;: %2. Les transferts et les enregistrements continuent sans elles.</translation>
    </message>
    <message>
        <source>The archive kept %1, but %2.</source>
        <extracomment>%1 is what was kept, e.g. &quot;the received image&quot;; %2 what went wrong</extracomment>
        <translation>Les archives ont conservé %1, mais %2.</translation>
    </message>
    <message>
        <source>the image received on %1</source>
        <extracomment>%1 is the date and time</extracomment>
        <translation>l&apos;image reçue le %1</translation>
    </message>
    <message>
        <source>the image received on %1 from %2</source>
        <extracomment>%1 is the date and time, %2 the serial port</extracomment>
        <translation>l&apos;image reçue le %1 depuis %2</translation>
    </message>
    <message>
        <source>the image sent on %1</source>
        <extracomment>%1 is the date and time</extracomment>
        <translation>l&apos;image envoyée le %1</translation>
    </message>
    <message>
        <source>the image sent on %1 to %2</source>
        <extracomment>%1 is the date and time, %2 the file sent</extracomment>
        <translation>l&apos;image envoyée le %1 vers %2</translation>
    </message>
    <message>
        <source>the copy from before saving on %1</source>
        <extracomment>%1 is the date and time</extracomment>
        <translation>la copie d&apos;avant enregistrement du %1</translation>
    </message>
    <message>
        <source>the copy from before saving on %1 (%2)</source>
        <extracomment>%1 is the date and time, %2 the file&apos;s name</extracomment>
        <translation>la copie d&apos;avant enregistrement du %1 (%2)</translation>
    </message>
    <message>
        <source>The archive keeps at most %1 images: %2 was removed.</source>
        <extracomment>%1 is the archive&apos;s bound, %2 the image removed, e.g. &quot;the image sent on ...&quot;</extracomment>
        <translation>Les archives conservent au plus %1 images&#xa0;: %2 a été supprimée.</translation>
    </message>
    <message>
        <source>The archive keeps at most %1 images: %2 images were removed, the newest of them %3.</source>
        <extracomment>%1 is the archive&apos;s bound, %2 how many were removed, %3 the newest of them, e.g. &quot;the image sent on ...&quot;</extracomment>
        <translation>Les archives conservent au plus %1 images&#xa0;: %2 images ont été supprimées, la plus récente étant %3.</translation>
    </message>
</context>
<context>
    <name>BulkChannelCommands</name>
    <message numerus="yes">
        <source>%n channel</source>
        <extracomment>A number of channels in the name of an edit step, for example &quot;Move 3 channels to top&quot;.</extracomment>
        <translation>
            <numerusform>%n chaîne</numerusform>
            <numerusform>%n chaînes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n chaîne</numerusform>
            <numerusform>%n chaînes</numerusform>
        </translation>
    </message>
    <message>
        <source>Del Channel</source>
        <extracomment>The title of the question before channels are deleted.</extracomment>
        <translation>Supprimer les chaînes</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channels?</source>
        <translation>
            <numerusform>Supprimer %n chaîne&#xa0;?</numerusform>
            <numerusform>Supprimer %n chaînes&#xa0;?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channels</source>
        <translation>
            <numerusform>Supprimer %n chaîne</numerusform>
            <numerusform>Supprimer %n chaînes</numerusform>
        </translation>
    </message>
    <message>
        <source>The channels have changed; nothing was deleted.</source>
        <translation>Les chaînes ont changé&#xa0;; rien n&apos;a été supprimé.</translation>
    </message>
    <message>
        <source>Move %1 to %2</source>
        <extracomment>The name of an edit step: %1 is a channel&apos;s name or a number of channels, %2 the new channel number.</extracomment>
        <translation>Déplacer %1 au n° %2</translation>
    </message>
    <message>
        <source>Move %1 to top</source>
        <extracomment>The name of an edit step: %1 is a channel&apos;s name or a number of channels.</extracomment>
        <translation>Placer %1 en tête</translation>
    </message>
    <message>
        <source>Move %1 to bottom</source>
        <extracomment>The name of an edit step: %1 is a channel&apos;s name or a number of channels.</extracomment>
        <translation>Placer %1 en fin</translation>
    </message>
    <message>
        <source>Move %1 to one place up</source>
        <extracomment>The name of an edit step: %1 is a channel&apos;s name or a number of channels.</extracomment>
        <translation>Monter %1 d&apos;une place</translation>
    </message>
    <message>
        <source>Move %1 to one place down</source>
        <translation>Descendre %1 d&apos;une place</translation>
    </message>
    <message>
        <source>Move %1 to before %2</source>
        <extracomment>The name of an edit step: %1 is a channel&apos;s name or a number of channels, %2 the name of the channel they now stand before.</extracomment>
        <translation>Placer %1 avant %2</translation>
    </message>
    <message>
        <source>Lock</source>
        <extracomment>The channel flag that locks a channel behind the receiver&apos;s PIN.</extracomment>
        <translation>Verrou</translation>
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
        <translation>Activer %1 sur %2</translation>
    </message>
    <message>
        <source>Clear %1 on %2</source>
        <extracomment>The name of an edit step: %1 is a flag (Lock, Fav 1...), %2 a channel&apos;s name or a number of channels.</extracomment>
        <translation>Désactiver %1 sur %2</translation>
    </message>
    <message>
        <source>Flags</source>
        <extracomment>The submenu that sets and clears the lock and favourite flags.</extracomment>
        <translation>Attributs</translation>
    </message>
    <message>
        <source>Set %1</source>
        <extracomment>A menu item: %1 is a flag (Lock, Fav 1...).</extracomment>
        <translation>Activer %1</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Désactiver %1</translation>
    </message>
    <message>
        <source>Keep the shown order</source>
        <translation>Conserver l&apos;ordre affiché</translation>
    </message>
    <message>
        <source>The channels have changed; the order was not kept.</source>
        <translation>Les chaînes ont changé&#xa0;; l&apos;ordre n&apos;a pas été conservé.</translation>
    </message>
    <message>
        <source>Keep this order</source>
        <translation>Conserver cet ordre</translation>
    </message>
</context>
<context>
    <name>ChannelCommands</name>
    <message>
        <source>Add Channel</source>
        <translation>Ajouter une chaîne</translation>
    </message>
    <message>
        <source>Add channel %1</source>
        <extracomment>The name of an edit step: %1 is the channel&apos;s name.</extracomment>
        <translation>Ajouter la chaîne %1</translation>
    </message>
    <message>
        <source>Prog is Full!</source>
        <translation>Liste des chaînes pleine&#xa0;!</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Modifier la chaîne</translation>
    </message>
    <message>
        <source>Edit channel %1</source>
        <extracomment>The name of an edit step: %1 is the channel&apos;s name.</extracomment>
        <translation>Modifier la chaîne %1</translation>
    </message>
    <message>
        <source>The channels have changed; nothing was stored.</source>
        <translation>Les chaînes ont changé&#xa0;; rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Del Channel</source>
        <extracomment>The title of the question before a channel is deleted.</extracomment>
        <translation>Supprimer la chaîne</translation>
    </message>
    <message>
        <source>Delete channel %1</source>
        <extracomment>The name of an edit step: %1 is the channel&apos;s name.</extracomment>
        <translation>Supprimer la chaîne %1</translation>
    </message>
</context>
<context>
    <name>ChannelDatabase</name>
    <message>
        <source>The file holds %1 bytes, but a receiver database image holds exactly %2 bytes. It is not an image and was not opened.</source>
        <extracomment>%1 is the file&apos;s size in bytes, %2 the size of every image</extracomment>
        <translation>Le fichier fait %1 octets, mais une image de base de données du récepteur fait exactement %2 octets. Ce n&apos;est pas une image&#xa0;; il n&apos;a pas été ouvert.</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Channel Name:</source>
        <translation>Nom de la chaîne&#xa0;:</translation>
    </message>
    <message>
        <source>Video PID:</source>
        <extracomment>PID: the packet identifier of a stream in the transport stream.</extracomment>
        <translation>PID vidéo&#xa0;:</translation>
    </message>
    <message>
        <source>Audio PID:</source>
        <translation>PID audio&#xa0;:</translation>
    </message>
    <message>
        <source>PCR PID:</source>
        <extracomment>PCR: the programme clock reference.</extracomment>
        <translation>PID PCR&#xa0;:</translation>
    </message>
    <message>
        <source>TTxt PID:</source>
        <extracomment>TTxt: teletext.</extracomment>
        <translation>PID télétexte&#xa0;:</translation>
    </message>
    <message>
        <source>Satellite:</source>
        <translation>Satellite&#xa0;:</translation>
    </message>
    <message>
        <source>TransponderID:</source>
        <translation>ID transpondeur&#xa0;:</translation>
    </message>
    <message>
        <source>Lock:</source>
        <extracomment>The channel flag that locks a channel behind the receiver&apos;s PIN.</extracomment>
        <translation>Verrou&#xa0;:</translation>
    </message>
    <message>
        <source>Fav 1:</source>
        <extracomment>Favourite list 1 (a channel flag).</extracomment>
        <translation>Fav 1&#xa0;:</translation>
    </message>
    <message>
        <source>Fav 2:</source>
        <extracomment>Favourite list 2 (a channel flag).</extracomment>
        <translation>Fav 2&#xa0;:</translation>
    </message>
    <message>
        <source>Fav 3:</source>
        <extracomment>Favourite list 3 (a channel flag).</extracomment>
        <translation>Fav 3&#xa0;:</translation>
    </message>
    <message>
        <source>Fav 4:</source>
        <extracomment>Favourite list 4 (a channel flag).</extracomment>
        <translation>Fav 4&#xa0;:</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <extracomment>The channel flag of an encrypted channel.</extracomment>
        <translation>Crypté</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID vidéo</translation>
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
        <translation>PID télétexte</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Nom de la chaîne</translation>
    </message>
</context>
<context>
    <name>ChannelList</name>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line number of the list, %2 what is wrong there</extracomment>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>un champ entre guillemets n&apos;est pas fermé</translation>
    </message>
    <message>
        <source>text follows the closing quote of field %1</source>
        <extracomment>%1 is the field&apos;s number in its row</extracomment>
        <translation>du texte suit le guillemet fermant du champ %1</translation>
    </message>
    <message>
        <source>more than %1 fields hold text; a channel list has %2 columns</source>
        <translation>plus de %1 champs contiennent du texte&#xa0;; une liste de chaînes a %2 colonnes</translation>
    </message>
    <message>
        <source>%1 %2 is not a satellite position like 19.2E or 5.0W</source>
        <extracomment>%1 is a column header of the list (not translated), %2 the quoted field</extracomment>
        <translation>%1 %2 n&apos;est pas une position de satellite comme 19.2E ou 5.0W</translation>
    </message>
    <message>
        <source>%1 %2 is not TV or Radio</source>
        <translation>%1 %2 n&apos;est ni TV ni Radio</translation>
    </message>
    <message>
        <source>%1 %2 is not a channel number</source>
        <translation>%1 %2 n&apos;est pas un numéro de chaîne</translation>
    </message>
    <message>
        <source>%1 %2 is not a frequency in MHz</source>
        <translation>%1 %2 n&apos;est pas une fréquence en MHz</translation>
    </message>
    <message>
        <source>%1 %2 is not H or V</source>
        <translation>%1 %2 n&apos;est ni H ni V</translation>
    </message>
    <message>
        <source>%1 %2 is not a symbol rate in kS/s</source>
        <translation>%1 %2 n&apos;est pas un débit symbole en kS/s</translation>
    </message>
    <message>
        <source>%1 %2 is not a PID from 0 to 16383</source>
        <translation>%1 %2 n&apos;est pas un PID de 0 à 16383</translation>
    </message>
    <message>
        <source>%1 %2 is not 1 or 0</source>
        <translation>%1 %2 n&apos;est ni 1 ni 0</translation>
    </message>
    <message>
        <source>the list is larger than %1 MB</source>
        <translation>la liste dépasse %1 Mo</translation>
    </message>
    <message>
        <source>not a channel list: the header row has no comma, semicolon or tab</source>
        <translation>ce n&apos;est pas une liste de chaînes&#xa0;: la ligne d&apos;en-tête ne contient ni virgule, ni point-virgule, ni tabulation</translation>
    </message>
    <message>
        <source>not a channel list: the header row has no &quot;%1&quot; column</source>
        <extracomment>%1 is a column header of the list (not translated)</extracomment>
        <translation>ce n&apos;est pas une liste de chaînes&#xa0;: la ligne d&apos;en-tête n&apos;a pas de colonne «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the list has more than %1 rows; an image holds at most %2 channels</source>
        <translation>la liste a plus de %1 lignes&#xa0;; une image contient au plus %2 chaînes</translation>
    </message>
    <message>
        <source>%1 fields where the header has %2</source>
        <extracomment>%1 is the row&apos;s number of fields, %2 the header&apos;s</extracomment>
        <translation>%1 champs alors que l&apos;en-tête en a %2</translation>
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
        <translation>Cryptées d&apos;abord</translation>
    </message>
    <message>
        <source>Scr down</source>
        <extracomment>Sort the scrambled (encrypted) channels last.</extracomment>
        <translation>Cryptées à la fin</translation>
    </message>
    <message>
        <source>Freq up</source>
        <extracomment>Sort by frequency, lowest first.</extracomment>
        <translation>Fréq. croissante</translation>
    </message>
    <message>
        <source>Freq down</source>
        <extracomment>Sort by frequency, highest first.</extracomment>
        <translation>Fréq. décroissante</translation>
    </message>
    <message>
        <source>	 Do you want to del channel [%1]?		</source>
        <extracomment>%1 is the channel&apos;s name; keep the tabs.</extracomment>
        <translation>	 Voulez-vous supprimer la chaîne [%1]&#xa0;?		</translation>
    </message>
    <message>
        <source>Select Satellite:</source>
        <translation>Choisir le satellite&#xa0;:</translation>
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
        <translation>Nb TV&#xa0;:</translation>
    </message>
    <message>
        <source>Radio No:</source>
        <extracomment>The number of radio channels follows.</extracomment>
        <translation>Nb radio&#xa0;:</translation>
    </message>
    <message>
        <source>Total No:</source>
        <extracomment>The number of all channels follows.</extracomment>
        <translation>Total&#xa0;:</translation>
    </message>
    <message>
        <source>Add Channel...</source>
        <translation>Ajouter une chaîne...</translation>
    </message>
    <message>
        <source>Edit Channel...</source>
        <translation>Modifier la chaîne...</translation>
    </message>
    <message>
        <source>Del Channel</source>
        <extracomment>Delete the channel (a menu item).</extracomment>
        <translation>Supprimer la chaîne</translation>
    </message>
    <message>
        <source>Sort</source>
        <extracomment>A submenu: the ways to sort the channels.</extracomment>
        <translation>Trier</translation>
    </message>
    <message>
        <source>Move</source>
        <extracomment>A menu item (a verb): move the channel to a number typed in.</extracomment>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Move to top</source>
        <translation>Placer en tête</translation>
    </message>
    <message>
        <source>Move to bottom</source>
        <translation>Placer en fin</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Sort %1 on %2</source>
        <extracomment>The name of an edit step: %1 is the sort (a..Z, Freq up...), %2 the satellite.</extracomment>
        <translation>Trier %2 (%1)</translation>
    </message>
    <message>
        <source>Error Input!</source>
        <translation>Saisie incorrecte&#xa0;!</translation>
    </message>
    <message>
        <source>Move %1 to %2</source>
        <extracomment>The name of an edit step: %1 is the channel&apos;s name, %2 its new number.</extracomment>
        <translation>Déplacer %1 au n° %2</translation>
    </message>
</context>
<context>
    <name>ChannelOrderPlan</name>
    <message>
        <source>channel slot %1 lies on the chains of satellite slots %2 and %3</source>
        <translation>l&apos;emplacement de chaîne %1 se trouve sur les chaînages des emplacements de satellite %2 et %3</translation>
    </message>
</context>
<context>
    <name>ChannelRowTexts</name>
    <message>
        <source>No</source>
        <extracomment>Column caption: the channel&apos;s place in the list.</extracomment>
        <translation>N°</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Nom de la chaîne</translation>
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
        <translation>verr.</translation>
    </message>
    <message>
        <source>scr</source>
        <extracomment>Column caption: the scrambled (encrypted) flag.</extracomment>
        <translation>crypt.</translation>
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
        <translation>N° ch.</translation>
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
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>Title of the message box.</extracomment>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The command could not be completed (%1). The image was left as it was before the command.</source>
        <extracomment>%1: why the command failed.</extracomment>
        <translation>La commande n&apos;a pas pu aboutir (%1). L&apos;image est restée telle qu&apos;elle était avant la commande.</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Compare with %1</source>
        <extracomment>%1 names the other image (a file name or an archived copy).</extracomment>
        <translation>Comparer avec %1</translation>
    </message>
    <message>
        <source>The images do not differ.</source>
        <translation>Les images sont identiques.</translation>
    </message>
    <message>
        <source>No compared field differs, but bytes do: %1.</source>
        <translation>Aucun champ comparé ne diffère, mais des octets diffèrent&#xa0;: %1.</translation>
    </message>
    <message>
        <source>From %1 to %2; &quot;added&quot; is only in %2, &quot;removed&quot; only in %1.</source>
        <translation>De %1 à %2&#xa0;; «&#xa0;ajouté&#xa0;» n&apos;existe que dans %2, «&#xa0;supprimé&#xa0;» que dans %1.</translation>
    </message>
    <message>
        <source>Satellite %1 (%2): %3</source>
        <extracomment>%1 is the satellite&apos;s name, %2 its position, %3 what happened to it (added, removed, changed).</extracomment>
        <translation>Satellite %1 (%2)&#xa0;: %3</translation>
    </message>
    <message>
        <source>Transponder %1: %2</source>
        <extracomment>%1 is the transponder, %2 what happened to it (added, removed, changed).</extracomment>
        <translation>Transpondeur %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Settings: changed</source>
        <translation>Paramètres&#xa0;: modifiés</translation>
    </message>
    <message>
        <source>Bytes that differ</source>
        <translation>Octets différents</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n byte</source>
        <extracomment>%1 is a table of the image (satellites, channels...).</extracomment>
        <translation>
            <numerusform>%1&#xa0;: %n octet</numerusform>
            <numerusform>%1&#xa0;: %n octets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n bytes</source>
        <translation>
            <numerusform>%1&#xa0;: %n octet</numerusform>
            <numerusform>%1&#xa0;: %n octets</numerusform>
        </translation>
    </message>
    <message>
        <source>Save report...</source>
        <translation>Enregistrer le rapport...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Save the comparison</source>
        <translation>Enregistrer la comparaison</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Fichiers texte (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The report could not be saved: %1</source>
        <translation>Impossible d&apos;enregistrer le rapport&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ConsistencyCheck</name>
    <message>
        <source>Satellite slot %1: the transponder chain starts at slot %2, outside the table.</source>
        <translation>Emplacement de satellite %1&#xa0;: le chaînage des transpondeurs commence à l&apos;emplacement %2, hors de la table.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain links slot %2 to slot %3, outside the table.</source>
        <translation>Emplacement de satellite %1&#xa0;: le chaînage des transpondeurs relie l&apos;emplacement %2 à l&apos;emplacement %3, hors de la table.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain comes back to slot %2 after slot %3.</source>
        <translation>Emplacement de satellite %1&#xa0;: le chaînage des transpondeurs revient à l&apos;emplacement %2 après l&apos;emplacement %3.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain reaches slot %2, which is on the chain of satellite slot %3 as well.</source>
        <translation>Emplacement de satellite %1&#xa0;: le chaînage des transpondeurs atteint l&apos;emplacement %2, qui est aussi sur le chaînage de l&apos;emplacement de satellite %3.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain starts at slot %2, whose previous link is %3 instead of none.</source>
        <translation>Emplacement de satellite %1&#xa0;: le chaînage des transpondeurs commence à l&apos;emplacement %2, dont le lien précédent est %3 au lieu d&apos;aucun.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain goes from slot %2 to slot %3, whose previous link is %4.</source>
        <translation>Emplacement de satellite %1&#xa0;: le chaînage des transpondeurs va de l&apos;emplacement %2 à l&apos;emplacement %3, dont le lien précédent est %4.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain&apos;s tail is %2, but the chain is empty.</source>
        <translation>Emplacement de satellite %1&#xa0;: la fin du chaînage des transpondeurs est %2, mais le chaînage est vide.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the transponder chain&apos;s tail is %2, but the chain ends at slot %3.</source>
        <translation>Emplacement de satellite %1&#xa0;: la fin du chaînage des transpondeurs est %2, mais le chaînage se termine à l&apos;emplacement %3.</translation>
    </message>
    <message>
        <source>Satellite slot %1 counts %2 transponders, but its chain holds %3.</source>
        <translation>L&apos;emplacement de satellite %1 compte %2 transpondeurs, mais son chaînage en contient %3.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain starts at slot %2, outside the table.</source>
        <translation>Emplacement de satellite %1&#xa0;: le chaînage des chaînes commence à l&apos;emplacement %2, hors de la table.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain links slot %2 to slot %3, outside the table.</source>
        <translation>Emplacement de satellite %1&#xa0;: le chaînage des chaînes relie l&apos;emplacement %2 à l&apos;emplacement %3, hors de la table.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain comes back to slot %2 after slot %3.</source>
        <translation>Emplacement de satellite %1&#xa0;: le chaînage des chaînes revient à l&apos;emplacement %2 après l&apos;emplacement %3.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain reaches slot %2, which is on the chain of satellite slot %3 as well.</source>
        <translation>Emplacement de satellite %1&#xa0;: le chaînage des chaînes atteint l&apos;emplacement %2, qui est aussi sur le chaînage de l&apos;emplacement de satellite %3.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain starts at slot %2, whose previous link is %3 instead of none.</source>
        <translation>Emplacement de satellite %1&#xa0;: le chaînage des chaînes commence à l&apos;emplacement %2, dont le lien précédent est %3 au lieu d&apos;aucun.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain goes from slot %2 to slot %3, whose previous link is %4.</source>
        <translation>Emplacement de satellite %1&#xa0;: le chaînage des chaînes va de l&apos;emplacement %2 à l&apos;emplacement %3, dont le lien précédent est %4.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain&apos;s tail is %2, but the chain is empty.</source>
        <translation>Emplacement de satellite %1&#xa0;: la fin du chaînage des chaînes est %2, mais le chaînage est vide.</translation>
    </message>
    <message>
        <source>Satellite slot %1: the channel chain&apos;s tail is %2, but the chain ends at slot %3.</source>
        <translation>Emplacement de satellite %1&#xa0;: la fin du chaînage des chaînes est %2, mais le chaînage se termine à l&apos;emplacement %3.</translation>
    </message>
    <message>
        <source>Satellite slot %1 counts %2 channels, but its chain holds %3.</source>
        <translation>L&apos;emplacement de satellite %1 compte %2 chaînes, mais son chaînage en contient %3.</translation>
    </message>
    <message>
        <source>The satellite count is %1, but %2 satellite slots are in use.</source>
        <translation>Le nombre de satellites est %1, mais %2 emplacements de satellite sont utilisés.</translation>
    </message>
    <message>
        <source>Satellite slot %1: transponder slot %2 is on the chain but free.</source>
        <translation>Emplacement de satellite %1&#xa0;: l&apos;emplacement de transpondeur %2 est sur le chaînage mais libre.</translation>
    </message>
    <message>
        <source>Satellite slot %1: transponder slot %2 is on the chain but names satellite slot %3.</source>
        <translation>Emplacement de satellite %1&#xa0;: l&apos;emplacement de transpondeur %2 est sur le chaînage mais désigne l&apos;emplacement de satellite %3.</translation>
    </message>
    <message>
        <source>Satellite slot %1 holds channels, but its state is %2 instead of 1, so they are never renumbered.</source>
        <translation>L&apos;emplacement de satellite %1 contient des chaînes, mais son état est %2 au lieu de 1&#xa0;; elles ne sont donc jamais renumérotées.</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 has service type %3, but its video PID makes it radio (2).</source>
        <extracomment>%1 satellite slot, %2 channel slot, %3 the stored service type</extracomment>
        <translation>Emplacement de satellite %1&#xa0;: l&apos;emplacement de chaîne %2 a le type de service %3, mais son PID vidéo en fait une radio (2).</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 has service type %3, but its video PID makes it TV (1).</source>
        <translation>Emplacement de satellite %1&#xa0;: l&apos;emplacement de chaîne %2 a le type de service %3, mais son PID vidéo en fait une chaîne TV (1).</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 has number %3, but its place among the radio channels makes it %4.</source>
        <extracomment>%1 satellite slot, %2 channel slot, %3 the stored number, %4 the number it should have</extracomment>
        <translation>Emplacement de satellite %1&#xa0;: l&apos;emplacement de chaîne %2 a le numéro %3, mais sa place parmi les chaînes radio lui donne le %4.</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 has number %3, but its place among the TV channels makes it %4.</source>
        <translation>Emplacement de satellite %1&#xa0;: l&apos;emplacement de chaîne %2 a le numéro %3, mais sa place parmi les chaînes TV lui donne le %4.</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 is on the chain but free.</source>
        <translation>Emplacement de satellite %1&#xa0;: l&apos;emplacement de chaîne %2 est sur le chaînage mais libre.</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 names transponder %3, which is no transponder slot.</source>
        <extracomment>%3 is the stored transponder number, which names no slot</extracomment>
        <translation>Emplacement de satellite %1&#xa0;: l&apos;emplacement de chaîne %2 désigne le transpondeur %3, qui n&apos;est pas un emplacement de transpondeur.</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 names transponder slot %3, which is free.</source>
        <translation>Emplacement de satellite %1&#xa0;: l&apos;emplacement de chaîne %2 désigne l&apos;emplacement de transpondeur %3, qui est libre.</translation>
    </message>
    <message>
        <source>Satellite slot %1: channel slot %2 names transponder slot %3 of satellite slot %4.</source>
        <translation>Emplacement de satellite %1&#xa0;: l&apos;emplacement de chaîne %2 désigne l&apos;emplacement de transpondeur %3 de l&apos;emplacement de satellite %4.</translation>
    </message>
    <message>
        <source>Transponder slot %1 is in use, but no satellite&apos;s chain reaches it.</source>
        <translation>L&apos;emplacement de transpondeur %1 est utilisé, mais aucun chaînage de satellite ne l&apos;atteint.</translation>
    </message>
    <message>
        <source>Channel slot %1 is in use, but no satellite&apos;s chain reaches it.</source>
        <translation>L&apos;emplacement de chaîne %1 est utilisé, mais aucun chaînage de satellite ne l&apos;atteint.</translation>
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
        <translation>Annuler</translation>
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
        <translation>aucun transpondeur</translation>
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
        <translation>Rechercher les doublons</translation>
    </message>
    <message>
        <source>Delete selected</source>
        <translation>Supprimer la sélection</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>No channel is stored twice.</source>
        <translation>Aucune chaîne n&apos;est enregistrée en double.</translation>
    </message>
    <message>
        <source>Stored more than once: %1. Selected for deletion: %2.</source>
        <extracomment>%1 is a number of services (&quot;3 services&quot;), %2 a number of channels.</extracomment>
        <translation>En double&#xa0;: %1. À supprimer&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The image is damaged: %1, so nothing can be deleted; the consistency check lists its problems.</source>
        <translation>L&apos;image est endommagée&#xa0;: %1&#xa0;; rien ne peut donc être supprimé. Le contrôle de cohérence en liste les problèmes.</translation>
    </message>
</context>
<context>
    <name>FindChannelDialog</name>
    <message>
        <source>Find Channel</source>
        <translation>Rechercher une chaîne</translation>
    </message>
    <message>
        <source>Name, channel number or PID</source>
        <translation>Nom, numéro de chaîne ou PID</translation>
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
        <translation>Saisissez un nom, un numéro de chaîne ou un PID.</translation>
    </message>
    <message>
        <source>No channel found.</source>
        <translation>Aucune chaîne trouvée.</translation>
    </message>
    <message>
        <source>1 channel found.</source>
        <translation>1 chaîne trouvée.</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondeur</translation>
    </message>
    <message>
        <source>TV/Radio</source>
        <extracomment>Column caption: whether the channel is a TV or a radio channel.</extracomment>
        <translation>TV/Radio</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>Column caption: the channel&apos;s number in its list.</extracomment>
        <translation>N°</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Nom de la chaîne</translation>
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
            <numerusform>%n chaîne trouvée.</numerusform>
            <numerusform>%n chaînes trouvées.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImageArchive</name>
    <message>
        <source>The archive&apos;s index could not be repaired: %1</source>
        <extracomment>%1 is the reason</extracomment>
        <translation>L&apos;index des archives n&apos;a pas pu être réparé&#xa0;: %1</translation>
    </message>
    <message>
        <source>it is not a whole image (%1 bytes)</source>
        <extracomment>%1 is the file&apos;s size</extracomment>
        <translation>ce n&apos;est pas une image complète (%1 octets)</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <extracomment>%1 is the folder</extracomment>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>the archive is busy; its index lists the image later</source>
        <translation>les archives sont occupées&#xa0;; leur index mentionnera l&apos;image plus tard</translation>
    </message>
    <message>
        <source>the archive&apos;s index could not be written: %1</source>
        <extracomment>%1 is the reason</extracomment>
        <translation>impossible d&apos;écrire l&apos;index des archives&#xa0;: %1</translation>
    </message>
    <message>
        <source>the archive holds no image %1</source>
        <extracomment>%1 is the image&apos;s name in the archive</extracomment>
        <translation>les archives ne contiennent pas d&apos;image %1</translation>
    </message>
    <message>
        <source>the archived image %1 is damaged: its file %2 is not a whole image of %3 bytes</source>
        <extracomment>%1 is the image&apos;s name in the archive, %2 its file, %3 an image&apos;s size</extracomment>
        <translation>l&apos;image archivée %1 est endommagée&#xa0;: son fichier %2 n&apos;est pas une image complète de %3 octets</translation>
    </message>
    <message>
        <source>the archive is busy; try again</source>
        <translation>les archives sont occupées&#xa0;; réessayez</translation>
    </message>
</context>
<context>
    <name>ImageDiff</name>
    <message>
        <source>sector headers</source>
        <translation>en-têtes de secteur</translation>
    </message>
    <message>
        <source>%1 in the sector headers</source>
        <translation>%1 dans les en-têtes de secteur</translation>
    </message>
    <message>
        <source>satellite table</source>
        <translation>table des satellites</translation>
    </message>
    <message>
        <source>%1 in the satellite table</source>
        <translation>%1 dans la table des satellites</translation>
    </message>
    <message>
        <source>transponder marks</source>
        <translation>marques de transpondeur</translation>
    </message>
    <message>
        <source>%1 in the transponder marks</source>
        <translation>%1 dans les marques de transpondeur</translation>
    </message>
    <message>
        <source>settings</source>
        <translation>paramètres</translation>
    </message>
    <message>
        <source>%1 in the settings</source>
        <translation>%1 dans les paramètres</translation>
    </message>
    <message>
        <source>transponder table</source>
        <translation>table des transpondeurs</translation>
    </message>
    <message>
        <source>%1 in the transponder table</source>
        <translation>%1 dans la table des transpondeurs</translation>
    </message>
    <message>
        <source>channel table</source>
        <translation>table des chaînes</translation>
    </message>
    <message>
        <source>%1 in the channel table</source>
        <translation>%1 dans la table des chaînes</translation>
    </message>
    <message>
        <source>unused bytes</source>
        <translation>octets inutilisés</translation>
    </message>
    <message>
        <source>%1 of the unused bytes</source>
        <translation>%1 des octets inutilisés</translation>
    </message>
    <message>
        <source>%1 MHz %2 %3 kS/s</source>
        <extracomment>A transponder: %1 frequency, %2 polarization V or H, %3 symbol rate</extracomment>
        <translation>%1 MHz %2 %3 kS/s</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>fréquence</translation>
    </message>
    <message>
        <source>symbol rate</source>
        <translation>débit symbole</translation>
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
        <translation>verrou</translation>
    </message>
    <message>
        <source>scrambled</source>
        <translation>crypté</translation>
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
        <translation>nom</translation>
    </message>
    <message>
        <source>number</source>
        <translation>numéro</translation>
    </message>
    <message>
        <source>polarization</source>
        <translation>polarisation</translation>
    </message>
    <message>
        <source>video PID</source>
        <translation>PID vidéo</translation>
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
        <translation>PID télétexte</translation>
    </message>
    <message>
        <source>standby</source>
        <extracomment>A receiver setting&apos;s name in the list of differences</extracomment>
        <translation>veille</translation>
    </message>
    <message>
        <source>aspect ratio</source>
        <translation>format d&apos;image</translation>
    </message>
    <message>
        <source>menu language</source>
        <translation>langue du menu</translation>
    </message>
    <message>
        <source>RF channel</source>
        <translation>canal RF</translation>
    </message>
    <message>
        <source>sound system</source>
        <translation>système son</translation>
    </message>
    <message>
        <source>colour system</source>
        <translation>système couleur</translation>
    </message>
    <message>
        <source>receiver lock</source>
        <translation>verrouillage du récepteur</translation>
    </message>
    <message>
        <source>menu lock</source>
        <translation>verrouillage du menu</translation>
    </message>
    <message>
        <source>delay time</source>
        <translation>délai</translation>
    </message>
    <message>
        <source>time zone</source>
        <translation>fuseau horaire</translation>
    </message>
    <message>
        <source>GMT usage</source>
        <translation>utilisation GMT</translation>
    </message>
    <message>
        <source>summer time</source>
        <translation>heure d&apos;été</translation>
    </message>
    <message>
        <source>time offset</source>
        <translation>décalage horaire</translation>
    </message>
    <message>
        <source>current satellite</source>
        <translation>satellite actuel</translation>
    </message>
    <message>
        <source>transparency</source>
        <translation>transparence</translation>
    </message>
    <message>
        <source>volume left</source>
        <translation>volume gauche</translation>
    </message>
    <message>
        <source>volume right</source>
        <translation>volume droit</translation>
    </message>
    <message>
        <source>PIN code</source>
        <translation>code PIN</translation>
    </message>
    <message>
        <source>LNB Type%1 low frequency</source>
        <extracomment>An LNB type&apos;s setting; %1 is the type&apos;s number (the receiver calls its types Type1..Type8)</extracomment>
        <translation>LNB Type%1 fréquence basse</translation>
    </message>
    <message>
        <source>LNB Type%1 high frequency</source>
        <translation>LNB Type%1 fréquence haute</translation>
    </message>
    <message>
        <source>LNB Type%1 low band</source>
        <translation>LNB Type%1 bande basse</translation>
    </message>
    <message>
        <source>LNB Type%1 high band</source>
        <translation>LNB Type%1 bande haute</translation>
    </message>
    <message>
        <source>LNB Type%1 DiSEqC</source>
        <translation>LNB Type%1 DiSEqC</translation>
    </message>
    <message>
        <source>LNB Type%1 polarity control</source>
        <translation>LNB Type%1 contrôle de polarité</translation>
    </message>
    <message>
        <source>LNB Type%1 band control</source>
        <translation>LNB Type%1 contrôle de bande</translation>
    </message>
    <message>
        <source>LNB Type%1 22 kHz tone</source>
        <translation>LNB Type%1 tonalité 22 kHz</translation>
    </message>
    <message>
        <source>LNB Type%1 12 V switch</source>
        <translation>LNB Type%1 commutateur 12 V</translation>
    </message>
    <message>
        <source>LNB Type%1 LNB power</source>
        <translation>LNB Type%1 alimentation LNB</translation>
    </message>
    <message>
        <source>added</source>
        <extracomment>What happened to a satellite, transponder or channel from the first image to the second</extracomment>
        <translation>ajouté</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>supprimé</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>modifié</translation>
    </message>
    <message>
        <source>LNB type</source>
        <translation>type de LNB</translation>
    </message>
    <message>
        <source>Differences from %1 to %2</source>
        <extracomment>%1 and %2 are the names of the compared images</extracomment>
        <translation>Différences de %1 à %2</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Aucune différence.</translation>
    </message>
    <message>
        <source>No compared field differs, but bytes do.</source>
        <translation>Aucun champ comparé ne diffère, mais des octets diffèrent.</translation>
    </message>
    <message>
        <source>Satellite %1 (%2): %3</source>
        <extracomment>%1 satellite name, %2 its position, %3 added, removed or changed</extracomment>
        <translation>Satellite %1 (%2)&#xa0;: %3</translation>
    </message>
    <message>
        <source>Transponder %1: %2</source>
        <extracomment>%1 a transponder (frequency, polarization, symbol rate), %2 added, removed or changed</extracomment>
        <translation>Transpondeur %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Settings: changed</source>
        <translation>Paramètres&#xa0;: modifiés</translation>
    </message>
    <message>
        <source>Bytes that differ: %1.</source>
        <extracomment>%1 lists the differing bytes per part, e.g. &quot;3 in the channel table, 2 of the unused bytes&quot;</extracomment>
        <translation>Octets différents&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>ImageFile</name>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Why a file is refused; follows &quot;Cannot read/write FILE: &quot;</extracomment>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <extracomment>%1 is the quoted file name, %2 the reason</extracomment>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <extracomment>%1 is the quoted file name, %2 the reason</extracomment>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source> (the file was being overwritten in place and may be incomplete)</source>
        <extracomment>Follows the system&apos;s reason why writing failed</extracomment>
        <translation> (le fichier était en cours d&apos;écrasement et peut être incomplet)</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <extracomment>%1 is the quoted file name, %2 the system&apos;s reason</extracomment>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is too large to be kept in a backup</source>
        <translation>il est trop volumineux pour être sauvegardé</translation>
    </message>
    <message>
        <source>Cannot back up %1 to %2: %3</source>
        <extracomment>%1 is the quoted file, %2 the quoted backup file, %3 the reason</extracomment>
        <translation>Impossible de sauvegarder %1 dans %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Cannot back up %1: %2</source>
        <extracomment>%1 is the quoted file, %2 the message of the failed backup write</extracomment>
        <translation>Impossible de sauvegarder %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ImageProblems</name>
    <message>
        <source>%1 has 1 problem: its chains, counts or channel numbers do not fit together.</source>
        <extracomment>%1 is the file name</extracomment>
        <translation>%1 a 1 problème&#xa0;: ses chaînages, compteurs ou numéros de chaîne ne concordent pas.</translation>
    </message>
    <message>
        <source>%1 has %2 problems: its chains, counts or channel numbers do not fit together.</source>
        <extracomment>%1 is the file name, %2 the number of problems (more than one)</extracomment>
        <translation>%1 a %2 problèmes&#xa0;: ses chaînages, compteurs ou numéros de chaîne ne concordent pas.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>The image is open as it is. Editing it may not work as expected; &quot;Show Details...&quot; lists each problem.</source>
        <translation>L&apos;image est ouverte telle quelle. Sa modification peut ne pas fonctionner comme prévu&#xa0;; «&#xa0;Montrer les détails...&#xa0;» liste chaque problème.</translation>
    </message>
</context>
<context>
    <name>ListFilterBar</name>
    <message>
        <source>%1 of %2</source>
        <extracomment>Rows shown by the filter: %1 shown of %2 in the list.</extracomment>
        <translation>%1 sur %2</translation>
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
        <translation>Importer un fichier txt</translation>
    </message>
    <message>
        <source>Not in the list</source>
        <translation>Hors liste</translation>
    </message>
    <message>
        <source>Line %1: %2 (%3)</source>
        <extracomment>%1 is a line number of the file, %2 the name there, %3 the satellite&apos;s position.</extracomment>
        <translation>Ligne %1&#xa0;: %2 (%3)</translation>
    </message>
    <message>
        <source>Line %1: %2 (keeps the name %3)</source>
        <extracomment>%1 is a line number of the file, %2 the name there, %3 the channel&apos;s stored name.</extracomment>
        <translation>Ligne %1&#xa0;: %2 (garde le nom %3)</translation>
    </message>
    <message>
        <source>Rows that match no channel</source>
        <translation>Lignes sans chaîne correspondante</translation>
    </message>
    <message>
        <source>Names that do not fit 11 Latin-1 characters</source>
        <translation>Noms qui ne tiennent pas en 11 caractères Latin-1</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>%1 is a line number of the file, %2 the name there.</extracomment>
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Rows paired by name: their PIDs or transponder differ, the channels keep theirs</source>
        <translation>Lignes associées par nom&#xa0;: leurs PID ou leur transpondeur diffèrent, les chaînes gardent les leurs</translation>
    </message>
    <message>
        <source>Delete channels missing from the list</source>
        <translation>Supprimer les chaînes absentes de la liste</translation>
    </message>
    <message>
        <source>The image is damaged: %1. Nothing can be imported; the consistency check lists its problems.</source>
        <extracomment>%1 says what is wrong with the image.</extracomment>
        <translation>L&apos;image est endommagée&#xa0;: %1. Rien ne peut être importé&#xa0;; le contrôle de cohérence en liste les problèmes.</translation>
    </message>
    <message>
        <source>Read as %1 text (the file is not UTF-8).</source>
        <extracomment>%1 is the name of a character encoding, such as Latin-1.</extracomment>
        <translation>Lu comme texte %1 (le fichier n&apos;est pas en UTF-8).</translation>
    </message>
    <message>
        <source>The list changes nothing.</source>
        <translation>La liste ne change rien.</translation>
    </message>
    <message>
        <source>Moved: %1. Renamed: %2. Flags changed: %3.</source>
        <extracomment>Each of %1, %2 and %3 is a number of channels (&quot;3 channels&quot;).</extracomment>
        <translation>Déplacements&#xa0;: %1. Renommages&#xa0;: %2. Changements d&apos;attributs&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Not in the list: %1, to be deleted.</source>
        <translation>Hors liste&#xa0;: %1, à supprimer.</translation>
    </message>
    <message>
        <source>Not in the list: %1, kept after the listed ones.</source>
        <translation>Hors liste&#xa0;: %1, à conserver après celles de la liste.</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>LNB Edit</source>
        <extracomment>Dialog title: editing an LNB type.</extracomment>
        <translation>Modifier le LNB</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <extracomment>LNB: the low-noise block converter on the dish.</extracomment>
        <translation>Type de LNB</translation>
    </message>
    <message>
        <source>LNB Freq Low</source>
        <translation>Fréq. LNB basse</translation>
    </message>
    <message>
        <source>LNB Freq High</source>
        <translation>Fréq. LNB haute</translation>
    </message>
    <message>
        <source>DiSEqC</source>
        <extracomment>The dish switching protocol&apos;s name; usually kept as it is.</extracomment>
        <translation>DiSEqC</translation>
    </message>
    <message>
        <source>Polarity Control</source>
        <translation>Contrôle polarité</translation>
    </message>
    <message>
        <source>FreqBaudControl</source>
        <extracomment>How the receiver switches the LNB between its low and high band.</extracomment>
        <translation>Contrôle de bande</translation>
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
        <translation>Alim. LNB</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Undo</source>
        <extracomment>a command</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>a command</extracomment>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <extracomment>%1 is the name of the step, e.g. &quot;Delete channel arte&quot;</extracomment>
        <translation>Annuler %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <extracomment>%1 is the name of the step, e.g. &quot;Delete channel arte&quot;</extracomment>
        <translation>Rétablir %1</translation>
    </message>
    <message>
        <source>Sat+LNB+TP+Channel</source>
        <extracomment>the tab of satellites, LNBs, transponders and their channels</extracomment>
        <translation>Sat+LNB+TP+Chaîne</translation>
    </message>
    <message>
        <source>All Channels Edit</source>
        <translation>Toutes les chaînes</translation>
    </message>
    <message>
        <source>System setting</source>
        <translation>Paramètres système</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Save</source>
        <extracomment>Button: save the changes, then go on.</extracomment>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Discard</source>
        <extracomment>Button: drop the unsaved changes, then go on.</extracomment>
        <translation>Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>Button: the answer to a question.</extracomment>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>MoveToDialog</name>
    <message>
        <source>Dialog</source>
        <extracomment>The title of the window that asks for a channel&apos;s new number.</extracomment>
        <translation>Déplacer la chaîne</translation>
    </message>
    <message>
        <source>Move to</source>
        <translation>Déplacer vers</translation>
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
        <source>Please enter an integer.</source>
        <translation>Veuillez saisir un nombre entier.</translation>
    </message>
</context>
<context>
    <name>MultiChannelEdit</name>
    <message>
        <source>(several)</source>
        <extracomment>Shown in an empty box whose value differs between the channels edited.</extracomment>
        <translation>(plusieurs)</translation>
    </message>
    <message numerus="yes">
        <source>Edit %n channels</source>
        <extracomment>The title of the dialog and the name of the edit step.</extracomment>
        <translation>
            <numerusform>Modifier %n chaîne</numerusform>
            <numerusform>Modifier %n chaînes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NamesList</name>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line number of the list, %2 what is wrong there</extracomment>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the list is larger than %1 MiB; a list of names for one satellite is far smaller</source>
        <translation>la liste dépasse %1 Mio&#xa0;; une liste de noms pour un satellite est bien plus petite</translation>
    </message>
    <message>
        <source>the list has more than %1 lines; an image holds at most %2 channels</source>
        <translation>la liste a plus de %1 lignes&#xa0;; une image contient au plus %2 chaînes</translation>
    </message>
    <message>
        <source>the control character %1 is no part of a list of names; is this a binary file?</source>
        <extracomment>%1 is the character&apos;s code, such as 0x07</extracomment>
        <translation>le caractère de contrôle %1 n&apos;a pas sa place dans une liste de noms&#xa0;; s&apos;agit-il d&apos;un fichier binaire&#xa0;?</translation>
    </message>
    <message>
        <source>the line is longer than %1 characters; a channel name has at most %2</source>
        <translation>la ligne dépasse %1 caractères&#xa0;; un nom de chaîne en a au plus %2</translation>
    </message>
</context>
<context>
    <name>NamesOrder</name>
    <message>
        <source>exact</source>
        <extracomment>How a line of a list of names found its channel: by the same name</extracomment>
        <translation>exacte</translation>
    </message>
    <message>
        <source>case-folded</source>
        <extracomment>How a line of a list of names found its channel: ignoring case, spaces and punctuation</extracomment>
        <translation>casse ignorée</translation>
    </message>
    <message>
        <source>loose</source>
        <extracomment>How a line of a list of names found its channel: also ignoring accents and an HD, SD, TV or +1 marker</extracomment>
        <translation>approchée</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>A line of a list of names that found no channel</extracomment>
        <translation>aucune</translation>
    </message>
</context>
<context>
    <name>NamesOrderDialog</name>
    <message>
        <source>Order by a list of names</source>
        <translation>Ordonner selon une liste de noms</translation>
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
        <translation>Satellite&#xa0;:</translation>
    </message>
    <message>
        <source>Line</source>
        <extracomment>Column caption: the line number in the list of names.</extracomment>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>In the list</source>
        <extracomment>Column caption: the name as the list spells it.</extracomment>
        <translation>Dans la liste</translation>
    </message>
    <message>
        <source>Channel</source>
        <extracomment>Column caption: the channel of the image the line matches.</extracomment>
        <translation>Chaîne</translation>
    </message>
    <message>
        <source>Match</source>
        <extracomment>Column caption: how the name matched (exact, case-folded, loose).</extracomment>
        <translation>Correspondance</translation>
    </message>
    <message>
        <source>Give matched channels the list&apos;s spelling</source>
        <translation>Donner aux chaînes associées l&apos;orthographe de la liste</translation>
    </message>
    <message>
        <source>Delete channels missing from the list</source>
        <translation>Supprimer les chaînes absentes de la liste</translation>
    </message>
    <message>
        <source>%1 (No %2)</source>
        <extracomment>%1 is the channel&apos;s name, %2 its number in the list.</extracomment>
        <translation>%1 (n° %2)</translation>
    </message>
    <message>
        <source>Matched lines</source>
        <translation>Lignes associées</translation>
    </message>
    <message>
        <source>%1, one of %2</source>
        <extracomment>%1 is how the name matched, %2 the number of channels it could be.</extracomment>
        <translation>%1, une parmi %2</translation>
    </message>
    <message>
        <source>Lines that match no channel</source>
        <translation>Lignes sans chaîne correspondante</translation>
    </message>
    <message>
        <source>no such name</source>
        <translation>nom introuvable</translation>
    </message>
    <message>
        <source>not Latin-1</source>
        <translation>hors Latin-1</translation>
    </message>
    <message>
        <source>Channels not in the list</source>
        <translation>Chaînes hors liste</translation>
    </message>
    <message>
        <source>to be deleted</source>
        <translation>à supprimer</translation>
    </message>
    <message>
        <source>kept after the listed ones</source>
        <translation>à conserver après celles de la liste</translation>
    </message>
    <message>
        <source>Renamed</source>
        <extracomment>A group of channels that get another name.</extracomment>
        <translation>Renommages</translation>
    </message>
    <message>
        <source>takes this spelling</source>
        <translation>prend cette orthographe</translation>
    </message>
    <message>
        <source>Names that do not fit 11 Latin-1 characters</source>
        <translation>Noms qui ne tiennent pas en 11 caractères Latin-1</translation>
    </message>
    <message>
        <source>keeps its name</source>
        <translation>garde son nom</translation>
    </message>
    <message>
        <source>%1 (%2), %3: %4 exact, %5 case-folded, %6 loose, %7 matching no channel.</source>
        <extracomment>%1 is the list&apos;s file name, %2 its character encoding, %3 a number of lines (&quot;12 lines&quot;), %4 to %7 numbers of lines.</extracomment>
        <translation>%1 (%2), %3&#xa0;: %4 exactes, %5 casse ignorée, %6 approchées, %7 sans chaîne correspondante.</translation>
    </message>
    <message>
        <source>%1 could take several channels: pick one in the Channel column.</source>
        <extracomment>%1 is a number of lines (&quot;2 lines&quot;).</extracomment>
        <translation>%1&#xa0;: plusieurs chaînes possibles&#xa0;; choisissez-en une dans la colonne Chaîne.</translation>
    </message>
    <message>
        <source>The list changes nothing.</source>
        <translation>La liste ne change rien.</translation>
    </message>
    <message>
        <source>Moved: %1.</source>
        <extracomment>%1 is a number of channels (&quot;3 channels&quot;).</extracomment>
        <translation>Déplacements&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Renamed: %1.</source>
        <extracomment>%1 is a number of channels (&quot;3 channels&quot;).</extracomment>
        <translation>Renommages&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Deleted: %1.</source>
        <extracomment>%1 is a number of channels (&quot;3 channels&quot;).</extracomment>
        <translation>Suppressions&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>NumberBoxes</name>
    <message>
        <source>%1 takes a number from %2 to %3.</source>
        <extracomment>%1: the box&apos;s name (e.g. Video PID), %2 and %3: the lowest and highest number it takes.</extracomment>
        <translation>%1 accepte un nombre de %2 à %3.</translation>
    </message>
    <message>
        <source>%1 cannot hold the characters %2: the receiver stores names in Latin-1, which has no such characters.</source>
        <extracomment>%1: the box&apos;s name, %2: the characters, separated by spaces.</extracomment>
        <translation>%1 ne peut pas contenir les caractères %2&#xa0;: le récepteur enregistre les noms en Latin-1, qui ne les possède pas.</translation>
    </message>
    <message>
        <source>%1 takes at most %2 characters.</source>
        <extracomment>%1: the box&apos;s name, %2: the most characters it holds.</extracomment>
        <translation>%1 accepte au plus %2 caractères.</translation>
    </message>
</context>
<context>
    <name>OrderPlanTree</name>
    <message numerus="yes">
        <source>%n channel</source>
        <translation>
            <numerusform>%n chaîne</numerusform>
            <numerusform>%n chaînes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n chaîne</numerusform>
            <numerusform>%n chaînes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line</source>
        <extracomment>Lines of a text file.</extracomment>
        <translation>
            <numerusform>%n ligne</numerusform>
            <numerusform>%n lignes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines</source>
        <translation>
            <numerusform>%n ligne</numerusform>
            <numerusform>%n lignes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n satellite</source>
        <translation>
            <numerusform>%n satellite</numerusform>
            <numerusform>%n satellites</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n satellites</source>
        <translation>
            <numerusform>%n satellite</numerusform>
            <numerusform>%n satellites</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n service</source>
        <extracomment>Services: channels as the broadcaster sends them; a service stored twice is a duplicate.</extracomment>
        <translation>
            <numerusform>%n service</numerusform>
            <numerusform>%n services</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n services</source>
        <translation>
            <numerusform>%n service</numerusform>
            <numerusform>%n services</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponder</source>
        <translation>
            <numerusform>%n transpondeur</numerusform>
            <numerusform>%n transpondeurs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponders</source>
        <translation>
            <numerusform>%n transpondeur</numerusform>
            <numerusform>%n transpondeurs</numerusform>
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
        <translation>Verrou</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <extracomment>The channel flag of an encrypted channel.</extracomment>
        <translation>Crypté</translation>
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
        <translation>%1 activé</translation>
    </message>
    <message>
        <source>%1 off</source>
        <translation>%1 désactivé</translation>
    </message>
    <message>
        <source>%1 (was %2)</source>
        <extracomment>%1 is a channel at its new place, %2 its number before.</extracomment>
        <translation>%1 (ancien n° %2)</translation>
    </message>
    <message>
        <source>Moved</source>
        <extracomment>A group of channels that move to another place.</extracomment>
        <translation>Déplacements</translation>
    </message>
    <message>
        <source>Renamed</source>
        <extracomment>A group of channels that get another name.</extracomment>
        <translation>Renommages</translation>
    </message>
    <message>
        <source>Flags changed</source>
        <translation>Attributs modifiés</translation>
    </message>
</context>
<context>
    <name>PortProblem</name>
    <message>
        <source>There is no device %1: check that the adapter is plugged in and the name is right.</source>
        <extracomment>%1 is the device, e.g. /dev/ttyUSB0</extracomment>
        <translation>Le périphérique %1 n&apos;existe pas&#xa0;: vérifiez que l&apos;adaptateur est branché et que le nom est correct.</translation>
    </message>
    <message>
        <source>You have no permission to use %1: serial ports usually belong to the group &quot;dialout&quot;; join it with &quot;sudo usermod -aG dialout $USER&quot;, then log out and log in again.</source>
        <extracomment>%1 is the device; keep the command as it is</extracomment>
        <translation>Vous n&apos;avez pas le droit d&apos;utiliser %1&#xa0;: les ports série appartiennent généralement au groupe «&#xa0;dialout&#xa0;»&#xa0;; rejoignez-le avec «&#xa0;sudo usermod -aG dialout $USER&#xa0;», puis déconnectez-vous et reconnectez-vous.</translation>
    </message>
    <message>
        <source>You have no permission to use %1, which belongs to the group &quot;%2&quot;: join the group with &quot;sudo usermod -aG %2 $USER&quot;, then log out and log in again.</source>
        <extracomment>%1 is the device, %2 its group; keep the command as it is</extracomment>
        <translation>Vous n&apos;avez pas le droit d&apos;utiliser %1, qui appartient au groupe «&#xa0;%2&#xa0;»&#xa0;: rejoignez ce groupe avec «&#xa0;sudo usermod -aG %2 $USER&#xa0;», puis déconnectez-vous et reconnectez-vous.</translation>
    </message>
    <message>
        <source>Another program is using %1: close that program and try again.</source>
        <extracomment>%1 is the device</extracomment>
        <translation>Un autre programme utilise %1&#xa0;: fermez ce programme et réessayez.</translation>
    </message>
</context>
<context>
    <name>ReorderDialog</name>
    <message>
        <source>Order like another image</source>
        <translation>Ordonner comme une autre image</translation>
    </message>
    <message>
        <source>Also take the names</source>
        <translation>Reprendre aussi les noms</translation>
    </message>
    <message>
        <source>Also take the lock and favourite flags</source>
        <translation>Reprendre aussi le verrou et les favoris</translation>
    </message>
    <message>
        <source>The image is damaged: %1. Nothing can be ordered; the consistency check lists its problems.</source>
        <extracomment>%1 says what is wrong with the image.</extracomment>
        <translation>L&apos;image est endommagée&#xa0;: %1. Rien ne peut être ordonné&#xa0;; le contrôle de cohérence en liste les problèmes.</translation>
    </message>
    <message>
        <source>Not in the other image</source>
        <translation>Absentes de l&apos;autre image</translation>
    </message>
    <message>
        <source>Moved: %1. Renamed: %2. Flags changed: %3.</source>
        <extracomment>Each of %1, %2 and %3 is a number of channels (&quot;3 channels&quot;).</extracomment>
        <translation>Déplacements&#xa0;: %1. Renommages&#xa0;: %2. Changements d&apos;attributs&#xa0;: %3.</translation>
    </message>
    <message>
        <source>The channels are in that order already.</source>
        <translation>Les chaînes sont déjà dans cet ordre.</translation>
    </message>
    <message>
        <source>Not in the other image: %1, kept after the others.</source>
        <extracomment>%1 is a number of channels (&quot;3 channels&quot;).</extracomment>
        <translation>Pas dans l&apos;autre image&#xa0;: %1, à conserver après les autres.</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Satellite Name:</source>
        <translation>Nom du satellite&#xa0;:</translation>
    </message>
    <message>
        <source>Log:</source>
        <extracomment>The satellite&apos;s orbital position (longitude).</extracomment>
        <translation>Long.&#xa0;:</translation>
    </message>
    <message>
        <source>LNB Type:</source>
        <translation>Type de LNB&#xa0;:</translation>
    </message>
    <message>
        <source>E</source>
        <extracomment>East, one letter: a satellite&apos;s orbital position.</extracomment>
        <translation>E</translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>West, one letter: a satellite&apos;s orbital position.</extracomment>
        <translation>O</translation>
    </message>
    <message>
        <source>Satellite Name</source>
        <extracomment>Names the name box in a message: &quot;Satellite Name takes at most ...&quot;.</extracomment>
        <translation>Nom du satellite</translation>
    </message>
    <message>
        <source>The tenths of the position</source>
        <extracomment>Names the box in a message: &quot;The tenths of the position takes a number from 0 to 9.&quot;</extracomment>
        <translation>Le chiffre des dixièmes</translation>
    </message>
    <message>
        <source>The position takes 0.0 to 180.0 degrees.</source>
        <translation>La position va de 0.0 à 180.0 degrés.</translation>
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
        <translation>Transpondeur</translation>
    </message>
    <message>
        <source>LNB</source>
        <extracomment>Title of the LNB list&apos;s frame and of its menu.</extracomment>
        <translation>LNB</translation>
    </message>
    <message>
        <source>Channel</source>
        <extracomment>Title of the channel list&apos;s frame and of its menu.</extracomment>
        <translation>Chaîne</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>Column: the running number of the row (not the answer &quot;no&quot;).</extracomment>
        <translation>N°</translation>
    </message>
    <message>
        <source>Sat Name</source>
        <extracomment>Column: the satellite&apos;s name.</extracomment>
        <translation>Nom sat</translation>
    </message>
    <message>
        <source>Pos</source>
        <extracomment>Column: the satellite&apos;s orbital position, e.g. 19.2E.</extracomment>
        <translation>Pos</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <extracomment>Column: the satellite&apos;s LNB type.</extracomment>
        <translation>Type LNB</translation>
    </message>
    <message>
        <source>Freq</source>
        <extracomment>Column: the transponder&apos;s frequency in MHz.</extracomment>
        <translation>Fréq</translation>
    </message>
    <message>
        <source>Pol</source>
        <extracomment>Column: the transponder&apos;s polarisation, V or H.</extracomment>
        <translation>Pol</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <extracomment>Column: the transponder&apos;s symbol rate.</extracomment>
        <translation>Débit symbole</translation>
    </message>
    <message>
        <source>TP ID</source>
        <extracomment>Column: the transponder&apos;s record number.</extracomment>
        <translation>ID TP</translation>
    </message>
    <message>
        <source>LNB Freq Low</source>
        <extracomment>Column: the LNB&apos;s low band local oscillator frequency.</extracomment>
        <translation>Fréq. LNB basse</translation>
    </message>
    <message>
        <source>LNB Freq High</source>
        <extracomment>Column: the LNB&apos;s high band local oscillator frequency.</extracomment>
        <translation>Fréq. LNB haute</translation>
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
        <translation>Alim. LNB</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <extracomment>Column: the channel&apos;s name.</extracomment>
        <translation>Nom de la chaîne</translation>
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
        <translation>verr.</translation>
    </message>
    <message>
        <source>scr</source>
        <extracomment>Column: the channel is scrambled, Y or N.</extracomment>
        <translation>crypt.</translation>
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
        <translation>N° ch.</translation>
    </message>
    <message>
        <source>Add Satellite...</source>
        <translation>Ajouter un satellite...</translation>
    </message>
    <message>
        <source>Edit Satellite...</source>
        <translation>Modifier le satellite...</translation>
    </message>
    <message>
        <source>Del Satellite</source>
        <extracomment>Menu item: delete the satellite.</extracomment>
        <translation>Supprimer le satellite</translation>
    </message>
    <message>
        <source>Add new Transponder...</source>
        <translation>Ajouter un nouveau transpondeur...</translation>
    </message>
    <message>
        <source>Add Transponder...</source>
        <translation>Ajouter un transpondeur...</translation>
    </message>
    <message>
        <source>Edit Transponder...</source>
        <translation>Modifier le transpondeur...</translation>
    </message>
    <message>
        <source>Del Transponder</source>
        <extracomment>Menu item: delete the transponder.</extracomment>
        <translation>Supprimer le transpondeur</translation>
    </message>
    <message>
        <source>Add a Program...</source>
        <extracomment>Menu item: add a channel (a program) on the transponder.</extracomment>
        <translation>Ajouter une chaîne...</translation>
    </message>
    <message>
        <source>Edit LNB...</source>
        <translation>Modifier le LNB...</translation>
    </message>
    <message>
        <source>Add Channel...</source>
        <translation>Ajouter une chaîne...</translation>
    </message>
    <message>
        <source>Edit Channel...</source>
        <translation>Modifier la chaîne...</translation>
    </message>
    <message>
        <source>Del Channel</source>
        <extracomment>Menu item: delete the channel.</extracomment>
        <translation>Supprimer la chaîne</translation>
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
        <translation>	 Voulez-vous supprimer la chaîne [ %1]&#xa0;?		</translation>
    </message>
</context>
<context>
    <name>SatellitePageCommands</name>
    <message>
        <source>Add transponder %1 on %2</source>
        <extracomment>The name of an edit step (Undo/Redo). %1: the transponder (frequency, symbol rate, polarisation), %2: the satellite.</extracomment>
        <translation>Ajouter le transpondeur %1 sur %2</translation>
    </message>
    <message>
        <source>Edit transponder %1</source>
        <extracomment>The name of an edit step. %1: the transponder.</extracomment>
        <translation>Modifier le transpondeur %1</translation>
    </message>
    <message>
        <source>Transponder is Full!</source>
        <translation>Table des transpondeurs pleine&#xa0;!</translation>
    </message>
    <message>
        <source>Add Satellite</source>
        <extracomment>Dialog title.</extracomment>
        <translation>Ajouter un satellite</translation>
    </message>
    <message>
        <source>Satellite is full!</source>
        <translation>Table des satellites pleine&#xa0;!</translation>
    </message>
    <message>
        <source>Add satellite %1</source>
        <extracomment>The name of an edit step (Undo/Redo). %1: the satellite&apos;s name and position.</extracomment>
        <translation>Ajouter le satellite %1</translation>
    </message>
    <message>
        <source>Edit Satellite</source>
        <extracomment>Dialog title.</extracomment>
        <translation>Modifier le satellite</translation>
    </message>
    <message>
        <source>Edit satellite %1</source>
        <extracomment>The name of an edit step (Undo/Redo). %1: the satellite&apos;s name and position.</extracomment>
        <translation>Modifier le satellite %1</translation>
    </message>
    <message>
        <source>Del Satellite</source>
        <extracomment>Title of the question before a satellite is deleted; &quot;Del&quot; is short for Delete.</extracomment>
        <translation>Supprimer le satellite</translation>
    </message>
    <message>
        <source>	 Do you want to del [%1]?		</source>
        <extracomment>%1: the satellite&apos;s name. The tabs are kept for the box&apos;s spacing.</extracomment>
        <translation>	 Voulez-vous supprimer [%1]&#xa0;?		</translation>
    </message>
    <message>
        <source>Delete satellite %1</source>
        <extracomment>The name of an edit step (Undo/Redo). %1: the satellite&apos;s name and position.</extracomment>
        <translation>Supprimer le satellite %1</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <extracomment>Dialog title.</extracomment>
        <translation>Ajouter un transpondeur</translation>
    </message>
    <message>
        <source>Edit Transponder</source>
        <extracomment>Dialog title.</extracomment>
        <translation>Modifier le transpondeur</translation>
    </message>
    <message>
        <source>	 Do you want to del xpdr [%1/%2/%3]?		</source>
        <extracomment>%1: frequency in MHz, %2: symbol rate, %3: polarisation (V or H); &quot;xpdr&quot; is short for transponder. The tabs are kept for the box&apos;s spacing.</extracomment>
        <translation>	 Voulez-vous supprimer le TP [%1/%2/%3]&#xa0;?		</translation>
    </message>
    <message>
        <source>It has no channels.</source>
        <extracomment>Said of a transponder about to be deleted.</extracomment>
        <translation>Il n&apos;a aucune chaîne.</translation>
    </message>
    <message>
        <source>Its 1 channel is deleted with it.</source>
        <extracomment>Said of a transponder about to be deleted.</extracomment>
        <translation>Sa chaîne est supprimée avec lui.</translation>
    </message>
    <message>
        <source>Its %1 channels are deleted with it.</source>
        <extracomment>Said of a transponder about to be deleted. %1: the number of its channels, 2 or more.</extracomment>
        <translation>Ses %1 chaînes sont supprimées avec lui.</translation>
    </message>
    <message>
        <source>Del Transponder</source>
        <extracomment>Title of the question before a transponder is deleted; &quot;Del&quot; is short for Delete.</extracomment>
        <translation>Supprimer le transpondeur</translation>
    </message>
    <message>
        <source>Delete transponder %1</source>
        <extracomment>The name of an edit step (Undo/Redo). %1: the transponder (frequency, symbol rate, polarisation).</extracomment>
        <translation>Supprimer le transpondeur %1</translation>
    </message>
    <message>
        <source>Edit LNB %1</source>
        <extracomment>The name of an edit step (Undo/Redo). %1: the LNB type&apos;s name, e.g. Type1.</extracomment>
        <translation>Modifier le LNB %1</translation>
    </message>
</context>
<context>
    <name>SatellitePageText</name>
    <message>
        <source>Y</source>
        <extracomment>A channel&apos;s flag (lock, scrambled, favourites) is set: short for Yes.</extracomment>
        <translation>O</translation>
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
        <translation>%1 «&#xa0;%2&#xa0;» n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>the file declares entities, which are not accepted</source>
        <translation>le fichier déclare des entités, ce qui n&apos;est pas accepté</translation>
    </message>
    <message>
        <source>the file holds no &lt;satellites&gt; element</source>
        <translation>le fichier ne contient pas d&apos;élément &lt;satellites&gt;</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is the line number, %2 what is wrong there</extracomment>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the file ends before its elements are closed (is it cut off?)</source>
        <translation>le fichier se termine avant la fermeture de ses éléments (est-il tronqué&#xa0;?)</translation>
    </message>
    <message>
        <source>not well-formed XML: %1</source>
        <extracomment>%1 is the XML reader&apos;s own message</extracomment>
        <translation>XML mal formé&#xa0;: %1</translation>
    </message>
    <message>
        <source>the root element is &lt;%1&gt;, not &lt;satellites&gt;</source>
        <extracomment>%1 is the name of the file&apos;s first element</extracomment>
        <translation>l&apos;élément racine est &lt;%1&gt;, pas &lt;satellites&gt;</translation>
    </message>
    <message>
        <source>the satellite has no position</source>
        <translation>le satellite n&apos;a pas de position</translation>
    </message>
    <message>
        <source>position %1 lies outside -1800 to 1800 (180.0W to 180.0E)</source>
        <extracomment>%1 is the position in tenths of a degree, east positive</extracomment>
        <translation>la position %1 est hors de l&apos;intervalle -1800 à 1800 (180.0W à 180.0E)</translation>
    </message>
    <message>
        <source>more than %1 satellites</source>
        <extracomment>%1 is the most satellites a file may hold</extracomment>
        <translation>plus de %1 satellites</translation>
    </message>
    <message>
        <source>the transponder lacks its frequency, symbol_rate or polarization</source>
        <extracomment>frequency, symbol_rate and polarization are the names of XML attributes; keep them</extracomment>
        <translation>il manque au transpondeur son attribut frequency, symbol_rate ou polarization</translation>
    </message>
    <message>
        <source>polarization &quot;%1&quot; is not 0, 1, 2 or 3</source>
        <extracomment>%1 is the value of the XML attribute polarization</extracomment>
        <translation>polarization «&#xa0;%1&#xa0;» n&apos;est pas 0, 1, 2 ou 3</translation>
    </message>
    <message>
        <source>frequency %1 is not above 0</source>
        <extracomment>%1 is the value of the XML attribute frequency</extracomment>
        <translation>frequency %1 n&apos;est pas supérieur à 0</translation>
    </message>
    <message>
        <source>symbol_rate %1 is not above 0</source>
        <extracomment>%1 is the value of the XML attribute symbol_rate</extracomment>
        <translation>symbol_rate %1 n&apos;est pas supérieur à 0</translation>
    </message>
    <message>
        <source>more than %1 transponders</source>
        <extracomment>%1 is the most transponders a file may hold</extracomment>
        <translation>plus de %1 transpondeurs</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB, far more than any transponder list</source>
        <extracomment>%1 is the largest size accepted, in megabytes</extracomment>
        <translation>le fichier dépasse %1 Mo, bien plus que n&apos;importe quelle liste de transpondeurs</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>lecture impossible&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>SatellitesXmlDialog</name>
    <message>
        <source>%1 (C-band)</source>
        <extracomment>%1 is an LNB type&apos;s name (as the receiver stores it) of a C-band LNB.</extracomment>
        <translation>%1 (bande C)</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1 (ligne %2)</translation>
    </message>
    <message>
        <source>%1 (line %2), does not fit</source>
        <translation>%1 (ligne %2), ne tient pas</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>%1 is a line number of the file, %2 why the transponder there is skipped.</extracomment>
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Import satellites.xml</source>
        <extracomment>satellites.xml is a file name and stays as it is.</extracomment>
        <translation>Importer satellites.xml</translation>
    </message>
    <message>
        <source>Satellite</source>
        <extracomment>Column caption: a satellite of the image.</extracomment>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>LNB type</source>
        <extracomment>Column caption: the LNB type the satellite uses.</extracomment>
        <translation>Type de LNB</translation>
    </message>
    <message>
        <source>Takes from the file</source>
        <extracomment>Column caption: the satellite of the file whose transponders it takes.</extracomment>
        <translation>Repris du fichier</translation>
    </message>
    <message>
        <source>Added as</source>
        <extracomment>Column caption: the name and position the new satellite gets.</extracomment>
        <translation>Ajouté comme</translation>
    </message>
    <message>
        <source>Transponders</source>
        <extracomment>Column caption: the number of transponders.</extracomment>
        <translation>Transpondeurs</translation>
    </message>
    <message>
        <source>Satellite in the file</source>
        <extracomment>Column caption: the satellite as the file names it.</extracomment>
        <translation>Satellite dans le fichier</translation>
    </message>
    <message>
        <source>Changes</source>
        <extracomment>A tab (a noun): the changes the import makes.</extracomment>
        <translation>Modifications</translation>
    </message>
    <message>
        <source>Satellites of the image</source>
        <translation>Satellites de l&apos;image</translation>
    </message>
    <message>
        <source>Add satellites</source>
        <translation>Ajouter des satellites</translation>
    </message>
    <message>
        <source>Take DVB-S2 transponders too (the receiver tunes DVB-S)</source>
        <translation>Prendre aussi les transpondeurs DVB-S2 (le récepteur capte le DVB-S)</translation>
    </message>
    <message>
        <source>Delete transponders not in the file that carry no channels</source>
        <translation>Supprimer les transpondeurs absents du fichier et sans chaîne</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <extracomment>%1 is a satellite as the file names it, %2 its line in the file.</extracomment>
        <translation>%1, ligne %2</translation>
    </message>
    <message>
        <source>Not in the file</source>
        <translation>Hors fichier</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>%1 → %2 kS/s (line %3)</source>
        <extracomment>%1 is a transponder (&quot;11747/27500/V&quot;), %2 its new symbol rate, %3 its line in the file.</extracomment>
        <translation>%1 → %2 kS/s (ligne %3)</translation>
    </message>
    <message>
        <source>%1, %2, to be deleted</source>
        <translation>%1, %2, à supprimer</translation>
    </message>
    <message>
        <source>To add</source>
        <extracomment>A group of transponders to add.</extracomment>
        <translation>À ajouter</translation>
    </message>
    <message>
        <source>Updated</source>
        <extracomment>A group of transponders that get a new symbol rate.</extracomment>
        <translation>Mis à jour</translation>
    </message>
    <message>
        <source>Skipped</source>
        <extracomment>A group of transponders of the file that are not taken.</extracomment>
        <translation>Non repris</translation>
    </message>
    <message>
        <source>New satellite %1, %2</source>
        <translation>Nouveau satellite %1, %2</translation>
    </message>
    <message>
        <source>New satellite %1, %2, does not fit</source>
        <translation>Nouveau satellite %1, %2, ne tient pas</translation>
    </message>
    <message>
        <source>%1 of the image found in the file: %2 to add, %3 updated, %4 not in the file (%5 to be deleted).</source>
        <translation>Dans le fichier&#xa0;: %1 de l&apos;image&#xa0;; %2 à ajouter, %3 mis à jour, %4 hors fichier (%5 à supprimer).</translation>
    </message>
    <message>
        <source>%1 of the image found in the file: %2 to add, %3 updated, %4 not in the file.</source>
        <extracomment>%1 is a number of satellites (&quot;2 satellites&quot;), %2 a number of transponders, %3 and %4 numbers of transponders.</extracomment>
        <translation>Dans le fichier&#xa0;: %1 de l&apos;image&#xa0;; %2 à ajouter, %3 mis à jour, %4 hors fichier.</translation>
    </message>
    <message>
        <source>New: %1 with %2.</source>
        <extracomment>%1 is a number of satellites (&quot;2 satellites&quot;), %2 a number of transponders.</extracomment>
        <translation>À ajouter&#xa0;: %1 avec %2.</translation>
    </message>
    <message>
        <source>Skipped: %1 (%2 DVB-S2).</source>
        <extracomment>%1 is a number of transponders, %2 how many of them are DVB-S2.</extracomment>
        <translation>Non repris&#xa0;: %1 (dont %2 DVB-S2).</translation>
    </message>
    <message>
        <source>Does not fit the tables (%1 satellites, %2 transponders): %3 and %4; OK adds what fits, in the order shown.</source>
        <extracomment>%1 and %2 are the sizes of the image&apos;s tables, %3 a number of satellites (&quot;2 satellites&quot;), %4 a number of transponders.</extracomment>
        <translation>Ne tient pas dans les tables (%1 satellites, %2 transpondeurs)&#xa0;: %3 et %4&#xa0;; OK ajoute ce qui tient, dans l&apos;ordre affiché.</translation>
    </message>
    <message>
        <source>Does not fit the tables (%1 satellites, %2 transponders): %3 and %4; nothing else changes, so OK changes nothing.</source>
        <translation>Ne tient pas dans les tables (%1 satellites, %2 transpondeurs)&#xa0;: %3 et %4&#xa0;; rien d&apos;autre ne change, OK ne change donc rien.</translation>
    </message>
    <message>
        <source>The file changes nothing.</source>
        <translation>Le fichier ne change rien.</translation>
    </message>
</context>
<context>
    <name>SendCheck</name>
    <message>
        <source>outside the tables</source>
        <translation>hors des tables</translation>
    </message>
    <message>
        <source>past the image</source>
        <translation>après la fin de l&apos;image</translation>
    </message>
    <message>
        <source>sector header %1</source>
        <extracomment>%1 is the sector&apos;s number</extracomment>
        <translation>en-tête de secteur %1</translation>
    </message>
    <message>
        <source>satellite slot %1</source>
        <extracomment>%1 is the slot&apos;s number</extracomment>
        <translation>emplacement de satellite %1</translation>
    </message>
    <message>
        <source>transponder mark %1</source>
        <extracomment>%1 is the mark&apos;s number</extracomment>
        <translation>marque de transpondeur %1</translation>
    </message>
    <message>
        <source>the settings block</source>
        <translation>le bloc des paramètres</translation>
    </message>
    <message>
        <source>transponder slot %1</source>
        <extracomment>%1 is the slot&apos;s number</extracomment>
        <translation>emplacement de transpondeur %1</translation>
    </message>
    <message>
        <source>channel slot %1</source>
        <extracomment>%1 is the slot&apos;s number</extracomment>
        <translation>emplacement de chaîne %1</translation>
    </message>
    <message>
        <source>byte %1 (%2, %3): sent %4, the receiver holds %5</source>
        <extracomment>%1 is the offset, %2 the same in hex, %3 where it lies, %4 and %5 the byte values in hex</extracomment>
        <translation>octet %1 (%2, %3)&#xa0;: envoyé %4, le récepteur contient %5</translation>
    </message>
    <message>
        <source>The receiver holds an image that differs from the one sent in 1 byte:</source>
        <translation>L&apos;image du récepteur diffère de celle envoyée sur 1 octet&#xa0;:</translation>
    </message>
    <message>
        <source>The receiver holds an image that differs from the one sent in %1 bytes:</source>
        <extracomment>%1 is the number of bytes (more than one)</extracomment>
        <translation>L&apos;image du récepteur diffère de celle envoyée sur %1 octets&#xa0;:</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <extracomment>%1 is the number of differing bytes not listed</extracomment>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <source>The receiver holds exactly the image that was sent.</source>
        <translation>Le récepteur contient exactement l&apos;image envoyée.</translation>
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
        <translation>Satellites %1/%2, Transpondeurs %3/%4, Chaînes %5/%6</translation>
    </message>
    <message>
        <source>Untitled</source>
        <extracomment>Status line: the image has no file yet.</extracomment>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Modified</source>
        <extracomment>Status line: the image has unsaved changes.</extracomment>
        <translation>Modifié</translation>
    </message>
</context>
<context>
    <name>SystemSettingsPage</name>
    <message>
        <source>System Setting</source>
        <extracomment>Group title: the receiver&apos;s system settings.</extracomment>
        <translation>Paramètres système</translation>
    </message>
    <message>
        <source>Menu Language</source>
        <translation>Langue du menu</translation>
    </message>
    <message>
        <source>Main audio Lang</source>
        <extracomment>The receiver&apos;s main audio language.</extracomment>
        <translation>Langue audio princ.</translation>
    </message>
    <message>
        <source>2nd Audio Lang</source>
        <extracomment>The receiver&apos;s second audio language.</extracomment>
        <translation>2e langue audio</translation>
    </message>
    <message>
        <source>GMT Usage</source>
        <extracomment>Whether the receiver uses GMT (Off/On).</extracomment>
        <translation>Utiliser GMT</translation>
    </message>
    <message>
        <source>Select Time Zone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>Summer Time</source>
        <translation>Heure d&apos;été</translation>
    </message>
    <message>
        <source>Time Offset</source>
        <extracomment>The receiver&apos;s time offset.</extracomment>
        <translation>Décalage horaire</translation>
    </message>
    <message>
        <source>Aspect</source>
        <extracomment>The TV picture&apos;s aspect ratio (4:3, 16:9).</extracomment>
        <translation>Format TV</translation>
    </message>
    <message>
        <source>Delay Time</source>
        <extracomment>A receiver setting whose values are ALWAYS, 2 Sec .. 7 Sec.</extracomment>
        <translation>Délai</translation>
    </message>
    <message>
        <source>Transparency</source>
        <extracomment>The transparency of the receiver&apos;s on-screen display.</extracomment>
        <translation>Transparence</translation>
    </message>
    <message>
        <source>Color</source>
        <extracomment>The TV colour system (Auto, PAL, NTSC).</extracomment>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>The TV sound system (M, B/G, I, D/K).</extracomment>
        <translation>Son</translation>
    </message>
    <message>
        <source> RF Channel</source>
        <extracomment>The UHF channel of the receiver&apos;s RF modulator output.</extracomment>
        <translation> Canal RF</translation>
    </message>
    <message>
        <source>Status</source>
        <extracomment>Group title: figures the receiver keeps.</extracomment>
        <translation>État</translation>
    </message>
    <message>
        <source>TV Num</source>
        <extracomment>The number of TV channels.</extracomment>
        <translation>Nb TV</translation>
    </message>
    <message>
        <source>Radio Num</source>
        <extracomment>The number of radio channels.</extracomment>
        <translation>Nb radio</translation>
    </message>
    <message>
        <source>Total Channl</source>
        <extracomment>The total number of channels (the receiver&apos;s own spelling).</extracomment>
        <translation>Total chaînes</translation>
    </message>
    <message>
        <source>Volume L</source>
        <extracomment>The left audio channel&apos;s volume.</extracomment>
        <translation>Volume G</translation>
    </message>
    <message>
        <source>Volume R</source>
        <extracomment>The right audio channel&apos;s volume.</extracomment>
        <translation>Volume D</translation>
    </message>
    <message>
        <source>StandBy</source>
        <extracomment>The receiver&apos;s standby setting (No/Yes).</extracomment>
        <translation>Veille</translation>
    </message>
    <message>
        <source>Parent Lock</source>
        <extracomment>Group title: the parental lock.</extracomment>
        <translation>Contrôle parental</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <extracomment>The parental lock&apos;s PIN.</extracomment>
        <translation>Code PIN</translation>
    </message>
    <message>
        <source>Lock Receiver</source>
        <extracomment>Parental lock of the whole receiver (Free/Locked).</extracomment>
        <translation>Verrou récepteur</translation>
    </message>
    <message>
        <source>Lock Menu</source>
        <extracomment>Parental lock of the receiver&apos;s menu (Free/Locked).</extracomment>
        <translation>Verrou menu</translation>
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
        <translation>Le port COM choisi est invalide ou déjà ouvert&#xa0;!</translation>
    </message>
    <message>
        <source>Error!</source>
        <extracomment>follows a message about a failed transfer</extracomment>
        <translation>Erreur&#xa0;!</translation>
    </message>
    <message>
        <source>Please Select Port type and press the Start button!</source>
        <translation>Choisissez le port et appuyez sur le bouton Démarrer&#xa0;!</translation>
    </message>
    <message>
        <source>Waiting for handshake signal!</source>
        <translation>En attente du signal de négociation&#xa0;!</translation>
    </message>
    <message>
        <source>Data is transmitting form STB!</source>
        <extracomment>STB: the set-top box, the receiver</extracomment>
        <translation>Réception des données du récepteur en cours&#xa0;!</translation>
    </message>
    <message>
        <source>Data is uploading to STB!</source>
        <translation>Envoi des données au récepteur en cours&#xa0;!</translation>
    </message>
    <message>
        <source>You have select wrong direction</source>
        <extracomment>the receiver was set to receive when the PC sends, or the other way round</extracomment>
        <translation>Vous avez choisi le mauvais sens de transfert</translation>
    </message>
    <message>
        <source>Data have been uploaded to STB</source>
        <translation>Les données ont été envoyées au récepteur</translation>
    </message>
    <message>
        <source>Data have been DownLoaded and saved to %1</source>
        <extracomment>%1 is the path the received image was saved to</extracomment>
        <translation>Les données ont été reçues et enregistrées dans %1</translation>
    </message>
    <message>
        <source>Data from PC to IRD</source>
        <extracomment>IRD: the receiver</extracomment>
        <translation>Données du PC vers l&apos;IRD</translation>
    </message>
    <message>
        <source>Data from IRD to PC</source>
        <extracomment>IRD: the receiver</extracomment>
        <translation>Données de l&apos;IRD vers le PC</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Freq:</source>
        <extracomment>Short for the transponder&apos;s frequency.</extracomment>
        <translation>Fréq&#xa0;:</translation>
    </message>
    <message>
        <source>Symbol Rate:</source>
        <translation>Débit symbole&#xa0;:</translation>
    </message>
    <message>
        <source>Polarity:</source>
        <extracomment>The transponder&apos;s polarisation, H or V.</extracomment>
        <translation>Polarité&#xa0;:</translation>
    </message>
    <message>
        <source>MHz (%1 to %2)</source>
        <extracomment>After the frequency box. %1 and %2: the lowest and highest frequency accepted, in MHz.</extracomment>
        <translation>MHz (%1 à %2)</translation>
    </message>
    <message>
        <source>Freq (MHz)</source>
        <extracomment>Names the frequency box in a message: &quot;Freq (MHz) takes a number from ...&quot;.</extracomment>
        <translation>Fréq (MHz)</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <extracomment>Names the symbol rate box in a message: &quot;Symbol Rate takes a number from ...&quot;.</extracomment>
        <translation>Débit symbole</translation>
    </message>
</context>
<context>
    <name>TransponderUpdate</name>
    <message>
        <source>frequency %1 kHz does not fit the receiver&apos;s 1 to 65535 MHz</source>
        <extracomment>%1 is the list&apos;s frequency in kHz</extracomment>
        <translation>la fréquence %1 kHz ne tient pas dans la plage 1 à 65535 MHz du récepteur</translation>
    </message>
    <message>
        <source>symbol rate %1 does not fit the receiver&apos;s 1 to 65535 kS/s</source>
        <translation>le débit symbole %1 ne tient pas dans la plage 1 à 65535 kS/s du récepteur</translation>
    </message>
    <message>
        <source>DVB-S2, left out; the image&apos;s %1/%2/%3 stays as it is</source>
        <extracomment>%1 frequency in MHz, %2 symbol rate in kS/s, %3 polarization V or H</extracomment>
        <translation>DVB-S2, non repris&#xa0;; le %1/%2/%3 de l&apos;image reste tel quel</translation>
    </message>
    <message>
        <source>repeats the transponder of line %1</source>
        <translation>répète le transpondeur de la ligne %1</translation>
    </message>
    <message>
        <source>DVB-S2, left out</source>
        <translation>DVB-S2, non repris</translation>
    </message>
</context>
<context>
    <name>vormante::AboutDialog</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Version  Num: %1</source>
        <extracomment>%1 is the program&apos;s version number, e.g. 1.4.0</extracomment>
        <translation>Version  n°&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>vormante::DataCommands</name>
    <message>
        <source>%1 has unsaved changes. Save them before sending?

Otherwise the receiver gets the file as it was last saved.</source>
        <extracomment>%1 is the file name, or &quot;The image&quot; when it has none</extracomment>
        <translation>%1 contient des modifications non enregistrées. Les enregistrer avant l&apos;envoi&#xa0;?

Sinon, le récepteur reçoit le fichier tel qu&apos;il a été enregistré la dernière fois.</translation>
    </message>
    <message>
        <source>Open the received image %1 in the editor?</source>
        <extracomment>%1 is the path of the file the received image was saved to</extracomment>
        <translation>Ouvrir l&apos;image reçue %1 dans l&apos;éditeur&#xa0;?</translation>
    </message>
    <message>
        <source>Data From PC To IRD</source>
        <translation>Données du PC vers l&apos;IRD</translation>
    </message>
    <message>
        <source>The image</source>
        <translation>L&apos;image</translation>
    </message>
    <message>
        <source>the received image</source>
        <translation>l&apos;image reçue</translation>
    </message>
    <message>
        <source>Data From IRD To PC</source>
        <translation>Données de l&apos;IRD vers le PC</translation>
    </message>
</context>
<context>
    <name>vormante::ExchangeCommands</name>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <extracomment>%1 is the path, %2 the system&apos;s reason</extracomment>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>vormante::FileCommands</name>
    <message>
        <source>Open</source>
        <extracomment>a dialog title</extracomment>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>The backup file %1 could not be written: %2.

Replace %3 without a backup?</source>
        <extracomment>%1 is the backup file, %2 the system&apos;s reason, %3 the file to be replaced</extracomment>
        <translation>Impossible d&apos;écrire le fichier de sauvegarde %1&#xa0;: %2.

Remplacer %3 sans sauvegarde&#xa0;?</translation>
    </message>
    <message>
        <source>The backup file %1 could not be written: %2.

Nothing was saved; the changes are still open in the editor.</source>
        <translation>Impossible d&apos;écrire le fichier de sauvegarde %1&#xa0;: %2.

Rien n&apos;a été enregistré&#xa0;; les modifications restent ouvertes dans l&apos;éditeur.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.

The file may be incomplete; its previous content is in the backup file. The changes are still open in the editor.</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2.

Le fichier est peut-être incomplet&#xa0;; son contenu précédent se trouve dans le fichier de sauvegarde. Les modifications restent ouvertes dans l&apos;éditeur.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.

The file keeps its previous content; the changes are still open in the editor.</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2.

Le fichier garde son contenu précédent&#xa0;; les modifications restent ouvertes dans l&apos;éditeur.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Choose another name for the changes.</source>
        <translation>Choisissez un autre nom pour les modifications.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.

The changes are still open in the editor.</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2.

Les modifications restent ouvertes dans l&apos;éditeur.</translation>
    </message>
    <message>
        <source>Unsaved changes in the image, which has no file yet.</source>
        <translation>Modifications non enregistrées dans l&apos;image, qui n&apos;a pas encore de fichier.</translation>
    </message>
    <message>
        <source>Unsaved changes in %1.</source>
        <extracomment>%1 is the file name</extracomment>
        <translation>Modifications non enregistrées dans %1.</translation>
    </message>
    <message>
        <source>%1 now holds %2.</source>
        <extracomment>%1 is the file name, %2 what it holds now, e.g. &quot;the received image&quot;</extracomment>
        <translation>%1 contient maintenant %2.</translation>
    </message>
    <message>
        <source>Save asks for another name for them.</source>
        <translation>«&#xa0;Enregistrer&#xa0;» demandera un autre nom pour les modifications.</translation>
    </message>
    <message>
        <source>Data has been changed,do you want to change!</source>
        <translation>Les données ont été modifiées. Voulez-vous les enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>File open error!</source>
        <translation>Erreur d&apos;ouverture du fichier&#xa0;!</translation>
    </message>
    <message>
        <source>BIN data</source>
        <extracomment>the file type in file dialogs</extracomment>
        <translation>Données BIN</translation>
    </message>
</context>
<context>
    <name>vormante::LanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The choice that follows the desktop&apos;s language</extracomment>
        <translation>Système</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue&#xa0;:</translation>
    </message>
    <message>
        <source>Vormante shows the chosen language the next time it starts.</source>
        <translation>Vormante affichera la langue choisie au prochain démarrage.</translation>
    </message>
</context>
<context>
    <name>vormante::ListCommands</name>
    <message>
        <source>Export txt file</source>
        <translation>Exporter un fichier txt</translation>
    </message>
    <message>
        <source>The channel list was written to %1.</source>
        <translation>La liste des chaînes a été écrite dans %1.</translation>
    </message>
    <message>
        <source>Import txt file</source>
        <translation>Importer un fichier txt</translation>
    </message>
    <message>
        <source>%1 is not a channel list and was not imported: %2.</source>
        <extracomment>%1 is the file name, %2 the reason</extracomment>
        <translation>%1 n&apos;est pas une liste de chaînes et n&apos;a pas été importé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Import %1</source>
        <extracomment>an undo step; %1 is the file name</extracomment>
        <translation>Importer %1</translation>
    </message>
    <message>
        <source>The image has changed since the list was read; nothing was imported.</source>
        <translation>L&apos;image a changé depuis la lecture de la liste&#xa0;; rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>Order like another image</source>
        <translation>Ordonner comme une autre image</translation>
    </message>
    <message>
        <source>Order like %1</source>
        <extracomment>an undo step; %1 is the file name of the other image</extracomment>
        <translation>Ordonner comme %1</translation>
    </message>
    <message>
        <source>The image has changed since the order was planned; nothing was changed.</source>
        <translation>L&apos;image a changé depuis la préparation de l&apos;ordre&#xa0;; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Compare with</source>
        <translation>Comparer avec</translation>
    </message>
    <message>
        <source>Delete 1 duplicate channel</source>
        <extracomment>an undo step</extracomment>
        <translation>Supprimer 1 chaîne en double</translation>
    </message>
    <message>
        <source>Delete %1 duplicate channels</source>
        <extracomment>an undo step; %1 is the number of channels (more than one)</extracomment>
        <translation>Supprimer %1 chaînes en double</translation>
    </message>
    <message>
        <source>The image has changed since the duplicates were found; nothing was deleted.</source>
        <translation>L&apos;image a changé depuis la recherche des doublons&#xa0;; rien n&apos;a été supprimé.</translation>
    </message>
    <message>
        <source>Channel list</source>
        <extracomment>the file type in file dialogs</extracomment>
        <translation>Liste de chaînes</translation>
    </message>
</context>
<context>
    <name>vormante::MainWindow</name>
    <message>
        <source>File</source>
        <extracomment>a menu</extracomment>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Open ...</source>
        <translation>Ouvrir ...</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>a command</extracomment>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save as ...</source>
        <translation>Enregistrer sous ...</translation>
    </message>
    <message>
        <source>Export txt file</source>
        <translation>Exporter un fichier txt</translation>
    </message>
    <message>
        <source>Import txt file</source>
        <translation>Importer un fichier txt</translation>
    </message>
    <message>
        <source>Order like another image...</source>
        <translation>Ordonner comme une autre image...</translation>
    </message>
    <message>
        <source>Compare with...</source>
        <translation>Comparer avec...</translation>
    </message>
    <message>
        <source>Order by a list of names...</source>
        <translation>Ordonner selon une liste de noms...</translation>
    </message>
    <message>
        <source>Export names...</source>
        <translation>Exporter les noms...</translation>
    </message>
    <message>
        <source>Archive...</source>
        <translation>Archives...</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Fichiers récents</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>a command: quits the program</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Data</source>
        <extracomment>the menu of transfers to and from the receiver</extracomment>
        <translation>Données</translation>
    </message>
    <message>
        <source>Data From PC To IRD</source>
        <extracomment>IRD: the receiver (integrated receiver-decoder)</extracomment>
        <translation>Données du PC vers l&apos;IRD</translation>
    </message>
    <message>
        <source>Data From IRD To PC</source>
        <translation>Données de l&apos;IRD vers le PC</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>a menu</extracomment>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Language...</source>
        <translation>Langue...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Edit</source>
        <extracomment>a menu</extracomment>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Filter list</source>
        <translation>Filtrer la liste</translation>
    </message>
    <message>
        <source>Find channel...</source>
        <translation>Rechercher une chaîne...</translation>
    </message>
    <message>
        <source>Find duplicates</source>
        <translation>Rechercher les doublons</translation>
    </message>
    <message>
        <source>Keep this order</source>
        <translation>Conserver cet ordre</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <extracomment>the toolbar&apos;s name, shown by some desktops</extracomment>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>a toolbar tip: opens an image file</extracomment>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Untitled</source>
        <extracomment>the name of an image that has no file yet</extracomment>
        <translation>Sans titre</translation>
    </message>
</context>
<context>
    <name>vormante::NameListCommands</name>
    <message>
        <source>Order by a list of names</source>
        <translation>Ordonner selon une liste de noms</translation>
    </message>
    <message>
        <source>%1 is not a list of names and was not used: %2.</source>
        <extracomment>%1 is the file name, %2 the reason</extracomment>
        <translation>%1 n&apos;est pas une liste de noms et n&apos;a pas été utilisé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Order %1 TV by %2</source>
        <extracomment>an undo step; %1 is the satellite, %2 the file name of the list</extracomment>
        <translation>Ordonner les chaînes TV de %1 selon %2</translation>
    </message>
    <message>
        <source>Order %1 radio by %2</source>
        <extracomment>an undo step; %1 is the satellite, %2 the file name of the list</extracomment>
        <translation>Ordonner les radios de %1 selon %2</translation>
    </message>
    <message>
        <source>The image has changed since the list was matched; nothing was changed.</source>
        <translation>L&apos;image a changé depuis la mise en correspondance de la liste&#xa0;; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Show the satellite whose channel names to export first.</source>
        <translation>Affichez d&apos;abord le satellite dont vous voulez exporter les noms de chaînes.</translation>
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
        <translation>Exporter les noms</translation>
    </message>
    <message>
        <source>List of names</source>
        <extracomment>the file type in file dialogs</extracomment>
        <translation>Liste de noms</translation>
    </message>
</context>
<context>
    <name>vormante::PortOptionDialog</name>
    <message>
        <source>Option</source>
        <extracomment>the title of the dialog that chooses the serial port</extracomment>
        <translation>Options</translation>
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
        <source>COM Port:</source>
        <extracomment>COM: a serial port</extracomment>
        <translation>Port COM&#xa0;:</translation>
    </message>
</context>
<context>
    <name>vormante::RecentFiles</name>
    <message>
        <source>The file %1 no longer exists. It has been taken off the list of recent files.</source>
        <translation>Le fichier %1 n&apos;existe plus. Il a été retiré de la liste des fichiers récents.</translation>
    </message>
    <message>
        <source>Clear list</source>
        <translation>Effacer la liste</translation>
    </message>
</context>
<context>
    <name>vormante::SatellitesXmlCommands</name>
    <message>
        <source>Import satellites.xml...</source>
        <translation>Importer satellites.xml...</translation>
    </message>
    <message>
        <source>Export satellites.xml...</source>
        <translation>Exporter satellites.xml...</translation>
    </message>
    <message>
        <source>Import satellites.xml</source>
        <translation>Importer satellites.xml</translation>
    </message>
    <message>
        <source>%1 was not imported: %2.</source>
        <extracomment>%1 is the file name, %2 the reason</extracomment>
        <translation>%1 n&apos;a pas été importé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The image has changed since the file was read; nothing was imported.</source>
        <translation>L&apos;image a changé depuis la lecture du fichier&#xa0;; rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>Export satellites.xml</source>
        <translation>Exporter satellites.xml</translation>
    </message>
    <message>
        <source>Update transponders from satellites.xml</source>
        <extracomment>an undo step</extracomment>
        <translation>Mettre à jour les transpondeurs depuis satellites.xml</translation>
    </message>
</context>
<context>
    <name>vormante::TransferDialog</name>
    <message>
        <source>BIN data</source>
        <extracomment>the file type in file dialogs</extracomment>
        <translation>Données BIN</translation>
    </message>
    <message>
        <source>Check what the receiver now holds</source>
        <translation>Vérifier ce que contient maintenant le récepteur</translation>
    </message>
    <message>
        <source>Port:</source>
        <extracomment>the serial port</extracomment>
        <translation>Port&#xa0;:</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>a button: starts listening for the receiver</extracomment>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>a button: stops listening</extracomment>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>a button: closes the window</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <extracomment>%1 is the path</extracomment>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>the receiver&apos;s image</source>
        <translation>l&apos;image du récepteur</translation>
    </message>
    <message>
        <source>The channel lists do not differ: the bytes above lie outside what they show.</source>
        <translation>Les listes de chaînes sont identiques&#xa0;: les octets ci-dessus sont hors de ce qu&apos;elles affichent.</translation>
    </message>
    <message>
        <source>The image has 1 problem that the receiver may not handle. Send it anyway?</source>
        <translation>L&apos;image a 1 problème que le récepteur risque de ne pas gérer. L&apos;envoyer quand même&#xa0;?</translation>
    </message>
    <message>
        <source>The image has %1 problems that the receiver may not handle. Send it anyway?</source>
        <extracomment>%1 is the number of problems (more than one)</extracomment>
        <translation>L&apos;image a %1 problèmes que le récepteur risque de ne pas gérer. L&apos;envoyer quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Send anyway</source>
        <translation>Envoyer quand même</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Start sending on the receiver now. The image it holds comes back here, is kept in the archive and is compared byte for byte with %1.</source>
        <extracomment>%1 is the file name of the image sent</extracomment>
        <translation>Lancez maintenant l&apos;envoi sur le récepteur. L&apos;image qu&apos;il contient revient ici, est conservée dans les archives et comparée octet par octet avec %1.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>vormante::TransferEngine</name>
    <message>
        <source>No handshake from the receiver yet: it must be in its update mode, and the cable must be connected.</source>
        <translation>Pas encore de signal de négociation du récepteur&#xa0;: il doit être en mode mise à jour et le câble doit être branché.</translation>
    </message>
    <message>
        <source>The receiver stopped answering: nothing arrived from it for 1 second.
The transfer has been stopped.</source>
        <translation>Le récepteur ne répond plus&#xa0;: rien n&apos;est arrivé depuis 1 seconde.
Le transfert a été arrêté.</translation>
    </message>
    <message>
        <source>The receiver stopped answering: nothing arrived from it for %1 seconds.
The transfer has been stopped.</source>
        <extracomment>%1 is the number of seconds (more than one)</extracomment>
        <translation>Le récepteur ne répond plus&#xa0;: rien n&apos;est arrivé depuis %1 secondes.
Le transfert a été arrêté.</translation>
    </message>
    <message>
        <source>The received image has 1 problem (broken chains, wrong counts or channel numbers). It was saved as the receiver holds it; opening it in the editor lists the problems.</source>
        <translation>L&apos;image reçue a 1 problème (chaînages rompus, compteurs ou numéros de chaîne erronés). Elle a été enregistrée telle que le récepteur la contient&#xa0;; l&apos;ouvrir dans l&apos;éditeur en liste les problèmes.</translation>
    </message>
    <message>
        <source>The received image has %1 problems (broken chains, wrong counts or channel numbers). It was saved as the receiver holds it; opening it in the editor lists the problems.</source>
        <extracomment>%1 is the number of problems (more than one)</extracomment>
        <translation>L&apos;image reçue a %1 problèmes (chaînages rompus, compteurs ou numéros de chaîne erronés). Elle a été enregistrée telle que le récepteur la contient&#xa0;; l&apos;ouvrir dans l&apos;éditeur en liste les problèmes.</translation>
    </message>
    <message>
        <source>The received data have not been saved.
Do you want to discard them?</source>
        <translation>Les données reçues n&apos;ont pas été enregistrées.
Voulez-vous les abandonner&#xa0;?</translation>
    </message>
    <message>
        <source>The received data could not be saved to %1:
%2

Choose another name, or cancel to discard them.</source>
        <extracomment>%1 is the path, %2 the system&apos;s reason</extracomment>
        <translation>Impossible d&apos;enregistrer les données reçues dans %1&#xa0;:
%2

Choisissez un autre nom, ou annulez pour les abandonner.</translation>
    </message>
    <message>
        <source>The connection to the receiver was lost.</source>
        <translation>La connexion avec le récepteur a été perdue.</translation>
    </message>
    <message>
        <source>The connection to the receiver was lost (%1).</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>La connexion avec le récepteur a été perdue (%1).</translation>
    </message>
    <message>
        <source>The transfer has been stopped.</source>
        <translation>Le transfert a été arrêté.</translation>
    </message>
    <message>
        <source>no file was chosen</source>
        <translation>aucun fichier n&apos;a été choisi</translation>
    </message>
    <message>
        <source>The file %1 is not sent: it is not a regular file (a pipe, a device or a folder), and a receiver image is always a plain file.</source>
        <translation>Le fichier %1 n&apos;est pas envoyé&#xa0;: ce n&apos;est pas un fichier ordinaire (tube, périphérique ou dossier), alors qu&apos;une image du récepteur est toujours un fichier simple.</translation>
    </message>
    <message>
        <source>The file %1 can&apos;t be opened:
%2</source>
        <extracomment>%1 is the path, %2 the system&apos;s reason</extracomment>
        <translation>Impossible d&apos;ouvrir le fichier %1&#xa0;:
%2</translation>
    </message>
    <message>
        <source>The file %1 is not sent: it holds %2 bytes, and a receiver image is exactly %3 bytes.
Padding it would overwrite the receiver&apos;s database with zeros.</source>
        <extracomment>%1 is the path, %2 the file&apos;s size, %3 an image&apos;s size</extracomment>
        <translation>Le fichier %1 n&apos;est pas envoyé&#xa0;: il fait %2 octets, alors qu&apos;une image du récepteur fait exactement %3 octets.
Le compléter écraserait la base de données du récepteur avec des zéros.</translation>
    </message>
    <message>
        <source>The file %1 is not sent: it is longer than a receiver image, which is exactly %2 bytes.</source>
        <extracomment>%1 is the path, %2 an image&apos;s size</extracomment>
        <translation>Le fichier %1 n&apos;est pas envoyé&#xa0;: il est plus long qu&apos;une image du récepteur, qui fait exactement %2 octets.</translation>
    </message>
</context>
</TS>
