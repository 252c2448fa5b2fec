#include "loginpage.h"

QByteArray renderLoginPage(const LoginForm &form)
{
    const auto field = [](const QString &value) {
        return value.toHtmlEscaped();
    };
    const QString message =
        form.message.isEmpty()
            ? QString()
            : QStringLiteral("<p class=\"message\" role=\"alert\">%1</p>").arg(field(form.message));
    const QString page =
        QStringLiteral(R"(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Sign in to Zimbrel</title>
<style>
body { font-family: sans-serif; background: #f4f5f7; margin: 0; }
main { max-width: 360px; margin: 64px auto; background: #fff; padding: 24px 28px; border-radius: 8px; box-shadow: 0 1px 4px rgba(0,0,0,.15); }
label { display: block; margin-top: 12px; font-size: 14px; }
input[type=email], input[type=text], input[type=password] { width: 100%; box-sizing: border-box; padding: 8px; margin-top: 4px; }
.buttons { margin-top: 20px; display: flex; gap: 8px; }
button { padding: 8px 14px; }
.message { color: #C62828; }
.hint { color: #666; font-size: 13px; }
</style>
</head>
<body>
<main>
<h1>Zimbrel</h1>
%1
<form method="post" action="/%2/account/login">
<input type="hidden" name="client_id" value="%3">
<input type="hidden" name="redirect_uri" value="%4">
<input type="hidden" name="state" value="%5">
<input type="hidden" name="csrf_token" value="%6">
<label>E-mail address<input type="email" name="email" value="%7" required autocomplete="username"></label>
<label>Display name <span class="hint">(only when creating an account)</span><input type="text" name="display_name" value="%8" autocomplete="name"></label>
<label>Password<input type="password" name="password" required minlength="8" autocomplete="current-password"></label>
<div class="buttons">
<button type="submit" name="action" value="signin">Sign in</button>
<button type="submit" name="action" value="signup">Create account</button>
</div>
</form>
</main>
</body>
</html>
)")
            .arg(message, field(form.realm), field(form.clientId), field(form.redirectUri), field(form.state),
                 field(form.csrfToken), field(form.email), field(form.displayName));
    return page.toUtf8();
}
