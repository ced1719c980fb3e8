<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AlarmHistory</name>
    <message>
        <source>Alarm history not saved: %1 (%2)</source>
        <translation>Alarm history not saved: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>AlarmRules</name>
    <message>
        <source>UP RATE</source>
        <translation>UP RATE</translation>
    </message>
    <message>
        <source>DOWN RATE</source>
        <translation>DOWN RATE</translation>
    </message>
    <message>
        <source>HIGH</source>
        <translation>HIGH</translation>
    </message>
    <message>
        <source>LOW</source>
        <translation>LOW</translation>
    </message>
    <message>
        <source>DEV. HIGH</source>
        <translation>DEV. HIGH</translation>
    </message>
    <message>
        <source>DEV. LOW</source>
        <translation>DEV. LOW</translation>
    </message>
    <message>
        <source>BURNOUT</source>
        <translation>BURNOUT</translation>
    </message>
    <message>
        <source>RECORD / RELAY</source>
        <translation>RECORD / RELAY</translation>
    </message>
</context>
<context>
    <name>AlarmTypePictures</name>
    <message>
        <source>TYPE %1</source>
        <translation>TYPE %1</translation>
    </message>
    <message>
        <source>SV</source>
        <translation>SV</translation>
    </message>
    <message>
        <source>HYS.</source>
        <translation>HYS.</translation>
    </message>
    <message>
        <source>WITH CH.</source>
        <translation>WITH CH.</translation>
    </message>
    <message>
        <source>ERROR VALUE</source>
        <translation>ERROR VALUE</translation>
    </message>
    <message>
        <source>TIME</source>
        <translation>TIME</translation>
    </message>
    <message>
        <source>RATE</source>
        <translation>RATE</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>OPEN</translation>
    </message>
</context>
<context>
    <name>BarMonitor</name>
    <message>
        <source>Single Monitoring - BAR GRAPH</source>
        <translation>Single Monitoring - BAR GRAPH</translation>
    </message>
</context>
<context>
    <name>BarScale</name>
    <message>
        <source>Alarm %1</source>
        <translation>Alarm %1</translation>
    </message>
</context>
<context>
    <name>BrokerConnection</name>
    <message>
        <source>the MQTT client could not be made</source>
        <translation>the MQTT client could not be made</translation>
    </message>
    <message>
        <source>the certificates could not be used: %1</source>
        <translation>the certificates could not be used: %1</translation>
    </message>
    <message>
        <source>no connection was made</source>
        <translation>no connection was made</translation>
    </message>
    <message>
        <source>the broker closed the connection</source>
        <translation>the broker closed the connection</translation>
    </message>
    <message>
        <source>the broker did not answer in %1 s</source>
        <translation>the broker did not answer in %1 s</translation>
    </message>
    <message>
        <source>the TLS handshake failed</source>
        <translation>the TLS handshake failed</translation>
    </message>
    <message>
        <source>the host name %1 could not be looked up</source>
        <translation>the host name %1 could not be looked up</translation>
    </message>
    <message>
        <source>the connection was lost</source>
        <translation>the connection was lost</translation>
    </message>
    <message>
        <source>the broker stopped answering</source>
        <translation>the broker stopped answering</translation>
    </message>
    <message>
        <source>no connection</source>
        <translation>no connection</translation>
    </message>
    <message>
        <source>; it had acknowledged nothing (do its access rules let this user publish here?)</source>
        <translation>; it had acknowledged nothing (do its access rules let this user publish here?)</translation>
    </message>
    <message>
        <source>the TLS connection failed</source>
        <translation>the TLS connection failed</translation>
    </message>
</context>
<context>
    <name>ChannelPanel</name>
    <message>
        <source>Click to switch the trace on or off</source>
        <translation>Click to switch the trace on or off</translation>
    </message>
</context>
<context>
    <name>ChannelTable</name>
    <message>
        <source>CH</source>
        <translation>CH</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>At cursor</source>
        <translation>At cursor</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarms</translation>
    </message>
    <message>
        <source>Show or hide the trace of channel %1</source>
        <translation>Show or hide the trace of channel %1</translation>
    </message>
    <message>
        <source>The file gives no display range; the scale spans the values</source>
        <translation>The file gives no display range; the scale spans the values</translation>
    </message>
    <message>
        <source>AL%1</source>
        <translation>AL%1</translation>
    </message>
</context>
<context>
    <name>ClockDrift</name>
    <message>
        <source>0 s</source>
        <translation>0 s</translation>
    </message>
    <message>
        <source>on time</source>
        <translation>on time</translation>
    </message>
    <message>
        <source>ahead of the PC by %1</source>
        <translation>ahead of the PC by %1</translation>
    </message>
    <message>
        <source>behind the PC by %1</source>
        <translation>behind the PC by %1</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 d %2 h</source>
        <translation>%1 d %2 h</translation>
    </message>
    <message>
        <source>%1 ahead</source>
        <comment>a meter&apos;s clock against the PC&apos;s</comment>
        <translation>%1 ahead</translation>
    </message>
    <message>
        <source>%1 behind</source>
        <comment>a meter&apos;s clock against the PC&apos;s</comment>
        <translation>%1 behind</translation>
    </message>
</context>
<context>
    <name>ClockFields</name>
    <message>
        <source>YEAR</source>
        <translation>YEAR</translation>
    </message>
    <message>
        <source>MONTH</source>
        <translation>MONTH</translation>
    </message>
    <message>
        <source>DAY</source>
        <translation>DAY</translation>
    </message>
    <message>
        <source>HOUR</source>
        <translation>HOUR</translation>
    </message>
    <message>
        <source>MIN.</source>
        <translation>MIN.</translation>
    </message>
    <message>
        <source>SEC.</source>
        <translation>SEC.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number; %3 is written.</source>
        <translation>%1: &quot;%2&quot; is not a number; %3 is written.</translation>
    </message>
    <message>
        <source>%1 takes %2 to %3: %4 becomes %5.</source>
        <translation>%1 takes %2 to %3: %4 becomes %5.</translation>
    </message>
</context>
<context>
    <name>CommEngine</name>
    <message>
        <source>Port [%1] ==&gt; Not opened: %2</source>
        <translation>Port [%1] ==&gt; Not opened: %2</translation>
    </message>
    <message>
        <source>Port [%1] ==&gt; Not connected: %2</source>
        <translation>Port [%1] ==&gt; Not connected: %2</translation>
    </message>
    <message>
        <source>Port [%1] ==&gt; Closed: %2</source>
        <translation>Port [%1] ==&gt; Closed: %2</translation>
    </message>
    <message>
        <source>No meter enabled ==&gt; Port Closed</source>
        <translation>No meter enabled ==&gt; Port Closed</translation>
    </message>
    <message>
        <source>no meter is enabled in the meter list</source>
        <translation>no meter is enabled in the meter list</translation>
    </message>
    <message>
        <source>Meter [%1] ==&gt; COMM. Error</source>
        <translation>Meter [%1] ==&gt; COMM. Error</translation>
    </message>
    <message>
        <source>no meter answered</source>
        <translation>no meter answered</translation>
    </message>
    <message>
        <source>Meter [%1] ==&gt; Clock write failed</source>
        <translation>Meter [%1] ==&gt; Clock write failed</translation>
    </message>
    <message>
        <source>Meter [%1] ==&gt; Settings read incomplete</source>
        <translation>Meter [%1] ==&gt; Settings read incomplete</translation>
    </message>
</context>
<context>
    <name>CommView</name>
    <message>
        <source>Frames</source>
        <translation>Frames</translation>
    </message>
    <message>
        <source>Counters</source>
        <translation>Counters</translation>
    </message>
    <message>
        <source>Count Clear</source>
        <translation>Count Clear</translation>
    </message>
</context>
<context>
    <name>DataFileAppend</name>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 is not a file</translation>
    </message>
    <message>
        <source>%1 is not a data file; it was left as it is</source>
        <translation>%1 is not a data file; it was left as it is</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>write failed</translation>
    </message>
</context>
<context>
    <name>DataFileExport</name>
    <message>
        <source>%1: its channels (count, names, units or decimals) differ from those of %2; its values are shown under %2&apos;s channel titles</source>
        <translation>%1: its channels (count, names, units or decimals) differ from those of %2; its values are shown under %2&apos;s channel titles</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>write failed</translation>
    </message>
</context>
<context>
    <name>DataFileReader</name>
    <message>
        <source>cannot open %1: %2</source>
        <translation>cannot open %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a TD700 data file</source>
        <translation>%1 is not a TD700 data file</translation>
    </message>
    <message>
        <source>%1: the header is cut short (%2 of %3 bytes); the file holds no records</source>
        <translation>%1: the header is cut short (%2 of %3 bytes); the file holds no records</translation>
    </message>
    <message>
        <source>%1: unknown model code %2; all twelve channels are shown</source>
        <translation>%1: unknown model code %2; all twelve channels are shown</translation>
    </message>
    <message>
        <source>%1: the last %2 bytes are not a whole record and were left out</source>
        <translation>%1: the last %2 bytes are not a whole record and were left out</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>cannot read %1: %2</translation>
    </message>
    <message>
        <source>%1: read error after %2 records: %3</source>
        <translation>%1: read error after %2 records: %3</translation>
    </message>
</context>
<context>
    <name>DataFileWriter</name>
    <message>
        <source>no data folder is set</source>
        <translation>no data folder is set</translation>
    </message>
    <message>
        <source>Data file not written: %1 (%2)</source>
        <translation>Data file not written: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>DataRetention</name>
    <message>
        <source>the data files are one per meter, not daily: the limits of what the data folder keeps apply to daily files only, and none is deleted</source>
        <translation>the data files are one per meter, not daily: the limits of what the data folder keeps apply to daily files only, and none is deleted</translation>
    </message>
    <message>
        <source>Disk filling: %1 data files kept until the broker has them</source>
        <translation>Disk filling: %1 data files kept until the broker has them</translation>
    </message>
    <message>
        <source>%1 data files kept until the broker has them</source>
        <translation>%1 data files kept until the broker has them</translation>
    </message>
    <message>
        <source>%1 cannot be deleted: %2</source>
        <translation>%1 cannot be deleted: %2</translation>
    </message>
    <message>
        <source>older than %1 days</source>
        <translation>older than %1 days</translation>
    </message>
    <message>
        <source>%1 free, %2 to be kept free</source>
        <translation>%1 free, %2 to be kept free</translation>
    </message>
    <message>
        <source>deleted %1 (%2; %3)</source>
        <translation>deleted %1 (%2; %3)</translation>
    </message>
    <message>
        <source>no data file past the limits is kept for the broker any more</source>
        <translation>no data file past the limits is kept for the broker any more</translation>
    </message>
    <message>
        <source>WARNING: %1 data files past the limits kept: they hold records the broker has not acknowledged, and go once it has them</source>
        <translation>WARNING: %1 data files past the limits kept: they hold records the broker has not acknowledged, and go once it has them</translation>
    </message>
    <message>
        <source>; the disk is filling because the broker is away (%1 free, %2 to be kept free)</source>
        <translation>; the disk is filling because the broker is away (%1 free, %2 to be kept free)</translation>
    </message>
</context>
<context>
    <name>DataTimeLine</name>
    <message>
        <source>%1 is open already</source>
        <translation>%1 is open already</translation>
    </message>
    <message>
        <source>%1: %2 records carry a time stamp that names no time (such as month 13); they are left out</source>
        <translation>%1: %2 records carry a time stamp that names no time (such as month 13); they are left out</translation>
    </message>
    <message>
        <source>%1: the time goes back and forth again and again; %2 records in short stretches between such steps are not drawn (an export has them)</source>
        <translation>%1: the time goes back and forth again and again; %2 records in short stretches between such steps are not drawn (an export has them)</translation>
    </message>
    <message>
        <source>%1: more than %2 gaps; those after the first %2 are not marked</source>
        <translation>%1: more than %2 gaps; those after the first %2 are not marked</translation>
    </message>
    <message>
        <source>%1 is a file of meter %2, %3 of meter %4; both are shown on one time line</source>
        <translation>%1 is a file of meter %2, %3 of meter %4; both are shown on one time line</translation>
    </message>
    <message>
        <source>More than %1 alarm changes and gaps: the list shows the first %1; the traces and bands show every one</source>
        <translation>More than %1 alarm changes and gaps: the list shows the first %1; the traces and bands show every one</translation>
    </message>
</context>
<context>
    <name>DeliveryState</name>
    <message>
        <source>it does not read as a state file</source>
        <translation>it does not read as a state file</translation>
    </message>
    <message>
        <source>it is meter %1&apos;s</source>
        <translation>it is meter %1&apos;s</translation>
    </message>
    <message>
        <source>it is the state of %1 files</source>
        <translation>it is the state of %1 files</translation>
    </message>
    <message>
        <source>it names %1</source>
        <translation>it names %1</translation>
    </message>
    <message>
        <source>it speaks of another %1 than the one there now</source>
        <translation>it speaks of another %1 than the one there now</translation>
    </message>
    <message>
        <source>%1 is shorter now than it says</source>
        <translation>%1 is shorter now than it says</translation>
    </message>
</context>
<context>
    <name>DemoHome</name>
    <message>
        <source>%1 channels, firmware %2</source>
        <translation>%1 channels, firmware %2</translation>
    </message>
</context>
<context>
    <name>DeviceTables</name>
    <message>
        <source>Meter</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Good</translation>
    </message>
    <message>
        <source>Time-out</source>
        <translation>Time-out</translation>
    </message>
    <message>
        <source>Bad frame</source>
        <translation>Bad frame</translation>
    </message>
