<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>AlarmHistory</name>
    <message>
        <source>Alarm history not saved: %1 (%2)</source>
        <translation>경보 이력이 저장되지 않았습니다: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>AlarmRules</name>
    <message>
        <source>UP RATE</source>
        <translation>상승률</translation>
    </message>
    <message>
        <source>DOWN RATE</source>
        <translation>하강률</translation>
    </message>
    <message>
        <source>HIGH</source>
        <translation>상한</translation>
    </message>
    <message>
        <source>LOW</source>
        <translation>하한</translation>
    </message>
    <message>
        <source>DEV. HIGH</source>
        <translation>편차 상한</translation>
    </message>
    <message>
        <source>DEV. LOW</source>
        <translation>편차 하한</translation>
    </message>
    <message>
        <source>BURNOUT</source>
        <translation>단선</translation>
    </message>
    <message>
        <source>RECORD / RELAY</source>
        <translation>기록 / 릴레이</translation>
    </message>
</context>
<context>
    <name>AlarmTypePictures</name>
    <message>
        <source>TYPE %1</source>
        <translation>종류 %1</translation>
    </message>
    <message>
        <source>SV</source>
        <translation>설정값</translation>
    </message>
    <message>
        <source>HYS.</source>
        <translation>히스테리시스</translation>
    </message>
    <message>
        <source>WITH CH.</source>
        <translation>비교 채널</translation>
    </message>
    <message>
        <source>ERROR VALUE</source>
        <translation>편차값</translation>
    </message>
    <message>
        <source>TIME</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>RATE</source>
        <translation>변화율</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>단선</translation>
    </message>
</context>
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
    <name>BrokerConnection</name>
    <message>
        <source>the MQTT client could not be made</source>
        <translation>MQTT 클라이언트를 만들 수 없습니다</translation>
    </message>
    <message>
        <source>the certificates could not be used: %1</source>
        <translation>인증서를 사용할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>no connection was made</source>
        <translation>연결되지 않았습니다</translation>
    </message>
    <message>
        <source>the broker closed the connection</source>
        <translation>브로커가 연결을 끊었습니다</translation>
    </message>
    <message>
        <source>the broker did not answer in %1 s</source>
        <translation>브로커가 %1초 안에 응답하지 않았습니다</translation>
    </message>
    <message>
        <source>the TLS handshake failed</source>
        <translation>TLS 핸드셰이크에 실패했습니다</translation>
    </message>
    <message>
        <source>the host name %1 could not be looked up</source>
        <translation>호스트 이름 %1을(를) 찾을 수 없습니다</translation>
    </message>
    <message>
        <source>the connection was lost</source>
        <translation>연결이 끊겼습니다</translation>
    </message>
    <message>
        <source>the broker stopped answering</source>
        <translation>브로커가 응답하지 않습니다</translation>
    </message>
    <message>
        <source>no connection</source>
        <translation>연결 없음</translation>
    </message>
    <message>
        <source>; it had acknowledged nothing (do its access rules let this user publish here?)</source>
        <translation>; 아무것도 확인 응답하지 않았습니다(브로커의 접근 규칙이 이 사용자의 발행을 허용합니까?)</translation>
    </message>
    <message>
        <source>the TLS connection failed</source>
        <translation>TLS 연결에 실패했습니다</translation>
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
    <message>
        <source>%1 s</source>
        <translation>%1초</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1분 %2초</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1시간 %2분</translation>
    </message>
    <message>
        <source>%1 d %2 h</source>
        <translation>%1일 %2시간</translation>
    </message>
    <message>
        <source>%1 ahead</source>
        <comment>a meter&apos;s clock against the PC&apos;s</comment>
        <translation>%1 빠름</translation>
    </message>
    <message>
        <source>%1 behind</source>
        <comment>a meter&apos;s clock against the PC&apos;s</comment>
        <translation>%1 느림</translation>
    </message>
</context>
<context>
    <name>ClockFields</name>
    <message>
        <source>YEAR</source>
        <translation>년</translation>
    </message>
    <message>
        <source>MONTH</source>
        <translation>월</translation>
    </message>
    <message>
        <source>DAY</source>
        <translation>일</translation>
    </message>
    <message>
        <source>HOUR</source>
        <translation>시</translation>
    </message>
    <message>
        <source>MIN.</source>
        <translation>분</translation>
    </message>
    <message>
        <source>SEC.</source>
        <translation>초</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number; %3 is written.</source>
        <translation>%1: &quot;%2&quot;은(는) 숫자가 아닙니다. %3(으)로 씁니다.</translation>
    </message>
    <message>
        <source>%1 takes %2 to %3: %4 becomes %5.</source>
        <translation>%1은(는) %2~%3입니다: %4은(는) %5(으)로 바뀌었습니다.</translation>
    </message>
</context>
<context>
    <name>CommEngine</name>
    <message>
        <source>Port [%1] ==&gt; Not opened: %2</source>
        <translation>포트 [%1] ==&gt; 열리지 않음: %2</translation>
    </message>
    <message>
        <source>Port [%1] ==&gt; Not connected: %2</source>
        <translation>포트 [%1] ==&gt; 연결되지 않음: %2</translation>
    </message>
    <message>
        <source>Port [%1] ==&gt; Closed: %2</source>
        <translation>포트 [%1] ==&gt; 닫힘: %2</translation>
    </message>
    <message>
        <source>No meter enabled ==&gt; Port Closed</source>
        <translation>사용하는 계기 없음 ==&gt; 포트 닫힘</translation>
    </message>
    <message>
        <source>no meter is enabled in the meter list</source>
        <translation>계기 목록에서 사용하도록 표시된 계기가 없습니다</translation>
    </message>
    <message>
        <source>Meter [%1] ==&gt; COMM. Error</source>
        <translation>계기 [%1] ==&gt; 통신 오류</translation>
    </message>
    <message>
        <source>no meter answered</source>
        <translation>응답한 계기가 없습니다</translation>
    </message>
    <message>
        <source>Meter [%1] ==&gt; Clock write failed</source>
        <translation>계기 [%1] ==&gt; 시계 설정 실패</translation>
    </message>
    <message>
        <source>Meter [%1] ==&gt; Settings read incomplete</source>
        <translation>계기 [%1] ==&gt; 설정값을 다 읽지 못함</translation>
    </message>
</context>
<context>
    <name>CommView</name>
    <message>
        <source>Frames</source>
        <translation>통신 프레임</translation>
    </message>
    <message>
        <source>Counters</source>
        <translation>통신 횟수</translation>
    </message>
    <message>
        <source>Count Clear</source>
        <translation>횟수 지우기</translation>
    </message>
</context>
<context>
    <name>DataFileAppend</name>
    <message>
        <source>%1 is not a file</source>
        <translation>%1은(는) 파일이 아닙니다</translation>
    </message>
    <message>
        <source>%1 is not a data file; it was left as it is</source>
        <translation>%1은(는) 데이터 파일이 아니므로 그대로 두었습니다</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>쓰기 실패</translation>
    </message>
</context>
<context>
    <name>DataFileExport</name>
    <message>
        <source>%1: its channels (count, names, units or decimals) differ from those of %2; its values are shown under %2&apos;s channel titles</source>
        <translation>%1: 채널(개수, 이름, 단위 또는 소수점)이 %2과(와) 다릅니다. 값은 %2의 채널 제목 아래에 표시됩니다</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>쓰기 실패</translation>
    </message>
</context>
<context>
    <name>DataFileReader</name>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1을(를) 열 수 없습니다: %2</translation>
    </message>
    <message>
        <source>%1 is not a TD700 data file</source>
        <translation>%1은(는) TD700 데이터 파일이 아닙니다</translation>
    </message>
    <message>
        <source>%1: the header is cut short (%2 of %3 bytes); the file holds no records</source>
        <translation>%1: 헤더가 잘렸습니다(%3바이트 중 %2바이트). 파일에 기록이 없습니다</translation>
    </message>
    <message>
        <source>%1: unknown model code %2; all twelve channels are shown</source>
        <translation>%1: 알 수 없는 모델 코드 %2. 12개 채널을 모두 표시합니다</translation>
    </message>
    <message>
        <source>%1: the last %2 bytes are not a whole record and were left out</source>
        <translation>%1: 마지막 %2바이트는 완전한 기록이 아니어서 제외했습니다</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1을(를) 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>%1: read error after %2 records: %3</source>
        <translation>%1: 기록 %2개 뒤에 읽기 오류: %3</translation>
    </message>
</context>
<context>
    <name>DataFileWriter</name>
    <message>
        <source>no data folder is set</source>
        <translation>데이터 폴더가 설정되지 않았습니다</translation>
    </message>
    <message>
        <source>Data file not written: %1 (%2)</source>
        <translation>데이터 파일을 쓰지 못했습니다: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>DataRetention</name>
    <message>
        <source>the data files are one per meter, not daily: the limits of what the data folder keeps apply to daily files only, and none is deleted</source>
        <translation>데이터 파일이 일별이 아니라 계기마다 하나입니다: 데이터 폴더 보관 한도는 일별 파일에만 적용되므로 삭제되는 파일이 없습니다</translation>
    </message>
    <message>
        <source>Disk filling: %1 data files kept until the broker has them</source>
        <translation>디스크 채워지는 중: 브로커가 받을 때까지 데이터 파일 %1개 보관</translation>
    </message>
    <message>
        <source>%1 data files kept until the broker has them</source>
        <translation>브로커가 받을 때까지 데이터 파일 %1개 보관</translation>
    </message>
    <message>
        <source>%1 cannot be deleted: %2</source>
        <translation>%1 삭제할 수 없음: %2</translation>
    </message>
    <message>
        <source>older than %1 days</source>
        <translation>%1일보다 오래됨</translation>
    </message>
    <message>
        <source>%1 free, %2 to be kept free</source>
        <translation>여유 공간 %1, 유지할 여유 공간 %2</translation>
    </message>
    <message>
        <source>deleted %1 (%2; %3)</source>
        <translation>%1 삭제함 (%2; %3)</translation>
    </message>
    <message>
        <source>no data file past the limits is kept for the broker any more</source>
        <translation>한도를 넘어 브로커를 위해 보관하는 데이터 파일이 더 이상 없습니다</translation>
    </message>
    <message>
        <source>WARNING: %1 data files past the limits kept: they hold records the broker has not acknowledged, and go once it has them</source>
        <translation>경고: 한도를 넘은 데이터 파일 %1개를 보관합니다: 브로커가 확인하지 않은 레코드가 들어 있으며, 브로커가 받으면 삭제됩니다</translation>
    </message>
    <message>
        <source>; the disk is filling because the broker is away (%1 free, %2 to be kept free)</source>
        <translation>; 브로커에 연결되지 않아 디스크가 채워지고 있습니다 (여유 공간 %1, 유지할 여유 공간 %2)</translation>
    </message>
</context>
<context>
    <name>DataTimeLine</name>
    <message>
        <source>%1 is open already</source>
        <translation>%1은(는) 이미 열려 있습니다</translation>
    </message>
    <message>
        <source>%1: %2 records carry a time stamp that names no time (such as month 13); they are left out</source>
        <translation>%1: 기록 %2개의 시각이 있을 수 없는 값(13월 등)이어서 제외했습니다</translation>
    </message>
    <message>
        <source>%1: the time goes back and forth again and again; %2 records in short stretches between such steps are not drawn (an export has them)</source>
        <translation>%1: 시각이 여러 번 앞뒤로 바뀝니다. 그 사이 짧은 구간의 기록 %2개는 그리지 않습니다(내보내기에는 포함됨)</translation>
    </message>
    <message>
        <source>%1: more than %2 gaps; those after the first %2 are not marked</source>
        <translation>%1: 끊긴 구간이 %2개를 넘습니다. 처음 %2개 이후는 표시하지 않습니다</translation>
    </message>
    <message>
        <source>%1 is a file of meter %2, %3 of meter %4; both are shown on one time line</source>
        <translation>%1은(는) 계기 %2의 파일, %3은(는) 계기 %4의 파일입니다. 둘 다 한 시간축에 표시합니다</translation>
    </message>
    <message>
        <source>More than %1 alarm changes and gaps: the list shows the first %1; the traces and bands show every one</source>
        <translation>경보 변화와 끊긴 구간이 %1개를 넘습니다. 목록에는 처음 %1개만 나오고, 그래프와 띠에는 모두 표시됩니다</translation>
    </message>
</context>
<context>
    <name>DeliveryState</name>
    <message>
        <source>it does not read as a state file</source>
        <translation>상태 파일로 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>it is meter %1&apos;s</source>
        <translation>계기 %1의 파일입니다</translation>
    </message>
    <message>
        <source>it is the state of %1 files</source>
        <translation>%1 파일의 상태입니다</translation>
    </message>
    <message>
        <source>it names %1</source>
        <translation>%1을(를) 가리킵니다</translation>
    </message>
    <message>
        <source>it speaks of another %1 than the one there now</source>
        <translation>지금 있는 것과 다른 %1에 대한 것입니다</translation>
    </message>
    <message>
        <source>%1 is shorter now than it says</source>
        <translation>%1이(가) 적힌 것보다 짧아졌습니다</translation>
    </message>
</context>
<context>
    <name>DemoHome</name>
    <message>
        <source>%1 channels, firmware %2</source>
        <translation>%1채널, 펌웨어 %2</translation>
    </message>
</context>
<context>
    <name>DeviceTables</name>
    <message>
        <source>Meter</source>
        <translation>계기</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>통신</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>모델</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>버전</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>정상</translation>
    </message>
    <message>
        <source>Time-out</source>
        <translation>시간 초과</translation>
    </message>
    <message>
        <source>Bad frame</source>
        <translation>오류 프레임</translation>
    </message>
