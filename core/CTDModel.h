#pragma once
// The operations every instrument model implements the same way: creation of
// a copy, copying and comparison through the model's own class, and its ID.
// A model derives from CCTDModel<Model, FamilyBase> and defines kCTD_ID (its
// name in the table of models), its copy assignment and operator==.

#include "core/CTD.h"
#include "core/CTDModels.h"

template <class Derived, class Base>
class CCTDModel : public Base {
  public:
    int GetCTD_ID() const override {
        static_assert(kCTD_RowNames<Derived, Derived::kCTD_ID>,
                      "the table of models gives this ID to another class");
        return Derived::kCTD_ID;
    }
    CCTD* Clone() const override { return new Derived(Self()); }
    void AssignFrom(const CCTD& other) override { Self() = static_cast<const Derived&>(other); }
    bool IsEqualTo(const CCTD& other) const override {
        return Self() == static_cast<const Derived&>(other);
    }

  private:
    Derived& Self() { return static_cast<Derived&>(*this); }
    const Derived& Self() const { return static_cast<const Derived&>(*this); }
};
