#include "views/lists/CompareDialog.h"

#include "controls/MessageBox.h"
#include "model/ImageFile.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace vormante;

namespace {

QString Utf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void AddFields(QTreeWidgetItem* parent, const std::vector<FieldDifference>& fields) {
    for (const FieldDifference& field : fields)
        new QTreeWidgetItem(parent, {QStringLiteral("%1: %2 \u2192 %3")
                                         .arg(Utf8(field.field), Utf8(field.before), Utf8(field.after))});
}

void AddItems(QTreeWidgetItem* parent, const QString& prefix, const std::vector<ItemDifference>& items) {
    for (const ItemDifference& item : items) {
        auto* node = new QTreeWidgetItem(
            parent, {QStringLiteral("%1%2: %3")
                         .arg(prefix, Utf8(item.item), QLatin1String(DiffKindName(item.kind)))});
        AddFields(node, item.fields);
    }
}

} // namespace

CompareDialog::CompareDialog(const ChannelDatabase& first, const ChannelDatabase& second,
                             const QString& firstName, const QString& secondName, QWidget* parent)
    : QDialog(parent), difference_(DiffImages(first, second)), firstName_(firstName),
      secondName_(secondName) {
    setWindowTitle(QStringLiteral("Compare with %1").arg(secondName));
    setObjectName(QStringLiteral("compareDialog"));

    summaryLabel_ = new QLabel(this);
    summaryLabel_->setObjectName(QStringLiteral("summaryLabel"));
    summaryLabel_->setWordWrap(true);
    summaryLabel_->setText(
        difference_.empty() ? QStringLiteral("The images do not differ.")
        : difference_.fieldsEqual()
            ? QStringLiteral("No compared field differs, but bytes do: %1.")
                  .arg(Utf8(DescribeByteDifferences(difference_.bytes)))
            : QStringLiteral("From %1 to %2; \"added\" is only in %2, \"removed\" only in %1.")
                  .arg(firstName, secondName));

    differencesTree_ = new QTreeWidget(this);
    differencesTree_->setObjectName(QStringLiteral("differencesTree"));
    differencesTree_->setHeaderHidden(true);
    differencesTree_->setMinimumSize(520, 340);
    for (const SatelliteDifference& satellite : difference_.satellites) {
        auto* group = new QTreeWidgetItem(
            differencesTree_,
            {QStringLiteral("Satellite %1 (%2): %3")
                 .arg(Utf8(satellite.name), QString::fromStdString(FormatPosition(satellite.position)),
                      QLatin1String(DiffKindName(satellite.kind)))});
        AddFields(group, satellite.fields);
        AddItems(group, QStringLiteral("Transponder "), satellite.transponders);
        AddItems(group, QString(), satellite.channels);
    }
    if (!difference_.settings.empty()) {
        auto* settings = new QTreeWidgetItem(differencesTree_, {QStringLiteral("Settings: changed")});
        AddFields(settings, difference_.settings);
    }
    if (!difference_.bytes.empty()) {
        auto* bytes = new QTreeWidgetItem(differencesTree_, {QStringLiteral("Bytes that differ")});
        for (const ByteDifference& part : difference_.bytes)
            new QTreeWidgetItem(
                bytes, {QStringLiteral("%1: %2 %3")
                            .arg(Utf8(part.table))
                            .arg(part.count)
                            .arg(part.count == 1 ? QStringLiteral("byte") : QStringLiteral("bytes"))});
    }

    saveButton_ = new QPushButton(QStringLiteral("Save report..."), this);
    saveButton_->setObjectName(QStringLiteral("saveButton"));
    connect(saveButton_, &QPushButton::clicked, this, &CompareDialog::saveReport);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
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
    const QString path = FileDialog::getSaveFileName(this, QStringLiteral("Save the comparison"), QString(),
                                                     QStringLiteral("Text files (*.txt);;All files (*)"));
    if (path.isEmpty())
        return false;
    const QByteArray text = reportText().toUtf8();
    std::string error;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.constData());
    if (!WriteFileAtomically(path.toStdString(),
                             std::span<const std::uint8_t>(bytes, static_cast<std::size_t>(text.size())),
                             &error)) {
        MessageBox::information(this, QStringLiteral("The report could not be saved: %1").arg(Utf8(error)));
        return false;
    }
    return true;
}
