// SPDX-License-Identifier: GPL-3.0-or-later
// The file-open dialog of the import: preset to "*.aerodex", a typed pattern
// filters the files instead of being taken for a name, a name without an
// extension gets ".aerodex", and only existing files can be chosen.
#include "app/dialogs/import_file_dialog.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace aerodex;

namespace {

void Touch(const QString& path) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
}

QStringList ShownFiles(const QFileDialog& dialog) {
  auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
  QStringList names;
  for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row) {
    names << view->model()->index(row, 0, view->rootIndex()).data().toString();
  }
  names.sort();
  return names;
}

}  // namespace

class ImportFileDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QVERIFY(dir_.isValid());
    Touch(dir_.filePath(QStringLiteral("n1234x.aerodex")));
    Touch(dir_.filePath(QStringLiteral("notes.txt")));
  }

  void opensPresetToThePattern() {
    CImportFileDialog dialog;
    QCOMPARE(dialog.fileMode(), QFileDialog::ExistingFile);
    QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptOpen);
    QCOMPARE(dialog.defaultSuffix(), QStringLiteral("aerodex"));
    QCOMPARE(dialog.nameFilters(), QStringList{QStringLiteral("All Files (*)")});
    dialog.setDirectory(dir_.path());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QCOMPARE(name->text(), QStringLiteral("*.aerodex"));
    QTRY_COMPARE(ShownFiles(dialog), (QStringList{"n1234x.aerodex", "notes.txt"}));
    // Enter on the pattern filters the list and leaves the dialog open.
    QTest::keyClick(name, Qt::Key_Return);
    QVERIFY(dialog.isVisible());
    QTRY_COMPARE(ShownFiles(dialog), QStringList{"n1234x.aerodex"});
  }

  void aNameWithoutExtensionGetsAerodex() {
    CImportFileDialog dialog;
    dialog.setDirectory(dir_.path());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    name->setText(QStringLiteral("n1234x"));
    QTest::keyClick(name, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.selectedFiles(), QStringList{dir_.filePath(QStringLiteral("n1234x.aerodex"))});
  }

  void runReturnsTheChosenPathOrNothing() {
    std::string path = "unchanged";
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    QVERIFY(!RunImportFileDialog(nullptr, path));
    QCOMPARE(path, std::string("unchanged"));
    const QString dir = dir_.path();
    QTimer::singleShot(0, [dir] {
      auto* dialog = qobject_cast<CImportFileDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      dialog->setDirectory(dir);
      dialog->selectFile(QStringLiteral("n1234x.aerodex"));
      dialog->accept();
    });
    QVERIFY(RunImportFileDialog(nullptr, path));
    QCOMPARE(QString::fromStdString(path), dir_.filePath(QStringLiteral("n1234x.aerodex")));
  }

 private:
  QTemporaryDir dir_;
};

QTEST_MAIN(ImportFileDialogTest)
#include "import_file_dialog_test.moc"