</context>
<context>
    <name>DisplayGroups</name>
    <message>
        <source>channel %1</source>
        <translation>channel %1</translation>
    </message>
    <message>
        <source>%1 holds %2 channels already, the most a group can hold. Take a channel out of %1 before %3 can join it.</source>
        <translation>%1 holds %2 channels already, the most a group can hold. Take a channel out of %1 before %3 can join it.</translation>
    </message>
    <message>
        <source>Channels join or leave a group while GROUP 1 or GROUP 2 is shown. Step to the group with the arrows, then click %1.</source>
        <translation>Channels join or leave a group while GROUP 1 or GROUP 2 is shown. Step to the group with the arrows, then click %1.</translation>
    </message>
</context>
<context>
    <name>DocumentLauncher</name>
    <message>
        <source>TD700 Manual</source>
        <translation>TD700 Manual</translation>
    </message>
    <message>
        <source>%1: the file %2 was not found.</source>
        <translation>%1: the file %2 was not found.</translation>
    </message>
    <message>
        <source>%1: no program could open %2.</source>
        <translation>%1: no program could open %2.</translation>
    </message>
</context>
<context>
    <name>EntryRules</name>
    <message>
        <source>The value</source>
        <translation>The value</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number. The value stays as it was.</source>
        <translation>%1: &quot;%2&quot; is not a number. The value stays as it was.</translation>
    </message>
    <message>
        <source>%1 is at least %2 (%3 for none): %4 became %3.</source>
        <translation>%1 is at least %2 (%3 for none): %4 became %3.</translation>
    </message>
    <message>
        <source>%1 takes %2 to %3: %4 was not taken. The value stays as it was.</source>
        <translation>%1 takes %2 to %3: %4 was not taken. The value stays as it was.</translation>
    </message>
    <message>
        <source>%1 is at least %2: %3 became %2.</source>
        <translation>%1 is at least %2: %3 became %2.</translation>
    </message>
    <message>
        <source>%1 is at most %2: %3 became %2.</source>
        <translation>%1 is at most %2: %3 became %2.</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>a whole number</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>a number</translation>
    </message>
    <message>
        <source>takes %1 from %2 to %3</source>
        <translation>takes %1 from %2 to %3</translation>
    </message>
    <message>
        <source>%1 holds at most %2 characters: &quot;%3&quot; is kept.</source>
        <translation>%1 holds at most %2 characters: &quot;%3&quot; is kept.</translation>
    </message>
</context>
<context>
    <name>EventListModel</name>
    <message>
        <source>%1: alarm %2 on</source>
        <translation>%1: alarm %2 on</translation>
    </message>
    <message>
        <source>%1: alarm %2 off</source>
        <translation>%1: alarm %2 off</translation>
    </message>
    <message>
        <source>No data for %1, to %2</source>
        <translation>No data for %1, to %2</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Event</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>it is %1, not a regular file</source>
        <translation>it is %1, not a regular file</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>a folder</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation>a FIFO (named pipe)</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>a character device</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>a block device</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>a socket</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>a special file</translation>
    </message>
</context>
<context>
    <name>FileWrite</name>
    <message>
        <source>write failed</source>
        <translation>write failed</translation>
    </message>
    <message>
        <source>it is %1: only regular files, FIFOs and character devices are written</source>
        <translation>it is %1: only regular files, FIFOs and character devices are written</translation>
    </message>
    <message>
        <source>it is a FIFO (named pipe) that no program reads from</source>
        <translation>it is a FIFO (named pipe) that no program reads from</translation>
    </message>
    <message>
        <source>it was replaced by something else while it was being opened</source>
        <translation>it was replaced by something else while it was being opened</translation>
    </message>
    <message>
        <source>cannot create a temporary file beside it: %1</source>
        <translation>cannot create a temporary file beside it: %1</translation>
    </message>
    <message>
        <source>cannot create a temporary file beside it</source>
        <translation>cannot create a temporary file beside it</translation>
    </message>
    <message>
        <source>not open</source>
        <translation>not open</translation>
    </message>
    <message>
        <source>it is now %1, which is not replaced</source>
        <translation>it is now %1, which is not replaced</translation>
    </message>
    <message>
        <source>Not saved: %1 could not be written (%2). The file on disk is unchanged.</source>
        <translation>Not saved: %1 could not be written (%2). The file on disk is unchanged.</translation>
    </message>
    <message>
        <source>it is a symbolic link that never ends (links leading round in a circle)</source>
        <translation>it is a symbolic link that never ends (links leading round in a circle)</translation>
    </message>
</context>
<context>
    <name>FormulaView</name>
    <message>
        <source>Click to enter the formula</source>
        <translation>Click to enter the formula</translation>
    </message>
</context>
<context>
    <name>FrameLog</name>
    <message>
        <source>SEND</source>
        <translation>SEND</translation>
    </message>
    <message>
        <source>RECV</source>
        <translation>RECV</translation>
    </message>
    <message>
        <source>LATE</source>
        <translation>LATE</translation>
    </message>
</context>
<context>
    <name>FrameLogModel</name>
    <message>
        <source>Bad frame: wrong CRC, wrong slave, an exception or too short</source>
        <translation>Bad frame: wrong CRC, wrong slave, an exception or too short</translation>
    </message>
</context>
<context>
    <name>GraphViewer</name>
    <message>
        <source>&lt;p&gt;No data file is open.&lt;/p&gt;</source>
        <translation>&lt;p&gt;No data file is open.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>%1 (the slave address in the file name)</source>
        <translation>%1 (the slave address in the file name)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>%1 (%2 channels)</source>
        <translation>%1 (%2 channels)</translation>
    </message>
    <message>
        <source>%1 (not a known model: all twelve channels shown)</source>
        <translation>%1 (not a known model: all twelve channels shown)</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>not known</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>From</source>
        <translation>From</translation>
    </message>
    <message>
        <source>To</source>
        <translation>To</translation>
    </message>
    <message>
        <source>Span</source>
        <translation>Span</translation>
    </message>
    <message>
        <source>Gaps</source>
        <translation>Gaps</translation>
    </message>
    <message>
        <source>%1 (%2 without data)</source>
        <translation>%1 (%2 without data)</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Channels</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>High</source>
        <translation>High</translation>
    </message>
    <message>
        <source>Decimals</source>
        <translation>Decimals</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>First</source>
        <translation>First</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>No data</translation>
    </message>
    <message>
        <source>CH%1 ALM</source>
        <translation>CH%1 ALM</translation>
    </message>
    <message>
        <source>DI %1</source>
        <translation>DI %1</translation>
    </message>
    <message>
        <source>RY %1</source>
        <translation>RY %1</translation>
    </message>
</context>
<context>
    <name>GraphViewerWindow</name>
    <message>
        <source>1 min</source>
        <translation>1 min</translation>
    </message>
    <message>
        <source>10 min</source>
        <translation>10 min</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 hour</translation>
    </message>
    <message>
        <source>8 hours</source>
        <translation>8 hours</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 day</translation>
    </message>
    <message>
        <source>1 week</source>
        <translation>1 week</translation>
    </message>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Open data files (.TDD) with File ▸ Open (Ctrl+O).
Daily files of one meter are shown as one time line.</source>
        <translation>Open data files (.TDD) with File ▸ Open (Ctrl+O).
Daily files of one meter are shown as one time line.</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Channels</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Header</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>Alarms and gaps</source>
        <translation>Alarms and gaps</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarms</translation>
    </message>
    <message>
        <source>Gaps</source>
        <translation>Gaps</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>&amp;Add Files...</source>
        <translation>&amp;Add Files...</translation>
    </message>
    <message>
        <source>Export Shown Span to &amp;CSV...</source>
        <translation>Export Shown Span to &amp;CSV...</translation>
    </message>
    <message>
        <source>CSV with a UTF-8 &amp;Byte-Order Mark (for spreadsheets)</source>
        <translation>CSV with a UTF-8 &amp;Byte-Order Mark (for spreadsheets)</translation>
    </message>
    <message>
        <source>Spreadsheets read °C and Korean channel names right only with the mark</source>
        <translation>Spreadsheets read °C and Korean channel names correctly only with the mark</translation>
    </message>
    <message>
        <source>Save &amp;Picture as PNG...</source>
        <translation>Save &amp;Picture as PNG...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Fit All</source>
        <translation>&amp;Fit All</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;In</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom &amp;Out</translation>
    </message>
    <message>
        <source>&amp;Previous Alarm</source>
        <translation>&amp;Previous Alarm</translation>
    </message>
    <message>
        <source>&amp;Next Alarm</source>
        <translation>&amp;Next Alarm</translation>
    </message>
    <message>
        <source>F&amp;ollow Growing Files</source>
        <translation>F&amp;ollow Growing Files</translation>
    </message>
    <message>
        <source>&amp;White Background</source>
        <translation>&amp;White Background</translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>Viewer</translation>
    </message>
    <message>
        <source>Span</source>
        <translation>Span</translation>
    </message>
    <message>
        <source>Show this much time around the middle of the view</source>
        <translation>Show this much time around the middle of the view</translation>
    </message>
    <message>
        <source>Add Data Files</source>
        <translation>Add Data Files</translation>
    </message>
    <message>
        <source>Open Data Files</source>
        <translation>Open Data Files</translation>
    </message>
    <message>
        <source>TD700 Data Files (*.TDD *.tdd);;All Files (*)</source>
        <translation>TD700 Data Files (*.TDD *.tdd);;All Files (*)</translation>
    </message>
    <message>
        <source>(%1 more notes in the Header tab)</source>
        <translation>(%1 more notes in the Header tab)</translation>
    </message>
    <message>
        <source>%1 files from %2</source>
        <translation>%1 files from %2</translation>
    </message>
    <message>
        <source>TD700 Graph Viewer</source>
        <translation>TD700 Graph Viewer</translation>
    </message>
    <message>
        <source>TD700 Graph Viewer - %1</source>
        <translation>TD700 Graph Viewer - %1</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>No data</translation>
    </message>
    <message>
        <source>Shown: %1 to %2 (%3)   %4 records in 1 file</source>
        <translation>Shown: %1 to %2 (%3)   %4 records in 1 file</translation>
    </message>
    <message>
        <source>Shown: %1 to %2 (%3)   %4 records in %5 files</source>
        <translation>Shown: %1 to %2 (%3)   %4 records in %5 files</translation>
    </message>
    <message>
        <source>Cursor: %1 (record at %2)</source>
        <translation>Cursor: %1 (record at %2)</translation>
    </message>
    <message>
        <source>Cursor: %1 (no data)</source>
        <translation>Cursor: %1 (no data)</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>Export Shown Span to CSV</source>
        <translation>Export Shown Span to CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV Files (*.csv)</translation>
    </message>
    <message>
        <source>The CSV file %1 was not written: %2</source>
        <translation>The CSV file %1 was not written: %2</translation>
    </message>
    <message>
        <source>Save Picture as PNG</source>
        <translation>Save Picture as PNG</translation>
    </message>
    <message>
        <source>PNG Pictures (*.png)</source>
        <translation>PNG Pictures (*.png)</translation>
    </message>
    <message>
        <source>The picture %1 was not written: %2</source>
        <translation>The picture %1 was not written: %2</translation>
    </message>
    <message>
        <source>no data is shown</source>
        <translation>no data is shown</translation>
    </message>
    <message>
        <source>No alarm comes on later</source>
        <translation>No alarm comes on later</translation>
    </message>
    <message>
        <source>No alarm came on earlier</source>
        <translation>No alarm came on earlier</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Words to find</source>
        <translation>Words to find</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>TD700 Help - %1</source>
        <translation>TD700 Help - %1</translation>
    </message>
    <message>
        <source>TD700 Help</source>
        <translation>TD700 Help</translation>
    </message>
    <message>
        <source>No page holds all of these words.</source>
        <translation>No page holds all of these words.</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 page</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 pages</translation>
    </message>
    <message>
        <source>Print this page</source>
        <translation>Print this page</translation>
    </message>
</context>
<context>
    <name>JsonTopics</name>
    <message>
        <source>meter %1 is not in the meter list: its meta and link at the broker are cleared</source>
        <translation>meter %1 is not in the meter list: its meta and link at the broker are cleared</translation>
    </message>
    <message>
        <source>WARNING: another program publishes as node %1 (on %2, process %3, online since %4): its records and this program&apos;s go to the same topics %5/%1/... and a subscriber cannot tell them apart. Give each logger its own node name (--node).</source>
        <translation>WARNING: another program publishes as node %1 (on %2, process %3, online since %4): its records and this program&apos;s go to the same topics %5/%1/... and a subscriber cannot tell them apart. Give each logger its own node name (--node).</translation>
    </message>
    <message>
        <source> · another program publishes as %1</source>
        <translation> · another program publishes as %1</translation>
    </message>
