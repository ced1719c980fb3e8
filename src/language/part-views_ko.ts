<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>BarMonitor</name>
    <message>
        <source>Single Monitoring - BAR GRAPH</source>
        <translation>단일 모니터링 - 막대 그래프</translation>
    </message>
</context>
<context>
    <name>BarScale</name>
    <message>
        <source>Alarm %1</source>
        <translation>경보 %1</translation>
    </message>
</context>
<context>
    <name>ChannelPanel</name>
    <message>
        <source>Click to switch the trace on or off</source>
        <translation>클릭하면 이 채널의 트렌드를 켜거나 끕니다</translation>
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
        <translation>이름</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>범위</translation>
    </message>
    <message>
        <source>At cursor</source>
        <translation>커서 위치 값</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>경보</translation>
    </message>
    <message>
        <source>Show or hide the trace of channel %1</source>
        <translation>채널 %1의 트렌드 표시/숨김</translation>
    </message>
    <message>
        <source>The file gives no display range; the scale spans the values</source>
        <translation>파일에 표시 범위가 없어 눈금을 값의 범위에 맞췄습니다</translation>
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
        <translation>0초</translation>
    </message>
    <message>
        <source>%1%2 s</source>
        <translation>%1%2초</translation>
    </message>
    <message>
        <source>%1%2 min %3 s</source>
        <translation>%1%2분 %3초</translation>
    </message>
    <message>
        <source>%1%2 h %3 min</source>
        <translation>%1%2시간 %3분</translation>
    </message>
    <message>
        <source>%1%2 d %3 h</source>
        <translation>%1%2일 %3시간</translation>
    </message>
    <message>
        <source>on time</source>
        <translation>PC와 일치</translation>
    </message>
    <message>
        <source>ahead of the PC by %1</source>
        <translation>PC보다 %1 빠름</translation>
    </message>
    <message>
        <source>behind the PC by %1</source>
        <translation>PC보다 %1 느림</translation>
    </message>
</context>
<context>
    <name>EventListModel</name>
    <message>
        <source>%1: alarm %2 on</source>
        <translation>%1: 경보 %2 발생</translation>
    </message>
    <message>
        <source>%1: alarm %2 off</source>
        <translation>%1: 경보 %2 해제</translation>
    </message>
    <message>
        <source>No data for %1, to %2</source>
        <translation>%1 동안 데이터 없음 (%2까지)</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>시각</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>이벤트</translation>
    </message>
</context>
<context>
    <name>GraphViewer</name>
    <message>
        <source>&lt;p&gt;No data file is open.&lt;/p&gt;</source>
        <translation>&lt;p&gt;열린 데이터 파일이 없습니다.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>계기</translation>
    </message>
    <message>
        <source>%1 (the slave address in the file name)</source>
        <translation>%1 (파일 이름의 슬레이브 주소)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>모델</translation>
    </message>
    <message>
        <source>%1 (%2 channels)</source>
        <translation>%1 (%2채널)</translation>
    </message>
    <message>
        <source>%1 (not a known model: all twelve channels shown)</source>
        <translation>%1 (알 수 없는 모델: 12채널 모두 표시)</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>파일 형식</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>기록 주기</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>레코드 수</translation>
    </message>
    <message>
        <source>From</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>To</source>
        <translation>끝</translation>
    </message>
    <message>
        <source>Span</source>
        <translation>기간</translation>
    </message>
    <message>
        <source>Gaps</source>
        <translation>공백</translation>
    </message>
    <message>
        <source>%1 (%2 without data)</source>
        <translation>%1 (데이터 없는 시간 %2)</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>채널</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>단위</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>하한</translation>
    </message>
    <message>
        <source>High</source>
        <translation>상한</translation>
    </message>
    <message>
        <source>Decimals</source>
        <translation>소수점</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>파일 목록</translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>First</source>
        <translation>처음</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>마지막</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>데이터 없음</translation>
    </message>
    <message>
        <source>CH%1 ALM</source>
        <translation>CH%1 경보</translation>
    </message>
    <message>
        <source>DI %1</source>
        <translation>입력 %1</translation>
    </message>
    <message>
        <source>RY %1</source>
        <translation>릴레이 %1</translation>
    </message>
