-- The sample application "OrderEntry": customers, products and orders with their lines, packaged in
-- three projects over an SQL Server database reached through the data source "OrderEntry".
-- Every statement ends with a semicolon at the end of its line.

INSERT INTO "Application" ("ID", "Name", "Description", "DSN", "LocalDBName", "L1ProjectName", "L2ProjectName", "L3ProjectName", "DBType", "Architecture")
VALUES (1, 'OrderEntry', 'Order entry for a wholesaler', 'OrderEntry', '', 'OrderEntryUI', 'OrderEntryBusiness', 'OrderEntryData', 'SQL', 3);

INSERT INTO "BusinessObject" ("ID", "ApplicationID", "Name", "L1ClassName", "L2BusObjClass", "L2DisplayClass", "L2ListClass", "L3BusObjClass", "L3ListClass") VALUES
(1, 1, 'Customer', 'CustomerUI', 'Customer', 'CustomerDisplay', 'CustomerList', 'CustomerPersist', 'CustomerListPersist'),
(2, 1, 'Product', 'ProductUI', 'Product', 'ProductDisplay', 'ProductList', 'ProductPersist', 'ProductListPersist'),
(3, 1, 'Order', 'OrderUI', 'Order', 'OrderDisplay', 'OrderList', 'OrderPersist', 'OrderListPersist'),
(4, 1, 'OrderLine', 'OrderLineUI', 'OrderLine', 'OrderLineDisplay', 'OrderLineList', 'OrderLinePersist', 'OrderLineListPersist');

INSERT INTO "Table" ("ID", "BusObjID", "Name") VALUES
(1, 1, 'Customer'),
(2, 2, 'Product'),
(3, 3, 'Order Header'),
(4, 4, 'OrderLine');