</context>
<context>
    <name>LineSettings</name>
    <message>
        <source>The line settings &quot;%1&quot; are not valid: expected baud rate, parity (N, E, O), data bits and stop bits, for example 38400,N,8,1.</source>
        <translation>The line settings &quot;%1&quot; are not valid: expected baud rate, parity (N, E, O), data bits and stop bits, for example 38400,N,8,1.</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;Port Close</source>
        <translation>&amp;Port Close</translation>
    </message>
    <message>
        <source>&amp;Port Open</source>
        <translation>&amp;Port Open</translation>
    </message>
    <message>
        <source>Port Close</source>
        <translation>Port Close</translation>
    </message>
    <message>
        <source>Port Open</source>
        <translation>Port Open</translation>
    </message>
    <message>
        <source>&amp;Data Save</source>
        <translation>&amp;Data Save</translation>
    </message>
    <message>
        <source>P&amp;ublish</source>
        <translation>P&amp;ublish</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>&amp;Port</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Monitoring - &amp;LINE</source>
        <translation>Monitoring - &amp;LINE</translation>
    </message>
    <message>
        <source>Monitoring - &amp;BAR</source>
        <translation>Monitoring - &amp;BAR</translation>
    </message>
    <message>
        <source>Monitoring - &amp;TEXT</source>
        <translation>Monitoring - &amp;TEXT</translation>
    </message>
    <message>
        <source>&amp;Multi Monitoring</source>
        <translation>&amp;Multi Monitoring</translation>
    </message>
    <message>
        <source>Multi Monitoring - P&amp;V</source>
        <translation>Multi Monitoring - P&amp;V</translation>
    </message>
    <message>
        <source>&amp;Parameter Setup</source>
        <translation>&amp;Parameter Setup</translation>
    </message>
    <message>
        <source>Date/Time &amp;Reserve</source>
        <translation>Date/Time &amp;Reserve</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>TD700 &amp;Manual</source>
        <translation>TD700 &amp;Manual</translation>
    </message>
    <message>
        <source>Communication Data &amp;View</source>
        <translation>Communication Data &amp;View</translation>
    </message>
    <message>
        <source>&amp;Graph Viewer</source>
        <translation>&amp;Graph Viewer</translation>
    </message>
    <message>
        <source>Data Save Setup</source>
        <translation>Data Save Setup</translation>
    </message>
    <message>
        <source>Port Setup</source>
        <translation>Port Setup</translation>
    </message>
    <message>
        <source>Monitoring(LINE)</source>
        <translation>Monitoring(LINE)</translation>
    </message>
    <message>
        <source>Monitoring(BAR)</source>
        <translation>Monitoring(BAR)</translation>
    </message>
    <message>
        <source>Monitoring(TEXT)</source>
        <translation>Monitoring(TEXT)</translation>
    </message>
    <message>
        <source>Multi Monitoring</source>
        <translation>Multi Monitoring</translation>
    </message>
    <message>
        <source>Multi Monitoring(PV)</source>
        <translation>Multi Monitoring(PV)</translation>
    </message>
    <message>
        <source>Parameter Setup</source>
        <translation>Parameter Setup</translation>
    </message>
    <message>
        <source>Date/Time Reserve</source>
        <translation>Date/Time Reserve</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>TD700 Manual</source>
        <translation>TD700 Manual</translation>
    </message>
    <message>
        <source>Graph Viewer</source>
        <translation>Graph Viewer</translation>
    </message>
    <message>
        <source>Meter &amp;List</source>
        <translation>Meter &amp;List</translation>
    </message>
    <message>
        <source>Meter List</source>
        <translation>Meter List</translation>
    </message>
    <message>
        <source>Publish Setup</source>
        <translation>Publish Setup</translation>
    </message>
</context>
<context>
    <name>ManualWindow</name>
    <message>
        <source>TD700 Manual</source>
        <translation>TD700 Manual</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Save as PDF...</translation>
    </message>
    <message>
        <source>Print the manual</source>
        <translation>Print the manual</translation>
    </message>
    <message>
        <source>Save the manual as PDF</source>
        <translation>Save the manual as PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
</context>
<context>
    <name>MeterList</name>
    <message>
        <source>%1 marked line</source>
        <translation>%1 marked line</translation>
    </message>
    <message>
        <source>%1 marked lines</source>
        <translation>%1 marked lines</translation>
    </message>
    <message>
        <source>%1: %2 after line %3 ignored: slave addresses go from 1 to %3.</source>
        <translation>%1: %2 after line %3 ignored: slave addresses go from 1 to %3.</translation>
    </message>
</context>
<context>
    <name>MonitorStatusArea</name>
    <message>
        <source>D.INPUT</source>
        <translation>D.INPUT</translation>
    </message>
    <message>
        <source>ALARM</source>
        <translation>ALARM</translation>
    </message>
    <message>
        <source>CARD</source>
        <translation>CARD</translation>
    </message>
    <message>
        <source>METER CLOCK</source>
        <translation>METER CLOCK</translation>
    </message>
</context>
<context>
    <name>MultiMonitor</name>
    <message>
        <source>COMM</source>
        <translation>COMM</translation>
    </message>
    <message>
        <source>PV</source>
        <translation>PV</translation>
    </message>
    <message>
        <source>DI</source>
        <translation>DI</translation>
    </message>
    <message>
        <source>RELAY</source>
        <translation>RELAY</translation>
    </message>
    <message>
        <source>ALARM</source>
        <translation>ALARM</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>Multi Monitoring</source>
        <translation>Multi Monitoring</translation>
    </message>
    <message>
        <source>Multi Monitoring - PV</source>
        <translation>Multi Monitoring - PV</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>COMM green: the meter answers, red: it does not (its values grey, as last read).  DI, RELAY green: on.  ALARM red: on.  Black: the meter has no such channel, input or relay.  ----.- : no valid value.</source>
        <translation>COMM green: the meter answers, red: it does not (its values grey, as last read).  DI, RELAY green: on.  ALARM red: on.  Black: the meter has no such channel, input or relay.  ----.- : no valid value.</translation>
    </message>
    <message>
        <source>Light green and white in the first columns: every other meter, for reading across.  Black: a channel the meter does not have.  ----.- : no valid value.  COMM: O the meter answers, X it does not (its values grey, as last read).</source>
        <translation>Light green and white in the first columns: every other meter, for reading across.  Black: a channel the meter does not have.  ----.- : no valid value.  COMM: O the meter answers, X it does not (its values grey, as last read).</translation>
    </message>
    <message>
        <source>No new data since %1 — the values shown are not live</source>
        <translation>No new data since %1 — the values shown are not live</translation>
    </message>
</context>
<context>
    <name>PageFactory</name>
    <message>
        <source>The home page (recording and displayed channels)</source>
        <translation>The home page (recording and displayed channels)</translation>
    </message>
    <message>
        <source>The display page</source>
        <translation>The display page</translation>
    </message>
    <message>
        <source>The system page</source>
        <translation>The system page</translation>
    </message>
    <message>
        <source>The alarm and digital input page</source>
        <translation>The alarm and digital input page</translation>
    </message>
    <message>
        <source>The channel page</source>
        <translation>The channel page</translation>
    </message>
    <message>
        <source>%1 (%2) comes in a later version of the program. The value can still be uploaded, saved and downloaded.</source>
        <translation>%1 (%2) comes in a later version of the program. The value can still be uploaded, saved and downloaded.</translation>
    </message>
</context>
<context>
    <name>ParamFile</name>
    <message>
        <source>%1 is empty, not a parameter file.</source>
        <translation>%1 is empty, not a parameter file.</translation>
    </message>
    <message>
        <source>%1 is a data file (TD700 LOG DATA), not a parameter file.</source>
        <translation>%1 is a data file (TD700 LOG DATA), not a parameter file.</translation>
    </message>
    <message>
        <source>%1 is not a parameter file: its header holds no model and firmware version.</source>
        <translation>%1 is not a parameter file: its header holds no model and firmware version.</translation>
    </message>
    <message>
        <source>%1 is not a parameter file: its header names %2 (a parameter file names one of the four models and its firmware).</source>
        <translation>%1 is not a parameter file: its header names %2 (a parameter file names one of the four models and its firmware).</translation>
    </message>
    <message>
        <source>firmware 0.00</source>
        <translation>firmware 0.00</translation>
    </message>
    <message>
        <source>model code %1, which is no model</source>
        <translation>model code %1, which is no model</translation>
    </message>
    <message>
        <source>%1 is too short: %2 bytes, where a parameter file of firmware %3 has %4. Nothing was loaded.</source>
        <translation>%1 is too short: %2 bytes, where a parameter file of firmware %3 has %4. Nothing was loaded.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes longer than a parameter file of firmware %3 (%4 bytes): the extra bytes were ignored.</source>
        <translation>%1 is %2 bytes longer than a parameter file of firmware %3 (%4 bytes): the extra bytes were ignored.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>Cannot open %1: %2.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Cannot read %1: %2</translation>
    </message>
    <message>
        <source>%1 was not saved: %2. A file of that name is left as it was.</source>
        <translation>%1 was not saved: %2. A file of that name is left as it was.</translation>
    </message>
</context>
<context>
    <name>ParamPage</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>ParamSetFiles</name>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>Cannot open %1: %2.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, far more than a parameter set as text</source>
        <translation>%1 is %2 bytes long, far more than a parameter set as text</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Cannot read %1: %2</translation>
    </message>
    <message>
        <source>%1 is a parameter set as text with faults; nothing was read:
</source>
        <translation>%1 is a parameter set as text with faults; nothing was read:
</translation>
    </message>
    <message>
        <source>%1 was not saved: %2. A file of that name is left as it was.</source>
        <translation>%1 was not saved: %2. A file of that name is left as it was.</translation>
    </message>
</context>
<context>
    <name>ParamTables</name>
    <message>
        <source>DESCRIPTION</source>
        <translation>DESCRIPTION</translation>
    </message>
    <message>
        <source>VALUE</source>
        <translation>VALUE</translation>
    </message>
</context>
<context>
    <name>ParamTextForm</name>
    <message>
        <source>takes a whole number from %1 to %2</source>
        <translation>takes a whole number from %1 to %2</translation>
    </message>
    <message>
        <source>takes a number</source>
        <translation>takes a number</translation>
    </message>
    <message>
        <source>holds characters that a recorder cannot keep</source>
        <translation>holds characters that a recorder cannot keep</translation>
    </message>
    <message>
        <source>is %1 bytes long; the row holds %2</source>
        <translation>is %1 bytes long; the row holds %2</translation>
    </message>
    <message>
        <source>has no place in a parameter set</source>
        <translation>has no place in a parameter set</translation>
    </message>
    <message>
        <source>@ wants a whole number of %1 bits</source>
        <translation>@ wants a whole number of %1 bits</translation>
    </message>
    <message>
        <source>@ wants a number, or 0x and eight hex digits</source>
        <translation>@ wants a number, or 0x and eight hex digits</translation>
    </message>
    <message>
        <source>@ wants the row&apos;s %1 bytes in hex</source>
        <translation>@ wants the row&apos;s %1 bytes in hex</translation>
    </message>
    <message>
        <source>the row has no stored value</source>
        <translation>the row has no stored value</translation>
    </message>
    <message>
        <source>is longer than the %1 characters a formula holds</source>
        <translation>is longer than the %1 characters a formula holds</translation>
    </message>
    <message>
        <source>@ wants the formula&apos;s %1 bytes in hex</source>
        <translation>@ wants the formula&apos;s %1 bytes in hex</translation>
    </message>
</context>
<context>
    <name>ParamTextImport</name>
    <message>
        <source>%1 is not UTF-8 text</source>
        <translation>%1 is not UTF-8 text</translation>
    </message>
    <message>
        <source>%1: and %2 more</source>
        <translation>%1: and %2 more</translation>
    </message>
    <message>
        <source>%1 line %2: %3</source>
        <translation>%1 line %2: %3</translation>
    </message>
    <message>
        <source>unknown section [%1]</source>
        <translation>unknown section [%1]</translation>
    </message>
    <message>
        <source>section [%1] is given twice (first on line %2)</source>
        <translation>section [%1] is given twice (first on line %2)</translation>
    </message>
    <message>
        <source>%1 comes before any section</source>
        <translation>%1 comes before any section</translation>
    </message>
    <message>
        <source>%1 is given twice in [%2] (first on line %3)</source>
        <translation>%1 is given twice in [%2] (first on line %3)</translation>
    </message>
    <message>
        <source>[file] takes no @</source>
        <translation>[file] takes no @</translation>
    </message>
    <message>
        <source>CHANNELS = %1: takes 2, 4, 6 or 12</source>
        <translation>CHANNELS = %1: takes 2, 4, 6 or 12</translation>
    </message>
    <message>
        <source>FIRMWARE = %1: takes a version such as 1.20</source>
        <translation>FIRMWARE = %1: takes a version such as 1.20</translation>
    </message>
    <message>
        <source>unknown key %1 in [file] (CHANNELS, FIRMWARE)</source>
        <translation>unknown key %1 in [file] (CHANNELS, FIRMWARE)</translation>
    </message>
    <message>
        <source>[file] says %1 channels, the base set has %2</source>
        <translation>[file] says %1 channels, the base set has %2</translation>
    </message>
    <message>
        <source>[file] says firmware %1, the base set is %2</source>
        <translation>[file] says firmware %1, the base set is %2</translation>
    </message>
    <message>
        <source>[file] must give CHANNELS and FIRMWARE (or give a base set the text changes)</source>
        <translation>[file] must give CHANNELS and FIRMWARE (or give a base set the text changes)</translation>
    </message>
    <message>
        <source>the set has %1 channels: there is no [%2]</source>
        <translation>the set has %1 channels: there is no [%2]</translation>
    </message>
    <message>
        <source>a set of firmware %1 keeps no formulas in its file</source>
        <translation>a set of firmware %1 keeps no formulas in its file</translation>
    </message>
    <message>
        <source>%1 is the meter&apos;s clock; a parameter set has no place for it</source>
        <translation>%1 is the meter&apos;s clock; a parameter set has no place for it</translation>
    </message>
    <message>
        <source>%1 has no place in a set of firmware %2</source>
        <translation>%1 has no place in a set of firmware %2</translation>
    </message>
    <message>
        <source>%1 is a channel row: give it under [CH01] .. [CH%2]</source>
        <translation>%1 is a channel row: give it under [CH01] .. [CH%2]</translation>
    </message>
    <message>
        <source>%1 is a common row: give it under [common]</source>
        <translation>%1 is a common row: give it under [common]</translation>
    </message>
    <message>
        <source>unknown key %1 in [%2]</source>
        <translation>unknown key %1 in [%2]</translation>
    </message>
    <message>
        <source>@ %1 shows as %2, not as the text</source>
        <translation>@ %1 shows as %2, not as the text</translation>
    </message>
    <message>
        <source>unknown key %1 in [formulas] (CH01 .. CH06, MEM01 .. MEM06)</source>
        <translation>unknown key %1 in [formulas] (CH01 .. CH06, MEM01 .. MEM06)</translation>
    </message>
    <message>
        <source>the set has %1 channels: there is no %2</source>
        <translation>the set has %1 channels: there is no %2</translation>
    </message>
    <message>
        <source>%1: a parameter file keeps the formulas of channels 1 to 6 only; a download leaves a meter&apos;s others as they are</source>
        <translation>%1: a parameter file keeps the formulas of channels 1 to 6 only; a download leaves a meter&apos;s others as they are</translation>
    </message>
    <message>
        <source>@ shows as %1, not as the text</source>
        <translation>@ shows as %1, not as the text</translation>
    </message>
    <message>
        <source>a reserved line is written OFFSET = hex bytes</source>
        <translation>a reserved line is written OFFSET = hex bytes</translation>
    </message>
    <message>
        <source>offset %1 and %2 bytes go past the %3 bytes of the file</source>
        <translation>offset %1 and %2 bytes go past the %3 bytes of the file</translation>
    </message>
    <message>
        <source>byte %1 belongs to a row; give the row instead</source>
        <translation>byte %1 belongs to a row; give the row instead</translation>
    </message>
    <message>
        <source>byte %1 is given twice</source>
        <translation>byte %1 is given twice</translation>
    </message>
    <message>
        <source> (a text without a base set gives every row)</source>
        <translation> (a text without a base set gives every row)</translation>
    </message>
    <message>
        <source>[%1] is not given</source>
        <translation>[%1] is not given</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>and %1 more</translation>
    </message>
    <message>
        <source>[%1] lacks %2</source>
        <translation>[%1] lacks %2</translation>
    </message>
    <message>
        <source>%1: the text is empty: no section, no row (blank lines and comments at most)</source>
        <translation>%1: the text is empty: no section, no row (blank lines and comments at most)</translation>
    </message>
