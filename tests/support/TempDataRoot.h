#pragma once
// A fresh, empty data root for one test: KVQ_DOCUMENTS points at a temporary folder while it lives.

#include <QByteArray>
#include <QTemporaryDir>

namespace kvq::test {

class TempDataRoot {
public:
    TempDataRoot() : old_(qgetenv("KVQ_DOCUMENTS")), hadOld_(qEnvironmentVariableIsSet("KVQ_DOCUMENTS")) {
        qputenv("KVQ_DOCUMENTS", dir_.path().toUtf8());
    }
    ~TempDataRoot() {
        if (hadOld_)
            qputenv("KVQ_DOCUMENTS", old_);
        else
            qunsetenv("KVQ_DOCUMENTS");
    }
    TempDataRoot(const TempDataRoot&) = delete;
    TempDataRoot& operator=(const TempDataRoot&) = delete;
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QByteArray old_;
    bool hadOld_;
};

} // namespace kvq::test
