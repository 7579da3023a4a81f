#include "model/object_table.h"

#include <cmath>

ObjectTable::ObjectTable() {
    // Twenty reset copies of the pending record (blue, size 1), then the
    // colours of the state record and the two settings records.
    Dpoint pending = Dpoint::with_colour(Dpoint::kBlue, 1);
    pending.set_name("x");
    for (int i = 0; i < rec::kReservedCount; ++i) {
        pending.Reset();
        append(pending);
    }
    records_[rec::kState].colour = Dpoint::kBlack;
    records_[rec::kSettings2].colour = Dpoint::kBlack;
    records_[rec::kSettings1].colour = Dpoint::kGreen;
    apply_reserved_presets();
}

ObjectTable ObjectTable::empty() { return ObjectTable(EmptyTag{}); }

void ObjectTable::apply_reserved_presets() {
    if (count() < rec::kReservedCount) return;
    for (int r : {rec::kState, rec::kSettings1, rec::kSettings2, rec::kFlags3, rec::kAnimation})
        records_[r].Reset();

    Dpoint& s = records_[rec::kState];
    s.name[0] = 'A';  // next_name_letter
    s.name[1] = 0;    // command_lock
    s.name[3] = 1;    // current_block
    s.name[4] = 1;    // block_count
    s.shown = 0;      // placing
    s.name_shown = 1; // recompute
    s.arg[6] = rec::kRestoreFirst;  // restore_top: empty stack

    Dpoint& r1 = records_[rec::kSettings1];
    r1.type = rec::kNoConclusion;
    r1.name_shown = 1;
    r1.label_style = 1;
    r1.aux2.set_double(20.0);

    Dpoint& r2 = records_[rec::kSettings2];
    r2.shown = 1;
    r2.name_shown = 0;
    r2.label_style = 1;
    r2.arg = {1, 0, 6, 0, -1, 0, -1, -1};
    r2.aux1.set_double(20.0);
    r2.aux2.set_double(1.0);

    Dpoint& r3 = records_[rec::kFlags3];
    r3.shown = 1;
    r3.name_shown = 0;
    r3.label_style = 0;
    r3.arg[0] = -1;

    Dpoint& r12 = records_[rec::kAnimation];
    r12.arg[2] = 0;
    r12.arg[3] = 400;
    r12.arg[4] = 1;
}

void ObjectTable::grow_to_hold(int index) {
    if (index + 1 <= capacity_) return;
    const int missing = index + 1 - capacity_;
    capacity_ += kGrowthStep * ((missing + kGrowthStep - 1) / kGrowthStep);
    records_.reserve(static_cast<std::size_t>(capacity_));
}

int ObjectTable::append(const Dpoint& record) {
    grow_to_hold(count());
    records_.push_back(record);
    return count() - 1;
}

bool ObjectTable::insert(int k, const Dpoint& record) {
    if (k < 0 || k > count()) return false;
    grow_to_hold(count());
    records_.insert(records_.begin() + k, record);
    return true;
}

bool ObjectTable::remove(int k) {
    if (!contains(k)) return false;
    records_.erase(records_.begin() + k);
    return true;
}

void ObjectTable::truncate(int new_count) {
    if (new_count >= 0 && new_count < count()) records_.resize(static_cast<std::size_t>(new_count));
}

Dpoint& ObjectTable::operator[](int k) {
    if (contains(k)) return records_[static_cast<std::size_t>(k)];
    scratch_ = Dpoint();
    return scratch_;
}

bool ObjectTable::write(int k, const Dpoint& record) {
    if (!contains(k)) return false;
    records_[static_cast<std::size_t>(k)] = record;
    return true;
}

std::int32_t& ObjectTable::list_entry(int record, int k) {
    if (k < 0 || k >= Dpoint::kArgCount) {
        scratch_ = Dpoint();
        return scratch_.arg[0];
    }
    return reserved(record).arg[static_cast<std::size_t>(k)];
}

double ObjectTable::safe_unit_length() const {
    const double u = get(rec::kSettings1).aux2.as_double();
    if (!std::isfinite(u)) return 20.0;
    return u < 0.001 ? 0.001 : u;
}

const Dpoint& ObjectTable::default_record() {
    static const Dpoint record;
    return record;
}