</context>
<context>
    <name>ParamTextSyntax</name>
    <message>
        <source>\x wants two hex digits</source>
        <translation>\x wants two hex digits</translation>
    </message>
    <message>
        <source>unknown escape \%1 in a quoted text (\&quot; \\ \xHH)</source>
        <translation>unknown escape \%1 in a quoted text (\&quot; \\ \xHH)</translation>
    </message>
    <message>
        <source>the quoted text has no closing quote</source>
        <translation>the quoted text has no closing quote</translation>
    </message>
    <message>
        <source>a section is written [name]</source>
        <translation>a section is written [name]</translation>
    </message>
    <message>
        <source>a row is written KEY = text</source>
        <translation>a row is written KEY = text</translation>
    </message>
    <message>
        <source>&apos;%1&apos; after the quoted text</source>
        <translation>&apos;%1&apos; after the quoted text</translation>
    </message>
</context>
<context>
    <name>PlantAlarmFile</name>
    <message>
        <source>line %1 and %2 more could not be read and were left out</source>
        <translation>line %1 and %2 more could not be read and were left out</translation>
    </message>
    <message>
        <source>only its first %1 MB were read</source>
        <translation>only its first %1 MB were read</translation>
    </message>
    <message>
        <source>line %1 could not be read and was left out</source>
        <translation>line %1 could not be read and was left out</translation>
    </message>
</context>
<context>
    <name>PlantAlarmModel</name>
    <message>
        <source>AL%1</source>
        <translation>AL%1</translation>
    </message>
    <message>
        <source>active</source>
        <translation>active</translation>
    </message>
    <message>
        <source>Node</source>
        <translation>Node</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Since</source>
        <translation>Since</translation>
    </message>
    <message>
        <source>Gone</source>
        <translation>Gone</translation>
    </message>
</context>
<context>
    <name>PlantAlarmWindow</name>
    <message>
        <source>Plant Alarms</source>
        <translation>Plant Alarms</translation>
    </message>
    <message numerus="yes">
        <source>%n alarm(s) active</source>
        <translation>
            <numerusform>%n alarm active</numerusform>
            <numerusform>%n alarms active</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries, newest first</source>
        <translation>
            <numerusform>%n entry, newest first</numerusform>
            <numerusform>%n entries, newest first</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlantListModel</name>
    <message>
        <source>online</source>
        <translation>online</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>offline</translation>
    </message>
    <message>
        <source>stale</source>
        <translation>stale</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>%1 (%2 ch)</source>
        <translation>%1 (%2 ch)</translation>
    </message>
    <message>
        <source>Node</source>
        <translation>Node</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Last record</source>
        <translation>Last record</translation>
    </message>
    <message>
        <source>State</source>
        <translation>State</translation>
    </message>
</context>
<context>
    <name>PlantSubscriber</name>
    <message>
        <source>connected</source>
        <translation>connected</translation>
    </message>
    <message>
        <source>away (%1), tried again in %2 s</source>
        <translation>away (%1), tried again in %2 s</translation>
    </message>
</context>
<context>
    <name>PortSettings</name>
    <message>
        <source>no port is named</source>
        <translation>no port is named</translation>
    </message>
    <message>
        <source>the port name &quot;%1&quot; holds a control character</source>
        <translation>the port name &quot;%1&quot; holds a control character</translation>
    </message>
    <message>
        <source>%1; the default port settings are used</source>
        <translation>%1; the default port settings are used</translation>
    </message>
    <message>
        <source>%1 holds %2 of the 7 lines it needs; the default port settings are used</source>
        <translation>%1 holds %2 of the 7 lines it needs; the default port settings are used</translation>
    </message>
    <message>
        <source>line 1 of %1: %2</source>
        <translation>line 1 of %1: %2</translation>
    </message>
