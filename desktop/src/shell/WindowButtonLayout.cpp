#include "WindowButtonLayout.h"

namespace zelvane {

namespace {

QString kdeButton(QChar letter) {
    switch (letter.unicode()) {
    case u'X':
        return QStringLiteral("close");
    case u'I':
        return QStringLiteral("minimize");
    case u'A':
        return QStringLiteral("maximize");
    }
    return {};
}

QString gnomeButton(const QString& token) {
    static const QStringList known{"close", "minimize", "maximize"};
    return known.contains(token) ? token : QString();
}

// Names each entry of `side` with `name`, skipping unknown entries and repeated buttons.
template <class Entries, class Name>
QStringList buttons(const Entries& side, Name name, QStringList& seen) {
    QStringList found;
    for (const auto& entry : side) {
        const QString button = name(entry);
        if (button.isEmpty() || seen.contains(button))
            continue;
        seen << button;
        found << button;
    }
    return found;
}

std::optional<WindowButtonLayout> unlessEmpty(WindowButtonLayout layout) {
    if (layout.left.isEmpty() && layout.right.isEmpty())
        return std::nullopt;
    return layout;
}

} // namespace

WindowButtonLayout WindowButtonLayout::standard() {
    return {{}, {"minimize", "maximize", "close"}};
}

std::optional<WindowButtonLayout> WindowButtonLayout::fromGnome(const QString& value) {
    QString text = value.trimmed();
    if (text.size() >= 2 && text.startsWith(u'\'') && text.endsWith(u'\''))
        text = text.mid(1, text.size() - 2);
    const qsizetype colon = text.indexOf(u':');
    auto tokens = [](const QString& side) {
        QStringList trimmed;
        for (const QString& token : side.split(u','))
            trimmed << token.trimmed();
        return trimmed;
    };
    QStringList seen;
    WindowButtonLayout layout;
    layout.left = buttons(tokens(text.left(colon < 0 ? text.size() : colon)), gnomeButton, seen);
    if (colon >= 0)
        layout.right = buttons(tokens(text.mid(colon + 1)), gnomeButton, seen);
    return unlessEmpty(layout);
}

std::optional<WindowButtonLayout> WindowButtonLayout::fromKde(const QString& left,
                                                              const QString& right) {
    QStringList seen;
    WindowButtonLayout layout;
    layout.left = buttons(left, kdeButton, seen);
    layout.right = buttons(right, kdeButton, seen);
    return unlessEmpty(layout);
}

} // namespace zelvane
