// The verbs' handler of Qt's messages, installed once before a verb runs.
#include "cli/QtMessages.h"

#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "model/PrintableText.h"

namespace kerf {

namespace {

bool Verbose = false;

void HandleQtMessage(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (Verbose || type == QtFatalMsg)
    std::fprintf(stderr, "kerfwright: qt: %s\n", PrintableText(text.toStdString()).c_str());
  if (type == QtFatalMsg) std::abort();
}

}  // namespace

bool TakeVerbose(CommandArgs& args) {
  const auto end = std::find(args.begin(), args.end(), "--");
  const auto kept = std::remove(args.begin(), end, "--verbose");
  const bool found = kept != end;
  args.erase(kept, end);
  return found;
}

bool VerboseRun() { return Verbose; }

void RouteQtMessages(bool verbose) {
  Verbose = verbose;
  qInstallMessageHandler(HandleQtMessage);
}

}  // namespace kerf
