<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ChannelDialog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video PID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio PID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PCR PID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TTxt PID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TransponderID:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FindChannelDialog</name>
    <message>
        <source>Find Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name, channel number or PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a name, a channel number or a PID.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No channel found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 channel found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 channels found.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListFilterBar</name>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LnbDialog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LNB Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LNB Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LNB Freq Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LNB Freq High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DiSEqC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polarity Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FreqBaudControl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>22kHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LNB Power</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SatelliteDialog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LNB Type:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SatellitePage</name>
    <message>
        <source>TV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LNB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>TV %1, Radio %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellites %1/%2, Transponders %3/%4, Channels %5/%6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransponderDialog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freq:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol Rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polarity:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
