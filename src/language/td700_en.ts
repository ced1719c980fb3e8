<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AlarmHistory</name>
    <message>
        <source>Alarm history not saved: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChannelPanel</name>
    <message>
        <source>Click to switch the trace on or off</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChannelTable</name>
    <message>
        <source>CH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At cursor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the trace of channel %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file gives no display range; the scale spans the values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AL%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommView</name>
    <message>
        <source>Frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count Clear</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataFileAppend</name>
    <message>
        <source>%1 is not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a data file; it was left as it is</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataFileExport</name>
    <message>
        <source>%1: its channels (count, names, units or decimals) differ from those of %2; its values are shown under %2&apos;s channel titles</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataFileReader</name>
    <message>
        <source>cannot open %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a TD700 data file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the header is cut short (%2 of %3 bytes); the file holds no records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: unknown model code %2; all twelve channels are shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the last %2 bytes are not a whole record and were left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: read error after %2 records: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataFileWriter</name>
    <message>
        <source>no data folder is set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data file not written: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataTimeLine</name>
    <message>
        <source>%1 is open already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 records carry a time stamp that names no time (such as month 13); they are left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the time goes back and forth again and again; %2 records in short stretches between such steps are not drawn (an export has them)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: more than %2 gaps; those after the first %2 are not marked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a file of meter %2, %3 of meter %4; both are shown on one time line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More than %1 alarm changes and gaps: the list shows the first %1; the traces and bands show every one</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceTables</name>
    <message>
        <source>Meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time-out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bad frame</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocumentLauncher</name>
    <message>
        <source>TD700 Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the file %2 was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no program could open %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EventListModel</name>
    <message>
        <source>%1: alarm %2 on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: alarm %2 off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No data for %1, to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>it is %1, not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a character device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a block device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a socket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a special file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileWrite</name>
    <message>
        <source>write failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is %1: only regular files, FIFOs and character devices are written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a FIFO (named pipe) that no program reads from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was replaced by something else while it was being opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot create a temporary file beside it: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot create a temporary file beside it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is now %1, which is not replaced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not saved: %1 could not be written (%2). The file on disk is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrameLog</name>
    <message>
        <source>SEND</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RECV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LATE</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrameLogModel</name>
    <message>
        <source>Bad frame: wrong CRC, wrong slave, an exception or too short</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GraphViewer</name>
    <message>
        <source>&lt;p&gt;No data file is open.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (the slave address in the file name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2 channels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (not a known model: all twelve channels shown)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not known</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Span</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gaps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2 without data)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CH%1 ALM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DI %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RY %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GraphViewerWindow</name>
    <message>
        <source>Open data files (.TDD) with File ▸ Open (Ctrl+O).
