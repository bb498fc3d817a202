<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id" sourcelanguage="en">
<context>
    <name></name>
    <message id="panel.appName">
        <source>Zelvane</source>
        <translation>Zelvane</translation>
    </message>
    <message id="app.tagline">
        <source>Quick unit converter</source>
        <translation>Konverter satuan yang cepat</translation>
    </message>
    <message id="panel.menu.open">
        <source>Open Zelvane</source>
        <translation>Buka Zelvane</translation>
    </message>
    <message id="panel.menu.recents">
        <source>Recent conversions</source>
        <translation>Konversi terbaru</translation>
    </message>
    <message id="panel.menu.copyHint">
        <source>Copy this result</source>
        <translation>Salin hasil ini</translation>
    </message>
    <message id="panel.menu.lastCopied">
        <source>Last copied: %1</source>
        <translation>Terakhir disalin: %1</translation>
    </message>
    <message id="panel.menu.resetPosition">
        <source>Reset panel position</source>
        <translation>Atur ulang posisi panel</translation>
    </message>
    <message id="panel.menu.settings">
        <source>Settings…</source>
        <translation>Pengaturan…</translation>
    </message>
    <message id="panel.quit">
        <source>Quit Zelvane</source>
        <translation>Keluar dari Zelvane</translation>
    </message>
    <message id="panel.copied">
        <source>Copied %1</source>
        <translation>%1 disalin</translation>
    </message>
    <message id="panel.unsaved">
        <source>Could not save: %1</source>
        <translation>Tidak dapat menyimpan: %1</translation>
    </message>
    <message id="panel.move.reset">
        <source>Panel position reset</source>
        <translation>Posisi panel diatur ulang</translation>
    </message>
    <message id="panel.size.resetDone">
        <source>Panel size reset</source>
        <translation>Ukuran panel diatur ulang</translation>
    </message>
    <message id="panel.pinned">
        <source>Panel pinned: it stays open</source>
        <translation>Panel disematkan: panel akan tetap terbuka</translation>
    </message>
    <message id="panel.unpinned">
        <source>Panel unpinned</source>
        <translation>Panel tidak lagi disematkan</translation>
    </message>
    <message id="star.limit">
        <source>You can have up to %1 favorite categories</source>
        <translation>Anda dapat menambahkan maksimal %1 kategori ke favorit</translation>
    </message>
    <message id="panel.hotKey.taken">
        <source>%1 is already used by another program</source>
        <translation>%1 sudah dipakai oleh program lain</translation>
    </message>
    <message id="panel.hotKey.working">
        <source>Working: %1</source>
        <translation>Aktif: %1</translation>
    </message>
    <message id="panel.hotKey.notWorking">
        <source>Not working: %1</source>
        <translation>Tidak berfungsi: %1</translation>
    </message>
    <message id="panel.hotKey.bindHint">
        <source>To use another shortcut, add one in your desktop's keyboard settings that runs the command: zelvane --toggle</source>
        <translation>Untuk memakai pintasan lain, tambahkan pintasan di pengaturan keyboard desktop Anda yang menjalankan perintah: zelvane --toggle</translation>
    </message>
    <message id="panel.hotKey.setUp">
        <source>Set up in desktop settings</source>
        <translation>Atur di pengaturan desktop</translation>
    </message>
    <message id="panel.hotKey.portalDescription">
        <source>Show or hide the Zelvane panel</source>
        <translation>Tampilkan atau sembunyikan panel Zelvane</translation>
    </message>
    <message id="drawer.allCategories">
        <source>All categories</source>
        <translation>Semua kategori</translation>
    </message>
    <message id="panel.pin">
        <source>Keep panel open</source>
        <translation>Biarkan panel tetap terbuka</translation>
    </message>
    <message id="settings.title">
        <source>Settings</source>
        <translation>Pengaturan</translation>
    </message>
    <message id="panel.window.close">
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message id="panel.window.minimize">
        <source>Minimize</source>
        <translation>Minimalkan</translation>
    </message>
    <message id="panel.window.maximize">
        <source>Maximize</source>
        <translation>Maksimalkan</translation>
    </message>
    <message id="panel.move.help">
        <source>Drag to move · double-click to reset the position</source>
        <translation>Seret untuk memindahkan · klik dua kali untuk mengatur ulang posisi</translation>
    </message>
    <message id="panel.size.help">
        <source>Drag to resize · double-click to reset the size</source>
        <translation>Seret untuk mengubah ukuran · klik dua kali untuk mengatur ulang ukuran</translation>
    </message>
    <message id="panel.size.min">
        <source>Minimum size</source>
        <translation>Ukuran minimum</translation>
    </message>
    <message id="panel.size.max">
        <source>Maximum size</source>
        <translation>Ukuran maksimum</translation>
    </message>
    <message id="panel.size.reset">
        <source>Double-click a corner to reset</source>
        <translation>Klik dua kali di sudut untuk mengatur ulang</translation>
    </message>
    <message id="converter.value">
        <source>Value</source>
        <translation>Nilai</translation>
    </message>
    <message id="converter.clear">
        <source>Clear</source>
        <translation>Kosongkan</translation>
    </message>
    <message id="converter.inputUnit">
        <source>Input unit</source>
        <translation>Satuan masukan</translation>
    </message>
    <message id="explain.hint">
        <source>How this is calculated</source>
        <translation>Cara menghitungnya</translation>
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
        <translation>Tekan Enter untuk menerapkan</translation>
    </message>
    <message id="panel.parse.copy">
        <source>Press Enter to copy</source>
        <translation>Tekan Enter untuk menyalin</translation>
    </message>
    <message id="panel.parse.miss">
        <source>Unit not recognized</source>
        <translation>Satuan tidak dikenali</translation>
    </message>
    <message id="converter.decrement">
        <source>Decrease</source>
        <translation>Kurangi</translation>
    </message>
    <message id="converter.increment">
        <source>Increase</source>
        <translation>Tambah</translation>
    </message>
    <message id="converter.step.title">
        <source>Step size</source>
        <translation>Ukuran langkah</translation>
    </message>
    <message id="converter.step.auto">
        <source>Automatic</source>
        <translation>Otomatis</translation>
    </message>
    <message id="converter.step.custom">
        <source>Custom step</source>
        <translation>Ukuran langkah kustom</translation>
    </message>
    <message id="common.done">
        <source>Done</source>
        <translation>Selesai</translation>
    </message>
    <message id="currency.lastUpdated">
        <source>Updated %1</source>
        <translation>Diperbarui %1</translation>
    </message>
    <message id="currency.noRates.title">
        <source>No exchange rates yet</source>
        <translation>Belum ada kurs</translation>
    </message>
    <message id="currency.updating">
        <source>Updating rates…</source>
        <translation>Memperbarui kurs…</translation>
    </message>
    <message id="panel.rates.failed">
        <source>Couldn't update rates</source>
        <translation>Gagal memperbarui kurs</translation>
    </message>
    <message id="currency.update">
        <source>Update rates</source>
        <translation>Perbarui kurs</translation>
    </message>
    <message id="converter.showOthers">
        <source>Show all units</source>
        <translation>Tampilkan semua satuan</translation>
    </message>
    <message id="converter.hideOthers">
        <source>Show fewer units</source>
        <translation>Tampilkan lebih sedikit satuan</translation>
    </message>
    <message id="picker.pin">
        <source>Pin</source>
        <translation>Sematkan</translation>
    </message>
    <message id="picker.unpin">
        <source>Unpin</source>
        <translation>Lepaskan sematan</translation>
    </message>
    <message id="picker.hide">
        <source>Hide unit</source>
        <translation>Sembunyikan satuan</translation>
    </message>
    <message id="picker.filter">
        <source>Find a unit</source>
        <translation>Cari satuan</translation>
    </message>
    <message id="picker.showAgain">
        <source>Show again</source>
        <translation>Tampilkan lagi</translation>
    </message>
    <message id="picker.hiddenTag">
        <source>Hidden</source>
        <translation>Tersembunyi</translation>
    </message>
    <message id="picker.a11y.current">
        <source>%1, current</source>
        <translation>%1, saat ini</translation>
    </message>
    <message id="picker.a11y.hidden">
        <source>%1, hidden</source>
        <translation>%1, tersembunyi</translation>
    </message>
    <message id="panel.move.hint">
        <source>Drag or press Alt+↑ / Alt+↓ to reorder</source>
        <translation>Seret atau tekan Alt+↑ / Alt+↓ untuk mengurutkan ulang</translation>
    </message>
    <message id="panel.customTag">
        <source>Custom</source>
        <translation>Kustom</translation>
    </message>
    <message id="panel.row.help">
        <source>Click to copy · Ctrl-click to convert from this unit</source>
        <translation>Klik untuk menyalin · Ctrl+klik untuk mengonversi dari satuan ini</translation>
    </message>
    <message id="converter.copyWithUnit">
        <source>Copy with unit</source>
        <translation>Salin beserta satuan</translation>
    </message>
    <message id="converter.copyValue">
        <source>Copy value only</source>
        <translation>Salin nilainya saja</translation>
    </message>
    <message id="converter.rowHint">
        <source>Convert from this unit</source>
        <translation>Konversi dari satuan ini</translation>
    </message>
    <message id="panel.recent.title">
        <source>Recent</source>
        <translation>Terbaru</translation>
    </message>
    <message id="panel.recent.hint">
        <source>Click to open again</source>
        <translation>Klik untuk membuka lagi</translation>
    </message>
    <message id="panel.recent.empty">
        <source>Copied results appear here</source>
        <translation>Hasil yang disalin akan muncul di sini</translation>
    </message>
    <message id="panel.hint.full">
        <source>Enter: copy · ↑↓: choose · Ctrl+K: categories · Ctrl+,: settings</source>
        <translation>Enter: salin · ↑↓: pilih · Ctrl+K: kategori · Ctrl+,: pengaturan</translation>
    </message>
    <message id="panel.hint.medium">
        <source>Enter: copy · Ctrl+K: categories</source>
        <translation>Enter: salin · Ctrl+K: kategori</translation>
    </message>
    <message id="panel.hint.short">
        <source>Enter: copy</source>
        <translation>Enter: salin</translation>
    </message>
    <message id="panel.hint.categories">
        <source>Pick a category · Esc: back</source>
        <translation>Pilih kategori · Esc: kembali</translation>
    </message>
    <message id="panel.hint.settings">
        <source>Changes are saved at once · Esc: back</source>
        <translation>Perubahan langsung tersimpan · Esc: kembali</translation>
    </message>
    <message id="panel.hint.back">
        <source>Back</source>
        <translation>Kembali</translation>
    </message>
    <message id="panel.back">
        <source>Back</source>
        <translation>Kembali</translation>
    </message>
    <message id="sidebar.search">
        <source>Search categories and units</source>
        <translation>Cari kategori dan satuan</translation>
    </message>
    <message id="group.favorites">
        <source>Favorites</source>
        <translation>Favorit</translation>
    </message>
    <message id="group.everyday">
        <source>Everyday</source>
        <translation>Sehari-hari</translation>
    </message>
    <message id="group.science">
        <source>Science</source>
        <translation>Sains</translation>
    </message>
    <message id="group.electric">
        <source>Electricity &amp; magnetism</source>
        <translation>Listrik &amp; magnet</translation>
    </message>
    <message id="group.radiation">
        <source>Radiation</source>
        <translation>Radiasi</translation>
    </message>
    <message id="group.custom">
        <source>Custom</source>
        <translation>Kustom</translation>
    </message>
    <message id="group.packs">
        <source>Packs</source>
        <translation>Paket</translation>
    </message>
    <message id="panel.star">
        <source>Add to favorites</source>
        <translation>Tambahkan ke favorit</translation>
    </message>
    <message id="panel.unstar">
        <source>Remove from favorites</source>
        <translation>Hapus dari favorit</translation>
    </message>
    <message id="panel.star.hint">
        <source>Favorite categories appear in the top bar</source>
        <translation>Kategori favorit muncul di bilah atas</translation>
    </message>
    <message id="explain.title">
        <source>How it's calculated</source>
        <translation>Cara menghitungnya</translation>
    </message>
    <message id="explain.definition">
        <source>Definition</source>
        <translation>Definisi</translation>
    </message>
    <message id="explain.formulas">
        <source>Formulas</source>
        <translation>Rumus</translation>
    </message>
    <message id="explain.relativeTo">
        <source>Relative to %1</source>
        <translation>Relatif terhadap %1</translation>
    </message>
    <message id="explain.base">
        <source>Base unit</source>
        <translation>Satuan dasar</translation>
    </message>
    <message id="explain.example">
        <source>Example</source>
        <translation>Contoh</translation>
    </message>
    <message id="explain.notes">
        <source>Notes</source>
        <translation>Catatan</translation>
    </message>
    <message id="explain.note.ratio">
        <source>These units differ only by a fixed factor: multiply to convert.</source>
        <translation>Satuan-satuan ini hanya berbeda dengan faktor tetap: cukup kalikan untuk mengonversi.</translation>
    </message>
    <message id="explain.note.shifted">
        <source>These scales have different zero points, so converting adds an offset as well as multiplying.</source>
        <translation>Skala-skala ini punya titik nol yang berbeda, jadi selain dikalikan, perlu ditambah selisih.</translation>
    </message>
    <message id="explain.note.inverse">
        <source>These units are reciprocal: as one value grows, the other shrinks.</source>
        <translation>Satuan-satuan ini saling berkebalikan: jika satu nilai naik, nilai lainnya turun.</translation>
    </message>
    <message id="explain.note.currency">
        <source>Currency results use the latest downloaded exchange rates and may differ from your bank's.</source>
        <translation>Mata uang memakai kurs terakhir yang diunduh dan bisa berbeda dari kurs bank Anda.</translation>
    </message>
    <message id="panel.section.desktop">
        <source>Desktop</source>
        <translation>Desktop</translation>
    </message>
    <message id="panel.size.title">
        <source>Panel size</source>
        <translation>Ukuran panel</translation>
    </message>
    <message id="panel.size.small">
        <source>Small</source>
        <translation>Kecil</translation>
    </message>
    <message id="panel.size.medium">
        <source>Medium</source>
        <translation>Sedang</translation>
    </message>
    <message id="panel.size.large">
        <source>Large</source>
        <translation>Besar</translation>
    </message>
    <message id="panel.hotkey.title">
        <source>Global shortcut</source>
        <translation>Pintasan global</translation>
    </message>
    <message id="panel.hotkey.none">
        <source>None</source>
        <translation>Tidak ada</translation>
    </message>
    <message id="panel.login">
        <source>Open at login</source>
        <translation>Buka saat login</translation>
    </message>
    <message id="panel.taskbar">
        <source>Show in taskbar</source>
        <translation>Tampilkan di bilah tugas</translation>
    </message>
    <message id="panel.tray.title">
        <source>Tray icon</source>
        <translation>Ikon baki sistem</translation>
    </message>
    <message id="panel.tray.icon">
        <source>Icon only</source>
        <translation>Ikon saja</translation>
    </message>
    <message id="panel.tray.last">
        <source>Icon and last result</source>
        <translation>Ikon dan hasil terakhir</translation>
    </message>
    <message id="panel.copy.title">
        <source>Copying</source>
        <translation>Penyalinan</translation>
    </message>
    <message id="panel.copy.withUnit">
        <source>Value and unit</source>
        <translation>Nilai dan satuan</translation>
    </message>
    <message id="panel.copy.value">
        <source>Value only</source>
        <translation>Nilai saja</translation>
    </message>
    <message id="settings.section.language">
        <source>Language &amp; region</source>
        <translation>Bahasa &amp; wilayah</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Bahasa</translation>
    </message>
    <message id="language.system">
        <source>System default</source>
        <translation>Bawaan sistem</translation>
    </message>
    <message id="settings.region">
        <source>Region</source>
        <translation>Wilayah</translation>
    </message>
    <message id="region.mainlandChina">
        <source>Mainland China</source>
        <translation>Tiongkok Daratan</translation>
    </message>
    <message id="region.unitedStates">
        <source>United States</source>
        <translation>Amerika Serikat</translation>
    </message>
    <message id="region.unitedKingdom">
        <source>United Kingdom</source>
        <translation>Britania Raya</translation>
    </message>
    <message id="region.taiwan">
        <source>Taiwan</source>
        <translation>Taiwan</translation>
    </message>
    <message id="region.hongKong">
        <source>Hong Kong</source>
        <translation>Hong Kong</translation>
    </message>
    <message id="region.japan">
        <source>Japan</source>
        <translation>Jepang</translation>
    </message>
    <message id="region.korea">
        <source>South Korea</source>
        <translation>Korea Selatan</translation>
    </message>
    <message id="region.germany">
        <source>Germany</source>
        <translation>Jerman</translation>
    </message>
    <message id="region.france">
        <source>France</source>
        <translation>Prancis</translation>
    </message>
    <message id="region.spain">
        <source>Spain</source>
        <translation>Spanyol</translation>
    </message>
    <message id="region.mexico">
        <source>Mexico</source>
        <translation>Meksiko</translation>
    </message>
    <message id="region.italy">
        <source>Italy</source>
        <translation>Italia</translation>
    </message>
    <message id="region.brazil">
        <source>Brazil</source>
        <translation>Brasil</translation>
    </message>
    <message id="region.thailand">
        <source>Thailand</source>
        <translation>Thailand</translation>
    </message>
    <message id="region.malaysia">
        <source>Malaysia</source>
        <translation>Malaysia</translation>
    </message>
    <message id="region.indonesia">
        <source>Indonesia</source>
        <translation>Indonesia</translation>
    </message>
    <message id="settings.digits">
        <source>Significant digits</source>
        <translation>Angka penting</translation>
    </message>
    <message id="settings.digitsValue">
        <source>%1 digits</source>
        <translation>%1 angka</translation>
    </message>
    <message id="settings.appearance">
        <source>Appearance</source>
        <translation>Tampilan</translation>
    </message>
    <message id="appearance.system">
        <source>System</source>
        <translation>Sistem</translation>
    </message>
    <message id="appearance.light">
        <source>Light</source>
        <translation>Terang</translation>
    </message>
    <message id="appearance.dark">
        <source>Dark</source>
        <translation>Gelap</translation>
    </message>
    <message id="settings.section.currency">
        <source>Exchange rates</source>
        <translation>Kurs</translation>
    </message>
    <message id="settings.autoRates">
        <source>Update rates automatically</source>
        <translation>Perbarui kurs secara otomatis</translation>
    </message>
    <message id="settings.section.about">
        <source>About</source>
        <translation>Tentang</translation>
    </message>
    <message id="settings.version">
        <source>Version</source>
        <translation>Versi</translation>
    </message>
    <message id="custom.title">
        <source>My units</source>
        <translation>Unit saya</translation>
    </message>
    <message id="custom.open">
        <source>Open</source>
        <translation>Buka</translation>
    </message>
    <message id="custom.openHelp">
        <source>Your own conversions and units</source>
        <translation>Konversi dan unit buatan Anda</translation>
    </message>
    <message id="custom.newConversion">
        <source>New conversion</source>
        <translation>Konversi baru</translation>
    </message>
    <message id="custom.newExtra">
        <source>New unit in a category</source>
        <translation>Unit baru dalam kategori</translation>
    </message>
    <message id="custom.newExtraHelp">
        <source>Adds one unit to a built-in category, currency included</source>
        <translation>Menambahkan satu unit ke kategori bawaan, termasuk mata uang</translation>
    </message>
    <message id="custom.templates">
        <source>Templates and packs</source>
        <translation>Templat dan paket</translation>
    </message>
    <message id="custom.importClipboard">
        <source>Import from clipboard</source>
        <translation>Impor dari papan klip</translation>
    </message>
    <message id="custom.empty">
        <source>You have no conversions or units of your own yet. Make one, or adopt a template.</source>
        <translation>Belum ada konversi atau unit buatan Anda. Buat satu, atau pakai templat.</translation>
    </message>
    <message id="custom.unitCount">
        <source>Units: %1</source>
        <translation>Unit: %1</translation>
    </message>
    <message id="custom.extraIn">
        <source>Unit in %1</source>
        <translation>Unit dalam %1</translation>
    </message>
    <message id="custom.edit">
        <source>Edit</source>
        <translation>Ubah</translation>
    </message>
    <message id="custom.duplicate">
        <source>Duplicate</source>
        <translation>Duplikat</translation>
    </message>
    <message id="custom.duplicated">
        <source>Duplicated</source>
        <translation>Diduplikasi</translation>
    </message>
    <message id="custom.copyName">
        <source>%1 (copy)</source>
        <translation>%1 (salinan)</translation>
    </message>
    <message id="custom.share.link">
        <source>Copy link</source>
        <translation>Salin tautan</translation>
    </message>
    <message id="custom.share.linkHelp">
        <source>Copies a zelvane: link that another Zelvane can import</source>
        <translation>Menyalin tautan zelvane: yang bisa diimpor Zelvane lain</translation>
    </message>
    <message id="custom.share.text">
        <source>Copy as text</source>
        <translation>Salin sebagai teks</translation>
    </message>
    <message id="custom.share.textHelp">
        <source>Copies the item as readable JSON</source>
        <translation>Menyalin item sebagai JSON yang terbaca</translation>
    </message>
    <message id="custom.share.linkCopied">
        <source>Share link copied</source>
        <translation>Tautan berbagi disalin</translation>
    </message>
    <message id="custom.share.textCopied">
        <source>Share text copied</source>
        <translation>Teks berbagi disalin</translation>
    </message>
    <message id="custom.remove">
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message id="custom.remove.confirm">
        <source>Delete %1?</source>
        <translation>Hapus %1?</translation>
    </message>
    <message id="custom.removed">
        <source>Deleted</source>
        <translation>Dihapus</translation>
    </message>
    <message id="custom.undo">
        <source>Undo</source>
        <translation>Urungkan</translation>
    </message>
    <message id="custom.restored">
        <source>Restored</source>
        <translation>Dipulihkan</translation>
    </message>
    <message id="custom.cancel">
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message id="custom.editConversion">
        <source>Edit conversion</source>
        <translation>Ubah konversi</translation>
    </message>
    <message id="custom.editExtra">
        <source>Edit unit</source>
        <translation>Ubah unit</translation>
    </message>
    <message id="custom.name">
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message id="custom.glyph">
        <source>Symbol</source>
        <translation>Simbol</translation>
    </message>
    <message id="custom.decimals">
        <source>Decimal places</source>
        <translation>Angka desimal</translation>
    </message>
    <message id="custom.decimals.auto">
        <source>As in settings</source>
        <translation>Sesuai pengaturan</translation>
    </message>
    <message id="custom.extra.category">
        <source>Category</source>
        <translation>Kategori</translation>
    </message>
    <message id="custom.extra.reference">
        <source>Defined against</source>
        <translation>Didefinisikan terhadap</translation>
    </message>
    <message id="custom.extra.referenceHelp">
        <source>The built-in unit x stands for in the rule</source>
        <translation>Unit bawaan yang diwakili x dalam aturan</translation>
    </message>
    <message id="custom.units">
        <source>Units</source>
        <translation>Unit</translation>
    </message>
    <message id="custom.unit">
        <source>Unit %1</source>
        <translation>Unit %1</translation>
    </message>
    <message id="custom.unit.baseName">
        <source>Reference unit</source>
        <translation>Unit acuan</translation>
    </message>
    <message id="custom.unit.name">
        <source>Unit name</source>
        <translation>Nama unit</translation>
    </message>
    <message id="custom.unit.symbol">
        <source>Symbol</source>
        <translation>Simbol</translation>
    </message>
    <message id="custom.unit.add">
        <source>Add unit</source>
        <translation>Tambah unit</translation>
    </message>
    <message id="custom.unit.remove">
        <source>Remove unit %1</source>
        <translation>Hapus unit %1</translation>
    </message>
    <message id="custom.rule">
        <source>Rule</source>
        <translation>Aturan</translation>
    </message>
    <message id="custom.rule.ratio">
        <source>Ratio</source>
        <translation>Rasio</translation>
    </message>
    <message id="custom.rule.steps">
        <source>Steps</source>
        <translation>Langkah</translation>
    </message>
    <message id="custom.rule.formula">
        <source>Formula</source>
        <translation>Rumus</translation>
    </message>
    <message id="custom.rule.ratioLabel">
        <source>One of this unit is this many reference units</source>
        <translation>Satu unit ini sama dengan sekian unit acuan</translation>
    </message>
    <message id="custom.rule.forward">
        <source>Formula in x (x is the reference value)</source>
        <translation>Rumus dalam x (x adalah nilai acuan)</translation>
    </message>
    <message id="custom.rule.inverse">
        <source>Inverse formula (optional)</source>
        <translation>Rumus kebalikan (opsional)</translation>
    </message>
    <message id="custom.rule.inverseHint">
        <source>Left empty, it is worked out</source>
        <translation>Jika kosong, akan dihitung</translation>
    </message>
    <message id="custom.op.add">
        <source>+ add</source>
        <translation>+ tambah</translation>
    </message>
    <message id="custom.op.sub">
        <source>− subtract</source>
        <translation>− kurang</translation>
    </message>
    <message id="custom.op.mul">
        <source>× multiply</source>
        <translation>× kali</translation>
    </message>
    <message id="custom.op.div">
        <source>÷ divide</source>
        <translation>÷ bagi</translation>
    </message>
    <message id="custom.op.pow">
        <source>^ power</source>
        <translation>^ pangkat</translation>
    </message>
    <message id="custom.op.divInto">
        <source>n ÷ value</source>
        <translation>n ÷ nilai</translation>
    </message>
    <message id="custom.op.convert">
        <source>convert</source>
        <translation>konversi</translation>
    </message>
    <message id="custom.op.ratioMul">
        <source>× unit ratio</source>
        <translation>× rasio unit</translation>
    </message>
    <message id="custom.op.ratioDiv">
        <source>÷ unit ratio</source>
        <translation>÷ rasio unit</translation>
    </message>
    <message id="custom.op.fn">
        <source>function</source>
        <translation>fungsi</translation>
    </message>
    <message id="custom.step.op">
        <source>Step %1</source>
        <translation>Langkah %1</translation>
    </message>
    <message id="custom.step.operand">
        <source>Number or parameter</source>
        <translation>Angka atau parameter</translation>
    </message>
    <message id="custom.step.operandHint">
        <source>e.g. 1.8 or k</source>
        <translation>mis. 1,8 atau k</translation>
    </message>
    <message id="custom.step.digits">
        <source>Decimal places (round)</source>
        <translation>Angka desimal (round)</translation>
    </message>
    <message id="custom.step.from">
        <source>From unit</source>
        <translation>Dari unit</translation>
    </message>
    <message id="custom.step.to">
        <source>To unit</source>
        <translation>Ke unit</translation>
    </message>
    <message id="custom.step.function">
        <source>Function name</source>
        <translation>Nama fungsi</translation>
    </message>
    <message id="custom.step.add">
        <source>Add step</source>
        <translation>Tambah langkah</translation>
    </message>
    <message id="custom.step.remove">
        <source>Remove step %1</source>
        <translation>Hapus langkah %1</translation>
    </message>
    <message id="custom.parameters">
        <source>Parameters</source>
        <translation>Parameter</translation>
    </message>
    <message id="custom.parameter.add">
        <source>Add parameter</source>
        <translation>Tambah parameter</translation>
    </message>
    <message id="custom.parameter.help">
        <source>A named number the rules can use by its name</source>
        <translation>Angka bernama yang dapat dipakai aturan lewat namanya</translation>
    </message>
    <message id="custom.parameter.name">
        <source>Parameter name</source>
        <translation>Nama parameter</translation>
    </message>
    <message id="custom.parameter.value">
        <source>Default value</source>
        <translation>Nilai bawaan</translation>
    </message>
    <message id="custom.parameter.note">
        <source>Note</source>
        <translation>Catatan</translation>
    </message>
    <message id="custom.parameter.remove">
        <source>Remove parameter %1</source>
        <translation>Hapus parameter %1</translation>
    </message>
    <message id="custom.parameter.badName">
        <source>“%1” cannot name a parameter: start with a letter, use letters, digits and _, at most 20, and no function name, x, e or pi.</source>
        <translation>“%1” tidak bisa menjadi nama parameter: awali dengan huruf, pakai huruf, angka dan _, maks. 20, bukan nama fungsi, x, e atau pi.</translation>
    </message>
    <message id="custom.parameter.repeated">
        <source>The parameter name “%1” is used twice.</source>
        <translation>Nama parameter “%1” dipakai dua kali.</translation>
    </message>
    <message id="custom.parameter.badValue">
        <source>The value of “%1” is not a number.</source>
        <translation>Nilai “%1” bukan angka.</translation>
    </message>
    <message id="custom.save">
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message id="custom.saved">
        <source>Saved</source>
        <translation>Disimpan</translation>
    </message>
    <message id="custom.status.base">
        <source>reference unit</source>
        <translation>unit acuan</translation>
    </message>
    <message id="custom.status.sameAsBase">
        <source>same as the reference unit</source>
        <translation>sama dengan unit acuan</translation>
    </message>
    <message id="custom.status.exactLine">
        <source>converts both ways exactly</source>
        <translation>dikonversi dua arah dengan tepat</translation>
    </message>
    <message id="custom.status.searched">
        <source>converts back by searching, checked</source>
        <translation>dikonversi balik dengan pencarian, sudah dicek</translation>
    </message>
    <message id="custom.status.written">
        <source>your inverse formula checks out</source>
        <translation>rumus kebalikan Anda cocok</translation>
    </message>
    <message id="custom.status.needsFormula">
        <source>cannot convert back: write an inverse formula</source>
        <translation>tidak bisa balik: tulis rumus kebalikan</translation>
    </message>
    <message id="custom.status.mismatch">
        <source>your inverse formula does not match the formula</source>
        <translation>rumus kebalikan Anda tidak cocok dengan rumusnya</translation>
    </message>
    <message id="custom.error.expression">
        <source>at character %1: %2</source>
        <translation>pada karakter %1: %2</translation>
    </message>
    <message id="custom.error.unknownName">
        <source>unknown name %1: use x or a parameter</source>
        <translation>nama tak dikenal %1: pakai x atau parameter</translation>
    </message>
    <message id="custom.error.unknownUnit">
        <source>no unit %1</source>
        <translation>tidak ada unit %1</translation>
    </message>
    <message id="custom.error.invalidNumber">
        <source>the ratio must be a number other than 0</source>
        <translation>rasio harus angka selain 0</translation>
    </message>
    <message id="custom.error.emptyFormula">
        <source>the formula is empty</source>
        <translation>rumusnya kosong</translation>
    </message>
    <message id="custom.parse.empty">
        <source>nothing to read</source>
        <translation>tidak ada yang dibaca</translation>
    </message>
    <message id="custom.parse.unexpectedCharacter">
        <source>a character that does not belong</source>
        <translation>karakter yang tidak semestinya</translation>
    </message>
    <message id="custom.parse.unexpectedToken">
        <source>this does not fit here</source>
        <translation>ini tidak cocok di sini</translation>
    </message>
    <message id="custom.parse.missingClosingParenthesis">
        <source>a closing parenthesis is missing</source>
        <translation>kurung tutup hilang</translation>
    </message>
    <message id="custom.parse.unknownFunction">
        <source>no function %1</source>
        <translation>tidak ada fungsi %1</translation>
    </message>
    <message id="custom.parse.wrongArgumentCount">
        <source>%1 takes a different number of values</source>
        <translation>%1 memerlukan jumlah nilai yang berbeda</translation>
    </message>
    <message id="custom.parse.badUnitReference">
        <source>a unit is written category.unit, such as length.ft</source>
        <translation>unit ditulis kategori.unit, misalnya length.ft</translation>
    </message>
    <message id="custom.parse.expectedNumberOrName">
        <source>a number or name is expected here</source>
        <translation>di sini perlu angka atau nama</translation>
    </message>
    <message id="custom.problem.compile">
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message id="custom.problem.name">
        <source>Every name needs some text.</source>
        <translation>Setiap nama perlu diisi.</translation>
    </message>
    <message id="custom.problem.units">
        <source>A conversion needs 2 to 12 units.</source>
        <translation>Konversi perlu 2 sampai 12 unit.</translation>
    </message>
    <message id="custom.problem.parameters">
        <source>At most 10 parameters, each with its own valid name.</source>
        <translation>Paling banyak 10 parameter, masing-masing dengan nama sah sendiri.</translation>
    </message>
    <message id="custom.problem.rule">
        <source>Every unit but the reference unit needs a rule.</source>
        <translation>Setiap unit kecuali unit acuan perlu aturan.</translation>
    </message>
    <message id="custom.problem.steps">
        <source>A chain may have at most 30 steps.</source>
        <translation>Rangkaian paling banyak 30 langkah.</translation>
    </message>
    <message id="custom.problem.formula">
        <source>A formula may have at most 400 characters.</source>
        <translation>Rumus paling banyak 400 karakter.</translation>
    </message>
    <message id="custom.template.adopt">
        <source>Adopt</source>
        <translation>Pakai</translation>
    </message>
    <message id="custom.template.adoptHelp">
        <source>Adds it to your units in your language</source>
        <translation>Menambahkannya ke unit Anda dalam bahasa Anda</translation>
    </message>
    <message id="custom.template.adopted">
        <source>%1 added to your units</source>
        <translation>%1 ditambahkan ke unit Anda</translation>
    </message>
    <message id="custom.packs">
        <source>Extension packs</source>
        <translation>Paket ekstensi</translation>
    </message>
    <message id="custom.pack.use">
        <source>Use %1</source>
        <translation>Pakai %1</translation>
    </message>
    <message id="custom.pack.variant">
        <source>Variant of %1 (%2)</source>
        <translation>Varian %1 (%2)</translation>
    </message>
    <message id="import.title">
        <source>Import</source>
        <translation>Impor</translation>
    </message>
    <message id="import.conversion">
        <source>Conversion</source>
        <translation>Konversi</translation>
    </message>
    <message id="import.extra">
        <source>Extra unit in %1</source>
        <translation>Satuan tambahan di %1</translation>
    </message>
    <message id="import.counts">
        <source>Units: %1 · Parameters: %2</source>
        <translation>Satuan: %1 · Parameter: %2</translation>
    </message>
    <message id="import.units">
        <source>Units and formulas</source>
        <translation>Satuan dan rumus</translation>
    </message>
    <message id="import.unknown">
        <source>Unknown unit references</source>
        <translation>Rujukan satuan yang tidak dikenal</translation>
    </message>
    <message id="import.changes">
        <source>Changed on import</source>
        <translation>Diubah saat impor</translation>
    </message>
    <message id="import.add">
        <source>Add</source>
        <translation>Tambah</translation>
    </message>
    <message id="import.cancel">
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message id="import.added">
        <source>Added “%1”</source>
        <translation>“%1” ditambahkan</translation>
    </message>
    <message id="import.nothing">
        <source>The clipboard holds no shared conversion or unit</source>
        <translation>Papan klip tidak berisi konversi atau satuan yang dibagikan</translation>
    </message>
    <message id="import.error.invalid">
        <source>This shared item breaks a limit (%1) and cannot be imported.</source>
        <translation>Item yang dibagikan ini melewati batas (%1) dan tidak dapat diimpor.</translation>
    </message>
    <message id="import.error.notAConversion">
        <source>This is not a shared custom conversion or unit.</source>
        <translation>Ini bukan konversi atau satuan kustom yang dibagikan.</translation>
    </message>
    <message id="import.error.tooLarge">
        <source>This shared item is larger than 64 KB and cannot be imported.</source>
        <translation>Item yang dibagikan ini lebih besar dari 64 KB dan tidak dapat diimpor.</translation>
    </message>
    <message id="import.error.newerVersion">
        <source>This shared item was made by a newer version of Zelvane. Update Zelvane to import it.</source>
        <translation>Item yang dibagikan ini dibuat oleh versi Zelvane yang lebih baru. Perbarui Zelvane untuk mengimpornya.</translation>
    </message>
    <message id="import.change.cut">
        <source>“%1” shortened to “%2”</source>
        <translation>“%1” dipendekkan menjadi “%2”</translation>
    </message>
    <message id="import.change.rule">
        <source>The rule of the reference unit “%1” was removed</source>
        <translation>Aturan satuan acuan “%1” dihapus</translation>
    </message>
    <message id="import.change.decimals">
        <source>Decimals %1 out of range were dropped</source>
        <translation>Desimal %1 di luar rentang dibuang</translation>
    </message>
    <message id="import.change.source">
        <source>The note on where it came from was removed</source>
        <translation>Catatan asal-usulnya dihapus</translation>
    </message>
</context>
</TS>