</context>
<context>
    <name>DisplayGroups</name>
    <message>
        <source>channel %1</source>
        <translation>채널 %1</translation>
    </message>
    <message>
        <source>%1 holds %2 channels already, the most a group can hold. Take a channel out of %1 before %3 can join it.</source>
        <translation>%1에는 이미 한 그룹의 최대인 %2개 채널이 있습니다. %3을(를) 넣으려면 먼저 %1에서 채널 하나를 빼십시오.</translation>
    </message>
    <message>
        <source>Channels join or leave a group while GROUP 1 or GROUP 2 is shown. Step to the group with the arrows, then click %1.</source>
        <translation>채널은 GROUP 1 또는 GROUP 2가 표시된 동안에만 그룹에 넣거나 뺄 수 있습니다. 화살표로 그룹을 고른 뒤 %1을(를) 누르십시오.</translation>
    </message>
</context>
<context>
    <name>DocumentLauncher</name>
    <message>
        <source>TD700 Manual</source>
        <translation>TD700 설명서</translation>
    </message>
    <message>
        <source>%1: the file %2 was not found.</source>
        <translation>%1: 파일 %2을(를) 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>%1: no program could open %2.</source>
        <translation>%1: %2을(를) 열 수 있는 프로그램이 없습니다.</translation>
    </message>
</context>
<context>
    <name>EntryRules</name>
    <message>
        <source>The value</source>
        <translation>값</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number. The value stays as it was.</source>
        <translation>%1: &quot;%2&quot;은(는) 숫자가 아닙니다. 값은 바뀌지 않습니다.</translation>
    </message>
    <message>
        <source>%1 is at least %2 (%3 for none): %4 became %3.</source>
        <translation>%1의 최소값은 %2입니다(없음은 %3). %4은(는) %3(으)로 바뀌었습니다.</translation>
    </message>
    <message>
        <source>%1 takes %2 to %3: %4 was not taken. The value stays as it was.</source>
        <translation>%1의 범위는 %2 ~ %3입니다. %4은(는) 받아들이지 않았으며 값은 바뀌지 않습니다.</translation>
    </message>
    <message>
        <source>%1 is at least %2: %3 became %2.</source>
        <translation>%1의 최소값은 %2입니다. %3은(는) %2(으)로 바뀌었습니다.</translation>
    </message>
    <message>
        <source>%1 is at most %2: %3 became %2.</source>
        <translation>%1의 최대값은 %2입니다. %3은(는) %2(으)로 바뀌었습니다.</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>정수</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>숫자</translation>
    </message>
    <message>
        <source>takes %1 from %2 to %3</source>
        <translation>%2 ~ %3 범위의 %1만 가능</translation>
    </message>
    <message>
        <source>%1 holds at most %2 characters: &quot;%3&quot; is kept.</source>
        <translation>%1은(는) 최대 %2자입니다. &quot;%3&quot;(으)로 저장했습니다.</translation>
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
    <name>FileRead</name>
    <message>
        <source>it is %1, not a regular file</source>
        <translation>일반 파일이 아니라 %1입니다</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>폴더</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation>FIFO(이름 있는 파이프)</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>문자 장치</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>블록 장치</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>소켓</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>특수 파일</translation>
    </message>
</context>
<context>
    <name>FileWrite</name>
    <message>
        <source>write failed</source>
        <translation>쓰기 실패</translation>
    </message>
    <message>
        <source>it is %1: only regular files, FIFOs and character devices are written</source>
        <translation>%1입니다: 일반 파일, FIFO, 문자 장치에만 씁니다</translation>
    </message>
    <message>
        <source>it is a FIFO (named pipe) that no program reads from</source>
        <translation>읽는 프로그램이 없는 FIFO(이름 있는 파이프)입니다</translation>
    </message>
    <message>
        <source>it was replaced by something else while it was being opened</source>
        <translation>여는 동안 다른 것으로 바뀌었습니다</translation>
    </message>
    <message>
        <source>cannot create a temporary file beside it: %1</source>
        <translation>같은 폴더에 임시 파일을 만들 수 없습니다: %1</translation>
    </message>
    <message>
        <source>cannot create a temporary file beside it</source>
        <translation>같은 폴더에 임시 파일을 만들 수 없습니다</translation>
    </message>
    <message>
        <source>not open</source>
        <translation>열려 있지 않음</translation>
    </message>
    <message>
        <source>it is now %1, which is not replaced</source>
        <translation>지금은 %1이므로 바꾸지 않습니다</translation>
    </message>
    <message>
        <source>Not saved: %1 could not be written (%2). The file on disk is unchanged.</source>
        <translation>저장되지 않았습니다: %1을(를) 쓸 수 없습니다(%2). 디스크의 파일은 그대로입니다.</translation>
    </message>
    <message>
        <source>it is a symbolic link that never ends (links leading round in a circle)</source>
        <translation>끝나지 않는 심볼릭 링크입니다(링크가 돌고 돌아 제자리로 옵니다)</translation>
    </message>
</context>
<context>
    <name>FormulaView</name>
    <message>
        <source>Click to enter the formula</source>
        <translation>클릭하여 수식 입력</translation>
    </message>
</context>
<context>
    <name>FrameLog</name>
    <message>
        <source>SEND</source>
        <translation>송신</translation>
    </message>
    <message>
        <source>RECV</source>
        <translation>수신</translation>
    </message>
    <message>
        <source>LATE</source>
        <translation>지연</translation>
    </message>
</context>
<context>
    <name>FrameLogModel</name>
    <message>
        <source>Bad frame: wrong CRC, wrong slave, an exception or too short</source>
        <translation>오류 프레임: CRC 오류, 다른 슬레이브, 예외 응답 또는 길이 부족</translation>
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
    <name>HelpWindow</name>
    <message>
        <source>Words to find</source>
        <translation>찾을 단어</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>목차</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>탐색</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>앞으로</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>인쇄...</translation>
    </message>
    <message>
        <source>TD700 Help - %1</source>
        <translation>TD700 도움말 - %1</translation>
    </message>
    <message>
        <source>TD700 Help</source>
        <translation>TD700 도움말</translation>
    </message>
    <message>
        <source>No page holds all of these words.</source>
        <translation>이 단어들이 모두 들어 있는 페이지가 없습니다.</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1개 페이지</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1개 페이지</translation>
    </message>
    <message>
        <source>Print this page</source>
        <translation>이 페이지 인쇄</translation>
    </message>
</context>
<context>
    <name>JsonTopics</name>
    <message>
        <source>meter %1 is not in the meter list: its meta and link at the broker are cleared</source>
        <translation>계기 %1은(는) 계기 목록에 없습니다. 브로커에 남은 meta와 link를 지웁니다</translation>
    </message>
    <message>
        <source>WARNING: another program publishes as node %1 (on %2, process %3, online since %4): its records and this program&apos;s go to the same topics %5/%1/... and a subscriber cannot tell them apart. Give each logger its own node name (--node).</source>
        <translation>경고: 다른 프로그램이 노드 %1(으)로 발행하고 있습니다(%2, 프로세스 %3, %4부터 온라인). 그 기록과 이 프로그램의 기록이 같은 토픽 %5/%1/...(으)로 가서 구독자가 구별할 수 없습니다. 로거마다 다른 노드 이름(--node)을 쓰십시오.</translation>
    </message>
    <message>
        <source> · another program publishes as %1</source>
        <translation> · 다른 프로그램이 %1(으)로 발행 중</translation>
    </message>
