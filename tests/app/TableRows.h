#pragma once

// Data tables of the tests: Columns<int, QString>("code", "text"); Row("name", 2, "x").
#include <QTest>

namespace tuktest {

template <typename... T, typename... N> void Columns(N... names) {
    (QTest::addColumn<T>(names), ...);
}
template <typename... T> void Row(const char* name, const T&... values) {
    (QTest::newRow(name) << ... << values);
}

} // namespace tuktest
