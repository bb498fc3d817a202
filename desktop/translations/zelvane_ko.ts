<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name></name>
    <message id="panel.appName">
        <source>Zelvane</source>
        <translation>Zelvane</translation>
    </message>
    <message id="app.tagline">
        <source>Quick unit converter</source>
        <translation>빠른 단위 변환기</translation>
    </message>
    <message id="panel.menu.open">
        <source>Open Zelvane</source>
        <translation>Zelvane 열기</translation>
    </message>
    <message id="panel.menu.recents">
        <source>Recent conversions</source>
        <translation>최근 변환</translation>
    </message>
    <message id="panel.menu.copyHint">
        <source>Copy this result</source>
        <translation>이 결과 복사</translation>
    </message>
    <message id="panel.menu.lastCopied">
        <source>Last copied: %1</source>
        <translation>마지막 복사: %1</translation>
    </message>
    <message id="panel.menu.resetPosition">
        <source>Reset panel position</source>
        <translation>패널 위치 초기화</translation>
    </message>
    <message id="panel.menu.settings">
        <source>Settings…</source>
        <translation>설정…</translation>
    </message>
    <message id="panel.quit">
        <source>Quit Zelvane</source>
        <translation>Zelvane 종료</translation>
    </message>
    <message id="panel.copied">
        <source>Copied %1</source>
        <translation>%1 복사됨</translation>
    </message>
    <message id="panel.unsaved">
        <source>Could not save: %1</source>
        <translation>저장할 수 없음: %1</translation>
    </message>
    <message id="panel.move.reset">
        <source>Panel position reset</source>
        <translation>패널 위치를 초기화했습니다</translation>
    </message>
    <message id="panel.size.resetDone">
        <source>Panel size reset</source>
        <translation>패널 크기를 초기화했습니다</translation>
    </message>
    <message id="panel.pinned">
        <source>Panel pinned: it stays open</source>
        <translation>패널 고정됨: 계속 열려 있습니다</translation>
    </message>
    <message id="panel.unpinned">
        <source>Panel unpinned</source>
        <translation>패널 고정 해제됨</translation>
    </message>
    <message id="star.limit">
        <source>You can have up to %1 favorite categories</source>
        <translation>카테고리는 %1개까지 즐겨찾기에 추가할 수 있습니다</translation>
    </message>
    <message id="panel.hotKey.taken">
        <source>%1 is already used by another program</source>
        <translation>%1 단축키를 다른 프로그램에서 이미 사용 중입니다</translation>
    </message>
    <message id="panel.hotKey.working">
        <source>Working: %1</source>
        <translation>사용 중: %1</translation>
    </message>
    <message id="panel.hotKey.notWorking">
        <source>Not working: %1</source>
        <translation>작동하지 않음: %1</translation>
    </message>
    <message id="panel.hotKey.bindHint">
        <source>To use another shortcut, add one in your desktop's keyboard settings that runs the command: zelvane --toggle</source>
        <translation>다른 단축키를 사용하려면 데스크톱 키보드 설정에서 다음 명령을 실행하는 단축키를 추가하세요: zelvane --toggle</translation>
    </message>
    <message id="panel.hotKey.setUp">
        <source>Set up in desktop settings</source>
        <translation>데스크톱 설정에 등록</translation>
    </message>
    <message id="panel.hotKey.portalDescription">
        <source>Show or hide the Zelvane panel</source>
        <translation>Zelvane 패널 표시 또는 숨기기</translation>
    </message>
    <message id="drawer.allCategories">
        <source>All categories</source>
        <translation>모든 카테고리</translation>
    </message>
    <message id="panel.pin">
        <source>Keep panel open</source>
        <translation>패널 계속 열어 두기</translation>
    </message>
    <message id="settings.title">
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message id="panel.window.close">
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message id="panel.window.minimize">
        <source>Minimize</source>
        <translation>최소화</translation>
    </message>
    <message id="panel.window.maximize">
        <source>Maximize</source>
        <translation>최대화</translation>
    </message>
    <message id="panel.move.help">
        <source>Drag to move · double-click to reset the position</source>
        <translation>드래그하여 이동 · 더블클릭하여 위치 초기화</translation>
    </message>
    <message id="panel.size.help">
        <source>Drag to resize · double-click to reset the size</source>
        <translation>드래그하여 크기 조절 · 더블클릭하여 크기 초기화</translation>
    </message>
    <message id="panel.size.min">
        <source>Minimum size</source>
        <translation>최소 크기</translation>
    </message>
    <message id="panel.size.max">
        <source>Maximum size</source>
        <translation>최대 크기</translation>
    </message>
    <message id="panel.size.reset">
        <source>Double-click a corner to reset</source>
        <translation>모서리를 더블클릭하여 초기화</translation>
    </message>
    <message id="converter.value">
        <source>Value</source>
        <translation>값</translation>
    </message>
    <message id="converter.clear">
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
    <message id="converter.inputUnit">
        <source>Input unit</source>
        <translation>입력 단위</translation>
    </message>
    <message id="explain.hint">
        <source>How this is calculated</source>
        <translation>계산 방법 보기</translation>
    </message>
    <message id="panel.parse.found">
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message id="panel.parse.target">
        <source>→ %1</source>
        <translation>→ %1</translation>
    </message>
    <message id="panel.parse.confirm">
        <source>Press Enter to apply</source>
        <translation>Enter 키로 적용</translation>
    </message>
    <message id="panel.parse.copy">
        <source>Press Enter to copy</source>
        <translation>Enter 키로 복사</translation>
    </message>
    <message id="panel.parse.miss">
        <source>Unit not recognized</source>
        <translation>단위를 인식하지 못했습니다</translation>
    </message>
    <message id="converter.decrement">
        <source>Decrease</source>
        <translation>줄이기</translation>
    </message>
    <message id="converter.increment">
        <source>Increase</source>
        <translation>늘리기</translation>
    </message>
    <message id="converter.step.title">
        <source>Step size</source>
        <translation>증감 단위</translation>
    </message>
    <message id="converter.step.auto">
        <source>Automatic</source>
        <translation>자동</translation>
    </message>
    <message id="converter.step.custom">
        <source>Custom step</source>
        <translation>사용자 지정 증감 단위</translation>
    </message>
    <message id="common.done">
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message id="currency.lastUpdated">
        <source>Updated %1</source>
        <translation>%1에 업데이트됨</translation>
    </message>
    <message id="currency.noRates.title">
        <source>No exchange rates yet</source>
        <translation>아직 환율 정보가 없습니다</translation>
    </message>
    <message id="currency.updating">
        <source>Updating rates…</source>
        <translation>환율 업데이트 중…</translation>
    </message>
    <message id="panel.rates.failed">
        <source>Couldn't update rates</source>
        <translation>환율을 업데이트하지 못했습니다</translation>
    </message>
    <message id="currency.update">
        <source>Update rates</source>
        <translation>환율 업데이트</translation>
    </message>
    <message id="converter.showOthers">
        <source>Show all units</source>
        <translation>모든 단위 보기</translation>
    </message>
    <message id="converter.hideOthers">
        <source>Show fewer units</source>
        <translation>일부 단위만 보기</translation>
    </message>
    <message id="picker.pin">
        <source>Pin</source>
        <translation>고정</translation>
    </message>
    <message id="picker.unpin">
        <source>Unpin</source>
        <translation>고정 해제</translation>
    </message>
    <message id="picker.hide">
        <source>Hide unit</source>
        <translation>단위 숨기기</translation>
    </message>
    <message id="picker.filter">
        <source>Find a unit</source>
        <translation>단위 검색</translation>
    </message>
    <message id="picker.showAgain">
        <source>Show again</source>
        <translation>다시 표시</translation>
    </message>
    <message id="picker.hiddenTag">
        <source>Hidden</source>
        <translation>숨김</translation>
    </message>
    <message id="picker.a11y.current">
        <source>%1, current</source>
        <translation>%1, 현재 단위</translation>
    </message>
    <message id="picker.a11y.hidden">
        <source>%1, hidden</source>
        <translation>%1, 숨김</translation>
    </message>
    <message id="panel.move.hint">
        <source>Drag or press Alt+↑ / Alt+↓ to reorder</source>
        <translation>드래그하거나 Alt+↑ / Alt+↓를 눌러 순서 변경</translation>
    </message>
    <message id="panel.customTag">
        <source>Custom</source>
        <translation>사용자 지정</translation>
    </message>
    <message id="panel.row.help">
        <source>Click to copy · Ctrl-click to convert from this unit</source>
        <translation>클릭하여 복사 · Ctrl+클릭하여 이 단위를 기준으로 변환</translation>
    </message>
    <message id="converter.copyWithUnit">
        <source>Copy with unit</source>
        <translation>단위와 함께 복사</translation>
    </message>
    <message id="converter.copyValue">
        <source>Copy value only</source>
        <translation>값만 복사</translation>
    </message>
    <message id="converter.rowHint">
        <source>Convert from this unit</source>
        <translation>이 단위를 기준으로 변환</translation>
    </message>
    <message id="panel.recent.title">
        <source>Recent</source>
        <translation>최근 항목</translation>
    </message>
    <message id="panel.recent.hint">
        <source>Click to open again</source>
        <translation>클릭하여 다시 열기</translation>
    </message>
    <message id="panel.recent.empty">
        <source>Copied results appear here</source>
        <translation>복사한 결과가 여기에 표시됩니다</translation>
    </message>
    <message id="panel.hint.full">
        <source>Enter: copy · ↑↓: choose · Ctrl+K: categories · Ctrl+,: settings</source>
        <translation>Enter: 복사 · ↑↓: 선택 · Ctrl+K: 카테고리 · Ctrl+,: 설정</translation>
    </message>
    <message id="panel.hint.medium">
        <source>Enter: copy · Ctrl+K: categories</source>
        <translation>Enter: 복사 · Ctrl+K: 카테고리</translation>
    </message>
    <message id="panel.hint.short">
        <source>Enter: copy</source>
        <translation>Enter: 복사</translation>
    </message>
    <message id="panel.hint.categories">
        <source>Pick a category · Esc: back</source>
        <translation>카테고리 선택 · Esc: 돌아가기</translation>
    </message>
    <message id="panel.hint.settings">
        <source>Changes are saved at once · Esc: back</source>
        <translation>변경 사항은 바로 저장됩니다 · Esc: 돌아가기</translation>
    </message>
    <message id="panel.hint.back">
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message id="panel.back">
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message id="sidebar.search">
        <source>Search categories and units</source>
        <translation>카테고리 및 단위 검색</translation>
    </message>
    <message id="group.favorites">
        <source>Favorites</source>
        <translation>즐겨찾기</translation>
    </message>
    <message id="group.everyday">
        <source>Everyday</source>
        <translation>일상</translation>
    </message>
    <message id="group.science">
        <source>Science</source>
        <translation>과학</translation>
    </message>
    <message id="group.electric">
        <source>Electricity &amp; magnetism</source>
        <translation>전기 및 자기</translation>
    </message>
    <message id="group.radiation">
        <source>Radiation</source>
        <translation>방사선</translation>
    </message>
    <message id="group.custom">
        <source>Custom</source>
        <translation>사용자 지정</translation>
    </message>
    <message id="panel.star">
        <source>Add to favorites</source>
        <translation>즐겨찾기에 추가</translation>
    </message>
    <message id="panel.unstar">
        <source>Remove from favorites</source>
        <translation>즐겨찾기에서 제거</translation>
    </message>
    <message id="panel.star.hint">
        <source>Favorite categories appear in the top bar</source>
        <translation>즐겨찾기한 카테고리는 상단 바에 표시됩니다</translation>
    </message>
    <message id="explain.title">
        <source>How it's calculated</source>
        <translation>계산 방법</translation>
    </message>
    <message id="explain.definition">
        <source>Definition</source>
        <translation>정의</translation>
    </message>
    <message id="explain.formulas">
        <source>Formulas</source>
        <translation>공식</translation>
    </message>
    <message id="explain.relativeTo">
        <source>Relative to %1</source>
        <translation>%1 기준</translation>
    </message>
    <message id="explain.base">
        <source>Base unit</source>
        <translation>기본 단위</translation>
    </message>
    <message id="explain.example">
        <source>Example</source>
        <translation>예시</translation>
    </message>
    <message id="explain.notes">
        <source>Notes</source>
        <translation>참고</translation>
    </message>
    <message id="explain.note.ratio">
        <source>These units differ only by a fixed factor: multiply to convert.</source>
        <translation>이 단위들은 일정한 배수만 다르므로 곱하면 변환됩니다.</translation>
    </message>
    <message id="explain.note.shifted">
        <source>These scales have different zero points, so converting adds an offset as well as multiplying.</source>
        <translation>이 눈금들은 영점이 달라서 곱한 뒤 차이만큼 더해야 합니다.</translation>
    </message>
    <message id="explain.note.inverse">
        <source>These units are reciprocal: as one value grows, the other shrinks.</source>
        <translation>이 단위들은 역수 관계라서 한쪽 값이 커지면 다른 쪽은 작아집니다.</translation>
    </message>
    <message id="explain.note.currency">
        <source>Currency results use the latest downloaded exchange rates and may differ from your bank's.</source>
        <translation>통화는 마지막으로 받은 환율로 변환하므로 은행 환율과 다를 수 있습니다.</translation>
    </message>
    <message id="panel.section.desktop">
        <source>Desktop</source>
        <translation>데스크톱</translation>
    </message>
    <message id="panel.size.title">
        <source>Panel size</source>
        <translation>패널 크기</translation>
    </message>
    <message id="panel.size.small">
        <source>Small</source>
        <translation>작게</translation>
    </message>
    <message id="panel.size.medium">
        <source>Medium</source>
        <translation>보통</translation>
    </message>
    <message id="panel.size.large">
        <source>Large</source>
        <translation>크게</translation>
    </message>
    <message id="panel.hotkey.title">
        <source>Global shortcut</source>
        <translation>전역 단축키</translation>
    </message>
    <message id="panel.hotkey.none">
        <source>None</source>
        <translation>없음</translation>
    </message>
    <message id="panel.login">
        <source>Open at login</source>
        <translation>로그인 시 열기</translation>
    </message>
    <message id="panel.taskbar">
        <source>Show in taskbar</source>
        <translation>작업 표시줄에 표시</translation>
    </message>
    <message id="panel.tray.title">
        <source>Tray icon</source>
        <translation>트레이 아이콘</translation>
    </message>
    <message id="panel.tray.icon">
        <source>Icon only</source>
        <translation>아이콘만</translation>
    </message>
    <message id="panel.tray.last">
        <source>Icon and last result</source>
        <translation>아이콘과 마지막 결과</translation>
    </message>
    <message id="panel.copy.title">
        <source>Copying</source>
        <translation>복사 방식</translation>
    </message>
    <message id="panel.copy.withUnit">
        <source>Value and unit</source>
        <translation>값과 단위</translation>
    </message>
    <message id="panel.copy.value">
        <source>Value only</source>
        <translation>값만</translation>
    </message>
    <message id="settings.section.language">
        <source>Language &amp; region</source>
        <translation>언어 및 지역</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message id="language.system">
        <source>System default</source>
        <translation>시스템 기본값</translation>
    </message>
    <message id="settings.region">
        <source>Region</source>
        <translation>지역</translation>
    </message>
    <message id="region.mainlandChina">
        <source>Mainland China</source>
        <translation>중국 본토</translation>
    </message>
    <message id="region.unitedStates">
        <source>United States</source>
        <translation>미국</translation>
    </message>
    <message id="region.unitedKingdom">
        <source>United Kingdom</source>
        <translation>영국</translation>
    </message>
    <message id="region.taiwan">
        <source>Taiwan</source>
        <translation>대만</translation>
    </message>
    <message id="region.hongKong">
        <source>Hong Kong</source>
        <translation>홍콩</translation>
    </message>
    <message id="region.japan">
        <source>Japan</source>
        <translation>일본</translation>
    </message>
    <message id="region.korea">
        <source>South Korea</source>
        <translation>대한민국</translation>
    </message>
    <message id="region.germany">
        <source>Germany</source>
        <translation>독일</translation>
    </message>
    <message id="region.france">
        <source>France</source>
        <translation>프랑스</translation>
    </message>
    <message id="region.spain">
        <source>Spain</source>
        <translation>스페인</translation>
    </message>
    <message id="region.mexico">
        <source>Mexico</source>
        <translation>멕시코</translation>
    </message>
    <message id="region.italy">
        <source>Italy</source>
        <translation>이탈리아</translation>
    </message>
    <message id="region.brazil">
        <source>Brazil</source>
        <translation>브라질</translation>
    </message>
    <message id="region.thailand">
        <source>Thailand</source>
        <translation>태국</translation>
    </message>
    <message id="region.malaysia">
        <source>Malaysia</source>
        <translation>말레이시아</translation>
    </message>
    <message id="region.indonesia">
        <source>Indonesia</source>
        <translation>인도네시아</translation>
    </message>
    <message id="settings.digits">
        <source>Significant digits</source>
        <translation>유효 숫자</translation>
    </message>
    <message id="settings.digitsValue">
        <source>%1 digits</source>
        <translation>%1자리</translation>
    </message>
    <message id="settings.appearance">
        <source>Appearance</source>
        <translation>화면 모드</translation>
    </message>
    <message id="appearance.system">
        <source>System</source>
        <translation>시스템 설정</translation>
    </message>
    <message id="appearance.light">
        <source>Light</source>
        <translation>라이트</translation>
    </message>
    <message id="appearance.dark">
        <source>Dark</source>
        <translation>다크</translation>
    </message>
    <message id="settings.section.currency">
        <source>Exchange rates</source>
        <translation>환율</translation>
    </message>
    <message id="settings.autoRates">
        <source>Update rates automatically</source>
        <translation>환율 자동 업데이트</translation>
    </message>
    <message id="settings.section.about">
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message id="settings.version">
        <source>Version</source>
        <translation>버전</translation>
    </message>
    <message id="import.title">
        <source>Import</source>
        <translation>가져오기</translation>
    </message>
    <message id="import.conversion">
        <source>Conversion</source>
        <translation>변환</translation>
    </message>
    <message id="import.extra">
        <source>Extra unit in %1</source>
        <translation>%1의 추가 단위</translation>
    </message>
    <message id="import.counts">
        <source>Units: %1 · Parameters: %2</source>
        <translation>단위: %1 · 매개변수: %2</translation>
    </message>
    <message id="import.units">
        <source>Units and formulas</source>
        <translation>단위와 수식</translation>
    </message>
    <message id="import.unknown">
        <source>Unknown unit references</source>
        <translation>알 수 없는 단위 참조</translation>
    </message>
    <message id="import.changes">
        <source>Changed on import</source>
        <translation>가져오면서 변경됨</translation>
    </message>
    <message id="import.add">
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message id="import.cancel">
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message id="import.added">
        <source>Added “%1”</source>
        <translation>“%1” 추가됨</translation>
    </message>
    <message id="import.nothing">
        <source>The clipboard holds no shared conversion or unit</source>
        <translation>클립보드에 공유된 변환이나 단위가 없습니다</translation>
    </message>
    <message id="import.error.invalid">
        <source>This shared item breaks a limit (%1) and cannot be imported.</source>
        <translation>이 공유 항목은 제한(%1)을 넘어서 가져올 수 없습니다.</translation>
    </message>
    <message id="import.error.notAConversion">
        <source>This is not a shared custom conversion or unit.</source>
        <translation>공유된 사용자 변환이나 단위가 아닙니다.</translation>
    </message>
    <message id="import.error.tooLarge">
        <source>This shared item is larger than 64 KB and cannot be imported.</source>
        <translation>이 공유 항목은 64KB보다 커서 가져올 수 없습니다.</translation>
    </message>
    <message id="import.error.newerVersion">
        <source>This shared item was made by a newer version of Zelvane. Update Zelvane to import it.</source>
        <translation>이 공유 항목은 더 새로운 버전의 Zelvane에서 만들어졌습니다. 가져오려면 Zelvane을 업데이트하세요.</translation>
    </message>
    <message id="import.change.cut">
        <source>“%1” shortened to “%2”</source>
        <translation>“%1”을(를) “%2”(으)로 줄임</translation>
    </message>
    <message id="import.change.rule">
        <source>The rule of the reference unit “%1” was removed</source>
        <translation>기준 단위 “%1”의 규칙을 제거함</translation>
    </message>
    <message id="import.change.decimals">
        <source>Decimals %1 out of range were dropped</source>
        <translation>범위를 벗어난 소수 자릿수 %1을(를) 버림</translation>
    </message>
    <message id="import.change.source">
        <source>The note on where it came from was removed</source>
        <translation>출처 메모를 제거함</translation>
    </message>
</context>
</TS>
