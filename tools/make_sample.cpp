// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the bundled sample log: aerodex-make-sample examples/sample.adx
#include <cstdio>

#include "model/document_file.h"
#include "tools/sample_log.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "Usage: aerodex-make-sample OUT.adx\n");
    return 2;
  }
  CAerodexDoc doc;
  doc.OnNewDocument();
  aerodex::sample::BuildSampleLog(doc);
  const aerodex::FileResult result = aerodex::SaveDocumentFile(doc, argv[1]);
  if (!result.ok) {
    std::fprintf(stderr, "%s\n", result.message.c_str());
    return 1;
  }
  return 0;
}
