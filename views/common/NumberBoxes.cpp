#include "views/common/NumberBoxes.h"

#include "controls/MessageBox.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QObject>
#include <QStringList>
#include <QTimer>

namespace vormante {

namespace {

// A click that brings the focus places the cursor after the focus event, so for a
// click the text is selected when the button is released, unless the user dragged a
// selection of his own.
class SelectOnFocus : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* edit = qobject_cast<QLineEdit*>(watched);
        if (edit == nullptr)
            return false;
        if (event->type() == QEvent::FocusIn) {
            edit->selectAll();
            selectOnRelease_ = static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason;
        } else if (event->type() == QEvent::MouseButtonRelease && selectOnRelease_) {
            selectOnRelease_ = false;
            // After the box has handled the release itself, which may place the cursor.
            QTimer::singleShot(0, edit, [edit] {
                if (edit->hasFocus() && !edit->hasSelectedText())
                    edit->selectAll();
            });
        } else if (event->type() == QEvent::FocusOut) {
            selectOnRelease_ = false;
        }
        return false;
    }

private:
    bool selectOnRelease_ = false;
};

// The characters of text that Latin-1 cannot hold, each once, in the order they come.
QStringList NonLatin1Characters(const QString& text) {
    QStringList found;
    for (const char32_t c : text.toUcs4()) {
        const QString character = QString::fromUcs4(&c, 1);
        if (c > 0xFF && !found.contains(character))
            found << character;
    }
    return found;
}

} // namespace

namespace numberbox {

void SelectAllOnFocus(QLineEdit* edit) {
    static const char* const MARKER = "vormanteSelectsOnFocus";
    if (edit->property(MARKER).toBool())
        return;
    edit->setProperty(MARKER, true);
    edit->installEventFilter(new SelectOnFocus(edit));
}

void SelectAllOnFocusIn(QWidget* dialog) {
    for (QLineEdit* edit : dialog->findChildren<QLineEdit*>())
        SelectAllOnFocus(edit);
}

QString RangeText(const QString& box, long long low, long long high) {
    //: %1: the box's name (e.g. Video PID), %2 and %3: the lowest and highest number it takes.
    return QCoreApplication::translate("NumberBoxes", "%1 takes a number from %2 to %3.")
        .arg(box)
        .arg(low)
        .arg(high);
}

bool CheckRange(QWidget* parent, const QString& box, long long value, long long low, long long high) {
    if (value >= low && value <= high)
        return true;
    MessageBox::information(parent, RangeText(box, low, high));
    return false;
}

bool CheckName(QWidget* parent, const QString& box, const QString& name, int maxLength) {
    const QStringList unstorable = NonLatin1Characters(name);
    if (!unstorable.isEmpty()) {
        MessageBox::information(parent,
                                //: %1: the box's name, %2: the characters, separated by spaces.
                                QCoreApplication::translate("NumberBoxes",
                                                            "%1 cannot hold the characters %2: the receiver "
                                                            "stores names in Latin-1, which has no such "
                                                            "characters.")
                                    .arg(box, unstorable.join(QLatin1Char(' '))));
        return false;
    }
    if (name.size() > maxLength) {
        MessageBox::information(parent,
                                //: %1: the box's name, %2: the most characters it holds.
                                QCoreApplication::translate("NumberBoxes", "%1 takes at most %2 characters.")
                                    .arg(box)
                                    .arg(maxLength));
        return false;
    }
    return true;
}

} // namespace numberbox

} // namespace vormante
