// The file and colour choosing steps of the windows, replaceable so that tests need no modal
// dialog.
#include "desktop/Choosers.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QStringList>
#include <QTextDocument>
#include <QTimer>
#include <QTreeView>
#include <algorithm>
#include <memory>

namespace kerf {

FileChooser DialogFileChooser(QWidget* parent, std::optional<HelpTopic> topic) {
  QPointer<QWidget> owner(parent);
  return [owner, topic](const FileRequest& request) -> QString {
    QFileDialog dialog(owner, request.caption);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    WidenFileDialog(dialog);
    if (topic) SetHelpTopic(&dialog, *topic);
    const bool save = request.mode == FileRequest::Mode::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setNameFilters(request.filter.split(";;"));
    dialog.setDefaultSuffix(request.defaultSuffix);
    // A name typed without extension takes the extension of the filter chosen last.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) {
                       if (const QString suffix = FilterSuffix(filter); !suffix.isEmpty())
                         dialog.setDefaultSuffix(suffix);
                     });
    if (!request.directory.isEmpty()) {
      dialog.setDirectory(request.directory);
    }
    if (!request.proposedName.isEmpty()) {
      dialog.selectFile(request.proposedName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
      return QString();
    }
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
  };
}

ColourChooser DialogColourChooser(QWidget* parent) {
  QPointer<QWidget> owner(parent);
  return [owner](const QColor& initial) -> std::optional<QColor> {
    const QColor chosen =
        QColorDialog::getColor(initial, owner, QString(), QColorDialog::DontUseNativeDialog);
    if (!chosen.isValid()) {
      return std::nullopt;
    }
    return chosen;
  };
}

MessageShower DialogMessageShower(QWidget* parent, std::optional<HelpTopic> topic) {
  QPointer<QWidget> owner(parent);
  return [owner, topic](const QString& text) {
    ShowPlainMessage(owner, QMessageBox::Warning, text, topic);
  };
}

SaveQuestion DialogSaveQuestion(QWidget* parent) {
  QPointer<QWidget> owner(parent);
  return [owner](const QString& text) {
    QMessageBox box(QMessageBox::Question, "Kerfwright", text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, owner);
    box.setObjectName("SaveQuestion");
    box.setTextFormat(Qt::PlainText);  // names the project file
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
      case QMessageBox::Save:
        return SaveAnswer::Save;
      case QMessageBox::Discard:
        return SaveAnswer::Discard;
      default:
        return SaveAnswer::Cancel;
    }
  };
}

QMessageBox* PlainMessageBox(QWidget* owner, QMessageBox::Icon icon, const QString& text) {
  auto* box = new QMessageBox(icon, "Kerfwright", text, QMessageBox::Ok, owner);
  box->setTextFormat(Qt::PlainText);
  return box;
}

void ShowPlainMessage(QWidget* owner, QMessageBox::Icon icon, const QString& text,
                      std::optional<HelpTopic> topic) {
  const std::unique_ptr<QMessageBox> box(PlainMessageBox(owner, icon, text));
  if (topic) SetHelpTopic(box.get(), *topic);
  box->exec();
}

void WidenFileDialog(QFileDialog& dialog) {
  constexpr int Wide = 780;  // name, size, type and a whole date in the desktop's usual font
  const QScreen* screen = dialog.screen();
  const int most = screen != nullptr ? screen->availableGeometry().width() * 9 / 10 : Wide;
  dialog.resize(std::max(dialog.sizeHint().width(), std::min(Wide, most)),
                dialog.sizeHint().height());
  // Qt gives the size, type and date columns fixed widths that cut their texts ("111...tes");
  // once the dialog is up they follow what they show.
  QTimer::singleShot(0, &dialog, [&dialog] {
    auto* tree = dialog.findChild<QTreeView*>();
    if (tree == nullptr) return;
    for (int column = 1; column < tree->header()->count(); ++column)
      tree->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
  });
}

QString PlainToolTip(const QString& text) {
  // Tool tips guess their format from the text: text that looks like markup is escaped and
  // marked as rich text, so that it shows as written.
  if (!Qt::mightBeRichText(text)) return text;
  return "<qt>" + text.toHtmlEscaped() + "</qt>";
}

QString FilterSuffix(const QString& filter) {
  static const QRegularExpression pattern(R"(\*\.([A-Za-z0-9]+))");
  const QRegularExpressionMatch match = pattern.match(filter);
  return match.hasMatch() ? match.captured(1) : QString();
}

QString QtFileFilter(const QString& pairs) {
  const QStringList parts = pairs.split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i].trimmed();
    const qsizetype open = description.indexOf('(');
    if (open >= 0) {
      description = description.left(open).trimmed();
    }
    QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
    for (QString& p : patterns) {
      p = p.trimmed();
    }
    filters << description + " (" + patterns.join(' ') + ")";
  }
  return filters.join(";;");
}

}  // namespace kerf
