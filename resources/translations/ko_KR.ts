<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Vidorna</source>
        <translation>Vidorna 정보</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>홈페이지</translation>
    </message>
    <message>
        <source>Copyright © 2026 Peltrane Software.</source>
        <translation>Copyright © 2026 Peltrane Software.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>All rights reserved.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>버전 %1</translation>
    </message>
</context>
<context>
    <name>BorderEditingWidgetController</name>
    <message>
        <source>Border Size &amp; Color</source>
        <translation>테두리 크기 및 색상</translation>
    </message>
</context>
<context>
    <name>CameraDialog</name>
    <message>
        <source>No camera</source>
        <translation>카메라 없음</translation>
    </message>
    <message>
        <source>Opening camera...</source>
        <translation>카메라를 여는 중...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Retake</source>
        <translation>다시 찍기</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>사용</translation>
    </message>
    <message>
        <source>Capture video</source>
        <translation>동영상 촬영</translation>
    </message>
    <message>
        <source>Capture still image</source>
        <translation>사진 촬영</translation>
    </message>
    <message>
        <source>Toggle Capture Type
Current: %1</source>
        <translation>촬영 유형 전환
현재: %1</translation>
    </message>
    <message>
        <source>Capture Error</source>
        <translation>촬영 오류</translation>
    </message>
    <message>
        <source>The recording was not saved.</source>
        <translation>녹화가 저장되지 않았습니다.</translation>
    </message>
    <message>
        <source>Camera Error</source>
        <translation>카메라 오류</translation>
    </message>
    <message>
        <source>Image Capture Error</source>
        <translation>사진 촬영 오류</translation>
    </message>
</context>
<context>
    <name>CanvasWidget</name>
    <message>
        <source>Edit Text</source>
        <translation>텍스트 편집</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>텍스트 추가</translation>
    </message>
    <message>
        <source>Enter text here</source>
        <translation>여기에 텍스트를 입력하세요</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Insert a Picture</source>
        <translation>사진 삽입</translation>
    </message>
</context>
<context>
    <name>CommonMainWindow</name>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
</context>
<context>
    <name>CrashHandler</name>
    <message>
        <source>App crash catched!</source>
        <translation>앱이 비정상 종료되었습니다!</translation>
    </message>
    <message>
        <source>%1: 0x%2</source>
        <translation>%1: 0x%2</translation>
    </message>
    <message>
        <source>Error code</source>
        <translation>오류 코드</translation>
    </message>
    <message>
        <source>Error address</source>
        <translation>오류 주소</translation>
    </message>
    <message>
        <source>Crash report &apos;%1&apos; has been saved to %2</source>
        <translation>충돌 보고서 &apos;%1&apos;이(가) %2에 저장되었습니다</translation>
    </message>
    <message>
        <source>Crash Occurs</source>
        <translation>충돌 발생</translation>
    </message>
</context>
<context>
    <name>CropAreaWidget</name>
    <message>
        <source>Feathering %1%</source>
        <translation>페더링 %1%</translation>
    </message>
</context>
<context>
    <name>DesktopMainWindow</name>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>25%</source>
        <translation>25%</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50%</translation>
    </message>
    <message>
        <source>540p</source>
        <translation>540p</translation>
    </message>
    <message>
        <source>75%</source>
        <translation>75%</translation>
    </message>
    <message>
        <source>Export the movie</source>
        <translation>동영상 내보내기</translation>
    </message>
    <message>
        <source>Fullscreen Preview</source>
        <translation>전체 화면 미리보기</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>숨기기</translation>
    </message>
    <message>
        <source>MainWindow</source>
        <translation>메인 창</translation>
    </message>
    <message>
        <source>Movie configuration</source>
        <translation>동영상 설정</translation>
    </message>
    <message>
        <source>Next position</source>
        <translation>다음 위치</translation>
    </message>
    <message>
        <source>No editing segment</source>
        <translation>편집 중인 세그먼트가 없습니다</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>재생/일시 정지</translation>
    </message>
    <message>
        <source>Preview Resolution</source>
        <translation>미리보기 해상도</translation>
    </message>
    <message>
        <source>Preview Scale</source>
        <translation>미리보기 배율</translation>
    </message>
    <message>
        <source>Preview resolution</source>
        <translation>미리보기 해상도</translation>
    </message>
    <message>
        <source>Preview scale</source>
        <translation>미리보기 배율</translation>
    </message>
    <message>
        <source>Previous position</source>
        <translation>이전 위치</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Save &amp;&amp; Close</source>
        <translation>저장 후 닫기</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>View</source>
        <translation>보기</translation>
    </message>
    <message>
        <source>Media Explorer</source>
        <translation>미디어 탐색기</translation>
    </message>
    <message>
        <source>Segment Inspector</source>
        <translation>세그먼트 속성</translation>
    </message>
    <message>
        <source>Segment</source>
        <translation>세그먼트</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>전환</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>동영상</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Vidorna Help</source>
        <translation>Vidorna 도움말</translation>
    </message>
    <message>
        <source>Get Vidorna on Smartphones</source>
        <translation>스마트폰용 Vidorna 받기</translation>
    </message>
    <message>
        <source>About Vidorna</source>
        <translation>Vidorna 정보</translation>
    </message>
    <message>
        <source>Cropping...</source>
        <translation>자르는 중...</translation>
    </message>
    <message>
        <source>Editing...</source>
        <translation>편집 중...</translation>
    </message>
    <message>
        <source>Drawing...</source>
        <translation>그리는 중...</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>선형</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1 In</source>
        <translation>%1 시작</translation>
    </message>
    <message>
        <source>%1 Out</source>
        <translation>%1 끝</translation>
    </message>
    <message>
        <source>%1 InOut</source>
        <translation>%1 시작·끝</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>부드럽게</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>원형</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>백</translation>
    </message>
    <message>
        <source>Elastic</source>
        <translation>탄성</translation>
    </message>
    <message>
        <source>Bounce</source>
        <translation>바운스</translation>
    </message>
</context>
<context>
    <name>DoneButtonEditingWidget</name>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
</context>
<context>
    <name>DrawingCommonToolsWidget</name>
    <message>
        <source>Free Pencil</source>
        <translation>자유 연필</translation>
    </message>
    <message>
        <source>Spray</source>
        <translation>스프레이</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>텍스처</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>지우개</translation>
    </message>
    <message>
        <source>Clear Painting</source>
        <translation>그림 지우기</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>다시 실행</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>선 굵기</translation>
    </message>
    <message>
        <source>Straight Line</source>
        <translation>직선</translation>
    </message>
    <message>
        <source>Rectangle Outline</source>
        <translation>사각형 윤곽선</translation>
    </message>
    <message>
        <source>Filled Rectangle</source>
        <translation>채워진 사각형</translation>
    </message>
    <message>
        <source>Round Rectangle Outline</source>
        <translation>둥근 사각형 윤곽선</translation>
    </message>
    <message>
        <source>Filled Round Rectangle</source>
        <translation>채워진 둥근 사각형</translation>
    </message>
    <message>
        <source>Circle Outline</source>
        <translation>원 윤곽선</translation>
    </message>
    <message>
        <source>Filled Circle</source>
        <translation>채워진 원</translation>
    </message>
    <message>
        <source>Ellipse Outline</source>
        <translation>타원 윤곽선</translation>
    </message>
    <message>
        <source>Filled Ellipse</source>
        <translation>채워진 타원</translation>
    </message>
    <message>
        <source>Triangle Outline</source>
        <translation>삼각형 윤곽선</translation>
    </message>
    <message>
        <source>Filled Triangle</source>
        <translation>채워진 삼각형</translation>
    </message>
    <message>
        <source>Rhombus Outline</source>
        <translation>마름모 윤곽선</translation>
    </message>
    <message>
        <source>Filled Rhombus</source>
        <translation>채워진 마름모</translation>
    </message>
    <message>
        <source>Pentagram Outline</source>
        <translation>별 윤곽선</translation>
    </message>
    <message>
        <source>Filled Pentagram</source>
        <translation>채워진 별</translation>
    </message>
    <message>
        <source>Pentagon Outline</source>
        <translation>오각형 윤곽선</translation>
    </message>
    <message>
        <source>Filled Pentagon</source>
        <translation>채워진 오각형</translation>
    </message>
    <message>
        <source>Heart Outline</source>
        <translation>하트 윤곽선</translation>
    </message>
    <message>
        <source>Filled Heart</source>
        <translation>채워진 하트</translation>
    </message>
    <message>
        <source>Save to Album</source>
        <translation>앨범에 저장</translation>
    </message>
    <message>
        <source>Insert Text</source>
        <translation>텍스트 삽입</translation>
    </message>
    <message>
        <source>Insert Picture</source>
        <translation>사진 삽입</translation>
    </message>
    <message>
        <source>Stroke Hardness</source>
        <translation>획 경도</translation>
    </message>
    <message>
        <source>Linear Gradient</source>
        <translation>선형 그라데이션</translation>
    </message>
    <message>
        <source>Radial Gradient</source>
        <translation>원형 그라데이션</translation>
    </message>
    <message>
        <source>Switch between pencil and eraser</source>
        <translation>연필과 지우개 전환</translation>
    </message>
    <message>
        <source>Dashed Line</source>
        <translation>파선</translation>
    </message>
    <message>
        <source>Dotted Line</source>
        <translation>점선</translation>
    </message>
    <message>
        <source>Arrow Line</source>
        <translation>화살표</translation>
    </message>