Daily files of one meter are shown as one time line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarms and gaps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gaps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Shown Span to &amp;CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV with a UTF-8 &amp;Byte-Order Mark (for spreadsheets)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spreadsheets read °C and Korean channel names right only with the mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;Picture as PNG...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fit All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Previous Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;ollow Growing Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;White Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Span</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this much time around the middle of the view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Data Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Data Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TD700 Data Files (*.TDD *.tdd);;All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(%1 more notes in the Header tab)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files from %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TD700 Graph Viewer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TD700 Graph Viewer - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shown: %1 to %2 (%3)   %4 records in 1 file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shown: %1 to %2 (%3)   %4 records in %5 files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cursor: %1 (record at %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cursor: %1 (no data)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Shown Span to CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The CSV file %1 was not written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Picture as PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG Pictures (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture %1 was not written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no data is shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No alarm comes on later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No alarm came on earlier</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>TD700 Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words to find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TD700 Help - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No page holds all of these words.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print this page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LineSettings</name>
    <message>
        <source>The line settings &quot;%1&quot; are not valid: expected baud rate, parity (N, E, O), data bits and stop bits, for example 38400,N,8,1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;Port Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Port Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Data Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;ublish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitoring - &amp;LINE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitoring - &amp;BAR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitoring - &amp;TEXT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Multi Monitoring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multi Monitoring - P&amp;V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Parameter Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date/Time &amp;Reserve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TD700 &amp;Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication Data &amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Graph Viewer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Save Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitoring(LINE)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitoring(BAR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitoring(TEXT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multi Monitoring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multi Monitoring(PV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameter Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date/Time Reserve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TD700 Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graph Viewer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ManualWindow</name>
    <message>
        <source>TD700 Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the manual as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ParamPage</name>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortSettings</name>
    <message>
        <source>no port is named</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the port name &quot;%1&quot; holds a control character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; the default port settings are used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds %2 of the 7 lines it needs; the default port settings are used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line 1 of %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtSerialLink</name>
    <message>
        <source>The port %1 stopped working (%2).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordPublisher</name>
    <message>
        <source>meter %1: %2 could not be read; publishing starts at the end of its data files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>broker %1 back after %2 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>publishing to %1 as %2/%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; %1 to catch up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>broker %1 went away (%2); records are kept in the data files and sent when it is back; next try in %3 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>broker %1 refused the connection: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>broker %1 not reached (%2); trying again, at longest every 60 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>meter %1: %2 up to number %3 are no longer in the data files and cannot be sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>caught up %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; %1 older than %2 days not sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>meter %1: %2 not written: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publishing off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Broker: connecting · %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Broker: connected · %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Broker: away (%1) · %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Broker: refused (%1) · %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveSettings</name>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>min</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SerialOpenProblem</name>
    <message>
        <source>%1 is %2 on this computer. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No such device: is the adapter plugged in?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> This computer has no serial device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Serial devices on this computer: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied, although this user is in the device&apos;s group %1: the device does not let its group use it (see ls -l %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied: this user was added to the group %1 after logging in. Log out and in again (or restart the computer) to use the device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied: the device is not open to this user; ask the administrator for access to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied: the device belongs to the group %1, which this user is not in. Add the user to it with &quot;sudo usermod -aG %1 $USER&quot;, then log out and in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device is in use by another program (a terminal program, a modem manager, another copy of this one); close that program or choose another port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusListModel</name>
    <message>
        <source>Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How far the meter&apos;s clock is off the PC&apos;s (+ ahead, - behind), read with every poll. Amber past %1 s: set it with Date/Time Reserve.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The meter reports &quot;%1&quot;, which is no date and time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter clock %1, PC clock %2: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, 1 in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backed off: asked once in %1 cycles, next in %2 cycles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backed off: asked once in %1 cycles, next in this cycle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown model</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TcpRtuLink</name>
    <message>
        <source>%1 did not accept the connection within %2 s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to %1 was closed by the other side.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a network port name: expected tcp://host:port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to %1 was lost (%2).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextLines</name>
    <message>
        <source>%1 is a folder, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmTD_About</name>
    <message>
        <source>About TD700_File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PC companion of the TD700 paperless recorders (2, 4, 6 and 12 channels).
Modbus RTU master on RS-232 or an RS-485 bus: live monitoring, parameter files, data logging and the recorders&apos; clocks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1, built %2 with Qt %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open in the browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmTD_DateReserve</name>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PC Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reserved Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each field is written to the meter when you press Enter or leave it after a change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same as PC clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fields run with the meter&apos;s clock; a field you change keeps your value. SET writes the fields as they show.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was written: the port is not polling.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter clock: not read yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter clock: &quot;%1&quot; is no date and time; set the clock.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter clock by the last poll: %1, %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port is closed: nothing can be written to the meter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing to meter %1 ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source> (%n more waiting)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The settings of meter %1 are not all read; it is asked again. The fields do not show the meter&apos;s values until it answers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the settings of meter %1 ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter %1 did not take the last write: the fields show what it holds, read at %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter %1, as read at %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmTD_Main</name>
    <message>
        <source>&amp;Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Parameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SETUP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ONLINE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>METER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HELP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click a meter that reads &quot;OK&quot; to select it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected Meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SEND</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RECV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data file messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No meter selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> · firmware %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> · settings read incomplete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port %1 not opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not publishing: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Broker: publishing starts when the port opens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is neither a parameter file (.CFG) nor a data file (.TDD).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not part of this version of the program yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The guide built into the program is shown instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmTD_SetMC</name>
    <message>
        <source>Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click in the first column to use an address or not; type in the second column to note what the meter is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row n is slave address n. Mark the addresses in use with &quot;O&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 of %2 has no tab: it and the lines after it are shown empty and are written so when you press OK.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 lines after line %2 name no slave address; OK does not keep them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmTD_SetPort</name>
    <message>
        <source>Port Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM1, /dev/ttyUSB0, tcp://host:502 or DEMO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50 ms (standard)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause of the scheduler between requests. It never goes below the silence a frame needs at the chosen baud rate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off: every meter in every cycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back off up to %1 cycles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A meter that stopped answering costs the others about three time-outs per cycle. With back-off it is asked only every 2, 4, 8 ... cycles, up to the chosen limit, and in every cycle again as soon as it answers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RTS control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Request interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silent meters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmTD_Set_DSave</name>
    <message>
        <source>Data Save Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to choose the folder of the data files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One file per day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New file at (HH:MM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder of the data files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not saved: the folder %1 cannot be created.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmTD_Set_Publish</name>
    <message>
        <source>Publish Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publish every saved record to an MQTT broker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Broker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CA certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the system&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Client certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Client key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 - at most once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 - every record, nothing lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QoS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep-alive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catch up at most</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records are published while the port is open. What the broker does not get is sent from the data files when it is back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
