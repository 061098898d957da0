// The TV and Radio choice the channel pages and the names order dialog show: two
// radio buttons in one exclusive group.
#pragma once

class QBoxLayout;
class QRadioButton;
class QString;
class QWidget;

namespace vormante {

struct KindButtons {
    QRadioButton* tv = nullptr;
    QRadioButton* radio = nullptr;

    // Checks the TV button or the Radio button; the other is unchecked.
    void Show(bool showTv) const;
    bool tvChosen() const;
    // The button of that kind.
    QRadioButton* of(bool ofTv) const { return ofTv ? tv : radio; }
    void AddTo(QBoxLayout* layout) const;
};

// Makes the two buttons under parent, with the captions and object names given.
KindButtons MakeKindButtons(QWidget* parent, const QString& tvText, const QString& radioText,
                            const QString& tvName, const QString& radioName);

} // namespace vormante