</context>
<context>
    <name>DrawingTuningWidget</name>
    <message>
        <source>Form</source>
        <translation>양식</translation>
    </message>
    <message>
        <source>Select picture</source>
        <translation>사진 선택</translation>
    </message>
    <message>
        <source>Picture size</source>
        <translation>사진 크기</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Change text</source>
        <translation>텍스트 변경</translation>
    </message>
    <message>
        <source>Text alignment</source>
        <translation>텍스트 정렬</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>텍스트 크기</translation>
    </message>
    <message>
        <source>Text font</source>
        <translation>텍스트 글꼴</translation>
    </message>
    <message>
        <source>Line width</source>
        <translation>선 굵기</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>경도</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>텍스트 크기</translation>
    </message>
    <message>
        <source>Picture Size</source>
        <translation>사진 크기</translation>
    </message>
</context>
<context>
    <name>EditButtonEditingWidget</name>
    <message>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
</context>
<context>
    <name>EditButtonEditingWidgetController</name>
    <message>
        <source>Text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>텍스트 편집</translation>
    </message>
    <message>
        <source>Self-Draw</source>
        <translation>직접 그리기</translation>
    </message>
    <message>
        <source>Edit Drawing</source>
        <translation>그림 편집</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>사진</translation>
    </message>
    <message>
        <source>Change Photo</source>
        <translation>사진 변경</translation>
    </message>
</context>
<context>
    <name>EditableGradientWidget</name>
    <message>
        <source>Choose Color</source>
        <translation>색상 선택</translation>
    </message>
    <message>
        <source>No Color</source>
        <translation>색상 없음</translation>
    </message>
</context>
<context>
    <name>FullscreenControlWidget</name>
    <message>
        <source>Form</source>
        <translation>양식</translation>
    </message>
    <message>
        <source>Previous position</source>
        <translation>이전 위치</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>재생/일시 정지</translation>
    </message>
    <message>
        <source>Next position</source>
        <translation>다음 위치</translation>
    </message>
    <message>
        <source>Exit fullscreen</source>
        <translation>전체 화면 종료</translation>
    </message>
</context>
<context>
    <name>GeometryEditingWidget</name>
    <message>
        <source>Geometry</source>
        <translation>지오메트리</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>Rotate Clockwise</source>
        <translation>시계 방향으로 회전</translation>
    </message>
    <message>
        <source>Rotate Counterclockwise</source>
        <translation>시계 반대 방향으로 회전</translation>
    </message>
    <message>
        <source>Crop &amp; Feathering</source>
        <translation>자르기 및 페더링</translation>
    </message>
    <message>
        <source>Flip Horizontally</source>
        <translation>좌우 반전</translation>
    </message>
    <message>
        <source>Flip Vertically</source>
        <translation>상하 반전</translation>
    </message>
    <message>
        <source>Maintain aspect ratio</source>
        <translation>가로세로 비율 유지</translation>
    </message>
    <message>
        <source>Restore the default</source>
        <translation>기본값으로 복원</translation>
    </message>
    <message>
        <source>Perspective (Four-point positioning)</source>
        <translation>원근 (4점 위치 지정)</translation>
    </message>
    <message>
        <source>Top Left Corner</source>
        <translation>왼쪽 위 모서리</translation>
    </message>
    <message>
        <source>Top Right Corner</source>
        <translation>오른쪽 위 모서리</translation>
    </message>
    <message>
        <source>Bottom Right Corner</source>
        <translation>오른쪽 아래 모서리</translation>
    </message>
    <message>
        <source>Bottom Left Corner</source>
        <translation>왼쪽 아래 모서리</translation>
    </message>
</context>
<context>
    <name>GiphyGifsWidget</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
    <message>
        <source>Search GIPHY</source>
        <translation>GIPHY 검색</translation>
    </message>
    <message>
        <source>Network error (code=%1)</source>
        <translation>네트워크 오류 (코드=%1)</translation>
    </message>
    <message>
        <source>Network error (code=%1 %2)</source>
        <translation>네트워크 오류 (코드=%1 %2)</translation>
    </message>
    <message>
        <source>Network failed (Status code=%1)</source>
        <translation>네트워크 요청 실패 (상태 코드=%1)</translation>
    </message>
    <message>
        <source>Parse data error (code=%1)</source>
        <translation>데이터 분석 오류 (코드=%1)</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>새로 고침</translation>
    </message>
    <message>
        <source>Downloading file...</source>
        <translation>파일 다운로드 중...</translation>
    </message>
    <message>
        <source>Download error (code=%1)</source>
        <translation>다운로드 오류 (코드=%1)</translation>
    </message>
</context>
<context>
    <name>HorizontalMediaExplorerWidget</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Show pictures only</source>
        <translation>사진만 표시</translation>
    </message>
    <message>
        <source>Show videos only</source>
        <translation>동영상만 표시</translation>
    </message>
    <message>
        <source>Show music only</source>
        <translation>음악만 표시</translation>
    </message>
    <message>
        <source>Show media from the system Photos and Music app</source>
        <translation>시스템 사진 및 음악 앱의 미디어 표시</translation>
    </message>
    <message>
        <source>Show media from the In-App Library</source>
        <translation>앱 내 라이브러리의 미디어 표시</translation>
    </message>
    <message>
        <source>Show media from the Local Files (iTunes File Sharing) folder</source>
        <translation>로컬 파일(iTunes 파일 공유) 폴더의 미디어 표시</translation>
    </message>
</context>
<context>
    <name>LocalFilesWidget</name>
    <message>
        <source>Form</source>
        <translation>양식</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>동영상</translation>
    </message>
    <message>
        <source>All</source>
        <translation>전체</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>비디오</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>사진</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>오디오</translation>
    </message>
    <message>
        <source>Directory not found</source>
        <translation>폴더를 찾을 수 없습니다</translation>
    </message>
    <message>
        <source>Select Directory...</source>
        <translation>폴더 선택...</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>폴더 선택</translation>
    </message>
    <message>
        <source>Icon Mode</source>
        <translation>아이콘 보기</translation>
    </message>
    <message>
        <source>List Mode</source>
        <translation>목록 보기</translation>
    </message>
    <message>
        <source>Show in File Explorer</source>
        <translation>파일 탐색기에서 보기</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Maintain aspect ratio</source>
        <translation>가로세로 비율 유지</translation>
    </message>
    <message>
        <source>Restore the default</source>
        <translation>기본값으로 복원</translation>
    </message>
    <message>
        <source>Fill the screen</source>
        <translation>화면 채우기</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>텍스트 편집</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>원본 크기</translation>
    </message>
    <message>
        <source>Edit Drawing</source>
        <translation>그리기 편집</translation>
    </message>
    <message>
        <source>Editing properties applied to all %1 segments</source>
        <translation>편집 속성을 모든 %1 세그먼트에 적용했습니다</translation>
    </message>
    <message>
        <source>video</source>
        <translation>동영상</translation>
    </message>
    <message>
        <source>image</source>
        <translation>이미지</translation>
    </message>
    <message>
        <source>self-draw</source>
        <translation>직접 그리기</translation>
    </message>
    <message>
        <source>text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>music</source>
        <translation>음악</translation>
    </message>
    <message>
        <source>voice</source>
        <translation>음성</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>다시 실행</translation>
    </message>
    <message>
        <source>Enter Range Selection</source>
        <translation>범위 선택 시작</translation>
    </message>
    <message>
        <source>Toggle Insert/Overwite Mode</source>
        <translation>삽입/덮어쓰기 모드 전환</translation>
    </message>
    <message>
        <source>Finish Editing</source>
        <translation>편집 완료</translation>
    </message>
    <message>
        <source>Edit Transitions</source>
        <translation>전환 효과 편집</translation>
    </message>
    <message>
        <source>Finish Editing Transitions</source>
        <translation>전환 효과 편집 완료</translation>
    </message>
    <message>
        <source>Cancel Range Selection</source>
        <translation>범위 선택 취소</translation>
    </message>
    <message>
        <source>Overwrite Mode On</source>
        <translation>덮어쓰기 모드 켜짐</translation>
    </message>
    <message>
        <source>Insert Mode On</source>
        <translation>삽입 모드 켜짐</translation>
    </message>
    <message>
        <source>Toggle Insert/Overwrite Mode
