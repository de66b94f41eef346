#pragma once
// The first-run set-up: the store row, the administrator, all rights and the
// default print-template rows.

#include "data/Progress.h"

#include <QString>
#include <functional>

namespace kv {

struct EnrolInput {
    QString storeName, postcode, fax, phone, address;
    QString userId, userName, password, confirmation;
    QString imeName;
};

enum class EnrolField { None, StoreName, Postcode, Phone, Address, UserId, UserName, Password, Confirmation };

struct EnrolCheck {
    EnrolField focus = EnrolField::None;  // None: the input is complete
    QString warning;
};

// The required fields in screen order, then the confirmation of the password.
EnrolCheck CheckEnrolInput(const EnrolInput& in);

bool SaveStoreRow(const EnrolInput& in);
// Updates the user row when the id exists, else inserts it; one transaction.
bool SaveAdministrator(const EnrolInput& in);
QString EnrolNotice(const EnrolInput& in);
// Deletes the rights of every user and grants the administrator all 31 programs.
bool GrantAllRights(const QString& userId);
// The five default template rows; warns and goes on when they cannot be written.
bool CreateDefaultTemplates(ProgressSink& progress);

struct EnrolSteps {
    std::function<void(EnrolField)> focus;            // a field to put the focus on
    std::function<void()> showNumberingWindow;        // modal numbering choices
    ProgressSink* progress = nullptr;
};

// The whole of "确认F3"; true when the set-up completed.
bool RunEnrol(const EnrolInput& in, const EnrolSteps& steps);

// Set by a completed set-up: the main window skips its start-up backup offer.
extern bool AppFirstRun;

}  // namespace kv