-- Customer: a Long key, a mandatory unique name, a read-only balance, a memo, a flag, a date, a list shown
-- as option buttons, a range, a code table; twelve properties, so one class holds the DBIDs 1 and 12.
INSERT INTO "Property" ("ID", "BusObjID", "Name", "DataType", "Access", "Label", "Length", "IsKey", "IsMandatory", "IsUnique", "ControlType", "IsPVList", "IsVirtual", "IsPVTable", "IsPVRange", "LowerBound", "UpperBound", "PVTableClass", "IsPVFKey", "PVFKeyDisplayedPropID", "ForeignKeyFldID", "AssociationID") VALUES
(1, 1, 'CustomerID', 'Long', 'Read Only', 'Customer No.', 4, 1, 1, 1, 'TextBox', 0, 0, 0, 0, '', '', '', 0, NULL, NULL, NULL),
(2, 1, 'Name', 'String', 'Read/Write', 'Name', 50, 0, 1, 1, 'TextBox', 0, 0, 0, 0, '', '', '', 0, NULL, NULL, NULL),
(3, 1, 'Balance', 'Currency', 'Read Only', 'Balance', 8, 0, 0, 0, 'TextBox', 0, 0, 0, 0, '', '', '', 0, NULL, NULL, NULL),
(4, 1, 'Notes', 'Memo', 'Read/Write', 'Notes', 0, 0, 0, 0, 'TextBox', 0, 0, 0, 0, '', '', '', 0, NULL, NULL, NULL),
(5, 1, 'IsActive', 'Boolean', 'Read/Write', 'Active', 1, 0, 1, 0, 'CheckBox', 0, 0, 0, 0, '', '', '', 0, NULL, NULL, NULL),
(6, 1, 'FirstOrderDate', 'Date', 'Read/Write', 'Customer Since', 8, 0, 0, 0, 'TextBox', 0, 0, 0, 0, '', '', '', 0, NULL, NULL, NULL),
(7, 1, 'PaymentTerms', 'String', 'Read/Write', 'Payment Terms', 20, 0, 1, 0, 'OptionButton', 1, 0, 0, 0, '', '', '', 0, NULL, NULL, NULL),
(8, 1, 'DiscountPercent', 'Integer', 'Read/Write', 'Discount %', 2, 0, 0, 0, 'TextBox', 0, 0, 0, 1, '0', '25', '', 0, NULL, NULL, NULL),
(9, 1, 'CustomerType', 'String', 'Read/Write', 'Customer Type', 2, 0, 1, 0, 'ComboBox', 0, 0, 1, 0, '', '', 'CustomerTypeCode', 0, NULL, NULL, NULL),
(10, 1, 'Phone', 'String', 'Read/Write', 'Phone', 20, 0, 0, 0, 'TextBox', 0, 0, 0, 0, '', '', '', 0, NULL, NULL, NULL),
(11, 1, 'Email', 'String', 'Read/Write', 'E-mail', 60, 0, 0, 0, 'TextBox', 0, 0, 0, 0, '', '', '', 0, NULL, NULL, NULL),
(12, 1, 'CreditLimit', 'Currency', 'Read/Write', 'Credit Limit', 8, 0, 0, 0, 'TextBox', 0, 0, 0, 1, '0', '100000', '', 0, NULL, NULL, NULL),
-- Product: a key of two columns.
(13, 2, 'SupplierCode', 'String', 'Read/Write', 'Supplier', 10, 1, 1, 0, 'TextBox', 0, 0, 0, 0, '', '', '', 0, NULL, NULL, NULL),
(14, 2, 'ProductCode', 'String', 'Read/Write', 'Product Code', 10, 1, 1, 0, 'TextBox', 0, 0, 0, 0, '', '', '', 0, NULL, NULL, NULL),
(15, 2, 'Description', 'String', 'Read/Write', 'Description', 60, 0, 1, 0, 'TextBox', 0, 0, 0, 0, '', '', '', 0, NULL, NULL, NULL),
(16, 2, 'UnitPrice', 'Currency', 'Read/Write', 'Unit Price', 8, 0, 1, 0, 'TextBox', 0, 0, 0, 0, '', '', '', 0, NULL, NULL, NULL),
-- Order: a mandatory and an optional reference to Customer, and an OLE Object.
(17, 3, 'OrderID', 'Long', 'Read Only', 'Order No.', 4, 1, 1, 1, 'TextBox', 0, 0, 0, 0, '', '', '', 0, NULL, NULL, NULL),
(18, 3, 'CustomerID', 'Long', 'Read/Write', 'Customer', 4, 0, 1, 0, 'ComboBox', 0, 0, 0, 0, '', '', '', 1, 2, 1, 1),
(19, 3, 'BillToCustomerID', 'Long', 'Read/Write', 'Bill To', 4, 0, 0, 0, 'ComboBox', 0, 0, 0, 0, '', '', '', 1, 2, 1, 3),
(20, 3, 'OrderDate', 'Date', 'Read/Write', 'Order Date', 8, 0, 1, 0, 'TextBox', 0, 0, 0, 0, '', '', '', 0, NULL, NULL, NULL),
(21, 3, 'Signature', 'OLE Object', 'Read/Write', 'Signature', 0, 0, 0, 0, 'TextBox', 0, 0, 0, 0, '', '', '', 0, NULL, NULL, NULL),
-- OrderLine: an identifying child of Order, with a foreign key to Product.
(22, 4, 'OrderID', 'Long', 'Read/Write', 'Order No.', 4, 1, 1, 0, 'TextBox', 0, 0, 0, 0, '', '', '', 0, NULL, 17, 5),
(23, 4, 'LineNo', 'Integer', 'Read/Write', 'Line', 2, 1, 1, 0, 'TextBox', 0, 0, 0, 0, '', '', '', 0, NULL, NULL, NULL),
(24, 4, 'SupplierCode', 'String', 'Read/Write', 'Supplier', 10, 0, 1, 0, 'TextBox', 0, 0, 0, 0, '', '', '', 0, NULL, 13, 7),
(25, 4, 'ProductCode', 'String', 'Read/Write', 'Product', 10, 0, 1, 0, 'ComboBox', 0, 0, 0, 0, '', '', '', 1, 15, 14, 7),
(26, 4, 'Quantity', 'Integer', 'Read/Write', 'Quantity', 2, 0, 1, 0, 'TextBox', 0, 0, 0, 1, '1', '9999', '', 0, NULL, NULL, NULL);