Current: Overwrite mode</source>
        <translation>삽입/덮어쓰기 모드 전환
현재: 덮어쓰기 모드</translation>
    </message>
    <message>
        <source>Toggle Insert/Overwrite Mode
Current: Insert mode</source>
        <translation>삽입/덮어쓰기 모드 전환
현재: 삽입 모드</translation>
    </message>
    <message>
        <source>Unable to undo temporarily</source>
        <translation>지금은 실행 취소할 수 없습니다</translation>
    </message>
    <message>
        <source>Unable to redo temporarily</source>
        <translation>지금은 다시 실행할 수 없습니다</translation>
    </message>
    <message>
        <source>Toggle Fullscreen</source>
        <translation>전체 화면 전환</translation>
    </message>
    <message>
        <source>Add File...</source>
        <translation>파일 추가...</translation>
    </message>
    <message>
        <source>Add from Camera...</source>
        <translation>카메라에서 추가...</translation>
    </message>
    <message>
        <source>Add from Microphone...</source>
        <translation>마이크에서 추가...</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>텍스트 추가</translation>
    </message>
    <message>
        <source>Add Self-Draw</source>
        <translation>직접 그리기 추가</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>복제</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>분할</translation>
    </message>
    <message>
        <source>Add Transition</source>
        <translation>전환 효과 추가</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Edit Transition</source>
        <translation>전환 효과 편집</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>재생/일시 정지</translation>
    </message>
    <message>
        <source>Next Position</source>
        <translation>다음 위치</translation>
    </message>
    <message>
        <source>Previous Position</source>
        <translation>이전 위치</translation>
    </message>
    <message>
        <source>Export &amp;&amp; Share</source>
        <translation>내보내기 &amp;&amp; 공유</translation>
    </message>
    <message>
        <source>Configuration...</source>
        <translation>설정...</translation>
    </message>
    <message>
        <source>Open properties error occurs (%1)</source>
        <translation>속성을 여는 중 오류가 발생했습니다 (%1)</translation>
    </message>
    <message>
        <source>Opening...</source>
        <translation>여는 중...</translation>
    </message>
    <message>
        <source>Open project error occurs (%1)</source>
        <translation>프로젝트를 여는 중 오류가 발생했습니다 (%1)</translation>
    </message>
    <message>
        <source>Convert Project Failed</source>
        <translation>프로젝트 변환 실패</translation>
    </message>
    <message>
        <source>Open Project Failed</source>
        <translation>프로젝트 열기 실패</translation>
    </message>
    <message>
        <source>Current movie project is damaged.</source>
        <translation>현재 동영상 프로젝트가 손상되었습니다.</translation>
    </message>
    <message>
        <source>Higher Version Project</source>
        <translation>상위 버전 프로젝트</translation>
    </message>
    <message>
        <source>Vidorna can not open the higher version movie project. Please update Vidorna to the latest version.</source>
        <translation>Vidorna에서 상위 버전의 동영상 프로젝트를 열 수 없습니다. Vidorna를 최신 버전으로 업데이트하세요.</translation>
    </message>
    <message>
        <source>Failed to save movie</source>
        <translation>동영상을 저장하지 못했습니다</translation>
    </message>
    <message>
        <source>The movie project cannot be read: %1</source>
        <translation>동영상 프로젝트를 읽을 수 없습니다: %1</translation>
    </message>
    <message>
        <source>The changes could not be saved: %1</source>
        <translation>변경 사항을 저장할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>If you close without saving, the changes are lost. Keep the window open to try again.</source>
        <translation>저장하지 않고 닫으면 변경 사항이 사라집니다. 다시 시도하려면 창을 열어 두십시오.</translation>
    </message>
    <message>
        <source>Keep Open</source>
        <translation>열어 두기</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>저장하지 않고 닫기</translation>
    </message>
    <message>
        <source>Load Error</source>
        <translation>로드 오류</translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation>파일을 찾을 수 없음</translation>
    </message>
    <message>
        <source>No audio contained</source>
        <translation>오디오가 포함되어 있지 않습니다</translation>
    </message>
    <message>
        <source>Failed to record operation</source>
        <translation>작업을 기록하지 못했습니다</translation>
    </message>
    <message>
        <source>No operation to undo</source>
        <translation>실행 취소할 작업이 없습니다</translation>
    </message>
    <message>
        <source>No operation to redo</source>
        <translation>다시 실행할 작업이 없습니다</translation>
    </message>
    <message>
        <source>The operation to undo could not be read</source>
        <translation>실행 취소할 작업을 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>The operation to redo could not be read</source>
        <translation>다시 실행할 작업을 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>Edits that could not be recorded were undone too</source>
        <translation>기록하지 못한 편집도 함께 취소되었습니다</translation>
    </message>
    <message>
        <source>Help Center</source>
        <translation>고객 센터</translation>
    </message>
    <message>
        <source>Custom Transition</source>
        <translation>사용자 지정 전환</translation>
    </message>
    <message>
        <source>Fade In &amp;&amp; Fade Out</source>
        <translation>페이드 인 &amp;&amp; 페이드 아웃</translation>
    </message>
    <message>
        <source>Fade In</source>
        <translation>페이드 인</translation>
    </message>
    <message>
        <source>Fade Out</source>
        <translation>페이드 아웃</translation>
    </message>
    <message>
        <source>Left In &amp;&amp; Right Out</source>
        <translation>왼쪽에서 등장 &amp;&amp; 오른쪽으로 퇴장</translation>
    </message>
    <message>
        <source>Right In &amp;&amp; Left Out</source>
        <translation>오른쪽에서 등장 &amp;&amp; 왼쪽으로 퇴장</translation>
    </message>
    <message>
        <source>Left In</source>
        <translation>왼쪽에서 등장</translation>
    </message>
    <message>
        <source>Left Out</source>
        <translation>왼쪽으로 퇴장</translation>
    </message>
    <message>
        <source>Right In</source>
        <translation>오른쪽에서 등장</translation>
    </message>
    <message>
        <source>Right Out</source>
        <translation>오른쪽으로 퇴장</translation>
    </message>
    <message>
        <source>Up In &amp;&amp; Down Out</source>
        <translation>위에서 등장 &amp;&amp; 아래로 퇴장</translation>
    </message>
    <message>
        <source>Down In &amp;&amp; Up Out</source>
        <translation>아래에서 등장 &amp;&amp; 위로 퇴장</translation>
    </message>
    <message>
        <source>Up In</source>
        <translation>위에서 등장</translation>
    </message>
    <message>
        <source>Up Out</source>
        <translation>위로 퇴장</translation>
    </message>
    <message>
        <source>Down In</source>
        <translation>아래에서 등장</translation>
    </message>
    <message>
        <source>Down Out</source>
        <translation>아래로 퇴장</translation>
    </message>
    <message>
        <source>Shrink In &amp;&amp; Shrink Out</source>
        <translation>축소 등장 &amp;&amp; 축소 퇴장</translation>
    </message>
    <message>
        <source>Grow In &amp;&amp; Grow Out</source>
        <translation>확대 등장 &amp;&amp; 확대 퇴장</translation>
    </message>
    <message>
        <source>Shrink In</source>
        <translation>축소 등장</translation>
    </message>
    <message>
        <source>Shrink Out</source>
        <translation>축소 퇴장</translation>
    </message>
    <message>
        <source>Grow In</source>
        <translation>확대 등장</translation>
    </message>
    <message>
        <source>Grow Out</source>
        <translation>확대 퇴장</translation>
    </message>
    <message>
        <source>Open In &amp;&amp; Close Out</source>
        <translation>열기 등장 &amp;&amp; 닫기 퇴장</translation>
    </message>
    <message>
        <source>Open In</source>
        <translation>열기 등장</translation>
    </message>
    <message>
        <source>Close Out</source>
        <translation>닫기 퇴장</translation>
    </message>
    <message>
        <source>Wipe In &amp;&amp; Wipe Out</source>
        <translation>와이프 등장 &amp;&amp; 와이프 퇴장</translation>
    </message>
    <message>
        <source>Wipe In</source>
        <translation>와이프 등장</translation>
    </message>
    <message>
        <source>Wipe Out</source>
        <translation>와이프 퇴장</translation>
    </message>
    <message>
        <source>No enough space for another transition</source>
        <translation>다른 전환을 추가할 공간이 없습니다</translation>
    </message>
    <message>
        <source>Easing type applied to all transitions</source>
        <translation>모든 전환에 이징 유형을 적용했습니다</translation>
    </message>
    <message>
        <source>Move timeline to the position to split</source>
        <translation>분할할 위치로 타임라인을 이동하세요</translation>
    </message>
    <message>
        <source>How to deal with the existing transition(s)?</source>
        <translation>기존 전환을 어떻게 처리할까요?</translation>
    </message>
    <message>
        <source>Duplicate and shorten the transition(s)</source>
        <translation>전환을 복제하고 줄이기</translation>
    </message>
    <message>
        <source>Don&apos;t shorten the transition(s)</source>
        <translation>전환을 줄이지 않기</translation>
    </message>
    <message>
        <source>Move timeline to the position to grab image</source>
        <translation>캡처할 위치로 타임라인을 이동하세요</translation>
    </message>
    <message>
        <source>Save image failed</source>
        <translation>이미지를 저장하지 못했습니다</translation>
    </message>
    <message>
        <source>Image saved to Pictures successfully</source>
        <translation>이미지를 사진 폴더에 저장했습니다</translation>
    </message>
    <message>
        <source>Please wait a moment</source>
        <translation>잠시 기다려 주세요</translation>
    </message>
    <message>
        <source>No content to export</source>
        <translation>내보낼 콘텐츠가 없습니다</translation>
    </message>
    <message>
        <source>The preview did not stop in time. Please try again.</source>
        <translation>미리보기가 제시간에 멈추지 않았습니다. 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Create video failed</source>
        <translation>동영상을 만들지 못했습니다</translation>
    </message>
    <message>
        <source>The movie cannot be saved in &quot;%1&quot; because that folder cannot be written to. Please choose another location.</source>
        <translation>&quot;%1&quot; 폴더에 쓸 수 없어 동영상을 저장할 수 없습니다. 다른 위치를 선택하세요.</translation>
    </message>
    <message>
        <source>The movie file could not be created in &quot;%1&quot;. Please make sure that this folder can be written to and that the disk has free space.</source>
        <translation>&quot;%1&quot;에 동영상 파일을 만들 수 없습니다. 이 폴더에 쓸 수 있는지, 디스크에 여유 공간이 있는지 확인하세요.</translation>
    </message>
    <message>
        <source>The movie could not be finished in &quot;%1&quot; because its unfinished file was moved or replaced while it was written. Please export it again.</source>
        <translation>쓰는 동안 완성되지 않은 파일이 이동되거나 교체되어 &quot;%1&quot;에서 동영상을 완성할 수 없습니다. 다시 내보내세요.</translation>
    </message>
    <message>
        <source>The movie could not be saved as &quot;%1&quot; because another file took that name while the movie was written. That file was left as it is: please move it away and export again.</source>
        <translation>동영상을 쓰는 동안 다른 파일이 그 이름을 사용하여 &quot;%1&quot;(으)로 저장할 수 없습니다. 그 파일은 그대로 두었습니다. 다른 곳으로 옮긴 후 다시 내보내세요.</translation>
    </message>
    <message>
        <source>The movie could not be written in &quot;%1&quot; because the disk is full. Please free some space on that disk and export again.</source>
        <translation>디스크가 가득 차서 &quot;%1&quot;에 동영상을 쓸 수 없습니다. 해당 디스크의 공간을 확보한 후 다시 내보내세요.</translation>
    </message>
    <message>
        <source>The movie could not be written in &quot;%1&quot; because that folder can no longer be written to. Please make sure that it can be written to and export again.</source>
        <translation>&quot;%1&quot; 폴더에 더 이상 쓸 수 없어 동영상을 쓸 수 없습니다. 해당 폴더에 쓸 수 있는지 확인한 후 다시 내보내세요.</translation>
    </message>
    <message>
        <source>The movie could not be copied into &quot;%1&quot; because that folder cannot be written to. Please choose another location and export again.</source>
        <translation>&quot;%1&quot; 폴더에 쓸 수 없어 동영상을 복사할 수 없습니다. 다른 위치를 선택한 후 다시 내보내세요.</translation>
    </message>
    <message>
        <source>The movie could not be copied into &quot;%1&quot; because the disk is full. Please free some space on that disk or choose another location, and export again.</source>
        <translation>디스크가 가득 차서 &quot;%1&quot;에 동영상을 복사할 수 없습니다. 해당 디스크의 공간을 확보하거나 다른 위치를 선택한 후 다시 내보내세요.</translation>
    </message>
    <message>
        <source>Export canceled</source>
        <translation>내보내기가 취소되었습니다</translation>
    </message>
    <message>
        <source>Export Interrupted</source>
        <translation>내보내기 중단</translation>
    </message>
    <message>
        <source>Do you want to cancel the exporting?</source>
        <translation>내보내기를 취소하시겠습니까?</translation>
    </message>
    <message>
        <source>Canceling...</source>
        <translation>취소하는 중...</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>저장하는 중...</translation>
    </message>
    <message>
        <source>Color settings applied to all %1 segments</source>
        <translation>색상 설정을 모든 %1 세그먼트에 적용했습니다</translation>
    </message>
    <message>
        <source>Copy file failed</source>
        <translation>파일 복사 실패</translation>
    </message>
    <message>
        <source>Audio from %1</source>
        <translation>%1의 오디오</translation>
    </message>
    <message>
        <source>media</source>
        <translation>미디어</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>사진</translation>
    </message>
    <message>
        <source>All media files (*.*)</source>
        <translation>모든 미디어 파일 (*.*)</translation>
    </message>
    <message>
        <source>Choose %1 file to added into the current movie</source>
        <translation>현재 동영상에 추가할 %1 파일 선택</translation>
    </message>
    <message>
        <source>Extract Audio</source>
        <translation>오디오 추출</translation>
    </message>
    <message>
        <source>Copying file...</source>
        <translation>파일 복사 중...</translation>
    </message>
    <message>
        <source>Error Occurs</source>
        <translation>오류 발생</translation>
    </message>
    <message>
        <source>Cannot move the captured photo file</source>
        <translation>촬영한 사진 파일을 이동할 수 없습니다</translation>
    </message>
    <message>
        <source>Cannot move the captured video file</source>
        <translation>녹화한 동영상 파일을 이동할 수 없습니다</translation>
    </message>
    <message>
        <source>Failed to open SRT file</source>
        <translation>SRT 파일을 열지 못했습니다</translation>
    </message>
    <message>
        <source>No valid subtitles found in SRT file</source>
        <translation>SRT 파일에서 유효한 자막을 찾을 수 없습니다</translation>
    </message>
    <message>
        <source>Successfully imported %1 subtitles from SRT file</source>
        <translation>SRT 파일에서 자막 %1개를 가져왔습니다</translation>
    </message>
    <message>
        <source>Add Media</source>
        <translation>미디어 추가</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>동영상 추가</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>사진 추가</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>음악 추가</translation>
    </message>
    <message>
        <source>Cannot move the recorded sound file</source>
        <translation>녹음된 사운드 파일을 이동할 수 없습니다</translation>
    </message>
    <message>
        <source>Save as Picture</source>
        <translation>사진으로 저장</translation>
    </message>
    <message>
        <source>Portable Network Graphics files (*.png)</source>
        <translation>PNG 파일 (*.png)</translation>
    </message>
    <message>
        <source>Saved OK</source>
        <translation>저장되었습니다</translation>
    </message>
    <message>
        <source>Save painting failed</source>
        <translation>그림을 저장하지 못했습니다</translation>
    </message>