</context>
<context>
    <name>PublishSettings</name>
    <message>
        <source>%1 is not a broker address: it wants mqtt://HOST[:PORT]/PREFIX or mqtts://HOST[:PORT]/PREFIX</source>
        <translation>%1 is not a broker address: it wants mqtt://HOST[:PORT]/PREFIX or mqtts://HOST[:PORT]/PREFIX</translation>
    </message>
    <message>
        <source>%1: the port must be 1..65535</source>
        <translation>%1: the port must be 1..65535</translation>
    </message>
    <message>
        <source>%1: the topic prefix after the host must be one or more topic levels without + or #</source>
        <translation>%1: the topic prefix after the host must be one or more topic levels without + or #</translation>
    </message>
    <message>
        <source>%1: a node name is one topic level, without +, #, / or blanks</source>
        <translation>%1: a node name is one topic level, without +, #, / or blanks</translation>
    </message>
    <message>
        <source>%1 wants 0 or 1</source>
        <translation>%1 wants 0 or 1</translation>
    </message>
    <message>
        <source>%1 wants seconds from 5 to 65535</source>
        <translation>%1 wants seconds from 5 to 65535</translation>
    </message>
    <message>
        <source>%1 wants days from 1 to 3650</source>
        <translation>%1 wants days from 1 to 3650</translation>
    </message>
    <message>
        <source>%1 and %2 go together: give both or neither</source>
        <translation>%1 and %2 go together: give both or neither</translation>
    </message>
    <message>
        <source>%1, %2 and %3 need an mqtts:// address</source>
        <translation>%1, %2 and %3 need an mqtts:// address</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 needs %2</translation>
    </message>
    <message>
        <source>%1: %2 may be read by others; make it the owner&apos;s alone (chmod 600 %2)</source>
        <translation>%1: %2 may be read by others; make it the owner&apos;s alone (chmod 600 %2)</translation>
    </message>
    <message>
        <source>%1 is not there</source>
        <translation>%1 is not there</translation>
    </message>
    <message>
        <source>%1 is %2, not a file</source>
        <translation>%1 is %2, not a file</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 cannot be read</translation>
    </message>
    <message>
        <source>%1: a topic prefix may not begin with $ (the broker&apos;s own topics, where it passes nothing on)</source>
        <translation>%1: a topic prefix may not begin with $ (the broker&apos;s own topics, where it passes nothing on)</translation>
    </message>
    <message>
        <source>%1: the topics would be %2 bytes long; MQTT allows %3</source>
        <translation>%1: the topics would be %2 bytes long; MQTT allows %3</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>it is empty</translation>
    </message>
    <message>
        <source>%1 is not one topic level (no /, + or #)</source>
        <translation>%1 is not one topic level (no /, + or #)</translation>
    </message>
    <message>
        <source>%1: a Sparkplug group %2</source>
        <translation>%1: a Sparkplug group %2</translation>
    </message>
    <message>
        <source>%1: a host id %2</source>
        <translation>%1: a host id %2</translation>
    </message>
</context>
<context>
    <name>QtSerialLink</name>
    <message>
        <source>The port %1 stopped working (%2).</source>
        <translation>The port %1 stopped working (%2).</translation>
    </message>
    <message>
        <source>its device is gone</source>
        <translation>its device is gone</translation>
    </message>
</context>
<context>
    <name>RecordNumbers</name>
    <message>
        <source>a run of numbers does not read</source>
        <translation>a run of numbers does not read</translation>
    </message>
    <message>
        <source>it numbers %1, not this meter&apos;s</source>
        <translation>it numbers %1, not this meter&apos;s</translation>
    </message>
    <message>
        <source>it is meter %1&apos;s of %2</source>
        <translation>it is meter %1&apos;s of %2</translation>
    </message>
    <message>
        <source>it is incomplete</source>
        <translation>it is incomplete</translation>
    </message>
</context>
<context>
    <name>RecordPublisher</name>
    <message>
        <source>broker %1 back after %2 s</source>
        <translation>broker %1 back after %2 s</translation>
    </message>
    <message>
        <source>; %1 to catch up</source>
        <translation>; %1 to catch up</translation>
    </message>
    <message>
        <source>broker %1 went away (%2); records are kept in the data files and sent when it is back; next try in %3 s</source>
        <translation>broker %1 went away (%2); records are kept in the data files and sent when it is back; next try in %3 s</translation>
    </message>
    <message>
        <source>broker %1 refused the connection: %2</source>
        <translation>broker %1 refused the connection: %2</translation>
    </message>
    <message>
        <source>broker %1 not reached (%2); trying again, at longest every 60 s</source>
        <translation>broker %1 not reached (%2); trying again, at longest every 60 s</translation>
    </message>
    <message>
        <source>meter %1: %2 up to number %3 are no longer in the data files and cannot be sent</source>
        <translation>meter %1: %2 up to number %3 are no longer in the data files and cannot be sent</translation>
    </message>
    <message>
        <source>caught up %1</source>
        <translation>caught up %1</translation>
    </message>
    <message>
        <source>; %1 older than %2 days not sent</source>
        <translation>; %1 older than %2 days not sent</translation>
    </message>
    <message>
        <source>%1 waiting</source>
        <translation>%1 waiting</translation>
    </message>
    <message>
        <source>Publishing off</source>
        <translation>Publishing off</translation>
    </message>
    <message>
        <source>Broker: connecting · %1</source>
        <translation>Broker: connecting · %1</translation>
    </message>
    <message>
        <source>Broker: connected · %1</source>
        <translation>Broker: connected · %1</translation>
    </message>
    <message>
        <source>Broker: away (%1) · %2</source>
        <translation>Broker: away (%1) · %2</translation>
    </message>
    <message>
        <source>Broker: refused (%1) · %2</source>
        <translation>Broker: refused (%1) · %2</translation>
    </message>
    <message>
        <source>meter %1: where the broker stands is not known; the %2 in its data files (numbers %3 to %4) are sent again, flagged replayed</source>
        <translation>meter %1: where the broker stands is not known; the %2 in its data files (numbers %3 to %4) are sent again, flagged replayed</translation>
    </message>
    <message>
        <source>set aside as %1</source>
        <translation>set aside as %1</translation>
    </message>
    <message>
        <source>it could not be set aside and is written anew</source>
        <translation>it could not be set aside and is written anew</translation>
    </message>
    <message>
        <source>it is left as it is and not used</source>
        <translation>it is left as it is and not used</translation>
    </message>
    <message>
        <source>meter %1: %2 is not used (%3); %4</source>
        <translation>meter %1: %2 is not used (%3); %4</translation>
    </message>
    <message>
        <source>record %1</source>
        <translation>record %1</translation>
    </message>
    <message>
        <source>records %1 to %2</source>
        <translation>records %1 to %2</translation>
    </message>
    <message>
        <source>%1 of them not sent, and they cannot be now</source>
        <translation>%1 of them not sent, and they cannot be now</translation>
    </message>
    <message>
        <source>%1 is no longer in the data folder: %2 went with it</source>
        <translation>%1 is no longer in the data folder: %2 went with it</translation>
    </message>
    <message>
        <source>meter %1: %2 (%3); the numbers of the records still there stay</source>
        <translation>meter %1: %2 (%3); the numbers of the records still there stay</translation>
    </message>
    <message>
        <source>%1 written again</source>
        <translation>%1 written again</translation>
    </message>
    <message>
        <source>%1 not written: %2; publishing goes on, and after a restart records may be sent again</source>
        <translation>%1 not written: %2; publishing goes on, and after a restart records may be sent again</translation>
    </message>
    <message>
        <source>none of them was waiting to be sent</source>
        <translation>none of them was waiting to be sent</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>%1 is shorter than before: it no longer holds %2</source>
        <translation>%1 is shorter than before: it no longer holds %2</translation>
    </message>
    <message>
        <source>%1 is another file now: %2 went with the one before</source>
        <translation>%1 is another file now: %2 went with the one before</translation>
    </message>
    <message>
        <source>publishing to %1 as %2</source>
        <translation>publishing to %1 as %2</translation>
    </message>
    <message>
        <source>%1; connecting to broker %2 again</source>
        <translation>%1; connecting to broker %2 again</translation>
    </message>
    <message>
        <source>WARNING: broker %1 takes what this program publishes but passes nothing on: this program&apos;s own status did not come back in %2 s. Do the broker&apos;s access rules let user %3 publish and read under %4? What it drops is lost to subscribers.</source>
        <translation>WARNING: broker %1 takes what this program publishes but passes nothing on: this program&apos;s own status did not come back in %2 s. Do the broker&apos;s access rules let user %3 publish and read under %4? What it drops is lost to subscribers.</translation>
    </message>
    <message>
        <source>Broker: connected, not publishing · %1</source>
        <translation>Broker: connected, not publishing · %1</translation>
    </message>
</context>
<context>
    <name>RequestFailures</name>
    <message>
        <source>its present values</source>
        <translation>its present values</translation>
    </message>
    <message>
        <source>the scan</source>
        <translation>the scan</translation>
    </message>
    <message>
        <source>its settings</source>
        <translation>its settings</translation>
    </message>
    <message>
        <source>the upload</source>
        <translation>the upload</translation>
    </message>
    <message>
        <source>the download</source>
        <translation>the download</translation>
    </message>
    <message>
        <source>the clock write</source>
        <translation>the clock write</translation>
    </message>
    <message>
        <source>its channel descriptions</source>
        <translation>its channel descriptions</translation>
    </message>
    <message>
        <source>the request for %1</source>
        <translation>the request for %1</translation>
    </message>
    <message>
        <source>refused %1 (%2)</source>
        <translation>refused %1 (%2)</translation>
    </message>
    <message>
        <source>%1 time-out</source>
        <translation>%1 time-out</translation>
    </message>
    <message>
        <source>%1 time-outs</source>
        <translation>%1 time-outs</translation>
    </message>
    <message>
        <source>%1 damaged reply</source>
        <translation>%1 damaged reply</translation>
    </message>
    <message>
        <source>%1 damaged replies</source>
        <translation>%1 damaged replies</translation>
    </message>
    <message>
        <source>%1 refusal (%2)</source>
        <translation>%1 refusal (%2)</translation>
    </message>
    <message>
        <source>%1 refusals (%2)</source>
        <translation>%1 refusals (%2)</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>failures</source>
        <translation>failures</translation>
    </message>
    <message>
        <source>%1 (%2 in a row on %3)</source>
        <translation>%1 (%2 in a row on %3)</translation>
    </message>
    <message>
        <source>does not answer</source>
        <translation>does not answer</translation>
    </message>
    <message>
        <source>does not answer usably</source>
        <translation>does not answer usably</translation>
    </message>
    <message>
        <source>Meter %1 %2</source>
        <translation>Meter %1 %2</translation>
    </message>
    <message>
        <source>exception %1</source>
        <translation>exception %1</translation>
    </message>
    <message>
        <source>exception %1: %2</source>
        <translation>exception %1: %2</translation>
    </message>
    <message>
        <source>request %1</source>
        <translation>request %1</translation>
    </message>
</context>
<context>
    <name>RowRules</name>
    <message>
        <source>Disable Character.</source>
        <comment>after what a row takes</comment>
        <translation>character not allowed</translation>
    </message>
    <message>
        <source>takes at most %1 characters</source>
        <translation>takes at most %1 characters</translation>
    </message>
    <message>
        <source>takes no &apos;%1&apos; (%2)</source>
        <translation>takes no &apos;%1&apos; (%2)</translation>
    </message>
    <message>
        <source>takes what the clock window sets (%1 would become %2)</source>
        <translation>takes what the clock window sets (%1 would become %2)</translation>
    </message>
    <message>
        <source>takes up to %1 letters, digits and ( ) + - * / % , . [ ] $ (%2)</source>
        <translation>takes up to %1 letters, digits and ( ) + - * / % , . [ ] $ (%2)</translation>
    </message>
    <message>
        <source>takes the code of an input type (1 to 8, 10 to 14, 16 to 19)</source>
        <translation>takes the code of an input type (1 to 8, 10 to 14, 16 to 19)</translation>
    </message>
    <message>
        <source>takes one of %1</source>
        <translation>takes one of %1</translation>
    </message>
    <message>
        <source>takes capital letters but E, J, K, Y and Z, digits, spaces and ( ) + - * / ^ % , : . (%1)</source>
        <translation>takes capital letters but E, J, K, Y and Z, digits, spaces and ( ) + - * / ^ % , : . (%1)</translation>
    </message>
</context>
<context>
    <name>SaveSettings</name>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>sec</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
</context>
<context>
    <name>SerialOpenProblem</name>
    <message>
        <source>%1 is %2 on this computer. </source>
        <translation>%1 is %2 on this computer. </translation>
    </message>
    <message>
        <source>No such device: is the adapter plugged in?</source>
        <translation>No such device: is the adapter plugged in?</translation>
    </message>
    <message>
        <source> This computer has no serial device.</source>
        <translation> This computer has no serial device.</translation>
    </message>
    <message>
        <source> Serial devices on this computer: %1.</source>
        <translation> Serial devices on this computer: %1.</translation>
    </message>
    <message>
        <source>Permission denied, although this user is in the device&apos;s group %1: the device does not let its group use it (see ls -l %2).</source>
        <translation>Permission denied, although this user is in the device&apos;s group %1: the device does not let its group use it (see ls -l %2).</translation>
    </message>
    <message>
        <source>Permission denied: this user was added to the group %1 after logging in. Log out and in again (or restart the computer) to use the device.</source>
        <translation>Permission denied: this user was added to the group %1 after logging in. Log out and in again (or restart the computer) to use the device.</translation>
    </message>
    <message>
        <source>Permission denied: the device is not open to this user; ask the administrator for access to %1.</source>
        <translation>Permission denied: the device is not open to this user; ask the administrator for access to %1.</translation>
    </message>
    <message>
        <source>Permission denied: the device belongs to the group %1, which this user is not in. Add the user to it with &quot;sudo usermod -aG %1 $USER&quot;, then log out and in again.</source>
        <translation>Permission denied: the device belongs to the group %1, which this user is not in. Add the user to it with &quot;sudo usermod -aG %1 $USER&quot;, then log out and in again.</translation>
    </message>
    <message>
        <source>The device is in use by another program (a terminal program, a modem manager, another copy of this one); close that program or choose another port.</source>
        <translation>The device is in use by another program (a terminal program, a modem manager, another copy of this one); close that program or choose another port.</translation>
    </message>
    <message>
        <source>The port could not be opened.</source>
        <translation>The port could not be opened.</translation>
    </message>
</context>
<context>
    <name>SerialPorts</name>
    <message>
        <source>The port could not be opened.</source>
        <translation>The port could not be opened.</translation>
    </message>
</context>
<context>
    <name>SetRules</name>
    <message>
        <source>%1 would hold %2 channels; a group holds at most %3</source>
        <translation>%1 would hold %2 channels; a group holds at most %3</translation>
    </message>
    <message>
        <source>takes a day of the reserved month, %1-%2 (the clock window makes %3 into %4)</source>
        <translation>takes a day of the reserved month, %1-%2 (the clock window makes %3 into %4)</translation>
    </message>
</context>
<context>
    <name>SingleMeterMonitor</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>NO DATA — waiting for the meter</source>
        <translation>NO DATA — waiting for the meter</translation>
    </message>
    <message>
        <source>NO NEW DATA since %1 — picture frozen</source>
        <translation>NO NEW DATA since %1 — picture frozen</translation>
    </message>
    <message>
        <source>METER NOT ANSWERING — last values shown</source>
        <translation>METER NOT ANSWERING — last values shown</translation>
    </message>
    <message>
        <source>Meter %1</source>
        <translation>Meter %1</translation>
    </message>
    <message>
        <source>NO NEW DATA since %1 — records sent later fill the gap</source>
        <translation>NO NEW DATA since %1 — records sent later fill the gap</translation>
    </message>
</context>
<context>
    <name>SparkplugNode</name>
    <message>
        <source>Sparkplug B node %1/%2</source>
        <translation>Sparkplug B node %1/%2</translation>
    </message>
    <message>
        <source>waiting for the primary host %1 to be online</source>
        <translation>waiting for the primary host %1 to be online</translation>
    </message>
    <message>
        <source>a host asked for the births again (Node Control/Rebirth)</source>
        <translation>a host asked for the births again (Node Control/Rebirth)</translation>
    </message>
    <message>
        <source>the primary host %1 is online</source>
        <translation>the primary host %1 is online</translation>
    </message>
    <message>
        <source>the primary host %1 went offline: the session ends, and records wait in the data files until it is back</source>
        <translation>the primary host %1 went offline: the session ends, and records wait in the data files until it is back</translation>
    </message>
    <message>
        <source> · the primary host %1 is offline</source>
        <translation> · the primary host %1 is offline</translation>
    </message>
</context>
<context>
    <name>StatusListModel</name>
    <message>
        <source>Clock</source>
        <translation>Clock</translation>
    </message>
    <message>
        <source>How far the meter&apos;s clock is off the PC&apos;s (+ ahead, - behind), read with every poll. Amber past %1 s: set it with Date/Time Reserve.</source>
        <translation>How far the meter&apos;s clock is off the PC&apos;s (+ ahead, - behind), read with every poll. Amber past %1 s: set it with Date/Time Reserve.</translation>
    </message>
    <message>
        <source>no date</source>
        <translation>no date</translation>
    </message>
    <message>
        <source>The meter reports &quot;%1&quot;, which is no date and time.</source>
        <translation>The meter reports &quot;%1&quot;, which is no date and time.</translation>
    </message>
    <message>
        <source>Meter clock %1, PC clock %2: %3.</source>
        <translation>Meter clock %1, PC clock %2: %3.</translation>
    </message>
    <message>
        <source>%1, 1 in %2</source>
        <translation>%1, 1 in %2</translation>
    </message>
    <message>
        <source>Backed off: asked once in %1 cycles, next in %2 cycles.</source>
        <translation>Backed off: asked once in %1 cycles, next in %2 cycles.</translation>
    </message>
    <message>
        <source>Backed off: asked once in %1 cycles, next in this cycle.</source>
        <translation>Backed off: asked once in %1 cycles, next in this cycle.</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 channels</translation>
    </message>
    <message>
        <source>Unknown model</source>
        <translation>Unknown model</translation>
    </message>
    <message>
        <source>reading…</source>
        <translation>reading…</translation>
    </message>
</context>
<context>
    <name>SystemErrorTexts</name>
    <message>
        <source>No such file or directory</source>
        <translation>No such file or directory</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Not a directory</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Is a directory</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>No space left on device</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Disk quota exceeded</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Device or resource busy</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Read-only file system</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>File exists</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Input/output error</translation>
    </message>
    <message>
        <source>No such device</source>
        <translation>No such device</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Too many open files</translation>
    </message>
</context>
<context>
    <name>TcpRtuLink</name>
    <message>
        <source>%1 did not accept the connection within %2 s.</source>
        <translation>%1 did not accept the connection within %2 s.</translation>
    </message>
    <message>
        <source>The connection to %1 was closed by the other side.</source>
        <translation>The connection to %1 was closed by the other side.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a network port name: expected tcp://host:port.</source>
        <translation>&quot;%1&quot; is not a network port name: expected tcp://host:port.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <translation>Cannot connect to %1: %2</translation>
    </message>
    <message>
        <source>The connection to %1 was lost (%2).</source>
        <translation>The connection to %1 was lost (%2).</translation>
    </message>
</context>
<context>
    <name>TextLines</name>
    <message>
        <source>%1 is a folder, not a file</source>
        <translation>%1 is a folder, not a file</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 cannot be read: %2</translation>
    </message>
</context>
<context>
    <name>TextMonitor</name>
    <message>
        <source>Single Monitoring - TEXT</source>
        <translation>Single Monitoring - TEXT</translation>
    </message>
</context>
<context>
    <name>TextTable</name>
    <message>
        <source>not a saved table</source>
        <translation>not a saved table</translation>
    </message>
</context>
<context>
    <name>TimeTicks</name>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>%1 d %2 h</source>
        <translation>%1 d %2 h</translation>
    </message>
    <message>
        <source>%1 d</source>
        <translation>%1 d</translation>
    </message>
</context>
<context>
    <name>TransferSequence</name>
    <message>
        <source>Parameter Uploading(TD700==&gt;PC) ...</source>
        <translation>Parameter Uploading(TD700==&gt;PC) ...</translation>
    </message>
    <message>
        <source>Parameter Upload(TD700==&gt;PC) Complete</source>
        <translation>Parameter Upload(TD700==&gt;PC) Complete</translation>
    </message>
    <message>
        <source>Parameter Downloading(PC==&gt;TD700) ...</source>
        <translation>Parameter Downloading(PC==&gt;TD700) ...</translation>
    </message>
    <message>
        <source>Parameter Download(PC==&gt;TD700) Complete</source>
        <translation>Parameter Download(PC==&gt;TD700) Complete</translation>
    </message>
</context>
<context>
    <name>TrendMonitor</name>
    <message>
        <source>Single Monitoring - LINE</source>
        <translation>Single Monitoring - LINE</translation>
    </message>
</context>
<context>
    <name>frmInputKey</name>
    <message>
        <source>Input</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>Letters A-D, F-I, L-X, digits, space and ( ) + - * / ^ % , : . (at most %1 characters)</source>
        <translation>Letters A-D, F-I, L-X, digits, space and ( ) + - * / ^ % , : . (at most %1 characters)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Disable Character.</source>
        <comment>a formula</comment>
        <translation>Character not allowed: a formula takes only the letters A-D, F-I and L-X, digits, spaces and ( ) + - * / ^ % , : .</translation>
    </message>
</context>
<context>
    <name>frmTD_About</name>
    <message>
        <source>About TD700_File</source>
        <translation>About TD700_File</translation>
    </message>
    <message>
        <source>PC companion of the TD700 paperless recorders (2, 4, 6 and 12 channels).
Modbus RTU master on RS-232 or an RS-485 bus: live monitoring, parameter files, data logging and the recorders&apos; clocks.</source>
        <translation>PC companion of the TD700 paperless recorders (2, 4, 6 and 12 channels).
Modbus RTU master on RS-232 or an RS-485 bus: live monitoring, parameter files, data logging and the recorders&apos; clocks.</translation>
    </message>
    <message>
        <source>Version %1, built %2 with Qt %3</source>
        <translation>Version %1, built %2 with Qt %3</translation>
    </message>
    <message>
        <source>Open in the browser</source>
        <translation>Open in the browser</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>frmTD_DateReserve</name>
    <message>
        <source>Year</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hour</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>Sec</translation>
    </message>
    <message>
        <source>DATE/TIME RESERVE SETUP</source>
        <translation>DATE/TIME RESERVE SETUP</translation>
    </message>
    <message>
        <source>PC Clock</source>
        <translation>PC Clock</translation>
    </message>
    <message>
        <source>Reserved Start</source>
        <translation>Reserved Start</translation>
    </message>
    <message>
        <source>Each field is written to the meter when you press Enter or leave it after a change.</source>
        <translation>Each field is written to the meter when you press Enter or leave it after a change.</translation>
    </message>
    <message>
        <source>Meter Clock</source>
        <translation>Meter Clock</translation>
    </message>
    <message>
        <source>Same as PC clock</source>
        <translation>Same as PC clock</translation>
    </message>
    <message>
        <source>SET</source>
        <translation>SET</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Nothing was written: the port is not polling.</source>
        <translation>Nothing was written: the port is not polling.</translation>
    </message>
    <message>
        <source>Meter clock: not read yet</source>
        <translation>Meter clock: not read yet</translation>
    </message>
    <message>
        <source>Meter clock: &quot;%1&quot; is no date and time; set the clock.</source>
        <translation>Meter clock: &quot;%1&quot; is not a valid date and time; set the clock.</translation>
    </message>
    <message>
        <source>Meter clock by the last poll: %1, %2.</source>
        <translation>Meter clock by the last poll: %1, %2.</translation>
    </message>
    <message>
        <source>The port is closed: nothing can be written to the meter.</source>
        <translation>The port is closed: nothing can be written to the meter.</translation>
    </message>
    <message>
        <source>Writing to meter %1 ...</source>
        <translation>Writing to meter %1 ...</translation>
    </message>
    <message numerus="yes">
        <source> (%n more waiting)</source>
        <translation>
            <numerusform> (%n more waiting)</numerusform>
            <numerusform> (%n more waiting)</numerusform>
        </translation>
    </message>
    <message>
        <source>The settings of meter %1 are not all read; it is asked again. The fields do not show the meter&apos;s values until it answers.</source>
        <translation>Not all settings of meter %1 were read; they are being requested again. The fields do not show the meter&apos;s values until it answers.</translation>
    </message>
    <message>
        <source>Reading the settings of meter %1 ...</source>
        <translation>Reading the settings of meter %1 ...</translation>
    </message>
    <message>
        <source>Meter %1, as read at %2.</source>
        <translation>Meter %1, as read at %2.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Drop the writes still waiting and return to monitoring</source>
        <translation>Drop the writes still waiting and return to monitoring</translation>
    </message>
    <message>
        <source>The settings of meter %1 are not all read: it %2. It is asked again until it answers; Cancel returns to monitoring.</source>
        <translation>The settings of meter %1 are not all read: it %2. It is asked again until it answers; Cancel returns to monitoring.</translation>
    </message>
    <message>
        <source>%1. The writes still waiting go out next; Cancel drops them.</source>
        <translation>%1. The writes still waiting go out next; Cancel drops them.</translation>
    </message>
    <message>
        <source>Cancelled: monitoring goes on. The fields do not show meter %1&apos;s settings.</source>
        <translation>Cancelled: monitoring goes on. The fields do not show meter %1&apos;s settings.</translation>
    </message>
    <message>
        <source>Meter %1 did not take the last write</source>
        <translation>Meter %1 did not take the last write</translation>
    </message>
    <message>
        <source>: the fields show what it holds, read at %1.</source>
        <translation>: the fields show what it holds, read at %1.</translation>
    </message>
    <message>
        <source>The fields run with the meter&apos;s clock; a field you change keeps your value. SET writes the fields as they show. Logging and publishing pause while a write goes to the meter (about a second); the data files show the gap.</source>
        <translation>The fields run with the meter&apos;s clock; a field you change keeps your value. SET writes the fields as they show. Logging and publishing pause while a write goes to the meter (about a second); the data files show the gap.</translation>
    </message>
    <message>
        <source>Meter %1</source>
        <translation>Meter %1</translation>
    </message>
    <message>
        <source>Meter %1 is no longer in the meter list: nothing is read from it or written to it.</source>
        <translation>Meter %1 is no longer in the meter list: nothing is read from it or written to it.</translation>
    </message>
</context>
<context>
    <name>frmTD_Main</name>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Setup</translation>
    </message>
    <message>
        <source>&amp;Online</source>
        <translation>&amp;Online</translation>
    </message>
    <message>
        <source>&amp;Parameter</source>
        <translation>&amp;Parameter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>SETUP</source>
        <translation>SETUP</translation>
    </message>
    <message>
        <source>ONLINE</source>
        <translation>ONLINE</translation>
    </message>
    <message>
        <source>METER</source>
        <translation>METER</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>HELP</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Language / 언어</translation>
    </message>
    <message>
        <source>Meter Status</source>
        <translation>Meter Status</translation>
    </message>
    <message>
        <source>Click a meter that reads &quot;OK&quot; to select it.</source>
        <translation>Click a meter that reads &quot;OK&quot; to select it.</translation>
    </message>
    <message>
        <source>Selected Meter</source>
        <translation>Selected Meter</translation>
    </message>
    <message>
        <source>Data Save</source>
        <translation>Data Save</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Daily file</source>
        <translation>Daily file</translation>
    </message>
    <message>
        <source>SEND</source>
        <translation>SEND</translation>
    </message>
    <message>
        <source>RECV</source>
        <translation>RECV</translation>
    </message>
    <message>
        <source>Link messages</source>
        <translation>Link messages</translation>
    </message>
    <message>
        <source>Data file messages</source>
        <translation>Data file messages</translation>
    </message>
    <message>
        <source>Port closed</source>
        <translation>Port closed</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Scanning</translation>
    </message>
    <message>
        <source>Polling</source>
        <translation>Polling</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Connecting</translation>
    </message>
    <message>
        <source>No meter selected</source>
        <translation>No meter selected</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 channels</translation>
    </message>
    <message>
        <source> · firmware %1</source>
        <translation> · firmware %1</translation>
    </message>
    <message>
        <source> · settings read incomplete</source>
        <translation> · settings read incomplete</translation>
    </message>
    <message>
        <source>Port %1 not opened: %2</source>
        <translation>Port %1 not opened: %2</translation>
    </message>
    <message>
        <source>Not publishing: %1</source>
        <translation>Not publishing: %1</translation>
    </message>
    <message>
        <source>Broker: publishing starts when the port opens</source>
        <translation>Broker: publishing starts when the port opens</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 was not found.</translation>
    </message>
    <message>
        <source>%1 is neither a parameter file (.CFG) nor a data file (.TDD).</source>
        <translation>%1 is neither a parameter file (.CFG) nor a data file (.TDD).</translation>
    </message>
    <message>
        <source>%1 is not part of this version of the program yet.</source>
        <translation>%1 is not part of this version of the program yet.</translation>
    </message>
    <message>
        <source>The guide built into the program is shown instead.</source>
        <translation>The guide built into the program is shown instead.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Quit?</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>TD700 Manual</source>
        <translation>TD700 Manual</translation>
    </message>
    <message>
        <source>Demo folder: %1</source>
        <translation>Demo folder: %1</translation>
    </message>
    <message>
        <source>&amp;Watch a Broker...</source>
        <translation>&amp;Watch a Broker...</translation>
    </message>
    <message>
        <source>S&amp;top Watching</source>
        <translation>S&amp;top Watching</translation>
    </message>
    <message>
        <source>Plant</source>
        <translation>Plant</translation>
    </message>
    <message>
        <source>Select a meter, then a monitor (a double click opens its trend). Plant mode watches only.</source>
        <translation>Select a meter, then a monitor (a double click opens its trend). Plant mode watches only.</translation>
    </message>
    <message>
        <source>Watch a Broker</source>
        <translation>Watch a Broker</translation>
    </message>
    <message>
        <source>Plant mode watches only: no port is opened and nothing is written to a meter. Stop watching (Setup menu) to work on the local bus.</source>
        <translation>Plant mode watches only: no port is opened and nothing is written to a meter. Stop watching (Setup menu) to work on the local bus.</translation>
    </message>
    <message>
        <source>Watching %1</source>
        <translation>Watching %1</translation>
    </message>
    <message>
        <source>Broker away</source>
        <translation>Broker away</translation>
    </message>
    <message>
        <source>Plant mode: broker %1 connected; watching only.</source>
        <translation>Plant mode: broker %1 connected; watching only.</translation>
    </message>
    <message>
        <source>Plant mode: broker %1 %2; the last values are shown stale.</source>
        <translation>Plant mode: broker %1 %2; the last values are shown stale.</translation>
    </message>
    <message>
        <source>Select a meter in the plant list first.</source>
        <translation>Select a meter in the plant list first.</translation>
    </message>
    <message>
        <source>The meter has not told its channels yet.</source>
        <translation>The meter has not told its channels yet.</translation>
    </message>
    <message>
        <source>Plant mode: broker %1 refused: %2</source>
        <translation>Plant mode: broker %1 refused: %2</translation>
    </message>
    <message>
        <source>Plant mode: connecting to broker %1.</source>
        <translation>Plant mode: connecting to broker %1.</translation>
    </message>
    <message>
        <source>Plant &amp;Alarms...</source>
        <translation>Plant &amp;Alarms...</translation>
    </message>
    <message>
        <source>Plant alarms: %1</source>
        <translation>Plant alarms: %1</translation>
    </message>
</context>
<context>
    <name>frmTD_P_ARM_DI</name>
    <message>
        <source>ALARM/DI SETUP</source>
        <translation>ALARM/DI SETUP</translation>
    </message>
    <message>
        <source>ALARM</source>
        <translation>ALARM</translation>
    </message>
    <message>
        <source>CH.NO</source>
        <translation>CH.NO</translation>
    </message>
    <message>
        <source>TYPE</source>
        <translation>TYPE</translation>
    </message>
    <message>
        <source>SET VALUE</source>
        <translation>SET VALUE</translation>
    </message>
    <message>
        <source>HYS.</source>
        <translation>HYS.</translation>
    </message>
    <message>
        <source>WITH CH.</source>
        <translation>WITH CH.</translation>
    </message>
    <message>
        <source>ERROR VALUE</source>
        <translation>ERROR VALUE</translation>
    </message>
    <message>
        <source>UP RATE</source>
        <translation>UP RATE</translation>
    </message>
    <message>
        <source>USER-RANGE BURNOUT or OPEN</source>
        <translation>USER-RANGE BURNOUT or OPEN</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>RECORD</translation>
    </message>
    <message>
        <source>OUTPUT</source>
        <translation>OUTPUT</translation>
    </message>
    <message>
        <source>RELAY NO.</source>
        <translation>RELAY NO.</translation>
    </message>
    <message>
        <source>ON-TIME</source>
        <translation>ON-TIME</translation>
    </message>
    <message>
        <source>D/I</source>
        <translation>D/I</translation>
    </message>
    <message>
        <source>D/I NO.</source>
        <translation>D/I NO.</translation>
    </message>
    <message>
        <source>D/I LEVEL</source>
        <translation>D/I LEVEL</translation>
    </message>
    <message>
        <source>HYSTERESIS</source>
        <translation>HYSTERESIS</translation>
    </message>
    <message>
        <source>RATE</source>
        <translation>RATE</translation>
    </message>
</context>
<context>
    <name>frmTD_P_Channel</name>
    <message>
        <source>USER RANGE HIGH</source>
        <translation>USER RANGE HIGH</translation>
    </message>
    <message>
        <source>USER RANGE LOW</source>
        <translation>USER RANGE LOW</translation>
    </message>
    <message>
        <source>SCALE RANGE HIGH</source>
        <translation>SCALE RANGE HIGH</translation>
    </message>
    <message>
        <source>SCALE RANGE LOW</source>
        <translation>SCALE RANGE LOW</translation>
    </message>
    <message>
        <source>DISP. RANGE HIGH</source>
        <translation>DISP. RANGE HIGH</translation>
    </message>
    <message>
        <source>DISP. RANGE LOW</source>
        <translation>DISP. RANGE LOW</translation>
    </message>
    <message>
        <source>OFFSET</source>
        <translation>OFFSET</translation>
    </message>
    <message>
        <source>HIGH POINT</source>
        <translation>HIGH POINT</translation>
    </message>
    <message>
        <source>LOW POINT</source>
        <translation>LOW POINT</translation>
    </message>
    <message>
        <source>CHANNEL SETUP</source>
        <translation>CHANNEL SETUP</translation>
    </message>
    <message>
        <source>CH.NO</source>
        <translation>CH.NO</translation>
    </message>
    <message>
        <source>INPUT</source>
        <translation>INPUT</translation>
    </message>
    <message>
        <source>SCALING</source>
        <translation>SCALING</translation>
    </message>
    <message>
        <source>READING / ADJUST</source>
        <translation>READING / ADJUST</translation>
    </message>
    <message>
        <source>MATH / FORMULA</source>
        <translation>MATH / FORMULA</translation>
    </message>
    <message>
        <source>DISP. RANGE</source>
        <translation>DISP. RANGE</translation>
    </message>
    <message>
        <source>INPUT TYPE</source>
        <translation>INPUT TYPE</translation>
    </message>
    <message>
        <source>TYPE</source>
        <translation>TYPE</translation>
    </message>
    <message>
        <source>RANGE</source>
        <translation>RANGE</translation>
    </message>
    <message>
        <source>UNIT</source>
        <translation>UNIT</translation>
    </message>
    <message>
        <source>USER UNIT</source>
        <translation>USER UNIT</translation>
    </message>
    <message>
        <source>CH. NAME</source>
        <translation>CH. NAME</translation>
    </message>
    <message>
        <source>Disable Character.</source>
        <comment>a channel name</comment>
        <translation>Character not allowed: a channel name takes only letters, digits and the signs , . + - * / ( ) [ ] &lt; &gt; ~ &amp; @ | = # ! ? &apos; ^ \ : ; $ % (no spaces).</translation>
    </message>
    <message>
        <source>(10 characters: letters, digits, signs; no space)</source>
        <translation>(10 characters: letters, digits, signs; no space)</translation>
    </message>
    <message>
        <source>RJC</source>
        <translation>RJC</translation>
    </message>
    <message>
        <source>DIRECT INPUT (°C)</source>
        <translation>DIRECT INPUT (°C)</translation>
    </message>
    <message>
        <source>RJC TYPE (Only T/C)</source>
        <translation>RJC TYPE (T/C only)</translation>
    </message>
    <message>
        <source>SCALE</source>
        <translation>SCALE</translation>
    </message>
    <message>
        <source>DECIMAL POINT</source>
        <translation>DECIMAL POINT</translation>
    </message>
    <message>
        <source>HIGH</source>
        <translation>HIGH</translation>
    </message>
    <message>
        <source>LOW</source>
        <translation>LOW</translation>
    </message>
    <message>
        <source>USER RANGE</source>
        <translation>USER RANGE</translation>
    </message>
    <message>
        <source>MAX</source>
        <translation>MAX</translation>
    </message>
    <message>
        <source>The input type&apos;s whole range</source>
        <translation>The input type&apos;s whole range</translation>
    </message>
    <message>
        <source>SCALE RANGE</source>
        <translation>SCALE RANGE</translation>
    </message>
    <message>
        <source>READ METHOD</source>
        <translation>READ METHOD</translation>
    </message>
    <message>
        <source>READ TIME (sec)</source>
        <translation>READ TIME (sec)</translation>
    </message>
    <message>
        <source>INPUT ADJUSTMENT</source>
        <translation>INPUT ADJUSTMENT</translation>
    </message>
    <message>
        <source>MATH.</source>
        <translation>MATH.</translation>
    </message>
    <message>
        <source>MATH. TYPE</source>
        <translation>MATH. TYPE</translation>
    </message>
    <message>
        <source>α CH.</source>
        <translation>α CH.</translation>
    </message>
    <message>
        <source>채널 입력</source>
        <translation>Channel input</translation>
    </message>
    <message>
        <source>상수 입력</source>
        <translation>Constant input</translation>
    </message>
    <message>
        <source>β CH.</source>
        <translation>β CH.</translation>
    </message>
    <message>
        <source>β CONST</source>
        <translation>β CONST</translation>
    </message>
    <message>
        <source>FORMULA</source>
        <translation>FORMULA</translation>
    </message>
    <message>
        <source>CH MATH.</source>
        <translation>CH MATH.</translation>
    </message>
    <message>
        <source>M AREA</source>
        <translation>M AREA</translation>
    </message>
</context>
<context>
    <name>frmTD_P_Display</name>
    <message>
        <source>DISPLAY SETUP</source>
        <translation>DISPLAY SETUP</translation>
    </message>
    <message>
        <source>DISPLAY MODE</source>
        <translation>DISPLAY MODE</translation>
    </message>
    <message>
        <source>SCREEN</source>
        <translation>SCREEN</translation>
    </message>
    <message>
        <source>BULER</source>
        <translation>RULER</translation>
    </message>
    <message>
        <source>TEXTBAR</source>
        <translation>TEXTBAR</translation>
    </message>
    <message>
        <source>AL.MARK</source>
        <translation>AL.MARK</translation>
    </message>
    <message>
        <source>SCROLL SPEED</source>
        <translation>SCROLL SPEED</translation>
    </message>
    <message>
        <source>WINDOW NUMBER</source>
        <translation>WINDOW NUMBER</translation>
    </message>
    <message>
        <source>TREND DIRECTION</source>
        <translation>TREND DIRECTION</translation>
    </message>
    <message>
        <source>READ FROM</source>
        <translation>READ FROM</translation>
    </message>
    <message>
        <source>FILE LIST</source>
        <translation>FILE LIST</translation>
    </message>
    <message>
        <source>LOAD FILE</source>
        <translation>LOAD FILE</translation>
    </message>
    <message>
        <source>BAR GRAPH has no settings of its own on this page: the scroll speed belongs to the trends, the window number to the text view, the trend direction and source to the history view.</source>
        <translation>BAR GRAPH has no settings of its own on this page: the scroll speed belongs to the trends, the window number to the text view, the trend direction and source to the history view.</translation>
    </message>
</context>
<context>
    <name>frmTD_P_Main</name>
    <message>
        <source>RECORD/DISPLAY Setup</source>
        <translation>RECORD/DISPLAY SETUP</translation>
    </message>
    <message>
        <source>SD 기록 및 표시채널 설정</source>
        <translation>RECORD/DISPLAY SETUP</translation>
    </message>
    <message>
        <source>SD 기록</source>
        <translation>RECORD TO SD CARD</translation>
    </message>
    <message>
        <source>RECORD TO SD CARD</source>
        <translation>RECORD TO SD CARD</translation>
    </message>
    <message>
        <source>닫기[&amp;C]</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>DISPLAY GROUP</source>
        <translation>DISPLAY GROUP</translation>
    </message>
    <message>
        <source>A group shows at most %1 channels.</source>
        <translation>A group shows at most %1 channels.</translation>
    </message>
    <message>
        <source>표시채널</source>
        <translation>DISPLAY CHANNELS</translation>
    </message>
    <message>
        <source>DISPLAY CHANNELS</source>
        <translation>DISPLAY CHANNELS</translation>
    </message>
</context>
<context>
    <name>frmTD_P_System</name>
    <message>
        <source>Colour %1 in this program&apos;s monitors</source>
        <translation>Colour %1 in this program&apos;s monitors</translation>
    </message>
    <message>
        <source>SYSTEM SETUP</source>
        <translation>SYSTEM SETUP</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>RECORD</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>COLOR</translation>
    </message>
    <message>
        <source>DATE/TIME</source>
        <translation>DATE/TIME</translation>
    </message>
    <message>
        <source>LANGUAGE/FILE</source>
        <translation>LANGUAGE/FILE</translation>
    </message>
    <message>
        <source>SAVE INTERVAL</source>
        <translation>SAVE INTERVAL</translation>
    </message>
    <message>
        <source>POWER FAIL RESUME</source>
        <translation>POWER FAIL RESUME</translation>
    </message>
    <message>
        <source>BEEP</source>
        <translation>BEEP</translation>
    </message>
    <message>
        <source>SCREEN SAVER</source>
        <translation>SCREEN SAVER</translation>
    </message>
    <message>
        <source>REC. WITH BUFFER</source>
        <translation>REC. WITH BUFFER</translation>
    </message>
    <message>
        <source>PASSWORD</source>
        <translation>PASSWORD</translation>
    </message>
    <message>
        <source>BACKGROUND</source>
        <translation>BACKGROUND</translation>
    </message>
    <message>
        <source>CHANNEL COLOR</source>
        <translation>CHANNEL COLOR</translation>
    </message>
    <message>
        <source>These are the colours of the recorder&apos;s own screen. This program&apos;s monitors and graph viewer draw each colour number in a colour of their own, shown in the row PC and beside each channel.</source>
        <translation>These are the colours of the recorder&apos;s own screen. This program&apos;s monitors and graph viewer draw each colour number in a colour of their own, shown in the row PC and beside each channel.</translation>
    </message>
    <message>
        <source>The colour this program&apos;s monitors use</source>
        <translation>The colour this program&apos;s monitors use</translation>
    </message>
    <message>
        <source>CH.%1: colour %2 on the recorder</source>
        <translation>CH.%1: colour %2 on the recorder</translation>
    </message>
    <message>
        <source>RESERVE RUN</source>
        <translation>RESERVE RUN</translation>
    </message>
    <message>
        <source>RESERVE DATE</source>
        <translation>RESERVE DATE</translation>
    </message>
    <message>
        <source>SYSTEM DATE</source>
        <translation>SYSTEM DATE</translation>
    </message>
    <message>
        <source>The reserved start is set in the DATE/TIME window.</source>
        <translation>The reserved start is set in the DATE/TIME window.</translation>
    </message>
    <message>
        <source>PC TIME</source>
        <translation>PC TIME</translation>
    </message>
    <message>
        <source>Puts the PC&apos;s date and time into the system date boxes</source>
        <translation>Puts the PC&apos;s date and time into the system date boxes</translation>
    </message>
    <message>
        <source>SET</source>
        <translation>SET</translation>
    </message>
    <message>
        <source>PC DATE/TIME</source>
        <translation>PC DATE/TIME</translation>
    </message>
    <message>
        <source>SERIAL RS232C SETTING</source>
        <translation>SERIAL RS232C SETTING</translation>
    </message>
    <message>
        <source>SERIAL RS422/485 SETTING</source>
        <translation>SERIAL RS422/485 SETTING</translation>
    </message>
    <message>
        <source>MACHINE ADDRESS</source>
        <translation>MACHINE ADDRESS</translation>
    </message>
    <message>
        <source>PROTOCOL</source>
        <translation>PROTOCOL</translation>
    </message>
    <message>
        <source>BAUD RATE</source>
        <translation>BAUD RATE</translation>
    </message>
    <message>
        <source>PARITY</source>
        <translation>PARITY</translation>
    </message>
    <message>
        <source>DATA LENGTH</source>
        <translation>DATA LENGTH</translation>
    </message>
    <message>
        <source>STOP BIT</source>
        <translation>STOP BIT</translation>
    </message>
    <message>
        <source>RESP.TIME (ms)</source>
        <translation>RESP.TIME (ms)</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>LANGUAGE</translation>
    </message>
    <message>
        <source>SAVE FILE NAME</source>
        <translation>SAVE FILE NAME</translation>
    </message>
    <message>
        <source>PARAMETERS LOAD/SAVE</source>
        <translation>PARAMETERS LOAD/SAVE</translation>
    </message>
    <message>
        <source>LOAD CFG. FILE</source>
        <translation>LOAD CFG. FILE</translation>
    </message>
    <message>
        <source>SAVE CFG. FILE</source>
        <translation>SAVE CFG. FILE</translation>
    </message>
    <message>
        <source>Disable Character.</source>
        <comment>the SD card file name</comment>
        <translation>Character not allowed: the file name takes only letters, digits and ( ) + - * / % , . [ ] $</translation>
    </message>
    <message>
        <source>CH.%1 in this program&apos;s monitors</source>
        <translation>CH.%1 in this program&apos;s monitors</translation>
    </message>
    <message>
        <source>as read, not running</source>
        <translation>as read, not running</translation>
    </message>
    <message>
        <source>The meter&apos;s clock when its settings were read. The DATE/TIME window shows the meter&apos;s clock as it runs.</source>
        <translation>The meter&apos;s clock when its settings were read. The DATE/TIME window shows the meter&apos;s clock as it runs.</translation>
    </message>
</context>
<context>
    <name>frmTD_Parameter</name>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>TD700 Config Files(*.CFG *.cfg)</source>
        <translation>TD700 Config Files (*.CFG *.cfg)</translation>
    </message>
    <message>
        <source>TD700 Config Text(*.txt)</source>
        <translation>TD700 Config Text (*.txt)</translation>
    </message>
    <message>
        <source>Parameter Setup</source>
        <translation>Parameter Setup</translation>
    </message>
    <message>
        <source>MATH. FUNCTION (M AREA)</source>
        <translation>MATH. FUNCTION (M AREA)</translation>
    </message>
    <message>
        <source>MATH. FUNCTION (CH MATH. TYPE)</source>
        <translation>MATH. FUNCTION (CH MATH. TYPE)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Save &amp;As</translation>
    </message>
    <message>
        <source>&amp;Upload (TD700 =&gt; PC)</source>
        <translation>&amp;Upload (TD700 =&gt; PC)</translation>
    </message>
    <message>
        <source>&amp;Download (PC =&gt; TD700)</source>
        <translation>&amp;Download (PC =&gt; TD700)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>File Name</translation>
    </message>
    <message>
        <source>Upload/Download</source>
        <translation>Upload/Download</translation>
    </message>
    <message>
        <source>the port was closed</source>
        <translation>the port was closed</translation>
    </message>
    <message>
        <source>meter [%1] stopped answering</source>
        <translation>meter [%1] stopped answering</translation>
    </message>
    <message>
        <source>%1 channels, firmware %2</source>
        <translation>%1 channels, firmware %2</translation>
    </message>
    <message>
        <source>, from meter [%1]</source>
        <translation>, from meter [%1]</translation>
    </message>
    <message>
        <source>, from the file</source>
        <translation>, from the file</translation>
    </message>
    <message>
        <source>, new set</source>
        <translation>, new set</translation>
    </message>
    <message>
        <source> - 1 value changed (marked)</source>
        <translation> - 1 value changed (marked)</translation>
    </message>
    <message>
        <source> - %1 values changed (marked)</source>
        <translation> - %1 values changed (marked)</translation>
    </message>
    <message>
        <source>, not saved</source>
        <translation>, not saved</translation>
    </message>
    <message>
        <source>Reading the settings of meter [%1] ... the tables are filled when the read completes.</source>
        <translation>Reading the settings of meter [%1] ... the tables are filled when the read completes.</translation>
    </message>
    <message>
        <source>common settings</source>
        <translation>common settings</translation>
    </message>
    <message>
        <source>The settings of meter [%1] were not read completely (missing: %2). The tables do not show them.</source>
        <translation>The settings of meter [%1] were not read completely (missing: %2). The tables do not show them.</translation>
    </message>
    <message>
        <source> Upload them when the meter answers again.</source>
        <translation> Upload them when the meter answers again.</translation>
    </message>
    <message>
        <source> Upload to read them again.</source>
        <translation> Upload to read them again.</translation>
    </message>
    <message>
        <source>

Upload them again now?</source>
        <translation>

Upload them again now?</translation>
    </message>
    <message>
        <source>The parameter set has changes that are not saved.
%1 anyway and lose them?</source>
        <translation>The parameter set has changes that are not saved.
%1 anyway and lose them?</translation>
    </message>
    <message>
        <source>Start a new set</source>
        <translation>Start a new set</translation>
    </message>
    <message>
        <source>Open another file</source>
        <translation>Open another file</translation>
    </message>
    <message>
        <source>Not opened: %1 The tables are unchanged.</source>
        <translation>Not opened: %1 The tables are unchanged.</translation>
    </message>
    <message>
        <source>Not saved: %1 The file on disk is unchanged.</source>
        <translation>Not saved: %1 The file on disk is unchanged.</translation>
    </message>
    <message>
        <source>Saved %1 (%2 bytes).</source>
        <translation>Saved %1 (%2 bytes).</translation>
    </message>
    <message>
        <source>Upload from meter [%1]</source>
        <translation>Upload from meter [%1]</translation>
    </message>
    <message>
        <source>The upload could not start: meter [%1] is not ready.</source>
        <translation>The upload could not start: meter [%1] is not ready.</translation>
    </message>
    <message>
        <source>Parameter Uploading(TD700==&gt;PC) ...</source>
        <translation>Parameter Uploading(TD700==&gt;PC) ...</translation>
    </message>
    <message>
        <source>The download could not start: meter [%1] is not ready.</source>
        <translation>The download could not start: meter [%1] is not ready.</translation>
    </message>
    <message>
        <source>Parameter Downloading(PC==&gt;TD700) ...</source>
        <translation>Parameter Downloading(PC==&gt;TD700) ...</translation>
    </message>
    <message>
        <source>the file %1</source>
        <translation>the file %1</translation>
    </message>
    <message>
        <source>the set uploaded from meter [%1]</source>
        <translation>the set uploaded from meter [%1]</translation>
    </message>
    <message>
        <source>the new set</source>
        <translation>the new set</translation>
    </message>
    <message>
        <source>, with the changes made here</source>
        <translation>, with the changes made here</translation>
    </message>
    <message>
        <source>Write %1 (%2 channels, firmware %3) to meter [%4] (%5 channels, firmware %6) on %7?

This replaces the meter&apos;s settings.</source>
        <translation>Write %1 (%2 channels, firmware %3) to meter [%4] (%5 channels, firmware %6) on %7?

This replaces the meter&apos;s settings.</translation>
    </message>
    <message>
        <source>

The set is not for this meter&apos;s model and firmware.</source>
        <translation>

The set is not for this meter&apos;s model and firmware.</translation>
    </message>
    <message>
        <source>The upload did not complete: %1. The tables are unchanged.</source>
        <translation>The upload did not complete: %1. The tables are unchanged.</translation>
    </message>
    <message>
        <source>The download did not complete: %1. The meter may hold part of the new settings; download again.</source>
        <translation>The download did not complete: %1. The meter may hold part of the new settings; download again.</translation>
    </message>
    <message>
        <source>The upload from meter [%1] is still running.
Stop it and close?</source>
        <translation>The upload from meter [%1] is still running.
Stop it and close?</translation>
    </message>
    <message>
        <source>The download to meter [%1] is still running; stopping it leaves the meter with part of the new settings.
Stop it and close?</source>
        <translation>The download to meter [%1] is still running; stopping it leaves the meter with part of the new settings.
Stop it and close?</translation>
    </message>
    <message>
        <source>Close the window</source>
        <translation>Close the window</translation>
    </message>
    <message>
        <source>Cance&amp;l</source>
        <translation>Cance&amp;l</translation>
    </message>
    <message>
        <source>meter %1</source>
        <translation>meter %1</translation>
    </message>
    <message>
        <source>Meter %1. Its settings are asked again until it answers; Cancel returns to monitoring.</source>
        <translation>Meter %1. Its settings are asked again until it answers; Cancel returns to monitoring.</translation>
    </message>
    <message>
        <source>The upload was cancelled. The tables are unchanged.</source>
        <translation>The upload was cancelled. The tables are unchanged.</translation>
    </message>
    <message>
        <source>The download was cancelled. The meter may hold part of the new settings; download again.</source>
        <translation>The download was cancelled. The meter may hold part of the new settings; download again.</translation>
    </message>
    <message>
        <source>Reading the settings of meter [%1] was cancelled; monitoring goes on. Upload reads them when the meter answers.</source>
        <translation>Reading the settings of meter [%1] was cancelled; monitoring goes on. Upload reads them when the meter answers.</translation>
    </message>
    <message numerus="yes">
        <source>

Logging and publishing pause for the transfer (about %n second(s)); every meter&apos;s data files show the gap.</source>
        <translation>
            <numerusform>

Logging and publishing pause for the transfer (about %n second); every meter&apos;s data files show the gap.</numerusform>
            <numerusform>

Logging and publishing pause for the transfer (about %n seconds); every meter&apos;s data files show the gap.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmTD_SetMC</name>
    <message>
        <source>Use</source>
        <translation>Use</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Click in the first column to use an address or not; type in the second column to note what the meter is.</source>
        <translation>Click in the first column to use an address or not; type in the second column to note what the meter is.</translation>
    </message>
    <message>
        <source>Row n is slave address n. Mark the addresses in use with &quot;O&quot;.</source>
        <translation>Row n is slave address n. Mark the addresses in use with &quot;O&quot;.</translation>
    </message>
    <message>
        <source>Line %1 of %2 has no tab: it and the lines after it are shown empty and are written so when you press OK.</source>
        <translation>Line %1 of %2 has no tab: it and the lines after it are shown empty and are written so when you press OK.</translation>
    </message>
    <message>
        <source>The %1 lines after line %2 name no slave address; OK does not keep them.</source>
        <translation>The %1 lines after line %2 name no slave address; OK does not keep them.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Check.</source>
        <translation>Mark at least one meter in use with &quot;O&quot;.</translation>
    </message>
    <message>
        <source>Meter List</source>
        <translation>Meter List</translation>
    </message>
</context>
<context>
    <name>frmTD_SetPlant</name>
    <message>
        <source>Watch a Broker</source>
        <translation>Watch a Broker</translation>
    </message>
    <message>
        <source>Every meter of every bus PC that publishes to the broker, shown from the broker alone: no port is opened and nothing is written to a meter.</source>
        <translation>Every meter of every bus PC that publishes to the broker, shown from the broker alone: no port is opened and nothing is written to a meter.</translation>
    </message>
    <message>
        <source>Broker</source>
        <translation>Broker</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>User</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Password file</source>
        <translation>Password file</translation>
    </message>
    <message>
        <source>CA certificate</source>
        <translation>CA certificate</translation>
    </message>
    <message>
        <source>the system&apos;s</source>
        <translation>the system&apos;s</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Watch</translation>
    </message>
</context>
<context>
    <name>frmTD_SetPort</name>
    <message>
        <source>Port Setup</source>
        <translation>Port Setup</translation>
    </message>
    <message>
        <source>COM1, /dev/ttyUSB0, tcp://host:502 or DEMO</source>
        <translation>COM1, /dev/ttyUSB0, tcp://host:502 or DEMO</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Off: every meter in every cycle</source>
        <translation>Off: every meter in every cycle</translation>
    </message>
    <message>
        <source>Back off up to %1 cycles</source>
        <translation>Back off up to %1 cycles</translation>
    </message>
    <message>
        <source>A meter that stopped answering costs the others about three time-outs per cycle. With back-off it is asked only every 2, 4, 8 ... cycles, up to the chosen limit, and in every cycle again as soon as it answers.</source>
        <translation>A meter that stopped answering costs the others about three time-outs per cycle. With back-off it is asked only every 2, 4, 8 ... cycles, up to the chosen limit, and in every cycle again as soon as it answers.</translation>
    </message>
    <message>
        <source>Serial line</source>
        <translation>Serial line</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parity</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>Data bits</translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation>Stop bits</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protocol</translation>
    </message>
    <message>
        <source>RTS control</source>
        <translation>RTS control</translation>
    </message>
    <message>
        <source>Request interval</source>
        <translation>Request interval</translation>
    </message>
    <message>
        <source>Silent meters</source>
        <translation>Silent meters</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Shortest</source>
        <translation>Shortest</translation>
    </message>
    <message>
        <source>Pause of the scheduler between requests (standard 50 ms). It never goes below the silence a frame needs at the chosen baud rate; Shortest sends the next request as soon as that silence has passed after the reply.</source>
        <translation>Pause of the scheduler between requests (standard 50 ms). It never goes below the silence a frame needs at the chosen baud rate; Shortest sends the next request as soon as that silence has passed after the reply.</translation>
    </message>
</context>
<context>
    <name>frmTD_Set_DSave</name>
    <message>
        <source>Data Save Setup</source>
        <translation>Data Save Setup</translation>
    </message>
    <message>
        <source>Click to choose the folder of the data files</source>
        <translation>Click to choose the folder of the data files</translation>
    </message>
    <message>
        <source>Folder...</source>
        <translation>Folder...</translation>
    </message>
    <message>
        <source>One file per day</source>
        <translation>One file per day</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>New file at (HH:MM)</source>
        <translation>New file at (HH:MM)</translation>
    </message>
    <message>
        <source>Folder of the data files</source>
        <translation>Folder of the data files</translation>
    </message>
    <message>
        <source>Not saved: the folder %1 cannot be created.</source>
        <translation>Not saved: the folder %1 cannot be created.</translation>
    </message>
    <message>
        <source>-. DEVICE = 1 :  _01_YYYYMMDD.TDD
-. DEVICE = 99 :  _99_YYYYMMDD.</source>
        <translation>-. DEVICE = 1 :  _01_YYYYMMDD.TDD
-. DEVICE = 99 :  _99_YYYYMMDD.TDD</translation>
    </message>
    <message>
        <source>-. DEVICE = 1 :  _01.TDD
-. DEVICE = 99 :  _99.TDD</source>
        <translation>-. DEVICE = 1 :  _01.TDD
-. DEVICE = 99 :  _99.TDD</translation>
    </message>
    <message>
        <source>Select Folder.</source>
        <translation>Choose the folder of the data files.</translation>
    </message>
    <message>
        <source>Input Filename.</source>
        <translation>Enter a file name.</translation>
    </message>
    <message>
        <source>all</source>
        <translation>all</translation>
    </message>
    <message>
        <source>e.g. 10% or 2G</source>
        <translation>e.g. 10% or 2G</translation>
    </message>
    <message>
        <source>The oldest daily files are deleted while the disk has less free space than this: a size (500M, 2G) or a share of the disk (10%). Files whose records the broker has not acknowledged stay.</source>
        <translation>The oldest daily files are deleted while the disk has less free space than this: a size (500M, 2G) or a share of the disk (10%). Files whose records the broker has not acknowledged stay.</translation>
    </message>
    <message>
        <source>days; free space</source>
        <translation>days; free space</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Keep</translation>
    </message>
    <message>
        <source>Free space to keep: a size such as 500M or 2G, or a share of the disk below 100% such as 10%.</source>
        <translation>Free space to keep: a size such as 500M or 2G, or a share of the disk below 100% such as 10%.</translation>
    </message>
</context>
<context>
    <name>frmTD_Set_Publish</name>
    <message>
        <source>Publish Setup</source>
        <translation>Publish Setup</translation>
    </message>
    <message>
        <source>Publish every saved record to an MQTT broker</source>
        <translation>Publish every saved record to an MQTT broker</translation>
    </message>
    <message>
        <source>Broker</source>
        <translation>Broker</translation>
    </message>
    <message>
        <source>Node</source>
        <translation>Node</translation>
    </message>
    <message>
        <source>User</source>
        <translation>User</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Password file</source>
        <translation>Password file</translation>
    </message>
    <message>
        <source>CA certificate</source>
        <translation>CA certificate</translation>
    </message>
    <message>
        <source>the system&apos;s</source>
        <translation>the system&apos;s</translation>
    </message>
    <message>
        <source>Client certificate</source>
        <translation>Client certificate</translation>
    </message>
    <message>
        <source>Client key</source>
        <translation>Client key</translation>
    </message>
    <message>
        <source>0 - at most once</source>
        <translation>0 - at most once</translation>
    </message>
    <message>
        <source>1 - every record, nothing lost</source>
        <translation>1 - every record, nothing lost</translation>
    </message>
    <message>
        <source>QoS</source>
        <translation>QoS</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Keep-alive</source>
        <translation>Keep-alive</translation>
    </message>
    <message>
        <source> days</source>
        <translation> days</translation>
    </message>
    <message>
        <source>Catch up at most</source>
        <translation>Catch up at most</translation>
    </message>
    <message>
        <source>Records are published while the port is open. What the broker does not get is sent from the data files when it is back.</source>
        <translation>Records are published while the port is open. What the broker does not get is sent from the data files when it is back.</translation>
    </message>
    <message>
        <source>Publish as a Sparkplug B edge node (instead of the JSON topics; the broker&apos;s prefix is not used)</source>
        <translation>Publish as a Sparkplug B edge node (instead of the JSON topics; the broker&apos;s prefix is not used)</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Primary host</source>
        <translation>Primary host</translation>
    </message>
    <message>
        <source>Group: a Sparkplug B node needs its group</source>
        <translation>Group: a Sparkplug B node needs its group</translation>
    </message>
</context>
</TS>