INSERT INTO "Field" ("ID", "BusObjPropID", "TableID", "Name", "DataType", "Length", "IsPrimaryKey", "IsNullable", "IsForeignKey") VALUES
(1, 1, 1, 'CustomerID', 'Long', 4, 1, 0, 0),
(2, 2, 1, 'Name', 'String', 50, 0, 0, 0),
(3, 3, 1, 'Balance', 'Currency', 8, 0, 1, 0),
(4, 4, 1, 'Notes', 'Memo', 0, 0, 1, 0),
(5, 5, 1, 'IsActive', 'Boolean', 1, 0, 0, 0),
(6, 6, 1, 'FirstOrderDate', 'Date', 8, 0, 1, 0),
(7, 7, 1, 'PaymentTerms', 'String', 20, 0, 0, 0),
(8, 8, 1, 'DiscountPercent', 'Integer', 2, 0, 1, 0),
(9, 9, 1, 'CustomerType', 'String', 2, 0, 0, 0),
(10, 10, 1, 'Phone', 'String', 20, 0, 1, 0),
(11, 11, 1, 'Email', 'String', 60, 0, 1, 0),
(12, 12, 1, 'CreditLimit', 'Currency', 8, 0, 1, 0),
(13, 13, 2, 'SupplierCode', 'String', 10, 1, 0, 0),
(14, 14, 2, 'ProductCode', 'String', 10, 1, 0, 0),
(15, 15, 2, 'Description', 'String', 60, 0, 0, 0),
(16, 16, 2, 'UnitPrice', 'Currency', 8, 0, 0, 0),
(17, 17, 3, 'OrderID', 'Long', 4, 1, 0, 0),
(18, 18, 3, 'CustomerID', 'Long', 4, 0, 0, 1),
(19, 19, 3, 'BillToCustomerID', 'Long', 4, 0, 1, 1),
(20, 20, 3, 'OrderDate', 'Date', 8, 0, 0, 0),
(21, 21, 3, 'Signature', 'OLE Object', 0, 0, 1, 0),
(22, 22, 4, 'OrderID', 'Long', 4, 1, 0, 1),
(23, 23, 4, 'LineNo', 'Integer', 2, 1, 0, 0),
(24, 24, 4, 'SupplierCode', 'String', 10, 0, 0, 1),
(25, 25, 4, 'ProductCode', 'String', 10, 0, 0, 1),
(26, 26, 4, 'Quantity', 'Integer', 2, 0, 0, 0);

INSERT INTO "PermittedValues" ("PropID", "PermittedValue") VALUES
(7, 'Cash'),
(7, 'Net 30'),
(7, 'Owner''s Account');

INSERT INTO "Method" ("ID", "BusObjID", "Name", "ReturnDataType", "MethodType", "IsStoredProcedure", "StoredProcedureName") VALUES
(1, 1, 'Add', 'None', 'Sub', 0, ''),
(2, 1, 'Update', 'None', 'Sub', 0, ''),
(3, 1, 'Read', 'None', 'Sub', 0, ''),
(4, 1, 'Delete', 'None', 'Sub', 0, ''),
(5, 2, 'Add', 'None', 'Sub', 0, ''),
(6, 2, 'Update', 'None', 'Sub', 0, ''),
(7, 2, 'Read', 'None', 'Sub', 0, ''),
(8, 2, 'Delete', 'None', 'Sub', 0, ''),
(9, 3, 'Add', 'None', 'Sub', 0, ''),
(10, 3, 'Update', 'None', 'Sub', 0, ''),
(11, 3, 'Read', 'None', 'Sub', 0, ''),
(12, 3, 'Delete', 'None', 'Sub', 0, ''),
(13, 3, 'Ship', 'Boolean', 'Function', 1, 'spShipOrder'),
(14, 4, 'Add', 'None', 'Sub', 0, ''),
(15, 4, 'Update', 'None', 'Sub', 0, ''),
(16, 4, 'Read', 'None', 'Sub', 0, ''),
(17, 4, 'Delete', 'None', 'Sub', 0, '');

-- Order to Customer twice (mandatory, then optional), OrderLine to Order (identifying), OrderLine to
-- Product. The first association of each runs from the business object that holds the foreign key.
INSERT INTO "Relationship" ("ID", "ApplicationID", "RelType") VALUES
(1, 1, 'Reference'),
(2, 1, 'Reference'),
(3, 1, 'Identifying'),
(4, 1, 'Reference');

INSERT INTO "Association" ("ID", "RelationshipID", "SourceBusObjID", "TargetBusObjID", "Cardinality", "IsOptional", "Description") VALUES
(1, 1, 3, 1, 'One', 0, 'is placed by'),
(2, 1, 1, 3, 'Many', 1, 'places'),
(3, 2, 3, 1, 'One', 1, 'is billed to'),
(4, 2, 1, 3, 'Many', 1, 'is billed for'),
(5, 3, 4, 3, 'One', 0, 'is part of'),
(6, 3, 3, 4, 'Many', 0, 'contains'),
(7, 4, 4, 2, 'One', 0, 'orders'),
(8, 4, 2, 4, 'Many', 1, 'is ordered on');