</context>
<context>
    <name>MediaExplorerHelpTipWidget</name>
    <message>
        <source>You can drag a footage from the Media Explorer and drop it directly at the desired location on a track.</source>
        <translation>미디어 탐색기에서 영상을 끌어 트랙의 원하는 위치에 바로 놓을 수 있습니다.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>MediaExplorerWidget</name>
    <message>
        <source>Ambience</source>
        <translation>분위기</translation>
    </message>
    <message>
        <source>People</source>
        <translation>사람</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>이벤트</translation>
    </message>
    <message>
        <source>Musical</source>
        <translation>악기</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>전환</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>탈것</translation>
    </message>
    <message>
        <source>Animal</source>
        <translation>동물</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>이모티콘</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>파티</translation>
    </message>
    <message>
        <source>Love</source>
        <translation>사랑</translation>
    </message>
    <message>
        <source>Comic Words</source>
        <translation>만화 글자</translation>
    </message>
</context>
<context>
    <name>MediaPreviewControlWidget</name>
    <message>
        <source>Form</source>
        <translation>양식</translation>
    </message>
    <message>
        <source>Close preview</source>
        <translation>미리 보기 닫기</translation>
    </message>
</context>
<context>
    <name>MediaPreviewWidget</name>
    <message>
        <source>Form</source>
        <translation>양식</translation>
    </message>
