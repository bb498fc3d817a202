<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th" sourcelanguage="en">
<context>
    <name></name>
    <message id="panel.appName">
        <source>Zelvane</source>
        <translation>Zelvane</translation>
    </message>
    <message id="app.tagline">
        <source>Quick unit converter</source>
        <translation>แปลงหน่วยได้ในพริบตา</translation>
    </message>
    <message id="panel.menu.open">
        <source>Open Zelvane</source>
        <translation>เปิด Zelvane</translation>
    </message>
    <message id="panel.menu.recents">
        <source>Recent conversions</source>
        <translation>การแปลงล่าสุด</translation>
    </message>
    <message id="panel.menu.copyHint">
        <source>Copy this result</source>
        <translation>คัดลอกผลลัพธ์นี้</translation>
    </message>
    <message id="panel.menu.lastCopied">
        <source>Last copied: %1</source>
        <translation>คัดลอกล่าสุด: %1</translation>
    </message>
    <message id="panel.menu.resetPosition">
        <source>Reset panel position</source>
        <translation>รีเซ็ตตำแหน่งแผง</translation>
    </message>
    <message id="panel.menu.settings">
        <source>Settings…</source>
        <translation>การตั้งค่า…</translation>
    </message>
    <message id="panel.quit">
        <source>Quit Zelvane</source>
        <translation>ออกจาก Zelvane</translation>
    </message>
    <message id="panel.copied">
        <source>Copied %1</source>
        <translation>คัดลอก %1 แล้ว</translation>
    </message>
    <message id="panel.unsaved">
        <source>Could not save: %1</source>
        <translation>บันทึกไม่ได้: %1</translation>
    </message>
    <message id="panel.move.reset">
        <source>Panel position reset</source>
        <translation>รีเซ็ตตำแหน่งแผงแล้ว</translation>
    </message>
    <message id="panel.size.resetDone">
        <source>Panel size reset</source>
        <translation>รีเซ็ตขนาดแผงแล้ว</translation>
    </message>
    <message id="panel.pinned">
        <source>Panel pinned: it stays open</source>
        <translation>ปักหมุดแผงแล้ว แผงจะเปิดค้างไว้</translation>
    </message>
    <message id="panel.unpinned">
        <source>Panel unpinned</source>
        <translation>เลิกปักหมุดแผงแล้ว</translation>
    </message>
    <message id="star.limit">
        <source>You can have up to %1 favorite categories</source>
        <translation>เพิ่มหมวดหมู่ในรายการโปรดได้สูงสุด %1 หมวดหมู่</translation>
    </message>
    <message id="panel.hotKey.taken">
        <source>%1 is already used by another program</source>
        <translation>โปรแกรมอื่นใช้ %1 อยู่แล้ว</translation>
    </message>
    <message id="panel.hotKey.working">
        <source>Working: %1</source>
        <translation>ใช้งานได้: %1</translation>
    </message>
    <message id="panel.hotKey.notWorking">
        <source>Not working: %1</source>
        <translation>ใช้งานไม่ได้: %1</translation>
    </message>
    <message id="panel.hotKey.bindHint">
        <source>To use another shortcut, add one in your desktop's keyboard settings that runs the command: zelvane --toggle</source>
        <translation>หากต้องการใช้ปุ่มลัดอื่น ให้เพิ่มปุ่มลัดในการตั้งค่าแป้นพิมพ์ของเดสก์ท็อปโดยใช้คำสั่ง: zelvane --toggle</translation>
    </message>
    <message id="panel.hotKey.setUp">
        <source>Set up in desktop settings</source>
        <translation>ตั้งค่าในการตั้งค่าเดสก์ท็อป</translation>
    </message>
    <message id="panel.hotKey.portalDescription">
        <source>Show or hide the Zelvane panel</source>
        <translation>แสดงหรือซ่อนแผง Zelvane</translation>
    </message>
    <message id="drawer.allCategories">
        <source>All categories</source>
        <translation>หมวดหมู่ทั้งหมด</translation>
    </message>
    <message id="panel.pin">
        <source>Keep panel open</source>
        <translation>เปิดแผงค้างไว้</translation>
    </message>
    <message id="settings.title">
        <source>Settings</source>
        <translation>การตั้งค่า</translation>
    </message>
    <message id="panel.window.close">
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
    <message id="panel.window.minimize">
        <source>Minimize</source>
        <translation>ย่อเล็กสุด</translation>
    </message>
    <message id="panel.window.maximize">
        <source>Maximize</source>
        <translation>ขยายใหญ่สุด</translation>
    </message>
    <message id="panel.move.help">
        <source>Drag to move · double-click to reset the position</source>
        <translation>ลากเพื่อย้าย · ดับเบิลคลิกเพื่อรีเซ็ตตำแหน่ง</translation>
    </message>
    <message id="panel.size.help">
        <source>Drag to resize · double-click to reset the size</source>
        <translation>ลากเพื่อปรับขนาด · ดับเบิลคลิกเพื่อรีเซ็ตขนาด</translation>
    </message>
    <message id="panel.size.min">
        <source>Minimum size</source>
        <translation>ขนาดเล็กสุด</translation>
    </message>
    <message id="panel.size.max">
        <source>Maximum size</source>
        <translation>ขนาดใหญ่สุด</translation>
    </message>
    <message id="panel.size.reset">
        <source>Double-click a corner to reset</source>
        <translation>ดับเบิลคลิกที่มุมเพื่อรีเซ็ต</translation>
    </message>
    <message id="converter.value">
        <source>Value</source>
        <translation>ค่า</translation>
    </message>
    <message id="converter.clear">
        <source>Clear</source>
        <translation>ล้าง</translation>
    </message>
    <message id="converter.inputUnit">
        <source>Input unit</source>
        <translation>หน่วยที่ป้อน</translation>
    </message>
    <message id="explain.hint">
        <source>How this is calculated</source>
        <translation>ดูวิธีคำนวณ</translation>
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
        <translation>กด Enter เพื่อใช้</translation>
    </message>
    <message id="panel.parse.copy">
        <source>Press Enter to copy</source>
        <translation>กด Enter เพื่อคัดลอก</translation>
    </message>
    <message id="panel.parse.miss">
        <source>Unit not recognized</source>
        <translation>ไม่รู้จักหน่วยนี้</translation>
    </message>
    <message id="converter.decrement">
        <source>Decrease</source>
        <translation>ลดค่า</translation>
    </message>
    <message id="converter.increment">
        <source>Increase</source>
        <translation>เพิ่มค่า</translation>
    </message>
    <message id="converter.step.title">
        <source>Step size</source>
        <translation>ค่าเพิ่ม/ลดต่อครั้ง</translation>
    </message>
    <message id="converter.step.auto">
        <source>Automatic</source>
        <translation>อัตโนมัติ</translation>
    </message>
    <message id="converter.step.custom">
        <source>Custom step</source>
        <translation>กำหนดค่าเพิ่ม/ลดเอง</translation>
    </message>
    <message id="common.done">
        <source>Done</source>
        <translation>เสร็จสิ้น</translation>
    </message>
    <message id="currency.lastUpdated">
        <source>Updated %1</source>
        <translation>อัปเดตเมื่อ %1</translation>
    </message>
    <message id="currency.noRates.title">
        <source>No exchange rates yet</source>
        <translation>ยังไม่มีอัตราแลกเปลี่ยน</translation>
    </message>
    <message id="currency.updating">
        <source>Updating rates…</source>
        <translation>กำลังอัปเดตอัตราแลกเปลี่ยน…</translation>
    </message>
    <message id="panel.rates.failed">
        <source>Couldn't update rates</source>
        <translation>อัปเดตอัตราแลกเปลี่ยนไม่สำเร็จ</translation>
    </message>
    <message id="currency.update">
        <source>Update rates</source>
        <translation>อัปเดตอัตราแลกเปลี่ยน</translation>
    </message>
    <message id="converter.showOthers">
        <source>Show all units</source>
        <translation>แสดงทุกหน่วย</translation>
    </message>
    <message id="converter.hideOthers">
        <source>Show fewer units</source>
        <translation>แสดงหน่วยน้อยลง</translation>
    </message>
    <message id="picker.pin">
        <source>Pin</source>
        <translation>ปักหมุด</translation>
    </message>
    <message id="picker.unpin">
        <source>Unpin</source>
        <translation>เลิกปักหมุด</translation>
    </message>
    <message id="picker.hide">
        <source>Hide unit</source>
        <translation>ซ่อนหน่วย</translation>
    </message>
    <message id="picker.filter">
        <source>Find a unit</source>
        <translation>ค้นหาหน่วย</translation>
    </message>
    <message id="picker.showAgain">
        <source>Show again</source>
        <translation>แสดงอีกครั้ง</translation>
    </message>
    <message id="picker.hiddenTag">
        <source>Hidden</source>
        <translation>ซ่อนอยู่</translation>
    </message>
    <message id="picker.a11y.current">
        <source>%1, current</source>
        <translation>%1, หน่วยปัจจุบัน</translation>
    </message>
    <message id="picker.a11y.hidden">
        <source>%1, hidden</source>
        <translation>%1, ซ่อนอยู่</translation>
    </message>
    <message id="panel.move.hint">
        <source>Drag or press Alt+↑ / Alt+↓ to reorder</source>
        <translation>ลากหรือกด Alt+↑ / Alt+↓ เพื่อจัดลำดับ</translation>
    </message>
    <message id="panel.customTag">
        <source>Custom</source>
        <translation>กำหนดเอง</translation>
    </message>
    <message id="panel.row.help">
        <source>Click to copy · Ctrl-click to convert from this unit</source>
        <translation>คลิกเพื่อคัดลอก · Ctrl+คลิกเพื่อแปลงจากหน่วยนี้</translation>
    </message>
    <message id="converter.copyWithUnit">
        <source>Copy with unit</source>
        <translation>คัดลอกพร้อมหน่วย</translation>
    </message>
    <message id="converter.copyValue">
        <source>Copy value only</source>
        <translation>คัดลอกเฉพาะค่า</translation>
    </message>
    <message id="converter.rowHint">
        <source>Convert from this unit</source>
        <translation>แปลงจากหน่วยนี้</translation>
    </message>
    <message id="panel.recent.title">
        <source>Recent</source>
        <translation>ล่าสุด</translation>
    </message>
    <message id="panel.recent.hint">
        <source>Click to open again</source>
        <translation>คลิกเพื่อเปิดอีกครั้ง</translation>
    </message>
    <message id="panel.recent.empty">
        <source>Copied results appear here</source>
        <translation>ผลลัพธ์ที่คัดลอกจะแสดงที่นี่</translation>
    </message>
    <message id="panel.hint.full">
        <source>Enter: copy · ↑↓: choose · Ctrl+K: categories · Ctrl+,: settings</source>
        <translation>Enter: คัดลอก · ↑↓: เลือก · Ctrl+K: หมวดหมู่ · Ctrl+,: การตั้งค่า</translation>
    </message>
    <message id="panel.hint.medium">
        <source>Enter: copy · Ctrl+K: categories</source>
        <translation>Enter: คัดลอก · Ctrl+K: หมวดหมู่</translation>
    </message>
    <message id="panel.hint.short">
        <source>Enter: copy</source>
        <translation>Enter: คัดลอก</translation>
    </message>
    <message id="panel.hint.categories">
        <source>Pick a category · Esc: back</source>
        <translation>เลือกหมวดหมู่ · Esc: กลับ</translation>
    </message>
    <message id="panel.hint.settings">
        <source>Changes are saved at once · Esc: back</source>
        <translation>บันทึกการเปลี่ยนแปลงทันที · Esc: กลับ</translation>
    </message>
    <message id="panel.hint.back">
        <source>Back</source>
        <translation>กลับ</translation>
    </message>
    <message id="panel.back">
        <source>Back</source>
        <translation>กลับ</translation>
    </message>
    <message id="sidebar.search">
        <source>Search categories and units</source>
        <translation>ค้นหาหมวดหมู่และหน่วย</translation>
    </message>
    <message id="group.favorites">
        <source>Favorites</source>
        <translation>รายการโปรด</translation>
    </message>
    <message id="group.everyday">
        <source>Everyday</source>
        <translation>ชีวิตประจำวัน</translation>
    </message>
    <message id="group.science">
        <source>Science</source>
        <translation>วิทยาศาสตร์</translation>
    </message>
    <message id="group.electric">
        <source>Electricity &amp; magnetism</source>
        <translation>ไฟฟ้าและแม่เหล็ก</translation>
    </message>
    <message id="group.radiation">
        <source>Radiation</source>
        <translation>รังสี</translation>
    </message>
    <message id="group.custom">
        <source>Custom</source>
        <translation>กำหนดเอง</translation>
    </message>
    <message id="group.packs">
        <source>Packs</source>
        <translation>แพ็ก</translation>
    </message>
    <message id="panel.star">
        <source>Add to favorites</source>
        <translation>เพิ่มในรายการโปรด</translation>
    </message>
    <message id="panel.unstar">
        <source>Remove from favorites</source>
        <translation>นำออกจากรายการโปรด</translation>
    </message>
    <message id="panel.star.hint">
        <source>Favorite categories appear in the top bar</source>
        <translation>หมวดหมู่ในรายการโปรดจะแสดงในแถบด้านบน</translation>
    </message>
    <message id="explain.title">
        <source>How it's calculated</source>
        <translation>วิธีคำนวณ</translation>
    </message>
    <message id="explain.definition">
        <source>Definition</source>
        <translation>นิยาม</translation>
    </message>
    <message id="explain.formulas">
        <source>Formulas</source>
        <translation>สูตร</translation>
    </message>
    <message id="explain.relativeTo">
        <source>Relative to %1</source>
        <translation>เทียบกับ %1</translation>
    </message>
    <message id="explain.base">
        <source>Base unit</source>
        <translation>หน่วยฐาน</translation>
    </message>
    <message id="explain.example">
        <source>Example</source>
        <translation>ตัวอย่าง</translation>
    </message>
    <message id="explain.notes">
        <source>Notes</source>
        <translation>หมายเหตุ</translation>
    </message>
    <message id="explain.note.ratio">
        <source>These units differ only by a fixed factor: multiply to convert.</source>
        <translation>หน่วยเหล่านี้ต่างกันเพียงตัวคูณคงที่ จึงแปลงได้ด้วยการคูณ</translation>
    </message>
    <message id="explain.note.shifted">
        <source>These scales have different zero points, so converting adds an offset as well as multiplying.</source>
        <translation>สเกลเหล่านี้มีจุดศูนย์ต่างกัน การแปลงจึงต้องบวกค่าชดเชยเพิ่มจากการคูณ</translation>
    </message>
    <message id="explain.note.inverse">
        <source>These units are reciprocal: as one value grows, the other shrinks.</source>
        <translation>หน่วยเหล่านี้เป็นส่วนกลับกัน เมื่อค่าหนึ่งเพิ่มขึ้น อีกค่าจะลดลง</translation>
    </message>
    <message id="explain.note.currency">
        <source>Currency results use the latest downloaded exchange rates and may differ from your bank's.</source>
        <translation>สกุลเงินใช้อัตราแลกเปลี่ยนที่ดาวน์โหลดล่าสุด จึงอาจต่างจากอัตราของธนาคาร</translation>
    </message>
    <message id="panel.section.desktop">
        <source>Desktop</source>
        <translation>เดสก์ท็อป</translation>
    </message>
    <message id="panel.size.title">
        <source>Panel size</source>
        <translation>ขนาดแผง</translation>
    </message>
    <message id="panel.size.small">
        <source>Small</source>
        <translation>เล็ก</translation>
    </message>
    <message id="panel.size.medium">
        <source>Medium</source>
        <translation>กลาง</translation>
    </message>
    <message id="panel.size.large">
        <source>Large</source>
        <translation>ใหญ่</translation>
    </message>
    <message id="panel.hotkey.title">
        <source>Global shortcut</source>
        <translation>ปุ่มลัดทั้งระบบ</translation>
    </message>
    <message id="panel.hotkey.none">
        <source>None</source>
        <translation>ไม่มี</translation>
    </message>
    <message id="panel.login">
        <source>Open at login</source>
        <translation>เปิดเมื่อเข้าสู่ระบบ</translation>
    </message>
    <message id="panel.taskbar">
        <source>Show in taskbar</source>
        <translation>แสดงในแถบงาน</translation>
    </message>
    <message id="panel.tray.title">
        <source>Tray icon</source>
        <translation>ไอคอนในถาดระบบ</translation>
    </message>
    <message id="panel.tray.icon">
        <source>Icon only</source>
        <translation>เฉพาะไอคอน</translation>
    </message>
    <message id="panel.tray.last">
        <source>Icon and last result</source>
        <translation>ไอคอนและผลลัพธ์ล่าสุด</translation>
    </message>
    <message id="panel.copy.title">
        <source>Copying</source>
        <translation>การคัดลอก</translation>
    </message>
    <message id="panel.copy.withUnit">
        <source>Value and unit</source>
        <translation>ค่าและหน่วย</translation>
    </message>
    <message id="panel.copy.value">
        <source>Value only</source>
        <translation>เฉพาะค่า</translation>
    </message>
    <message id="settings.section.language">
        <source>Language &amp; region</source>
        <translation>ภาษาและภูมิภาค</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>ภาษา</translation>
    </message>
    <message id="language.system">
        <source>System default</source>
        <translation>ตามระบบ</translation>
    </message>
    <message id="settings.region">
        <source>Region</source>
        <translation>ภูมิภาค</translation>
    </message>
    <message id="region.mainlandChina">
        <source>Mainland China</source>
        <translation>จีนแผ่นดินใหญ่</translation>
    </message>
    <message id="region.unitedStates">
        <source>United States</source>
        <translation>สหรัฐอเมริกา</translation>
    </message>
    <message id="region.unitedKingdom">
        <source>United Kingdom</source>
        <translation>สหราชอาณาจักร</translation>
    </message>
    <message id="region.taiwan">
        <source>Taiwan</source>
        <translation>ไต้หวัน</translation>
    </message>
    <message id="region.hongKong">
        <source>Hong Kong</source>
        <translation>ฮ่องกง</translation>
    </message>
    <message id="region.japan">
        <source>Japan</source>
        <translation>ญี่ปุ่น</translation>
    </message>
    <message id="region.korea">
        <source>South Korea</source>
        <translation>เกาหลีใต้</translation>
    </message>
    <message id="region.germany">
        <source>Germany</source>
        <translation>เยอรมนี</translation>
    </message>
    <message id="region.france">
        <source>France</source>
        <translation>ฝรั่งเศส</translation>
    </message>
    <message id="region.spain">
        <source>Spain</source>
        <translation>สเปน</translation>
    </message>
    <message id="region.mexico">
        <source>Mexico</source>
        <translation>เม็กซิโก</translation>
    </message>
    <message id="region.italy">
        <source>Italy</source>
        <translation>อิตาลี</translation>
    </message>
    <message id="region.brazil">
        <source>Brazil</source>
        <translation>บราซิล</translation>
    </message>
    <message id="region.thailand">
        <source>Thailand</source>
        <translation>ไทย</translation>
    </message>
    <message id="region.malaysia">
        <source>Malaysia</source>
        <translation>มาเลเซีย</translation>
    </message>
    <message id="region.indonesia">
        <source>Indonesia</source>
        <translation>อินโดนีเซีย</translation>
    </message>
    <message id="settings.digits">
        <source>Significant digits</source>
        <translation>เลขนัยสำคัญ</translation>
    </message>
    <message id="settings.digitsValue">
        <source>%1 digits</source>
        <translation>%1 หลัก</translation>
    </message>
    <message id="settings.appearance">
        <source>Appearance</source>
        <translation>รูปลักษณ์</translation>
    </message>
    <message id="appearance.system">
        <source>System</source>
        <translation>ตามระบบ</translation>
    </message>
    <message id="appearance.light">
        <source>Light</source>
        <translation>สว่าง</translation>
    </message>
    <message id="appearance.dark">
        <source>Dark</source>
        <translation>มืด</translation>
    </message>
    <message id="settings.section.currency">
        <source>Exchange rates</source>
        <translation>อัตราแลกเปลี่ยน</translation>
    </message>
    <message id="settings.autoRates">
        <source>Update rates automatically</source>
        <translation>อัปเดตอัตราแลกเปลี่ยนอัตโนมัติ</translation>
    </message>
    <message id="settings.section.about">
        <source>About</source>
        <translation>เกี่ยวกับ</translation>
    </message>
    <message id="settings.version">
        <source>Version</source>
        <translation>เวอร์ชัน</translation>
    </message>
    <message id="custom.title">
        <source>My units</source>
        <translation>หน่วยของฉัน</translation>
    </message>
    <message id="custom.open">
        <source>Open</source>
        <translation>เปิด</translation>
    </message>
    <message id="custom.openHelp">
        <source>Your own conversions and units</source>
        <translation>การแปลงและหน่วยที่คุณสร้างเอง</translation>
    </message>
    <message id="custom.newConversion">
        <source>New conversion</source>
        <translation>การแปลงใหม่</translation>
    </message>
    <message id="custom.newExtra">
        <source>New unit in a category</source>
        <translation>หน่วยใหม่ในหมวดหมู่</translation>
    </message>
    <message id="custom.newExtraHelp">
        <source>Adds one unit to a built-in category, currency included</source>
        <translation>เพิ่มหน่วยหนึ่งหน่วยในหมวดหมู่ที่มีอยู่ รวมถึงสกุลเงิน</translation>
    </message>
    <message id="custom.templates">
        <source>Templates and packs</source>
        <translation>เทมเพลตและแพ็ก</translation>
    </message>
    <message id="custom.importClipboard">
        <source>Import from clipboard</source>
        <translation>นำเข้าจากคลิปบอร์ด</translation>
    </message>
    <message id="custom.empty">
        <source>You have no conversions or units of your own yet. Make one, or adopt a template.</source>
        <translation>ยังไม่มีการแปลงหรือหน่วยของคุณเอง สร้างใหม่หรือใช้เทมเพลต</translation>
    </message>
    <message id="custom.unitCount">
        <source>Units: %1</source>
        <translation>หน่วย: %1</translation>
    </message>
    <message id="custom.extraIn">
        <source>Unit in %1</source>
        <translation>หน่วยใน %1</translation>
    </message>
    <message id="custom.edit">
        <source>Edit</source>
        <translation>แก้ไข</translation>
    </message>
    <message id="custom.duplicate">
        <source>Duplicate</source>
        <translation>ทำสำเนา</translation>
    </message>
    <message id="custom.duplicated">
        <source>Duplicated</source>
        <translation>ทำสำเนาแล้ว</translation>
    </message>
    <message id="custom.copyName">
        <source>%1 (copy)</source>
        <translation>%1 (สำเนา)</translation>
    </message>
    <message id="custom.share.link">
        <source>Copy link</source>
        <translation>คัดลอกลิงก์</translation>
    </message>
    <message id="custom.share.linkHelp">
        <source>Copies a zelvane: link that another Zelvane can import</source>
        <translation>คัดลอกลิงก์ zelvane: ที่ Zelvane เครื่องอื่นนำเข้าได้</translation>
    </message>
    <message id="custom.share.text">
        <source>Copy as text</source>
        <translation>คัดลอกเป็นข้อความ</translation>
    </message>
    <message id="custom.share.textHelp">
        <source>Copies the item as readable JSON</source>
        <translation>คัดลอกรายการเป็น JSON ที่อ่านได้</translation>
    </message>
    <message id="custom.share.linkCopied">
        <source>Share link copied</source>
        <translation>คัดลอกลิงก์แชร์แล้ว</translation>
    </message>
    <message id="custom.share.textCopied">
        <source>Share text copied</source>
        <translation>คัดลอกข้อความแชร์แล้ว</translation>
    </message>
    <message id="custom.remove">
        <source>Delete</source>
        <translation>ลบ</translation>
    </message>
    <message id="custom.remove.confirm">
        <source>Delete %1?</source>
        <translation>ลบ %1 หรือไม่</translation>
    </message>
    <message id="custom.removed">
        <source>Deleted</source>
        <translation>ลบแล้ว</translation>
    </message>
    <message id="custom.undo">
        <source>Undo</source>
        <translation>เลิกทำ</translation>
    </message>
    <message id="custom.restored">
        <source>Restored</source>
        <translation>กู้คืนแล้ว</translation>
    </message>
    <message id="custom.cancel">
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message id="custom.editConversion">
        <source>Edit conversion</source>
        <translation>แก้ไขการแปลง</translation>
    </message>
    <message id="custom.editExtra">
        <source>Edit unit</source>
        <translation>แก้ไขหน่วย</translation>
    </message>
    <message id="custom.name">
        <source>Name</source>
        <translation>ชื่อ</translation>
    </message>
    <message id="custom.glyph">
        <source>Symbol</source>
        <translation>สัญลักษณ์</translation>
    </message>
    <message id="custom.decimals">
        <source>Decimal places</source>
        <translation>ตำแหน่งทศนิยม</translation>
    </message>
    <message id="custom.decimals.auto">
        <source>As in settings</source>
        <translation>ตามการตั้งค่า</translation>
    </message>
    <message id="custom.extra.category">
        <source>Category</source>
        <translation>หมวดหมู่</translation>
    </message>
    <message id="custom.extra.reference">
        <source>Defined against</source>
        <translation>กำหนดเทียบกับ</translation>
    </message>
    <message id="custom.extra.referenceHelp">
        <source>The built-in unit x stands for in the rule</source>
        <translation>หน่วยที่มีอยู่ซึ่ง x แทนในกฎ</translation>
    </message>
    <message id="custom.units">
        <source>Units</source>
        <translation>หน่วย</translation>
    </message>
    <message id="custom.unit">
        <source>Unit %1</source>
        <translation>หน่วย %1</translation>
    </message>
    <message id="custom.unit.baseName">
        <source>Reference unit</source>
        <translation>หน่วยอ้างอิง</translation>
    </message>
    <message id="custom.unit.name">
        <source>Unit name</source>
        <translation>ชื่อหน่วย</translation>
    </message>
    <message id="custom.unit.symbol">
        <source>Symbol</source>
        <translation>สัญลักษณ์</translation>
    </message>
    <message id="custom.unit.add">
        <source>Add unit</source>
        <translation>เพิ่มหน่วย</translation>
    </message>
    <message id="custom.unit.remove">
        <source>Remove unit %1</source>
        <translation>ลบหน่วย %1</translation>
    </message>
    <message id="custom.rule">
        <source>Rule</source>
        <translation>กฎ</translation>
    </message>
    <message id="custom.rule.ratio">
        <source>Ratio</source>
        <translation>อัตราส่วน</translation>
    </message>
    <message id="custom.rule.steps">
        <source>Steps</source>
        <translation>ขั้นตอน</translation>
    </message>
    <message id="custom.rule.formula">
        <source>Formula</source>
        <translation>สูตร</translation>
    </message>
    <message id="custom.rule.ratioLabel">
        <source>One of this unit is this many reference units</source>
        <translation>หน่วยนี้ 1 หน่วยเท่ากับหน่วยอ้างอิงกี่หน่วย</translation>
    </message>
    <message id="custom.rule.forward">
        <source>Formula in x (x is the reference value)</source>
        <translation>สูตรใน x (x คือค่าอ้างอิง)</translation>
    </message>
    <message id="custom.rule.inverse">
        <source>Inverse formula (optional)</source>
        <translation>สูตรผกผัน (ไม่บังคับ)</translation>
    </message>
    <message id="custom.rule.inverseHint">
        <source>Left empty, it is worked out</source>
        <translation>หากเว้นว่าง จะคำนวณให้</translation>
    </message>
    <message id="custom.op.add">
        <source>+ add</source>
        <translation>+ บวก</translation>
    </message>
    <message id="custom.op.sub">
        <source>− subtract</source>
        <translation>− ลบ</translation>
    </message>
    <message id="custom.op.mul">
        <source>× multiply</source>
        <translation>× คูณ</translation>
    </message>
    <message id="custom.op.div">
        <source>÷ divide</source>
        <translation>÷ หาร</translation>
    </message>
    <message id="custom.op.pow">
        <source>^ power</source>
        <translation>^ ยกกำลัง</translation>
    </message>
    <message id="custom.op.divInto">
        <source>n ÷ value</source>
        <translation>n ÷ ค่า</translation>
    </message>
    <message id="custom.op.convert">
        <source>convert</source>
        <translation>แปลง</translation>
    </message>
    <message id="custom.op.ratioMul">
        <source>× unit ratio</source>
        <translation>× อัตราส่วนหน่วย</translation>
    </message>
    <message id="custom.op.ratioDiv">
        <source>÷ unit ratio</source>
        <translation>÷ อัตราส่วนหน่วย</translation>
    </message>
    <message id="custom.op.fn">
        <source>function</source>
        <translation>ฟังก์ชัน</translation>
    </message>
    <message id="custom.step.op">
        <source>Step %1</source>
        <translation>ขั้นตอน %1</translation>
    </message>
    <message id="custom.step.operand">
        <source>Number or parameter</source>
        <translation>ตัวเลขหรือพารามิเตอร์</translation>
    </message>
    <message id="custom.step.operandHint">
        <source>e.g. 1.8 or k</source>
        <translation>เช่น 1.8 หรือ k</translation>
    </message>
    <message id="custom.step.digits">
        <source>Decimal places (round)</source>
        <translation>ตำแหน่งทศนิยม (round)</translation>
    </message>
    <message id="custom.step.from">
        <source>From unit</source>
        <translation>จากหน่วย</translation>
    </message>
    <message id="custom.step.to">
        <source>To unit</source>
        <translation>ไปยังหน่วย</translation>
    </message>
    <message id="custom.step.function">
        <source>Function name</source>
        <translation>ชื่อฟังก์ชัน</translation>
    </message>
    <message id="custom.step.add">
        <source>Add step</source>
        <translation>เพิ่มขั้นตอน</translation>
    </message>
    <message id="custom.step.remove">
        <source>Remove step %1</source>
        <translation>ลบขั้นตอน %1</translation>
    </message>
    <message id="custom.parameters">
        <source>Parameters</source>
        <translation>พารามิเตอร์</translation>
    </message>
    <message id="custom.parameter.add">
        <source>Add parameter</source>
        <translation>เพิ่มพารามิเตอร์</translation>
    </message>
    <message id="custom.parameter.help">
        <source>A named number the rules can use by its name</source>
        <translation>ตัวเลขที่มีชื่อซึ่งกฎเรียกใช้ด้วยชื่อได้</translation>
    </message>
    <message id="custom.parameter.name">
        <source>Parameter name</source>
        <translation>ชื่อพารามิเตอร์</translation>
    </message>
    <message id="custom.parameter.value">
        <source>Default value</source>
        <translation>ค่าเริ่มต้น</translation>
    </message>
    <message id="custom.parameter.note">
        <source>Note</source>
        <translation>หมายเหตุ</translation>
    </message>
    <message id="custom.parameter.remove">
        <source>Remove parameter %1</source>
        <translation>ลบพารามิเตอร์ %1</translation>
    </message>
    <message id="custom.parameter.badName">
        <source>“%1” cannot name a parameter: start with a letter, use letters, digits and _, at most 20, and no function name, x, e or pi.</source>
        <translation>“%1” ใช้เป็นชื่อพารามิเตอร์ไม่ได้: ขึ้นต้นด้วยตัวอักษร ใช้ตัวอักษร ตัวเลข และ _ ไม่เกิน 20 ตัว และห้ามเป็นชื่อฟังก์ชัน x e หรือ pi</translation>
    </message>
    <message id="custom.parameter.repeated">
        <source>The parameter name “%1” is used twice.</source>
        <translation>ชื่อพารามิเตอร์ “%1” ถูกใช้ซ้ำ</translation>
    </message>
    <message id="custom.parameter.badValue">
        <source>The value of “%1” is not a number.</source>
        <translation>ค่าของ “%1” ไม่ใช่ตัวเลข</translation>
    </message>
    <message id="custom.save">
        <source>Save</source>
        <translation>บันทึก</translation>
    </message>
    <message id="custom.saved">
        <source>Saved</source>
        <translation>บันทึกแล้ว</translation>
    </message>
    <message id="custom.status.base">
        <source>reference unit</source>
        <translation>หน่วยอ้างอิง</translation>
    </message>
    <message id="custom.status.sameAsBase">
        <source>same as the reference unit</source>
        <translation>เท่ากับหน่วยอ้างอิง</translation>
    </message>
    <message id="custom.status.exactLine">
        <source>converts both ways exactly</source>
        <translation>แปลงได้ทั้งสองทางอย่างแม่นยำ</translation>
    </message>
    <message id="custom.status.searched">
        <source>converts back by searching, checked</source>
        <translation>แปลงกลับด้วยการค้นหา ตรวจสอบแล้ว</translation>
    </message>
    <message id="custom.status.written">
        <source>your inverse formula checks out</source>
        <translation>สูตรผกผันของคุณถูกต้อง</translation>
    </message>
    <message id="custom.status.needsFormula">
        <source>cannot convert back: write an inverse formula</source>
        <translation>แปลงกลับไม่ได้: โปรดเขียนสูตรผกผัน</translation>
    </message>
    <message id="custom.status.mismatch">
        <source>your inverse formula does not match the formula</source>
        <translation>สูตรผกผันไม่ตรงกับสูตร</translation>
    </message>
    <message id="custom.error.expression">
        <source>at character %1: %2</source>
        <translation>ที่อักขระ %1: %2</translation>
    </message>
    <message id="custom.error.unknownName">
        <source>unknown name %1: use x or a parameter</source>
        <translation>ไม่รู้จักชื่อ %1: ใช้ x หรือพารามิเตอร์</translation>
    </message>
    <message id="custom.error.unknownUnit">
        <source>no unit %1</source>
        <translation>ไม่มีหน่วย %1</translation>
    </message>
    <message id="custom.error.invalidNumber">
        <source>the ratio must be a number other than 0</source>
        <translation>อัตราส่วนต้องเป็นตัวเลขที่ไม่ใช่ 0</translation>
    </message>
    <message id="custom.error.emptyFormula">
        <source>the formula is empty</source>
        <translation>สูตรว่างเปล่า</translation>
    </message>
    <message id="custom.parse.empty">
        <source>nothing to read</source>
        <translation>ไม่มีอะไรให้อ่าน</translation>
    </message>
    <message id="custom.parse.unexpectedCharacter">
        <source>a character that does not belong</source>
        <translation>อักขระที่ใช้ไม่ได้</translation>
    </message>
    <message id="custom.parse.unexpectedToken">
        <source>this does not fit here</source>
        <translation>ส่วนนี้ไม่ควรอยู่ตรงนี้</translation>
    </message>
    <message id="custom.parse.missingClosingParenthesis">
        <source>a closing parenthesis is missing</source>
        <translation>ขาดวงเล็บปิด</translation>
    </message>
    <message id="custom.parse.unknownFunction">
        <source>no function %1</source>
        <translation>ไม่มีฟังก์ชัน %1</translation>
    </message>
    <message id="custom.parse.wrongArgumentCount">
        <source>%1 takes a different number of values</source>
        <translation>%1 ต้องการจำนวนค่าที่ต่างออกไป</translation>
    </message>
    <message id="custom.parse.badUnitReference">
        <source>a unit is written category.unit, such as length.ft</source>
        <translation>หน่วยเขียนเป็น หมวดหมู่.หน่วย เช่น length.ft</translation>
    </message>
    <message id="custom.parse.expectedNumberOrName">
        <source>a number or name is expected here</source>
        <translation>ตรงนี้ต้องเป็นตัวเลขหรือชื่อ</translation>
    </message>
    <message id="custom.problem.compile">
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message id="custom.problem.name">
        <source>Every name needs some text.</source>
        <translation>ทุกชื่อต้องมีข้อความ</translation>
    </message>
    <message id="custom.problem.units">
        <source>A conversion needs 2 to 12 units.</source>
        <translation>การแปลงต้องมี 2 ถึง 12 หน่วย</translation>
    </message>
    <message id="custom.problem.parameters">
        <source>At most 10 parameters, each with its own valid name.</source>
        <translation>พารามิเตอร์ได้ไม่เกิน 10 ตัว แต่ละตัวมีชื่อที่ถูกต้องไม่ซ้ำกัน</translation>
    </message>
    <message id="custom.problem.rule">
        <source>Every unit but the reference unit needs a rule.</source>
        <translation>ทุกหน่วยยกเว้นหน่วยอ้างอิงต้องมีกฎ</translation>
    </message>
    <message id="custom.problem.steps">
        <source>A chain may have at most 30 steps.</source>
        <translation>ลำดับขั้นตอนมีได้ไม่เกิน 30 ขั้น</translation>
    </message>
    <message id="custom.problem.formula">
        <source>A formula may have at most 400 characters.</source>
        <translation>สูตรยาวได้ไม่เกิน 400 อักขระ</translation>
    </message>
    <message id="custom.template.adopt">
        <source>Adopt</source>
        <translation>ใช้</translation>
    </message>
    <message id="custom.template.adoptHelp">
        <source>Adds it to your units in your language</source>
        <translation>เพิ่มลงในหน่วยของคุณเป็นภาษาของคุณ</translation>
    </message>
    <message id="custom.template.adopted">
        <source>%1 added to your units</source>
        <translation>เพิ่ม %1 ในหน่วยของคุณแล้ว</translation>
    </message>
    <message id="custom.packs">
        <source>Extension packs</source>
        <translation>แพ็กส่วนขยาย</translation>
    </message>
    <message id="custom.pack.use">
        <source>Use %1</source>
        <translation>ใช้ %1</translation>
    </message>
    <message id="custom.pack.variant">
        <source>Variant of %1 (%2)</source>
        <translation>รูปแบบของ%1 (%2)</translation>
    </message>
    <message id="import.title">
        <source>Import</source>
        <translation>นำเข้า</translation>
    </message>
    <message id="import.conversion">
        <source>Conversion</source>
        <translation>การแปลง</translation>
    </message>
    <message id="import.extra">
        <source>Extra unit in %1</source>
        <translation>หน่วยเพิ่มเติมใน %1</translation>
    </message>
    <message id="import.counts">
        <source>Units: %1 · Parameters: %2</source>
        <translation>หน่วย: %1 · พารามิเตอร์: %2</translation>
    </message>
    <message id="import.units">
        <source>Units and formulas</source>
        <translation>หน่วยและสูตร</translation>
    </message>
    <message id="import.unknown">
        <source>Unknown unit references</source>
        <translation>การอ้างอิงหน่วยที่ไม่รู้จัก</translation>
    </message>
    <message id="import.changes">
        <source>Changed on import</source>
        <translation>เปลี่ยนแปลงเมื่อนำเข้า</translation>
    </message>
    <message id="import.add">
        <source>Add</source>
        <translation>เพิ่ม</translation>
    </message>
    <message id="import.cancel">
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message id="import.added">
        <source>Added “%1”</source>
        <translation>เพิ่ม “%1” แล้ว</translation>
    </message>
    <message id="import.nothing">
        <source>The clipboard holds no shared conversion or unit</source>
        <translation>คลิปบอร์ดไม่มีการแปลงหรือหน่วยที่แชร์</translation>
    </message>
    <message id="import.error.invalid">
        <source>This shared item breaks a limit (%1) and cannot be imported.</source>
        <translation>รายการที่แชร์นี้เกินขีดจำกัด (%1) และนำเข้าไม่ได้</translation>
    </message>
    <message id="import.error.notAConversion">
        <source>This is not a shared custom conversion or unit.</source>
        <translation>นี่ไม่ใช่การแปลงหรือหน่วยที่กำหนดเองที่แชร์</translation>
    </message>
    <message id="import.error.tooLarge">
        <source>This shared item is larger than 64 KB and cannot be imported.</source>
        <translation>รายการที่แชร์นี้ใหญ่กว่า 64 KB และนำเข้าไม่ได้</translation>
    </message>
    <message id="import.error.newerVersion">
        <source>This shared item was made by a newer version of Zelvane. Update Zelvane to import it.</source>
        <translation>รายการที่แชร์นี้สร้างด้วย Zelvane รุ่นที่ใหม่กว่า โปรดอัปเดต Zelvane เพื่อนำเข้า</translation>
    </message>
    <message id="import.change.cut">
        <source>“%1” shortened to “%2”</source>
        <translation>ย่อ “%1” เป็น “%2”</translation>
    </message>
    <message id="import.change.rule">
        <source>The rule of the reference unit “%1” was removed</source>
        <translation>นำกฎของหน่วยอ้างอิง “%1” ออกแล้ว</translation>
    </message>
    <message id="import.change.decimals">
        <source>Decimals %1 out of range were dropped</source>
        <translation>ทิ้งจำนวนทศนิยม %1 ที่อยู่นอกช่วงแล้ว</translation>
    </message>
    <message id="import.change.source">
        <source>The note on where it came from was removed</source>
        <translation>นำหมายเหตุที่มาออกแล้ว</translation>
    </message>
</context>
</TS>
