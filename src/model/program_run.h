// SPDX-License-Identifier: GPL-3.0-or-later
// CProgramRun: what a program does once per run. The document sets up its
// fonts, pen, page geometry and pilot record the first time its contents are
// cleared in a run, and never again (later New and Open keep them). The
// application, or a command of aerodex-cli, owns the run and hands it to its
// document; a document given none is a run of its own.
#pragma once

class CProgramRun {
 public:
  // True the first time it is asked, false ever after.
  bool FirstTime() {
    const bool first = !started_;
    started_ = true;
    return first;
  }

 private:
  bool started_ = false;
};