</context>
<context>
    <name>MultiLanguage</name>
    <message>
        <source>Classic</source>
        <translation>권위 있는</translation>
    </message>
</context>
<context>
    <name>NativeWebBrowserWidget</name>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
</context>
<context>
    <name>NewVersionDialog</name>
    <message>
        <source>New Version</source>
        <translation>새 버전</translation>
    </message>
    <message>
        <source>A new version of Vidorna is available.</source>
        <translation>Vidorna의 새 버전을 사용할 수 있습니다.</translation>
    </message>
    <message>
        <source>Current version</source>
        <translation>현재 버전</translation>
    </message>
    <message>
        <source>New version</source>
        <translation>새 버전</translation>
    </message>
    <message>
        <source>Download new version</source>
        <translation>새 버전 다운로드</translation>
    </message>
    <message>
        <source>See what&apos;s new</source>
        <translation>새로운 기능 보기</translation>
    </message>
</context>
<context>
    <name>PitchEditingWidgetController</name>
    <message>
        <source>Pitch</source>
        <translation>피치</translation>
    </message>
</context>
<context>
    <name>PopupChromaKeyWidget</name>
    <message>
        <source>Chroma Key</source>
        <translation>크로마 키</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>감도</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>스무딩</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>켜기/끄기</translation>
    </message>
    <message>
        <source>Key Color</source>
        <translation>키 색상</translation>
    </message>
    <message>
        <source>Restore default values</source>
        <translation>기본값 복원</translation>
    </message>
</context>
<context>
    <name>PopupColorMatrixWidget</name>
    <message>
        <source>Recently Used Colors</source>
        <translation>최근 사용한 색상</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>다른 색상...</translation>
    </message>
    <message>
        <source>Pick color from preview</source>
        <translation>미리보기에서 색상 선택</translation>
    </message>
</context>
<context>
    <name>PopupColorsScrollWidget</name>
    <message>
        <source>Colors</source>
        <translation>색상</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>채도</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>밝기</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>대비</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>색온도</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>노출</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>색조</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>빨강</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>초록</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>파랑</translation>
    </message>
    <message>
        <source>Schemes</source>
        <translation>구성표</translation>
    </message>
    <message>
        <source>Save as Scheme...</source>
        <translation>구성표로 저장...</translation>
    </message>
    <message>
        <source>Manage...</source>
        <translation>관리...</translation>
    </message>
    <message>
        <source>Apply to all segments</source>
        <translation>모든 세그먼트에 적용</translation>
    </message>
    <message>
        <source>Save as Scheme</source>
        <translation>구성표로 저장</translation>
    </message>
    <message>
        <source>Enter scheme name</source>
        <translation>구성표 이름 입력</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Color scheme saved</source>
        <translation>색상 구성표를 저장했습니다</translation>
    </message>
    <message>
        <source>Cannot save the color scheme</source>
        <translation>색상 구성표를 저장할 수 없습니다</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Remove Scheme</source>
        <translation>구성표 삭제</translation>
    </message>
    <message>
        <source>Do you really want to remove scheme &quot;%1&quot;?</source>
        <translation>구성표 "%1"을(를) 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Remove scheme failed</source>
        <translation>구성표를 삭제하지 못했습니다</translation>
    </message>
</context>
<context>
    <name>PopupColorsScrollWidgetEditItemWidget</name>
    <message>
        <source>Remove</source>
        <translation>삭제</translation>
    </message>
</context>
<context>
    <name>PopupEasingFunctionsWidget</name>
    <message>
        <source>In</source>
        <translation>인</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>아웃</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>인아웃</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>선형</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>부드럽게</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>원형</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>백</translation>
    </message>
    <message>
        <source>Elastic</source>
        <translation>탄성</translation>
    </message>
    <message>
        <source>Bounce</source>
        <translation>바운스</translation>
    </message>
    <message>
        <source>Easing Type</source>
        <translation>이징 유형</translation>
    </message>
    <message>
        <source>Apply to all transitions</source>
        <translation>모든 전환에 적용</translation>
    </message>
</context>
<context>
    <name>PopupMediaTypeSelectionWidget</name>
    <message>
        <source>Title</source>
        <translation>제목</translation>
    </message>
    <message>
        <source>Choose File...</source>
        <translation>파일 선택...</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>카메라</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>마이크</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>Self-Draw</source>
        <translation>직접 그리기</translation>
    </message>
</context>
<context>
    <name>PopupMicrophoneWidget</name>
    <message>
        <source>No microphone</source>
        <translation>마이크 없음</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>The temporary folder for the recording cannot be found.</source>
        <translation>녹음용 임시 폴더를 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>Error Occurs</source>
        <translation>오류 발생</translation>
    </message>
    <message>
        <source>The recording holds no sound.</source>
        <translation>녹음에 소리가 없습니다.</translation>
    </message>
    <message>
        <source>The recording could not be finished, so it was not added.</source>
        <translation>녹음을 완료할 수 없어 추가하지 않았습니다.</translation>
    </message>
</context>
<context>
    <name>PopupMovieExportingWidget</name>
    <message>
        <source>Resolution</source>
        <translation>해상도</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>프레임 속도</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>비디오 코덱</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>위치</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>Exporting movie...</source>
        <translation>동영상을 내보내는 중...</translation>
    </message>
    <message>
        <source>Please do not exit Vidorna or lock the computer.</source>
        <translation>Vidorna를 종료하거나 컴퓨터를 잠그지 마세요.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>내보내기 실패</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Current movie has been exported successfully</source>
        <translation>동영상을 내보냈습니다</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>세부 정보</translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>길이</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>비디오</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>오디오</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>SD - 360P</source>
        <translation>SD - 360P</translation>
    </message>
    <message>
        <source>SD - 540P</source>
        <translation>SD - 540P</translation>
    </message>
    <message>
        <source>HD - 720P</source>
        <translation>HD - 720P</translation>
    </message>
    <message>
        <source>Full HD - 1080P</source>
        <translation>Full HD - 1080P</translation>
    </message>
    <message>
        <source>Quad HD - 2K</source>
        <translation>Quad HD - 2K</translation>
    </message>
    <message>
        <source>Ultra HD - 4K</source>
        <translation>Ultra HD - 4K</translation>
    </message>
    <message>
        <source>Export &amp; Share</source>
        <translation>내보내기 및 공유</translation>
    </message>
    <message>
        <source>Select save directory</source>
        <translation>저장 폴더 선택</translation>
    </message>
    <message>
        <source>Estimated time remaining - %1</source>
        <translation>예상 남은 시간 - %1</translation>
    </message>
    <message>
        <source>%L1 bytes (%2)</source>
        <translation>%L1바이트 (%2)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>없음</translation>
    </message>
