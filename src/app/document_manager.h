// CDocumentManager: the framework's document handling for the one log of the
// program: New, Open, Save and Save As, the "Save changes to %1?" question
// before the log is replaced or the program ends, the document's path and
// title, and the recent-file list that successful opens and saves feed.
#pragma once

#include <QObject>
#include <QString>

#include "app/recent_file_list.h"
#include "model/document.h"

namespace aerodex {

class CFrameDialogs;

class CDocumentManager : public QObject {
  Q_OBJECT

 public:
  CDocumentManager(CAerodexDoc& doc, CFrameDialogs& dialogs, CRecentFileList& recentFiles,
                   QObject* parent = nullptr);

  // The log's file, empty while it is "Untitled".
  const QString& PathName() const { return path_; }
  // "Untitled" or the file's name.
  QString Title() const;
  CAerodexDoc& Document() const { return doc_; }

  // True when the log may be replaced or closed: it is unmodified, or the
  // user saved it (successfully) or chose not to.
  bool SaveModified();

  void OnFileNew();
  void OnFileOpen();
  bool OnFileSave();
  bool OnFileSaveAs();
  // Opens path after the save question. Opening the log already open only
  // activates it. On failure the user is told why; a file that could not be
  // read at all leaves the open log as it was, a damaged one leaves an empty
  // "Untitled" log, never one that carries the damaged file's name.
  bool OpenDocumentFile(const QString& path);
  // Opens recent file number index (from 0); a file that fails is dropped
  // from the list.
  bool OpenRecentFile(int index);
  // A fresh empty log, without asking (start-up).
  void NewDocument();

 signals:
  // A new or opened log replaced the contents: views lay it out afresh.
  void documentReplaced();
  // The title or the modified state may have changed.
  void titleChanged();
  void recentFilesChanged();

 private:
  enum class OpenStatus { kOpened, kCancelled, kFailed };
  OpenStatus DoOpen(const QString& path);
  bool DoSave(const QString& path);
  void AddToRecent(const QString& path);

  CAerodexDoc& doc_;
  CFrameDialogs& dialogs_;
  CRecentFileList& recentFiles_;
  QString path_;
};

}  // namespace aerodex
