#pragma once
// The start-up dialog about the recovery files: one row per file (the video's name, the
// time of the last change, the number of marks, or "damaged"), and "Restore", "Discard" and
// "Later". It only shows and answers; TWorkSession::OfferRecovery decides.

#include "mainwindow/WorkRecovery.h"

#include <vector>

class QWidget;

namespace kolibra::mainwindow {

// The row's texts: video name, last change (local time), marks.
QStringList RecoveryRowTexts(const work::TRecoveryEntry &entry);

TRecoveryChoice ShowRecoveryDialog(QWidget *parent,
                                   const std::vector<work::TRecoveryEntry> &entries);

}  // namespace kolibra::mainwindow