</context>
<context>
    <name>PopupProjectSettingsWidget</name>
    <message>
        <source>Configuration</source>
        <translation>구성</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>화면 비율</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>비디오</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>배경색</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>투명</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>프레임 속도</translation>
    </message>
    <message>
        <source>Showcase</source>
        <translation>표시</translation>
    </message>
    <message>
        <source>Fixed Cover Image</source>
        <translation>표지 이미지 고정</translation>
    </message>
    <message>
        <source>Display fixed cover image in Movies page</source>
        <translation>동영상 페이지에 고정된 표지 이미지 표시</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>가로</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>세로</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Frames Per Second</source>
        <translation>초당 프레임 수</translation>
    </message>
</context>
<context>
    <name>PopupTransitionsListWidget</name>
    <message>
        <source>Title</source>
        <translation>제목</translation>
    </message>
    <message>
        <source>Add Transition</source>
        <translation>전환 추가</translation>
    </message>
</context>
<context>
    <name>ProgressHUD</name>
    <message>
        <source>Form</source>
        <translation>양식</translation>
    </message>
</context>
<context>
    <name>ProjectFoldersPopup</name>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>새 폴더</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>새 폴더 만들기</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>이동</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>동영상</translation>
    </message>
    <message>
        <source>Move to %1</source>
        <translation>%1(으)로 이동</translation>
    </message>
    <message>
        <source>Copy to %1</source>
        <translation>%1(으)로 복사</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>만들기</translation>
    </message>
    <message>
        <source>Enter folder name</source>
        <translation>폴더 이름 입력</translation>
    </message>
    <message>
        <source>Create new folder exception occurs</source>
        <translation>폴더를 만드는 중 오류가 발생했습니다</translation>
    </message>
    <message>
        <source>Wrong Name</source>
        <translation>잘못된 이름</translation>
    </message>
    <message>
        <source>A name cannot be empty, &quot;.&quot; or &quot;..&quot;, or hold &quot;/&quot;.</source>
        <translation>이름은 비워 둘 수 없고 &quot;.&quot; 또는 &quot;..&quot;일 수 없으며 &quot;/&quot;를 포함할 수 없습니다.</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>이름 바꾸기 실패</translation>
    </message>
    <message>
        <source>An item with the name &quot;%1&quot; already exists</source>
        <translation>&quot;%1&quot; 이름의 항목이 이미 있습니다</translation>
    </message>
    <message>
        <source>New Folder Failed</source>
        <translation>새 폴더 만들기 실패</translation>
    </message>
</context>
<context>
    <name>ProjectLoader</name>
    <message>
        <source>&quot;%1&quot; was written by a higher version of Vidorna</source>
        <translation>&quot;%1&quot;은(는) 상위 버전의 Vidorna에서 작성되었습니다</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Vidorna project file. Please move it away and archive again.</source>
        <translation>&quot;%1&quot;은(는) Vidorna 프로젝트 파일이 아닙니다. 다른 곳으로 옮긴 후 다시 보관하세요.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Vidorna project file. Please move it away and save again.</source>
        <translation>&quot;%1&quot;은(는) Vidorna 프로젝트 파일이 아닙니다. 다른 곳으로 옮긴 후 다시 저장하세요.</translation>
    </message>
</context>
<context>
    <name>ProjectXml</name>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>&quot;%1&quot;은(는) 일반 파일이 아닙니다</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link that leads nowhere</source>
        <translation>&quot;%1&quot;은(는) 대상이 없는 링크입니다</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: %2</source>
        <translation>&quot;%1&quot;에 쓸 수 없습니다: %2</translation>
    </message>
</context>
<context>
    <name>ProjectsListWidget</name>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>Delete current movie project</source>
        <translation>현재 동영상 프로젝트 삭제</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>이름 바꾸기</translation>
    </message>
    <message>
        <source>Rename current movie project</source>
        <translation>현재 동영상 프로젝트 이름 바꾸기</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>복제</translation>
    </message>
    <message>
        <source>Duplicate current movie project</source>
        <translation>현재 동영상 프로젝트 복제</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>보관</translation>
    </message>
    <message>
        <source>Archive current movie project</source>
        <translation>현재 동영상 프로젝트 보관</translation>
    </message>
    <message>
        <source>Select an output directory</source>
        <translation>출력 폴더 선택</translation>
    </message>
    <message>
        <source>Archiving project...</source>
        <translation>프로젝트를 보관하는 중...</translation>
    </message>
    <message>
        <source>Archive Project Failed</source>
        <translation>프로젝트 보관 실패</translation>
    </message>
    <message>
        <source>Insufficient Space</source>
        <translation>저장 공간 부족</translation>
    </message>
    <message>
        <source>Archive Project Completed</source>
        <translation>프로젝트 보관 완료</translation>
    </message>
    <message>
        <source>Select an archive to import</source>
        <translation>가져올 보관 파일 선택</translation>
    </message>
    <message>
        <source>Vidorna Project File (*.vidornaproject)</source>
        <translation>Vidorna 프로젝트 파일 (*.vidornaproject)</translation>
    </message>
    <message>
        <source>Importing archive...</source>
        <translation>보관 파일을 가져오는 중...</translation>
    </message>
    <message>
        <source>There&apos;s not enough storage space to import this archive. About %1 more space is needed.</source>
        <translation>이 보관 파일을 가져올 저장 공간이 부족합니다. 약 %1의 공간이 더 필요합니다.</translation>
    </message>
    <message>
        <source>Import Completed</source>
        <translation>가져오기 완료</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>가져오기 실패</translation>
    </message>
    <message>
        <source>Import archive error occurs (%1)</source>
        <translation>보관 파일을 가져오는 중 오류가 발생했습니다 (%1)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Wrong Name</source>
        <translation>잘못된 이름</translation>
    </message>
    <message>
        <source>A name cannot be empty, &quot;.&quot; or &quot;..&quot;, or hold &quot;/&quot;.</source>
        <translation>이름은 비워 둘 수 없고 &quot;.&quot; 또는 &quot;..&quot;일 수 없으며 &quot;/&quot;를 포함할 수 없습니다.</translation>
    </message>
    <message>
        <source>Movie In Use</source>
        <translation>사용 중인 동영상</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is open in the editor. Close the movie first.</source>
        <translation>&quot;%1&quot;이(가) 편집기에서 열려 있습니다. 먼저 동영상을 닫으세요.</translation>
    </message>
    <message>
        <source>New Movie %1</source>
        <translation>새 동영상 %1</translation>
    </message>
    <message>
        <source>New Movie</source>
        <translation>새 동영상</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>만들기</translation>
    </message>
    <message>
        <source>Enter project name</source>
        <translation>프로젝트 이름 입력</translation>
    </message>
    <message>
        <source>Failed to create movie file</source>
        <translation>동영상 파일을 만들지 못했습니다</translation>
    </message>
    <message>
        <source>The named movie already exists</source>
        <translation>같은 이름의 동영상이 이미 있습니다</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>새 폴더</translation>
    </message>
    <message>
        <source>Enter folder name</source>
        <translation>폴더 이름 입력</translation>
    </message>
    <message>
        <source>New Folder Failed</source>
        <translation>새 폴더 만들기 실패</translation>
    </message>
    <message>
        <source>An item with the name &quot;%1&quot; already exists</source>
        <translation>&quot;%1&quot; 이름의 항목이 이미 있습니다</translation>
    </message>
    <message>
        <source>Create new folder exception occurs</source>
        <translation>폴더를 만드는 중 오류가 발생했습니다</translation>
    </message>
    <message>
        <source>Rename Item</source>
        <translation>항목 이름 바꾸기</translation>
    </message>
    <message>
        <source>Enter item name</source>
        <translation>항목 이름 입력</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>이름 바꾸기 실패</translation>
    </message>
    <message>
        <source>Rename failed</source>
        <translation>이름 바꾸기 실패</translation>
    </message>
    <message>
        <source>%1 Copy %2</source>
        <translation>%1 사본 %2</translation>
    </message>
    <message>
        <source>%1 Copy</source>
        <translation>%1 사본</translation>
    </message>
    <message>
        <source>Duplicate Movie</source>
        <translation>동영상 복제</translation>
    </message>
    <message>
        <source>Enter movie name</source>
        <translation>동영상 이름 입력</translation>
    </message>
    <message>
        <source>Failed to duplicate movie</source>
        <translation>동영상을 복제하지 못했습니다</translation>
    </message>
    <message>
        <source>Remove Item</source>
        <translation>항목 제거</translation>
    </message>
    <message>
        <source>Do you really want to remove item &quot;%1&quot;?</source>
        <translation>&quot;%1&quot; 항목을 제거하시겠습니까?</translation>
    </message>
    <message>
        <source>Remove Item(s)</source>
        <translation>항목 제거</translation>
    </message>
    <message>
        <source>Do you really want to remove %1 item(s)?</source>
        <translation>항목 %1개를 제거하시겠습니까?</translation>
    </message>
    <message>
        <source>Failed to remove the item(s)</source>
        <translation>항목을 제거하지 못했습니다</translation>
    </message>
    <message>
        <source>Copying items...</source>
        <translation>항목을 복사하는 중...</translation>
    </message>
    <message>
        <source>Moving items...</source>
        <translation>항목을 이동하는 중...</translation>
    </message>
    <message>
        <source>Failed to move movie</source>
        <translation>동영상을 이동하지 못했습니다</translation>
    </message>
    <message>
        <source>%1 item(s) copied</source>
        <translation>항목 %1개 복사됨</translation>
    </message>
    <message>
        <source>%1 item(s) moved</source>
        <translation>항목 %1개 이동됨</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link to a folder elsewhere. It is kept, so that what that folder holds is not removed with it.</source>
        <translation>&quot;%1&quot;은(는) 다른 위치에 있는 폴더에 대한 링크입니다. 해당 폴더의 내용이 함께 제거되지 않도록 링크를 유지합니다.</translation>
    </message>
