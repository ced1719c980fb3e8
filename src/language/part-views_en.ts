<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
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
        <source>%1%2 s</source>
        <translation>%1%2 s</translation>
    </message>
    <message>
        <source>%1%2 min %3 s</source>
        <translation>%1%2 min %3 s</translation>
    </message>
    <message>
        <source>%1%2 h %3 min</source>
        <translation>%1%2 h %3 min</translation>
    </message>
    <message>
        <source>%1%2 d %3 h</source>
        <translation>%1%2 d %3 h</translation>
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
    <name>MonitorStatusArea</name>
    <message>
        <source>DEVICE CLOCK</source>
        <translation>DEVICE CLOCK</translation>
    </message>
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
</context>
<context>
    <name>TextMonitor</name>
    <message>
        <source>Single Monitoring - TEXT</source>
        <translation>Single Monitoring - TEXT</translation>
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
        <source>The fields run with the meter&apos;s clock; a field you change keeps your value. SET writes the fields as they show.</source>
        <translation>The fields run with the meter&apos;s clock; a field you change keeps your value. SET writes the fields as they show.</translation>
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
        <source>Meter %1 did not take the last write: the fields show what it holds, read at %2.</source>
        <translation>Meter %1 did not accept the last write: the fields show what it holds, read at %2.</translation>
    </message>
    <message>
        <source>Meter %1, as read at %2.</source>
        <translation>Meter %1, as read at %2.</translation>
    </message>
</context>
</TS>
