// The file commands: Open and LoadDictionary, Save, CSV and PBX import and export, and
// files handed in from outside (the command line, a drop on the window).
//
// Files are read whole before anything changes and written through the one atomic write
// path; platform failures are FileError exceptions that the command guard shows.
#pragma once

#include <QString>

#include "app/editor.h"

namespace kz::app {

class FileCommands {
 public:
  explicit FileCommands(Editor& editor) : e_(editor) {}

  void KeyOpenClick();
  void LoadDictionary(const QString& path);
  void KeySaveClick();
  void KeyImportCsvClick();
  void KeyImportPbxClick();
  void KeyExportCsvClick();
  void KeyExportPbxClick();

  // The first command-line argument: ignored when no such file exists; no question.
  void OpenFromCommandLine(const QString& path);
  // A file dropped on the window: only a dictionary file asks about unsaved changes.
  void OpenDropped(const QString& path);

 private:
  // A dictionary file replaces the document; any other file's lines are imported, a
  // ".pbx" file's after its header.
  void Route(const QString& path);
  void ImportFile(const QString& path, bool cutPbxHeader);
  // The save dialog with the extension rule and the overwrite question; nullopt: stop.
  std::optional<QString> AskSaveTarget(const QString& extension, const QString& filter,
                                       const QString& title);

  Editor& e_;
};

}  // namespace kz::app