</context>
<context>
    <name>ProjectsWidget</name>
    <message>
        <source>Movies</source>
        <translation>동영상</translation>
    </message>
    <message>
        <source>Open Movie Failed</source>
        <translation>동영상을 열 수 없음</translation>
    </message>
    <message>
        <source>This movie is damaged, you cannot open it.</source>
        <translation>이 동영상은 손상되어 열 수 없습니다.</translation>
    </message>
    <message>
        <source>Open Failed</source>
        <translation>열기 실패</translation>
    </message>
    <message>
        <source>This project cannot be opened at this time.</source>
        <translation>지금은 이 프로젝트를 열 수 없습니다.</translation>
    </message>
    <message>
        <source>Failed to open project file</source>
        <translation>프로젝트 파일을 열 수 없습니다</translation>
    </message>
    <message>
        <source>Import Project</source>
        <translation>프로젝트 가져오기</translation>
    </message>
    <message>
        <source>Do you want to import project &quot;%1&quot; into Vidorna?</source>
        <translation>프로젝트 &quot;%1&quot;을(를) Vidorna로 가져오시겠습니까?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>가져오기...</translation>
    </message>
    <message>
        <source>Import project</source>
        <translation>프로젝트 가져오기</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>새 폴더 만들기</translation>
    </message>
    <message>
        <source>Copy selected items to folder</source>
        <translation>선택한 항목을 폴더로 복사</translation>
    </message>
    <message>
        <source>Move selected items to folder</source>
        <translation>선택한 항목을 폴더로 이동</translation>
    </message>
    <message>
        <source>Delete selected items</source>
        <translation>선택한 항목 삭제</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>(%1 Items)</source>
        <translation>(항목 %1개)</translation>
    </message>
    <message>
        <source>(1 Item)</source>
        <translation>(항목 1개)</translation>
    </message>
    <message>
        <source>(Empty)</source>
        <translation>(비어 있음)</translation>
    </message>
</context>
<context>
    <name>ResourceAssetsWidget</name>
    <message>
        <source>Form</source>
        <translation>양식</translation>
    </message>
</context>
<context>
    <name>RoundCornerEditingWidgetController</name>
    <message>
        <source>Round Corner</source>
        <translation>둥근 모서리</translation>
    </message>
</context>
<context>
    <name>SegmentDraggingOperationWidget</name>
    <message>
        <source>Duplicate</source>
        <translation>복제</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
</context>
<context>
    <name>SegmentInspectorWidget</name>
    <message>
        <source>Return</source>
        <translation>돌아가기</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>복제</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>분할</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Add/Edit Transition</source>
        <translation>전환 효과 추가/편집</translation>
    </message>
    <message>
        <source>Apply to all segments</source>
        <translation>모든 세그먼트에 적용</translation>
    </message>
</context>
<context>
    <name>SegmentOperationDoubleTapTipWidget</name>
    <message>
        <source>Double click a segment to enter into the edit mode. And double click it again to exit from the edit mode.</source>
        <translation>세그먼트를 두 번 클릭하면 편집 모드로 들어갑니다. 다시 두 번 클릭하면 편집 모드에서 나옵니다.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>SegmentOperationPressAndDragTipWidget</name>
    <message>
        <source>Press and hold on a segment till the yellow frame appears, then you can drag it to the place you want.</source>
        <translation>노란색 테두리가 나타날 때까지 세그먼트를 길게 누른 다음 원하는 위치로 끌 수 있습니다.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>SelectionOperationWidget</name>
    <message>
        <source>Cancel selection</source>
        <translation>선택 취소</translation>
    </message>
    <message>
        <source>Insert blank</source>
        <translation>빈 공간 삽입</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
</context>
<context>
    <name>SettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>양식</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Video Editor UI Layout</source>
        <translation>비디오 편집기 UI 레이아웃</translation>
    </message>
    <message>
        <source>Default Photo Duration</source>
        <translation>사진 기본 길이</translation>
    </message>
    <message>
        <source>Default Text Duration</source>
        <translation>텍스트 기본 길이</translation>
    </message>
    <message>
        <source>Default Self-Drawing Duration</source>
        <translation>직접 그리기 기본 길이</translation>
    </message>
    <message>
        <source>Auto Save/Apply Segment Properties</source>
        <translation>세그먼트 속성 자동 저장/적용</translation>
    </message>
    <message>
        <source>Save segment properties and apply to the newly added segments</source>
        <translation>세그먼트 속성을 저장하고 새로 추가하는 세그먼트에 적용합니다</translation>
    </message>
    <message>
        <source>Reset Saved Segment Properties</source>
        <translation>저장된 세그먼트 속성 초기화</translation>
    </message>
    <message>
        <source>Auto Align When Moving Objects</source>
        <translation>개체 이동 시 자동 정렬</translation>
    </message>
    <message>
        <source>Show guides when moving object to center/edges</source>
        <translation>개체를 가운데나 가장자리로 옮길 때 안내선을 표시합니다</translation>
    </message>
    <message>
        <source>Hardware Acceleration</source>
        <translation>하드웨어 가속</translation>
    </message>
    <message>
        <source>Working Directory</source>
        <translation>작업 폴더</translation>
    </message>
    <message>
        <source>Auto Copy Files to Movie Directory</source>
        <translation>파일을 동영상 폴더로 자동 복사</translation>
    </message>
    <message>
        <source>Copy files to project directory when adding media to a movie</source>
        <translation>동영상에 미디어를 추가할 때 파일을 프로젝트 폴더로 복사합니다</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>데스크톱</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>클래식</translation>
    </message>
    <message>
        <source>Enabled: high performance, loss compatibility</source>
        <translation>사용: 높은 성능, 낮은 호환성</translation>
    </message>
    <message>
        <source>Disabled: better compatibility, loss performance</source>
        <translation>사용 안 함: 더 나은 호환성, 낮은 성능</translation>
    </message>
    <message>
        <source>Do you really want to reset the saved segment properties?</source>
        <translation>저장된 세그먼트 속성을 정말 초기화하시겠습니까?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>초기화</translation>
    </message>
    <message>
        <source>Segment properties reset successfully</source>
        <translation>세그먼트 속성을 초기화했습니다</translation>
    </message>
    <message>
        <source>Select working directory</source>
        <translation>작업 폴더 선택</translation>
    </message>
    <message>
        <source>Close the open movie before changing the working directory.</source>
        <translation>작업 폴더를 바꾸기 전에 열려 있는 동영상을 닫으세요.</translation>
    </message>
    <message>
        <source>No movie can be kept in &quot;%1&quot;: the folder &quot;Projects&quot; cannot be created there. Choose another folder.</source>
        <translation>&quot;%1&quot;에는 동영상을 보관할 수 없습니다: 그곳에 &quot;Projects&quot; 폴더를 만들 수 없습니다. 다른 폴더를 선택하세요.</translation>
    </message>