</context>
<context>
    <name>GraphViewerWindow</name>
    <message>
        <source>1 min</source>
        <translation>1분</translation>
    </message>
    <message>
        <source>10 min</source>
        <translation>10분</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1시간</translation>
    </message>
    <message>
        <source>8 hours</source>
        <translation>8시간</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1일</translation>
    </message>
    <message>
        <source>1 week</source>
        <translation>1주</translation>
    </message>
    <message>
        <source>All</source>
        <translation>전체</translation>
    </message>
    <message>
        <source>Open data files (.TDD) with File ▸ Open (Ctrl+O).
Daily files of one meter are shown as one time line.</source>
        <translation>파일 ▸ 열기(Ctrl+O)로 데이터 파일(.TDD)을 여십시오.
한 계기의 일별 파일은 하나의 시간축으로 이어서 표시됩니다.</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>채널</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>헤더</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>이벤트</translation>
    </message>
    <message>
        <source>Alarms and gaps</source>
        <translation>경보 및 공백</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>경보</translation>
    </message>
    <message>
        <source>Gaps</source>
        <translation>공백</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>열기(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Add Files...</source>
        <translation>파일 추가(&amp;A)...</translation>
    </message>
    <message>
        <source>Export Shown Span to &amp;CSV...</source>
        <translation>표시 구간을 CSV로 내보내기(&amp;C)...</translation>
    </message>
    <message>
        <source>CSV with a UTF-8 &amp;Byte-Order Mark (for spreadsheets)</source>
        <translation>CSV에 UTF-8 BOM 붙이기(&amp;B) (스프레드시트용)</translation>
    </message>
    <message>
        <source>Spreadsheets read °C and Korean channel names right only with the mark</source>
        <translation>스프레드시트는 BOM이 있어야 °C와 한글 채널 이름을 바르게 읽습니다</translation>
    </message>
    <message>
        <source>Save &amp;Picture as PNG...</source>
        <translation>그림을 PNG로 저장(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>닫기(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>보기(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Fit All</source>
        <translation>전체 보기(&amp;F)</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>확대(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>축소(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Previous Alarm</source>
        <translation>이전 경보(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Next Alarm</source>
        <translation>다음 경보(&amp;N)</translation>
    </message>
    <message>
        <source>F&amp;ollow Growing Files</source>
        <translation>기록 중인 파일 따라가기(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;White Background</source>
        <translation>흰색 배경(&amp;W)</translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>뷰어</translation>
    </message>
    <message>
        <source>Span</source>
        <translation>표시 기간</translation>
    </message>
    <message>
        <source>Show this much time around the middle of the view</source>
        <translation>화면 가운데를 중심으로 이만큼의 시간을 표시합니다</translation>
    </message>
    <message>
        <source>Add Data Files</source>
        <translation>데이터 파일 추가</translation>
    </message>
    <message>
        <source>Open Data Files</source>
        <translation>데이터 파일 열기</translation>
    </message>
    <message>
        <source>TD700 Data Files (*.TDD *.tdd);;All Files (*)</source>
        <translation>TD700 데이터 파일 (*.TDD *.tdd);;모든 파일 (*)</translation>
    </message>
    <message>
        <source>(%1 more notes in the Header tab)</source>
        <translation>(헤더 탭에 알림 %1개 더 있음)</translation>
    </message>
    <message>
        <source>%1 files from %2</source>
        <translation>%2부터 파일 %1개</translation>
    </message>
    <message>
        <source>TD700 Graph Viewer</source>
        <translation>TD700 그래프 뷰어</translation>
    </message>
    <message>
        <source>TD700 Graph Viewer - %1</source>
        <translation>TD700 그래프 뷰어 - %1</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>데이터 없음</translation>
    </message>
    <message>
        <source>Shown: %1 to %2 (%3)   %4 records in 1 file</source>
        <translation>표시: %1 ~ %2 (%3)   파일 1개, 레코드 %4개</translation>
    </message>
    <message>
        <source>Shown: %1 to %2 (%3)   %4 records in %5 files</source>
        <translation>표시: %1 ~ %2 (%3)   파일 %5개, 레코드 %4개</translation>
    </message>
    <message>
        <source>Cursor: %1 (record at %2)</source>
        <translation>커서: %1 (%2 레코드)</translation>
    </message>
    <message>
        <source>Cursor: %1 (no data)</source>
        <translation>커서: %1 (데이터 없음)</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>저장함: %1</translation>
    </message>
    <message>
        <source>Export Shown Span to CSV</source>
        <translation>표시 구간을 CSV로 내보내기</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV 파일 (*.csv)</translation>
    </message>
    <message>
        <source>The CSV file %1 was not written: %2</source>
        <translation>CSV 파일 %1을(를) 저장하지 못했습니다: %2</translation>
    </message>
    <message>
        <source>Save Picture as PNG</source>
        <translation>그림을 PNG로 저장</translation>
    </message>
    <message>
        <source>PNG Pictures (*.png)</source>
        <translation>PNG 그림 (*.png)</translation>
    </message>
    <message>
        <source>The picture %1 was not written: %2</source>
        <translation>그림 %1을(를) 저장하지 못했습니다: %2</translation>
    </message>
    <message>
        <source>no data is shown</source>
        <translation>표시된 데이터가 없습니다</translation>
    </message>
    <message>
        <source>No alarm comes on later</source>
        <translation>이후에 발생한 경보가 없습니다</translation>
    </message>
    <message>
        <source>No alarm came on earlier</source>
        <translation>이전에 발생한 경보가 없습니다</translation>
    </message>
</context>
<context>
    <name>MonitorStatusArea</name>
    <message>
        <source>DEVICE CLOCK</source>
        <translation>계기 시각</translation>
    </message>
    <message>
        <source>D.INPUT</source>
        <translation>디지털 입력</translation>
    </message>
    <message>
        <source>ALARM</source>
        <translation>경보</translation>
    </message>
    <message>
        <source>CARD</source>
        <translation>메모리 카드</translation>
    </message>
</context>
<context>
    <name>MultiMonitor</name>
    <message>
        <source>COMM</source>
        <translation>통신</translation>
    </message>
    <message>
        <source>PV</source>
        <translation>현재값</translation>
    </message>
    <message>
        <source>DI</source>
        <translation>입력</translation>
    </message>
    <message>
        <source>RELAY</source>
        <translation>릴레이</translation>
    </message>
    <message>
        <source>ALARM</source>
        <translation>경보</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>계기</translation>
    </message>
    <message>
        <source>Multi Monitoring</source>
        <translation>다중 모니터링</translation>
    </message>
    <message>
        <source>Multi Monitoring - PV</source>
        <translation>다중 모니터링 - 현재값</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>닫기(&amp;C)</translation>
    </message>
    <message>
        <source>COMM green: the meter answers, red: it does not (its values grey, as last read).  DI, RELAY green: on.  ALARM red: on.  Black: the meter has no such channel, input or relay.  ----.- : no valid value.</source>
        <translation>통신 녹색: 계기 응답, 빨강: 응답 없음 (값은 마지막으로 읽은 값, 회색).  입력·릴레이 녹색: ON.  경보 빨강: 발생.  검정: 계기에 없는 채널·입력·릴레이.  ----.- : 유효한 값 없음.</translation>
    </message>
    <message>
        <source>Light green and white in the first columns: every other meter, for reading across.  Black: a channel the meter does not have.  ----.- : no valid value.  COMM: O the meter answers, X it does not (its values grey, as last read).</source>
        <translation>앞쪽 열의 연녹색과 흰색: 가로로 읽기 쉽도록 계기마다 번갈아 칠함.  검정: 계기에 없는 채널.  ----.- : 유효한 값 없음.  통신: O 응답, X 응답 없음 (값은 마지막으로 읽은 값, 회색).</translation>
    </message>
    <message>
        <source>No new data since %1 — the values shown are not live</source>
        <translation>%1 이후 새 데이터 없음 — 표시된 값은 현재값이 아닙니다</translation>
    </message>
</context>
<context>
    <name>SingleMeterMonitor</name>
    <message>
        <source>&amp;Close</source>
        <translation>닫기(&amp;C)</translation>
    </message>
    <message>
        <source>NO DATA — waiting for the meter</source>
        <translation>데이터 없음 — 계기 응답 대기 중</translation>
    </message>
    <message>
        <source>NO NEW DATA since %1 — picture frozen</source>
        <translation>%1 이후 새 데이터 없음 — 화면 정지</translation>
    </message>
    <message>
        <source>METER NOT ANSWERING — last values shown</source>
        <translation>계기 응답 없음 — 마지막 값 표시 중</translation>
    </message>
</context>
<context>
    <name>TextMonitor</name>
    <message>
        <source>Single Monitoring - TEXT</source>
        <translation>단일 모니터링 - 텍스트</translation>
    </message>
</context>
<context>
    <name>TrendMonitor</name>
    <message>
        <source>Single Monitoring - LINE</source>
        <translation>단일 모니터링 - 트렌드</translation>
    </message>
</context>
<context>
    <name>frmTD_DateReserve</name>
    <message>
        <source>Year</source>
        <translation>년</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>월</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>일</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>시</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>분</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>초</translation>
    </message>
    <message>
        <source>DATE/TIME RESERVE SETUP</source>
        <translation>날짜/시각 및 예약 기록 설정</translation>
    </message>
    <message>
        <source>PC Clock</source>
        <translation>PC 시각</translation>
    </message>
    <message>
        <source>Reserved Start</source>
        <translation>예약 기록 시작</translation>
    </message>
    <message>
        <source>Each field is written to the meter when you press Enter or leave it after a change.</source>
        <translation>값을 바꾼 뒤 Enter를 누르거나 다른 칸으로 옮기면 그 칸이 계기에 기록됩니다.</translation>
    </message>
    <message>
        <source>Meter Clock</source>
        <translation>계기 시각</translation>
    </message>
    <message>
        <source>Same as PC clock</source>
        <translation>PC 시각과 같게</translation>
    </message>
    <message>
        <source>SET</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>The fields run with the meter&apos;s clock; a field you change keeps your value. SET writes the fields as they show.</source>
        <translation>각 칸은 계기 시각에 맞춰 흘러가며, 직접 바꾼 칸은 입력한 값을 유지합니다. [설정]을 누르면 표시된 값이 계기에 기록됩니다.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>닫기(&amp;C)</translation>
    </message>
    <message>
        <source>Nothing was written: the port is not polling.</source>
        <translation>기록하지 못했습니다: 포트가 통신 중이 아닙니다.</translation>
    </message>
    <message>
        <source>Meter clock: not read yet</source>
        <translation>계기 시각: 아직 읽지 않음</translation>
    </message>
    <message>
        <source>Meter clock: &quot;%1&quot; is no date and time; set the clock.</source>
        <translation>계기 시각: &quot;%1&quot;은(는) 올바른 날짜와 시각이 아닙니다. 시각을 설정하십시오.</translation>
    </message>
    <message>
        <source>Meter clock by the last poll: %1, %2.</source>
        <translation>마지막 통신 때의 계기 시각: %1, %2.</translation>
    </message>
    <message>
        <source>The port is closed: nothing can be written to the meter.</source>
        <translation>포트가 닫혀 있어 계기에 기록할 수 없습니다.</translation>
    </message>
    <message>
        <source>Writing to meter %1 ...</source>
        <translation>계기 %1에 기록하는 중...</translation>
    </message>
    <message numerus="yes">
        <source> (%n more waiting)</source>
        <translation>
            <numerusform> (%n건 대기 중)</numerusform>
        </translation>
    </message>
    <message>
        <source>The settings of meter %1 are not all read; it is asked again. The fields do not show the meter&apos;s values until it answers.</source>
        <translation>계기 %1의 설정을 모두 읽지 못해 다시 요청합니다. 계기가 응답할 때까지 각 칸은 계기의 값이 아닙니다.</translation>
    </message>
    <message>
        <source>Reading the settings of meter %1 ...</source>
        <translation>계기 %1의 설정을 읽는 중...</translation>
    </message>
    <message>
        <source>Meter %1 did not take the last write: the fields show what it holds, read at %2.</source>
        <translation>계기 %1이(가) 마지막 기록을 받아들이지 않았습니다: 각 칸은 %2에 읽은 계기의 값입니다.</translation>
    </message>
    <message>
        <source>Meter %1, as read at %2.</source>
        <translation>계기 %1, %2에 읽은 값.</translation>
    </message>
</context>
</TS>
