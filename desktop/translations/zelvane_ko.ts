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
    <message id="group.packs">
        <source>Packs</source>
        <translation>팩</translation>
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
    <message id="custom.title">
        <source>My units</source>
        <translation>내 단위</translation>
    </message>
    <message id="custom.open">
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message id="custom.openHelp">
        <source>Your own conversions and units</source>
        <translation>직접 만든 변환과 단위</translation>
    </message>
    <message id="custom.newConversion">
        <source>New conversion</source>
        <translation>새 변환</translation>
    </message>
    <message id="custom.newExtra">
        <source>New unit in a category</source>
        <translation>카테고리에 새 단위</translation>
    </message>
    <message id="custom.newExtraHelp">
        <source>Adds one unit to a built-in category, currency included</source>
        <translation>통화를 포함한 기본 카테고리에 단위 하나를 추가합니다</translation>
    </message>
    <message id="custom.templates">
        <source>Templates and packs</source>
        <translation>템플릿과 팩</translation>
    </message>
    <message id="custom.importClipboard">
        <source>Import from clipboard</source>
        <translation>클립보드에서 가져오기</translation>
    </message>
    <message id="custom.empty">
        <source>You have no conversions or units of your own yet. Make one, or adopt a template.</source>
        <translation>아직 직접 만든 변환이나 단위가 없습니다. 하나 만들거나 템플릿을 사용하세요.</translation>
    </message>
    <message id="custom.unitCount">
        <source>Units: %1</source>
        <translation>단위: %1</translation>
    </message>
    <message id="custom.extraIn">
        <source>Unit in %1</source>
        <translation>%1의 단위</translation>
    </message>
    <message id="custom.edit">
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message id="custom.duplicate">
        <source>Duplicate</source>
        <translation>복제</translation>
    </message>
    <message id="custom.duplicated">
        <source>Duplicated</source>
        <translation>복제했습니다</translation>
    </message>
    <message id="custom.copyName">
        <source>%1 (copy)</source>
        <translation>%1 (사본)</translation>
    </message>
    <message id="custom.share.link">
        <source>Copy link</source>
        <translation>링크 복사</translation>
    </message>
    <message id="custom.share.linkHelp">
        <source>Copies a zelvane: link that another Zelvane can import</source>
        <translation>다른 Zelvane에서 가져올 수 있는 zelvane: 링크를 복사합니다</translation>
    </message>
    <message id="custom.share.text">
        <source>Copy as text</source>
        <translation>텍스트로 복사</translation>
    </message>
    <message id="custom.share.textHelp">
        <source>Copies the item as readable JSON</source>
        <translation>항목을 읽기 쉬운 JSON으로 복사합니다</translation>
    </message>
    <message id="custom.share.linkCopied">
        <source>Share link copied</source>
        <translation>공유 링크를 복사했습니다</translation>
    </message>
    <message id="custom.share.textCopied">
        <source>Share text copied</source>
        <translation>공유 텍스트를 복사했습니다</translation>
    </message>
    <message id="custom.remove">
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message id="custom.remove.confirm">
        <source>Delete %1?</source>
        <translation>%1을(를) 삭제할까요?</translation>
    </message>
    <message id="custom.removed">
        <source>Deleted</source>
        <translation>삭제했습니다</translation>
    </message>
    <message id="custom.undo">
        <source>Undo</source>
        <translation>실행 취소</translation>
    </message>
    <message id="custom.restored">
        <source>Restored</source>
        <translation>복원했습니다</translation>
    </message>
    <message id="custom.cancel">
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message id="custom.editConversion">
        <source>Edit conversion</source>
        <translation>변환 편집</translation>
    </message>
    <message id="custom.editExtra">
        <source>Edit unit</source>
        <translation>단위 편집</translation>
    </message>
    <message id="custom.name">
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message id="custom.glyph">
        <source>Symbol</source>
        <translation>기호</translation>
    </message>
    <message id="custom.decimals">
        <source>Decimal places</source>
        <translation>소수 자릿수</translation>
    </message>
    <message id="custom.decimals.auto">
        <source>As in settings</source>
        <translation>설정대로</translation>
    </message>
    <message id="custom.extra.category">
        <source>Category</source>
        <translation>카테고리</translation>
    </message>
    <message id="custom.extra.reference">
        <source>Defined against</source>
        <translation>기준 단위</translation>
    </message>
    <message id="custom.extra.referenceHelp">
        <source>The built-in unit x stands for in the rule</source>
        <translation>규칙에서 x가 나타내는 기본 단위</translation>
    </message>
    <message id="custom.units">
        <source>Units</source>
        <translation>단위</translation>
    </message>
    <message id="custom.unit">
        <source>Unit %1</source>
        <translation>단위 %1</translation>
    </message>
    <message id="custom.unit.baseName">
        <source>Reference unit</source>
        <translation>기준 단위</translation>
    </message>
    <message id="custom.unit.name">
        <source>Unit name</source>
        <translation>단위 이름</translation>
    </message>
    <message id="custom.unit.symbol">
        <source>Symbol</source>
        <translation>기호</translation>
    </message>
    <message id="custom.unit.add">
        <source>Add unit</source>
        <translation>단위 추가</translation>
    </message>
    <message id="custom.unit.remove">
        <source>Remove unit %1</source>
        <translation>단위 %1 제거</translation>
    </message>
    <message id="custom.rule">
        <source>Rule</source>
        <translation>규칙</translation>
    </message>
    <message id="custom.rule.ratio">
        <source>Ratio</source>
        <translation>비율</translation>
    </message>
    <message id="custom.rule.steps">
        <source>Steps</source>
        <translation>단계</translation>
    </message>
    <message id="custom.rule.formula">
        <source>Formula</source>
        <translation>수식</translation>
    </message>
    <message id="custom.rule.ratioLabel">
        <source>One of this unit is this many reference units</source>
        <translation>이 단위 1은 기준 단위 몇 개인가</translation>
    </message>
    <message id="custom.rule.forward">
        <source>Formula in x (x is the reference value)</source>
        <translation>x에 대한 수식 (x는 기준 값)</translation>
    </message>
    <message id="custom.rule.inverse">
        <source>Inverse formula (optional)</source>
        <translation>역 수식 (선택)</translation>
    </message>
    <message id="custom.rule.inverseHint">
        <source>Left empty, it is worked out</source>
        <translation>비워 두면 자동으로 구합니다</translation>
    </message>
    <message id="custom.op.add">
        <source>+ add</source>
        <translation>+ 더하기</translation>
    </message>
    <message id="custom.op.sub">
        <source>− subtract</source>
        <translation>− 빼기</translation>
    </message>
    <message id="custom.op.mul">
        <source>× multiply</source>
        <translation>× 곱하기</translation>
    </message>
    <message id="custom.op.div">
        <source>÷ divide</source>
        <translation>÷ 나누기</translation>
    </message>
    <message id="custom.op.pow">
        <source>^ power</source>
        <translation>^ 거듭제곱</translation>
    </message>
    <message id="custom.op.divInto">
        <source>n ÷ value</source>
        <translation>n ÷ 값</translation>
    </message>
    <message id="custom.op.convert">
        <source>convert</source>
        <translation>변환</translation>
    </message>
    <message id="custom.op.ratioMul">
        <source>× unit ratio</source>
        <translation>× 단위 비율</translation>
    </message>
    <message id="custom.op.ratioDiv">
        <source>÷ unit ratio</source>
        <translation>÷ 단위 비율</translation>
    </message>
    <message id="custom.op.fn">
        <source>function</source>
        <translation>함수</translation>
    </message>
    <message id="custom.step.op">
        <source>Step %1</source>
        <translation>단계 %1</translation>
    </message>
    <message id="custom.step.operand">
        <source>Number or parameter</source>
        <translation>숫자 또는 매개변수</translation>
    </message>
    <message id="custom.step.operandHint">
        <source>e.g. 1.8 or k</source>
        <translation>예: 1.8 또는 k</translation>
    </message>
    <message id="custom.step.digits">
        <source>Decimal places (round)</source>
        <translation>소수 자릿수 (round)</translation>
    </message>
    <message id="custom.step.from">
        <source>From unit</source>
        <translation>원래 단위</translation>
    </message>
    <message id="custom.step.to">
        <source>To unit</source>
        <translation>대상 단위</translation>
    </message>
    <message id="custom.step.function">
        <source>Function name</source>
        <translation>함수 이름</translation>
    </message>
    <message id="custom.step.add">
        <source>Add step</source>
        <translation>단계 추가</translation>
    </message>
    <message id="custom.step.remove">
        <source>Remove step %1</source>
        <translation>단계 %1 제거</translation>
    </message>
    <message id="custom.parameters">
        <source>Parameters</source>
        <translation>매개변수</translation>
    </message>
    <message id="custom.parameter.add">
        <source>Add parameter</source>
        <translation>매개변수 추가</translation>
    </message>
    <message id="custom.parameter.help">
        <source>A named number the rules can use by its name</source>
        <translation>규칙이 이름으로 쓸 수 있는 이름 붙은 숫자</translation>
    </message>
    <message id="custom.parameter.name">
        <source>Parameter name</source>
        <translation>매개변수 이름</translation>
    </message>
    <message id="custom.parameter.value">
        <source>Default value</source>
        <translation>기본값</translation>
    </message>
    <message id="custom.parameter.note">
        <source>Note</source>
        <translation>메모</translation>
    </message>
    <message id="custom.parameter.remove">
        <source>Remove parameter %1</source>
        <translation>매개변수 %1 제거</translation>
    </message>
    <message id="custom.parameter.badName">
        <source>“%1” cannot name a parameter: start with a letter, use letters, digits and _, at most 20, and no function name, x, e or pi.</source>
        <translation>“%1”은(는) 매개변수 이름이 될 수 없습니다. 문자로 시작하고 문자, 숫자, _만 20자 이내로 쓰며 함수 이름, x, e, pi는 안 됩니다.</translation>
    </message>
    <message id="custom.parameter.repeated">
        <source>The parameter name “%1” is used twice.</source>
        <translation>매개변수 이름 “%1”이(가) 두 번 쓰였습니다.</translation>
    </message>
    <message id="custom.parameter.badValue">
        <source>The value of “%1” is not a number.</source>
        <translation>“%1”의 값이 숫자가 아닙니다.</translation>
    </message>
    <message id="custom.save">
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message id="custom.saved">
        <source>Saved</source>
        <translation>저장했습니다</translation>
    </message>
    <message id="custom.status.base">
        <source>reference unit</source>
        <translation>기준 단위</translation>
    </message>
    <message id="custom.status.sameAsBase">
        <source>same as the reference unit</source>
        <translation>기준 단위와 같음</translation>
    </message>
    <message id="custom.status.exactLine">
        <source>converts both ways exactly</source>
        <translation>양방향으로 정확히 변환</translation>
    </message>
    <message id="custom.status.searched">
        <source>converts back by searching, checked</source>
        <translation>역변환은 탐색으로 구하며 확인됨</translation>
    </message>
    <message id="custom.status.written">
        <source>your inverse formula checks out</source>
        <translation>입력한 역 수식이 맞습니다</translation>
    </message>
    <message id="custom.status.needsFormula">
        <source>cannot convert back: write an inverse formula</source>
        <translation>역변환 불가: 역 수식을 입력하세요</translation>
    </message>
    <message id="custom.status.mismatch">
        <source>your inverse formula does not match the formula</source>
        <translation>역 수식이 수식과 맞지 않습니다</translation>
    </message>
    <message id="custom.error.expression">
        <source>at character %1: %2</source>
        <translation>%1번째 문자: %2</translation>
    </message>
    <message id="custom.error.unknownName">
        <source>unknown name %1: use x or a parameter</source>
        <translation>알 수 없는 이름 %1: x 또는 매개변수를 쓰세요</translation>
    </message>
    <message id="custom.error.unknownUnit">
        <source>no unit %1</source>
        <translation>단위 %1이(가) 없습니다</translation>
    </message>
    <message id="custom.error.invalidNumber">
        <source>the ratio must be a number other than 0</source>
        <translation>비율은 0이 아닌 숫자여야 합니다</translation>
    </message>
    <message id="custom.error.emptyFormula">
        <source>the formula is empty</source>
        <translation>수식이 비어 있습니다</translation>
    </message>
    <message id="custom.parse.empty">
        <source>nothing to read</source>
        <translation>읽을 내용이 없습니다</translation>
    </message>
    <message id="custom.parse.unexpectedCharacter">
        <source>a character that does not belong</source>
        <translation>쓸 수 없는 문자입니다</translation>
    </message>
    <message id="custom.parse.unexpectedToken">
        <source>this does not fit here</source>
        <translation>여기에 올 수 없습니다</translation>
    </message>
    <message id="custom.parse.missingClosingParenthesis">
        <source>a closing parenthesis is missing</source>
        <translation>닫는 괄호가 없습니다</translation>
    </message>
    <message id="custom.parse.unknownFunction">
        <source>no function %1</source>
        <translation>함수 %1이(가) 없습니다</translation>
    </message>
    <message id="custom.parse.wrongArgumentCount">
        <source>%1 takes a different number of values</source>
        <translation>%1의 인수 개수가 다릅니다</translation>
    </message>
    <message id="custom.parse.badUnitReference">
        <source>a unit is written category.unit, such as length.ft</source>
        <translation>단위는 length.ft처럼 카테고리.단위로 씁니다</translation>
    </message>
    <message id="custom.parse.expectedNumberOrName">
        <source>a number or name is expected here</source>
        <translation>여기에는 숫자나 이름이 와야 합니다</translation>
    </message>
    <message id="custom.problem.compile">
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message id="custom.problem.name">
        <source>Every name needs some text.</source>
        <translation>모든 이름을 입력해야 합니다.</translation>
    </message>
    <message id="custom.problem.units">
        <source>A conversion needs 2 to 12 units.</source>
        <translation>변환에는 단위가 2~12개 필요합니다.</translation>
    </message>
    <message id="custom.problem.parameters">
        <source>At most 10 parameters, each with its own valid name.</source>
        <translation>매개변수는 최대 10개이며 각각 유효한 고유 이름이어야 합니다.</translation>
    </message>
    <message id="custom.problem.rule">
        <source>Every unit but the reference unit needs a rule.</source>
        <translation>기준 단위를 제외한 모든 단위에 규칙이 필요합니다.</translation>
    </message>
    <message id="custom.problem.steps">
        <source>A chain may have at most 30 steps.</source>
        <translation>단계는 최대 30개입니다.</translation>
    </message>
    <message id="custom.problem.formula">
        <source>A formula may have at most 400 characters.</source>
        <translation>수식은 최대 400자입니다.</translation>
    </message>
    <message id="custom.template.adopt">
        <source>Adopt</source>
        <translation>사용</translation>
    </message>
    <message id="custom.template.adoptHelp">
        <source>Adds it to your units in your language</source>
        <translation>내 언어로 내 단위에 추가합니다</translation>
    </message>
    <message id="custom.template.adopted">
        <source>%1 added to your units</source>
        <translation>%1을(를) 내 단위에 추가했습니다</translation>
    </message>
    <message id="custom.packs">
        <source>Extension packs</source>
        <translation>확장 팩</translation>
    </message>
    <message id="custom.pack.use">
        <source>Use %1</source>
        <translation>%1 사용</translation>
    </message>
    <message id="custom.pack.variant">
        <source>Variant of %1 (%2)</source>
        <translation>%1 기준 (%2)</translation>
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
