#pragma once
// Where the tests find the shared data files (public telegrams, reference tables).

#include <QString>

namespace kvq::test {
inline QString testDataDir() {
    return QStringLiteral(KVQ_TESTDATA_DIR);
}
inline QString sourceDir() {
    return QStringLiteral(KVQ_SOURCE_DIR);
}
} // namespace kvq::test
