#pragma once

#include "account/apiclient.h"

#include <QJsonObject>

// What an ApiClient callback reported, and how often it was called.
struct RecordedResponse
{
    int calls = 0;
    bool ok = false;
    int status = -1;
    QJsonObject body;
};

inline CorvantisAccount::ResponseCallback recordInto(RecordedResponse *response)
{
    return [response](bool ok, int status, const QJsonObject &body) {
        ++response->calls;
        response->ok = ok;
        response->status = status;
        response->body = body;
    };
}