</context>
<context>
    <name>LineSettings</name>
    <message>
        <source>The line settings &quot;%1&quot; are not valid: expected baud rate, parity (N, E, O), data bits and stop bits, for example 38400,N,8,1.</source>
        <translation>통신 설정 &quot;%1&quot;이(가) 올바르지 않습니다: 통신 속도, 패리티(N, E, O), 데이터 비트, 정지 비트 순으로 적습니다. 예: 38400,N,8,1.</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;Port Close</source>
        <translation>포트 닫기(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Port Open</source>
        <translation>포트 열기(&amp;P)</translation>
    </message>
    <message>
        <source>Port Close</source>
        <translation>포트 닫기</translation>
    </message>
    <message>
        <source>Port Open</source>
        <translation>포트 열기</translation>
    </message>
    <message>
        <source>&amp;Data Save</source>
        <translation>데이터 저장(&amp;D)</translation>
    </message>
    <message>
        <source>P&amp;ublish</source>
        <translation>발행(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>포트(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>종료(&amp;Q)</translation>
    </message>
    <message>
        <source>Monitoring - &amp;LINE</source>
        <translation>모니터링 - 라인(&amp;L)</translation>
    </message>
    <message>
        <source>Monitoring - &amp;BAR</source>
        <translation>모니터링 - 막대(&amp;B)</translation>
    </message>
    <message>
        <source>Monitoring - &amp;TEXT</source>
        <translation>모니터링 - 텍스트(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Multi Monitoring</source>
        <translation>다중 모니터링(&amp;M)</translation>
    </message>
    <message>
        <source>Multi Monitoring - P&amp;V</source>
        <translation>다중 모니터링 - PV(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Parameter Setup</source>
        <translation>파라미터 설정(&amp;P)</translation>
    </message>
    <message>
        <source>Date/Time &amp;Reserve</source>
        <translation>날짜/시간 예약(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>프로그램 정보(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>TD700 &amp;Manual</source>
        <translation>TD700 설명서(&amp;M)</translation>
    </message>
    <message>
        <source>Communication Data &amp;View</source>
        <translation>통신 데이터 보기(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Graph Viewer</source>
        <translation>그래프 뷰어(&amp;G)</translation>
    </message>
    <message>
        <source>Data Save Setup</source>
        <translation>데이터 저장 설정</translation>
    </message>
    <message>
        <source>Port Setup</source>
        <translation>포트 설정</translation>
    </message>
    <message>
        <source>Monitoring(LINE)</source>
        <translation>모니터링(라인)</translation>
    </message>
    <message>
        <source>Monitoring(BAR)</source>
        <translation>모니터링(막대)</translation>
    </message>
    <message>
        <source>Monitoring(TEXT)</source>
        <translation>모니터링(텍스트)</translation>
    </message>
    <message>
        <source>Multi Monitoring</source>
        <translation>다중 모니터링</translation>
    </message>
    <message>
        <source>Multi Monitoring(PV)</source>
        <translation>다중 모니터링(PV)</translation>
    </message>
    <message>
        <source>Parameter Setup</source>
        <translation>파라미터 설정</translation>
    </message>
    <message>
        <source>Date/Time Reserve</source>
        <translation>날짜/시간 예약</translation>
    </message>
    <message>
        <source>About</source>
        <translation>프로그램 정보</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>TD700 Manual</source>
        <translation>TD700 설명서</translation>
    </message>
    <message>
        <source>Graph Viewer</source>
        <translation>그래프 뷰어</translation>
    </message>
    <message>
        <source>Meter &amp;List</source>
        <translation>계기 목록(&amp;L)</translation>
    </message>
    <message>
        <source>Meter List</source>
        <translation>계기 목록</translation>
    </message>
    <message>
        <source>Publish Setup</source>
        <translation>발행 설정</translation>
    </message>
</context>
<context>
    <name>ManualWindow</name>
    <message>
        <source>TD700 Manual</source>
        <translation>TD700 사용 설명서</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>사용 설명서</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>목차</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>인쇄...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>PDF로 저장...</translation>
    </message>
    <message>
        <source>Print the manual</source>
        <translation>사용 설명서 인쇄</translation>
    </message>
    <message>
        <source>Save the manual as PDF</source>
        <translation>사용 설명서를 PDF로 저장</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF 파일 (*.pdf)</translation>
    </message>
</context>
<context>
    <name>MeterList</name>
    <message>
        <source>%1 marked line</source>
        <translation>표시된 줄 %1개</translation>
    </message>
    <message>
        <source>%1 marked lines</source>
        <translation>표시된 줄 %1개</translation>
    </message>
    <message>
        <source>%1: %2 after line %3 ignored: slave addresses go from 1 to %3.</source>
        <translation>%1: %3번째 줄 뒤의 %2은(는) 무시했습니다: 슬레이브 주소는 1부터 %3까지입니다.</translation>
    </message>
</context>
<context>
    <name>MonitorStatusArea</name>
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
    <message>
        <source>METER CLOCK</source>
        <translation>계기 시계</translation>
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
    <name>PageFactory</name>
    <message>
        <source>The home page (recording and displayed channels)</source>
        <translation>기본 페이지(기록 및 표시 채널)</translation>
    </message>
    <message>
        <source>The display page</source>
        <translation>표시 페이지</translation>
    </message>
    <message>
        <source>The system page</source>
        <translation>시스템 페이지</translation>
    </message>
    <message>
        <source>The alarm and digital input page</source>
        <translation>경보 및 디지털 입력 페이지</translation>
    </message>
    <message>
        <source>The channel page</source>
        <translation>채널 페이지</translation>
    </message>
    <message>
        <source>%1 (%2) comes in a later version of the program. The value can still be uploaded, saved and downloaded.</source>
        <translation>%1(%2)은(는) 이후 버전의 프로그램에서 제공됩니다. 값은 지금도 업로드, 저장, 다운로드할 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>ParamFile</name>
    <message>
        <source>%1 is empty, not a parameter file.</source>
        <translation>%1은(는) 빈 파일이며 파라미터 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>%1 is a data file (TD700 LOG DATA), not a parameter file.</source>
        <translation>%1은(는) 데이터 파일(TD700 LOG DATA)이며 파라미터 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>%1 is not a parameter file: its header holds no model and firmware version.</source>
        <translation>%1은(는) 파라미터 파일이 아닙니다. 헤더에 모델과 펌웨어 버전이 없습니다.</translation>
    </message>
    <message>
        <source>%1 is not a parameter file: its header names %2 (a parameter file names one of the four models and its firmware).</source>
        <translation>%1은(는) 파라미터 파일이 아닙니다. 헤더에 %2이(가) 적혀 있습니다(파라미터 파일에는 네 가지 모델 중 하나와 그 펌웨어가 적혀 있습니다).</translation>
    </message>
    <message>
        <source>firmware 0.00</source>
        <translation>펌웨어 0.00</translation>
    </message>
    <message>
        <source>model code %1, which is no model</source>
        <translation>모델 코드 %1(없는 모델)</translation>
    </message>
    <message>
        <source>%1 is too short: %2 bytes, where a parameter file of firmware %3 has %4. Nothing was loaded.</source>
        <translation>%1이(가) 너무 짧습니다: %2바이트입니다(펌웨어 %3의 파라미터 파일은 %4바이트). 아무것도 불러오지 않았습니다.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes longer than a parameter file of firmware %3 (%4 bytes): the extra bytes were ignored.</source>
        <translation>%1은(는) 펌웨어 %3의 파라미터 파일(%4바이트)보다 %2바이트 깁니다. 남는 바이트는 무시했습니다.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>%1을(를) 열 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1을(를) 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>%1 was not saved: %2. A file of that name is left as it was.</source>
        <translation>%1을(를) 저장하지 못했습니다: %2. 같은 이름의 파일은 그대로 남아 있습니다.</translation>
    </message>
</context>
<context>
    <name>ParamPage</name>
    <message>
        <source>&amp;Close</source>
        <translation>닫기(&amp;C)</translation>
    </message>
</context>
<context>
    <name>ParamSetFiles</name>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>%1을(를) 열 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, far more than a parameter set as text</source>
        <translation>%1은(는) %2바이트로, 텍스트 파라미터 세트라기에는 너무 큽니다</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1을(를) 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>%1 is a parameter set as text with faults; nothing was read:
</source>
        <translation>%1은(는) 오류가 있는 텍스트 파라미터 세트입니다. 아무것도 읽지 않았습니다:
</translation>
    </message>
    <message>
        <source>%1 was not saved: %2. A file of that name is left as it was.</source>
        <translation>%1을(를) 저장하지 못했습니다: %2. 같은 이름의 파일은 그대로 남아 있습니다.</translation>
    </message>
</context>
<context>
    <name>ParamTables</name>
    <message>
        <source>DESCRIPTION</source>
        <translation>항목</translation>
    </message>
    <message>
        <source>VALUE</source>
        <translation>값</translation>
    </message>
</context>
<context>
    <name>ParamTextForm</name>
    <message>
        <source>takes a whole number from %1 to %2</source>
        <translation>%1 ~ %2의 정수만 가능</translation>
    </message>
    <message>
        <source>takes a number</source>
        <translation>숫자만 가능</translation>
    </message>
    <message>
        <source>holds characters that a recorder cannot keep</source>
        <translation>계기가 저장할 수 없는 문자가 있음</translation>
    </message>
    <message>
        <source>is %1 bytes long; the row holds %2</source>
        <translation>길이가 %1바이트임(이 항목은 %2바이트)</translation>
    </message>
    <message>
        <source>has no place in a parameter set</source>
        <translation>파라미터 세트에 들어갈 자리가 없음</translation>
    </message>
    <message>
        <source>@ wants a whole number of %1 bits</source>
        <translation>@ 뒤에는 %1비트 정수가 와야 함</translation>
    </message>
    <message>
        <source>@ wants a number, or 0x and eight hex digits</source>
        <translation>@ 뒤에는 숫자, 또는 0x와 16진수 8자리가 와야 함</translation>
    </message>
    <message>
        <source>@ wants the row&apos;s %1 bytes in hex</source>
        <translation>@ 뒤에는 이 항목의 %1바이트가 16진수로 와야 함</translation>
    </message>
    <message>
        <source>the row has no stored value</source>
        <translation>이 항목에는 저장된 값이 없음</translation>
    </message>
    <message>
        <source>is longer than the %1 characters a formula holds</source>
        <translation>수식의 최대 길이 %1자를 넘음</translation>
    </message>
    <message>
        <source>@ wants the formula&apos;s %1 bytes in hex</source>
        <translation>@ 뒤에는 수식의 %1바이트가 16진수로 와야 함</translation>
    </message>
</context>
<context>
    <name>ParamTextImport</name>
    <message>
        <source>%1 is not UTF-8 text</source>
        <translation>%1은(는) UTF-8 텍스트가 아닙니다</translation>
    </message>
    <message>
        <source>%1: and %2 more</source>
        <translation>%1: 외 %2건</translation>
    </message>
    <message>
        <source>%1 line %2: %3</source>
        <translation>%1 %2행: %3</translation>
    </message>
    <message>
        <source>unknown section [%1]</source>
        <translation>알 수 없는 구역 [%1]</translation>
    </message>
    <message>
        <source>section [%1] is given twice (first on line %2)</source>
        <translation>구역 [%1]이(가) 두 번 있음(처음은 %2행)</translation>
    </message>
    <message>
        <source>%1 comes before any section</source>
        <translation>%1이(가) 어느 구역보다도 앞에 있음</translation>
    </message>
    <message>
        <source>%1 is given twice in [%2] (first on line %3)</source>
        <translation>[%2]에 %1이(가) 두 번 있음(처음은 %3행)</translation>
    </message>
    <message>
        <source>[file] takes no @</source>
        <translation>[file]에는 @를 쓸 수 없음</translation>
    </message>
    <message>
        <source>CHANNELS = %1: takes 2, 4, 6 or 12</source>
        <translation>CHANNELS = %1: 2, 4, 6, 12 중 하나여야 함</translation>
    </message>
    <message>
        <source>FIRMWARE = %1: takes a version such as 1.20</source>
        <translation>FIRMWARE = %1: 1.20과 같은 버전이어야 함</translation>
    </message>
    <message>
        <source>unknown key %1 in [file] (CHANNELS, FIRMWARE)</source>
        <translation>[file]의 알 수 없는 키 %1 (CHANNELS, FIRMWARE만 가능)</translation>
    </message>
    <message>
        <source>[file] says %1 channels, the base set has %2</source>
        <translation>[file]에는 %1채널로 되어 있으나 기준 세트는 %2채널임</translation>
    </message>
    <message>
        <source>[file] says firmware %1, the base set is %2</source>
        <translation>[file]에는 펌웨어 %1(으)로 되어 있으나 기준 세트는 %2임</translation>
    </message>
    <message>
        <source>[file] must give CHANNELS and FIRMWARE (or give a base set the text changes)</source>
        <translation>[file]에 CHANNELS와 FIRMWARE가 있어야 함(또는 텍스트가 고칠 기준 세트를 지정)</translation>
    </message>
    <message>
        <source>the set has %1 channels: there is no [%2]</source>
        <translation>이 세트는 %1채널이므로 [%2]이(가) 없음</translation>
    </message>
    <message>
        <source>a set of firmware %1 keeps no formulas in its file</source>
        <translation>펌웨어 %1의 세트는 파일에 수식을 저장하지 않음</translation>
    </message>
    <message>
        <source>%1 is the meter&apos;s clock; a parameter set has no place for it</source>
        <translation>%1은(는) 계기의 시계이며 파라미터 세트에 넣을 수 없음</translation>
    </message>
    <message>
        <source>%1 has no place in a set of firmware %2</source>
        <translation>%1은(는) 펌웨어 %2의 세트에 없는 항목임</translation>
    </message>
    <message>
        <source>%1 is a channel row: give it under [CH01] .. [CH%2]</source>
        <translation>%1은(는) 채널 항목이므로 [CH01] .. [CH%2] 아래에 써야 함</translation>
    </message>
    <message>
        <source>%1 is a common row: give it under [common]</source>
        <translation>%1은(는) 공통 항목이므로 [common] 아래에 써야 함</translation>
    </message>
    <message>
        <source>unknown key %1 in [%2]</source>
        <translation>[%2]의 알 수 없는 키 %1</translation>
    </message>
    <message>
        <source>@ %1 shows as %2, not as the text</source>
        <translation>@ %1은(는) 적힌 텍스트가 아니라 %2(으)로 표시됨</translation>
    </message>
    <message>
        <source>unknown key %1 in [formulas] (CH01 .. CH06, MEM01 .. MEM06)</source>
        <translation>[formulas]의 알 수 없는 키 %1 (CH01 .. CH06, MEM01 .. MEM06만 가능)</translation>
    </message>
    <message>
        <source>the set has %1 channels: there is no %2</source>
        <translation>이 세트는 %1채널이므로 %2이(가) 없음</translation>
    </message>
    <message>
        <source>%1: a parameter file keeps the formulas of channels 1 to 6 only; a download leaves a meter&apos;s others as they are</source>
        <translation>%1: 파라미터 파일은 채널 1~6의 수식만 저장하며, 다운로드해도 계기의 나머지 수식은 그대로임</translation>
    </message>
    <message>
        <source>@ shows as %1, not as the text</source>
        <translation>@은(는) 적힌 텍스트가 아니라 %1(으)로 표시됨</translation>
    </message>
    <message>
        <source>a reserved line is written OFFSET = hex bytes</source>
        <translation>예약 영역 줄은 OFFSET = 16진수 바이트 형식으로 씀</translation>
    </message>
    <message>
        <source>offset %1 and %2 bytes go past the %3 bytes of the file</source>
        <translation>오프셋 %1부터 %2바이트는 파일 크기 %3바이트를 넘음</translation>
    </message>
    <message>
        <source>byte %1 belongs to a row; give the row instead</source>
        <translation>바이트 %1은(는) 항목에 속하므로 그 항목으로 써야 함</translation>
    </message>
    <message>
        <source>byte %1 is given twice</source>
        <translation>바이트 %1이(가) 두 번 있음</translation>
    </message>
    <message>
        <source> (a text without a base set gives every row)</source>
        <translation> (기준 세트가 없는 텍스트에는 모든 항목이 있어야 함)</translation>
    </message>
    <message>
        <source>[%1] is not given</source>
        <translation>[%1]이(가) 없음</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>외 %1개</translation>
    </message>
    <message>
        <source>[%1] lacks %2</source>
        <translation>[%1]에 %2이(가) 없음</translation>
    </message>
    <message>
        <source>%1: the text is empty: no section, no row (blank lines and comments at most)</source>
        <translation>%1: 텍스트가 비어 있습니다: 섹션도 줄도 없습니다(빈 줄과 주석뿐)</translation>
    </message>
</context>
<context>
    <name>ParamTextSyntax</name>
    <message>
        <source>\x wants two hex digits</source>
        <translation>\x 뒤에는 16진수 2자리가 와야 함</translation>
    </message>
    <message>
        <source>unknown escape \%1 in a quoted text (\&quot; \\ \xHH)</source>
        <translation>따옴표 텍스트 안의 알 수 없는 이스케이프 \%1 (\&quot; \\ \xHH만 가능)</translation>
    </message>
    <message>
        <source>the quoted text has no closing quote</source>
        <translation>따옴표 텍스트에 닫는 따옴표가 없음</translation>
    </message>
    <message>
        <source>a section is written [name]</source>
        <translation>구역은 [이름] 형식으로 씀</translation>
    </message>
    <message>
        <source>a row is written KEY = text</source>
        <translation>항목은 KEY = 텍스트 형식으로 씀</translation>
    </message>
    <message>
        <source>&apos;%1&apos; after the quoted text</source>
        <translation>따옴표 텍스트 뒤에 &apos;%1&apos;이(가) 있음</translation>
    </message>
</context>
<context>
    <name>PlantAlarmFile</name>
    <message>
        <source>line %1 and %2 more could not be read and were left out</source>
        <translation>%1번째 줄 외 %2줄을 읽지 못해 빼 두었습니다</translation>
    </message>
    <message>
        <source>only its first %1 MB were read</source>
        <translation>앞의 %1 MB만 읽었습니다</translation>
    </message>
    <message>
        <source>line %1 could not be read and was left out</source>
        <translation>%1번째 줄을 읽지 못해 빼 두었습니다</translation>
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
        <translation>발생 중</translation>
    </message>
    <message>
        <source>Node</source>
        <translation>노드</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>계기</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>채널</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>경보</translation>
    </message>
    <message>
        <source>Since</source>
        <translation>발생 시각</translation>
    </message>
    <message>
        <source>Gone</source>
        <translation>해제 시각</translation>
    </message>
</context>
<context>
    <name>PlantAlarmWindow</name>
    <message>
        <source>Plant Alarms</source>
        <translation>플랜트 경보</translation>
    </message>
    <message numerus="yes">
        <source>%n alarm(s) active</source>
        <translation>
            <numerusform>발생 중인 경보 %n건</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries, newest first</source>
        <translation>
            <numerusform>기록 %n건, 최신순</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlantListModel</name>
    <message>
        <source>online</source>
        <translation>온라인</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>오프라인</translation>
    </message>
    <message>
        <source>stale</source>
        <translation>오래됨</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>%1 (%2 ch)</source>
        <translation>%1 (%2채널)</translation>
    </message>
    <message>
        <source>Node</source>
        <translation>노드</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>계기</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>모델</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>통신</translation>
    </message>
    <message>
        <source>Last record</source>
        <translation>마지막 기록</translation>
    </message>
    <message>
        <source>State</source>
        <translation>상태</translation>
    </message>
</context>
<context>
    <name>PlantSubscriber</name>
    <message>
        <source>connected</source>
        <translation>연결됨</translation>
    </message>
    <message>
        <source>away (%1), tried again in %2 s</source>
        <translation>끊김(%1), %2초 뒤 다시 시도</translation>
    </message>
</context>
<context>
    <name>PortSettings</name>
    <message>
        <source>no port is named</source>
        <translation>포트 이름이 없습니다</translation>
    </message>
    <message>
        <source>the port name &quot;%1&quot; holds a control character</source>
        <translation>포트 이름 &quot;%1&quot;에 제어 문자가 있습니다</translation>
    </message>
    <message>
        <source>%1; the default port settings are used</source>
        <translation>%1. 기본 포트 설정을 사용합니다</translation>
    </message>
    <message>
        <source>%1 holds %2 of the 7 lines it needs; the default port settings are used</source>
        <translation>%1에는 필요한 7줄 중 %2줄만 있습니다. 기본 포트 설정을 사용합니다</translation>
    </message>
    <message>
        <source>line 1 of %1: %2</source>
        <translation>%1의 1번째 줄: %2</translation>
    </message>
</context>
<context>
    <name>PublishSettings</name>
    <message>
        <source>%1 is not a broker address: it wants mqtt://HOST[:PORT]/PREFIX or mqtts://HOST[:PORT]/PREFIX</source>
        <translation>%1은(는) 브로커 주소가 아닙니다: mqtt://호스트[:포트]/접두어 또는 mqtts://호스트[:포트]/접두어 형식이어야 합니다</translation>
    </message>
    <message>
        <source>%1: the port must be 1..65535</source>
        <translation>%1: 포트는 1..65535여야 합니다</translation>
    </message>
    <message>
        <source>%1: the topic prefix after the host must be one or more topic levels without + or #</source>
        <translation>%1: 호스트 뒤의 토픽 접두어는 +나 # 없는 토픽 단계 하나 이상이어야 합니다</translation>
    </message>
    <message>
        <source>%1: a node name is one topic level, without +, #, / or blanks</source>
        <translation>%1: 노드 이름은 +, #, / 또는 공백 없는 토픽 단계 하나입니다</translation>
    </message>
    <message>
        <source>%1 wants 0 or 1</source>
        <translation>%1에는 0 또는 1을 줍니다</translation>
    </message>
    <message>
        <source>%1 wants seconds from 5 to 65535</source>
        <translation>%1에는 5에서 65535 사이의 초를 줍니다</translation>
    </message>
    <message>
        <source>%1 wants days from 1 to 3650</source>
        <translation>%1에는 1에서 3650 사이의 일수를 줍니다</translation>
    </message>
    <message>
        <source>%1 and %2 go together: give both or neither</source>
        <translation>%1과(와) %2은(는) 함께 씁니다: 둘 다 주거나 둘 다 빼십시오</translation>
    </message>
    <message>
        <source>%1, %2 and %3 need an mqtts:// address</source>
        <translation>%1, %2, %3에는 mqtts:// 주소가 필요합니다</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1에는 %2이(가) 필요합니다</translation>
    </message>
    <message>
        <source>%1: %2 may be read by others; make it the owner&apos;s alone (chmod 600 %2)</source>
        <translation>%1: %2을(를) 다른 사용자가 읽을 수 있습니다. 소유자만 읽도록 하십시오(chmod 600 %2)</translation>
    </message>
    <message>
        <source>%1 is not there</source>
        <translation>%1이(가) 없습니다</translation>
    </message>
    <message>
        <source>%1 is %2, not a file</source>
        <translation>%1은(는) 파일이 아니라 %2입니다</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1을(를) 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>%1: a topic prefix may not begin with $ (the broker&apos;s own topics, where it passes nothing on)</source>
        <translation>%1: 토픽 접두어는 $로 시작할 수 없습니다(브로커 자체 토픽이어서 아무것도 전달되지 않음)</translation>
    </message>
    <message>
        <source>%1: the topics would be %2 bytes long; MQTT allows %3</source>
        <translation>%1: 토픽 길이가 %2바이트가 됩니다. MQTT는 %3바이트까지 허용합니다</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>비어 있습니다</translation>
    </message>
    <message>
        <source>%1 is not one topic level (no /, + or #)</source>
        <translation>%1은(는) 토픽 한 단계가 아닙니다(/, +, #는 쓸 수 없음)</translation>
    </message>
    <message>
        <source>%1: a Sparkplug group %2</source>
        <translation>%1: Sparkplug 그룹 — %2</translation>
    </message>
    <message>
        <source>%1: a host id %2</source>
        <translation>%1: 호스트 id — %2</translation>
    </message>
</context>
<context>
    <name>QtSerialLink</name>
    <message>
        <source>The port %1 stopped working (%2).</source>
        <translation>포트 %1이(가) 동작을 멈췄습니다(%2).</translation>
    </message>
    <message>
        <source>its device is gone</source>
        <translation>장치가 없어졌습니다</translation>
    </message>
</context>
<context>
    <name>RecordNumbers</name>
    <message>
        <source>a run of numbers does not read</source>
        <translation>번호 구간을 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>it numbers %1, not this meter&apos;s</source>
        <translation>이 계기가 아닌 %1의 번호입니다</translation>
    </message>
    <message>
        <source>it is meter %1&apos;s of %2</source>
        <translation>%2의 계기 %1 것입니다</translation>
    </message>
    <message>
        <source>it is incomplete</source>
        <translation>내용이 불완전합니다</translation>
    </message>
</context>
<context>
    <name>RecordPublisher</name>
    <message>
        <source>broker %1 back after %2 s</source>
        <translation>브로커 %1이(가) %2초 만에 다시 연결됨</translation>
    </message>
    <message>
        <source>; %1 to catch up</source>
        <translation>; 밀린 기록 %1</translation>
    </message>
    <message>
        <source>broker %1 went away (%2); records are kept in the data files and sent when it is back; next try in %3 s</source>
        <translation>브로커 %1 연결 끊김(%2). 기록은 데이터 파일에 남아 있다가 다시 연결되면 전송됩니다. %3초 뒤 다시 시도</translation>
    </message>
    <message>
        <source>broker %1 refused the connection: %2</source>
        <translation>브로커 %1이(가) 연결을 거부했습니다: %2</translation>
    </message>
    <message>
        <source>broker %1 not reached (%2); trying again, at longest every 60 s</source>
        <translation>브로커 %1에 연결할 수 없음(%2). 길어도 60초마다 다시 시도합니다</translation>
    </message>
    <message>
        <source>meter %1: %2 up to number %3 are no longer in the data files and cannot be sent</source>
        <translation>계기 %1: 번호 %3까지의 %2은(는) 데이터 파일에 더 이상 없어 보낼 수 없습니다</translation>
    </message>
    <message>
        <source>caught up %1</source>
        <translation>밀린 기록 전송 완료 %1</translation>
    </message>
    <message>
        <source>; %1 older than %2 days not sent</source>
        <translation>; %2일보다 오래된 %1은(는) 보내지 않음</translation>
    </message>
    <message>
        <source>%1 waiting</source>
        <translation>%1 대기 중</translation>
    </message>
    <message>
        <source>Publishing off</source>
        <translation>발행 안 함</translation>
    </message>
    <message>
        <source>Broker: connecting · %1</source>
        <translation>브로커: 연결 중 · %1</translation>
    </message>
    <message>
        <source>Broker: connected · %1</source>
        <translation>브로커: 연결됨 · %1</translation>
    </message>
    <message>
        <source>Broker: away (%1) · %2</source>
        <translation>브로커: 끊김(%1) · %2</translation>
    </message>
    <message>
        <source>Broker: refused (%1) · %2</source>
        <translation>브로커: 거부됨(%1) · %2</translation>
    </message>
    <message>
        <source>meter %1: where the broker stands is not known; the %2 in its data files (numbers %3 to %4) are sent again, flagged replayed</source>
        <translation>계기 %1: 브로커가 어디까지 받았는지 알 수 없습니다. 데이터 파일의 %2(번호 %3~%4)을(를) replayed 표시와 함께 다시 보냅니다</translation>
    </message>
    <message>
        <source>set aside as %1</source>
        <translation>%1(으)로 옮겨 두었습니다</translation>
    </message>
    <message>
        <source>it could not be set aside and is written anew</source>
        <translation>옮겨 둘 수 없어 새로 씁니다</translation>
    </message>
    <message>
        <source>it is left as it is and not used</source>
        <translation>그대로 두고 사용하지 않습니다</translation>
    </message>
    <message>
        <source>meter %1: %2 is not used (%3); %4</source>
        <translation>계기 %1: %2을(를) 사용하지 않습니다(%3). %4</translation>
    </message>
    <message>
        <source>record %1</source>
        <translation>기록 %1</translation>
    </message>
    <message>
        <source>records %1 to %2</source>
        <translation>기록 %1~%2</translation>
    </message>
    <message>
        <source>%1 of them not sent, and they cannot be now</source>
        <translation>그중 %1개는 보내지 못했으며 이제 보낼 수 없습니다</translation>
    </message>
    <message>
        <source>%1 is no longer in the data folder: %2 went with it</source>
        <translation>%1이(가) 데이터 폴더에 더 이상 없습니다. %2도 함께 없어졌습니다</translation>
    </message>
    <message>
        <source>meter %1: %2 (%3); the numbers of the records still there stay</source>
        <translation>계기 %1: %2(%3). 남아 있는 기록의 번호는 바뀌지 않습니다</translation>
    </message>
    <message>
        <source>%1 written again</source>
        <translation>%1을(를) 다시 썼습니다</translation>
    </message>
    <message>
        <source>%1 not written: %2; publishing goes on, and after a restart records may be sent again</source>
        <translation>%1을(를) 쓰지 못했습니다: %2. 발행은 계속되며, 다시 시작하면 기록이 다시 전송될 수 있습니다</translation>
    </message>
    <message>
        <source>none of them was waiting to be sent</source>
        <translation>보낼 차례를 기다리던 기록은 없었습니다</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(없음)</translation>
    </message>
    <message>
        <source>%1 is shorter than before: it no longer holds %2</source>
        <translation>%1이(가) 전보다 짧아졌습니다. %2이(가) 더 이상 없습니다</translation>
    </message>
    <message>
        <source>%1 is another file now: %2 went with the one before</source>
        <translation>%1이(가) 다른 파일로 바뀌었습니다. 이전 파일의 %2이(가) 함께 없어졌습니다</translation>
    </message>
    <message>
        <source>publishing to %1 as %2</source>
        <translation>%1에 %2(으)로 발행 중</translation>
    </message>
    <message>
        <source>%1; connecting to broker %2 again</source>
        <translation>%1. 브로커 %2에 다시 연결합니다</translation>
    </message>
    <message>
        <source>WARNING: broker %1 takes what this program publishes but passes nothing on: this program&apos;s own status did not come back in %2 s. Do the broker&apos;s access rules let user %3 publish and read under %4? What it drops is lost to subscribers.</source>
        <translation>경고: 브로커 %1이(가) 이 프로그램이 발행한 것을 받지만 아무것도 전달하지 않습니다. 이 프로그램의 상태가 %2초 안에 돌아오지 않았습니다. 브로커의 접근 규칙이 사용자 %3에게 %4 아래의 발행와 구독을 허용합니까? 브로커가 버리는 것은 구독자에게 전달되지 않습니다.</translation>
    </message>
    <message>
        <source>Broker: connected, not publishing · %1</source>
        <translation>브로커: 연결됨, 발행하지 않음 · %1</translation>
    </message>
</context>
<context>
    <name>RequestFailures</name>
    <message>
        <source>its present values</source>
        <translation>현재값</translation>
    </message>
    <message>
        <source>the scan</source>
        <translation>스캔</translation>
    </message>
    <message>
        <source>its settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>the upload</source>
        <translation>업로드</translation>
    </message>
    <message>
        <source>the download</source>
        <translation>다운로드</translation>
    </message>
    <message>
        <source>the clock write</source>
        <translation>시계 기록</translation>
    </message>
    <message>
        <source>its channel descriptions</source>
        <translation>채널 정보</translation>
    </message>
    <message>
        <source>the request for %1</source>
        <translation>%1 요청</translation>
    </message>
    <message>
        <source>refused %1 (%2)</source>
        <translation>%1을(를) 거부했습니다(%2)</translation>
    </message>
    <message>
        <source>%1 time-out</source>
        <translation>시간 초과 %1회</translation>
    </message>
    <message>
        <source>%1 time-outs</source>
        <translation>시간 초과 %1회</translation>
    </message>
    <message>
        <source>%1 damaged reply</source>
        <translation>손상된 응답 %1회</translation>
    </message>
    <message>
        <source>%1 damaged replies</source>
        <translation>손상된 응답 %1회</translation>
    </message>
    <message>
        <source>%1 refusal (%2)</source>
        <translation>거부 %1회(%2)</translation>
    </message>
    <message>
        <source>%1 refusals (%2)</source>
        <translation>거부 %1회(%2)</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 및 %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>failures</source>
        <translation>실패</translation>
    </message>
    <message>
        <source>%1 (%2 in a row on %3)</source>
        <translation>%1(%3에서 연속 %2)</translation>
    </message>
    <message>
        <source>does not answer</source>
        <translation>응답하지 않습니다</translation>
    </message>
    <message>
        <source>does not answer usably</source>
        <translation>제대로 응답하지 않습니다</translation>
    </message>
    <message>
        <source>Meter %1 %2</source>
        <translation>계기 %1: %2</translation>
    </message>
    <message>
        <source>exception %1</source>
        <translation>예외 %1</translation>
    </message>
    <message>
        <source>exception %1: %2</source>
        <translation>예외 %1: %2</translation>
    </message>
    <message>
        <source>request %1</source>
        <translation>요청 %1</translation>
    </message>
</context>
<context>
    <name>RowRules</name>
    <message>
        <source>Disable Character.</source>
        <comment>after what a row takes</comment>
        <translation>허용되지 않는 문자</translation>
    </message>
    <message>
        <source>takes at most %1 characters</source>
        <translation>최대 %1자까지 가능</translation>
    </message>
    <message>
        <source>takes no &apos;%1&apos; (%2)</source>
        <translation>&apos;%1&apos;은(는) 쓸 수 없음 (%2)</translation>
    </message>
    <message>
        <source>takes what the clock window sets (%1 would become %2)</source>
        <translation>시계 창에서 설정하는 값만 가능(%1은(는) %2(으)로 바뀜)</translation>
    </message>
    <message>
        <source>takes up to %1 letters, digits and ( ) + - * / % , . [ ] $ (%2)</source>
        <translation>영문자, 숫자와 ( ) + - * / % , . [ ] $ 로 최대 %1자까지 가능 (%2)</translation>
    </message>
    <message>
        <source>takes the code of an input type (1 to 8, 10 to 14, 16 to 19)</source>
        <translation>입력 종류 코드만 가능(1~8, 10~14, 16~19)</translation>
    </message>
    <message>
        <source>takes one of %1</source>
        <translation>%1 중 하나만 가능</translation>
    </message>
    <message>
        <source>takes capital letters but E, J, K, Y and Z, digits, spaces and ( ) + - * / ^ % , : . (%1)</source>
        <translation>E, J, K, Y, Z를 뺀 영문 대문자, 숫자, 공백과 ( ) + - * / ^ % , : . 만 가능 (%1)</translation>
    </message>
</context>
<context>
    <name>SaveSettings</name>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>초</translation>
    </message>
    <message>
        <source>min</source>
        <translation>분</translation>
    </message>
</context>
<context>
    <name>SerialOpenProblem</name>
    <message>
        <source>%1 is %2 on this computer. </source>
        <translation>이 컴퓨터에서 %1은(는) %2입니다. </translation>
    </message>
    <message>
        <source>No such device: is the adapter plugged in?</source>
        <translation>장치가 없습니다: 어댑터가 꽂혀 있습니까?</translation>
    </message>
    <message>
        <source> This computer has no serial device.</source>
        <translation> 이 컴퓨터에는 시리얼 장치가 없습니다.</translation>
    </message>
    <message>
        <source> Serial devices on this computer: %1.</source>
        <translation> 이 컴퓨터의 시리얼 장치: %1.</translation>
    </message>
    <message>
        <source>Permission denied, although this user is in the device&apos;s group %1: the device does not let its group use it (see ls -l %2).</source>
        <translation>권한이 없습니다. 이 사용자는 장치의 그룹 %1에 속하지만 장치가 그룹 사용을 허용하지 않습니다(ls -l %2 참조).</translation>
    </message>
    <message>
        <source>Permission denied: this user was added to the group %1 after logging in. Log out and in again (or restart the computer) to use the device.</source>
        <translation>권한이 없습니다: 이 사용자는 로그인한 뒤에 그룹 %1에 추가되었습니다. 로그아웃 후 다시 로그인하면(또는 컴퓨터를 다시 시작하면) 장치를 쓸 수 있습니다.</translation>
    </message>
    <message>
        <source>Permission denied: the device is not open to this user; ask the administrator for access to %1.</source>
        <translation>권한이 없습니다: 이 사용자는 장치를 쓸 수 없습니다. 관리자에게 %1 사용 권한을 요청하십시오.</translation>
    </message>
    <message>
        <source>Permission denied: the device belongs to the group %1, which this user is not in. Add the user to it with &quot;sudo usermod -aG %1 $USER&quot;, then log out and in again.</source>
        <translation>권한이 없습니다: 장치는 그룹 %1에 속하는데 이 사용자는 그 그룹에 없습니다. &quot;sudo usermod -aG %1 $USER&quot;로 사용자를 추가한 뒤 로그아웃 후 다시 로그인하십시오.</translation>
    </message>
    <message>
        <source>The device is in use by another program (a terminal program, a modem manager, another copy of this one); close that program or choose another port.</source>
        <translation>다른 프로그램(터미널 프로그램, 모뎀 관리자, 이 프로그램의 다른 실행본)이 장치를 쓰고 있습니다. 그 프로그램을 닫거나 다른 포트를 고르십시오.</translation>
    </message>
    <message>
        <source>The port could not be opened.</source>
        <translation>포트를 열 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>SerialPorts</name>
    <message>
        <source>The port could not be opened.</source>
        <translation>포트를 열 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>SetRules</name>
    <message>
        <source>%1 would hold %2 channels; a group holds at most %3</source>
        <translation>%1에 %2개 채널이 들어가게 됨(그룹당 최대 %3개)</translation>
    </message>
    <message>
        <source>takes a day of the reserved month, %1-%2 (the clock window makes %3 into %4)</source>
        <translation>예약한 달 %1-%2에 있는 날만 가능(시계 창에서는 %3이(가) %4(으)로 바뀜)</translation>
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
    <message>
        <source>Meter %1</source>
        <translation>계기 %1</translation>
    </message>
    <message>
        <source>NO NEW DATA since %1 — records sent later fill the gap</source>
        <translation>%1 이후 새 데이터 없음 — 나중에 오는 기록이 빈 곳을 채움</translation>
    </message>
</context>
<context>
    <name>SparkplugNode</name>
    <message>
        <source>Sparkplug B node %1/%2</source>
        <translation>Sparkplug B 노드 %1/%2</translation>
    </message>
    <message>
        <source>waiting for the primary host %1 to be online</source>
        <translation>기본 호스트 %1이(가) 온라인이 되기를 기다립니다</translation>
    </message>
    <message>
        <source>a host asked for the births again (Node Control/Rebirth)</source>
        <translation>호스트가 birth를 다시 요청했습니다(Node Control/Rebirth)</translation>
    </message>
    <message>
        <source>the primary host %1 is online</source>
        <translation>기본 호스트 %1이(가) 온라인입니다</translation>
    </message>
    <message>
        <source>the primary host %1 went offline: the session ends, and records wait in the data files until it is back</source>
        <translation>기본 호스트 %1이(가) 오프라인이 되었습니다. 세션을 끝내고, 호스트가 돌아올 때까지 기록은 데이터 파일에서 기다립니다</translation>
    </message>
    <message>
        <source> · the primary host %1 is offline</source>
        <translation> · 기본 호스트 %1 오프라인</translation>
    </message>
</context>
<context>
    <name>StatusListModel</name>
    <message>
        <source>Clock</source>
        <translation>시계</translation>
    </message>
    <message>
        <source>How far the meter&apos;s clock is off the PC&apos;s (+ ahead, - behind), read with every poll. Amber past %1 s: set it with Date/Time Reserve.</source>
        <translation>계기 시계와 PC 시계의 차이(+ 빠름, - 느림)로, 폴링할 때마다 읽습니다. %1초를 넘으면 주황색: 날짜/시간 예약에서 맞추십시오.</translation>
    </message>
    <message>
        <source>no date</source>
        <translation>날짜 없음</translation>
    </message>
    <message>
        <source>The meter reports &quot;%1&quot;, which is no date and time.</source>
        <translation>계기가 보낸 &quot;%1&quot;은(는) 날짜와 시간이 아닙니다.</translation>
    </message>
    <message>
        <source>Meter clock %1, PC clock %2: %3.</source>
        <translation>계기 시계 %1, PC 시계 %2: %3.</translation>
    </message>
    <message>
        <source>%1, 1 in %2</source>
        <translation>%1, %2회에 1회</translation>
    </message>
    <message>
        <source>Backed off: asked once in %1 cycles, next in %2 cycles.</source>
        <translation>요청 줄임: %1주기에 한 번 요청, 다음은 %2주기 뒤.</translation>
    </message>
    <message>
        <source>Backed off: asked once in %1 cycles, next in this cycle.</source>
        <translation>요청 줄임: %1주기에 한 번 요청, 다음은 이번 주기.</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1채널</translation>
    </message>
    <message>
        <source>Unknown model</source>
        <translation>알 수 없는 모델</translation>
    </message>
    <message>
        <source>reading…</source>
        <translation>읽는 중…</translation>
    </message>
</context>
<context>
    <name>SystemErrorTexts</name>
    <message>
        <source>No such file or directory</source>
        <translation>그런 파일이나 디렉터리가 없습니다</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>권한이 없습니다</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>디렉터리가 아닙니다</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>디렉터리입니다</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>장치에 남은 공간이 없습니다</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>디스크 할당량을 초과했습니다</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>장치나 자원이 사용 중입니다</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>읽기 전용 파일 시스템입니다</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>파일이 이미 있습니다</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>입력/출력 오류</translation>
    </message>
    <message>
        <source>No such device</source>
        <translation>그런 장치가 없습니다</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>열린 파일이 너무 많습니다</translation>
    </message>
</context>
<context>
    <name>TcpRtuLink</name>
    <message>
        <source>%1 did not accept the connection within %2 s.</source>
        <translation>%1이(가) %2초 안에 연결을 받지 않았습니다.</translation>
    </message>
    <message>
        <source>The connection to %1 was closed by the other side.</source>
        <translation>%1과(와)의 연결을 상대편이 닫았습니다.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a network port name: expected tcp://host:port.</source>
        <translation>&quot;%1&quot;은(는) 네트워크 포트 이름이 아닙니다: tcp://호스트:포트 형식이어야 합니다.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <translation>%1에 연결할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The connection to %1 was lost (%2).</source>
        <translation>%1과(와)의 연결이 끊겼습니다(%2).</translation>
    </message>
</context>
<context>
    <name>TextLines</name>
    <message>
        <source>%1 is a folder, not a file</source>
        <translation>%1은(는) 파일이 아니라 폴더입니다</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1을(를) 읽을 수 없습니다: %2</translation>
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
    <name>TextTable</name>
    <message>
        <source>not a saved table</source>
        <translation>저장된 표가 아닙니다</translation>
    </message>
</context>
<context>
    <name>TimeTicks</name>
    <message>
        <source>%1 s</source>
        <translation>%1초</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1분 %2초</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1분</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1시간 %2분</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1시간</translation>
    </message>
    <message>
        <source>%1 d %2 h</source>
        <translation>%1일 %2시간</translation>
    </message>
    <message>
        <source>%1 d</source>
        <translation>%1일</translation>
    </message>
</context>
<context>
    <name>TransferSequence</name>
    <message>
        <source>Parameter Uploading(TD700==&gt;PC) ...</source>
        <translation>파라미터 업로드 중(TD700==&gt;PC) ...</translation>
    </message>
    <message>
        <source>Parameter Upload(TD700==&gt;PC) Complete</source>
        <translation>파라미터 업로드(TD700==&gt;PC) 완료</translation>
    </message>
    <message>
        <source>Parameter Downloading(PC==&gt;TD700) ...</source>
        <translation>파라미터 다운로드 중(PC==&gt;TD700) ...</translation>
    </message>
    <message>
        <source>Parameter Download(PC==&gt;TD700) Complete</source>
        <translation>파라미터 다운로드(PC==&gt;TD700) 완료</translation>
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
    <name>frmInputKey</name>
    <message>
        <source>Input</source>
        <translation>입력</translation>
    </message>
    <message>
        <source>Letters A-D, F-I, L-X, digits, space and ( ) + - * / ^ % , : . (at most %1 characters)</source>
        <translation>영문자 A-D, F-I, L-X, 숫자, 공백과 ( ) + - * / ^ % , : . (최대 %1자)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>확인(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>취소(&amp;C)</translation>
    </message>
    <message>
        <source>Disable Character.</source>
        <comment>a formula</comment>
        <translation>허용되지 않는 문자입니다. 수식에는 영문자 A-D, F-I, L-X, 숫자, 공백과 ( ) + - * / ^ % , : . 만 쓸 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>frmTD_About</name>
    <message>
        <source>About TD700_File</source>
        <translation>TD700_File 정보</translation>
    </message>
    <message>
        <source>PC companion of the TD700 paperless recorders (2, 4, 6 and 12 channels).
Modbus RTU master on RS-232 or an RS-485 bus: live monitoring, parameter files, data logging and the recorders&apos; clocks.</source>
        <translation>TD700 페이퍼리스 기록계(2, 4, 6, 12채널)용 PC 프로그램.
RS-232 또는 RS-485 버스의 Modbus RTU 마스터: 실시간 모니터링, 파라미터 파일, 데이터 기록, 계기 시계.</translation>
    </message>
    <message>
        <source>Version %1, built %2 with Qt %3</source>
        <translation>버전 %1, %2 빌드 (Qt %3)</translation>
    </message>
    <message>
        <source>Open in the browser</source>
        <translation>브라우저에서 열기</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>닫기(&amp;C)</translation>
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
        <translation>날짜/시간 예약 설정</translation>
    </message>
    <message>
        <source>PC Clock</source>
        <translation>PC 시계</translation>
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
        <translation>계기 시계</translation>
    </message>
    <message>
        <source>Same as PC clock</source>
        <translation>PC 시계와 같게</translation>
    </message>
    <message>
        <source>SET</source>
        <translation>설정</translation>
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
        <translation>계기 시계: 아직 읽지 않음</translation>
    </message>
    <message>
        <source>Meter clock: &quot;%1&quot; is no date and time; set the clock.</source>
        <translation>계기 시계: &quot;%1&quot;은(는) 올바른 날짜와 시각이 아닙니다. 시계를 맞추십시오.</translation>
    </message>
    <message>
        <source>Meter clock by the last poll: %1, %2.</source>
        <translation>마지막 통신 때의 계기 시계: %1, %2.</translation>
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
        <source>Meter %1, as read at %2.</source>
        <translation>계기 %1, %2에 읽은 값.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Drop the writes still waiting and return to monitoring</source>
        <translation>기다리는 기록을 버리고 모니터링으로 돌아갑니다</translation>
    </message>
    <message>
        <source>The settings of meter %1 are not all read: it %2. It is asked again until it answers; Cancel returns to monitoring.</source>
        <translation>계기 %1의 설정을 모두 읽지 못했습니다: %2. 응답할 때까지 다시 요청합니다. 취소하면 모니터링으로 돌아갑니다.</translation>
    </message>
    <message>
        <source>%1. The writes still waiting go out next; Cancel drops them.</source>
        <translation>%1. 기다리는 기록이 이어서 나갑니다. 취소하면 버립니다.</translation>
    </message>
    <message>
        <source>Cancelled: monitoring goes on. The fields do not show meter %1&apos;s settings.</source>
        <translation>취소했습니다. 모니터링을 계속합니다. 칸에 보이는 값은 계기 %1의 설정이 아닙니다.</translation>
    </message>
    <message>
        <source>Meter %1 did not take the last write</source>
        <translation>계기 %1이(가) 마지막 기록을 받아들이지 않았습니다</translation>
    </message>
    <message>
        <source>: the fields show what it holds, read at %1.</source>
        <translation>: 칸에는 %1에 읽은 계기의 값이 보입니다.</translation>
    </message>
    <message>
        <source>The fields run with the meter&apos;s clock; a field you change keeps your value. SET writes the fields as they show. Logging and publishing pause while a write goes to the meter (about a second); the data files show the gap.</source>
        <translation>각 칸은 계기 시계에 맞춰 흘러가며, 직접 바꾼 칸은 입력한 값을 유지합니다. [설정]을 누르면 표시된 값이 계기에 기록됩니다. 계기에 쓰는 동안(약 1초) 데이터 기록과 발행이 멈추며, 데이터 파일에 그 공백이 남습니다.</translation>
    </message>
    <message>
        <source>Meter %1</source>
        <translation>계기 %1</translation>
    </message>
    <message>
        <source>Meter %1 is no longer in the meter list: nothing is read from it or written to it.</source>
        <translation>계기 %1은(는) 더 이상 계기 목록에 없습니다. 이 계기에서 읽지도, 이 계기에 쓰지도 않습니다.</translation>
    </message>
</context>
<context>
    <name>frmTD_Main</name>
    <message>
        <source>&amp;Setup</source>
        <translation>설정(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Online</source>
        <translation>온라인(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Parameter</source>
        <translation>파라미터(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>SETUP</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>ONLINE</source>
        <translation>온라인</translation>
    </message>
    <message>
        <source>METER</source>
        <translation>계기</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>언어(&amp;L) / Language</translation>
    </message>
    <message>
        <source>Meter Status</source>
        <translation>계기 상태</translation>
    </message>
    <message>
        <source>Click a meter that reads &quot;OK&quot; to select it.</source>
        <translation>&quot;OK&quot;인 계기를 누르면 선택됩니다.</translation>
    </message>
    <message>
        <source>Selected Meter</source>
        <translation>선택한 계기</translation>
    </message>
    <message>
        <source>Data Save</source>
        <translation>데이터 저장</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>주기</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>단위</translation>
    </message>
    <message>
        <source>Daily file</source>
        <translation>일별 파일</translation>
    </message>
    <message>
        <source>SEND</source>
        <translation>송신</translation>
    </message>
    <message>
        <source>RECV</source>
        <translation>수신</translation>
    </message>
    <message>
        <source>Link messages</source>
        <translation>통신 메시지</translation>
    </message>
    <message>
        <source>Data file messages</source>
        <translation>데이터 파일 메시지</translation>
    </message>
    <message>
        <source>Port closed</source>
        <translation>포트 닫힘</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>검색 중</translation>
    </message>
    <message>
        <source>Polling</source>
        <translation>폴링 중</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>연결 중</translation>
    </message>
    <message>
        <source>No meter selected</source>
        <translation>선택한 계기 없음</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1채널</translation>
    </message>
    <message>
        <source> · firmware %1</source>
        <translation> · 펌웨어 %1</translation>
    </message>
    <message>
        <source> · settings read incomplete</source>
        <translation> · 설정값을 다 읽지 못함</translation>
    </message>
    <message>
        <source>Port %1 not opened: %2</source>
        <translation>포트 %1이(가) 열리지 않았습니다: %2</translation>
    </message>
    <message>
        <source>Not publishing: %1</source>
        <translation>발행하지 않음: %1</translation>
    </message>
    <message>
        <source>Broker: publishing starts when the port opens</source>
        <translation>브로커: 포트가 열리면 발행을 시작합니다</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1을(를) 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>%1 is neither a parameter file (.CFG) nor a data file (.TDD).</source>
        <translation>%1은(는) 파라미터 파일(.CFG)도 데이터 파일(.TDD)도 아닙니다.</translation>
    </message>
    <message>
        <source>%1 is not part of this version of the program yet.</source>
        <translation>%1은(는) 이 버전의 프로그램에 아직 없습니다.</translation>
    </message>
    <message>
        <source>The guide built into the program is shown instead.</source>
        <translation>대신 프로그램에 들어 있는 사용 안내서를 표시합니다.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>종료하시겠습니까?</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>파일 열기</translation>
    </message>
    <message>
        <source>TD700 Manual</source>
        <translation>TD700 설명서</translation>
    </message>
    <message>
        <source>Demo folder: %1</source>
        <translation>데모 폴더: %1</translation>
    </message>
    <message>
        <source>&amp;Watch a Broker...</source>
        <translation>브로커 감시(&amp;W)...</translation>
    </message>
    <message>
        <source>S&amp;top Watching</source>
        <translation>감시 중지(&amp;T)</translation>
    </message>
    <message>
        <source>Plant</source>
        <translation>플랜트</translation>
    </message>
    <message>
        <source>Select a meter, then a monitor (a double click opens its trend). Plant mode watches only.</source>
        <translation>계기를 선택한 뒤 모니터를 고르십시오(두 번 클릭하면 트렌드가 열립니다). 플랜트 모드는 보기만 합니다.</translation>
    </message>
    <message>
        <source>Watch a Broker</source>
        <translation>브로커 감시</translation>
    </message>
    <message>
        <source>Plant mode watches only: no port is opened and nothing is written to a meter. Stop watching (Setup menu) to work on the local bus.</source>
        <translation>플랜트 모드는 보기만 합니다: 포트를 열지 않고 계기에 아무것도 쓰지 않습니다. 이 PC의 버스로 작업하려면 감시를 중지하십시오(설정 메뉴).</translation>
    </message>
    <message>
        <source>Watching %1</source>
        <translation>%1 감시 중</translation>
    </message>
    <message>
        <source>Broker away</source>
        <translation>브로커 연결 끊김</translation>
    </message>
    <message>
        <source>Plant mode: broker %1 connected; watching only.</source>
        <translation>플랜트 모드: 브로커 %1 연결됨, 보기 전용.</translation>
    </message>
    <message>
        <source>Plant mode: broker %1 %2; the last values are shown stale.</source>
        <translation>플랜트 모드: 브로커 %1 %2. 마지막 값을 오래된 값으로 표시합니다.</translation>
    </message>
    <message>
        <source>Select a meter in the plant list first.</source>
        <translation>먼저 플랜트 목록에서 계기를 선택하십시오.</translation>
    </message>
    <message>
        <source>The meter has not told its channels yet.</source>
        <translation>계기의 채널 정보가 아직 오지 않았습니다.</translation>
    </message>
    <message>
        <source>Plant mode: broker %1 refused: %2</source>
        <translation>플랜트 모드: 브로커 %1이(가) 거부했습니다: %2</translation>
    </message>
    <message>
        <source>Plant mode: connecting to broker %1.</source>
        <translation>플랜트 모드: 브로커 %1에 연결하는 중.</translation>
    </message>
    <message>
        <source>Plant &amp;Alarms...</source>
        <translation>플랜트 경보(&amp;A)...</translation>
    </message>
    <message>
        <source>Plant alarms: %1</source>
        <translation>플랜트 경보: %1</translation>
    </message>
</context>
<context>
    <name>frmTD_P_ARM_DI</name>
    <message>
        <source>ALARM/DI SETUP</source>
        <translation>경보/DI 설정</translation>
    </message>
    <message>
        <source>ALARM</source>
        <translation>경보</translation>
    </message>
    <message>
        <source>CH.NO</source>
        <translation>채널 번호</translation>
    </message>
    <message>
        <source>TYPE</source>
        <translation>종류</translation>
    </message>
    <message>
        <source>SET VALUE</source>
        <translation>설정값</translation>
    </message>
    <message>
        <source>HYS.</source>
        <translation>히스테리시스</translation>
    </message>
    <message>
        <source>WITH CH.</source>
        <translation>비교 채널</translation>
    </message>
    <message>
        <source>ERROR VALUE</source>
        <translation>편차값</translation>
    </message>
    <message>
        <source>UP RATE</source>
        <translation>상승률</translation>
    </message>
    <message>
        <source>USER-RANGE BURNOUT or OPEN</source>
        <translation>사용자 범위 초과(번아웃) 또는 단선</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>기록</translation>
    </message>
    <message>
        <source>OUTPUT</source>
        <translation>출력</translation>
    </message>
    <message>
        <source>RELAY NO.</source>
        <translation>릴레이 번호</translation>
    </message>
    <message>
        <source>ON-TIME</source>
        <translation>동작 시간</translation>
    </message>
    <message>
        <source>D/I</source>
        <translation>디지털 입력(D/I)</translation>
    </message>
    <message>
        <source>D/I NO.</source>
        <translation>D/I 번호</translation>
    </message>
    <message>
        <source>D/I LEVEL</source>
        <translation>D/I 레벨</translation>
    </message>
    <message>
        <source>HYSTERESIS</source>
        <translation>히스테리시스</translation>
    </message>
    <message>
        <source>RATE</source>
        <translation>변화율</translation>
    </message>
</context>
<context>
    <name>frmTD_P_Channel</name>
    <message>
        <source>USER RANGE HIGH</source>
        <translation>사용자 범위 상한</translation>
    </message>
    <message>
        <source>USER RANGE LOW</source>
        <translation>사용자 범위 하한</translation>
    </message>
    <message>
        <source>SCALE RANGE HIGH</source>
        <translation>스케일 범위 상한</translation>
    </message>
    <message>
        <source>SCALE RANGE LOW</source>
        <translation>스케일 범위 하한</translation>
    </message>
    <message>
        <source>DISP. RANGE HIGH</source>
        <translation>표시 범위 상한</translation>
    </message>
    <message>
        <source>DISP. RANGE LOW</source>
        <translation>표시 범위 하한</translation>
    </message>
    <message>
        <source>OFFSET</source>
        <translation>오프셋</translation>
    </message>
    <message>
        <source>HIGH POINT</source>
        <translation>고점</translation>
    </message>
    <message>
        <source>LOW POINT</source>
        <translation>저점</translation>
    </message>
    <message>
        <source>CHANNEL SETUP</source>
        <translation>채널 설정</translation>
    </message>
    <message>
        <source>CH.NO</source>
        <translation>채널 번호</translation>
    </message>
    <message>
        <source>INPUT</source>
        <translation>입력</translation>
    </message>
    <message>
        <source>SCALING</source>
        <translation>스케일링</translation>
    </message>
    <message>
        <source>READING / ADJUST</source>
        <translation>측정 / 보정</translation>
    </message>
    <message>
        <source>MATH / FORMULA</source>
        <translation>연산 / 수식</translation>
    </message>
    <message>
        <source>DISP. RANGE</source>
        <translation>표시 범위</translation>
    </message>
    <message>
        <source>INPUT TYPE</source>
        <translation>입력 종류</translation>
    </message>
    <message>
        <source>TYPE</source>
        <translation>종류</translation>
    </message>
    <message>
        <source>RANGE</source>
        <translation>범위</translation>
    </message>
    <message>
        <source>UNIT</source>
        <translation>단위</translation>
    </message>
    <message>
        <source>USER UNIT</source>
        <translation>사용자 단위</translation>
    </message>
    <message>
        <source>CH. NAME</source>
        <translation>채널 이름</translation>
    </message>
    <message>
        <source>Disable Character.</source>
        <comment>a channel name</comment>
        <translation>허용되지 않는 문자입니다. 채널 이름에는 영문자, 숫자와 기호 , . + - * / ( ) [ ] &lt; &gt; ~ &amp; @ | = # ! ? &apos; ^ \ : ; $ % 만 쓸 수 있습니다(공백 불가).</translation>
    </message>
    <message>
        <source>(10 characters: letters, digits, signs; no space)</source>
        <translation>(10자: 영문자, 숫자, 기호, 공백 불가)</translation>
    </message>
    <message>
        <source>RJC</source>
        <translation>기준접점 보상(RJC)</translation>
    </message>
    <message>
        <source>DIRECT INPUT (°C)</source>
        <translation>직접 입력 (°C)</translation>
    </message>
    <message>
        <source>RJC TYPE (Only T/C)</source>
        <translation>RJC 종류 (T/C 전용)</translation>
    </message>
    <message>
        <source>SCALE</source>
        <translation>스케일</translation>
    </message>
    <message>
        <source>DECIMAL POINT</source>
        <translation>소수점</translation>
    </message>
    <message>
        <source>HIGH</source>
        <translation>상한</translation>
    </message>
    <message>
        <source>LOW</source>
        <translation>하한</translation>
    </message>
    <message>
        <source>USER RANGE</source>
        <translation>사용자 범위</translation>
    </message>
    <message>
        <source>MAX</source>
        <translation>최대</translation>
    </message>
    <message>
        <source>The input type&apos;s whole range</source>
        <translation>입력 종류의 전체 범위</translation>
    </message>
    <message>
        <source>SCALE RANGE</source>
        <translation>스케일 범위</translation>
    </message>
    <message>
        <source>READ METHOD</source>
        <translation>측정 방식</translation>
    </message>
    <message>
        <source>READ TIME (sec)</source>
        <translation>측정 시간 (초)</translation>
    </message>
    <message>
        <source>INPUT ADJUSTMENT</source>
        <translation>입력 보정</translation>
    </message>
    <message>
        <source>MATH.</source>
        <translation>연산</translation>
    </message>
    <message>
        <source>MATH. TYPE</source>
        <translation>연산 종류</translation>
    </message>
    <message>
        <source>α CH.</source>
        <translation>α 채널</translation>
    </message>
    <message>
        <source>채널 입력</source>
        <translation>채널 입력</translation>
    </message>
    <message>
        <source>상수 입력</source>
        <translation>상수 입력</translation>
    </message>
    <message>
        <source>β CH.</source>
        <translation>β 채널</translation>
    </message>
    <message>
        <source>β CONST</source>
        <translation>β 상수</translation>
    </message>
    <message>
        <source>FORMULA</source>
        <translation>수식</translation>
    </message>
    <message>
        <source>CH MATH.</source>
        <translation>채널 연산</translation>
    </message>
    <message>
        <source>M AREA</source>
        <translation>M 영역</translation>
    </message>
</context>
<context>
    <name>frmTD_P_Display</name>
    <message>
        <source>DISPLAY SETUP</source>
        <translation>표시 설정</translation>
    </message>
    <message>
        <source>DISPLAY MODE</source>
        <translation>표시 모드</translation>
    </message>
    <message>
        <source>SCREEN</source>
        <translation>화면</translation>
    </message>
    <message>
        <source>BULER</source>
        <translation>눈금자</translation>
    </message>
    <message>
        <source>TEXTBAR</source>
        <translation>텍스트 바</translation>
    </message>
    <message>
        <source>AL.MARK</source>
        <translation>경보 마크</translation>
    </message>
    <message>
        <source>SCROLL SPEED</source>
        <translation>스크롤 속도</translation>
    </message>
    <message>
        <source>WINDOW NUMBER</source>
        <translation>창 개수</translation>
    </message>
    <message>
        <source>TREND DIRECTION</source>
        <translation>트렌드 방향</translation>
    </message>
    <message>
        <source>READ FROM</source>
        <translation>읽을 위치</translation>
    </message>
    <message>
        <source>FILE LIST</source>
        <translation>파일 목록</translation>
    </message>
    <message>
        <source>LOAD FILE</source>
        <translation>파일 불러오기</translation>
    </message>
    <message>
        <source>BAR GRAPH has no settings of its own on this page: the scroll speed belongs to the trends, the window number to the text view, the trend direction and source to the history view.</source>
        <translation>BAR GRAPH에는 이 페이지에서 설정할 것이 없습니다. 스크롤 속도는 트렌드, 창 개수는 텍스트 보기, 트렌드 방향과 읽을 위치는 히스토리 보기의 설정입니다.</translation>
    </message>
</context>
<context>
    <name>frmTD_P_Main</name>
    <message>
        <source>RECORD/DISPLAY Setup</source>
        <translation>SD 기록 및 표시채널 설정</translation>
    </message>
    <message>
        <source>SD 기록 및 표시채널 설정</source>
        <translation>SD 기록 및 표시채널 설정</translation>
    </message>
    <message>
        <source>SD 기록</source>
        <translation>SD 기록</translation>
    </message>
    <message>
        <source>RECORD TO SD CARD</source>
        <translation>SD 기록</translation>
    </message>
    <message>
        <source>닫기[&amp;C]</source>
        <translation>닫기(&amp;C)</translation>
    </message>
    <message>
        <source>DISPLAY GROUP</source>
        <translation>표시 그룹</translation>
    </message>
    <message>
        <source>A group shows at most %1 channels.</source>
        <translation>한 그룹에는 최대 %1개 채널을 표시합니다.</translation>
    </message>
    <message>
        <source>표시채널</source>
        <translation>표시채널</translation>
    </message>
    <message>
        <source>DISPLAY CHANNELS</source>
        <translation>표시채널</translation>
    </message>
</context>
<context>
    <name>frmTD_P_System</name>
    <message>
        <source>Colour %1 in this program&apos;s monitors</source>
        <translation>이 프로그램 모니터에서의 색상 %1</translation>
    </message>
    <message>
        <source>SYSTEM SETUP</source>
        <translation>시스템 설정</translation>
    </message>
    <message>
        <source>RECORD</source>
        <translation>기록</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>색상</translation>
    </message>
    <message>
        <source>DATE/TIME</source>
        <translation>날짜/시간</translation>
    </message>
    <message>
        <source>LANGUAGE/FILE</source>
        <translation>언어/파일</translation>
    </message>
    <message>
        <source>SAVE INTERVAL</source>
        <translation>저장 주기</translation>
    </message>
    <message>
        <source>POWER FAIL RESUME</source>
        <translation>정전 복귀</translation>
    </message>
    <message>
        <source>BEEP</source>
        <translation>부저</translation>
    </message>
    <message>
        <source>SCREEN SAVER</source>
        <translation>화면 보호기</translation>
    </message>
    <message>
        <source>REC. WITH BUFFER</source>
        <translation>버퍼 기록</translation>
    </message>
    <message>
        <source>PASSWORD</source>
        <translation>비밀번호</translation>
    </message>
    <message>
        <source>BACKGROUND</source>
        <translation>배경</translation>
    </message>
    <message>
        <source>CHANNEL COLOR</source>
        <translation>채널 색상</translation>
    </message>
    <message>
        <source>These are the colours of the recorder&apos;s own screen. This program&apos;s monitors and graph viewer draw each colour number in a colour of their own, shown in the row PC and beside each channel.</source>
        <translation>계기 자체 화면의 색상입니다. 이 프로그램의 모니터와 그래프 뷰어는 각 색상 번호를 자체 색상으로 그리며, 그 색상은 PC 행과 각 채널 옆에 보입니다.</translation>
    </message>
    <message>
        <source>The colour this program&apos;s monitors use</source>
        <translation>이 프로그램의 모니터가 쓰는 색상</translation>
    </message>
    <message>
        <source>CH.%1: colour %2 on the recorder</source>
        <translation>CH.%1: 계기 색상 %2</translation>
    </message>
    <message>
        <source>RESERVE RUN</source>
        <translation>예약 운전</translation>
    </message>
    <message>
        <source>RESERVE DATE</source>
        <translation>예약 일시</translation>
    </message>
    <message>
        <source>SYSTEM DATE</source>
        <translation>시스템 일시</translation>
    </message>
    <message>
        <source>The reserved start is set in the DATE/TIME window.</source>
        <translation>예약 시작은 날짜/시간 창에서 설정합니다.</translation>
    </message>
    <message>
        <source>PC TIME</source>
        <translation>PC 시각</translation>
    </message>
    <message>
        <source>Puts the PC&apos;s date and time into the system date boxes</source>
        <translation>PC의 날짜와 시간을 시스템 일시 칸에 넣습니다</translation>
    </message>
    <message>
        <source>SET</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>PC DATE/TIME</source>
        <translation>PC 날짜/시간</translation>
    </message>
    <message>
        <source>SERIAL RS232C SETTING</source>
        <translation>RS232C 통신 설정</translation>
    </message>
    <message>
        <source>SERIAL RS422/485 SETTING</source>
        <translation>RS422/485 통신 설정</translation>
    </message>
    <message>
        <source>MACHINE ADDRESS</source>
        <translation>국번</translation>
    </message>
    <message>
        <source>PROTOCOL</source>
        <translation>프로토콜</translation>
    </message>
    <message>
        <source>BAUD RATE</source>
        <translation>통신 속도</translation>
    </message>
    <message>
        <source>PARITY</source>
        <translation>패리티</translation>
    </message>
    <message>
        <source>DATA LENGTH</source>
        <translation>데이터 길이</translation>
    </message>
    <message>
        <source>STOP BIT</source>
        <translation>정지 비트</translation>
    </message>
    <message>
        <source>RESP.TIME (ms)</source>
        <translation>응답 시간 (ms)</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>SAVE FILE NAME</source>
        <translation>저장 파일 이름</translation>
    </message>
    <message>
        <source>PARAMETERS LOAD/SAVE</source>
        <translation>파라미터 불러오기/저장</translation>
    </message>
    <message>
        <source>LOAD CFG. FILE</source>
        <translation>설정 파일 불러오기</translation>
    </message>
    <message>
        <source>SAVE CFG. FILE</source>
        <translation>설정 파일 저장</translation>
    </message>
    <message>
        <source>Disable Character.</source>
        <comment>the SD card file name</comment>
        <translation>허용되지 않는 문자입니다. 파일 이름에는 영문자, 숫자와 ( ) + - * / % , . [ ] $ 만 쓸 수 있습니다.</translation>
    </message>
    <message>
        <source>CH.%1 in this program&apos;s monitors</source>
        <translation>이 프로그램 모니터에서의 CH.%1</translation>
    </message>
    <message>
        <source>as read, not running</source>
        <translation>읽은 시각 그대로, 흐르지 않음</translation>
    </message>
    <message>
        <source>The meter&apos;s clock when its settings were read. The DATE/TIME window shows the meter&apos;s clock as it runs.</source>
        <translation>설정을 읽을 때의 계기 시계입니다. 계기 시계가 흐르는 것은 날짜/시간 예약 창에서 볼 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>frmTD_Parameter</name>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>다른 이름으로 저장</translation>
    </message>
    <message>
        <source>TD700 Config Files(*.CFG *.cfg)</source>
        <translation>TD700 설정 파일 (*.CFG *.cfg)</translation>
    </message>
    <message>
        <source>TD700 Config Text(*.txt)</source>
        <translation>TD700 설정 텍스트 (*.txt)</translation>
    </message>
    <message>
        <source>Parameter Setup</source>
        <translation>파라미터 설정</translation>
    </message>
    <message>
        <source>MATH. FUNCTION (M AREA)</source>
        <translation>연산 수식 (M 영역)</translation>
    </message>
    <message>
        <source>MATH. FUNCTION (CH MATH. TYPE)</source>
        <translation>연산 수식 (채널 연산)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>새로 만들기(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>열기(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>저장(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>다른 이름으로 저장(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Upload (TD700 =&gt; PC)</source>
        <translation>업로드(&amp;U) (TD700 =&gt; PC)</translation>
    </message>
    <message>
        <source>&amp;Download (PC =&gt; TD700)</source>
        <translation>다운로드(&amp;D) (PC =&gt; TD700)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>닫기(&amp;C)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>파일 이름</translation>
    </message>
    <message>
        <source>Upload/Download</source>
        <translation>업로드/다운로드</translation>
    </message>
    <message>
        <source>the port was closed</source>
        <translation>포트가 닫혔습니다</translation>
    </message>
    <message>
        <source>meter [%1] stopped answering</source>
        <translation>계기 [%1]이(가) 응답하지 않습니다</translation>
    </message>
    <message>
        <source>%1 channels, firmware %2</source>
        <translation>%1채널, 펌웨어 %2</translation>
    </message>
    <message>
        <source>, from meter [%1]</source>
        <translation>, 계기 [%1]에서 읽음</translation>
    </message>
    <message>
        <source>, from the file</source>
        <translation>, 파일에서 읽음</translation>
    </message>
    <message>
        <source>, new set</source>
        <translation>, 새 세트</translation>
    </message>
    <message>
        <source> - 1 value changed (marked)</source>
        <translation> - 값 1개 변경됨(표시됨)</translation>
    </message>
    <message>
        <source> - %1 values changed (marked)</source>
        <translation> - 값 %1개 변경됨(표시됨)</translation>
    </message>
    <message>
        <source>, not saved</source>
        <translation>, 저장 안 됨</translation>
    </message>
    <message>
        <source>Reading the settings of meter [%1] ... the tables are filled when the read completes.</source>
        <translation>계기 [%1]의 설정을 읽는 중... 읽기가 끝나면 표가 채워집니다.</translation>
    </message>
    <message>
        <source>common settings</source>
        <translation>공통 설정</translation>
    </message>
    <message>
        <source>The settings of meter [%1] were not read completely (missing: %2). The tables do not show them.</source>
        <translation>계기 [%1]의 설정을 모두 읽지 못했습니다(누락: %2). 표에는 표시하지 않습니다.</translation>
    </message>
    <message>
        <source> Upload them when the meter answers again.</source>
        <translation> 계기가 다시 응답하면 업로드하십시오.</translation>
    </message>
    <message>
        <source> Upload to read them again.</source>
        <translation> 다시 읽으려면 업로드하십시오.</translation>
    </message>
    <message>
        <source>

Upload them again now?</source>
        <translation>

지금 다시 업로드하시겠습니까?</translation>
    </message>
    <message>
        <source>The parameter set has changes that are not saved.
%1 anyway and lose them?</source>
        <translation>파라미터 세트에 저장하지 않은 변경 내용이 있습니다.
변경 내용을 버리고 %1?</translation>
    </message>
    <message>
        <source>Start a new set</source>
        <translation>새 세트를 시작할까요</translation>
    </message>
    <message>
        <source>Open another file</source>
        <translation>다른 파일을 열까요</translation>
    </message>
    <message>
        <source>Not opened: %1 The tables are unchanged.</source>
        <translation>열지 못했습니다: %1 표는 바뀌지 않았습니다.</translation>
    </message>
    <message>
        <source>Not saved: %1 The file on disk is unchanged.</source>
        <translation>저장하지 못했습니다: %1 디스크의 파일은 바뀌지 않았습니다.</translation>
    </message>
    <message>
        <source>Saved %1 (%2 bytes).</source>
        <translation>%1을(를) 저장했습니다(%2바이트).</translation>
    </message>
    <message>
        <source>Upload from meter [%1]</source>
        <translation>계기 [%1]에서 업로드할까요</translation>
    </message>
    <message>
        <source>The upload could not start: meter [%1] is not ready.</source>
        <translation>업로드를 시작할 수 없습니다: 계기 [%1]이(가) 준비되지 않았습니다.</translation>
    </message>
    <message>
        <source>Parameter Uploading(TD700==&gt;PC) ...</source>
        <translation>파라미터 업로드 중 (TD700 =&gt; PC) ...</translation>
    </message>
    <message>
        <source>The download could not start: meter [%1] is not ready.</source>
        <translation>다운로드를 시작할 수 없습니다: 계기 [%1]이(가) 준비되지 않았습니다.</translation>
    </message>
    <message>
        <source>Parameter Downloading(PC==&gt;TD700) ...</source>
        <translation>파라미터 다운로드 중 (PC =&gt; TD700) ...</translation>
    </message>
    <message>
        <source>the file %1</source>
        <translation>파일 %1</translation>
    </message>
    <message>
        <source>the set uploaded from meter [%1]</source>
        <translation>계기 [%1]에서 업로드한 세트</translation>
    </message>
    <message>
        <source>the new set</source>
        <translation>새 세트</translation>
    </message>
    <message>
        <source>, with the changes made here</source>
        <translation>(여기서 바꾼 내용 포함)</translation>
    </message>
    <message>
        <source>Write %1 (%2 channels, firmware %3) to meter [%4] (%5 channels, firmware %6) on %7?

This replaces the meter&apos;s settings.</source>
        <translation>%1(%2채널, 펌웨어 %3)을(를) %7의 계기 [%4](%5채널, 펌웨어 %6)에 쓰시겠습니까?

계기의 설정이 바뀝니다.</translation>
    </message>
    <message>
        <source>

The set is not for this meter&apos;s model and firmware.</source>
        <translation>

이 세트는 이 계기의 모델 및 펌웨어용이 아닙니다.</translation>
    </message>
    <message>
        <source>The upload did not complete: %1. The tables are unchanged.</source>
        <translation>업로드가 끝나지 않았습니다: %1. 표는 바뀌지 않았습니다.</translation>
    </message>
    <message>
        <source>The download did not complete: %1. The meter may hold part of the new settings; download again.</source>
        <translation>다운로드가 끝나지 않았습니다: %1. 계기에 새 설정의 일부만 들어갔을 수 있으니 다시 다운로드하십시오.</translation>
    </message>
    <message>
        <source>The upload from meter [%1] is still running.
Stop it and close?</source>
        <translation>계기 [%1]에서 업로드하는 중입니다.
중지하고 닫을까요?</translation>
    </message>
    <message>
        <source>The download to meter [%1] is still running; stopping it leaves the meter with part of the new settings.
Stop it and close?</source>
        <translation>계기 [%1](으)로 다운로드하는 중입니다. 중지하면 계기에 새 설정의 일부만 남습니다.
중지하고 닫을까요?</translation>
    </message>
    <message>
        <source>Close the window</source>
        <translation>창을 닫을까요</translation>
    </message>
    <message>
        <source>Cance&amp;l</source>
        <translation>취소(&amp;L)</translation>
    </message>
    <message>
        <source>meter %1</source>
        <translation>계기 %1</translation>
    </message>
    <message>
        <source>Meter %1. Its settings are asked again until it answers; Cancel returns to monitoring.</source>
        <translation>계기 %1. 응답할 때까지 설정을 다시 요청합니다. 취소하면 모니터링으로 돌아갑니다.</translation>
    </message>
    <message>
        <source>The upload was cancelled. The tables are unchanged.</source>
        <translation>업로드를 취소했습니다. 표는 바뀌지 않았습니다.</translation>
    </message>
    <message>
        <source>The download was cancelled. The meter may hold part of the new settings; download again.</source>
        <translation>다운로드를 취소했습니다. 계기에 새 설정의 일부만 들어갔을 수 있으니 다시 다운로드하십시오.</translation>
    </message>
    <message>
        <source>Reading the settings of meter [%1] was cancelled; monitoring goes on. Upload reads them when the meter answers.</source>
        <translation>계기 [%1]의 설정 읽기를 취소했습니다. 모니터링은 계속됩니다. 계기가 응답하면 업로드로 읽을 수 있습니다.</translation>
    </message>
    <message numerus="yes">
        <source>

Logging and publishing pause for the transfer (about %n second(s)); every meter&apos;s data files show the gap.</source>
        <translation>
            <numerusform>

전송하는 동안(약 %n초) 데이터 기록과 발행이 멈추며, 모든 계기의 데이터 파일에 그 공백이 남습니다.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmTD_SetMC</name>
    <message>
        <source>Use</source>
        <translation>사용</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>메모</translation>
    </message>
    <message>
        <source>Click in the first column to use an address or not; type in the second column to note what the meter is.</source>
        <translation>첫째 열을 누르면 주소를 사용하거나 사용하지 않고, 둘째 열에는 계기에 대한 메모를 적습니다.</translation>
    </message>
    <message>
        <source>Row n is slave address n. Mark the addresses in use with &quot;O&quot;.</source>
        <translation>n번째 행은 슬레이브 주소 n입니다. 사용하는 주소에 &quot;O&quot;를 표시하십시오.</translation>
    </message>
    <message>
        <source>Line %1 of %2 has no tab: it and the lines after it are shown empty and are written so when you press OK.</source>
        <translation>%2의 %1번째 줄에 탭이 없습니다: 그 줄과 그 뒤의 줄은 빈 줄로 표시되며, 확인을 누르면 그대로 저장됩니다.</translation>
    </message>
    <message>
        <source>The %1 lines after line %2 name no slave address; OK does not keep them.</source>
        <translation>%2번째 줄 뒤의 %1줄은 슬레이브 주소가 아니므로 확인을 누르면 없어집니다.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>확인(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>취소(&amp;C)</translation>
    </message>
    <message>
        <source>Check.</source>
        <translation>사용할 계기를 하나 이상 &quot;O&quot;로 표시하십시오.</translation>
    </message>
    <message>
        <source>Meter List</source>
        <translation>계기 목록</translation>
    </message>
</context>
<context>
    <name>frmTD_SetPlant</name>
    <message>
        <source>Watch a Broker</source>
        <translation>브로커 감시</translation>
    </message>
    <message>
        <source>Every meter of every bus PC that publishes to the broker, shown from the broker alone: no port is opened and nothing is written to a meter.</source>
        <translation>브로커에 발행하는 모든 버스 PC의 모든 계기를 브로커만으로 보여 줍니다: 포트를 열지 않고 계기에 아무것도 쓰지 않습니다.</translation>
    </message>
    <message>
        <source>Broker</source>
        <translation>브로커</translation>
    </message>
    <message>
        <source>none</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>User</source>
        <translation>사용자</translation>
    </message>
    <message>
        <source>Password file</source>
        <translation>암호 파일</translation>
    </message>
    <message>
        <source>CA certificate</source>
        <translation>CA 인증서</translation>
    </message>
    <message>
        <source>the system&apos;s</source>
        <translation>시스템 기본</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>감시</translation>
    </message>
</context>
<context>
    <name>frmTD_SetPort</name>
    <message>
        <source>Port Setup</source>
        <translation>포트 설정</translation>
    </message>
    <message>
        <source>COM1, /dev/ttyUSB0, tcp://host:502 or DEMO</source>
        <translation>COM1, /dev/ttyUSB0, tcp://호스트:502 또는 DEMO</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Off: every meter in every cycle</source>
        <translation>끔: 모든 계기를 매 주기마다</translation>
    </message>
    <message>
        <source>Back off up to %1 cycles</source>
        <translation>최대 %1주기까지 요청 줄임</translation>
    </message>
    <message>
        <source>A meter that stopped answering costs the others about three time-outs per cycle. With back-off it is asked only every 2, 4, 8 ... cycles, up to the chosen limit, and in every cycle again as soon as it answers.</source>
        <translation>응답하지 않는 계기는 주기마다 시간 초과 약 세 번만큼 다른 계기를 늦춥니다. 요청 줄임을 켜면 그 계기는 고른 한도까지 2, 4, 8 ... 주기마다 한 번만 요청하고, 응답하면 바로 매 주기 요청으로 돌아갑니다.</translation>
    </message>
    <message>
        <source>Serial line</source>
        <translation>통신 회선</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>포트</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>통신 속도</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>패리티</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>데이터 비트</translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation>정지 비트</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>프로토콜</translation>
    </message>
    <message>
        <source>RTS control</source>
        <translation>RTS 제어</translation>
    </message>
    <message>
        <source>Request interval</source>
        <translation>요청 간격</translation>
    </message>
    <message>
        <source>Silent meters</source>
        <translation>응답 없는 계기</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>확인(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>취소(&amp;C)</translation>
    </message>
    <message>
        <source>Shortest</source>
        <translation>최소</translation>
    </message>
    <message>
        <source>Pause of the scheduler between requests (standard 50 ms). It never goes below the silence a frame needs at the chosen baud rate; Shortest sends the next request as soon as that silence has passed after the reply.</source>
        <translation>요청과 요청 사이의 대기 시간(표준 50 ms). 선택한 통신 속도에서 프레임 사이에 필요한 무신호 시간보다 짧아지지 않습니다. 최소로 하면 응답이 끝나고 그 무신호 시간이 지나자마자 다음 요청을 보냅니다.</translation>
    </message>
</context>
<context>
    <name>frmTD_Set_DSave</name>
    <message>
        <source>Data Save Setup</source>
        <translation>데이터 저장 설정</translation>
    </message>
    <message>
        <source>Click to choose the folder of the data files</source>
        <translation>눌러서 데이터 파일 폴더를 고르십시오</translation>
    </message>
    <message>
        <source>Folder...</source>
        <translation>폴더...</translation>
    </message>
    <message>
        <source>One file per day</source>
        <translation>하루에 파일 하나</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>주기</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>폴더</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>파일 이름</translation>
    </message>
    <message>
        <source>New file at (HH:MM)</source>
        <translation>새 파일 시각(HH:MM)</translation>
    </message>
    <message>
        <source>Folder of the data files</source>
        <translation>데이터 파일 폴더</translation>
    </message>
    <message>
        <source>Not saved: the folder %1 cannot be created.</source>
        <translation>저장되지 않았습니다: 폴더 %1을(를) 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>-. DEVICE = 1 :  _01_YYYYMMDD.TDD
-. DEVICE = 99 :  _99_YYYYMMDD.</source>
        <translation>-. 계기 = 1 :  _01_YYYYMMDD.TDD
-. 계기 = 99 :  _99_YYYYMMDD.TDD</translation>
    </message>
    <message>
        <source>-. DEVICE = 1 :  _01.TDD
-. DEVICE = 99 :  _99.TDD</source>
        <translation>-. 계기 = 1 :  _01.TDD
-. 계기 = 99 :  _99.TDD</translation>
    </message>
    <message>
        <source>Select Folder.</source>
        <translation>폴더를 고르십시오.</translation>
    </message>
    <message>
        <source>Input Filename.</source>
        <translation>파일 이름을 입력하십시오.</translation>
    </message>
    <message>
        <source>all</source>
        <translation>전체</translation>
    </message>
    <message>
        <source>e.g. 10% or 2G</source>
        <translation>예: 10% 또는 2G</translation>
    </message>
    <message>
        <source>The oldest daily files are deleted while the disk has less free space than this: a size (500M, 2G) or a share of the disk (10%). Files whose records the broker has not acknowledged stay.</source>
        <translation>디스크의 여유 공간이 이보다 적으면 가장 오래된 일별 파일부터 삭제합니다: 크기(500M, 2G) 또는 디스크의 비율(10%). 브로커가 확인하지 않은 레코드가 있는 파일은 남습니다.</translation>
    </message>
    <message>
        <source>days; free space</source>
        <translation>일; 여유 공간</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>보관</translation>
    </message>
    <message>
        <source>Free space to keep: a size such as 500M or 2G, or a share of the disk below 100% such as 10%.</source>
        <translation>유지할 여유 공간: 500M, 2G 같은 크기 또는 10% 같은 100% 미만의 디스크 비율.</translation>
    </message>
</context>
<context>
    <name>frmTD_Set_Publish</name>
    <message>
        <source>Publish Setup</source>
        <translation>발행 설정</translation>
    </message>
    <message>
        <source>Publish every saved record to an MQTT broker</source>
        <translation>저장한 모든 기록을 MQTT 브로커에 발행</translation>
    </message>
    <message>
        <source>Broker</source>
        <translation>브로커</translation>
    </message>
    <message>
        <source>Node</source>
        <translation>노드</translation>
    </message>
    <message>
        <source>User</source>
        <translation>사용자</translation>
    </message>
    <message>
        <source>none</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>Password file</source>
        <translation>암호 파일</translation>
    </message>
    <message>
        <source>CA certificate</source>
        <translation>CA 인증서</translation>
    </message>
    <message>
        <source>the system&apos;s</source>
        <translation>시스템 기본</translation>
    </message>
    <message>
        <source>Client certificate</source>
        <translation>클라이언트 인증서</translation>
    </message>
    <message>
        <source>Client key</source>
        <translation>클라이언트 키</translation>
    </message>
    <message>
        <source>0 - at most once</source>
        <translation>0 - 최대 한 번</translation>
    </message>
    <message>
        <source>1 - every record, nothing lost</source>
        <translation>1 - 모든 기록, 손실 없음</translation>
    </message>
    <message>
        <source>QoS</source>
        <translation>QoS</translation>
    </message>
    <message>
        <source> s</source>
        <translation>초</translation>
    </message>
    <message>
        <source>Keep-alive</source>
        <translation>연결 유지</translation>
    </message>
    <message>
        <source> days</source>
        <translation>일</translation>
    </message>
    <message>
        <source>Catch up at most</source>
        <translation>밀린 기록 최대 기간</translation>
    </message>
    <message>
        <source>Records are published while the port is open. What the broker does not get is sent from the data files when it is back.</source>
        <translation>포트가 열려 있는 동안 기록을 발행합니다. 브로커가 받지 못한 기록은 다시 연결되면 데이터 파일에서 보냅니다.</translation>
    </message>
    <message>
        <source>Publish as a Sparkplug B edge node (instead of the JSON topics; the broker&apos;s prefix is not used)</source>
        <translation>Sparkplug B 에지 노드로 발행(JSON 토픽 대신. 브로커의 PREFIX는 쓰지 않음)</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>그룹</translation>
    </message>
    <message>
        <source>Primary host</source>
        <translation>기본 호스트</translation>
    </message>
    <message>
        <source>Group: a Sparkplug B node needs its group</source>
        <translation>그룹: Sparkplug B 노드에는 그룹이 있어야 합니다</translation>
    </message>
</context>
</TS>
