#include "views/lists/CompareDialog.h"

#include "controls/MessageBox.h"
#include "document/FileAccess.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vormante {

namespace {

QString Utf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void AddFields(QTreeWidgetItem* parent, const std::vector<FieldDifference>& fields) {
    for (const FieldDifference& field : fields)
        new QTreeWidgetItem(parent, {QStringLiteral("%1: %2 \u2192 %3")
                                         .arg(Utf8(field.field), Utf8(field.before), Utf8(field.after))});
}

// `format` names the item (%1) and says what happened to it (%2).
void AddItems(QTreeWidgetItem* parent, const QString& format, const std::vector<ItemDifference>& items) {
    for (const ItemDifference& item : items) {
        auto* node = new QTreeWidgetItem(
            parent, {format.arg(Utf8(item.item), QString::fromStdString(DiffKindShown(item.kind)))});
        AddFields(node, item.fields);
    }
}

} // namespace

CompareDialog::CompareDialog(const ChannelDatabase& first, const ChannelDatabase& second,
                             const QString& firstName, const QString& secondName, QWidget* parent)
    : QDialog(parent), difference_(DiffImages(first, second)), firstName_(firstName),
      secondName_(secondName) {
    //: %1 names the other image (a file name or an archived copy).
    setWindowTitle(tr("Compare with %1").arg(secondName));
    setObjectName(QStringLiteral("compareDialog"));

    summaryLabel_ = new QLabel(this);
    summaryLabel_->setObjectName(QStringLiteral("summaryLabel"));
    summaryLabel_->setWordWrap(true);
    summaryLabel_->setText(
        difference_.empty() ? tr("The images do not differ.")
        : difference_.fieldsEqual()
            //: %1 says which tables hold the bytes that differ.
            ? tr("No compared field differs, but bytes do: %1.")
                  .arg(Utf8(DescribeByteDifferences(difference_.bytes)))
            //: %1 and %2 name the two images; "added" and "removed" are the words the list below uses.
            : tr("From %1 to %2; \"added\" is only in %2, \"removed\" only in %1.")
                  .arg(firstName, secondName));

    differencesTree_ = new QTreeWidget(this);
    differencesTree_->setObjectName(QStringLiteral("differencesTree"));
    differencesTree_->setHeaderHidden(true);
    differencesTree_->setMinimumSize(520, 340);
    for (const SatelliteDifference& satellite : difference_.satellites) {
        auto* group = new QTreeWidgetItem(
            differencesTree_,
            //: %1 is the satellite's name, %2 its position, %3 what happened to it (added, removed,
            //: changed).
            {tr("Satellite %1 (%2): %3")
                 .arg(Utf8(satellite.name), QString::fromStdString(FormatPosition(satellite.position)),
                      QString::fromStdString(DiffKindShown(satellite.kind)))});
        AddFields(group, satellite.fields);
        //: %1 is the transponder, %2 what happened to it (added, removed, changed).
        AddItems(group, tr("Transponder %1: %2"), satellite.transponders);
        AddItems(group, QStringLiteral("%1: %2"), satellite.channels);
    }
    if (!difference_.settings.empty()) {
        auto* settings = new QTreeWidgetItem(differencesTree_, {tr("Settings: changed")});
        AddFields(settings, difference_.settings);
    }
    if (!difference_.bytes.empty()) {
        auto* bytes = new QTreeWidgetItem(differencesTree_, {tr("Bytes that differ")});
        for (const ByteDifference& part : difference_.bytes)
            new QTreeWidgetItem(bytes, {(part.count == 1
                                             //: %1 is a table of the image (satellites, channels...).
                                             ? tr("%1: %n byte", nullptr, static_cast<int>(part.count))
                                             //: %1 is a table of the image (satellites, channels...).
                                             : tr("%1: %n bytes", nullptr, static_cast<int>(part.count)))
                                            .arg(QString::fromStdString(PartTableShown(part.table)))});
    }

    saveButton_ = new QPushButton(tr("Save report..."), this);
    saveButton_->setObjectName(QStringLiteral("saveButton"));
    connect(saveButton_, &QPushButton::clicked, this, &CompareDialog::saveReport);
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(saveButton_);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summaryLabel_);
    layout->addWidget(differencesTree_);
    layout->addLayout(buttons);
}

QString CompareDialog::reportText() const {
    return Utf8(FormatDifferenceReport(difference_, firstName_.toStdString(), secondName_.toStdString()));
}

bool CompareDialog::saveReport() {
    const QString path = FileDialog::getSaveFileName(this, tr("Save the comparison"), QString(),
                                                     tr("Text files (*.txt);;All files (*)"));
    if (path.isEmpty())
        return false;
    const FileWriteResult written = files::Write(path, files::BytesOf(reportText().toUtf8()));
    if (!written.ok()) {
        MessageBox::information(this,
                                tr("The report could not be saved: %1").arg(files::Text(written.message)));
        return false;
    }
    return true;
}

} // namespace vormante