</context>
<context>
    <name>ShadowEditingWidgetController</name>
    <message>
        <source>Shadow</source>
        <translation>그림자</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>반경</translation>
    </message>
</context>
<context>
    <name>SpeedEditingWidgetController</name>
    <message>
        <source>Speed</source>
        <translation>속도</translation>
    </message>
</context>
<context>
    <name>StartWindow</name>
    <message>
        <source>Vidorna</source>
        <translation>Vidorna</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>동영상</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>New Movie...</source>
        <translation>새 동영상...</translation>
    </message>
    <message>
        <source>New Folder...</source>
        <translation>새 폴더...</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>가져오기...</translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Vidorna Help</source>
        <translation>Vidorna 도움말</translation>
    </message>
    <message>
        <source>Get Vidorna on Smartphones</source>
        <translation>스마트폰용 Vidorna</translation>
    </message>
    <message>
        <source>Feedback...</source>
        <translation>의견 보내기...</translation>
    </message>
    <message>
        <source>About Vidorna</source>
        <translation>Vidorna 정보</translation>
    </message>
    <message>
        <source>How do you think about Vidorna? What features do you want to see in the next version of Vidorna? Or do you want to report a bug? All about Vidorna, please tell us.







&lt;From Vidorna v%1 on %2 with %3&gt;</source>
        <translation>Vidorna를 어떻게 생각하시나요? 다음 버전의 Vidorna에서 어떤 기능을 보고 싶으신가요? 아니면 버그를 신고하시겠어요? Vidorna에 관한 것이라면 무엇이든 알려 주세요.







&lt;Vidorna v%1, %2, %3에서 보냄&gt;</translation>
    </message>
    <message>
        <source>Help Center</source>
        <translation>고객 센터</translation>
    </message>
</context>
<context>
    <name>StrokeBorderEditingWidgetController</name>
    <message>
        <source>Border Size &amp; Color</source>
        <translation>테두리 크기 및 색상</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>허용 범위</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>강도</translation>
    </message>
    <message>
        <source>Stroke</source>
        <translation>윤곽선</translation>
    </message>
</context>
<context>
    <name>TabsMediaExplorerWidget</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
    <message>
        <source>Local Files</source>
        <translation>로컬 파일</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>음악</translation>
    </message>
    <message>
        <source>Sound FX</source>
        <translation>효과음</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>스티커</translation>
    </message>
    <message>
        <source>GIPHY</source>
        <translation>GIPHY</translation>
    </message>
</context>
<context>
    <name>TextAlignmentEditingWidget</name>
    <message>
        <source>Form</source>
        <translation>양식</translation>
    </message>
</context>
<context>
    <name>TextBackEditingWidgetController</name>
    <message>
        <source>Text Background</source>
        <translation>텍스트 배경</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>여백</translation>
    </message>
    <message>
        <source>Round Corner</source>
        <translation>둥근 모서리</translation>
    </message>
</context>
<context>
    <name>TextFontEditingWidget</name>
    <message>
        <source>Form</source>
        <translation>양식</translation>
    </message>
</context>
<context>
    <name>TextSizeEditingWidgetController</name>
    <message>
        <source>Text Size &amp; Color</source>
        <translation>텍스트 크기 및 색상</translation>
    </message>
</context>
<context>
    <name>TextureGridWidget</name>
    <message>
        <source>Custom Picture...</source>
        <translation>사용자 지정 이미지...</translation>
    </message>
    <message>
        <source>Open a Picture</source>
        <translation>이미지 열기</translation>
    </message>
</context>
<context>
    <name>TransitionsEditingWidget</name>
    <message>
        <source>Form</source>
        <translation>양식</translation>
    </message>
    <message>
        <source>Transitions</source>
        <translation>전환 효과</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>길이</translation>
    </message>
    <message>
        <source>Add Transition</source>
        <translation>전환 효과 추가</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>복제</translation>
    </message>
    <message>
        <source>Easing type</source>
        <translation>이징 유형</translation>
    </message>
    <message>
        <source>End</source>
        <translation>끝</translation>
    </message>
    <message>
        <source>Press &quot;+&quot; to add a transition</source>
        <translation>&quot;+&quot;를 눌러 전환 효과를 추가하세요</translation>
    </message>
</context>
<context>
    <name>TransparencyEditingWidgetController</name>
    <message>
        <source>Transparency</source>
        <translation>투명도</translation>
    </message>
</context>
<context>
    <name>Util</name>
    <message>
        <source>Help Center</source>
        <translation>고객 센터</translation>
    </message>
    <message>
        <source>No web browser could be opened for the help pages. You can read them at this address:</source>
        <translation>도움말 페이지를 열 웹 브라우저를 열 수 없습니다. 다음 주소에서 읽을 수 있습니다:</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 바이트</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>오늘</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>스테레오</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>모노</translation>
    </message>
    <message>
        <source>All video files (*.mp4 *.mov *.m4v *.avi *.wmv *.asf *.mkv *.3gp *.mpg *.mpeg *.dat *.m2v *.vob *.rm *.rmvb *.webm)</source>
        <translation>모든 비디오 파일 (*.mp4 *.mov *.m4v *.avi *.wmv *.asf *.mkv *.3gp *.mpg *.mpeg *.dat *.m2v *.vob *.rm *.rmvb *.webm)</translation>
    </message>
    <message>
        <source>All picture files (*.png *.gif *.jpg *.jpeg *.bmp *.dib *.pbm *.pgm *.ppm *.xbm *.xpm *.svg *.tiff *.tif *.webp *.heic)</source>
        <translation>모든 사진 파일 (*.png *.gif *.jpg *.jpeg *.bmp *.dib *.pbm *.pgm *.ppm *.xbm *.xpm *.svg *.tiff *.tif *.webp *.heic)</translation>
    </message>
    <message>
        <source>All music files (*.mp3 *.wav *.m4a *.mid *.wma *.vqf *.ra)</source>
        <translation>모든 음악 파일 (*.mp3 *.wav *.m4a *.mid *.wma *.vqf *.ra)</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>M/d</source>
        <extracomment>Date format (QDateTime::toString) of a date in the current year: month/day.</extracomment>
        <translation>M. d.</translation>
    </message>
    <message>
        <source>M/d/yyyy</source>
        <extracomment>Date format (QDateTime::toString) of a date in another year: month/day/year.</extracomment>
        <translation>yyyy. M. d.</translation>
    </message>
    <message>
        <source>Unknown codec</source>
        <translation>알 수 없는 코덱</translation>
    </message>
    <message>
        <source>%1, %2, %3 Hz</source>
        <extracomment>Audio stream: codec, channels (Stereo or Mono), sample rate.</extracomment>
        <translation>%1, %2, %3 Hz</translation>
    </message>
    <message>
        <source>%1, %2 x %3</source>
        <extracomment>Video stream: codec, width, height in pixels.</extracomment>
        <translation>%1, %2 x %3</translation>
    </message>
</context>
<context>
    <name>VideoUtilitiesEditingWidget</name>
    <message>
        <source>Video Utilities</source>
        <translation>비디오 도구</translation>
    </message>
    <message>
        <source>Grab image from video</source>
        <translation>비디오에서 이미지 캡처</translation>
    </message>
</context>
<context>
    <name>VolumeEditingWidgetController</name>
    <message>
        <source>Volume</source>
        <translation>볼륨</translation>
    </message>
</context>
</TS>
