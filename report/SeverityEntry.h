#pragma once

#include "SeverityCriteria.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

class EntryReader;
class EntryWriter;

// The severity criteria as the project file's extension block stores them (tag 5), and as the
// settings keep the last choice: uint32 kind (0 none, 1 similar components, 2 over ambient,
// 3 custom); for kinds 1 to 3 the whole table follows, so that the project describes itself:
// uint32 class count, then per class float32 upper bound in kelvin (+infinity for the last),
// text name, text action, uint32 suggested priority. Little-endian; a text is a uint32 byte
// length and that many bytes of UTF-8.

// Reads the criteria from `in`; nothing when the bytes end early or hold a kind or a table that
// cannot grade (CheckCriteria). What follows is the caller's to check.
std::optional<SeverityCriteria> ReadSeverityCriteria(EntryReader& in);
void WriteSeverityCriteria(EntryWriter& out, const SeverityCriteria& criteria);

// The same for a whole payload, which must hold the criteria and nothing after them.
std::optional<SeverityCriteria> ReadSeverityEntry(QByteArrayView payload);
QByteArray WriteSeverityEntry(const SeverityCriteria& criteria);
