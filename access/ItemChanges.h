#pragma once
// Changing a configuration by the names its items carry (ConfigItems.h). The
// configuration is written to a document in memory, the named items are
// changed there, and the document is read back through the model's own
// reader, so the model's checks accept or refuse the change as they would a
// file; a value the model replaced by its default is refused too.

#include <memory>
#include <string>
#include <vector>

#include "core/CTD.h"

struct SItemChange {
    std::string name;
    std::string value;  // the configuration's bytes
};

// "NAME=VALUE" split at the '=' that ends the name: a name's groups hold
// '=' of their own ("Coefficients[equation=0].CPcor=-9.57e-08"). False when
// there is no name or no '=' after it.
bool ParseAssignment(const std::string& text, SItemChange* change);

struct SChangeResult {
    std::unique_ptr<CCTD> ctd;  // the changed configuration; null when refused
    // The request names no item, or names one twice: a usage error of the
    // caller rather than a refusal of the model.
    bool badName = false;
    std::string reason;  // why, when ctd is null: "NAME: what" or "refused: what"
};

// All the changes together on a copy of ctd; ctd itself is not changed. A
// number must be finite, and no value may hold a control character.
SChangeResult ApplyChanges(const CCTD& ctd, const std::vector<SItemChange>& changes);
