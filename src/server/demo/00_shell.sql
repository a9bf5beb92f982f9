-- Display name of the demo database account.
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('Z9999', 'TLUSER', '데모');
